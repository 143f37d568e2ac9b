// The KEDU element of a ZZA: blocks I to XI.
#include "mv_deklaracje/kedu/KeduBlocks.h"
#include "mv_deklaracje/kedu/KeduDocuments.h"

namespace {
constexpr int kDocumentId = 6;
}  // namespace

CBstr ZZAToXML(const KeduPage& page) {
    KeduXmlWriter xml;
    xml.Root(u"ZUSZZA", kDocumentId);

    const CBstr change = page.First(u"DOZZA").Word(2);
    xml.Open(u"I");
    if (change.IsEmpty()) xml.Always(u"p1", CBstr(u"true"));
    xml.IfSet(u"p2", change);
    xml.Close(u"I");

    WritePayer(xml, u"II", page, u"DIPL", DateRead::Word);
    WriteInsuredPerson(xml, u"III", page);

    const KeduPage::Block further = page.First(u"DEOZ");
    xml.Open(u"IV");
    xml.IfSet(u"p1", further.Line(1));
    xml.IfSet(u"p2", further.Line(2));
    xml.IfSet(u"p3", further.Line(3));
    xml.IfSet(u"p4", further.Line(4));
    xml.Close(u"IV");

    xml.Open(u"V");
    WriteTitleCode(xml, page.First(u"TYUBZ").Word(1));
    xml.Close(u"V");

    const CBstr healthFund = page.First(u"DOKC").Word(1);
    const CBstr compulsoryHealth = page.Date(page.First(u"DOOU").Word(1));
    const CBstr voluntaryHealth = page.Date(page.First(u"DODU").Word(1));
    if (IsDate(compulsoryHealth)) {
        xml.Open(u"VI");
        xml.Always(u"p1", compulsoryHealth);
        xml.IfSet(u"p2", healthFund);
        xml.Close(u"VI");
    } else if (IsDate(voluntaryHealth)) {
        xml.Open(u"VII");
        xml.Always(u"p1", voluntaryHealth);
        xml.IfSet(u"p2", healthFund);
        xml.Close(u"VII");
    }

    WriteAddress(xml, u"VIII", page, u"AZMO", false);
    WriteAddress(xml, u"IX", page, u"ADZA", false);
    WriteAddress(xml, u"X", page, u"ADKB", false);
    WriteStatement(xml, u"XI", page.Date(page.First(u"OPL1").Word(1)));
    xml.Close(u"ZUSZZA");
    return xml.Text();
}
