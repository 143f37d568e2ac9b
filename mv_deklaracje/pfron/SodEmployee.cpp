#include "mv_deklaracje/pfron/SodEmployee.h"

#include "mv_deklaracje/pfron/SodFields.h"

void WriteSodEmployee(SodWriter& w, IDeklaracja2* a, const SodMainDocument& main, const std::u16string& pesel) {
    w.Raw(u"<daneInformacji").Attr(u"nrKolejny", FieldText(a, u"NRKOLEJNY")).Attr(u"nrPfron", main.NrPfron().View());
    w.Attr(u"okresSprawozdawczy", main.OkresSprawozdawczy().View());
    w.Attr(u"rodzajInformacji", main.RodzajInformacji().View()).Attr(u"sposobRozlPomocy", u"R").Raw(u"/>");
    w.Raw(u"<metrykaPracownika><daneEwidencyjne").Attr(u"imie1", Cut(30, FieldText(a, u"IMIE1")));
    w.Attr(u"imie2", Cut(30, FieldText(a, u"IMIE2"))).Attr(u"nazwisko", Cut(30, FieldText(a, u"NAZWISKO")));
    w.Attr(u"nip", OrDefault(FieldText(a, u"NIP"), u"0000000000")).Attr(u"nrDowodu", FieldText(a, u"NRDOWODU"));
    w.Attr(u"pesel", OrDefault(pesel, u"00000000000")).Attr(u"plec", FieldText(a, u"PLEC"));
    w.Attr(u"wyksztalcenie", FieldText(a, u"WYKSZTALCENIE")).Attr(u"zawod", FieldText(a, u"ZAWOD")).Raw(u"/>");
    w.Raw(u"<adresPracownika><adres").Attr(u"gmina", Cut(30, FieldText(a, u"GMINA")));
    w.Attr(u"kodPocztowy", OrDefault(FieldText(a, u"KODPOCZTOWY"), u"00-000"));
    w.Attr(u"miejscowosc", Cut(30, FieldText(a, u"MIASTO")));
    w.Attr(u"msceZamieszk", Cut(30, FieldText(a, u"MSCEZAMIESZKANIA")));
    w.Attr(u"nrDomu", Cut(10, FieldText(a, u"NRDOMU"))).Attr(u"nrLokalu", Cut(5, FieldText(a, u"NRLOKALU")));
    w.Attr(u"poczta", Cut(30, FieldText(a, u"POCZTA"))).Attr(u"powiat", Cut(30, FieldText(a, u"POWIAT")));
    w.Attr(u"ulica", Cut(30, FieldText(a, u"ULICA"))).Attr(u"wojewodztwo", FieldText(a, u"WOJEWODZTWO"));
    w.Raw(u"/></adresPracownika>");
}
