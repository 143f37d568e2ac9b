#include "mv_deklaracje/zus/PoliczZasilki.h"

#include "include/tlb/Deklaracja.h"
#include "mv_deklaracje/zus/IdentyfikatorPracownika.h"
#include "mv_deklaracje/zus/PayrollReads.h"
#include "mv_deklaracje/zus/RSAInfo.h"

namespace {

constexpr LONG kWersja3 = 3;
constexpr int kListopad2013 = 2013 * 12 + 11;
constexpr int kMarzec2016 = 2016 * 12 + 3;
constexpr LONG kKodBudzetowy = 329;
constexpr LONG kKod321 = 321;
constexpr LONG kKod322 = 322;

enum PozycjaBloku : LONG {
    kPozKod = 5,
    kPozSwiadczenie = 6,
    kPozOd = 7,
    kPozDo = 8,
    kPozDni = 9,
    kPozTekst = 10,
    kPozKwota = 11,
};

void Wpisz(IKeduBlok* blok, LONG pozycja, const tlx::Variant& wartosc) { CheckHost(blok->put_Item(pozycja, 0, wartosc)); }

}  // namespace

CPoliczZasilki::CPoliczZasilki(IDRAExt* raport, IDispatch* sesja, IKeduDokument* dokument, long, IDispatch* pracownik)
    : CBasePolicz(raport, sesja, dokument) {
    PoliczPracownika(pracownik, 1);
}

CPoliczZasilki::CPoliczZasilki(IDRAExt* raport, IDispatch* sesja, IKeduDokument* dokument)
    : CBasePolicz(raport, sesja, dokument) {}

bool CPoliczZasilki::WyliczBloki(IPracownikDane* pracownik, long) {
    CRSAInfo info(pracownik, raport_.Get());
    auto etat = info.ZapisNaKoniecMiesiaca();
    info.Zbierz();
    return WpiszPozycje(pracownik, etat.Get(), info.Pozycje());
}

int CPoliczZasilki::MiesiacDRA() {
    auto deklaracja = ReadObject(dra_.Get(), &IDRA::get_Deklaracja, u"deklaracja DRA");
    const LONG rok = ReadValue(static_cast<IDeklaracja*>(deklaracja.Get()), &IDeklaracja::get_Rok);
    const LONG miesiac = ReadValue(static_cast<IDeklaracja*>(deklaracja.Get()), &IDeklaracja::get_Miesiac);
    return rok * 12 + miesiac;
}

bool CPoliczZasilki::StareKody() { return WersjaDRA() == kWersja3 || MiesiacDRA() < kListopad2013; }

bool CPoliczZasilki::SwiadczenieBudzetowe(LONG kod) { return kod == kKodBudzetowy && MiesiacDRA() >= kMarzec2016; }

void CPoliczZasilki::PrzekodujStaryKod(IPracownikDane* pracownik, CPozycjaRSA& pozycja) {
    const LONG kod = CRSAInfo::NumerTypu(pozycja.Zrodlo.Get());
    const char16_t* nowy = nullptr;
    if (kod == 319 || kod == 325 || kod == 327) nowy = u"311";
    if (kod == 320 || kod == 326 || kod == 328) nowy = u"315";
    if (!nowy) return;
    auto sesja = ReadObject(pracownik, &IPracownikDane::get_Session, u"sesja pracownika");
    auto sesja2 = RequireInterface<ISession2>(sesja.Get(), u"sesja pracownika");
    auto definicja = CreateHostObject<IKodSwiadczenia>(sesja2.Get(), CLSID_KodySwiadczen, tlx::Variant::FromString(nowy),
                                                       u"definicja świadczenia " + std::u16string(nowy));
    pozycja.Zrodlo = tlx::ComPtr<IDispatch>(definicja.Get());
}

bool CPoliczZasilki::WpiszPozycje(IPracownikDane* pracownik, IPracEtat* etat, const std::vector<PozycjaRSAPtr>& pozycje) {
    if (!etat) RaiseComError(E_POINTER, u"Brak zapisu pracownika");
    const bool stareKody = !pozycje.empty() && StareKody();
    bool zapisano = false;
    for (const auto& pozycja : pozycje) {
        if (!pozycja) RaiseComError(E_POINTER, u"Brak pozycji raportu RSA");
        const LONG kod = CRSAInfo::NumerTypu(pozycja->Zrodlo.Get());
        if (stareKody) PrzekodujStaryKod(pracownik, *pozycja);
        const bool budzet = SwiadczenieBudzetowe(kod);
        zapisano = true;
        WpiszBlok(etat, *pozycja, CRSAInfo::NumerTypu(pozycja->Zrodlo.Get()));
        DodajDoDRA(*pozycja, budzet);
    }
    if (zapisano) {
        tlx::ComPtr<IDispatch> osoba;
        CheckHost(pracownik->QueryInterface(IID_IDispatch, osoba.OutVoid()));
        CheckHost(dra_->RegisterPrac(osoba.Get(), 0.0, 0.0));
    }
    return zapisano;
}

void CPoliczZasilki::WpiszBlok(IPracEtat* etat, const CPozycjaRSA& pozycja, LONG kod) {
    auto blok = NowyBlok();
    CIdentyfikatorPracownika(etat).CopyTo(blok.Get());
    Wpisz(blok.Get(), kPozKod, tlx::Variant::FromLong(static_cast<LONG>(pozycja.Kod)));
    Wpisz(blok.Get(), kPozSwiadczenie, tlx::Variant::FromLong(kod));
    if (!pozycja.DataOd.IsEmpty()) {
        Wpisz(blok.Get(), kPozOd, tlx::Variant::FromString(pozycja.DataOd.FormatSql().View()));
        Wpisz(blok.Get(), kPozDo, tlx::Variant::FromString(pozycja.DataDo.AddDays(-1).FormatSql().View()));
    }
    // A count is written only when the row has one and it is above zero: a row without an end would
    // otherwise give a negative number of days.
    const LONG dni = (kod == kKod321 || kod == kKod322) ? pozycja.Liczba : static_cast<LONG>(pozycja.DataDo.Value() - pozycja.DataOd.Value());
    if (pozycja.Liczba > 0 && dni > 0) Wpisz(blok.Get(), kPozDni, tlx::Variant::FromLong(dni));
    Wpisz(blok.Get(), kPozTekst, tlx::Variant::FromString(pozycja.Tekst.View()));
    if (pozycja.Kwota.AsCurrency().int64 > 0) Wpisz(blok.Get(), kPozKwota, pozycja.Kwota.ToVariant());
}

void CPoliczZasilki::DodajDoDRA(const CPozycjaRSA& pozycja, bool budzet) {
    if (pozycja.Kwota.AsCurrency().int64 <= 0) return;
    PoleDRAEnum pole = draBrak;
    if (budzet)
        pole = draSwiadczeniaBudzet;
    else if (CRSAInfo::ZUbezpChorobowego(pozycja))
        pole = draSwiadczeniaChor;
    else if (CRSAInfo::ZUbezpWypadkowego(pozycja))
        pole = draSwiadczeniaWypad;
    if (pole != draBrak) CheckHost(dra_->put_Wartosc(pole, pozycja.Kwota.AsCurrency()));
}
