#include "mv_deklaracje/zus/RCAInfo.h"

#include "hostapi/Login.h"
#include "mv_deklaracje/core/HostLookups.h"
#include "mv_deklaracje/core/HostServices.h"
#include "mv_deklaracje/zus/PayrollReads.h"
#include "mv_deklaracje/zus/ZusSetting.h"
#include "platform/com/Bstr.h"
#include "platform/com/VariantConversion.h"

namespace {

constexpr char16_t kNieGenerujZeroweRCA[] = u"/Firma/Płace/Parametry/NieGenerujZeroweRCA";
// The procedure's answer when the person's payouts of a title come from one source.
constexpr LONG kJednoZrodlo = 1;
// A title written on the report under another code.
constexpr std::uint32_t kTytul1230 = 123000, kTytul1211 = 121100;
constexpr LONG kRodzajWynagrodzenia = 1;
constexpr LONG kRodzajPominiety = 999;

using ZusGetter = HRESULT (IDaneZUS::*)(CY*);
constexpr ZusGetter kKwotyZus[20] = {
    &IDaneZUS::get_PodstawaEmerytalna, &IDaneZUS::get_PodstawaRentowa, &IDaneZUS::get_PodstawaChorobowa,
    &IDaneZUS::get_PodstawaWypadkowa, &IDaneZUS::get_PodstawaFP, &IDaneZUS::get_PodstawaFGSP,
    &IDaneZUS::get_PodstawaZdrowotna, &IDaneZUS::get_EmerytalnaPracownik, &IDaneZUS::get_EmerytalnaPlatnik,
    &IDaneZUS::get_RentowaPracownik, &IDaneZUS::get_RentowaPlatnik, &IDaneZUS::get_ChorobowaPracownik,
    &IDaneZUS::get_ChorobowaPlatnik, &IDaneZUS::get_WypadkowaPracownik, &IDaneZUS::get_WypadkowaPlatnik,
    &IDaneZUS::get_ZdrowotnaOdliczana, &IDaneZUS::get_ZdrowotnaFinansowana, &IDaneZUS::get_ZdrowotnaPozostala,
    &IDaneZUS::get_ZaliczkaPodatku, &IDaneZUS::get_KwotaFEP,
};

// A setting's value at the host's own day.
tlx::Variant WartoscParametru(IKonfiguracja* konfiguracja, const OLECHAR* klucz) {
    tlx::ComPtr<IParametr> parametr;
    CheckHost(konfiguracja->GetParametr(tlx::Bstr(klucz).Get(), 0.0, parametr.Out()));
    if (!parametr) RaiseComError(E_POINTER, u"Brak parametru konfiguracji");
    tlx::Variant value;
    CheckHost(parametr->get_Value(value.Out()));
    return value;
}

bool ParametrLogiczny(const OLECHAR* klucz, const tlx::Variant& value) {
    if (value.vt == VT_EMPTY || value.vt == VT_NULL) return false;
    return SettingFlagValue(klucz, value);
}

DATE DataWyrejestrowania(IPracownikDane* osoba, CDate dzien) {
    tlx::ComPtr<IPracEtat> zapis;
    CheckHost(osoba->GetEtat(dzien.Value(), tlx::Variant::Missing(), zapis.Out()));
    auto ubezpieczenie = ReadObject(zapis.Get(), &IPracEtat::get_Ubezpieczenie, u"ubezpieczenie zapisu pracownika");
    return ReadValue(ubezpieczenie.Get(), &IUbezpieczenie::get_DataWyrejestrowania);
}

}  // namespace

CRCAInfo::CRCAInfo(IPracownikDane* pracownik, IDRAExt* raport) : CBaseInfo(pracownik, raport, false), raport_(raport) {}

std::u16string CRCAInfo::ZapytanieDRA(long rok, long miesiac, long pracownik, long kod) {
    return u"exec tlx.DRA " + DecimalText(rok) + u"," + DecimalText(miesiac) + u"," + DecimalText(pracownik) + u"," + DecimalText(kod);
}

LONG CRCAInfo::WynikProceduryDRA(long kod, IWypElement* element) {
    auto wyplata = ReadObject(element, &IWypElement::get_Wyplata, u"wypłata elementu");
    const LONG id = KartaWyplaty(wyplata.Get());
    if (auto known = wynikiDRA_.find({id, kod}); known != wynikiDRA_.end()) return known->second;
    auto zapytaj = [&] {
        // A session of its own, as the procedure may be slow and must not see this session's pending work.
        auto login = ReadObject(CreateHostApplication().Get(), &IApplication::GetLogin, u"login aplikacji");
        tlx::ComPtr<ISession> sesja;
        CheckHost(login->CreateSession(sesja.Out()));
        auto sesja2 = RequireInterface<ISession2>(sesja.Get(), u"nowa sesja");
        tlx::ComPtr<Connection> polaczenie;
        CheckHost(sesja2->get_Connection(polaczenie.Out()));
        auto wiersze = OpenRows(polaczenie.Get(), ZapytanieDRA(Rok(), Miesiac(), id, kod));
        return FirstFieldAsLong(wiersze.Get());
    };
    // The person's other contribution report of the same DRA asks the same: answered once a calculation.
    return wynikiDRA_[{id, kod}] = Pamiec() ? Pamiec()->WynikDRA(id, kod, zapytaj) : zapytaj();
}

