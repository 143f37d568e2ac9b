#include "mv_deklaracje/zus/RZA.h"

#include "mv_deklaracje/zus/PoliczSkladki.h"

CRZA::CRZA() : IDraExtImpl(u"RZA") {}

bool CRZA::WypelnijRaport(IDispatch* pracownik, LONG maWyplaty, IKeduDokument* dokument) {
    tlx::ComPtr<IDispatch> osoba(pracownik);
    return CPoliczSkladki(this, SesjaObiektu().Get(), dokument, false, false).Policz(osoba.Get(), maWyplaty);
}
