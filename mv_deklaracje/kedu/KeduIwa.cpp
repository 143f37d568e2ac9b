// The KEDU element of an IWA: blocks I to VI.
#include "mv_deklaracje/export/XmlEscape.h"
#include "mv_deklaracje/kedu/KeduBlocks.h"
#include "mv_deklaracje/kedu/KeduDocuments.h"
#include "mv_deklaracje/kedu/KeduPageText.h"

namespace {
constexpr int kDocumentId = 11;
constexpr int kAddressLines = 10;
constexpr std::u16string_view kAddressElements[kAddressLines] = {u"p1", u"p2", u"p3", u"p4", u"p5",
                                                                 u"p6", u"p7", u"p8", u"p9", u"p10"};
constexpr unsigned kNumberLength = 2;
constexpr unsigned kYearLength = 4;
}  // namespace

CBstr IWAToXML(const KeduPage& page, const CBstr& decisionNumber) {
    // The identifier: two digits of the declaration's number, then its year. A shorter identifier gives
    // what it has.
    const KeduPage::Block declaration = page.First(u"DOIWA");
    const CBstr identifier = declaration.Word(1);
    const CBstr number = identifier.Left(kNumberLength);
    const CBstr year = identifier.Mid(kNumberLength, kYearLength);

    KeduXmlWriter xml;
    xml.Root(u"ZUSIWA", kDocumentId);
    xml.Open(u"I");
    xml.Open(u"p1");
    xml.Always(u"p1", number);
    xml.Always(u"p2", year);
    xml.Close(u"p1");
    xml.IfSet(u"p2", declaration.Word(2));
    xml.IfSet(u"p6", EscapeXmlText(decisionNumber, true));
    xml.Close(u"I");

    WritePayer(xml, u"II", page, u"DIPLIWA");

    xml.Open(u"III");
    xml.Always(u"p1", StripLeadingZeros(page.First(u"DUZWIWA").Word(1)));
    xml.Close(u"III");

    const KeduPage::Block accidents = page.First(u"ZDKRIWA");
    xml.Open(u"IV");
    xml.Always(u"p1", accidents.Word(1));
    xml.Always(u"p2", StripLeadingZeros(accidents.Word(2)));
    xml.Always(u"p3", StripLeadingZeros(accidents.Word(3)));
    xml.Always(u"p4", StripLeadingZeros(accidents.Word(4)));
    xml.Close(u"IV");

    const KeduPage::Block address = page.First(u"ADKP");
    xml.Open(u"V");
    for (int line = 1; line <= kAddressLines; ++line) xml.IfSet(kAddressElements[line - 1], address.Line(line));
    xml.Close(u"V");

    xml.Open(u"VI");
    xml.IfDate(u"p1", page.Date(page.First(u"OPLR").Word(1)));
    xml.Close(u"VI");
    xml.Close(u"ZUSIWA");
    return xml.Text();
}
