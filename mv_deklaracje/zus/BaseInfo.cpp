#include "mv_deklaracje/zus/BaseInfo.h"

#include <functional>
#include <random>

#include "hostapi/Accounting.h"
#include "hostapi/Calendar.h"
#include "hostapi/Errors.h"
#include "mv_deklaracje/core/CollectionEnumerator.h"
#include "mv_deklaracje/core/HostServices.h"
#include "mv_deklaracje/zus/PayrollReads.h"
#include "mv_deklaracje/zus/ObjetyWMiesiacu.h"
#include "platform/com/Bstr.h"

namespace {

// The standard payout type of a zero payout and the kind of its payroll list.
constexpr LONG kTypWyplatyZerowej = 603;
constexpr LONG kRodzajListyZerowej = 64;
// The benefit code whose elements count even without contribution data.
constexpr LONG kKodSwiadczenia329 = 329;
// A title that never gets a zero payout.
constexpr LONG kTytulBezWyplatyZerowej = 99999;
constexpr LONG kKwotyWyplatyZUS = 27;
constexpr LONG kRodzajTypuNieobecnosc = 2;

// A random (version 4) GUID for the new row's import identifier.
GUID NowyGuid() {
    std::random_device random;
    GUID guid{};
    guid.Data1 = random();
    guid.Data2 = static_cast<unsigned short>(random());
    guid.Data3 = static_cast<unsigned short>((random() & 0x0FFF) | 0x4000);
    for (auto& byte : guid.Data4) byte = static_cast<unsigned char>(random());
    guid.Data4[0] = static_cast<unsigned char>((guid.Data4[0] & 0x3F) | 0x80);
    return guid;
}

// The document definition of opening balances, which a zero payout's list names. Inserted only when no
// definition of the symbol is there, in one statement, so two runs never make two.
std::u16string WstawDefinicjeBilansuOtwarcia() {
    std::u16string text = tlx::GuidToText(NowyGuid());
    text = text.substr(1, text.size() - 2);
    return u"INSERT INTO TLX.DokDefinicje(DDf_Klasa, DDf_Symbol, DDf_Nazwa, DDf_Numeracja, DDf_ImportRowId, "
           u"DDf_OpeZalId, DDf_TS_Zal, DDf_OpeModId, DDf_TS_Mod, DDf_SeriaOperatora) "
           u"SELECT 600,'BOWYP','Bilans otwarcia', '@symbol/@rok_kal/@miesiac/@numerS/@rejestr','" + text +
           u"',NULL, GetDate(),NULL,GetDate(),0 "
           u"WHERE NOT EXISTS (SELECT 1 FROM TLX.DokDefinicje WHERE DDf_Symbol = 'BOWYP')";
}

}  // namespace

CBaseInfo::CBaseInfo(IPracownikDane* pracownik, IDRAExt* raport, bool dataLinku)
    : pracownik_(pracownik), dataLinku_(dataLinku) {
    if (!pracownik_) RaiseComError(E_POINTER, u"Brak pracownika");
    if (!raport) RaiseComError(E_POINTER, u"Brak raportu");
    LONG miesiac = 0, rok = 0;
    CheckHost(raport->get_Miesiac(&miesiac));
    CheckHost(raport->get_Rok(&rok));
    miesiac_ = miesiac;
    rok_ = rok;
    ostatniDzien_ = CDate(miesiac_ + 1, 0, rok_);
    pamiec_ = CPamiecDRA::Raportu(raport);
}

std::u16string CBaseInfo::OpisPracownika() const {
    tlx::Bstr text;
    if (FAILED(pracownik_->get_PracownikTekst(text.Out())) || text.IsNull()) {
        LONG id = 0;
        pracownik_->get_ID(&id);
        return u"pracownik " + DecimalText(id);
    }
    return std::u16string(text.View());
}

tlx::ComPtr<ISession2> CBaseInfo::Sesja() const {
    auto sesja = ReadObject(pracownik_.Get(), &IPracownikDane::get_Session, u"sesja pracownika");
    return RequireInterface<ISession2>(sesja.Get(), u"sesja pracownika");
}

