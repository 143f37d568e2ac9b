#include "mv_deklaracje/zus/DraZalaczniki.h"

#include "hostapi/Collections.h"
#include "mv_deklaracje/core/CollectionEnumerator.h"
#include "mv_deklaracje/core/HostServices.h"
#include "mv_deklaracje/core/RecordsetValues.h"
#include "mv_deklaracje/core/VariantHelpers.h"
#include "mv_deklaracje/zus/DraHostReads.h"
#include "mv_deklaracje/zus/HostReads.h"

namespace {

// A generator class the session cannot make: its reports are left out.
constexpr HRESULT kClassNotAvailable = static_cast<HRESULT>(0x80040206);
// No walk over the cards linked to one person goes further than this.
constexpr LONG kMaxAssociates = 10'000;

constexpr char16_t kIdentyfikator[] = u"Brak wypełnionego identyfikatora dla pracownika: ";

bool AtEnd(Recordset* rows) {
    VARIANT_BOOL eof = VARIANT_TRUE;
    CheckHost(rows->get_EOF(&eof));
    return eof != VARIANT_FALSE;
}

// The value of a column by its place in the row (the queries name some columns by an expression).
tlx::Variant Column(Recordset* rows, LONG index) {
    tlx::ComPtr<Fields> fields;
    CheckHost(rows->get_Fields(fields.Out()));
    if (!fields) RaiseHResult(E_POINTER);
    tlx::ComPtr<Field> field;
    CheckHost(fields->get_Item(tlx::Variant::FromLong(index), field.Out()));
    if (!field) RaiseHResult(E_POINTER);
    tlx::Variant value;
    CheckHost(field->get_Value(value.Out()));
    return value;
}

tlx::ComPtr<IPracownikDane> Osoba(LONG id) {
    tlx::ComPtr<IPracownikDane> osoba = OpenEmployeeInNewSession(id).As<IPracownikDane>();
    if (!osoba) RaiseHResult(E_POINTER);
    return osoba;
}

bool Empty(IPracEtat* etat, HRESULT (IPracEtat::*get)(BSTR*)) {
    tlx::Bstr text;
    CheckHost((etat->*get)(text.Out()));
    return text.View().empty();
}

}  // namespace

CDraZalaczniki::CDraZalaczniki(ISession* session, IDRA* dra, IDeklaracja2* deklaracja, const DraUstawienia& ustawienia,
                               bool maPracownika)
    : session_(session), dra_(dra), deklaracja_(deklaracja), ustawienia_(ustawienia), maPracownika_(maPracownika) {
    if (!session_ || !dra_ || !deklaracja_) RaiseHResult(E_POINTER);
    rok_ = ReadDeclarationLong(deklaracja_, &IDeklaracja::get_Rok);
    miesiac_ = ReadDeclarationLong(deklaracja_, &IDeklaracja::get_Miesiac);
    koniecMiesiaca_ = CDate(miesiac_, DaysInMonth(miesiac_, rok_), rok_);
    DATE dataDok = 0;
    CheckHost(deklaracja_->get_DataDok(&dataDok));
    dataDok_ = CDate(dataDok);
}

