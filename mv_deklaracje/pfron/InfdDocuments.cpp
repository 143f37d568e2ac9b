#include "mv_deklaracje/pfron/InfdDocuments.h"

#include <string>

#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/core/Date.h"
#include "mv_deklaracje/core/Money.h"
#include "mv_deklaracje/core/VariantHelpers.h"
#include "mv_deklaracje/export/XmlEscape.h"
#include "mv_deklaracje/pfron/PfronText.h"
#include "platform/com/Bstr.h"

namespace {

constexpr char16_t kXmlDeclaration[] = u"<?xml version=\"1.0\" encoding=\"UTF-8\"?>";
constexpr char16_t kRootWithAttributes[] = u"<wniosek idWnioskuGlownego=\"\" stanWyslania=\"\">";
constexpr char16_t kRootPlain[] = u"<wniosek >";
constexpr char16_t kRequest[] = u"<pytanie bilet=\"\" kanal=\"3\" login=\"\"><parametry>";
constexpr char16_t kClosing[] =
    u"</tresc><podpisy><podpis podpis=\"\"/></podpisy></dokument></parametry></pytanie></wniosek>";

tlx::Variant Read(IDeklaracja2* declaration, const OLECHAR* field) {
    tlx::Variant value;
    CheckHost(declaration->get_Wartosc(tlx::Bstr(field).Get(), value.Out()));
    return value;
}

// A field as the document writes it: text as it stands, a number's digits, a date "YYYY-MM-DD" (the
// empty date as the empty text), nothing for an empty field.
std::u16string Text(const VARIANT& value) {
    switch (value.vt) {
    case VT_EMPTY:
    case VT_NULL:
        return {};
    case VT_BSTR:
        return value.bstrVal ? std::u16string(value.bstrVal, SysStringLen(value.bstrVal)) : std::u16string();
    case VT_DATE: {
        const CDate day(value.date);
        return day.IsEmpty() ? std::u16string() : day.FormatSql().Str();
    }
    default:
        return VariantToCString(ConvertVariant(value, VT_BSTR));
    }
}
std::u16string Text(IDeklaracja2* declaration, const OLECHAR* field) { return Text(Read(declaration, field)); }

// A field read as a date, whatever kind it is stored in.
std::u16string DateText(IDeklaracja2* declaration, const OLECHAR* field) {
    const tlx::Variant value = Read(declaration, field);
    if (value.vt == VT_EMPTY || value.vt == VT_NULL) return {};
    if (value.vt == VT_BSTR) return Text(value);
    const CDate day(value);
    return day.IsEmpty() ? std::u16string() : day.FormatSql().Str();
}

std::u16string Cut(unsigned length, const std::u16string& text) { return TruncateText(length, CBstr(text)).Str(); }

std::u16string Amount(IDeklaracja2* declaration, const OLECHAR* field) {
    const tlx::Variant value = Read(declaration, field);
    if (value.vt == VT_EMPTY || value.vt == VT_NULL) return FormatPfronAmount(CMoney()).Str();
    return FormatPfronAmount(CMoney(value)).Str();
}

std::u16string Number(IDeklaracja2* declaration, const OLECHAR* field) {
    const tlx::Variant value = Read(declaration, field);
    if (value.vt == VT_EMPTY || value.vt == VT_NULL) return {};
    return LongToString(VariantToLong(value)).Str();
}

long Version(IDeklaracja2* declaration) {
    LONG version = 0;
    CheckHost(declaration->get_Wersja(&version));
    return version;
}

// Writes the elements of a document: every attribute value escaped, attributes in the order given.
class Writer {
public:
    Writer& Raw(std::u16string_view text) {
        out_ += text;
        return *this;
    }
    Writer& Attr(std::u16string_view name, const std::u16string& value) {
        out_ += u' ';
        out_ += name;
        out_ += u"=\"";
        out_ += EscapeXmlText(CBstr(value)).View();
        out_ += u'"';
        return *this;
    }
    CBstr Take() { return CBstr(out_); }

private:
    std::u16string out_;
};

void OpenDocument(Writer& w, long type, bool attachment, const CBstr& period, long version) {
    w.Raw(u"<dokument czyOdrzucic=\"N\" czyZmienicStan=\"T\"");
    if (attachment) w.Attr(u"idDokumentuGlownegoTemp", u"");
    w.Attr(u"idDokumentuTemp", u"").Attr(u"idOddzialu", u"").Attr(u"idPracodawcy", u"").Attr(u"idStanu", u"0");
    w.Attr(u"idTypu", LongToString(type).Str()).Attr(u"okresSprawozdawczy", period.Str());
    w.Attr(u"sposobWymiany", u"E").Attr(u"wersjaTypu", LongToString(version).Str()).Raw(u"><tresc>");
}

}  // namespace

