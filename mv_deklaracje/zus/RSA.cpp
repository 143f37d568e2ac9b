#include "mv_deklaracje/zus/RSA.h"

#include "mv_deklaracje/zus/PoliczZasilki.h"

CRSA::CRSA() : IDraExtImpl(u"RSA") {}

// The benefits are computed whether or not the person was paid in the month.
bool CRSA::WypelnijRaport(IDispatch* pracownik, LONG, IKeduDokument* dokument) {
    tlx::ComPtr<IDispatch> osoba(pracownik);
    return CPoliczZasilki(this, SesjaObiektu().Get(), dokument).Policz(osoba.Get(), 1);
}
