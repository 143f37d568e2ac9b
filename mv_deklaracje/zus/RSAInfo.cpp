#include "mv_deklaracje/zus/RSAInfo.h"

#include <algorithm>
#include <array>

#include "hostapi/Payroll.h"
#include "mv_deklaracje/zus/KodTytuluUbezpieczenia.h"
#include "mv_deklaracje/zus/PayrollReads.h"
#include "platform/com/Bstr.h"

namespace {

// The row rules of a benefit definition (its property 5).
enum RegulaWiersza : LONG {
    kRegulaPozycja1211 = 0,
    kRegulaOkres = 1,
    kRegulaKwota = 2,
    kRegulaPelna = 3,
    kBrakDefinicji = 2,  // what a missing definition answers
};

// Report kinds of a payout type: elements of these are reported by their links.
constexpr LONG kRaportujLinki = 1;
constexpr LONG kRaportujLinki2 = 2;
constexpr LONG kRodzajNieobecnosc = 2;

constexpr LONG kTyp112 = 112;
constexpr LONG kTyp155 = 155;
constexpr LONG kTyp329 = 329;
constexpr LONG kTyp321 = 321;
constexpr LONG kTyp322 = 322;
constexpr LONG kTypyBezKwotyOd = 221;
constexpr LONG kTypyBezKwotyDo = 330;
constexpr std::array<LONG, 10> kTypyPozycji350{121, 122, 311, 315, 319, 320, 325, 326, 327, 328};

constexpr std::uint32_t kTytul3000 = 3000;
constexpr std::uint32_t kTytul1230 = 1230;
constexpr LONG kTytul20000 = 20000;
constexpr LONG kTytul80000 = 80000;
constexpr std::uint32_t kKod121000 = 121000;
constexpr std::uint32_t kKod121100 = 121100;
constexpr std::uint32_t kKod500000 = 500000;

// Type 329 takes its own definition from this report month on (year × 12 + month).
constexpr int kMarzec2016 = 2016 * 12 + 3;

constexpr char16_t kDefinicja111[] = u"Pdz_Kod=111";
constexpr char16_t kDefinicja140[] = u"Pdz_Kod=140";
constexpr char16_t kDefinicja350[] = u"Pdz_Kod=350";
constexpr char16_t kKod350[] = u"350";
constexpr char16_t kKod329[] = u"329";

bool Typ321lub322(LONG numer) { return numer == kTyp321 || numer == kTyp322; }

LONG Regula(IKodSwiadczenia* definicja) {
    return definicja ? ReadValue(definicja, &IKodSwiadczenia::get_RegulaWiersza) : kBrakDefinicji;
}

tlx::ComPtr<IKodSwiadczenia> DefinicjaTypu(ITypWyplaty* typ) {
    tlx::ComPtr<IKodSwiadczenia> definicja;
    CheckHost(typ->get_KodSwiadczenia(definicja.Out()));
    return definicja;
}

// The definition behind a source: the source itself or the type's benefit code.
tlx::ComPtr<IKodSwiadczenia> DefinicjaZrodla(IDispatch* zrodlo) {
    if (!zrodlo) return nullptr;
    tlx::ComPtr<IKodSwiadczenia> definicja;
    if (SUCCEEDED(zrodlo->QueryInterface(IidOf<IKodSwiadczenia>(), definicja.OutVoid())) && definicja) return definicja;
    tlx::ComPtr<ITypWyplaty> typ;
    if (SUCCEEDED(zrodlo->QueryInterface(IidOf<ITypWyplaty>(), typ.OutVoid())) && typ) return DefinicjaTypu(typ.Get());
    return nullptr;
}

// Two sources are the same host object when they are of one kind and carry one row identifier (two
// benefit definitions of one code are two sources).
std::pair<int, LONG> TozsamoscZrodla(IDispatch* zrodlo) {
    if (!zrodlo) return {0, 0};
    tlx::ComPtr<ITypWyplaty> typ;
    if (SUCCEEDED(zrodlo->QueryInterface(IidOf<ITypWyplaty>(), typ.OutVoid())) && typ)
        return {1, ReadValue(typ.Get(), &ITypWyplaty::get_ID)};
    tlx::ComPtr<IKodSwiadczenia> definicja;
    if (SUCCEEDED(zrodlo->QueryInterface(IidOf<IKodSwiadczenia>(), definicja.OutVoid())) && definicja)
        return {2, ReadValue(definicja.Get(), &IKodSwiadczenia::get_Identyfikator)};
    return {3, 0};
}

int NumerMiesiaca(const CDate& data) {
    if (data.IsEmpty()) return 1899 * 12 + 12;
    return data.GetYear() * 12 + data.GetMonth();
}

CMoney Suma(const CMoney& a, const CMoney& b) { return CMoney(a.AsDouble() + b.AsDouble()); }

std::uint32_t KodZTytulu(LONG tytul, std::uint32_t stary) {
    const std::uint32_t koncowka = stary % 100;
    if (tytul == kTytul20000 || tytul == kTytul80000) return static_cast<std::uint32_t>(tytul) + koncowka;
    return static_cast<std::uint32_t>(tytul) * 100 + koncowka;
}

}  // namespace

