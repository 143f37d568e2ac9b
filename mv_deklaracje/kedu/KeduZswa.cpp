// The KEDU element of a ZSWA: the declaration (I), the payer (II), one block III per entry of an
// insured person with up to four periods of work in special conditions, and the statement (VII).
#include <array>

#include "mv_deklaracje/export/XmlEscape.h"
#include "mv_deklaracje/kedu/KeduBlocks.h"
#include "mv_deklaracje/kedu/KeduDocuments.h"
#include "mv_deklaracje/kedu/KeduTextLimits.h"

namespace {

constexpr int kDocumentId = 9;
constexpr int kPeriods = 4;
constexpr int kFirstPeriodLine = 9;
constexpr int kLinesPerPeriod = 5;
constexpr std::size_t kShortestDate = 4;
constexpr int kSurnameLine = 5;
constexpr KeduTextLimit kPersonLimits[] = {{1, kPeselDigits, u"A/p3 (PESEL)"},
                                           {4, 9, u"A/p6 (seria i numer dokumentu tożsamości)"},
                                           {5, 31, u"A/p7 (nazwisko)"},
                                           {6, 22, u"A/p8 (imię)"}};

// The element names of one period: its work code, start, end and working-time fraction.
struct PeriodElements {
    std::u16string_view code, from, to, fraction;
};
constexpr std::array<PeriodElements, kPeriods> kPeriodElements{{
    {u"p2", u"p3", u"p4", u"p5"},
    {u"p6", u"p7", u"p8", u"p9"},
    {u"p10", u"p11", u"p12", u"p13"},
    {u"p14", u"p15", u"p16", u"p17"},
}};

void WritePerson(KeduXmlWriter& xml, const KeduPage& page, const KeduPage::Block& entry, bool newDeclaration) {
    CheckKeduTexts(entry, kPersonLimits, [&entry] { return KeduPersonName(u"Ubezpieczony", entry, kSurnameLine); },
                   u"III");
    const CBstr pesel = entry.Line(1);
    const CBstr kind = entry.Line(3);
    const CBstr number = entry.Line(4);
    const std::u16string_view birth = entry.TrimmedLine(7);
    xml.Open(u"A");
    xml.Always(newDeclaration ? u"p1" : u"p2", CBstr(u"true"));
    xml.IfSet(u"p3", pesel);
    xml.If(pesel.IsEmpty() && !kind.IsEmpty() && !number.IsEmpty(), u"p5", kind);
    xml.If(pesel.IsEmpty() && !number.IsEmpty(), u"p6", number);
    xml.IfSetText(u"p7", entry.TrimmedLine(5));
    xml.IfSetText(u"p8", entry.TrimmedLine(6));
    // A date of fewer than four characters is no date; one that needs escaping is read escaped.
    if (NeedsXmlEscaping(birth)) {
        const CBstr date = page.Date(entry.Line(7));
        xml.If(IsDate(date), u"p9", date);
    } else if (birth.size() >= kShortestDate) {
        xml.AlwaysDate(u"p9", birth, page.Year(), page.Month());
    }
    xml.Close(u"A");
}

// The title code cut by position (characters 1-4, 5, 6), then the periods: the first always, each
// further one while its work code is set.
void WritePeriods(KeduXmlWriter& xml, const KeduPage& page, const KeduPage::Block& entry) {
    // The code is cut from its escaped text; most codes need no escaping and are cut where they stand.
    const std::u16string_view raw = entry.TrimmedLine(8);
    const CBstr escaped = NeedsXmlEscaping(raw) ? entry.Line(8) : CBstr();
    const std::u16string_view code = escaped.IsNull() ? raw : escaped.View();
    xml.Open(u"B");
    xml.Open(u"p1");
    xml.AlwaysWritten(u"p1", code.substr(0, 4));
    xml.AlwaysWritten(u"p2", code.substr(std::min<std::size_t>(4, code.size()), 1));
    xml.AlwaysWritten(u"p3", code.substr(std::min<std::size_t>(5, code.size()), 1));
    xml.Close(u"p1");
    for (int period = 0; period < kPeriods; ++period) {
        const int line = kFirstPeriodLine + period * kLinesPerPeriod;
        const CBstr workCode = entry.Line(line);
        if (period > 0 && workCode.IsEmpty()) break;
        const PeriodElements& names = kPeriodElements[period];
        xml.Always(names.code, workCode);
        xml.AlwaysDate(names.from, entry.TrimmedLine(line + 1), page.Year(), page.Month());
        xml.AlwaysDate(names.to, entry.TrimmedLine(line + 2), page.Year(), page.Month());
        xml.Open(names.fraction);
        xml.AlwaysText(u"p1", entry.TrimmedLine(line + 3));
        xml.AlwaysText(u"p2", entry.TrimmedLine(line + 4));
        xml.Close(names.fraction);
    }
    xml.Close(u"B");
}

}  // namespace

CBstr ZSWAToXML(const KeduPage& page) {
    const KeduPage::Block declaration = page.First(u"DOZSWA");
    const bool newDeclaration = declaration.Line(1) == u"1";
    // An entry's elements take about three times the characters of its lines.
    constexpr std::size_t kGrowth = 3;
    KeduXmlWriter xml(page.Text().size() * kGrowth);
    xml.Root(u"ZUSZSWA", kDocumentId);
    xml.Open(u"I");
    xml.Always(u"p1", declaration.Line(2));
    xml.Always(u"p2", declaration.Line(3));
    xml.Close(u"I");
    WritePayer(xml, u"II", page, u"DIPL");
    // An empty entry is passed over, not taken for the end: the persons after it are written, numbered
    // without a gap.
    int number = 0;
    KeduBlockWalker entries = page.Repeated(u"DDOZSWA");
    while (std::optional<std::u16string_view> text = entries.Next()) {
        const KeduPage::Block entry(*text);
        if (entry.IsEmpty()) continue;
        xml.NumberedBlock(u"III", ++number);
        WritePerson(xml, page, entry, newDeclaration);
        WritePeriods(xml, page, entry);
        xml.Close(u"III");
    }
    WriteStatement(xml, u"VII", page.Date(page.First(u"OPLR").Line(1)));
    xml.Close(u"ZUSZSWA");
    return xml.Text();
}