void CDraZalaczniki::Generuj(DraLiczbaRaportow& raporty, int& indeksRCA,
                             std::vector<tlx::ComPtr<IDeklaracja2>>& zalaczniki) {
    indeksRCA = kRaportRCA;
    if (!ustawienia_.LiczZasilki && ustawienia_.LiczRNA) {
        rca_ = UtworzRaport(CLSID_RNA);
        indeksRCA = kRaportRNA;
    } else {
        rca_ = UtworzRaport(CLSID_RCA);
    }
    rza_ = UtworzRaport(CLSID_RZA);
    rsa_ = UtworzRaport(CLSID_RSA);
    if (maPracownika_) {
        ZrodloOsoby();
    } else {
        if (ustawienia_.ZerowerRCADlaZlecBezWypl) ZrodloZerowe();
        ZrodloWyplat();
        if (ustawienia_.GenZeroweRCAdlaNowozatrPrac) ZrodloNowozatrudnionych();
    }
    // A generator that answers 0 has dropped its report from the DRA.
    auto finish = [&](IDRAExt* raport) {
        if (!raport) RaiseHResult(E_POINTER);
        LONG kept = 0;
        CheckHost(raport->Finish(&kept));
        auto made = utworzone_.find(raport);
        tlx::ComPtr<IDeklaracja2> report = kept && made != utworzone_.end() ? made->second : nullptr;
        return std::pair{static_cast<long>(kept), report};
    };
    auto [rza, raportRZA] = finish(rza_.Get());
    auto [rsa, raportRSA] = finish(rsa_.Get());
    auto [rca, raportRCA] = finish(rca_.Get());
    raporty[kRaportRZA] = rza;
    raporty[kRaportRSA] = rsa;
    raporty[indeksRCA] = rca;
    if (maPracownika_ && BezOsobPowiazanych()) {
        // The count and the attached reports agree: an owner's DRA without associates files no RSA.
        raporty[kRaportRSA] = 0;
        if (raportRSA) {
            CheckHost(raportRSA->ResyncKolekcje());
            CheckHost(raportRSA->ResetScript());
            tlx::ComPtr<IDispatch> children;
            CheckHost(deklaracja_->get_Deklaracje(children.Out()));
            tlx::ComPtr<ICollection> collection = children.As<ICollection>();
            if (!collection) RaiseHResult(E_POINTER);
            CheckHost(collection->Delete(tlx::Variant::FromDispatch(raportRSA.Get())));
            raportRSA = nullptr;
        }
    }
    for (auto* report : {&raportRCA, &raportRZA, &raportRSA})
        if (*report) zalaczniki.push_back(*report);
}

// Whether the declaration's person files for no cooperating person; a declaration naming nobody answers
// false.
bool CDraZalaczniki::BezOsobPowiazanych() {
    tlx::ComPtr<IDispatch> person;
    const HRESULT hr = deklaracja_->get_Pracownik(person.Out());
    if (hr == kHostMissingRecord) return false;
    CheckHost(hr);
    tlx::ComPtr<IPracownikDane> osoba = person.As<IPracownikDane>();
    if (!osoba) RaiseHResult(E_POINTER);
    tlx::ComPtr<ICollection> wspolpracujace = RequireHostLink(osoba.Get(), &IPracownikDane::get_OsobyWspolpracujace);
    LONG count = 0;
    CheckHost(wspolpracujace->get_Count(&count));
    return count == 0;
}

tlx::ComPtr<IDRAExt> CDraZalaczniki::UtworzRaport(const CLSID& clsid) {
    tlx::ComPtr<IDispatch> object;
    const HRESULT hr =
        session_->CreateObject(tlx::Bstr(tlx::GuidToText(clsid)).Get(), tlx::Variant::Missing(), object.Out());
    if (hr == kClassNotAvailable) return nullptr;
    CheckHost(hr);
    tlx::ComPtr<IDRAExt> raport = object.As<IDRAExt>();
    if (!raport) RaiseHResult(E_NOINTERFACE);
    CheckHost(raport->put_DRA(dra_));
    return raport;
}

