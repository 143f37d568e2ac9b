#include "mv_deklaracje/kedu/KeduBlocks.h"

#include <array>

#include "mv_deklaracje/kedu/KeduPageText.h"

namespace {
constexpr int kAddressLines = 9;
constexpr std::array<std::u16string_view, kAddressLines + 1> kElements{
    u"", u"p1", u"p2", u"p3", u"p4", u"p5", u"p6", u"p7", u"p8", u"p9"};
}  // namespace

void WritePayer(KeduXmlWriter& xml, std::u16string_view name, const KeduPage& page, std::u16string_view code,
                DateRead dateRead) {
    const KeduPage::Block payer = page.First(code);
    const CBstr kind = payer.Line(4);
    const CBstr number = payer.Line(5);
    xml.Open(name);
    xml.IfSet(u"p1", payer.Line(1));
    xml.IfSet(u"p2", payer.Line(2));
    xml.IfSet(u"p3", payer.Line(3));
    xml.If(!kind.IsEmpty() && !number.IsEmpty(), u"p4", kind);
    xml.IfSet(u"p5", number);
    xml.IfSet(u"p6", payer.Line(6));
    xml.IfSet(u"p7", payer.Line(7));
    xml.IfSet(u"p8", payer.Line(8));
    xml.IfDate(u"p9", page.Date(dateRead == DateRead::Line ? payer.Line(9) : payer.Word(9)));
    xml.Close(name);
}

void WriteInsuredPerson(KeduXmlWriter& xml, std::u16string_view name, const KeduPage& page) {
    const KeduPage::Block person = page.First(u"DAU");
    const CBstr pesel = person.Line(1);
    const CBstr kind = person.Line(3);
    const CBstr number = person.Line(4);
    xml.Open(name);
    xml.IfSet(u"p1", pesel);
    xml.If(pesel.IsEmpty() && !kind.IsEmpty(), u"p3", kind);
    xml.If(pesel.IsEmpty() && !kind.IsEmpty() && !number.IsEmpty(), u"p4", number);
    xml.IfSet(u"p5", person.Line(5));
    xml.IfSet(u"p6", person.Line(6));
    xml.IfDate(u"p7", page.Date(person.Line(7)));
    xml.Close(name);
}

void WriteRegistrationKind(KeduXmlWriter& xml, const CBstr& change) {
    xml.Open(u"I");
    if (change.IsEmpty()) xml.Always(u"p1", CBstr(u"true"));
    xml.IfSet(u"p2", change);
    xml.Close(u"I");
}

void WriteFurtherPersonalData(KeduXmlWriter& xml, std::u16string_view name, const KeduPage& page) {
    const KeduPage::Block further = page.First(u"DEOZ");
    xml.Open(name);
    xml.IfSet(u"p1", further.Line(1));
    xml.IfSet(u"p2", further.Line(2));
    xml.IfSet(u"p3", further.Line(3));
    xml.IfSet(u"p4", further.Line(4));
    xml.Close(name);
}

void WriteHealthInsurance(KeduXmlWriter& xml, std::u16string_view name, const CBstr& date, const CBstr& fund) {
    xml.Open(name);
    xml.Always(u"p1", date);
    xml.IfSet(u"p2", fund);
    xml.Close(name);
}

void WriteTitleCode(KeduXmlWriter& xml, const CBstr& code) {
    CBstr title, right, degree;
    SplitTitleCode(code, title, right, degree);
    xml.Open(u"p1");
    xml.Always(u"p1", title);
    xml.Always(u"p2", right);
    xml.Always(u"p3", degree);
    xml.Close(u"p1");
}

void WriteAddress(KeduXmlWriter& xml, std::u16string_view name, const KeduPage& page, std::u16string_view code,
                  bool always) {
    const KeduPage::Block address = page.First(code);
    std::array<CBstr, kAddressLines + 1> values;
    values[1] = PostalCodeOrEmpty(address.Line(1));
    bool any = !values[1].IsEmpty();
    for (int line = 2; line <= kAddressLines; ++line) {
        values[line] = address.Line(line);
        any = any || !values[line].IsEmpty();
    }
    if (!always && !any) return;
    xml.Open(name);
    for (int line = 1; line <= kAddressLines; ++line) xml.IfSet(kElements[line], values[line]);
    xml.Close(name);
}

void WriteStatement(KeduXmlWriter& xml, std::u16string_view name, const CBstr& date) {
    xml.Open(name);
    xml.Always(u"p1", date);
    xml.Close(name);
}
