#include "mv_deklaracje/zus/RZA.h"

#include "mv_deklaracje/zus/PoliczSkladki.h"

CRZA::CRZA() : IDraExtImpl(u"RZA") {}

void CRZA::WypelnijRaport(IDispatch* pracownik, LONG maWyplaty, IKeduDokument* dokument) {
    tlx::ComPtr<IDispatch> osoba(pracownik);
    CPoliczSkladki(this, SesjaObiektu().Get(), dokument, false, false, osoba.Get(), maWyplaty);
}
