#include "mv_deklaracje/pfron/InfdDocuments.h"

#include <string>

#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/pfron/SodFields.h"
#include "mv_deklaracje/pfron/SodWriter.h"

namespace {
std::u16string Text(IDeklaracja2* declaration, const OLECHAR* field) { return FieldText(declaration, field); }
std::u16string DateText(IDeklaracja2* declaration, const OLECHAR* field) { return FieldDate(declaration, field); }
std::u16string Amount(IDeklaracja2* declaration, const OLECHAR* field) { return FieldAmount(declaration, field); }
std::u16string Number(IDeklaracja2* declaration, const OLECHAR* field) { return FieldNumber(declaration, field); }
}  // namespace

CBstr InfdDocuments::BuildInfdDocument(IDeklaracja2* declaration) {
    if (!declaration) RaiseHResult(E_POINTER);
    const std::u16string count = Text(declaration, u"LICZBAINFDP");
    nrPfron_ = CBstr(Text(declaration, u"NRPFRON"));
    okresSprawozdawczy_ = CBstr(Text(declaration, u"OKRESSPRAWOZDAWCZY"));
    const std::u16string filled = DateText(declaration, u"DATAWYPELNIENIA");
    rodzajInformacji_ = CBstr(Text(declaration, u"RODZAJINFORMACJI"));
    const long version = DeclarationVersion(declaration);
    const long type = rodzajInformacji_ == u"K" ? kTypeCorrection : kTypeInformation;

    const std::u16string regon = PadRight(Text(declaration, u"REGON"), 14, u'0');
    const std::u16string postalCode = OrDefault(Text(declaration, u"KODPOCZTOWY"), u"00-000");

    SodWriter w;
    w.OpenEnvelope(version == 1 ? SodWriter::kRootWithAttributes : SodWriter::kRootBlank,
                   {.type = type, .version = version, .period = okresSprawozdawczy_.View()});
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
    w.Raw(u"/></adresPracodawcy></kartaPracodawcy>").CloseEnvelope();
    return w.Take();
}

CBstr InfdDocuments::BuildInfdpDocument(IDeklaracja2* attachment) {
    if (!attachment) RaiseHResult(E_POINTER);
    const long version = DeclarationVersion(attachment);
    std::u16string pesel = Text(attachment, u"PESEL");
    fileKey_ = CBstr(pesel);
    if (pesel.empty()) {
        fileKey_ = CBstr(SubstituteKey(++withoutPesel_));
        pesel = u"00000000000";
    }
    const std::u16string postalCode = OrDefault(Text(attachment, u"KODPOCZTOWY"), u"00-000");

    SodWriter w;
    w.OpenEnvelope(SodWriter::kRootWithAttributes, {.type = kTypeAttachment,
                                                    .version = version,
                                                    .period = okresSprawozdawczy_.View(),
                                                    .attachment = true});
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
    w.Raw(u"</metrykaPracownika>").CloseEnvelope();
    return w.Take();
}
