#include "mv_deklaracje/zus/PoliczSkladki.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <cmath>
#include <numeric>
#include <optional>
#include <vector>

#include "hostapi/Configuration.h"
#include "hostapi/Login.h"
#include "mv_deklaracje/core/CollectionEnumerator.h"
#include "mv_deklaracje/core/HostLookups.h"
#include "mv_deklaracje/core/VariantHelpers.h"
#include "mv_deklaracje/zus/PayrollReads.h"
#include "mv_deklaracje/zus/IdentyfikatorPracownika.h"
#include "mv_deklaracje/zus/ObjetyWMiesiacu.h"
#include "mv_deklaracje/zus/PamiecDRA.h"
#include "mv_deklaracje/zus/PrzejscieWierszy.h"
#include "mv_deklaracje/zus/RodzajFinansowania.h"
#include "mv_deklaracje/zus/RowDraTotals.h"
#include "mv_deklaracje/zus/ZusSetting.h"
#include "platform/com/Bstr.h"
#include "platform/com/VariantConversion.h"

namespace {

constexpr char16_t kStatusRefundacji[] = u"/Firma/Płace/ZUS/Status Refundacji";
constexpr char16_t kSklFPiFGSPOdSumyPodstaw[] = u"/Firma/Płace/Zus/SklFPiFGSPOdSumyPodstaw";
constexpr char16_t kProcentFP[] = u"/Program/Płace/Zus/Procent fp";
constexpr char16_t kProcentFGSP[] = u"/Program/Płace/Zus/Procent fgsp";
constexpr LONG kWersja4 = 4;
// At most ten benefit entries of an RNA block, four positions each from position 28.
constexpr int kWpisyRNA = 10;
constexpr LONG kPierwszaPozycjaWpisu = 28;
constexpr LONG kPozycjaSumyWpisow = 68;
// Payout types whose periods make the person's overall benefit period.
constexpr LONG kTypZasilku = 11, kTypSwiadczenia = 50;
constexpr LONG kRodzajListyPodstawowej = 1;

tlx::Variant Parametr(IKonfiguracja* konfiguracja, const OLECHAR* klucz, CDate data) {
    tlx::ComPtr<IParametr> parametr;
    CheckHost(konfiguracja->GetParametr(tlx::Bstr(klucz).Get(), data.Value(), parametr.Out()));
    if (!parametr) RaiseComError(E_POINTER, u"Brak parametru konfiguracji " + std::u16string(klucz));
    tlx::Variant value;
    CheckHost(parametr->get_Value(value.Out()));
    return value;
}

// A number of a setting: a text is read with a decimal point or a decimal comma, whatever the user's
// regional settings; the empty value is 0.
double Liczbowy(const OLECHAR* klucz, tlx::Variant value) {
    if (value.vt == VT_EMPTY || value.vt == VT_NULL) return 0.0;
    if (value.vt != VT_BSTR) return ConvertVariant(value, VT_R8).dblVal;
    std::string text;
    for (OLECHAR c : std::u16string_view(value.bstrVal ? value.bstrVal : u""))
        text += c == u',' ? '.' : static_cast<char>(c < 128 ? c : '?');
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return 0.0;
    char* end = nullptr;
    const double number = std::strtod(text.c_str() + first, &end);
    if (end == text.c_str() + first || std::string_view(end).find_first_not_of(' ') != std::string_view::npos)
        RaiseComError(E_INVALIDARG, u"Ustawienie \"" + std::u16string(klucz) + u"\" nie jest liczbą");
    return number;
}

// A flag of a setting; the empty value is not set.
bool Logiczny(const OLECHAR* klucz, const tlx::Variant& value) {
    if (value.vt == VT_EMPTY || value.vt == VT_NULL) return false;
    return SettingFlagValue(klucz, value);
}

void Put(IKeduBlok* blok, LONG pozycja, const tlx::Variant& value, LONG powtorzenie = 0) {
    CheckHost(blok->put_Item(pozycja, powtorzenie, value));
}
void PutMoney(IKeduBlok* blok, LONG pozycja, CMoney kwota) { Put(blok, pozycja, kwota.ToVariant()); }
void PutLong(IKeduBlok* blok, LONG pozycja, LONG value, LONG powtorzenie = 0) {
    Put(blok, pozycja, tlx::Variant::FromLong(value), powtorzenie);
}
void PutDouble(IKeduBlok* blok, LONG pozycja, double value) { Put(blok, pozycja, tlx::Variant::FromDouble(value)); }

// The unrounded sum of codes, as the block's double positions hold it.
double Suma(const CKwotyWiersza& kwoty, std::initializer_list<int> kody) {
    double suma = 0.0;
    for (int kod : kody) suma += kwoty.Kwota(kod).AsDouble();
    return suma;
}

LONG Liczba(CMoney kwota) { return static_cast<LONG>(std::trunc(kwota.AsDouble())); }

// One benefit entry of an RNA block: consecutive elements of one type number.
struct WpisRNA {
    LONG typ = 0;
    CDate od, doDnia;
    CMoney kwota;
};

void Poszerz(CDate& od, CDate& doDnia, CDate noweOd, CDate noweDo) {
    if (noweOd.IsEmpty()) return;
    if (od.IsEmpty() || noweOd < od) od = noweOd;
    if (doDnia.IsEmpty() || noweDo > doDnia) doDnia = noweDo;
}

// The period an element pays for: its main link's, else its own; none when neither has a start.
std::pair<CDate, CDate> OkresElementu(IWypElement* element) {
    tlx::ComPtr<IOkres> okres;
    tlx::ComPtr<IWypElementLink> link;
    CheckHost(element->get_LinkGlowny(link.Out()));
    if (link) CheckHost(link->get_Okres(okres.Out()));
    if (!okres) CheckHost(element->get_Okres(okres.Out()));
    if (!okres) return {};
    return {CDate(ReadValue(okres.Get(), &IOkres::get_DataOd)), CDate(ReadValue(okres.Get(), &IOkres::get_DataDo))};
}

}  // namespace