std::u16string CBaseInfo::ZapytanieWyplat() const {
    const std::u16string id = DecimalText(ReadValue(pracownik_.Get(), &IPracownikDane::get_ID));
    const long m = static_cast<long>(rok_) * 12 + miesiac_;
    // The card's payouts and its secondary cards', in the order of their identifiers: the cards are found
    // by their key and their parent's index, and their payouts through the payouts' card index. Joined
    // from the cards rather than through "wpl_praid in (select ...)", which builds a temporary table of
    // the cards for every employee.
    return u"select distinct wpl_wplid, wpl_praid from tlx.prackod join tlx.wyplaty on wpl_praid = pra_praid and "
           u"wpl_tryb not in (1, 2) join tlx.listyplac on lpl_lplid = wpl_lplid join tlx.wypelementy on "
           u"wpe_wplid = wpl_wplid where (pra_praid = " + id + u" or pra_parentid = " + id +
           u") and lpl_miesiac+lpl_rok*12 >= " + DecimalText(m - 2) + u" and lpl_miesiac+lpl_rok*12 <= " +
           DecimalText(m + 2) + u" order by wpl_wplid";
}

void CBaseInfo::Zbierz(long numer) {
    const std::u16string zapytanie = ZapytanieWyplat();
    auto sesja = Sesja();
    if (numer <= 0) {
        const LONG tytul = TytulZapisu(ZapisPracownika(pracownik_.Get(), ostatniDzien_).Get());
        if (tytul != kTytulBezWyplatyZerowej && ObjetyWMiesiacu(pracownik_.Get(), ostatniDzien_)) {
            auto element = ElementWyplatyZerowej(sesja.Get(), tytul);
            PrzetworzElement(KodTytuluElementu(element.Get()), element.Get());
        }
    }
    PrzejdzWyplaty(sesja.Get(), zapytanie);
}

long CBaseInfo::KodTytuluBezWyplat() {
    const LONG tytul = TytulZapisu(ZapisPracownika(pracownik_.Get(), ostatniDzien_).Get());
    return KodTytuluElementu(ElementWyplatyZerowej(Sesja().Get(), tytul).Get());
}

tlx::ComPtr<IDispatch> CBaseInfo::DefinicjaBilansuOtwarcia(ISession2* sesja) {
    const tlx::Variant filtr = tlx::Variant::FromString(u"DDF_Symbol='BOWYP'");
    const tlx::Bstr klasa(tlx::GuidToText(CLSID_DefinicjeDokumentow));
    tlx::ComPtr<IDispatch> definicja;
    HRESULT hr = sesja->CreateObject(klasa.Get(), filtr, definicja.Out());
    if (hr == HOST_E_NOROW) {
        tlx::ComPtr<Connection> polaczenie;
        CheckHost(sesja->get_Connection(polaczenie.Out()));
        OpenRows(polaczenie.Get(), WstawDefinicjeBilansuOtwarcia());
        hr = sesja->CreateObject(klasa.Get(), filtr, definicja.Out());
    }
    CheckHost(hr);
    if (!definicja) RaiseComError(E_POINTER, u"Brak definicji dokumentu BOWYP");
    return definicja;
}

