// The DRA's attachments of one calculation: for every insured person of the month one RCA (or RNA), one
// RZA and one RSA report, each made by its report generator as a child declaration of the DRA; which
// persons are computed, in which order and with which payout flag, and the count of reports of each
// kind. Made on the caller's stack for one calculation.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "hostapi/Payroll.h"
#include "hostapi/Session.h"
#include "mv_deklaracje/core/Date.h"
#include "mv_deklaracje/zus/DraStan.h"
#include "mv_deklaracje_tlb.h"
#include "platform/ado/Ado.h"
#include "platform/com/ComPtr.h"

class CDraZalaczniki {
public:
    CDraZalaczniki(ISession* session, IDRA* dra, IDeklaracja2* deklaracja, const DraUstawienia& ustawienia,
                   bool maPracownika);

    // Computes every person's reports; `raporty` gets the generators' answers, `indeksRCA` the position
    // of the RCA-kind reports (RCA or RNA), `zalaczniki` the reports kept under the DRA. A report added
    // to the DRA is not among its stored children until the DRA is saved, so the calculation keeps its
    // own list of them.
    void Generuj(DraLiczbaRaportow& raporty, int& indeksRCA, std::vector<tlx::ComPtr<IDeklaracja2>>& zalaczniki);

    // A report generator of that class given this DRA; null when the class is not available.
    tlx::ComPtr<IDRAExt> UtworzRaport(const CLSID& clsid);
    // Whether a new employee without a payout of the month gets an RSA all the same.
    bool CzyLiczycRSA(IPracownikDane* osoba);

private:
    bool BezOsobPowiazanych();
    void ZrodloOsoby();
    void ZrodloZerowe();
    void ZrodloWyplat();
    void ZrodloNowozatrudnionych();
    void SprawdzIdentyfikator(IPracownikDane* osoba);
    void Policz(IDRAExt* raport, IPracownikDane* osoba, LONG maWyplaty);
    // Policz with the per-person failure message of the report's kind.
    void PoliczLubZglos(IDRAExt* raport, const char16_t* rodzaj, IPracownikDane* osoba, LONG maWyplaty);
    tlx::ComPtr<Recordset> Otworz(const std::u16string& sql);
    tlx::ComPtr<IPracEtat> Etat(IPracownikDane* osoba, const CDate& dzien);
    std::u16string Nazwa(IPracownikDane* osoba);

    tlx::ComPtr<ISession> session_;
    IDRA* dra_;
    IDeklaracja2* deklaracja_;
    const DraUstawienia& ustawienia_;
    bool maPracownika_;
    LONG rok_ = 0, miesiac_ = 0;
    CDate koniecMiesiaca_;
    CDate dataDok_;
    tlx::ComPtr<IDRAExt> rca_, rza_, rsa_;
    std::map<LONG, LONG> zeroweRCA_;
    std::set<LONG> zWyplata0_;
    // The report each generator made (one per generator, whatever the number of persons).
    std::map<IDRAExt*, tlx::ComPtr<IDeklaracja2>> utworzone_;
};