CPoliczSkladki::CPoliczSkladki(IDRAExt* raport, IDispatch* sesja, IKeduDokument* dokument, bool spoleczny, bool rna,
                               IDispatch* pracownik, long maWyplaty)
    : CBasePolicz(raport, sesja, dokument), spoleczny_(spoleczny), rna_(rna) {
    PoliczPracownika(pracownik, maWyplaty);
}

CPoliczSkladki::CPoliczSkladki(IDRAExt* raport, IDispatch* sesja, IKeduDokument* dokument, bool spoleczny, bool rna)
    : CBasePolicz(raport, sesja, dokument), spoleczny_(spoleczny), rna_(rna) {}

bool CPoliczSkladki::Policz(IDispatch* pracownik, long maWyplaty) {
    CzytajUstawienia();
    return CBasePolicz::Policz(pracownik, maWyplaty);
}

void CPoliczSkladki::CzytajUstawienia() {
    if (!sesja_) RaiseComError(E_POINTER, u"Brak sesji raportu");
    tlx::ComPtr<IKonfiguracja> konfiguracja;
    auto czytaj = [&](const OLECHAR* klucz) {
        if (!konfiguracja) {
            auto login = ReadObject(sesja_.Get(), &ISession2::get_Login, u"login sesji");
            tlx::ComPtr<IDispatch> obiekt;
            CheckHost(login->CreateObject(tlx::Bstr(tlx::GuidToText(CLSID_Konfiguracja)).Get(), obiekt.Out()));
            konfiguracja = RequireInterface<IKonfiguracja>(obiekt.Get(), u"konfiguracja");
        }
        return Parametr(konfiguracja.Get(), klucz, ostatniDzien_);
    };
    // The settings of the month are the same for every person of one DRA: read once a calculation.
    CPamiecDRA* pamiec = CPamiecDRA::DlaDRA(dra_.Get());
    auto ustawienie = [&](const OLECHAR* klucz) {
        return pamiec ? pamiec->Parametr(klucz, ostatniDzien_.Value(), [&] { return czytaj(klucz); }) : czytaj(klucz);
    };
    const long status = static_cast<long>(Liczbowy(kStatusRefundacji, ustawienie(kStatusRefundacji)));
    statusRefundacji_ = status == 2 ? 2 : status == 3 ? 1 : status == 4 ? 3 : 0;
    sklFPiFGSPOdSumyPodstaw_ = Logiczny(kSklFPiFGSPOdSumyPodstaw, ustawienie(kSklFPiFGSPOdSumyPodstaw));
    procentFP_ = CMoney(Liczbowy(kProcentFP, ustawienie(kProcentFP)));
    procentFGSP_ = CMoney(Liczbowy(kProcentFGSP, ustawienie(kProcentFGSP)));
}