CRSAInfo::CRSAInfo(IPracownikDane* pracownik, IDRAExt* raport) : CBaseInfo(pracownik, raport, true), raport_(raport) {
    tlx::Bstr tekst;
    CheckHost(pracownik->get_PracownikTekst(tekst.Out()));
    pracownikTekst_ = CBstr(tekst.View());
}

tlx::ComPtr<ISession2> CRSAInfo::Sesja() const {
    auto sesja = ReadObject(Pracownik(), &IPracownikDane::get_Session, u"sesja pracownika");
    return RequireInterface<ISession2>(sesja.Get(), u"sesja pracownika");
}

tlx::ComPtr<IKodSwiadczenia> CRSAInfo::Definicja(const std::u16string& parametr) {
    auto& definicja = definicje_[parametr];
    if (!definicja)
        definicja = CreateHostObject<IKodSwiadczenia>(Sesja().Get(), CLSID_KodySwiadczen, tlx::Variant::FromString(parametr),
                                                      u"definicja świadczenia " + parametr);
    return definicja;
}

tlx::ComPtr<IPracEtat> CRSAInfo::ZapisWDniu(CDate dzien) {
    tlx::ComPtr<IPracEtat> zapis;
    CheckHost(Pracownik()->GetEtat(dzien.Value(), tlx::Variant::Missing(), zapis.Out()));
    if (!zapis) RaiseComError(E_POINTER, u"Brak zapisu pracownika: " + OpisPracownika());
    return zapis;
}

tlx::ComPtr<IPracEtat> CRSAInfo::ZapisNaKoniecMiesiaca() { return ZapisWDniu(OstatniDzien()); }

std::uint32_t CRSAInfo::TytulNaKoniecMiesiaca() {
    return static_cast<std::uint32_t>(TytulZapisu(ZapisNaKoniecMiesiaca().Get()));
}

PozycjaRSAPtr CRSAInfo::NowaPozycja(std::uint32_t kod, IDispatch* zrodlo) {
    auto pozycja = std::make_shared<CPozycjaRSA>();
    pozycja->Kod = kod;
    pozycja->Zrodlo = tlx::ComPtr<IDispatch>(zrodlo);
    return pozycja;
}

LONG CRSAInfo::NumerTypu(IDispatch* zrodlo) {
    if (!zrodlo) return 0;
    tlx::ComPtr<ITypWyplaty> typ;
    if (SUCCEEDED(zrodlo->QueryInterface(IidOf<ITypWyplaty>(), typ.OutVoid())) && typ) return KodSwiadczeniaTypu(typ.Get());
    tlx::ComPtr<IKodSwiadczenia> definicja;
    if (SUCCEEDED(zrodlo->QueryInterface(IidOf<IKodSwiadczenia>(), definicja.OutVoid())) && definicja)
        return ReadValue(definicja.Get(), &IKodSwiadczenia::get_Kod);
    return 0;
}

bool CRSAInfo::ZUbezpChorobowego(const CPozycjaRSA& pozycja) {
    auto definicja = DefinicjaZrodla(pozycja.Zrodlo.Get());
    return definicja && ReadValue(definicja.Get(), &IKodSwiadczenia::get_ZUbezpChorobowego) != 0;
}

bool CRSAInfo::ZUbezpWypadkowego(const CPozycjaRSA& pozycja) {
    auto definicja = DefinicjaZrodla(pozycja.Zrodlo.Get());
    return definicja && ReadValue(definicja.Get(), &IKodSwiadczenia::get_ZUbezpWypadkowego) != 0;
}

