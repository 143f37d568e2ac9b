#include "mv_deklaracje/zus/Dra.h"

#include <algorithm>
#include <set>
#include <vector>

#include "hostapi/Accounting.h"
#include "hostapi/Collections.h"
#include "hostapi/Errors.h"
#include "mv_deklaracje/core/Bstr.h"
#include "mv_deklaracje/core/HostLookups.h"
#include "mv_deklaracje/core/HostServices.h"
#include "mv_deklaracje/core/VariantHelpers.h"
#include "mv_deklaracje/zus/DiplBuilder.h"
#include "mv_deklaracje/zus/DraHostReads.h"
#include "mv_deklaracje/zus/DraSumy.h"
#include "mv_deklaracje/zus/DraZalaczniki.h"
#include "mv_deklaracje/zus/HostReads.h"
#include "mv_deklaracje/zus/PamiecDRA.h"
#include "mv_deklaracje/zus/ZusSetting.h"
#include "mv_deklaracje/zus/ZusText.h"
#include "platform/ado/SharedReads.h"
#include "platform/com/ClassRegistry.h"

namespace {

constexpr char16_t kTerminKey[] = u"/Firma/Płace/ZUS/Termin składania deklaracji";
// No walk over a declaration's children goes further than this: a DRA has one report per kind and person.
constexpr LONG kMaxChildren = 1'000'000;

constexpr LONG kTypRCA = 121, kTypRNA = 122, kTypRZA = 123, kTypRSA = 124;

// The host's filing-deadline codes and the day of the following month the payment is due on.
int DzienPlatnosci(long termin) {
    switch (termin) {
    case tdzBudzetowa5:
    case tdzProkuratorzy5:
        return 5;
    case tdzOsobaFizyczna10:
        return 10;
    default:
        return 15;
    }
}

tlx::Variant FieldValue(IDeklaracja2* declaration, const char16_t* name) {
    tlx::Variant value;
    CheckHost(declaration->get_Wartosc(tlx::Bstr(name).Get(), value.Out()));
    return value;
}

tlx::ComPtr<ICollection> Children(IDeklaracja2* declaration) {
    tlx::ComPtr<IDispatch> children;
    CheckHost(declaration->get_Deklaracje(children.Out()));
    tlx::ComPtr<ICollection> collection = children.As<ICollection>();
    if (!collection) RaiseHResult(E_POINTER);
    return collection;
}

LONG Count(ICollection* collection) {
    LONG count = 0;
    CheckHost(collection->get_Count(&count));
    return count;
}

// The children of a declaration as they stand now: removing one while walking the list skips none.
std::vector<tlx::ComPtr<IDeklaracja2>> ChildrenSnapshot(ICollection* children) {
    std::vector<tlx::ComPtr<IDeklaracja2>> all;
    std::set<IUnknown*> visited;
    const LONG count = std::min(Count(children), kMaxChildren);
    for (LONG i = 0; i < count; ++i) {
        tlx::ComPtr<IDispatch> item;
        CheckHost(children->Item(tlx::Variant::FromLong(i), item.Out()));
        tlx::ComPtr<IDeklaracja2> child = item.As<IDeklaracja2>();
        if (!child) RaiseHResult(E_POINTER);
        tlx::ComPtr<IUnknown> identity = child.As<IUnknown>();
        if (visited.insert(identity.Get()).second) all.push_back(child);
    }
    return all;
}

// A report leaves the DRA with nothing of it left to store: the rows its own collections hold unsaved
// are dropped first (a report added and removed before any save would otherwise leave them behind).
void RemoveChild(ICollection* children, IDeklaracja2* child) {
    CheckHost(child->ResyncKolekcje());
    CheckHost(child->ResetScript());
    CheckHost(children->Delete(tlx::Variant::FromDispatch(child)));
}

}  // namespace

HRESULT CDRA::get_Deklaracja(IDeklaracja2** declaration) {
    return ComBoundary([&] {
        RequireOut(declaration);
        *declaration = nullptr;
        CheckHost(RequireDeclaration()->QueryInterface(IidOf<IDeklaracja2>(), reinterpret_cast<void**>(declaration)));
    });
}