CBstr InfdDocuments::BuildInfdDocument(IDeklaracja2* declaration) {
    if (!declaration) RaiseHResult(E_POINTER);
    const std::u16string count = Text(declaration, u"LICZBAINFDP");
    nrPfron_ = CBstr(Text(declaration, u"NRPFRON"));
    okresSprawozdawczy_ = CBstr(Text(declaration, u"OKRESSPRAWOZDAWCZY"));
    const std::u16string filled = DateText(declaration, u"DATAWYPELNIENIA");
    rodzajInformacji_ = CBstr(Text(declaration, u"RODZAJINFORMACJI"));
    const long version = Version(declaration);
    const long type = rodzajInformacji_ == u"K" ? kTypeCorrection : kTypeInformation;

    std::u16string regon = Text(declaration, u"REGON");
    if (regon.size() < 14) regon += RepeatChar(u'0', static_cast<int>(14 - regon.size())).View();
    std::u16string postalCode = Text(declaration, u"KODPOCZTOWY");
    if (postalCode.empty()) postalCode = u"00-000";

    Writer w;
    w.Raw(kXmlDeclaration).Raw(version == 1 ? kRootWithAttributes : kRootPlain).Raw(kRequest);
    OpenDocument(w, type, false, okresSprawozdawczy_, version);
    w.Raw(u"<daneInformacji").Attr(u"dataWypelnienia", filled).Attr(u"imieNazwiskoOsobyPodpisujacej", u"");
    w.Attr(u"liczbaINFDP", count).Attr(u"liczbaINFDZ", u"0").Attr(u"nrPfron", nrPfron_.Str());
    w.Attr(u"okresSprawozdawczy", okresSprawozdawczy_.Str()).Attr(u"rodzajInformacji", rodzajInformacji_.Str());
    w.Attr(u"uwagi", u"").Raw(u"/>");
    w.Raw(u"<kartaPracodawcy><daneEwidencyjne").Attr(u"nip", Text(declaration, u"NIP")).Attr(u"regon", regon);
    w.Attr(u"skroconaNazwaPracodawcy", Cut(250, Text(declaration, u"SKRNAZWPRACODAWCY"))).Raw(u"/>");
    w.Raw(u"<adresPracodawcy><adres").Attr(u"kodPocztowy", postalCode);
    w.Attr(u"miejscowosc", Cut(30, Text(declaration, u"MIASTO")));
    w.Attr(u"nrDomu", Cut(10, Text(declaration, u"NRDOMU"))).Attr(u"nrLokalu", Cut(5, Text(declaration, u"NRLOKALU")));
    w.Attr(u"ulica", Cut(30, Text(declaration, u"ULICA"))).Raw(u"/>");
    w.Raw(u"<kontakt").Attr(u"email", Cut(50, Text(declaration, u"EMAIL")));
    w.Attr(u"faks", Cut(25, Text(declaration, u"FAKS"))).Attr(u"telefon", Cut(25, Text(declaration, u"TELEFON")));
    w.Raw(u"/></adresPracodawcy></kartaPracodawcy>").Raw(kClosing);
    return w.Take();
}