bool CDraZalaczniki::CzyLiczycRSA(IPracownikDane* osoba) {
    tlx::ComPtr<ICollection> wyplaty = RequireHostLink(osoba, &IPracownikDane::get_Wyplaty);
    for (CCollectionEnumerator<IWyplata> each(wyplaty.Get()); auto wyplata = each.Current(); each.MoveNext()) {
        const LONG tryb = ReadHost(wyplata.Get(), &IWyplata::get_Tryb);
        if (ReadHost(wyplata.Get(), &IWyplata::get_Aktywna) == 0 || tryb == 1 || tryb == 2) continue;
        tlx::ComPtr<IOkres> okres = ReadHostLink(wyplata.Get(), &IWyplata::get_Okres);
        if (!okres) continue;
        const CDate od(ReadHost(okres.Get(), &IOkres::get_DataOd));
        const CDate doDnia(ReadHost(okres.Get(), &IOkres::get_DataDo));
        if (od.IsEmpty() || doDnia.IsEmpty() || od.GetMonth() != miesiac_ || doDnia.GetMonth() != miesiac_) continue;
        tlx::ComPtr<IOkresowy> rokMiesiac = ReadHostLink(wyplata.Get(), &IWyplata::get_RokMiesiac);
        if (!rokMiesiac) continue;
        const LONG k = ReadHost(rokMiesiac.Get(), &IOkresowy::get_Miesiac);
        if ((k == 1 && miesiac_ == 12) || k == miesiac_ + 1) return true;
    }
    return false;
}

void CDraZalaczniki::ZrodloOsoby() {
    tlx::ComPtr<IDispatch> person;
    CheckHost(deklaracja_->get_Pracownik(person.Out()));
    tlx::ComPtr<IPracownikDane> osoba = person.As<IPracownikDane>();
    if (!osoba) RaiseHResult(E_POINTER);
    SprawdzIdentyfikator(osoba.Get());
    Policz(rca_.Get(), osoba.Get(), 1);
    Policz(rza_.Get(), osoba.Get(), 1);
    Policz(rsa_.Get(), osoba.Get(), 1);
    tlx::ComPtr<ICollection> wspolpracujace = RequireHostLink(osoba.Get(), &IPracownikDane::get_OsobyWspolpracujace);
    // The owner was computed above: a card naming itself is not computed twice.
    std::set<LONG> visited{ReadHost(osoba.Get(), &IPracownikDane::get_ID)};
    LONG walked = 0;
    for (CCollectionEnumerator<IPracownikDane> each(wspolpracujace.Get()); auto item = each.Current();
         each.MoveNext()) {
        if (++walked > kMaxAssociates) break;
        const LONG id = ReadHost(item.Get(), &IPracownikDane::get_ID);
        if (!visited.insert(id).second) continue;
        tlx::ComPtr<IPracownikDane> p = Osoba(id);
        tlx::ComPtr<IPracEtat> etat = Etat(p.Get(), dataDok_);
        tlx::ComPtr<IOkres> okres = etat ? ReadHostLink(etat.Get(), &IPracEtat::get_OkresWaznosci) : nullptr;
        DATE koniec = 0;
        if (okres) CheckHost(okres->get_DataDo(&koniec));
        // An open record (no end) runs past every month's end.
        if (koniec == 0 || !(CDate(koniec) < koniecMiesiaca_)) SprawdzIdentyfikator(p.Get());
        Policz(rsa_.Get(), p.Get(), 1);
        LONG zerowe = 0;
        CheckHost(rsa_->get_GenerujZeroweRCA(&zerowe));
        if (!rca_) RaiseHResult(E_POINTER);
        CheckHost(rca_->put_GenerujZeroweRCA(zerowe));
        Policz(rca_.Get(), p.Get(), 1);
        Policz(rza_.Get(), p.Get(), 1);
    }
}

