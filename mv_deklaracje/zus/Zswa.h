// The ZSWA calculator: fills the KEDU document of a yearly ZUS ZSWA declaration with the payer block,
// the statement date, the declaration's identification and one block per insured person's periods of
// work in special conditions or of a special character.
//
// States: no declaration before the first Przelicz; each Przelicz holds its declaration (with a
// reference) until the next one or the object's end.
#pragma once

#include <map>

#include "TlxBus.h"
#include "hostapi/Configuration.h"
#include "hostapi/Kedu.h"
#include "mv_deklaracje/core/Money.h"
#include "mv_deklaracje_tlb.h"
#include "platform/com/ProvideClassInfo.h"
#include "tlb/DispatchTables.h"

class CZSWA;
using CZSWARoot =
    IInitializeSessionImpl<CZSWA, TlxObjectRoot<CZSWA, tlx::Dispatch<IZSWA>, tlx::ProvideClassInfo2<>>, 2>;

class CZSWA final : public CZSWARoot {
public:
    // IZSWA
    HRESULT get_Deklaracja(IDeklaracja2** declaration) override;
    HRESULT Przelicz(IDeklaracja2* pDekl) override;
    HRESULT put_Wartosc(PoleDRAEnum iPole, CY amount) override;
    HRESULT get_DataWypelnienia(DATE* value) override;

    HRESULT InterfaceSupportsErrorInfo(REFIID iid) override { return iid == IZSWA::kIid ? S_OK : S_FALSE; }

private:
    IDeklaracja2* RequireDeclaration() const;
    void Progress(HRESULT (IDeklaracja2::*event)(BSTR), const char16_t* text) const;
    void Initialise();
    void WriteFixedBlocks();
    tlx::ComPtr<IKeduBlok> Block(const char16_t* name) const;

    tlx::ComPtr<IDeklaracja2> declaration_;
    tlx::ComPtr<IKonfiguracja> konfiguracja_;
    std::map<LONG, CMoney> amounts_;
    tlx::ComPtr<IKeduDokument> document_;
};
