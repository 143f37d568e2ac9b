#include "mv_deklaracje/zus/RCA.h"

#include "mv_deklaracje/zus/PoliczSkladki.h"

CRCA::CRCA() : IDraExtImpl(u"RCA") {}

void CRCA::WypelnijRaport(IDispatch* pracownik, LONG maWyplaty, IKeduDokument* dokument) {
    tlx::ComPtr<IDispatch> osoba(pracownik);
    CPoliczSkladki(this, SesjaObiektu().Get(), dokument, true, false, osoba.Get(), maWyplaty);
}