void CDraZalaczniki::ZrodloZerowe() {
    const std::u16string d = u"'" + LongToString(rok_).Str() + (miesiac_ < 10 ? u"0" : u"") +
                             LongToString(miesiac_).Str() + u"01'";
    const std::u16string sql = u"declare @dat datetime set @dat  =  DATEADD(day, -1, DATEADD(month, 1, " + d +
                               u"))exec tlx.ZeroweRcaRza " + d + u", @dat , " +
                               (ustawienia_.GenZeroweRCAdlaNowozatrPrac ? u"1" : u"0");
    tlx::ComPtr<Recordset> rows = Otworz(sql);
    for (; !AtEnd(rows.Get()); CheckHost(rows->MoveNext())) {
        LONG flaga = VariantToLongOr(ReadRecordsetValue(rows.Get(), u"id").Detach(), 0);
        if (flaga == 1) flaga = -1;
        const LONG id = VariantToLongOr(ReadRecordsetValue(rows.Get(), u"UMW_PraId").Detach(), 0);
        const std::u16string rodzaj = VariantToBstrOr(ReadRecordsetValue(rows.Get(), u"rodzaj").Detach(), CBstr(u"")).Str();
        tlx::ComPtr<IPracownikDane> osoba = Osoba(id);
        SprawdzIdentyfikator(osoba.Get());
        if (rodzaj == u"RCA")
            PoliczLubZglos(rca_.Get(), u"RCA", osoba.Get(), flaga);
        else
            PoliczLubZglos(rza_.Get(), u"RZA", osoba.Get(), flaga);
    }
    CheckHost(rows->Close());
}

void CDraZalaczniki::ZrodloWyplat() {
    const std::u16string sql =
        u"select distinct (case when pra_parentid is null then pra_praid else pra_parentid end) as wpl_praid from "
        u"tlx.wypelementy join tlx.wyplaty on wpl_wplid = wpe_wplid and wpl_tryb not in (1,2) join tlx.listyplac on "
        u"lpl_lplid = wpl_lplid join tlx.prackod on wpl_praid = pra_praid where lpl_miesiac = " +
        LongToString(miesiac_).Str() + u" and lpl_rok = " + LongToString(rok_).Str();
    tlx::ComPtr<Recordset> rows = Otworz(sql);
    for (; !AtEnd(rows.Get()); CheckHost(rows->MoveNext())) {
        const LONG id = VariantToLongOr(Column(rows.Get(), 0).Detach(), 0);
        tlx::ComPtr<IPracownikDane> osoba = Osoba(id);
        tlx::ComPtr<IPracEtat> etat = Etat(osoba.Get(), dataDok_);
        if (!etat || ReadHost(etat.Get(), &IPracEtat::get_Wylaczony) == 0) SprawdzIdentyfikator(osoba.Get());
        PoliczLubZglos(rsa_.Get(), u"RSA", osoba.Get(), 1);
        LONG zerowe = 0;
        CheckHost(rsa_->get_GenerujZeroweRCA(&zerowe));
        zeroweRCA_[id] = zerowe;
        if (!rca_) RaiseHResult(E_POINTER);
        CheckHost(rca_->put_GenerujZeroweRCA(zerowe));
        LONG maWyplaty = 1;
        if (ustawienia_.GenZeroweRCAdlaNowozatrPrac) {
            tlx::ComPtr<IPracEtat> naKoniec = Etat(osoba.Get(), koniecMiesiaca_);
            if (!naKoniec || ReadHost(naKoniec.Get(), &IPracEtat::get_BezZerowegoRCA) != 1) maWyplaty = 0;
        }
        PoliczLubZglos(rca_.Get(), u"RCA", osoba.Get(), maWyplaty);
        if (maWyplaty == 0) zWyplata0_.insert(id);
        PoliczLubZglos(rza_.Get(), u"RZA", osoba.Get(), 1);
    }
    CheckHost(rows->Close());
}

