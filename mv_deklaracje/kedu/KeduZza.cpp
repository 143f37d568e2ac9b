// The KEDU element of a ZZA: blocks I to XI.
#include "mv_deklaracje/kedu/KeduBlocks.h"
#include "mv_deklaracje/kedu/KeduDocuments.h"
#include "mv_deklaracje/kedu/KeduTextLimits.h"

namespace {
constexpr int kDocumentId = 6;
constexpr KeduTextLimit kChangeLimit[] = {{2, 1, u"p2 (kod zmiany albo korekty danych)", true}};
constexpr KeduTextLimit kHealthFundLimit[] = {{1, 3, u"p2 (kod oddziału NFZ)", true}};
}  // namespace

CBstr ZZAToXML(const KeduPage& page) {
    const auto insured = [&] { return InsuredPersonName(page); };
    CheckKeduTexts(page.First(u"DOZZA"), kChangeLimit, insured, u"I");
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
    CheckKeduTexts(page.First(u"DOKC"), kHealthFundLimit, insured, IsDate(compulsoryHealth) ? u"VI" : u"VII");
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