HRESULT CDRA::Przelicz(IDeklaracja2* pDekl) {
    return ComBoundary([&] {
        declaration_ = pDekl;
        RequireDeclaration();
        // A new calculation starts from nothing: the sums of an earlier run on this service stay out.
        SumyDRA_.clear();
        RejestrOsob_.clear();
        RentowePlatnikaKesz_ = CY{0};
        LiczbaRaportow_ = {};
        try {
            Progress(&IDeklaracja2::WillAction, u"Wyliczanie deklaracji DRA");
            UsunZalaczniki();
            CzytajUstawienia();
            Inicjuj();
            GenerujZalaczniki();
            UstawTerminPlatnosci();
            KorygujDlaOsoby();
            Sumuj();
            Progress(&IDeklaracja2::ActionCompleted, u"Wyliczono deklarację DRA");
        } catch (const ComError& e) {
            // The user sees the failure among the progress texts; the caller gets it too, so that a
            // half-computed DRA is never taken for a computed one.
            Progress(&IDeklaracja2::ActionFailed,
                     FormatString(u"Błąd wyliczania deklaracji: %s", e.Description().c_str()).c_str());
            throw;
        } catch (...) {
            Progress(&IDeklaracja2::ActionFailed, u"Błąd wyliczania deklaracji DRA");
            throw;
        }
    });
}

HRESULT CDRA::put_Wartosc(PoleDRAEnum iPole, CY amount) {
    return ComBoundary([&] { SumyDRA_[iPole] += CMoney::FromCurrency(amount).AsDouble(); });
}

// The KEDU export members answer with the KEDU subsystem's documents, made for this service's session
// on first use and kept, with the file copy component they hold, for the service's life.
IKeduDocuments* CDRA::KeduDocuments() {
    if (!keduDocuments_) CheckHost(CreateKeduDocuments(GetSession().Get(), keduDocuments_.Out()));
    return keduDocuments_.Get();
}

// A DRA is written under no identifier its form refuses: the check comes before any file is touched.
void CDRA::SprawdzDoEksportu(LONG id) {
    tlx::ComPtr<IDispatch> item;
    CheckHost(GetSession()->CreateObject(tlx::Bstr(tlx::GuidToText(CLSID_Deklaracje)).Get(),
                                         tlx::Variant::FromString(LongToString(id).View()), item.Out()));
    tlx::ComPtr<IDeklaracja2> declaration = item.As<IDeklaracja2>();
    if (!declaration) RaiseHResult(E_POINTER);
    CheckHost(SprawdzIdentyfikatorDRA(declaration.Get()));
}

HRESULT CDRA::ExportToXML(LONG lDeklID, BSTR fileName) {
    return ComBoundary([&] {
        SprawdzDoEksportu(lDeklID);
        CheckHost(KeduDocuments()->ExportToXML(lDeklID, fileName));
    });
}
HRESULT CDRA::ExportToXMLCIV(LONG lDeklID, BSTR fileName, BSTR appPath) {
    return ComBoundary([&] {
        SprawdzDoEksportu(lDeklID);
        CheckHost(KeduDocuments()->ExportToXMLCIV(lDeklID, fileName, appPath));
    });
}
HRESULT CDRA::NaglowekXML(BSTR* header) {
    return ComBoundary([&] {
        RequireOut(header);
        *header = nullptr;
        CheckHost(KeduDocuments()->NaglowekXML(header));
    });
}
HRESULT CDRA::ToXML(LONG lDeklID, BSTR* body) {
    return ComBoundary([&] {
        RequireOut(body);
        *body = nullptr;
        SprawdzDoEksportu(lDeklID);
        CheckHost(KeduDocuments()->ToXML(lDeklID, body));
    });
}
HRESULT CDRA::FormatEksportu(LONG lDeklID, FormatEksportuZUSEnum* format) {
    return ComBoundary([&] {
        RequireOut(format);
        CheckHost(KeduDocuments()->FormatEksportu(lDeklID, format));
    });
}

HRESULT CDRA::get_RentowePlatnikaKesz(CY* amount) {
    return ComBoundary([&] { *RequireOut(amount) = RentowePlatnikaKesz_; });
}