std::uint32_t CPoliczSkladki::TytulUmowy(IPracownikDane* pracownik, LONG umowa) {
    auto umowy = ReadObject(pracownik, &IPracownikDane::get_Umowy, u"umowy pracownika");
    for (CCollectionEnumerator<IUmowa> each(umowy.Get()); auto item = each.Current(); each.MoveNext()) {
        if (ReadValue(item.Get(), &IUmowa::get_ID) != umowa) continue;
        auto ubezpieczenie = ReadObject(item.Get(), &IUmowa::get_Ubezpieczenie, u"ubezpieczenie umowy");
        auto tytul = ReadObject(ubezpieczenie.Get(), &IUbezpieczenie::get_KodTytulu, u"kod tytułu umowy");
        return static_cast<std::uint32_t>(ReadValue(tytul.Get(), &IKodTytulu::get_Kod)) * 100;
    }
    RaiseComError(E_POINTER, u"Brak umowy o identyfikatorze " + DecimalText(umowa));
}

bool CPoliczSkladki::WyliczBloki(IPracownikDane* pracownik, long maWyplaty) {
    const long numer = maWyplaty == -1 ? 1 : maWyplaty;
    bool tytulUmowy = false;
    if (numer > 1 || maWyplaty == -1) {
        umowa_ = numer;
        kodTytulu_ = TytulUmowy(pracownik, umowa_);
        tytulUmowy = true;
    }
    tlx::ComPtr<IPracEtat> etat;
    CheckHost(pracownik->GetEtat(ostatniDzien_.Value(), tlx::Variant::Missing(), etat.Out()));
    if (!etat) RaiseComError(E_POINTER, u"Brak zapisu pracownika ważnego w dniu " + ostatniDzien_.FormatSql().Str());
    CRCAInfo info(pracownik, raport_.Get());
    info.Zbierz(numer);
    if (tytulUmowy) kodTytulu_ += static_cast<std::uint32_t>(info.KodTytuluBezWyplat() % 100);
    if (umowa_ > 0) {
        BlokZerowy(etat.Get());
        return true;
    }

    std::vector<WierszRaportuPtr> wiersze;
    std::vector<std::uint32_t> kody;
    for (info.Reset(!spoleczny_); info.HasCurrent(); info.Next()) {
        wiersze.push_back(info.Current());
        kody.push_back(info.Current()->kod);
    }
    const bool wersja4 = WersjaDRA() == kWersja4;
    const LONG wskaznik = WskaznikLimitu(etat.Get());
    // A row is qualified on its own amounts, filled as its block would have them.
    auto kwalifikuj = [&](std::size_t i) {
        if (wersja4)
            info.WypelnijKwotyWiersza4(*wiersze[i], !spoleczny_, wskaznik);
        else
            info.WypelnijKwotyWiersza(*wiersze[i], !spoleczny_, wskaznik);
        return KwalifikujWiersz(*wiersze[i], !spoleczny_);
    };
    auto zapisz = [&](std::size_t i) { BlokWiersza(info, etat.Get(), *wiersze[i]); };
    return PrzejdzWiersze(kody, wstrzymane_, kwalifikuj, zapisz);
}

LONG CPoliczSkladki::WskaznikLimitu(IPracEtat* etat) {
    return ReadValue(etat, &IPracEtat::get_LimitPodstawy).int64 != 0 ? 1 : 0;
}