void CRCAInfo::ZbierzWyplate(long kod, IWypElement* element) {
    if (!raport_) RaiseComError(E_POINTER, u"Brak raportu");
    bool zdrowotny = false;
    if (WynikProceduryDRA(kod, element) == kJednoZrodlo) {
        if (!CzyElementDoRaportu(element)) return;
    } else {
        zdrowotny = CzyWierszZdrowotny(element);
        if (!zdrowotny && !CzyElementDoRaportu(element)) return;
    }
    const Klucz klucz{static_cast<std::uint32_t>(kod), zdrowotny};
    auto& wiersz = grupy_[klucz];
    if (!wiersz) {
        wiersz = std::make_shared<WierszRaportu>();
        wiersz->kod = klucz.first == kTytul1230 ? kTytul1211 : klucz.first;
        wiersz->zdrowotny = zdrowotny;
    }
    wiersz->elementy.emplace_back(element);
    kursor_ = grupy_.end();
}

void CRCAInfo::Reset(bool filtr) {
    filtr_ = filtr;
    kursor_ = grupy_.begin();
    while (kursor_ != grupy_.end() && kursor_->first.second != filtr_) ++kursor_;
}

void CRCAInfo::Next() {
    if (kursor_ == grupy_.end()) return;
    do ++kursor_;
    while (kursor_ != grupy_.end() && kursor_->first.second != filtr_);
}

LONG CRCAInfo::RodzajElementu(IWypElement* element) {
    return KodSwiadczeniaTypu(ReadObject(element, &IWypElement::get_Typ, u"typ elementu wypłaty").Get());
}

tlx::ComPtr<ICalendarRange> CRCAInfo::MiesiacListy(IOkresowy* okres) {
    const int rok = ReadValue(okres, &IOkresowy::get_Rok);
    const int miesiac = ReadValue(okres, &IOkresowy::get_Miesiac);
    const CDate pierwszy(miesiac, 1, rok);
    return CreateDateRangeObject(pierwszy, pierwszy.AddDays(DaysInMonth(miesiac, rok)));
}

tlx::ComPtr<IKonfiguracja> CRCAInfo::KonfiguracjaZNowejSesji() {
    auto login = ReadObject(CreateHostApplication().Get(), &IApplication::GetLogin, u"login aplikacji");
    tlx::ComPtr<ISession> sesja;
    CheckHost(login->CreateSession(sesja.Out()));
    auto sesja2 = RequireInterface<ISession2>(sesja.Get(), u"nowa sesja");
    auto loginSesji = ReadObject(sesja2.Get(), &ISession2::get_Login, u"login sesji");
    tlx::ComPtr<IDispatch> obiekt;
    CheckHost(loginSesji->CreateObject(tlx::Bstr(tlx::GuidToText(CLSID_Konfiguracja)).Get(), obiekt.Out()));
    return RequireInterface<IKonfiguracja>(obiekt.Get(), u"konfiguracja");
}

// Read once per person: the setting does not change while one person's rows are formed.
bool CRCAInfo::NieGenerujZeroweRCA() {
    if (!nieGenerujZeroweRCA_) {
        auto czytaj = [&] { return WartoscParametru(KonfiguracjaZNowejSesji().Get(), kNieGenerujZeroweRCA); };
        // Nor does it change while one DRA is computed: read once for every person.
        const tlx::Variant value = Pamiec() ? Pamiec()->Parametr(kNieGenerujZeroweRCA, 0.0, czytaj) : czytaj();
        nieGenerujZeroweRCA_ = ParametrLogiczny(kNieGenerujZeroweRCA, value);
    }
    return *nieGenerujZeroweRCA_;
}

