// The KEDU element of a ZCNA: the payer, the insured person, one block IV per family member and the
// payer's statement; there are no blocks I and V.
#include <string>

#include "mv_deklaracje/kedu/KeduBlocks.h"
#include "mv_deklaracje/kedu/KeduDocuments.h"
#include "mv_deklaracje/kedu/KeduPageText.h"
#include "mv_deklaracje/kedu/KeduTextLimits.h"

namespace {

constexpr int kDocumentId = 8;
constexpr std::u16string_view kTicked = u"X";
constexpr int kMemberSurnameLine = 7;
constexpr KeduTextLimit kMemberLimits[] = {{3, kPeselDigits, u"A/p3 (PESEL)"},
                                           {6, 9, u"A/p6 (seria i numer dokumentu tożsamości)"},
                                           {7, 31, u"A/p7 (nazwisko)"},
                                           {8, 22, u"A/p8 (imię)"},
                                           {10, 2, u"A/p10 (kod stopnia pokrewieństwa)", true},
                                           {13, 1, u"A/p12 (kod stopnia niepełnosprawności)", true},
                                           {15, 26, u"B/p2 (miejscowość)"},
                                           {16, 26, u"B/p3 (gmina)"},
                                           {17, 30, u"B/p4 (ulica)"},
                                           {18, 7, u"B/p5 (numer domu)"},
                                           {19, 7, u"B/p6 (numer lokalu)"},
                                           {20, 12, u"B/p7 (telefon)"},
                                           {21, 12, u"B/p8 (telefon)"}};

// One family member: sub-block A (who, registered or deregistered, kinship) and B (the address).
void WriteMember(KeduXmlWriter& xml, const KeduPage& page, const KeduPage::Block& member, int number) {
    // The member as the form's check names it: "Członek rodziny 1 (KOWALSKA MARIA)".
    const auto who = [&] {
        return u"Członek rodziny " + LongToString(number).Str() + u" (" +
               std::u16string(member.TrimmedLine(kMemberSurnameLine)) + u" " +
               std::u16string(member.TrimmedLine(kMemberSurnameLine + 1)) + u")";
    };
    CheckKeduTexts(member, kMemberLimits, who, u"IV");
    const CBstr pesel = member.Line(3);
    const CBstr kind = member.Word(5);
    const CBstr document = member.Line(6);
    xml.NumberedBlock(u"IV", number);
    xml.Open(u"A");
    xml.IfSet(u"p1", member.Word(1));
    xml.IfDate(u"p2", page.Date(member.Word(2)));
    xml.IfSet(u"p3", pesel);
    xml.If(pesel.IsEmpty() && !kind.IsEmpty(), u"p5", kind);
    xml.If(pesel.IsEmpty() && !document.IsEmpty(), u"p6", document);
    xml.IfSet(u"p7", member.Line(7));
    xml.IfSet(u"p8", member.Line(8));
    xml.IfDate(u"p9", page.Date(member.Word(9)));
    xml.IfSet(u"p10", member.Word(10));
    xml.IfSet(u"p11", TrueIfEqual(member.Word(12), kTicked));
    xml.IfSet(u"p12", member.Word(13));
    xml.Close(u"A");
    xml.Open(u"B");
    xml.IfSet(u"p1", PostalCodeOrEmpty(member.Line(14)));
    xml.IfSet(u"p2", member.Line(15));
    xml.IfSet(u"p3", member.Line(16));
    xml.IfSet(u"p4", member.Line(17));
    xml.IfSet(u"p5", member.Line(18));
    xml.IfSet(u"p6", member.Line(19));
    xml.IfSet(u"p7", member.Line(20));
    xml.IfSet(u"p8", member.Line(21));
    xml.Close(u"B");
    xml.Close(u"IV");
}

}  // namespace

CBstr ZCNAToXML(const KeduPage& page) {
    KeduXmlWriter xml;
    xml.Root(u"ZUSZCNA", kDocumentId);
    WritePayer(xml, u"II", page, u"DIPL");
    WriteInsuredPerson(xml, u"III", page);
    // An empty member block is passed over, not taken for the end: the members after it are written,
    // numbered without a gap.
    int number = 0;
    KeduBlockWalker members = page.Repeated(u"DOCRA");
    while (std::optional<std::u16string_view> text = members.Next()) {
        const KeduPage::Block member(*text);
        if (!member.IsEmpty()) WriteMember(xml, page, member, ++number);
    }
    WriteStatement(xml, u"VI", page.Date(page.First(u"OPL1").Word(1)));
    xml.Close(u"ZUSZCNA");
    return xml.Text();
}
