// The KEDU element of a ZIUA: blocks I to V. The three identity blocks treat the document differently:
// the payer's kind needs the number beside it, the data as entered are written with a document only for
// a person without PESEL, and in the current data the kind stands alone and the number needs the kind.
#include "mv_deklaracje/kedu/KeduBlocks.h"
#include "mv_deklaracje/kedu/KeduDocuments.h"
#include "mv_deklaracje/kedu/KeduTextLimits.h"

namespace {
constexpr int kDocumentId = 7;
constexpr int kSurnameLine = 5;
constexpr KeduTextLimit kChangeLimit[] = {{1, 1, u"p1 (kod zmiany albo korekty danych)", true}};
constexpr KeduTextLimit kEnteredLimits[] = {{1, kPeselDigits, u"p1 (PESEL)"},
                                            {2, 10, u"p2 (NIP)"},
                                            {4, 9, u"p4 (seria i numer dokumentu tożsamości)"},
                                            {5, 31, u"p5 (nazwisko)"},
                                            {6, 22, u"p6 (imię)"}};
constexpr KeduTextLimit kCurrentLimits[] = {{1, kPeselDigits, u"p1 (PESEL)"},
                                            {4, 9, u"p4 (seria i numer dokumentu tożsamości)"},
                                            {5, 31, u"p5 (nazwisko)"},
                                            {6, 22, u"p6 (imię)"}};
}  // namespace

CBstr ZIUAToXML(const KeduPage& page) {
    const KeduPage::Block entered = page.First(u"DIOP");
    const KeduPage::Block current = page.First(u"ADIU");
    const auto person = [&current] { return KeduPersonName(u"Ubezpieczony", current, kSurnameLine); };
    CheckKeduTexts(page.First(u"DOZIUA"), kChangeLimit, person, u"I");
    const auto enteredPerson = [&entered] { return KeduPersonName(u"Ubezpieczony", entered, kSurnameLine); };
    CheckKeduTexts(entered, kEnteredLimits, enteredPerson, u"III");
    CheckKeduTexts(current, kCurrentLimits, person, u"IV");
    KeduXmlWriter xml;
    xml.Root(u"ZUSZIUA", kDocumentId);

    xml.Open(u"I");
    xml.IfSet(u"p1", page.First(u"DOZIUA").Word(1));
    xml.Close(u"I");

    WritePayer(xml, u"II", page, u"DIPL");

    const CBstr enteredPesel = entered.Line(1);
    const CBstr enteredKind = entered.Line(3);
    const CBstr enteredNumber = entered.Line(4);
    xml.Open(u"III");
    xml.IfSet(u"p1", enteredPesel);
    xml.IfSet(u"p2", entered.Line(2));
    xml.If(enteredPesel.IsEmpty() && !enteredKind.IsEmpty(), u"p3", enteredKind);
    xml.If(enteredPesel.IsEmpty() && !enteredKind.IsEmpty() && !enteredNumber.IsEmpty(), u"p4", enteredNumber);
    xml.IfSet(u"p5", entered.Line(5));
    xml.IfSet(u"p6", entered.Line(6));
    xml.IfDate(u"p7", page.Date(entered.Line(7)));
    xml.Close(u"III");

    const CBstr currentKind = current.Line(3);
    const CBstr currentNumber = current.Line(4);
    xml.Open(u"IV");
    xml.IfSet(u"p1", current.Line(1));
    xml.IfSet(u"p3", currentKind);
    xml.If(!currentKind.IsEmpty() && !currentNumber.IsEmpty(), u"p4", currentNumber);
    xml.IfSet(u"p5", current.Line(5));
    xml.IfSet(u"p6", current.Line(6));
    xml.IfDate(u"p7", page.Date(current.Line(7)));
    xml.Close(u"IV");

    WriteStatement(xml, u"V", page.Date(page.First(u"OPL1").Word(1)));
    xml.Close(u"ZUSZIUA");
    return xml.Text();
}
