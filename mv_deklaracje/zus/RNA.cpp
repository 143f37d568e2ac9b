#include "mv_deklaracje/zus/RNA.h"

#include "mv_deklaracje/zus/PoliczSkladki.h"

CRNA::CRNA() : IDraExtImpl(u"RNA") {}

bool CRNA::WypelnijRaport(IDispatch* pracownik, LONG maWyplaty, IKeduDokument* dokument) {
    tlx::ComPtr<IDispatch> osoba(pracownik);
    return CPoliczSkladki(this, SesjaObiektu().Get(), dokument, true, true).Policz(osoba.Get(), maWyplaty);
}