tlx::ComPtr<IWypElement> CBaseInfo::ElementWyplatyZerowej(ISession2* sesja, LONG tytul) {
    // The type and the document definition are the same for every person of a calculation: made once.
    auto wspolny = [&](const char16_t* nazwa, const std::function<tlx::ComPtr<IDispatch>()>& utworz) {
        return pamiec_ ? pamiec_->WspolnyObiekt(nazwa, utworz) : utworz();
    };
    auto typ = RequireInterface<ITypWyplaty>(wspolny(u"typ wypłaty zerowej", [&] {
        return tlx::ComPtr<IDispatch>(CreateHostObject<ITypWyplaty>(
            sesja, CLSID_TypyWyplat, tlx::Variant::FromString(u"Twp_Standardowy=" + DecimalText(kTypWyplatyZerowej)),
            u"typ wypłaty zerowej").Get());
    }).Get(), u"typ wypłaty zerowej");
    auto listy = CreateHostObject<ICollection>(sesja, CLSID_ListyPlac, tlx::Variant::Missing(), u"listy płac");
    tlx::ComPtr<IDispatch> nowa;
    CheckHost(listy->AddNew(tlx::Variant::Missing(), nowa.Out()));
    auto lista = RequireInterface<IListaPlac>(nowa.Get(), u"nowa lista płac");
    auto okresListy = ReadObject(lista.Get(), &IListaPlac::get_RokMiesiac, u"okres listy płac");
    CheckHost(okresListy->put_Miesiac(miesiac_));
    CheckHost(okresListy->put_Rok(rok_));
    CheckHost(lista->put_Rodzaj(kRodzajListyZerowej));
    CheckHost(lista->putref_Definicja(wspolny(u"BOWYP", [&] { return DefinicjaBilansuOtwarcia(sesja); }).Get()));
    CheckHost(lista->put_Opis(tlx::Bstr(u"").Get()));
    auto zakres = ReadObject(lista.Get(), &IListaPlac::get_Okres, u"zakres dat listy płac");
    auto kalendarz = RequireInterface<ICalendar>(zakres.Get(), u"zakres dat listy płac");
    CheckHost(kalendarz->SetRange(CDate(miesiac_, 1, rok_).Value(), CDate(miesiac_ + 1, 1, rok_).Value()));
    CheckHost(lista->put_DataWyplaty(ostatniDzien_.Value()));
    CheckHost(lista->put_DataListy(ostatniDzien_.Value()));

    auto zus = CreateHostObject<IWyplataZUS>(sesja, CLSID_WyplataZUS, tlx::Variant::Missing(), u"dane ZUS wypłaty");
    tlx::Bstr kod;
    CheckHost(pracownik_->get_Kod(kod.Out()));
    CheckHost(zus->put_Tekst1(kod.Get()));
    for (auto put : {&IWyplataZUS::put_Tekst2, &IWyplataZUS::put_Tekst3, &IWyplataZUS::put_Tekst4,
                     &IWyplataZUS::put_Tekst5})
        CheckHost((zus.Get()->*put)(tlx::Bstr(u"").Get()));
    CheckHost(zus->put_Rok(rok_));
    CheckHost(zus->put_Miesiac(miesiac_));
    CheckHost(zus->put_KodTytulu(tytul <= 9999 ? tytul : tytul / 100));
    for (LONG n = 1; n <= kKwotyWyplatyZUS; ++n) CheckHost(zus->put_Kwota(n, CY{0}));

    auto generator = CreateHostObject<IGeneratorWyplat>(sesja, CLSID_GeneratorWyplat, tlx::Variant::Missing(),
                                                        u"generator wypłat");
    CheckHost(generator->putref_Lista(lista.Get()));
    CheckHost(generator->putref_Pracownik(pracownik_.Get()));
    CheckHost(generator->Dodaj(typ.Get(), tlx::Variant::FromLong(0), zus.Get(), tlx::Variant::FromLong(0)));
    tlx::ComPtr<IWyplata> wyplata;
    CheckHost(generator->Wynik(tlx::Variant::FromLong(0), wyplata.Out()));
    auto elementy = ReadObject(wyplata.Get(), &IWyplata::get_Elementy, u"elementy wypłaty zerowej");
    const LONG liczba = ReadValue(elementy.Get(), &ICollection::get_Count);
    tlx::ComPtr<IDispatch> ostatni;
    if (liczba > 0) CheckHost(elementy->Item(tlx::Variant::FromLong(liczba - 1), ostatni.Out()));
    return RequireInterface<IWypElement>(ostatni.Get(), u"element wypłaty zerowej");
}

// The person's other reports of the same DRA walk the same payouts: they are opened and walked once and
// kept in the calculation's memory for them.
void CBaseInfo::PrzejdzWyplaty(ISession2* sesja, const std::u16string& zapytanie) {
    CPamiecDRA::Wyplaty wlasne;
    CPamiecDRA::Wyplaty* wyplaty = pamiec_ ? pamiec_->WyplatyOsoby(pracownik_.Get(), zapytanie) : nullptr;
    if (!wyplaty) {
        wlasne = OtworzWyplaty(sesja, zapytanie);
        wyplaty = pamiec_ ? &pamiec_->ZapamietajWyplaty(pracownik_.Get(), zapytanie, std::move(wlasne)) : &wlasne;
    }
    karty_ = wyplaty->karty;
    auto& kroki = wyplaty->kroki[dataLinku_ ? 1 : 0];
    if (!kroki) ZbierzKroki(*wyplaty);
    // A copy: the collector is handed the steps while it may read further through the memory.
    const CPamiecDRA::Kroki doPrzejscia = *kroki;
    for (const auto& krok : doPrzejscia) {
        if (krok.link)
            PrzetworzLink(krok.kod, krok.link.Get());
        else
            PrzetworzElement(krok.kod, krok.element.Get());
    }
}

