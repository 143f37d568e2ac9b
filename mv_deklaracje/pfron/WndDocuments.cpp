#include "mv_deklaracje/pfron/WndDocuments.h"

#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/pfron/PfronText.h"
#include "mv_deklaracje/pfron/SodEmployee.h"
#include "mv_deklaracje/pfron/SodFields.h"
#include "mv_deklaracje/pfron/SodWriter.h"

namespace {
// An attribute and the field it carries.
struct Source {
    const char16_t* attribute;
    const char16_t* field;
};
constexpr Source kFractions[] = {
    {u"chronLekki", u"CHRONLEKKI"},           {u"chronSLekki", u"CHRONSLEKKI"},
    {u"chronSUmiarkowany", u"CHRONSUMIARKOWANY"}, {u"chronSZnaczny", u"CHRONSZNACZNY"},
    {u"chronUmiarkowany", u"CHRONUMIARKOWANY"}, {u"chronZnaczny", u"CHRONZNACZNY"},
    {u"normLekki", u"NORMLEKKI"},             {u"normUmiarkowany", u"NORMUMIARKOWANY"},
    {u"normZnaczny", u"NORMZNACZNY"},
};
constexpr Source kStoredFractions[] = {
    {u"normSLekki", u"NORMSLEKKI"}, {u"normSUmiarkowany", u"NORMSUMIARKOWANY"}, {u"normSZnaczny", u"NORMSZNACZNY"}};
}  // namespace

CBstr WndDocuments::BuildInfDpXml(IDeklaracja2* a) {
    if (!a) RaiseHResult(E_POINTER);
    const long version = DeclarationVersion(a);
    const bool full = version == 1;  // only the first version carries the working time and employment
    const std::u16string pesel = FieldText(a, u"PESEL");

    SodWriter w;
    w.OpenEnvelope(SodWriter::kRootBlank, {.type = kTypeAttachment,
                                           .version = kAttachmentVersionSent,
                                           .period = main_.OkresSprawozdawczy().View(),
                                           .attachment = true});
    WriteSodEmployee(w, a, main_, pesel);
    if (full) {
        w.Raw(u"<infNiepelnospr");
        for (const Source& f : kFractions) w.Attr(f.attribute, FormatDecimal3Text(CBstr(FieldText(a, f.field))).View());
        for (const Source& f : kStoredFractions) w.Attr(f.attribute, FieldText(a, f.field));
        w.Raw(u"/><zatrudnienie").Attr(u"kwDofNalezna", u"0,00").Attr(u"kwDofWyplata", FieldAmount(a, u"KWDOFWYPLATA"));
        w.Attr(u"kosztyPlacy", FieldAmount(a, u"KOSZTYPLACY")).Attr(u"podwKoszty", FieldAmount(a, u"PODWKOSZTY"));
        w.Attr(u"skladki", u"0,00").Attr(u"uzyskaneDof", u"0,00").Attr(u"kwDofZFRON", u"0,00");
        w.Attr(u"kwPoPomniejszeniach", u"0,00").Attr(u"kwUstalona", u"0,00");
        w.Attr(u"okresZatrOdDnia", FieldDate(a, u"OKRESZATRODDNIA"));
        w.Attr(u"pomniejszenia", FieldAmount(a, u"POMNIEJSZENIA")).Attr(u"wynMinimalne", FieldAmount(a, u"WYNMINIMALNE"));
        w.Attr(u"wynOsiagane", FieldAmount(a, u"WYNOSIAGANE")).Attr(u"wynWyplacone", FieldAmount(a, u"WYNWYPLACONE"));
        w.Raw(u" />");
    }
    w.Raw(u"</metrykaPracownika>");
    CBstr text = w.CloseEnvelope().Take();
    // The key is settled once the whole document was read: a failed read leaves the count as it was.
    attachmentFileKey_ = CBstr(pesel.empty() ? SubstituteKey(++noPeselCounter_) : pesel);
    return text;
}
