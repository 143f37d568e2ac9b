#include "mv_deklaracje/pfron/Wnd3Documents.h"

#include <map>

#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/core/VariantHelpers.h"
#include "mv_deklaracje/pfron/PfronDeclaration.h"
#include "mv_deklaracje/pfron/PfronText.h"
#include "mv_deklaracje/pfron/SodFields.h"
#include "mv_deklaracje/pfron/SodWriter.h"

namespace {
constexpr std::u16string_view kEmptyDate = u"null";
constexpr long kYearWithoutDisabledFigures = 2014;  // version 6 after this year leaves two figures empty

// How a field's text is prepared for the document.
enum class Form { Text, Upper, Cut5, Cut10, Cut25, Cut30, Cut50, Cut250, Nip, Regon, PostalCode, Date, Money };
// Which versions read a field: every one, or only the WN-D versions 4 to 6 / the INF-D-P versions 6 to 8.
enum class Only { Always, Later };

struct Read {
    const char16_t* field;
    Form form;
    Only only = Only::Always;
};

bool IsLaterWnd(long version) { return version >= 4 && version <= 6; }
bool IsLaterInfdp(long version) { return version >= 6 && version <= 8; }

std::u16string NipDigits(std::u16string text) {
    std::erase_if(text, [](char16_t c) { return c == u' ' || c == u'-'; });
    return Cut(10, text);
}

std::u16string Prepare(IDeklaracja2* declaration, const Read& read) {
    switch (read.form) {
    case Form::Upper: {
        std::u16string text = FieldText(declaration, read.field);
        for (char16_t& c : text)
            if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
        return text;
    }
    case Form::Cut5: return Cut(5, FieldText(declaration, read.field));
    case Form::Cut10: return Cut(10, FieldText(declaration, read.field));
    case Form::Cut25: return Cut(25, FieldText(declaration, read.field));
    case Form::Cut30: return Cut(30, FieldText(declaration, read.field));
    case Form::Cut50: return Cut(50, FieldText(declaration, read.field));
    case Form::Cut250: return Cut(250, FieldText(declaration, read.field));
    case Form::Nip: return NipDigits(FieldText(declaration, read.field));
    case Form::Regon: return PadRight(FieldText(declaration, read.field), 14, u'0');
    case Form::PostalCode: return OrDefault(FieldText(declaration, read.field), u"00-000");
    case Form::Date: return FieldDate(declaration, read.field, kEmptyDate);
    case Form::Money: return FieldAmount(declaration, read.field);
    case Form::Text: break;
    }
    return FieldText(declaration, read.field);
}

// The prepared values of a document, by field name; a field its version does not read is empty.
class Values {
public:
    template <std::size_t N>
    Values(IDeklaracja2* declaration, const Read (&reads)[N], bool later) {
        for (const Read& read : reads)
            values_[read.field] = read.only == Only::Always || later ? Prepare(declaration, read) : std::u16string();
    }
    const std::u16string& operator[](std::u16string_view field) const { return values_.at(field); }
    void Clear(std::u16string_view field) { values_.at(field).clear(); }

private:
    std::map<std::u16string_view, std::u16string> values_;
};

// The WN-D's fields in the order they are read.
constexpr Read kWndReads[] = {
    {u"LICZBAINFDP", Form::Text},
    {u"NRPFRON", Form::Text},
    {u"OKRESSPRAWOZDAWCZY", Form::Text},
    {u"DATAWYPELNIENIA", Form::Date},
    {u"RODZAJINFORMACJI", Form::Text},
    {u"PKD", Form::Upper},
    {u"POCZTA", Form::Text},
    {u"PELNANAZWPRACODAWCY", Form::Text},
    {u"KODADRESU", Form::Text},
    {u"NOWOZATRUDNIENI", Form::Text},
    {u"WOKRESIEOGOLEM", Form::Text},
    {u"WOKRESIENIEPELNOSPRAWNI", Form::Text},
    {u"POPRZEDZAJACYOKRESNIEPELNOSPRAWNI", Form::Text},
    {u"POPRZEDZAJACYOKRESOGOLEM", Form::Text},
    {u"CZYPRZYROSTNETTO", Form::Text},
    {u"PELNOMOCNIK", Form::Text},
    {u"BIEZACYOKRESNIEPELNOSPRAWNI", Form::Text, Only::Later},
    {u"BIEZACYOKRESOGOLEM", Form::Text, Only::Later},
    {u"FORMAWLASNOSCI", Form::Text, Only::Later},
    {u"STATUSPRACODAWCYIP", Form::Text, Only::Later},
    {u"STATUSPRACODAWCYZAZ", Form::Text, Only::Later},
    {u"STATUSPRACODAWCYZPC", Form::Text, Only::Later},
    {u"SZCZEGOLOWAFORMAPRAWNA", Form::Text, Only::Later},
    {u"NRLOKALU", Form::Cut5},
    {u"NRDOMU", Form::Cut5},
    {u"EMAIL", Form::Cut50},
    {u"FAKS", Form::Cut25},
    {u"TELEFON", Form::Cut25},
    {u"SKRNAZWPRACODAWCY", Form::Cut250},
    {u"MIASTO", Form::Cut30},
    {u"ULICA", Form::Cut30},
    {u"NIP", Form::Nip},
    {u"REGON", Form::Regon},
    {u"KODPOCZTOWY", Form::PostalCode},
};

// The INF-D-P's fields in the order they are read; the Emeryt set only by versions 6 to 8.
constexpr Read kInfdpReads[] = {
    {u"NRKOLEJNY", Form::Text},         {u"POMOCPUBLICZNAPFRON", Form::Text}, {u"PESEL", Form::Text},
    {u"IMIE1", Form::Cut30},            {u"IMIE2", Form::Cut30},              {u"NAZWISKO", Form::Cut30},
    {u"NIP", Form::Text},               {u"NRDOWODU", Form::Text},            {u"GMINA", Form::Cut30},
    {u"KODPOCZTOWY", Form::PostalCode}, {u"MIASTO", Form::Cut30},             {u"NRDOMU", Form::Cut10},
    {u"NRLOKALU", Form::Cut5},          {u"POCZTA", Form::Cut30},             {u"POWIAT", Form::Cut30},
    {u"ULICA", Form::Cut30},            {u"WOJEWODZTWO", Form::Text},         {u"OKRESZATRODDNIA", Form::Date},
    {u"WYNMINIMALNE", Form::Money},     {u"OKRESWYPLATY", Form::Text},        {u"ZATRWZROSTNETTO", Form::Text},
    {u"ZATRROZWUMOWY", Form::Text},     {u"PELNEINFORMACJE", Form::Text},     {u"KOSZTYPLACY", Form::Money},
    {u"NORMSZNACZNY", Form::Text},      {u"NORMSUMIARKOWANY", Form::Text},    {u"NORMSLEKKI", Form::Text},
};

// An attribute and the field it carries.
struct Source {
    const char16_t* attribute;
    const char16_t* field;
};
// The employer's details of the WN-D versions 4 to 6.
constexpr Source kEmployerDetails[] = {{u"formaWlasnosci", u"FORMAWLASNOSCI"},
                                       {u"statusPracodawcyIP", u"STATUSPRACODAWCYIP"},
                                       {u"statusPracodawcyZAZ", u"STATUSPRACODAWCYZAZ"},
                                       {u"statusPracodawcyZPC", u"STATUSPRACODAWCYZPC"},
                                       {u"szczegolowaFormaPrawna", u"SZCZEGOLOWAFORMAPRAWNA"}};
// The fractions of infNiepelnospr that are brought to three decimals. The S attributes of the
// protected and the norm sets carry each other's fields, as the application's layout pairs them.
constexpr Source kBaseFractions[] = {
    {u"chronZnaczny", u"CHRONZNACZNY"},       {u"chronUmiarkowany", u"CHRONUMIARKOWANY"},
    {u"chronLekki", u"CHRONLEKKI"},           {u"chronSZnaczny", u"NORMZNACZNY"},
    {u"chronSUmiarkowany", u"NORMUMIARKOWANY"}, {u"chronSLekki", u"NORMLEKKI"},
    {u"normZnaczny", u"CHRONSZNACZNY"},       {u"normUmiarkowany", u"CHRONSUMIARKOWANY"},
    {u"normLekki", u"CHRONSLEKKI"},
};
// The three norm S fractions as the form stores them.
constexpr Source kStoredFractions[] = {
    {u"normSZnaczny", u"NORMSZNACZNY"}, {u"normSUmiarkowany", u"NORMSUMIARKOWANY"}, {u"normSLekki", u"NORMSLEKKI"}};
constexpr Source kPensionFractions[] = {
    {u"chronLekkiEmeryt", u"CHRONLEKKIEMERYT"},         {u"chronUmiarkowanyEmeryt", u"CHRONUMIARKOWANYEMERYT"},
    {u"chronZnacznyEmeryt", u"CHRONZNACZNYEMERYT"},     {u"chronSLekkiEmeryt", u"NORMLEKKIEMERYT"},
    {u"chronSUmiarkowanyEmeryt", u"NORMUMIARKOWANYEMERYT"}, {u"chronSZnacznyEmeryt", u"NORMZNACZNYEMERYT"},
    {u"normLekkiEmeryt", u"CHRONSLEKKIEMERYT"},         {u"normUmiarkowanyEmeryt", u"CHRONSUMIARKOWANYEMERYT"},
    {u"normZnacznyEmeryt", u"CHRONSZNACZNYEMERYT"},     {u"normSLekkiEmeryt", u"NORMSLEKKIEMERYT"},
    {u"normSUmiarkowanyEmeryt", u"NORMSUMIARKOWANYEMERYT"}, {u"normSZnacznyEmeryt", u"NORMSZNACZNYEMERYT"},
};
// What PELNEINFORMACJE "N" leaves out of an attachment: the second name and the address.
constexpr const char16_t* kPartialOmits[] = {u"IMIE2",  u"GMINA",  u"KODPOCZTOWY", u"MIASTO", u"NRDOMU",
                                             u"NRLOKALU", u"POCZTA", u"POWIAT",      u"ULICA",  u"WOJEWODZTWO"};

// An attribute written in its position, or one blank in its place when the version lacks it.
void AttrOrBlank(SodWriter& w, bool present, std::u16string_view name, std::u16string_view value) {
    if (present) w.Attr(name, value);
    else w.Raw(u" ");
}

void WriteContact(SodWriter& w, const Values& v) {
    w.Raw(u"<kontakt").Attr(u"email", v[u"EMAIL"]).Attr(u"faks", v[u"FAKS"]).Attr(u"telefon", v[u"TELEFON"]);
    w.Raw(u"/>");
}

void WriteEmployer(SodWriter& w, const Values& v, long version) {
    const bool later = IsLaterWnd(version);
    w.Raw(u"<kartaPracodawcy><daneEwidencyjne").Attr(u"nip", v[u"NIP"]).Attr(u"pkd", v[u"PKD"]);
    w.Attr(u"regon", v[u"REGON"]);
    if (later) {
        w.Attr(u"pelnaNazwaPracodawcy", v[u"SKRNAZWPRACODAWCY"]);
    } else {
        w.Attr(u"pelnaNazwaPracodawcy", v[u"PELNANAZWPRACODAWCY"]);
        w.Attr(u"skroconaNazwaPracodawcy", v[u"SKRNAZWPRACODAWCY"]);
    }
    w.Raw(u"/><dodInfPracodawcy").Attr(u"formaPrawna", u"").Attr(u"wielkoscPracodawcy", u"");
    if (later) {
        for (const Source& detail : kEmployerDetails) w.Attr(detail.attribute, v[detail.field]);
    }
    w.Raw(u"/><adresPracodawcy><adres").Attr(u"kodAdresuPrzedsiebiorcy", v[u"KODADRESU"]);
    w.Attr(u"kodPocztowy", v[u"KODPOCZTOWY"]).Attr(u"miejscowosc", v[u"MIASTO"]).Attr(u"nrDomu", v[u"NRDOMU"]);
    w.Attr(u"nrLokalu", v[u"NRLOKALU"]).Attr(u"poczta", v[u"POCZTA"]).Attr(u"ulica", v[u"ULICA"]).Raw(u"/>");
    WriteContact(w, v);
    w.Raw(u"</adresPracodawcy><infDofinansowanie ogolem=\"0,00\"/><rachunekBankowy nrRachunku=\"\"/>");
    w.Raw(u"<adresKorespondencyjny><adres").Attr(u"adresJak", u"T").Attr(u"kodPocztowy", v[u"KODPOCZTOWY"]);
    w.Attr(u"miejscowosc", v[u"MIASTO"]).Attr(u"nrDomu", v[u"NRDOMU"]).Attr(u"nrLokalu", v[u"NRLOKALU"]);
    w.Attr(u"ulica", v[u"ULICA"]).Attr(u"poczta", v[u"POCZTA"]);
    w.Attr(u"czyPelnomocnik", v[u"PELNOMOCNIK"].empty() ? u"N" : u"T").Raw(u"/>");
    WriteContact(w, v);
    w.Raw(u"</adresKorespondencyjny></kartaPracodawcy>");
}

void WriteEmployment(SodWriter& w, const Values& v, long version, long year) {
    const bool later = IsLaterWnd(version);
    // From 2015 on, version 6 carries no disabled-employment figures of the current and former period.
    const bool withoutDisabled = version == 6 && year > kYearWithoutDisabledFigures;
    if (later) w.Raw(u"<osoba").Attr(u"nazwaPelnomocnika", v[u"PELNOMOCNIK"]).Raw(u"></osoba>");
    w.Raw(u"<stanZatrudnienia");
    AttrOrBlank(w, version == 3, u"czyPrzyrostNetto", v[u"CZYPRZYROSTNETTO"]);
    AttrOrBlank(w, later, u"biezacyOkresNiepelnosprawni",
                withoutDisabled ? std::u16string_view() : std::u16string_view(v[u"BIEZACYOKRESNIEPELNOSPRAWNI"]));
    AttrOrBlank(w, later, u"biezacyOkresOgolem", v[u"BIEZACYOKRESOGOLEM"]);
    w.Attr(u"nowozatrudnieni", v[u"NOWOZATRUDNIENI"]).Attr(u"wOkresieOgolem", v[u"WOKRESIEOGOLEM"]);
    w.Attr(u"wOkresieNiepelnosprawni", v[u"WOKRESIENIEPELNOSPRAWNI"]);
    w.Attr(u"poprzedzajacyOkresOgolem", v[u"POPRZEDZAJACYOKRESOGOLEM"]);
    w.Attr(u"poprzedzajacyOkresNiepelnosprawni",
           withoutDisabled ? std::u16string_view() : std::u16string_view(v[u"POPRZEDZAJACYOKRESNIEPELNOSPRAWNI"]));
    w.Raw(u"/><oswiadczenie").Attr(u"czyPapierowo", u"N").Attr(u"czyElektronicznie", u"N");
    AttrOrBlank(w, version == 3, u"miejscaPracyNiePowstaly", u"N");
    w.Attr(u"zalaczaInfoONieotrzymanejPomocy", u"T").Attr(u"zalaczaInfoOOtrzymanejPomocy", u"N").Raw(u"/>");
}
}  // namespace

