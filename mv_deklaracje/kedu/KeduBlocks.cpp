#include "mv_deklaracje/kedu/KeduBlocks.h"

#include <array>

#include "mv_deklaracje/kedu/KeduPageText.h"
#include "mv_deklaracje/kedu/KeduTextLimits.h"

namespace {
constexpr int kAddressLines = 9;
constexpr std::array<std::u16string_view, kAddressLines + 1> kElements{
    u"", u"p1", u"p2", u"p3", u"p4", u"p5", u"p6", u"p7", u"p8", u"p9"};
constexpr int kInsuredSurnameLine = 5;

// The lines of the shared page blocks held to the elements they are written into: the longest text each
// element of the schema takes, or a PESEL.
constexpr KeduTextLimit kPayerLimits[] = {
    {1, 10, u"p1 (NIP)"},
    {2, 14, u"p2 (REGON)"},
    {3, kPeselDigits, u"p3 (PESEL)"},
    {5, 9, u"p5 (seria i numer dokumentu tożsamości)"},
    {6, 31, u"p6 (nazwa skrócona)"},
    {7, 31, u"p7 (nazwisko)"},
    {8, 22, u"p8 (imię)"},
};
constexpr KeduTextLimit kInsuredLimits[] = {
    {1, kPeselDigits, u"p1 (PESEL)"},
    {4, 9, u"p4 (seria i numer dokumentu tożsamości)"},
    {5, 31, u"p5 (nazwisko)"},
    {6, 22, u"p6 (imię)"},
};
constexpr KeduTextLimit kFurtherDataLimits[] = {
    {1, 22, u"p1 (drugie imię)"},
    {2, 31, u"p2 (nazwisko rodowe)"},
    {3, 22, u"p3 (obywatelstwo)"},
    {4, 1, u"p4 (płeć)"},
};
constexpr KeduTextLimit kAddressLimits[] = {
    {2, 26, u"p2 (miejscowość)"},
    {3, 26, u"p3 (gmina)"},
    {4, 30, u"p4 (ulica)"},
    {5, 7, u"p5 (numer domu)"},
    {6, 7, u"p6 (numer lokalu)"},
    {7, 12, u"p7 (telefon)"},
    {8, 12, u"p8 (telefon)"},
};
constexpr KeduTextLimit kCorrespondenceLimits[] = {
    {2, 26, u"p2 (miejscowość)"},
    {3, 30, u"p3 (ulica)"},
    {4, 7, u"p4 (numer domu)"},
    {5, 7, u"p5 (numer lokalu)"},
    {6, 5, u"p6 (skrytka pocztowa)"},
    {7, 12, u"p7 (telefon)"},
    {8, 12, u"p8 (telefon)"},
    {9, 30, u"p9 (adres e-mail)"},
};
constexpr std::u16string_view kCorrespondenceBlock = u"ADKB";
}  // namespace

std::u16string InsuredPersonName(const KeduPage& page) {
    return KeduPersonName(u"Ubezpieczony", page.First(u"DAU"), kInsuredSurnameLine);
}

void WritePayer(KeduXmlWriter& xml, std::u16string_view name, const KeduPage& page, std::u16string_view code,
                DateRead dateRead) {
    const KeduPage::Block payer = page.First(code);
    CheckKeduTexts(payer, kPayerLimits, [] { return std::u16string(u"Płatnik"); }, name);
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
    CheckKeduTexts(person, kInsuredLimits, [&] { return InsuredPersonName(page); }, name);
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
    CheckKeduTexts(further, kFurtherDataLimits, [&] { return InsuredPersonName(page); }, name);
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
    if (code == kCorrespondenceBlock) {
        CheckKeduTexts(address, kCorrespondenceLimits, [&] { return InsuredPersonName(page); }, name);
    } else {
        CheckKeduTexts(address, kAddressLimits, [&] { return InsuredPersonName(page); }, name);
    }
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