CPamiecDRA::Wyplaty CBaseInfo::OtworzWyplaty(ISession2* sesja, const std::u16string& zapytanie) {
    tlx::ComPtr<Connection> polaczenie;
    CheckHost(sesja->get_Connection(polaczenie.Out()));
    auto wiersze = OpenRows(polaczenie.Get(), zapytanie);
    CPamiecDRA::Wyplaty wyplaty;
    for (VARIANT_BOOL eof = VARIANT_FALSE; CheckHost(wiersze->get_EOF(&eof)), !eof; CheckHost(wiersze->MoveNext())) {
        const LONG id = FieldAsLong(wiersze.Get(), 0);
        wyplaty.karty[id] = FieldAsLong(wiersze.Get(), 1);
        wyplaty.wyplaty.push_back(CreateHostObject<IWyplata>(sesja, CLSID_Wyplaty, tlx::Variant::FromString(DecimalText(id)),
                                                             u"wypłata " + DecimalText(id)));
    }
    CheckHost(wiersze->Close());
    return wyplaty;
}

LONG CBaseInfo::KartaWyplaty(IWyplata* wyplata) {
    if (auto known = karty_.find(ReadValue(wyplata, &IWyplata::get_ID)); known != karty_.end()) return known->second;
    auto pracownik = ReadObject(wyplata, &IWyplata::get_Pracownik, u"pracownik wypłaty");
    return ReadValue(static_cast<IPracownikDane*>(pracownik.Get()), &IPracownikDane::get_ID);
}

void CBaseInfo::ZbierzKroki(CPamiecDRA::Wyplaty& wyplaty) const {
    CPamiecDRA::Kroki wgWyplaty, wgOkresu;
    for (const auto& wyplata : wyplaty.wyplaty) {
        auto elementy = ReadObject(wyplata.Get(), &IWyplata::get_Elementy2, u"elementy wypłaty");
        for (CCollectionEnumerator<IWypElement> each(elementy.Get()); auto element = each.Current(); each.MoveNext())
            DodajKroki(element.Get(), wgWyplaty, dataLinku_ ? &wgOkresu : nullptr);
    }
    wyplaty.kroki[0] = std::move(wgWyplaty);
    if (dataLinku_) wyplaty.kroki[1] = std::move(wgOkresu);
}

// An element with the marker is handed on by its payout's month; one without it, by its main link's
// month, which is its payout's (the link's element is this element) unless the benefit report assigns
// the link to the month its period ends in. The links of an element belong to the month the same way.
void CBaseInfo::DodajKroki(IWypElement* element, CPamiecDRA::Kroki& wgWyplaty, CPamiecDRA::Kroki* wgOkresu) const {
    const LONG kod = KodTytuluElementu(element);
    const bool znacznik = ReadValue(element, &IWypElement::get_Znacznik) != 0;
    if (kod == 0 && (znacznik || KodSwiadczeniaTypu(ReadObject(element, &IWypElement::get_Typ,
                                                                 u"typ elementu wypłaty").Get()) != kKodSwiadczenia329))
        return;
    const bool wMiesiacu = WMiesiacuWyplaty(element);
    const tlx::ComPtr<IWypElement> trzymany(element);
    if (wMiesiacu) wgWyplaty.push_back({kod, trzymany, nullptr});
    if (wgOkresu) {
        bool wgKonca = wMiesiacu;
        tlx::ComPtr<IWypElementLink> link;
        if (!znacznik) CheckHost(element->get_LinkGlowny(link.Out()));
        if (link) wgKonca = WMiesiacuKoncaOkresu(link.Get()).value_or(wMiesiacu);
        if (wgKonca) wgOkresu->push_back({kod, trzymany, nullptr});
    }

    auto typ = ReadObject(element, &IWypElement::get_Typ, u"typ elementu wypłaty");
    const LONG rodzajRaportu = ReadValue(typ.Get(), &ITypWyplaty::get_RodzajRaportu);
    const LONG wartosc = ReadValue(element, &IWypElement::get_Znacznik2);
    if (rodzajRaportu != 1 && !(kod / 10000 == 5 && wartosc == 0)) return;
    if (!wMiesiacu && !wgOkresu) return;
    auto linki = ReadObject(element, &IWypElement::get_Linki, u"linki elementu wypłaty");
    for (CCollectionEnumerator<IWypElementLink> each(linki.Get()); auto link = each.Current(); each.MoveNext()) {
        if (wMiesiacu) wgWyplaty.push_back({kod, trzymany, link});
        if (wgOkresu && WMiesiacuKoncaOkresu(link.Get()).value_or(wMiesiacu)) wgOkresu->push_back({kod, trzymany, link});
    }
}

