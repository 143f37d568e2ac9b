// The KEDU element of a ZIUA: blocks I to V. The three identity blocks treat the document differently:
// the payer's kind needs the number beside it, the data as entered are written with a document only for
// a person without PESEL, and in the current data the kind stands alone and the number needs the kind.
#include "mv_deklaracje/kedu/KeduBlocks.h"
#include "mv_deklaracje/kedu/KeduDocuments.h"

namespace {
constexpr int kDocumentId = 7;
}  // namespace

CBstr ZIUAToXML(const KeduPage& page) {
    KeduXmlWriter xml;
    xml.Root(u"ZUSZIUA", kDocumentId);

    xml.Open(u"I");
    xml.IfSet(u"p1", page.First(u"DOZIUA").Word(1));
    xml.Close(u"I");

    WritePayer(xml, u"II", page, u"DIPL");

    const KeduPage::Block entered = page.First(u"DIOP");
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

    const KeduPage::Block current = page.First(u"ADIU");
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