void CRSAInfo::Zbierz() {
    dataGraniczna_ = CDate();
    CBaseInfo::Zbierz(1);
    BudujPozycje140();
    UporzadkujPozycje();
}

void CRSAInfo::ZbierzElement(long kod, IWypElementLink* link) {
    auto typ = ReadObject(link, &IWypElementLink::get_Typ, u"typ elementu wypłaty");
    if (ReadValue(typ.Get(), &ITypWyplaty::get_Rodzaj) != kRodzajNieobecnosc) return;
    auto definicja = DefinicjaTypu(typ.Get());
    std::uint32_t kodRaportu = static_cast<std::uint32_t>(kod);
    if (kodRaportu / 100 == kTytul3000) {
        if (!definicja) RaiseComError(E_POINTER, u"Brak definicji świadczenia typu wypłaty tytułu 3000");
        if (ReadValue(definicja.Get(), &IKodSwiadczenia::get_MiesiacKoncaOkresu) == 1)
            kodRaportu = TytulNaKoniecMiesiaca() * 100 + kodRaportu % 100;
    }
    auto element = ReadObject(link, &IWypElementLink::get_Element, u"element wypłaty linku");
    if (ReadValue(element.Get(), &IWypElement::get_Znacznik2) != 0) return;
    const LONG numer = KodSwiadczeniaTypu(typ.Get());
    tlx::ComPtr<IDispatch> zrodlo(typ.Get());
    if (numer == kTyp329) definicja.Reset();
    if (numer == kTyp112) zrodlo = tlx::ComPtr<IDispatch>(Definicja(kDefinicja111).Get());
    const LONG regula = Regula(definicja.Get());
    if (regula != kRegulaOkres && regula != kRegulaPelna) return;
    auto pozycja = NowaPozycja(kodRaportu, zrodlo.Get());
    auto okres = ReadObject(link, &IWypElementLink::get_Okres, u"okres linku elementu wypłaty");
    tlx::ComPtr<ICalendarRange> zakres;
    CheckHost(okres->get_Zakres(zakres.Out()));
    pozycja->UstawOkres(zakres.Get());
    pozycje_.push_back(pozycja);
}

tlx::ComPtr<ICalendarRange> CRSAInfo::ZakresElementu(IWypElement* element) {
    tlx::ComPtr<IWypElementLink> link;
    CheckHost(element->get_LinkGlowny(link.Out()));
    tlx::ComPtr<IOkres> okres;
    if (link)
        okres = ReadObject(link.Get(), &IWypElementLink::get_Okres, u"okres linku elementu wypłaty");
    else
        CheckHost(element->get_Okres(okres.Out()));
    tlx::ComPtr<ICalendarRange> zakres;
    if (okres) CheckHost(okres->get_Zakres(zakres.Out()));
    return zakres;
}

// The text of what the element's line links to: its first link's, or its second's when the first has none.
CBstr CRSAInfo::TekstLinku(IWypElement* element) {
    tlx::ComPtr<ICollection> linki;
    CheckHost(element->get_Linki(linki.Out()));
    if (!linki) return CBstr(u"");
    LONG liczba = 0;
    CheckHost(linki->get_Count(&liczba));
    for (LONG i = 0; i < std::min<LONG>(liczba, 2); ++i) {
        tlx::ComPtr<IDispatch> item;
        CheckHost(linki->Item(tlx::Variant::FromLong(i), item.Out()));
        tlx::ComPtr<IWypElementLink> link = item.As<IWypElementLink>();
        if (!link) continue;
        tlx::Bstr tekst;
        CheckHost(link->get_Tekst(tekst.Out()));
        if (!tekst.View().empty()) return CBstr(tekst.View());
    }
    return CBstr(u"");
}