HRESULT CDRA::put_RentowePlatnikaKesz(CY amount) {
    return ComBoundary([&] { RentowePlatnikaKesz_ = amount; });
}

HRESULT CDRA::RegisterPrac(IDispatch* pIdent, DATE _Data, double _Wymiar) {
    return ComBoundary([&] {
        if (!pIdent) RaiseHResult(E_POINTER);
        tlx::ComPtr<IIdentity> identity = tlx::ComPtr<IDispatch>(pIdent).As<IIdentity>();
        if (!identity) RaiseHResult(E_NOINTERFACE);
        LONG id = 0;
        CheckHost(identity->get_ID(&id));
        DraOsoba& osoba = RejestrOsob_[id];

        tlx::ComPtr<IPracownik> employee = tlx::ComPtr<IDispatch>(pIdent).As<IPracownik>();
        if (!employee) RaiseHResult(E_NOINTERFACE);
        tlx::ComPtr<IPracEtat> etat;
        CheckHost(employee->GetEtat(_Data, tlx::Variant(), etat.Out()));
        if (!etat) RaiseHResult(E_POINTER);
        tlx::ComPtr<IUbezpieczenie> ubezpieczenie = RequireHostLink(etat.Get(), &IPracEtat::get_Ubezpieczenie);
        tlx::ComPtr<IKodTytulu> tytul = RequireHostLink(ubezpieczenie.Get(), &IUbezpieczenie::get_KodTytulu);
        const LONG kod = ReadHost(tytul.Get(), &IKodTytulu::get_Kod);
        // Owners and their collaborators (05xx) are not counted among the employed, except 0580 and 0581.
        if (kod / 100 == 5 && kod != 580 && kod != 581) return;
        if (osoba.data < CDate(_Data)) osoba = {CDate(_Data), _Wymiar};
    });
}

IDeklaracja2* CDRA::RequireDeclaration() const {
    if (!declaration_) RaiseHResult(E_POINTER);
    return declaration_;
}

void CDRA::Progress(HRESULT (IDeklaracja2::*event)(BSTR), const char16_t* text) const {
    tlx::Bstr message(text);
    CheckHost((RequireDeclaration()->*event)(message.Get()));
}

void CDRA::UsunZalaczniki() {
    tlx::ComPtr<ICollection> children = Children(RequireDeclaration());
    // Only the kinds the calculation makes go: anything else the user put under the DRA (a hand-filled
    // RGA), stored or not, is no calculation's to remove.
    zalaczniki_.clear();
    auto wyliczone = [&] {
        std::vector<tlx::ComPtr<IDeklaracja2>> raporty;
        for (const auto& child : Zalaczniki()) {
            const LONG typ = ReadDeclarationLong(child.Get(), &IDeklaracja::get_TypDeklar);
            if (typ >= kTypRCA && typ <= kTypRSA) raporty.push_back(child);
        }
        return raporty;
    };
    for (const auto& child : wyliczone()) RemoveChild(children.Get(), child.Get());
    if (!wyliczone().empty()) RaiseComError(E_FAIL, u"Nie można usunąć poprzednich załączników deklaracji DRA.");
    // The reports an earlier calculation added and nobody saved are not among the stored children, and a
    // new service of the form's next calculation does not know them: the collection finds them by their
    // kind and their link to this DRA, and they are dropped with everything they hold.
    const LONG id = ReadDeclarationLong(RequireDeclaration(), &IDeklaracja::get_ID);
    for (LONG typ = kTypRCA; typ <= kTypRSA; ++typ) {
        const tlx::Variant klucz = tlx::Variant::FromString(u"DkN_ParentID=" + LongToString(id).Str() +
                                                            u" AND DkN_TypDeklar=" + LongToString(typ).Str());
        std::vector<tlx::ComPtr<IUnknown>> usuniete;  // held, so that no address is taken by another
        for (;;) {
            tlx::ComPtr<IDispatch> item;
            const HRESULT hr = children->Item(klucz, item.Out());
            if (hr == HOST_E_NOROW) break;
            CheckHost(hr);
            tlx::ComPtr<IDeklaracja2> raport = item.As<IDeklaracja2>();
            if (!raport) RaiseHResult(E_POINTER);
            // A report removed and found again would be walked for ever.
            tlx::ComPtr<IUnknown> tozsamosc = raport.As<IUnknown>();
            if (std::find(usuniete.begin(), usuniete.end(), tozsamosc) != usuniete.end())
                RaiseComError(E_FAIL, u"Nie można usunąć poprzednich załączników deklaracji DRA.");
            usuniete.push_back(tozsamosc);
            RemoveChild(children.Get(), raport.Get());
        }
    }
}