void CPoliczSkladki::BlokZerowy(IPracEtat* etat) {
    auto blok = NowyBlok();
    CIdentyfikatorPracownika(etat).CopyTo(blok.Get());
    PutLong(blok.Get(), 5, static_cast<LONG>(kodTytulu_));
    auto osoba = ReadObject(etat, &IPracEtat::get_Pracownik, u"pracownik zapisu");
    const bool wersja4 = WersjaDRA() == kWersja4;
    if (!spoleczny_) {
        for (LONG pozycja = 6; pozycja <= (wersja4 ? 10 : 7); ++pozycja) PutDouble(blok.Get(), pozycja, 0.0);
        DodajDoDRA(draZdrowPlatnik, CMoney());
        DodajDoDRA(draZdrowPlatnik, CMoney());
        DodajDoDRA(draPodstZdrowWyn, CMoney());
        CheckHost(dra_->RegisterPrac(osoba.Get(), 0.0, 0.0));
        return;
    }
    for (LONG pozycja = 8; pozycja <= 25; ++pozycja) PutDouble(blok.Get(), pozycja, 0.0);
    if (wersja4)
        for (LONG pozycja = 29; pozycja <= 40; ++pozycja) PutDouble(blok.Get(), pozycja, 0.0);
    CheckHost(dra_->RegisterPrac(osoba.Get(), CDate(miesiac_, 1, rok_).Value(), 1.0));
}

void CPoliczSkladki::BlokWiersza(CRCAInfo& info, IPracEtat* etat, WierszRaportu& wiersz) {
    const bool wersja4 = WersjaDRA() == kWersja4;
    if (wersja4)
        info.WypelnijKwotyWiersza4(wiersz, !spoleczny_, WskaznikLimitu(etat));
    else
        info.WypelnijKwotyWiersza(wiersz, !spoleczny_, WskaznikLimitu(etat));
    auto blok = NowyBlok();
    CIdentyfikatorPracownika(etat).CopyTo(blok.Get());
    PutLong(blok.Get(), 5, static_cast<LONG>(wiersz.kod));
    auto osoba = ReadObject(etat, &IPracEtat::get_Pracownik, u"pracownik zapisu");
    if (!spoleczny_) {
        ZdrowotneRZA(blok.Get(), wiersz, osoba.Get());
        return;
    }
    // An RNA block keeps the earlier layout under every DRA version; its totals follow the DRA's.
    KwotyOsoby(osoba.Get(), etat, blok.Get(), wiersz, wersja4 && !rna_, wersja4);
    if (rna_) WpiszPozycjeRNA(osoba.Get(), blok.Get(), wiersz);
}

void CPoliczSkladki::ZdrowotneRZA(IKeduBlok* blok, const WierszRaportu& wiersz, IDispatch* osoba) {
    const CKwotyWiersza& k = wiersz.kwoty;
    PutMoney(blok, 6, k.Kwota(26));
    const std::uint32_t kod = wiersz.kod;
    if (WersjaDRA() == kWersja4) {
        if (kod / 100 == 511) {
            PutMoney(blok, 7, k.Kwota(34));
            PutDouble(blok, 8, 0.0);
            DodajDoDRA(draZdrowPlatnik, k.Kwota(34));
        } else if (kod / 10000 == 12 || kod / 100 == 430) {
            PutDouble(blok, 7, 0.0);
            PutMoney(blok, 8, k.Kwota(34));
            DodajDoDRA(draZdrowBudzet, k.Kwota(34));
        } else {
            PutDouble(blok, 7, 0.0);
            PutDouble(blok, 8, 0.0);
            DodajDoDRA(draPodstZdrowWyn, k.Kwota(27));
        }
        PutMoney(blok, 9, k.Kwota(27));
        PutDouble(blok, 10, 0.0);
    } else {
        PutDouble(blok, 7, Suma(k, {27, 29}));
        DodajDoDRA(draZdrowPlatnik, k.Kwota(27));
        if (kod / 10000 == 5)
            DodajDoDRA(draZdrowPlatnik, k.Kwota(29));
        else if (kod / 10000 != 12)
            DodajDoDRA(draPodstZdrowWyn, CMoney(Suma(k, {27, 29})));
    }
    CheckHost(dra_->RegisterPrac(osoba, 0.0, 0.0));
}