tlx::ComPtr<IKodSwiadczenia> CRSAInfo::ZrodloSprzed2016(IWypElement* element) {
    auto wyplata = ReadObject(element, &IWypElement::get_Wyplata, u"wypłata elementu");
    const std::u16string sql =
        u"select TWP_PdzId from tlx.WypElementy join tlx.TypWyplata on wpe_twpid = TWP_TwpId where WPE_WplId = " +
        DecimalText(ReadValue(wyplata.Get(), &IWyplata::get_ID)) + u" and TWP_PdzId in (311,319,325)";
    tlx::ComPtr<Connection> polaczenie;
    CheckHost(Sesja()->get_Connection(polaczenie.Out()));
    auto wiersze = OpenRows(polaczenie.Get(), sql);
    tlx::ComPtr<IKodSwiadczenia> zrodlo;
    for (VARIANT_BOOL eof = VARIANT_FALSE; CheckHost(wiersze->get_EOF(&eof)), !eof; CheckHost(wiersze->MoveNext()))
        zrodlo = Definicja(DecimalText(FirstFieldAsLong(wiersze.Get())));
    CheckHost(wiersze->Close());
    return zrodlo ? zrodlo : Definicja(kKod329);
}

void CRSAInfo::WazDlaPozycji140(IWypElement* element) {
    auto zus = ReadObject(element, &IWypElement::get_DaneZUS, u"dane ZUS elementu wypłaty");
    const CY a1 = ReadValue(zus.Get(), &IDaneZUS::get_PodstawaEmerytalna);
    const CY a2 = ReadValue(zus.Get(), &IDaneZUS::get_PodstawaRentowa);
    if (a1.int64 == 0) return;
    s1_ += CMoney::FromCurrency(a1).AsDouble();
    s2_ += CMoney::FromCurrency(a2).AsDouble();
    auto okres = ReadObject(element, &IWypElement::get_Okres, u"okres elementu wypłaty");
    const CDate koniec(ReadValue(okres.Get(), &IOkres::get_DataDo));
    if (koniec > dataGraniczna_) dataGraniczna_ = koniec;
}

void CRSAInfo::ZbierzWyplate(long kod, IWypElement* element) {
    auto typ = ReadObject(element, &IWypElement::get_Typ, u"typ elementu wypłaty");
    const LONG rodzaj = ReadValue(typ.Get(), &ITypWyplaty::get_RodzajRaportu);
    if (rodzaj == kRaportujLinki || rodzaj == kRaportujLinki2) return;
    const LONG numer = KodSwiadczeniaTypu(typ.Get());
    tlx::ComPtr<IDispatch> zrodlo(typ.Get());
    tlx::ComPtr<IKodSwiadczenia> definicja;
    std::uint32_t kodRaportu = static_cast<std::uint32_t>(kod);
    if (numer != kTyp329) {
        if (kod == 0) return;
        definicja = DefinicjaTypu(typ.Get());
    } else {
        kodRaportu = TytulNaKoniecMiesiaca() * 100 + kodRaportu % 100;
        if (Rok() * 12 + Miesiac() >= kMarzec2016) {
            definicja = DefinicjaTypu(typ.Get());
        } else {
            definicja = ZrodloSprzed2016(element);
            zrodlo = tlx::ComPtr<IDispatch>(definicja.Get());
        }
    }
    WazDlaPozycji140(element);
    // Wages and other pay without a benefit definition are no benefit: they make no row.
    if (numer != kTyp329 && !definicja) return;

    const CMoney kwota = CMoney::FromCurrency(ReadValue(element, &IWypElement::get_Kwota));
    switch (Regula(definicja.Get())) {
    case kRegulaPozycja1211:
        DopiszPozycje1211(static_cast<long>(kodRaportu), element);
        return;
    case kRegulaOkres: {
        auto pozycja = NowaPozycja(kodRaportu, zrodlo.Get());
        pozycja->UstawOkres(ZakresElementu(element).Get());
        if (!pozycja->DataOd.IsEmpty() && pozycja->Dni() > 0 && NumerTypu(zrodlo.Get()) == kTyp155) pozycja->Liczba = pozycja->Dni();
        pozycje_.push_back(pozycja);
        DopiszPozycje350(pozycja);
        return;
    }
    case kRegulaKwota: {
        auto pozycja = NowaPozycja(kodRaportu, zrodlo.Get());
        pozycja->UstawOkres(ZakresElementu(element).Get());
        pozycja->Kwota = kwota;
        pozycje_.push_back(pozycja);
        return;
    }
    case kRegulaPelna: {
        auto pozycja = NowaPozycja(kodRaportu, zrodlo.Get());
        pozycja->UstawOkres(ZakresElementu(element).Get());
        if (pozycja->DataOd.IsEmpty() || pozycja->Dni() <= 0) return;
        const LONG numerZrodla = NumerTypu(zrodlo.Get());
        pozycja->Liczba = pozycja->Dni();
        if (numerZrodla >= kTypyBezKwotyOd && numerZrodla <= kTypyBezKwotyDo && kwota == CMoney()) pozycja->Liczba = 0;
        if (Typ321lub322(numerZrodla) && kwota.AsCurrency().int64 > 0) pozycja->Liczba = 1;
        pozycja->Kwota = kwota;
        pozycja->Tekst = TekstLinku(element);
        pozycje_.push_back(pozycja);
        DopiszPozycje350(pozycja);
        return;
    }
    default:
        return;
    }
}