namespace {

tlx::Variant Setting(IKonfiguracja* konfiguracja, const char16_t* key, const CDate& date) {
    tlx::ComPtr<IParametr> parametr;
    CheckHost(konfiguracja->GetParametr(tlx::Bstr(key).Get(), date.Value(), parametr.Out()));
    if (!parametr) RaiseHResult(E_POINTER);
    tlx::Variant value;
    CheckHost(parametr->get_Value(value.Out()));
    return value;
}

bool SettingFlag(IKonfiguracja* konfiguracja, const char16_t* key, const CDate& date) {
    return SettingFlagValue(key, Setting(konfiguracja, key, date));
}

CMoney SettingMoney(IKonfiguracja* konfiguracja, const char16_t* key, const CDate& date) {
    return ConvertSetting(key, Setting(konfiguracja, key, date), u"liczbą",
                          [](const tlx::Variant& v) { return CMoney(v); });
}

long SettingLong(IKonfiguracja* konfiguracja, const char16_t* key, const CDate& date) {
    return ConvertSetting(key, Setting(konfiguracja, key, date), u"liczbą całkowitą",
                          [](const tlx::Variant& v) { return static_cast<long>(ConvertVariant(v, VT_I4).lVal); });
}

}  // namespace

void CDRA::CzytajUstawienia() {
    tlx::ComPtr<IPracownik> pracownik = GetPracownik();
    MaPracownika_ = static_cast<bool>(pracownik);
    konfiguracja_ = CreateHostConfiguration(GetSession().Get());
    IKonfiguracja* k = konfiguracja_.Get();
    const CDate okres = GetKoniecOkresu();
    const CDate brak;
    DraUstawienia u;
    u.LiczZasilki = SettingFlag(k, u"/Firma/Płace/ZUS/Licz zasiłki", okres);
    u.ProcentWypad = SettingMoney(k, u"/Firma/Płace/ZUS/Procent wypad", okres);
    if (MaPracownika_) {
        // A person with an accident rate of his own pays it rather than the company's.
        tlx::ComPtr<IPracEtat> etat;
        CheckHost(pracownik->GetEtat(okres.Value(), tlx::Variant(), etat.Out()));
        if (etat) {
            tlx::ComPtr<IPracDaneZus> zus = ReadHostLink(etat.Get(), &IPracEtat::get_WymiarEtatu);
            if (zus && ReadHost(zus.Get(), &IPracDaneZus::get_WlasnaStopa) == 1)
                u.ProcentWypad = CMoney(ReadHost(zus.Get(), &IPracDaneZus::get_StopaWypadkowa));
        }
    }
    u.ProcentFP = SettingMoney(k, u"/Program/Płace/Zus/Procent fp", okres);
    u.ProcentFGSP = SettingMoney(k, u"/Program/Płace/Zus/Procent fgsp", okres);
    u.WynagrodzenieChorobowe = SettingMoney(k, u"/Firma/Płace/Zus/Wynagrodzenie chorobowe", okres);
    u.WynagrodzenieZdrowotne = SettingMoney(k, u"/Firma/Płace/Zus/Wynagrodzenie zdrowotne", okres);
    u.SklFPiFGSPOdSumyPodstaw = SettingFlag(k, u"/Firma/Płace/Zus/SklFPiFGSPOdSumyPodstaw", okres);
    u.LiczRNA = SettingFlag(k, u"/Firma/Płace/ZUS/LiczRNA", okres);
    u.GenZeroweRCAdlaNowozatrPrac = SettingFlag(k, u"/Firma/Płace/Parametry/GenZeroweRCAdlaNowozatrPrac", brak);
    u.ZerowerRCADlaZlecBezWypl = SettingFlag(k, u"/Firma/Płace/Parametry/ZerowerRCADlaZlecBezWypl", brak);
    if (!MaPracownika_) {
        switch (SettingLong(k, u"/Firma/Płace/ZUS/Status Refundacji", okres)) {
        case 2: u.StatusRefundacji = 2; break;
        case 3: u.StatusRefundacji = 1; break;
        case 4: u.StatusRefundacji = 3; break;
        default: u.StatusRefundacji = 0; break;
        }
    }
    if (!SettingFlag(k, u"/Firma/Płace/ZUS/Wynagrodzenie za świadczenia ZUS", okres)) u.WynagrodzenieChorobowe = CMoney();
    if (!SettingFlag(k, u"/Firma/Płace/ZUS/Wynagrodzenie za ubezp.zdrowotne", okres)) u.WynagrodzenieZdrowotne = CMoney();
    u.TerminSkladania = SettingLong(k, kTerminKey, okres);
    ustawienia_ = u;
}