bool CPoliczSkladki::KwalifikujWiersz(const WierszRaportu& wiersz, bool pomin) {
    return wstrzymane_.KwalifikujWiersz(wiersz.kod, wiersz.kwoty, pomin);
}

void CPoliczSkladki::WypelnijKwotyOsoby(IPracownikDane* osoba, IPracEtat* etat, IKeduBlok* blok,
                                        const WierszRaportu& wiersz) {
    if (WersjaDRA() == kWersja4) return WypelnijKwotyOsoby4(osoba, etat, blok, wiersz);
    KwotyOsoby(osoba, etat, blok, wiersz, false, false);
}

void CPoliczSkladki::WypelnijKwotyOsoby4(IPracownikDane* osoba, IPracEtat* etat, IKeduBlok* blok,
                                         const WierszRaportu& wiersz) {
    KwotyOsoby(osoba, etat, blok, wiersz, true, true);
}

int CPoliczSkladki::RodzajFinansowaniaWiersza(std::uint32_t kod, IPracownikDane* osoba) {
    auto maWyplateZListyPodstawowej = [&] {
        auto wyplaty = ReadObject(osoba, &IPracownikDane::get_Wyplaty, u"wypłaty pracownika");
        for (CCollectionEnumerator<IWyplata> each(wyplaty.Get()); auto wyplata = each.Current(); each.MoveNext()) {
            auto lista = ReadObject(wyplata.Get(), &IWyplata::get_ListaPlac, u"lista płac wypłaty");
            auto okres = ReadObject(lista.Get(), &IListaPlac::get_RokMiesiac, u"okres listy płac");
            if (ReadValue(okres.Get(), &IOkresowy::get_Rok) == rok_ &&
                ReadValue(okres.Get(), &IOkresowy::get_Miesiac) == miesiac_ &&
                ReadValue(lista.Get(), &IListaPlac::get_Rodzaj) == kRodzajListyPodstawowej)
                return true;
        }
        return false;
    };
    return RodzajFinansowania(CKodTytuluUbezpieczenia(kod), rok_, miesiac_, statusRefundacji_, maWyplateZListyPodstawowej);
}

void CPoliczSkladki::DodajDoDRA(PoleDRAEnum pole, CMoney kwota) { CheckHost(dra_->put_Wartosc(pole, kwota.AsCurrency())); }

void CPoliczSkladki::KwotyOsoby(IPracownikDane* osoba, IPracEtat* etat, IKeduBlok* blok, const WierszRaportu& wiersz,
                                bool wersja4Bloku, bool wersja4Sum) {
    PozycjaLimitu(etat, blok, wiersz.kwoty);
    const CDate odniesienie = DataOdniesienia(osoba, wiersz);
    const double wymiarEtatu = WymiarCzasuPracy(osoba, odniesienie, wiersz.kod, wersja4Sum, blok);
    PozycjeKwot(blok, wiersz.kwoty, wersja4Bloku);
    const PozycjeSwiadczen swiadczenia = wstrzymane_.Swiadczenia(wiersz.kod, wiersz.kwoty);
    PozycjeSwiadczenBloku(blok, swiadczenia, wersja4Bloku);
    SumyDRA(osoba, etat, wiersz, swiadczenia, wersja4Sum);
    CheckHost(dra_->RegisterPrac(osoba, odniesienie.Value(), wymiarEtatu));
}

// Position 6: the annual limit of the pension base, from the row or from the record's indicator of this
// year up to the report month.
void CPoliczSkladki::PozycjaLimitu(IPracEtat* etat, IKeduBlok* blok, const CKwotyWiersza& k) {
    LONG limit = Liczba(k.Kwota(32));
    if (limit == 0 && (limit = WskaznikLimitu(etat)) != 0) {
        auto okres = ReadObject(etat, &IPracEtat::get_OkresLimitu, u"okres limitu podstawy");
        if (ReadValue(okres.Get(), &IOkresowy::get_Rok) != rok_ || ReadValue(okres.Get(), &IOkresowy::get_Miesiac) > miesiac_)
            limit = 0;
    }
    if (limit != 0) PutLong(blok, 6, limit);
}