void CRSAInfo::DopiszPozycje350(const PozycjaRSAPtr& pozycja) {
    const LONG numer = NumerTypu(pozycja->Zrodlo.Get());
    if (std::find(kTypyPozycji350.begin(), kTypyPozycji350.end(), numer) == kTypyPozycji350.end()) return;
    if (CKodTytuluUbezpieczenia(pozycja->Kod).Grupa() != 12) return;
    const std::uint32_t stary = pozycja->Kod;
    pozycja->Kod = KodZTytulu(TytulZapisu(ZapisWDniu(pozycja->DataDo).Get()), stary);
    if (stary / 100 != kTytul1230) return;
    auto dodatkowa = NowaPozycja(kKod121100 + stary % 100, Definicja(kKod350).Get());
    dodatkowa->DataOd = pozycja->DataOd;
    dodatkowa->DataDo = pozycja->DataDo;
    pozycje_.push_back(dodatkowa);
}

void CRSAInfo::DopiszPozycje1211(long kod, IWypElement* element) {
    const std::uint32_t kodRaportu = static_cast<std::uint32_t>(kod);
    if (kodRaportu / 100 != kTytul1230) return;
    const CMoney kwota = CMoney::FromCurrency(ReadValue(element, &IWypElement::get_Kwota));
    const std::uint32_t nowy = (kwota == CMoney() ? kKod121000 : kKod121100) + kodRaportu % 100;
    auto pozycja = NowaPozycja(nowy, Definicja(kDefinicja350).Get());
    pozycja->UstawOkres(ZakresElementu(element).Get());
    pozycje_.push_back(pozycja);
}

void CRSAInfo::BudujPozycje140() {
    auto zapis = ZapisNaKoniecMiesiaca();
    // A record past the yearly pension base limit makes no row: whatever the month of the limit, the
    // rule ends without one.
    if (ReadValue(zapis.Get(), &IPracEtat::get_LimitPodstawy).int64 != 0) return;
    if (!(s2_.AsCurrency().int64 < s1_.AsCurrency().int64)) return;
    if (!(Rok() * 12 + Miesiac() < NumerMiesiaca(dataGraniczna_))) return;
    // S2 below S1 with S1 zero means a negative S2: no share of the month can be told.
    if (s1_.AsCurrency().int64 == 0) return;

    const CDate pierwszy(Miesiac(), 1, Rok());
    const CDate ostatni = OstatniDzien();
    const long long dni = static_cast<long long>(ostatni.Value() - pierwszy.Value());
    const long long przesuniecie = dni * s2_.AsCurrency().int64 / s1_.AsCurrency().int64;
    CDate od = pierwszy.AddDays(static_cast<int>(std::max(0LL, przesuniecie)));
    if (od > ostatni) od = ostatni;

    auto zatrudnienie = ReadObject(zapis.Get(), &IPracEtat::get_OkresZatrudnienia, u"okres zatrudnienia zapisu");
    const CDate koniecZatrudnienia(ReadValue(zatrudnienie.Get(), &IOkres::get_DataDo));
    const std::uint32_t cyfry = static_cast<std::uint32_t>(10 * ReadValue(zapis.Get(), &IPracEtat::get_PrawoEmerRent) +
                                                           ReadValue(zapis.Get(), &IPracEtat::get_StopienNiepelnosprawnosci));
    const std::uint32_t kod = koniecZatrudnienia < ostatni.AddDays(1)
        ? kKod500000 + cyfry
        : static_cast<std::uint32_t>(TytulZapisu(zapis.Get())) * 100 + cyfry;
    auto pozycja = NowaPozycja(kod, Definicja(kDefinicja140).Get());
    pozycja->DataOd = od;
    pozycja->DataDo = ostatni.AddDays(1);
    pozycje_.push_back(pozycja);
}