CBstr Wnd3Documents::BuildWndDocument(IDeklaracja2* declaration) {
    if (!declaration) RaiseHResult(E_POINTER);
    wndVersion_ = DeclarationVersion(declaration);
    const Values v(declaration, kWndReads, IsLaterWnd(wndVersion_));
    nrPfron_ = CBstr(v[u"NRPFRON"]);
    okresSprawozdawczy_ = CBstr(v[u"OKRESSPRAWOZDAWCZY"]);
    rodzajInformacji_ = CBstr(v[u"RODZAJINFORMACJI"]);
    LONG id = 0;
    CheckHost(declaration->get_ID(&id));
    wndId_ = id;
    // Versions 1 and 3 have no such field: their attachments carry no NIP.
    wstawiacNip_ = OptionalFieldText(declaration, u"WSTAWIACNIP");
    const long year = DeclarationYear(declaration);

    SodWriter w;
    w.OpenEnvelope(SodWriter::kRootPlain, {.type = rodzajInformacji_ == u"K" ? kTypeCorrection : kTypeApplication,
                                           .version = wndVersion_,
                                           .period = okresSprawozdawczy_.View()});
    w.Raw(u"<daneInformacji").Attr(u"dataWypelnienia", v[u"DATAWYPELNIENIA"]);
    w.Attr(u"imieNazwiskoOsobyPodpisujacej", u"").Attr(u"okresSprawozdawczy", okresSprawozdawczy_.View());
    w.Attr(u"rodzajInformacji", rodzajInformacji_.View()).Attr(u"uwagi", u"").Attr(u"nrPfron", nrPfron_.View());
    w.Attr(u"czyZgloszeniowy", u"N").Attr(u"liczbaINFDP", v[u"LICZBAINFDP"]).Raw(u"/>");
    WriteEmployer(w, v, wndVersion_);
    WriteEmployment(w, v, wndVersion_, year);
    return w.CloseEnvelope().Take();
}

