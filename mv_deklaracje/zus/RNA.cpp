#include "mv_deklaracje/zus/RNA.h"

#include "mv_deklaracje/zus/PoliczSkladki.h"

CRNA::CRNA() : IDraExtImpl(u"RNA") {}

void CRNA::WypelnijRaport(IDispatch* pracownik, LONG maWyplaty, IKeduDokument* dokument) {
    tlx::ComPtr<IDispatch> osoba(pracownik);
    CPoliczSkladki(this, SesjaObiektu().Get(), dokument, true, true, osoba.Get(), maWyplaty);
}