void CDRA::Inicjuj() {
    try {
        Progress(&IDeklaracja2::WillAction, u"Inicjowanie deklaracji DRA");
        WypelnijDaDraIDipl();
        Progress(&IDeklaracja2::ActionCompleted, u"Inicjowanie deklaracji DRA zakończone");
    } catch (...) {
        Progress(&IDeklaracja2::ActionFailed, u"Błąd inicjowania deklaracji DRA");
        throw;
    }
}

void CDRA::GenerujZalaczniki() {
    // The many small reads of the persons' reports share one read of the company file per connection
    // rather than one each; a write lets them go first.
    tlx::ado::SharedReads razem;
    // The reports of each person share what they read through this calculation's memory, let go at its end.
    CPamiecDRA pamiec;
    pamiec.UstawOsobeDRA(GetPracownik());
    pamiec_ = &pamiec;
    struct Koniec {
        CPamiecDRA*& pamiec;
        ~Koniec() { pamiec = nullptr; }
    } koniec{pamiec_};
    CDraZalaczniki zalaczniki(GetSession().Get(), this, RequireDeclaration(), ustawienia_, MaPracownika_);
    zalaczniki.Generuj(LiczbaRaportow_, indeksRCA_, zalaczniki_);
}

void CDRA::KorygujDlaOsoby() {
    tlx::ComPtr<IPracownik> pracownik = GetPracownik();
    if (!pracownik) return;
    if (VariantToMoneyOr(FieldValue(RequireDeclaration(), u"ZWDRAKWBUD").Detach(), 0.0).AsCurrency().int64 > 0) return;
    // An owner who files for cooperating persons keeps their reports attached.
    tlx::ComPtr<ICollection> wspolpracujace =
        RequireHostLink<IPracownikDane>(pracownik.Get(), &IPracownikDane::get_OsobyWspolpracujace);
    if (Count(wspolpracujace.Get()) > 0) return;
    for (const auto& child : Zalaczniki()) {
        const LONG wersja = ReadDeclarationLong(child.Get(), &IDeklaracja::get_Wersja);
        PrzeniesRaportDoDddu(child.Get(), 1, wersja == 2 ? UkladRaportu::Wersja2 : UkladRaportu::Zwykly);
    }
    const long termin = VariantToLongOr(FieldValue(RequireDeclaration(), u"DADRATERMIN").Detach(), 0);
    const LONG nowy = termin == tdzPozostali15 ? tdzWspolnicy15 : tdzOsobaFizyczna10;
    CheckHost(RequireDeclaration()->put_Wartosc(tlx::Bstr(u"DADRATERMIN").Get(), tlx::Variant::FromLong(nowy)));
}