std::u16string Wnd3Documents::ParentInsertsNip(IDeklaracja2* attachment) {
    LONG parent = 0;
    CheckHost(attachment->get_ParentId(&parent));
    if (parent == wndId_) return wstawiacNip_;
    tlx::ComPtr<IDeklaracja2> wnd = OpenDeclaration(session_, parent);
    if (!wnd) RaiseHResult(E_POINTER);
    return OptionalFieldText(wnd.Get(), u"WSTAWIACNIP");
}

CBstr Wnd3Documents::BuildInfdpDocument(IDeklaracja2* attachment) {
    if (!attachment) RaiseHResult(E_POINTER);
    infdpVersion_ = std::max(DeclarationVersion(attachment), kFirstAttachmentVersion);
    const bool later = IsLaterInfdp(infdpVersion_);
    Values v(attachment, kInfdpReads, later);
    lastPesel_ = CBstr(v[u"PESEL"]);
    const bool withNip = ParentInsertsNip(attachment) == u"1";
    auto fraction = [&](const char16_t* field) { return FormatDecimal3Text(CBstr(FieldText(attachment, field))).Str(); };
    std::map<std::u16string_view, std::u16string> fractions;
    for (const Source& f : kBaseFractions) fractions[f.field] = fraction(f.field);
    if (later)
        for (const Source& f : kPensionFractions) fractions[f.field] = fraction(f.field);
    std::u16string pesel = v[u"PESEL"];
    if (pesel.empty()) {
        pesel = u"00000000000";
        lastPesel_ = CBstr(SubstituteKey(++infdpCounter_));
    }
    if (v[u"PELNEINFORMACJE"] == u"N")
        for (const char16_t* field : kPartialOmits) v.Clear(field);

    SodWriter w;
    w.OpenEnvelope(SodWriter::kRootPlain, {.type = kTypeAttachment,
                                           .version = infdpVersion_,
                                           .period = okresSprawozdawczy_.View(),
                                           .attachment = true});
    w.Raw(u"<daneInformacji").Attr(u"nrKolejny", v[u"NRKOLEJNY"]).Attr(u"nrPfron", nrPfron_.View());
    w.Attr(u"okresSprawozdawczy", okresSprawozdawczy_.View()).Attr(u"rodzajInformacji", rodzajInformacji_.View());
    w.Attr(u"okresSprawozdawczyWynagrodzenie", v[u"OKRESWYPLATY"]).Raw(u"/>");
    w.Raw(u"<metrykaPracownika><pomocPubliczna kwota=\"0,00\"/><daneEwidencyjne");
    w.Attr(u"imie1", v[u"IMIE1"]).Attr(u"imie2", v[u"IMIE2"]).Attr(u"nazwisko", v[u"NAZWISKO"]);
    w.Attr(u"nip", withNip ? std::u16string_view(v[u"NIP"]) : std::u16string_view());
    w.Attr(u"nrDowodu", v[u"NRDOWODU"]).Attr(u"pesel", pesel).Raw(u"/>");
    w.Raw(u"<adresPracownika><adres").Attr(u"gmina", v[u"GMINA"]).Attr(u"kodPocztowy", v[u"KODPOCZTOWY"]);
    w.Attr(u"miejscowosc", v[u"MIASTO"]).Attr(u"nrDomu", v[u"NRDOMU"]).Attr(u"nrLokalu", v[u"NRLOKALU"]);
    w.Attr(u"poczta", v[u"POCZTA"]).Attr(u"powiat", v[u"POWIAT"]).Attr(u"ulica", v[u"ULICA"]);
    w.Attr(u"wojewodztwo", v[u"WOJEWODZTWO"]).Raw(u"/></adresPracownika><infNiepelnospr");
    for (const Source& f : kBaseFractions) w.Attr(f.attribute, fractions[f.field]);
    for (const Source& f : kStoredFractions) w.Attr(f.attribute, v[f.field]);
    if (later)
        for (const Source& f : kPensionFractions) w.Attr(f.attribute, fractions[f.field]);
    w.Raw(u"/><zatrudnienie").Attr(u"okresZatrOdDnia", v[u"OKRESZATRODDNIA"]);
    w.Attr(u"stanowiPomocPubliczna", v[u"POMOCPUBLICZNAPFRON"]);
    AttrOrBlank(w, !later, u"wzrostNettoZatrudnienia", v[u"ZATRWZROSTNETTO"]);
    AttrOrBlank(w, !later, u"wWynikuRozwUmowy", v[u"ZATRROZWUMOWY"]);
    w.Attr(u"wynMinimalne", v[u"WYNMINIMALNE"]).Attr(u"kwUstalona", u"0,00").Attr(u"kosztyPlacy", v[u"KOSZTYPLACY"]);
    w.Attr(u"pomniejszenia", u"0,00").Attr(u"limitKosztowPlacy", u"0,00").Attr(u"kwDofWyplata", u"0,00");
    if (later) w.Raw(u" efektZachety=\"T\" pracWykDzG=\"T\"");
    w.Raw(u"/></metrykaPracownika>");
    return w.CloseEnvelope().Take();
}

CBstr Wnd3Documents::MainFilePrefix() const {
    // Handed to the user's machine, the first generation's version is named as the second.
    const long named = road_ == Road::UserMachine && wndVersion_ == 1 ? 2 : wndVersion_;
    return CBstr(u"wnd" + LongToString(named).Str());
}

CBstr Wnd3Documents::AttachmentFilePrefix() const { return CBstr(u"infdp" + LongToString(infdpVersion_).Str()); }