bool CRCAInfo::CzyElementDoRaportu(IWypElement* element) {
    auto wyplata = ReadObject(element, &IWypElement::get_Wyplata, u"wypłata elementu");
    KartaWyplaty(wyplata.Get());  // a payout of no card is refused
    ReadObject(wyplata.Get(), &IWyplata::get_RokMiesiac, u"okres wypłaty");
    const LONG rodzaj = RodzajElementu(element);
    if (NieGenerujZeroweRCA()) {
        const KwotyElementu kwoty = KwotyZElementu(element);
        bool niezerowy = false;
        for (const CY& kwota : kwoty.zus) niezerowy = niezerowy || kwota.int64 != 0;
        if (!niezerowy && ReadValue(raport_.Get(), &IDRAExt::get_GenerujZeroweRCA) == 0 && rodzaj != kRodzajWynagrodzenia)
            return false;
    }
    auto typ = ReadObject(element, &IWypElement::get_Typ, u"typ elementu wypłaty");
    return !(rodzaj == kRodzajPominiety && ReadValue(typ.Get(), &ITypWyplaty::get_Cecha1) == 1 &&
             ReadValue(typ.Get(), &ITypWyplaty::get_Cecha2) == 1);
}

bool CRCAInfo::CzyWierszZdrowotny(IWypElement* element) {
    const LONG kod = KodTytuluElementu(element);
    const LONG id = ReadValue(element, &IWypElement::get_ID);
    const LONG rodzaj = RodzajElementu(element);
    const LONG flagi = ReadValue(element, &IWypElement::get_Flagi);
    if (kod / 10000 == 5 && rodzaj == 0 && id == 0) {
        auto link = ReadObject(element, &IWypElement::get_LinkGlowny, u"główny link elementu wypłaty");
        auto okres = ReadObject(link.Get(), &IWypElementLink::get_Okres, u"okres linku wypłaty");
        const CDate dzien(ReadValue(okres.Get(), &IOkres::get_DataOd));
        const DATE wDniu = DataWyrejestrowania(Pracownik(), dzien);
        const DATE naPoczatku = DataWyrejestrowania(Pracownik(), CDate(dzien.GetMonth(), 1, dzien.GetYear()));
        return wDniu == naPoczatku && wDniu == 0.0;
    }
    if (rodzaj != 0 && rodzaj != kRodzajPominiety) return false;
    return (flagi & 0x80) != 0 && (flagi & 0x0F) == 0;
}

KwotyElementu CRCAInfo::KwotyZElementu(IWypElement* element) {
    KwotyElementu kwoty;
    auto wyplata = ReadObject(element, &IWypElement::get_Wyplata, u"wypłata elementu");
    kwoty.rodzajWyplaty = ReadValue(wyplata.Get(), &IWyplata::get_Tryb);
    kwoty.rodzajElementu = RodzajElementu(element);
    kwoty.kwota = CMoney::FromCurrency(ReadValue(element, &IWypElement::get_Kwota));
    auto zus = ReadObject(element, &IWypElement::get_DaneZUS, u"dane ZUS elementu wypłaty");
    kwoty.kodTytulu = static_cast<std::uint32_t>(ReadValue(zus.Get(), &IDaneZUS::get_KodTytulu));
    for (std::size_t n = 0; n < kwoty.zus.size(); ++n) kwoty.zus[n] = ReadValue(zus.Get(), kKwotyZus[n]);
    return kwoty;
}

void CRCAInfo::Wypelnij(WierszRaportu& wiersz, bool zdrowotny, LONG wartosc, bool wersja4) {
    // Filled anew before each block, so nothing is summed twice.
    wiersz.kwoty = CKwotyWiersza();
    wiersz.data = CDate();
    for (const auto& element : wiersz.elementy) {
        const KwotyElementu kwoty = KwotyZElementu(element.Get());
        if (wersja4)
            wiersz.kwoty.DodajElement4(kwoty, zdrowotny);
        else
            wiersz.kwoty.DodajElement(kwoty, zdrowotny);
        if (zdrowotny || kwoty.rodzajWyplaty == 1 || kwoty.rodzajWyplaty == 2) continue;
        auto typ = ReadObject(element.Get(), &IWypElement::get_Typ, u"typ elementu wypłaty");
        if (ReadValue(typ.Get(), &ITypWyplaty::get_RodzajRaportu) != 1) continue;
        tlx::ComPtr<IWypElementLink> link;
        CheckHost(element->get_LinkGlowny(link.Out()));
        if (!link) continue;
        auto okres = ReadObject(link.Get(), &IWypElementLink::get_Okres, u"okres linku wypłaty");
        if (ReadValue(okres.Get(), &IOkres::get_Pusty) != VARIANT_FALSE) continue;
        auto zakres = ReadObject(okres.Get(), &IOkres::get_Zakres, u"zakres okresu linku");
        const CDate ostatni = CDate(ReadValue(zakres.Get(), &ICalendarRange::get_Do)).AddDays(-1);
        if (ostatni > wiersz.data) wiersz.data = ostatni;
    }
    wiersz.kwoty.UstawKod32(wartosc);
}