void CDRA::Sumuj() {
    try {
        Progress(&IDeklaracja2::WillAction, u"Sumowanie wartości");
        const LONG wersja = ReadDeclarationLong(RequireDeclaration(), &IDeklaracja::get_Wersja);
        CDraSumy sumy(RequireDeclaration(), SumyDRA_, RejestrOsob_, ustawienia_, LiczbaRaportow_);
        if (wersja == 4)
            sumy.SumujWartosciV4();
        else
            sumy.SumujWartosci(wersja);
        Progress(&IDeklaracja2::ActionCompleted, u"Sumowanie wartości zakończone");
    } catch (...) {
        Progress(&IDeklaracja2::ActionFailed, u"Błąd sumowania wartości");
        throw;
    }
}

void CDRA::UstawTerminPlatnosci() {
    tlx::ComPtr<IDispatch> payment;
    CheckHost(RequireDeclaration()->get_PlatnoscDokumentu(payment.Out()));
    tlx::ComPtr<IPlatnosc> platnosc = payment.As<IPlatnosc>();
    if (!platnosc) RaiseHResult(E_POINTER);
    tlx::ComPtr<IKonfiguracja> konfiguracja = CreateHostConfiguration(OpenLoginSession().As<ISession>().Get());
    const int rok = ReadDeclarationLong(RequireDeclaration(), &IDeklaracja::get_Rok);
    const int miesiac = ReadDeclarationLong(RequireDeclaration(), &IDeklaracja::get_Miesiac);
    const long termin = SettingLong(konfiguracja.Get(), kTerminKey, CDate(miesiac, 1, rok));
    CheckHost(platnosc->put_Termin(CDate(miesiac + 1, DzienPlatnosci(termin), rok).Value()));
}

tlx::ComPtr<IPracownik> CDRA::GetPracownik() const {
    tlx::ComPtr<IDispatch> person;
    const HRESULT hr = RequireDeclaration()->get_Pracownik(person.Out());
    if (hr == kHostMissingRecord) return nullptr;
    CheckHost(hr);
    tlx::ComPtr<IPracownik> pracownik = person.As<IPracownik>();
    if (!pracownik) RaiseHResult(E_POINTER);
    return pracownik;
}

std::vector<tlx::ComPtr<IDeklaracja2>> CDRA::Zalaczniki() {
    std::vector<tlx::ComPtr<IDeklaracja2>> all = ChildrenSnapshot(Children(RequireDeclaration()).Get());
    std::set<IUnknown*> seen;
    for (const auto& child : all) seen.insert(child.As<IUnknown>().Get());
    for (const auto& child : zalaczniki_)
        if (seen.insert(child.As<IUnknown>().Get()).second) all.push_back(child);
    return all;
}

CDate CDRA::GetKoniecOkresu() const {
    const int rok = ReadDeclarationLong(RequireDeclaration(), &IDeklaracja::get_Rok);
    const int miesiac = ReadDeclarationLong(RequireDeclaration(), &IDeklaracja::get_Miesiac);
    return CDate(miesiac + 1, 0, rok);
}

void CDRA::WypelnijDaDraIDipl() {
    tlx::ComPtr<IKeduDokument> document = DeclarationDocument(RequireDeclaration());
    if (ustawienia_.TerminSkladania != tdzBrak)
        CheckHost(DocumentBlock(document.Get(), u"DADRA")
                      ->put_Item(1, 0, tlx::Variant::FromLong(static_cast<LONG>(ustawienia_.TerminSkladania))));
    tlx::ComPtr<IKeduBlok> dipl = DocumentBlock(document.Get(), u"DIPL");
    // The person's record at the month's end names the payer of an owner's DRA; without one, the company.
    tlx::ComPtr<IPracEtat> etat;
    try {
        if (tlx::ComPtr<IPracownik> pracownik = GetPracownik()) {
            tlx::ComPtr<ICollection> historia = ReadHostLink<IPracownikDane>(pracownik.Get(), &IPracownikDane::get_historia);
            tlx::ComPtr<IDispatch> item;
            if (historia && SUCCEEDED(historia->Item(GetKoniecOkresu().ToVariant(), item.Out())) && item)
                etat = item.As<IPracEtat>();
        }
    } catch (const ComError&) {
        etat = nullptr;
    }
    CDiplBuilder(konfiguracja_.Get(), etat.Get(), MaPracownika_).Fill(dipl.Get());
    // The payer's texts as long as their KEDU elements take: ZUS would refuse the whole file.
    const struct {
        LONG pozycja;
        unsigned najwyzej;
        const char16_t* opis;
    } teksty[] = {{5, 9, u"Płatnik: numer dokumentu tożsamości"},
                  {6, 31, u"Płatnik: nazwa skrócona"},
                  {7, 31, u"Płatnik: nazwisko"},
                  {8, 22, u"Płatnik: imię"}};
    for (const auto& tekst : teksty) {
        tlx::Variant value;
        CheckHost(dipl->get_Item(tekst.pozycja, 0, value.Out()));
        SprawdzDlugosc(VariantToBstrOr(value.Detach(), CBstr(u"")), tekst.najwyzej, tekst.opis);
    }
}

