// ProgramCfgRO: a read-only view of the host accounting program's settings that the VAT-7 and PIT-5
// calculation scripts need: roundings, the lump-sum tax rates and two switches of the VAT-7 form, two
// of them read as the value valid on the operator's working date. The scripts reach it as the Program
// property of their data service. Every property reads its key anew.
#pragma once

#include "TlxBus2.h"
#include "hostapi/Configuration.h"
#include "tlb/DispatchTables.h"

class CProgramCfgRO final : public ISimpleObjectImpl<CProgramCfgRO, IProgramCfgRO> {
public:
    HRESULT get_WylZak0_VAT7(LONG* value) override;
    HRESULT get_Grosze_VAT7(LONG* value) override;
    HRESULT get_ZaokPodst_VAT7(CY* value) override;
    HRESULT get_ZaokPodatek_VAT7(CY* value) override;
    HRESULT get_ZaokPodst_PIT5(CY* value) override;
    HRESULT get_ZaokPodatek_PIT5(CY* value) override;
    HRESULT get_StawkaRyczaltowa1(CY* value) override;
    HRESULT get_StawkaRyczaltowa2(CY* value) override;
    HRESULT get_StawkaRyczaltowa3(CY* value) override;
    HRESULT get_Vat7_WliczacNP(LONG* value) override;

    // The configuration's text of a key; `dated` reads the value valid on the operator's working date.
    CBstr GetText(const CBstr& key, bool dated);
    // The text as a 32-bit number; the empty text gives 0, a text that is not a number is raised.
    long GetLong(const CBstr& key, bool dated);
    // The text as an amount in the user's regional format, rounded to hundredths; the empty text gives 0.
    CMoney GetMoney(const CBstr& key, bool dated);

private:
    HRESULT AnswerLong(LONG* out, const OLECHAR* key, bool dated);
    HRESULT AnswerMoney(CY* out, const OLECHAR* key);

    // Created by the first read and kept for the life of the view.
    tlx::ComPtr<IKonfiguracja> configuration_;
};