// The row's date, moved to a linked person's working-time date in the month; the month's end for a
// row without a date.
CDate CPoliczSkladki::DataOdniesienia(IPracownikDane* osoba, const WierszRaportu& wiersz) {
    const CDate poczatek(miesiac_, 1, rok_);
    if (wiersz.data.IsEmpty()) return ostatniDzien_;
    CDate odniesienie = wiersz.data;
    auto powiazane = ReadObject(osoba, &IPracownikDane::get_OsobyPowiazane, u"osoby powiązane");
    const LONG liczba = ReadValue(powiazane.Get(), &ICollection::get_Count);
    for (LONG i = 0; i < liczba; ++i) {
        tlx::ComPtr<IDispatch> item;
        CheckHost(powiazane->Item(tlx::Variant::FromLong(i), item.Out()));
        auto inna = RequireInterface<IPracownikDane>(item.Get(), u"osoba powiązana");
        auto wymiar = ReadObject(ZapisPracownika(inna.Get(), ostatniDzien_).Get(), &IPracEtat::get_WymiarEtatu, u"wymiar etatu");
        const CDate d(ReadValue(wymiar.Get(), &IPracDaneZus::get_DataWymiaru));
        if (d > odniesienie && poczatek <= d && d <= ostatniDzien_) odniesienie = d;
    }
    return odniesienie;
}

// Position 7 (repeats 1 and 2): the working time of the record at the reference date and of each
// covered linked person, as one reduced fraction; none for titles 05xx. Answers the factor the DRA
// registers, from the record alone (0 for a zero denominator).
double CPoliczSkladki::WymiarCzasuPracy(IPracownikDane* osoba, CDate odniesienie, std::uint32_t kod, bool wersja4,
                                        IKeduBlok* blok) {
    auto zapis = ZapisPracownika(osoba, odniesienie);
    auto w = ReadObject(zapis.Get(), &IPracEtat::get_WymiarEtatu, u"wymiar etatu");
    if (wersja4) CheckHost(w->UstawTryb(kod / 1000 == 11 ? 1 : 0));
    const bool tytul5xx = TytulZapisu(zapis.Get()) / 100 == 5;
    long long licznik = 0, mianownik = 0;
    if (ReadValue(w.Get(), &IPracDaneZus::get_Mianownik2) != 0 && ObjetyWMiesiacu(osoba, ostatniDzien_) && !tytul5xx) {
        licznik = ReadValue(w.Get(), &IPracDaneZus::get_Licznik);
        mianownik = ReadValue(w.Get(), &IPracDaneZus::get_Mianownik);
    }
    if (ReadValue(osoba, &IPracownikDane::get_MaOsobyPowiazane) != VARIANT_FALSE) {
        auto powiazane = ReadObject(osoba, &IPracownikDane::get_OsobyPowiazane, u"osoby powiązane");
        for (CCollectionEnumerator<IPracownikDane> each(powiazane.Get()); auto inna = each.Current(); each.MoveNext()) {
            auto zapisInny = ZapisPracownika(inna.Get(), odniesienie);
            auto w2 = ReadObject(zapisInny.Get(), &IPracEtat::get_WymiarEtatu, u"wymiar etatu");
            const long long mianownik2 = ReadValue(w2.Get(), &IPracDaneZus::get_Mianownik2);
            if (!ObjetyWMiesiacu(inna.Get(), ostatniDzien_) || mianownik2 == 0 || TytulZapisu(zapisInny.Get()) / 100 == 5)
                continue;
            licznik = licznik * mianownik2 + ReadValue(w2.Get(), &IPracDaneZus::get_Licznik) * mianownik;
            mianownik = mianownik * mianownik2;
            if (const long long d = std::gcd(licznik, mianownik); d > 1) {
                licznik /= d;
                mianownik /= d;
            }
        }
    }
    if (mianownik != 0 && !tytul5xx) {
        PutLong(blok, 7, static_cast<LONG>(licznik), 1);
        PutLong(blok, 7, static_cast<LONG>(mianownik), 2);
    }
    const LONG wlasnyMianownik = ReadValue(w.Get(), &IPracDaneZus::get_Mianownik);
    return wlasnyMianownik == 0 ? 0.0
                                : static_cast<double>(ReadValue(w.Get(), &IPracDaneZus::get_Licznik)) / wlasnyMianownik;
}