bool CRSAInfo::MoznaLaczyc(const CPozycjaRSA& a, const CPozycjaRSA& b) {
    return a.Kod == b.Kod && a.Tekst == b.Tekst && TozsamoscZrodla(a.Zrodlo.Get()) == TozsamoscZrodla(b.Zrodlo.Get());
}

void CRSAInfo::UporzadkujPozycje() {
    if (!raport_) RaiseComError(E_POINTER, u"Brak raportu RSA");
    CheckHost(raport_->put_GenerujZeroweRCA(1));
    // Rows of one start keep the order they were collected in.
    std::stable_sort(pozycje_.begin(), pozycje_.end(),
                     [](const PozycjaRSAPtr& a, const PozycjaRSAPtr& b) { return a->DataOd < b->DataOd; });
    PolaczPozycje();
    UstalZeroweRCA();
}

void CRSAInfo::PolaczPozycje() {
    if (pozycje_.empty()) return;
    std::vector<PozycjaRSAPtr> wynik{pozycje_.front()};
    auto liczyDni = [](const CPozycjaRSA& p) { return !Typ321lub322(NumerTypu(p.Zrodlo.Get())); };
    long long sumaDni = liczyDni(*wynik.back()) ? wynik.back()->Dni() : 0;
    for (std::size_t i = 1; i < pozycje_.size(); ++i) {
        const PozycjaRSAPtr& pozycja = pozycje_[i];
        PozycjaRSAPtr& zachowana = wynik.back();
        if (pozycja->DataOd != zachowana->DataOd && pozycja->DataDo != zachowana->DataDo && liczyDni(*pozycja))
            sumaDni += pozycja->Dni();
        if (MoznaLaczyc(*zachowana, *pozycja)) {
            if (pozycja->DataOd == zachowana->DataOd && pozycja->DataDo == zachowana->DataDo) {
                pozycja->Kwota = Suma(zachowana->Kwota, pozycja->Kwota);
                zachowana = pozycja;
                continue;
            }
            const bool przecinaja = !pozycja->DataOd.IsEmpty() && !zachowana->DataOd.IsEmpty() &&
                                    std::max(pozycja->DataOd, zachowana->DataOd) < std::min(pozycja->DataDo, zachowana->DataDo);
            if (przecinaja) {
                zachowana->Kwota = Suma(zachowana->Kwota, pozycja->Kwota);
                continue;
            }
            const bool nastepuja = !(pozycja->DataOd > zachowana->DataDo) &&
                                   pozycja->DataDo.AddDays(-1).GetMonth() == zachowana->DataOd.GetMonth();
            if (nastepuja) {
                zachowana->DataDo = pozycja->DataDo;
                zachowana->Kwota = Suma(zachowana->Kwota, pozycja->Kwota);
                if (liczyDni(*zachowana))
                    zachowana->Liczba = zachowana->Kwota == CMoney() ? 0 : static_cast<std::int32_t>(sumaDni);
                sumaDni = 0;
                continue;
            }
        }
        wynik.push_back(pozycja);
    }
    pozycje_ = std::move(wynik);
}

void CRSAInfo::UstalZeroweRCA() {
    if (pozycje_.empty()) {
        CheckHost(raport_->put_GenerujZeroweRCA(0));
        return;
    }
    const CDate od = pozycje_.front()->DataOd;
    const CDate pierwszy(od.GetMonth(), 1, od.GetYear());
    const CDate nastepny(od.GetMonth() + 1, 1, od.GetYear());
    std::vector<bool> wolne(static_cast<std::size_t>(nastepny.Value() - pierwszy.Value()), true);
    std::size_t zostalo = wolne.size();
    for (const auto& pozycja : pozycje_) {
        for (CDate dzien = std::max(pozycja->DataOd, pierwszy); dzien < std::min(pozycja->DataDo, nastepny); dzien = dzien.AddDays(1)) {
            auto wolny = wolne[static_cast<std::size_t>(dzien.Value() - pierwszy.Value())];
            if (wolny) --zostalo;
            wolny = false;
        }
        if (zostalo == 0) {
            CheckHost(raport_->put_GenerujZeroweRCA(0));
            return;
        }
    }
}
