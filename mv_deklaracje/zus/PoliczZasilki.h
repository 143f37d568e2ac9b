// The benefit calculator of one insured person for an RSA report: the person's benefit and break rows of
// the month, one block each in the report's KEDU document, the paid benefits added to the DRA's totals by
// who pays them, and the person registered with the DRA. The whole calculation runs in the constructor.
#pragma once

#include <vector>

#include "mv_deklaracje/zus/BasePolicz.h"
#include "mv_deklaracje/zus/PozycjaRSA.h"

class CPoliczZasilki final : public CBasePolicz {
public:
    // Computes the person as a person with payouts, whatever the report was told; the fourth argument is
    // not used.
    CPoliczZasilki(IDRAExt* raport, IDispatch* sesja, IKeduDokument* dokument, long, IDispatch* pracownik);
    // Only binds the report, its DRA and document, for writing rows given by the caller.
    CPoliczZasilki(IDRAExt* raport, IDispatch* sesja, IKeduDokument* dokument);

    bool WyliczBloki(IPracownikDane* pracownik, long numer) override;
    // One block per row, identified by the record; true when any block was written.
    bool WpiszPozycje(IPracownikDane* pracownik, IPracEtat* etat, const std::vector<PozycjaRSAPtr>& pozycje);

private:
    // Before November 2013, and in a DRA of version 3, codes 319/325/327 are reported as 311 and
    // 320/326/328 as 315.
    bool StareKody();
    // The DRA declaration's month as year × 12 + month.
    int MiesiacDRA();
    bool SwiadczenieBudzetowe(LONG kod);
    void PrzekodujStaryKod(IPracownikDane* pracownik, CPozycjaRSA& pozycja);
    void WpiszBlok(IPracEtat* etat, const CPozycjaRSA& pozycja, LONG kod);
    void DodajDoDRA(const CPozycjaRSA& pozycja, bool budzet);
};
