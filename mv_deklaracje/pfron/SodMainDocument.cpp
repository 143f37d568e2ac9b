#include "mv_deklaracje/pfron/SodMainDocument.h"

#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/pfron/SodFields.h"
#include "mv_deklaracje/pfron/SodWriter.h"

namespace {
// What tells the two kinds' main documents apart.
struct Layout {
    long correction;             // idTypu of RODZAJINFORMACJI "K"
    long application;            // idTypu otherwise
    const char16_t* countField;  // the attachment count and its attribute
    const char16_t* countAttribute;
    std::u16string_view emptyNip;            // what an empty NIP is written as
    std::u16string_view fundingClose;        // what ends infDofinansowanie
};

constexpr Layout kWnd = {9, 8, u"LICZBAINFDP", u"liczbaINFDP", u"", u"/>"};
constexpr Layout kWnu = {32, 31, u"LICZBAINFUPGA", u"liczbaINFUPGA", u"0000000000", u"></infDofinansowanie>"};
// The WN-D of the first generation is always sent as the application's version 2; a WN-U of version 1 too.
constexpr long kSentVersion = 2;
}  // namespace

CBstr SodMainDocument::Build(IDeklaracja2* declaration, Kind kind) {
    if (!declaration) RaiseHResult(E_POINTER);
    const Layout& layout = kind == Kind::Wnu ? kWnu : kWnd;
    const std::u16string count = FieldText(declaration, layout.countField);
    nrPfron_ = CBstr(FieldText(declaration, u"NRPFRON"));
    okresSprawozdawczy_ = CBstr(FieldText(declaration, u"OKRESSPRAWOZDAWCZY"));
    const std::u16string filled = FieldDate(declaration, u"DATAWYPELNIENIA");
    rodzajInformacji_ = CBstr(FieldText(declaration, u"RODZAJINFORMACJI"));
    version_ = DeclarationVersion(declaration);
    month_ = DeclarationMonth(declaration);
    year_ = DeclarationYear(declaration);
    const long sentVersion = kind == Kind::Wnd || version_ == 1 ? kSentVersion : version_;

    SodWriter w;
    w.OpenEnvelope(SodWriter::kRootBlank,
                   {.type = rodzajInformacji_ == u"K" ? layout.correction : layout.application,
                    .version = sentVersion,
                    .period = okresSprawozdawczy_.View()});
    w.Raw(u"<daneInformacji");
    if (kind == Kind::Wnu) {
        w.Attr(u"wnOPrzedluzenie", u"N").Attr(u"kwartal", LongToString(Quarter(month_)).View());
        w.Attr(u"jestINFUA", u"N").Attr(u"jestINFUP", u"T").Attr(u"jestINFUZ", u"N");
        w.Attr(u"dataWypelnienia", filled).Attr(u"imieNazwiskoOsobyPodpisujacej", u"");
        w.Attr(u"liczbaINFUPGA", count).Attr(u"liczbaINFUZ", u"0").Attr(u"nrPfron", nrPfron_.View());
        w.Attr(u"okresSprawozdawczy", okresSprawozdawczy_.View()).Attr(u"rodzajInformacji", rodzajInformacji_.View());
        w.Attr(u"uwagi", u"").Attr(u"oswSytEkon", u"N").Raw(u" />");
    } else {
        w.Attr(u"dataWypelnienia", filled).Attr(u"imieNazwiskoOsobyPodpisujacej", u"");
        w.Attr(u"jestINFDP", u"T").Attr(u"jestINFDZ", u"N").Attr(layout.countAttribute, count);
        w.Attr(u"liczbaINFDZ", u"0").Attr(u"nrPfron", nrPfron_.View());
        w.Attr(u"okresSprawozdawczy", okresSprawozdawczy_.View()).Attr(u"oswSytEkon", u"N");
        w.Attr(u"rodzajInformacji", rodzajInformacji_.View()).Attr(u"uwagi", u"").Raw(u"/>");
    }
    const std::u16string nip = OrDefault(FieldText(declaration, u"NIP"), layout.emptyNip);
    const std::u16string regon = PadRight(FieldText(declaration, u"REGON"), 14, u'0');
    skrNazwaPracodawcy_ = CBstr(Cut(250, FieldText(declaration, u"SKRNAZWPRACODAWCY")));
    w.Raw(u"<kartaPracodawcy><daneEwidencyjne").Attr(u"imie", u"").Attr(u"nazwisko", u"").Attr(u"nip", nip);
    w.Attr(u"regon", regon).Attr(u"skroconaNazwaPracodawcy", skrNazwaPracodawcy_.View()).Raw(u"/>");
    w.Raw(u"<adresPracodawcy><adres").Attr(u"kodPocztowy", OrDefault(FieldText(declaration, u"KODPOCZTOWY"), u"00-000"));
    w.Attr(u"miejscowosc", Cut(30, FieldText(declaration, u"MIASTO")));
    w.Attr(u"nrDomu", Cut(10, FieldText(declaration, u"NRDOMU")));
    w.Attr(u"nrLokalu", Cut(5, FieldText(declaration, u"NRLOKALU")));
    w.Attr(u"ulica", Cut(30, FieldText(declaration, u"ULICA"))).Raw(u"/>");
    w.Raw(u"<kontakt").Attr(u"email", Cut(50, FieldText(declaration, u"EMAIL")));
    w.Attr(u"faks", Cut(25, FieldText(declaration, u"FAKS"))).Attr(u"telefon", Cut(25, FieldText(declaration, u"TELEFON")));
    w.Raw(u"/></adresPracodawcy><infDofinansowanie ogolem=\"0,00\"").Raw(layout.fundingClose);
    w.Raw(u"</kartaPracodawcy>");
    return w.CloseEnvelope().Take();
}
