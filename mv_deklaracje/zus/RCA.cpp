#include "mv_deklaracje/zus/RCA.h"

#include "mv_deklaracje/zus/PoliczSkladki.h"

CRCA::CRCA() : IDraExtImpl(u"RCA") {}

bool CRCA::WypelnijRaport(IDispatch* pracownik, LONG maWyplaty, IKeduDokument* dokument) {
    tlx::ComPtr<IDispatch> osoba(pracownik);
    return CPoliczSkladki(this, SesjaObiektu().Get(), dokument, true, false).Policz(osoba.Get(), maWyplaty);
}
