#include "mv_deklaracje/zus/RSA.h"

#include "mv_deklaracje/zus/PoliczZasilki.h"

CRSA::CRSA() : IDraExtImpl(u"RSA") {}

// The benefits are computed whether or not the person was paid in the month.
void CRSA::WypelnijRaport(IDispatch* pracownik, LONG, IKeduDokument* dokument) {
    tlx::ComPtr<IDispatch> osoba(pracownik);
    CPoliczZasilki(this, SesjaObiektu().Get(), dokument, 0, osoba.Get());
}