void CDRA::PrzeniesRaportDoDddu(IDeklaracja2* raport, LONG tryb, UkladRaportu uklad) {
    if (!raport) RaiseHResult(E_POINTER);
    const LONG typ = ReadDeclarationLong(raport, &IDeklaracja::get_TypDeklar);
    if (tryb == 2 && typ != kTypRCA && typ != kTypRNA) return;
    if (tryb == 1 && (typ < kTypRCA || typ > kTypRSA)) return;
    tlx::ComPtr<IKeduDokument> document = DeclarationDocument(raport);

    struct Kopia {
        const char16_t* pole;
        LONG pozycja;
    };
    auto przenies = [&](const char16_t* blok, std::initializer_list<Kopia> kopie) {
        tlx::ComPtr<IKeduBlok> block = DocumentBlock(document.Get(), blok);
        for (const Kopia& k : kopie) {
            tlx::Variant value;
            CheckHost(block->get_Item(k.pozycja, 0, value.Out()));
            CheckHost(RequireDeclaration()->put_Wartosc(tlx::Bstr(k.pole).Get(), value));
        }
    };
    const bool wersja2 = uklad == UkladRaportu::Wersja2;
    if ((tryb == 1 || tryb == 2) && typ == kTypRCA) {
        if (wersja2)
            przenies(u"DDORCA1", {{u"DDDUTYUB", 5}, {u"DDDUPODSTAWAER", 8}, {u"DDDUPODSTAWACW", 29},
                                  {u"DDDUPODSTAWACW2", 30}, {u"DDDUPODSTAWAZ", 10}, {u"DDDUPRZEKROCZ", 6}});
        else
            przenies(u"DDORCA1", {{u"DDDUTYUB", 5}, {u"DDDUPODSTAWAER", 8}, {u"DDDUPODSTAWACW", 9},
                                  {u"DDDUPODSTAWAZ", 10}, {u"DDDUPRZEKROCZ", 6}});
        LiczbaRaportow_[indeksRCA_] = 0;
    } else if ((tryb == 1 || tryb == 2) && typ == kTypRNA) {
        if (wersja2)
            przenies(u"DDORNA1", {{u"DDDUTYUB", 5}, {u"DDDUPODSTAWAER", 8}, {u"DDDUPODSTAWACW", 9},
                                  {u"DDDUPODSTAWACW2", 9}, {u"DDDUPODSTAWAZ", 10}, {u"DDDUPRZEKROCZ", 6}});
        else
            przenies(u"DDORNA1", {{u"DDDUTYUB", 5}, {u"DDDUPODSTAWAER", 8}, {u"DDDUPODSTAWACW", 9},
                                  {u"DDDUPODSTAWAZ", 10}, {u"DDDUPRZEKROCZ", 6}});
        LiczbaRaportow_[indeksRCA_] = 0;
    } else if (tryb == 1 && typ == kTypRZA) {
        przenies(u"DDORZA1", {{u"DDDUTYUB", 5}, {u"DDDUPODSTAWAZ", 6}});
        LiczbaRaportow_[kRaportRZA] = 0;
    }
    RemoveChild(Children(RequireDeclaration()).Get(), raport);
    tlx::ComPtr<IUnknown> moved = tlx::ComPtr<IDeklaracja2>(raport).As<IUnknown>();
    std::erase_if(zalaczniki_, [&](const auto& child) { return child.template As<IUnknown>().Get() == moved.Get(); });
}
