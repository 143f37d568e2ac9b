// The KEDU element of a ZZA: blocks I to XI.
#include "mv_deklaracje/kedu/KeduBlocks.h"
#include "mv_deklaracje/kedu/KeduDocuments.h"

namespace {
constexpr int kDocumentId = 6;
}  // namespace

CBstr ZZAToXML(const KeduPage& page) {
    KeduXmlWriter xml;
    xml.Root(u"ZUSZZA", kDocumentId);

    WriteRegistrationKind(xml, page.First(u"DOZZA").Word(2));
    WritePayer(xml, u"II", page, u"DIPL", DateRead::Word);
    WriteInsuredPerson(xml, u"III", page);
    WriteFurtherPersonalData(xml, u"IV", page);

    xml.Open(u"V");
    WriteTitleCode(xml, page.First(u"TYUBZ").Word(1));
    xml.Close(u"V");

    const CBstr healthFund = page.First(u"DOKC").Word(1);
    const CBstr compulsoryHealth = page.Date(page.First(u"DOOU").Word(1));
    const CBstr voluntaryHealth = page.Date(page.First(u"DODU").Word(1));
    if (IsDate(compulsoryHealth)) {
        WriteHealthInsurance(xml, u"VI", compulsoryHealth, healthFund);
    } else if (IsDate(voluntaryHealth)) {
        WriteHealthInsurance(xml, u"VII", voluntaryHealth, healthFund);
    }

    WriteAddress(xml, u"VIII", page, u"AZMO", false);
    WriteAddress(xml, u"IX", page, u"ADZA", false);
    WriteAddress(xml, u"X", page, u"ADKB", false);
    WriteStatement(xml, u"XI", page.Date(page.First(u"OPL1").Word(1)));
    xml.Close(u"ZUSZZA");
    return xml.Text();
}