// Positions 8 to 19 of the bases and contributions, and 29 to 40 of the newer layout.
void CPoliczSkladki::PozycjeKwot(IKeduBlok* blok, const CKwotyWiersza& k, bool wersja4) {
    PutMoney(blok, 8, k.Kwota(10));
    PutMoney(blok, 9, k.Kwota(18) == CMoney() ? k.Kwota(22) : k.Kwota(18));
    PutMoney(blok, 10, k.Kwota(26));
    PutMoney(blok, 11, k.Kwota(11));
    PutMoney(blok, 12, k.Kwota(15));
    PutDouble(blok, 13, Suma(k, {19, 20}));
    if (wersja4)
        PutMoney(blok, 14, k.Kwota(27));
    else
        PutDouble(blok, 14, Suma(k, {27, 29}));
    PutMoney(blok, 15, k.Kwota(12));
    PutMoney(blok, 16, k.Kwota(16));
    PutDouble(blok, 17, Suma(k, {23, 24}));
    PutMoney(blok, 18, k.Kwota(1));
    if (!wersja4) {
        PutDouble(blok, 19, Suma(k, {11, 15, 19, 20, 12, 16, 23, 24, 27, 29}));
        return;
    }
    PutDouble(blok, 19, Suma(k, {11, 15, 12, 16, 20, 24, 13, 17, 25, 19, 23}));
    const int pozycje29[] = {18, 22, 20, 24, 13, 17};
    for (LONG i = 0; i < 6; ++i) PutMoney(blok, 29 + i, k.Kwota(pozycje29[i]));
    PutDouble(blok, 35, 0.0);
    const int pozycje36[] = {25, 19, 23, 29, 28};
    for (LONG i = 0; i < 5; ++i) PutMoney(blok, 36 + i, k.Kwota(pozycje36[i]));
}

// Positions 20 to 25 of the benefits (20 and 21 only in the earlier layout).
void CPoliczSkladki::PozycjeSwiadczenBloku(IKeduBlok* blok, const PozycjeSwiadczen& s, bool wersja4) {
    if (!wersja4) {
        PutLong(blok, 20, s.liczbaZasilkow);
        PutDouble(blok, 21, s.zasilki.AsDouble());
    }
    PutMoney(blok, 22, s.wynagrodzenieChorobowe);
    PutLong(blok, 23, s.liczbaSwiadczen);
    PutDouble(blok, 24, s.swiadczenia.AsDouble());
    PutDouble(blok, 25, s.razem.AsDouble());
}

// The row's amounts into the DRA's totals, split by the financing case, with the held benefits the row
// took and the payer's running disability sum of titles 05xx.
void CPoliczSkladki::SumyDRA(IPracownikDane* osoba, IPracEtat* etat, const WierszRaportu& wiersz,
                             const PozycjeSwiadczen& swiadczenia, bool wersja4) {
    RowDraContext kontekst;
    kontekst.wersja4 = wersja4;
    kontekst.rodzajFinansowania = RodzajFinansowaniaWiersza(wiersz.kod, osoba);
    kontekst.kodTytulu = wiersz.kod;
    kontekst.rok = rok_;
    kontekst.kodUmowy = TytulZapisu(etat);
    kontekst.statusUmowy = ReadValue(etat, &IPracEtat::get_StatusTytulu);
    kontekst.fpOdSumyPodstaw = sklFPiFGSPOdSumyPodstaw_;
    kontekst.procentFP = procentFP_;
    kontekst.procentFGSP = procentFGSP_;
    const RowDraTotals sumy = DraTotalsOfRow(wiersz.kwoty, kontekst);
    for (const DraAmount& wartosc : sumy.wartosci) DodajDoDRA(wartosc.pole, wartosc.kwota);
    if (swiadczenia.swiadczeniaBudzet != CMoney()) DodajDoDRA(draSwiadczeniaBudzet, swiadczenia.swiadczeniaBudzet);
    if (sumy.dodajRentowe) {
        CY dotad{};
        CheckHost(dra_->get_RentowePlatnikaKesz(&dotad));
        CheckHost(dra_->put_RentowePlatnikaKesz(
            CMoney(CMoney::FromCurrency(dotad).AsDouble() + sumy.rentowePlatnikaKesz.AsDouble()).AsCurrency()));
    }
}

