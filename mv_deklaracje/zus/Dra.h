// The DRA calculator: computes a monthly ZUS DRA declaration from payroll while the declaration's own
// calculation runs. It reads the ZUS settings of the month, writes the filing deadline and the payer
// block, has every insured person computed into the month's reports (child declarations), lets an
// owner's DRA take its one person's report values into its own fields, and sums what the reports sent
// back into the DRA's blocks.
//
// States: no declaration before the first Przelicz; each Przelicz attaches its declaration (without a
// reference; the calling form keeps it alive) and starts from empty sums, an empty register of persons
// and a zero disability sum, so that a repeated calculation never counts anything twice.
#pragma once

#include <array>
#include <map>
#include <vector>

#include "TlxBus.h"
#include "hostapi/Configuration.h"
#include "hostapi/Kedu.h"
#include "hostapi/Payroll.h"
#include "mv_deklaracje/core/Date.h"
#include "mv_deklaracje/core/Money.h"
#include "mv_deklaracje/zus/DraStan.h"
#include "mv_deklaracje_tlb.h"
#include "platform/com/ProvideClassInfo.h"
#include "tlb/DispatchTables.h"

class CDRA;
class CPamiecDRA;
using CDRARoot = IInitializeSessionImpl<CDRA, TlxObjectRoot<CDRA, tlx::Dispatch<IDRA>, tlx::ProvideClassInfo2<>>, 2>;

class CDRA final : public CDRARoot {
public:
    // IDRA
    HRESULT get_Deklaracja(IDeklaracja2** declaration) override;
    HRESULT Przelicz(IDeklaracja2* pDekl) override;
    HRESULT put_Wartosc(PoleDRAEnum iPole, CY amount) override;
    HRESULT ExportToXML(LONG lDeklID, BSTR fileName) override;
    HRESULT ExportToXMLCIV(LONG lDeklID, BSTR fileName, BSTR appPath) override;
    HRESULT NaglowekXML(BSTR* header) override;
    HRESULT ToXML(LONG lDeklID, BSTR* body) override;
    HRESULT FormatEksportu(LONG lDeklID, FormatEksportuZUSEnum* format) override;
    HRESULT get_RentowePlatnikaKesz(CY* amount) override;
    HRESULT put_RentowePlatnikaKesz(CY amount) override;
    HRESULT RegisterPrac(IDispatch* pIdent, DATE _Data, double _Wymiar) override;
    // Rich error information is promised for IDRA alone.
    HRESULT InterfaceSupportsErrorInfo(REFIID iid) override { return iid == IDRA::kIid ? S_OK : S_FALSE; }

    // The layout of a report moved into an owner's DRA: version 2 of the RCA and RNA reads other positions.
    enum class UkladRaportu { Zwykly, Wersja2 };
    // What the reports share while this DRA computes them; null outside a calculation.
    CPamiecDRA* PamiecObliczenia() const { return pamiec_; }

private:
    IDeklaracja2* RequireDeclaration() const;
    IKeduDocuments* KeduDocuments();
    // Refuses the stored declaration of that identifier when it is a DRA whose identifier the form refuses.
    void SprawdzDoEksportu(LONG id);
    void Progress(HRESULT (IDeklaracja2::*event)(BSTR), const char16_t* text) const;
    // The road's named steps.
    void UsunZalaczniki();
    void CzytajUstawienia();
    void Inicjuj();
    void GenerujZalaczniki();
    void KorygujDlaOsoby();
    void Sumuj();
    void UstawTerminPlatnosci();
    // The declaration's person, null when it names none (any other failure is raised).
    tlx::ComPtr<IPracownik> GetPracownik() const;
    CDate GetKoniecOkresu() const;
    void WypelnijDaDraIDipl();
    // The DRA's children: the stored ones and those this calculation attached, each once.
    std::vector<tlx::ComPtr<IDeklaracja2>> Zalaczniki();
    void PrzeniesRaportDoDddu(IDeklaracja2* raport, LONG tryb, UkladRaportu uklad);

    DraUstawienia ustawienia_;
    IDeklaracja2* declaration_ = nullptr;  // not reference-counted
    tlx::ComPtr<IKonfiguracja> konfiguracja_;
    std::map<LONG, CMoney> SumyDRA_;
    DraLiczbaRaportow LiczbaRaportow_{};
    std::map<LONG, DraOsoba> RejestrOsob_;
    int indeksRCA_ = kRaportRCA;
    // The reports this calculation attached: until the DRA is saved they are not among its stored children.
    std::vector<tlx::ComPtr<IDeklaracja2>> zalaczniki_;
    bool MaPracownika_ = false;
    CY RentowePlatnikaKesz_{0};
    tlx::ComPtr<IKeduDocuments> keduDocuments_;
    CPamiecDRA* pamiec_ = nullptr;
};
