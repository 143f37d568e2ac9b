// The IWA calculator: fills the KEDU document of a yearly ZUS IWA declaration with the payer block, the
// average number of persons insured against accidents at work, the number of persons injured and the
// payer's address, counting every person of the company, over each of his cards, from the host's
// payroll.
//
// States: no declaration before the first Przelicz; each Przelicz attaches its declaration (without a
// reference; the calling form keeps it alive) and starts from zero counts and a new configuration.
#pragma once

#include <map>

#include "TlxBus.h"
#include "hostapi/Configuration.h"
#include "hostapi/Kedu.h"
#include "mv_deklaracje/core/Money.h"
#include "mv_deklaracje/zus/IwaEmployeePass.h"
#include "mv_deklaracje_tlb.h"
#include "platform/com/ProvideClassInfo.h"
#include "tlb/DispatchTables.h"

class CIWA;
using CIWARoot = IInitializeSessionImpl<CIWA, TlxObjectRoot<CIWA, tlx::Dispatch<IIWA>, tlx::ProvideClassInfo2<>>, 2>;

class CIWA final : public CIWARoot {
public:
    // IIWA
    HRESULT get_Deklaracja(IDeklaracja2** declaration) override;
    HRESULT Przelicz(IDeklaracja2* pDekl) override;
    HRESULT put_Wartosc(PoleDRAEnum iPole, CY value) override;
    HRESULT RegisterPrac(IDispatch* pIdent, DATE _Data, double _Wymiar) override;
    HRESULT get_DataWypelnienia(DATE* value) override;

private:
    IDeklaracja2* RequireDeclaration() const;
    void Progress(HRESULT (IDeklaracja2::*event)(BSTR), const char16_t* text) const;
    tlx::ComPtr<IKeduBlok> Block(const char16_t* name) const;
    void Initialise();
    void CountEmployees();
    void CountCard(CIwaEmployeePass& person, LONG id);
    void WriteResults();
    [[noreturn]] static void RaiseEmptyMonth();

    IDeklaracja2* declaration_ = nullptr;  // not reference-counted
    tlx::ComPtr<IKonfiguracja> konfiguracja_;
    std::map<LONG, CMoney> amounts_;
    CIwaEmployeePass::Counts counts_;
    double average_ = 0.0;
};