void CPoliczSkladki::WpiszPozycjeRNA(IPracownikDane* osoba, IKeduBlok* blok, const WierszRaportu& wiersz) {
    struct Element {
        LONG typ;
        tlx::ComPtr<IWypElement> element;
    };
    std::vector<Element> elementy;
    for (const auto& element : wiersz.elementy) {
        auto typ = ReadObject(element.Get(), &IWypElement::get_Typ, u"typ elementu wypłaty");
        elementy.push_back({ReadValue(typ.Get(), &ITypWyplaty::get_Numer), element});
    }
    std::stable_sort(elementy.begin(), elementy.end(), [](const Element& a, const Element& b) { return a.typ < b.typ; });

    std::vector<WpisRNA> wpisy;
    CMoney razem;
    CDate okresOd, okresDo;
    for (const Element& e : elementy) {
        auto wyplata = ReadObject(e.element.Get(), &IWypElement::get_Wyplata, u"wypłata elementu");
        const LONG tryb = ReadValue(wyplata.Get(), &IWyplata::get_Tryb);
        const CMoney kwota = CMoney::FromCurrency(ReadValue(e.element.Get(), &IWypElement::get_Kwota));
        if (tryb == 1 || tryb == 2 || e.typ == 0 || kwota == CMoney()) continue;
        const auto [od, doDnia] = OkresElementu(e.element.Get());
        if (wpisy.empty() || wpisy.back().typ != e.typ) {
            if (static_cast<int>(wpisy.size()) == kWpisyRNA) break;
            wpisy.push_back({e.typ, CDate(), CDate(), CMoney()});
        }
        WpisRNA& wpis = wpisy.back();
        wpis.kwota += kwota.AsDouble();
        Poszerz(wpis.od, wpis.doDnia, od, doDnia);
        razem += kwota.AsDouble();
        if (e.typ == kTypZasilku || e.typ == kTypSwiadczenia) Poszerz(okresOd, okresDo, od, doDnia);
    }
    for (std::size_t n = 0; n < wpisy.size(); ++n) {
        const LONG pozycja = kPierwszaPozycjaWpisu + 4 * static_cast<LONG>(n);
        PutLong(blok, pozycja, wpisy[n].typ);
        if (!wpisy[n].od.IsEmpty()) Put(blok, pozycja + 1, tlx::Variant::FromString(wpisy[n].od.FormatSql().View()));
        if (!wpisy[n].doDnia.IsEmpty())
            Put(blok, pozycja + 2, tlx::Variant::FromString(wpisy[n].doDnia.FormatSql().View()));
        PutMoney(blok, pozycja + 3, wpisy[n].kwota);
    }
    if (razem != CMoney()) PutMoney(blok, kPozycjaSumyWpisow, razem);
    if (okresOd.IsEmpty()) return;
    auto zakres = CreateDateRangeObject(okresOd, okresDo.AddDays(1));
    auto nieobecnosci = ReadObject(osoba, &IPracownikDane::get_DaneKadrowe, u"rejestr nieobecności");
    auto przerwy = ReadObject(osoba, &IPracownikDane::get_Przerwy, u"rejestr przerw");
    if (!zakres) RaiseComError(E_POINTER, u"Brak zakresu dat okresu świadczeń");
    LONG dniNieobecnosci = 0, dniPrzerw = 0;
    CheckHost(nieobecnosci->LiczbaDni(zakres.Get(), &dniNieobecnosci));
    CheckHost(przerwy->LiczbaDni(zakres.Get(), &dniPrzerw));
    PutLong(blok, 26, dniNieobecnosci);
    PutLong(blok, 27, dniPrzerw);
}
