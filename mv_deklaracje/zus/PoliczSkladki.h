// The contribution calculator of one insured person for an RCA, RNA or RZA report: it gathers the
// person's report rows, writes one block per row into the report's KEDU document (or one zero block for
// a civil-law contract without payouts), adds the row's amounts to the DRA's totals split by who
// finances them and registers the person with the DRA. The whole calculation runs in the constructor;
// the object is dropped right after.
//
// Held benefits: an employee row (titles 0110xx-0119xx) without contributions but with benefits is held
// until a row of title 1211 takes its benefits into its own block, or written by itself when none does.
#pragma once

#include <cstdint>

#include "mv_deklaracje/core/Money.h"
#include "mv_deklaracje/zus/BasePolicz.h"
#include "mv_deklaracje/zus/RCAInfo.h"
#include "mv_deklaracje/zus/WstrzymaneSwiadczenia.h"

class CPoliczSkladki final : public CBasePolicz {
public:
    // `spoleczny`: the social reports RCA and RNA (false: RZA); `rna`: the RNA report.
    CPoliczSkladki(IDRAExt* raport, IDispatch* sesja, IKeduDokument* dokument, bool spoleczny, bool rna,
                   IDispatch* pracownik, long maWyplaty);
    // Only binds the report, its DRA and document; Policz computes a person.
    CPoliczSkladki(IDRAExt* raport, IDispatch* sesja, IKeduDokument* dokument, bool spoleczny, bool rna);

    bool Policz(IDispatch* pracownik, long maWyplaty) override;
    bool WyliczBloki(IPracownikDane* pracownik, long maWyplaty) override;

    // True: the row gets its block now (always when `pomin`); false: its benefits are held.
    bool KwalifikujWiersz(const WierszRaportu& wiersz, bool pomin);
    // The row's bases, contributions, working time and benefits into the block, its amounts into the
    // DRA's totals, and the person's registration with the DRA.
    void WypelnijKwotyOsoby(IPracownikDane* osoba, IPracEtat* etat, IKeduBlok* blok, const WierszRaportu& wiersz);
    void WypelnijKwotyOsoby4(IPracownikDane* osoba, IPracEtat* etat, IKeduBlok* blok, const WierszRaportu& wiersz);

private:
    void CzytajUstawienia();
    // The title of the requested civil-law contract; E_POINTER when the person has no such contract.
    std::uint32_t TytulUmowy(IPracownikDane* pracownik, LONG umowa);
    void BlokZerowy(IPracEtat* etat);
    void BlokWiersza(CRCAInfo& info, IPracEtat* etat, WierszRaportu& wiersz);
    void ZdrowotneRZA(IKeduBlok* blok, const WierszRaportu& wiersz, IDispatch* osoba);
    void KwotyOsoby(IPracownikDane* osoba, IPracEtat* etat, IKeduBlok* blok, const WierszRaportu& wiersz,
                    bool wersja4Bloku, bool wersja4Sum);
    void PozycjaLimitu(IPracEtat* etat, IKeduBlok* blok, const CKwotyWiersza& kwoty);
    CDate DataOdniesienia(IPracownikDane* osoba, const WierszRaportu& wiersz);
    double WymiarCzasuPracy(IPracownikDane* osoba, CDate odniesienie, std::uint32_t kod, bool wersja4, IKeduBlok* blok);
    static void PozycjeKwot(IKeduBlok* blok, const CKwotyWiersza& kwoty, bool wersja4);
    static void PozycjeSwiadczenBloku(IKeduBlok* blok, const PozycjeSwiadczen& swiadczenia, bool wersja4);
    void SumyDRA(IPracownikDane* osoba, IPracEtat* etat, const WierszRaportu& wiersz, const PozycjeSwiadczen& swiadczenia,
                 bool wersja4);
    void WpiszPozycjeRNA(IPracownikDane* osoba, IKeduBlok* blok, const WierszRaportu& wiersz);
    int RodzajFinansowaniaWiersza(std::uint32_t kod, IPracownikDane* osoba);
    void DodajDoDRA(PoleDRAEnum pole, CMoney kwota);
    // The record's indicator of the annual pension base limit: 1 when the record has reached it, else 0.
    static LONG WskaznikLimitu(IPracEtat* etat);

    bool spoleczny_ = false;
    bool rna_ = false;
    int statusRefundacji_ = 0;
    bool sklFPiFGSPOdSumyPodstaw_ = false;
    CMoney procentFP_, procentFGSP_;
    CWstrzymaneSwiadczenia wstrzymane_;
    LONG umowa_ = 0;
    std::uint32_t kodTytulu_ = 0;
};