CBstr InfdDocuments::BuildInfdpDocument(IDeklaracja2* attachment) {
    if (!attachment) RaiseHResult(E_POINTER);
    const long version = Version(attachment);
    std::u16string pesel = Text(attachment, u"PESEL");
    fileKey_ = CBstr(pesel);
    if (pesel.empty()) {
        const CBstr digits = LongToString(++withoutPesel_);
        fileKey_ = RepeatChar(u'0', 11 - static_cast<int>(digits.View().size())) + digits.View();
        pesel = u"00000000000";
    }
    std::u16string postalCode = Text(attachment, u"KODPOCZTOWY");
    if (postalCode.empty()) postalCode = u"00-000";

    Writer w;
    w.Raw(kXmlDeclaration).Raw(kRootWithAttributes).Raw(kRequest);
    OpenDocument(w, kTypeAttachment, true, okresSprawozdawczy_, version);
    w.Raw(u"<daneInformacji").Attr(u"nrKolejny", Text(attachment, u"NRKOLEJNY")).Attr(u"nrPfron", nrPfron_.Str());
    w.Attr(u"okresSprawozdawczy", okresSprawozdawczy_.Str()).Attr(u"rodzajInformacji", rodzajInformacji_.Str());
    w.Raw(u" /><metrykaPracownika><daneEwidencyjne");
    w.Attr(u"imie1", Cut(30, Text(attachment, u"IMIE1"))).Attr(u"imie2", Cut(30, Text(attachment, u"IMIE2")));
    w.Attr(u"nazwisko", Cut(30, Text(attachment, u"NAZWISKO"))).Attr(u"nip", Text(attachment, u"NIP"));
    w.Attr(u"nrDowodu", Text(attachment, u"NRDOWODU")).Attr(u"pesel", pesel).Attr(u"plec", Text(attachment, u"PLEC"));
    w.Attr(u"wyksztalcenie", Text(attachment, u"WYKSZTALCENIE")).Attr(u"zawod", Text(attachment, u"ZAWOD"));
    w.Raw(u"/><adresPracownika><adres").Attr(u"gmina", Cut(30, Text(attachment, u"GMINA")));
    w.Attr(u"kodPocztowy", postalCode).Attr(u"miejscowosc", Cut(30, Text(attachment, u"MIASTO")));
    w.Attr(u"msceZamieszk", Cut(30, Text(attachment, u"MSCEZAMIESZKANIA")));
    w.Attr(u"nrDomu", Cut(10, Text(attachment, u"NRDOMU"))).Attr(u"nrLokalu", Cut(5, Text(attachment, u"NRLOKALU")));
    w.Attr(u"poczta", Cut(30, Text(attachment, u"POCZTA"))).Attr(u"powiat", Cut(30, Text(attachment, u"POWIAT")));
    w.Attr(u"ulica", Cut(30, Text(attachment, u"ULICA"))).Attr(u"wojewodztwo", Text(attachment, u"WOJEWODZTWO"));
    w.Raw(u"/></adresPracownika>");
    if (version >= 1) {
        w.Raw(u"<infNiepelnospr");
        const struct {
            const char16_t* attribute;
            const OLECHAR* field;
        } degrees[] = {{u"chronLekki", u"CHRONLEKKI"},           {u"chronSLekki", u"CHRONSLEKKI"},
                       {u"chronSUmiarkowany", u"CHRONSUMIARKOWANY"}, {u"chronSZnaczny", u"CHRONSZNACZNY"},
                       {u"chronUmiarkowany", u"CHRONUMIARKOWANY"}, {u"chronZnaczny", u"CHRONZNACZNY"},
                       {u"normLekki", u"NORMLEKKI"},             {u"normUmiarkowany", u"NORMUMIARKOWANY"},
                       {u"normZnaczny", u"NORMZNACZNY"}};
        for (const auto& d : degrees) w.Attr(d.attribute, Text(attachment, d.field));
        if (version >= 2) {
            w.Attr(u"normSLekki", Text(attachment, u"NORMSLEKKI"));
            w.Attr(u"normSUmiarkowany", Text(attachment, u"NORMSUMIARKOWANY"));
            w.Attr(u"normSZnaczny", Text(attachment, u"NORMSZNACZNY"));
        }
        w.Raw(u"/><zatrudnienie kwDofNalezna=\"0,00\" kwDofZFRON=\"0,00\"");
        if (version == 1) {
            w.Raw(u" kwPomnInne=\"0,00\" kwPomnSkladkiZUS=\"0,00\" kwUstalona=\"0,00\"");
            w.Attr(u"okresZatrDoDnia", DateText(attachment, u"OKRESZATRDODNIA"));
            w.Attr(u"okresZatrOdDnia", DateText(attachment, u"OKRESZATRODDNIA"));
            w.Attr(u"podstZatrudnienia", Number(attachment, u"PODSTZATRUDNIENIA"));
            w.Raw(u" pomInne=\"0,00\"").Attr(u"pomZUS", Amount(attachment, u"POMZUS"));
        } else {
            w.Raw(u" kwPoPomniejszeniach=\"0,00\" kwUstalona=\"0,00\"");
            w.Attr(u"okresZatrOdDnia", DateText(attachment, u"OKRESZATRODDNIA"));
            w.Attr(u"podstZatrudnienia", Number(attachment, u"PODSTZATRUDNIENIA"));
            w.Attr(u"pomniejszenia", Amount(attachment, u"POMNIEJSZENIA"));
        }
        w.Attr(u"rozwStosPracy", Text(attachment, u"ROZWSTOSPRACY"));
        w.Attr(u"wynMinimalne", Amount(attachment, u"WYNMINIMALNE"));
        w.Attr(u"wynOsiagane", Amount(attachment, u"WYNOSIAGANE"));
        w.Attr(u"wynWyplacone", Amount(attachment, u"WYNWYPLACONE"));
        w.Attr(u"zatrNaCzas", Text(attachment, u"ZATRNACZAS")).Raw(u"/>");
    }
    w.Raw(u"</metrykaPracownika>").Raw(kClosing);
    return w.Take();
}