void CDraZalaczniki::ZrodloNowozatrudnionych() {
    const std::u16string m = LongToString(miesiac_).Str(), r = LongToString(rok_).Str();
    const std::u16string sql =
        u"select distinct (case when pra_parentid is null then pra_praid else pra_parentid end) from(select (case "
        u"when pra_parentid is null then pra_praid else pra_parentid end) as wpl_praidRes, * from tlx.pracetaty join "
        u"tlx.prackod on pre_praid = pra_praid left outer join tlx.wyplaty on pra_praid = wpl_praid where "
        u"(Month(pre_zatrudnionyod)=" + m + u" and Year(pre_zatrudnionyod)=" + r + u" and Month(PRE_UBZZusOd)=" + m +
        u" and Year(PRE_UBZZusOd)=" + r + u")) a";
    tlx::ComPtr<Recordset> rows = Otworz(sql);
    for (; !AtEnd(rows.Get()); CheckHost(rows->MoveNext())) {
        const LONG id = VariantToLongOr(Column(rows.Get(), 0).Detach(), 0);
        tlx::ComPtr<IPracownikDane> osoba = Osoba(id);
        SprawdzIdentyfikator(osoba.Get());
        if (!rca_) RaiseHResult(E_POINTER);
        auto zapamietane = zeroweRCA_.find(id);
        CheckHost(rca_->put_GenerujZeroweRCA(zapamietane == zeroweRCA_.end() ? 1 : zapamietane->second));
        tlx::ComPtr<IPracEtat> naKoniec = Etat(osoba.Get(), koniecMiesiaca_);
        if ((naKoniec && ReadHost(naKoniec.Get(), &IPracEtat::get_BezZerowegoRCA) == 1) || zWyplata0_.contains(id))
            continue;
        try {
            Policz(rca_.Get(), osoba.Get(), 0);
            zWyplata0_.insert(id);
            if (CzyLiczycRSA(osoba.Get())) Policz(rsa_.Get(), osoba.Get(), 0);
        } catch (...) {
            CheckHost(deklaracja_->ActionFailed(
                tlx::Bstr(u"Błąd wyliczania załącznika RCA dla pracownika: " + Nazwa(osoba.Get())).Get()));
            throw;
        }
    }
    CheckHost(rows->Close());
}

void CDraZalaczniki::SprawdzIdentyfikator(IPracownikDane* osoba) {
    tlx::ComPtr<IPracEtat> etat = Etat(osoba, dataDok_);
    if (!etat) return;
    if (Empty(etat.Get(), &IPracEtat::get_Pesel) && Empty(etat.Get(), &IPracEtat::get_Paszport) &&
        Empty(etat.Get(), &IPracEtat::get_DowOsobisty))
        CheckHost(deklaracja_->SendMessage(tlx::Bstr(kIdentyfikator + Nazwa(osoba)).Get()));
}

void CDraZalaczniki::Policz(IDRAExt* raport, IPracownikDane* osoba, LONG maWyplaty) {
    if (!raport) RaiseHResult(E_POINTER);
    tlx::ComPtr<IDeklaracja> created;
    CheckHost(raport->Policz(osoba, maWyplaty, created.Out()));
    if (created && !utworzone_.contains(raport)) utworzone_[raport] = created.As<IDeklaracja2>();
}

void CDraZalaczniki::PoliczLubZglos(IDRAExt* raport, const char16_t* rodzaj, IPracownikDane* osoba, LONG maWyplaty) {
    try {
        Policz(raport, osoba, maWyplaty);
    } catch (...) {
        CheckHost(deklaracja_->ActionFailed(
            tlx::Bstr(u"Błąd wyliczania załącznika " + std::u16string(rodzaj) + u" dla pracownika: " + Nazwa(osoba))
                .Get()));
        throw;
    }
}

tlx::ComPtr<Recordset> CDraZalaczniki::Otworz(const std::u16string& sql) {
    return OpenSessionRows(session_.As<ISession2>().Get(), sql, adUseServer, adOpenForwardOnly, adLockReadOnly);
}

tlx::ComPtr<IPracEtat> CDraZalaczniki::Etat(IPracownikDane* osoba, const CDate& dzien) {
    tlx::ComPtr<IPracEtat> etat;
    CheckHost(osoba->GetEtat(dzien.Value(), tlx::Variant(), etat.Out()));
    return etat;
}

std::u16string CDraZalaczniki::Nazwa(IPracownikDane* osoba) {
    tlx::Bstr text;
    if (FAILED(osoba->get_PracownikTekst(text.Out()))) return DescribeEmployee(osoba);
    return std::u16string(text.View());
}