void CBaseInfo::PrzetworzLinki(long kod, IWypElement* element) {
    auto typ = ReadObject(element, &IWypElement::get_Typ, u"typ elementu wypłaty");
    const LONG rodzajRaportu = ReadValue(typ.Get(), &ITypWyplaty::get_RodzajRaportu);
    const LONG wartosc = ReadValue(element, &IWypElement::get_Znacznik2);
    if (rodzajRaportu != 1 && !(kod / 10000 == 5 && wartosc == 0)) return;
    auto linki = ReadObject(element, &IWypElement::get_Linki, u"linki elementu wypłaty");
    for (CCollectionEnumerator<IWypElementLink> each(linki.Get()); auto link = each.Current(); each.MoveNext())
        if (NalezyDoMiesiaca(link.Get())) PrzetworzLink(kod, link.Get());
}

bool CBaseInfo::WMiesiacuRaportu(IOkresowy* okres) const {
    return ReadValue(okres, &IOkresowy::get_Miesiac) == miesiac_ && ReadValue(okres, &IOkresowy::get_Rok) == rok_;
}

bool CBaseInfo::NalezyDoMiesiaca(IWypElementLink* link) {
    auto element = ReadObject(link, &IWypElementLink::get_Element, u"element linku wypłaty");
    if (KodTytuluElementu(element.Get()) == 0 &&
        KodSwiadczeniaTypu(ReadObject(element.Get(), &IWypElement::get_Typ, u"typ elementu wypłaty").Get()) !=
            kKodSwiadczenia329)
        return false;
    if (dataLinku_)
        if (std::optional<bool> wgKonca = WMiesiacuKoncaOkresu(link)) return *wgKonca;
    return WMiesiacuWyplaty(element.Get());
}

std::optional<bool> CBaseInfo::WMiesiacuKoncaOkresu(IWypElementLink* link) const {
    auto typ = ReadObject(link, &IWypElementLink::get_Typ, u"typ linku wypłaty");
    tlx::ComPtr<IKodSwiadczenia> kod;
    if (ReadValue(typ.Get(), &ITypWyplaty::get_Rodzaj) == kRodzajTypuNieobecnosc) {
        auto nieobecnosc = ReadObject(link, &IWypElementLink::get_Nieobecnosc, u"nieobecność linku wypłaty");
        auto typNieobecnosci = ReadObject(nieobecnosc.Get(), &INieobecnosc::get_Typ, u"typ nieobecności");
        if (ReadValue(typNieobecnosci.Get(), &ITypNieobecnosci::get_Znacznik) == 0)
            CheckHost(typNieobecnosci->get_KodSwiadczenia(kod.Out()));
    } else {
        CheckHost(typ->get_KodSwiadczenia(kod.Out()));
    }
    if (!kod || ReadValue(kod.Get(), &IKodSwiadczenia::get_Kod) == kKodSwiadczenia329) return std::nullopt;
    auto cechy = ReadObject(kod.Get(), &IKodSwiadczenia::get_Cechy, u"cechy kodu świadczenia");
    if (ReadValue(cechy.Get(), &ICechyKoduSwiadczenia::get_MiesiacKoncaOkresu) == 0) return std::nullopt;
    auto okres = ReadObject(link, &IWypElementLink::get_Okres, u"okres linku wypłaty");
    const CDate koniec(ReadValue(okres.Get(), &IOkres::get_DataDo));
    return koniec.GetMonth() == miesiac_ && koniec.GetYear() == rok_;
}

bool CBaseInfo::WMiesiacuWyplaty(IWypElement* element) const {
    auto wyplata = ReadObject(element, &IWypElement::get_Wyplata, u"wypłata elementu");
    return WMiesiacuRaportu(ReadObject(wyplata.Get(), &IWyplata::get_RokMiesiac, u"okres wypłaty").Get());
}
