// The KEDU element of a ZUA: blocks I to IX and XI to XIV; the person's additional data are not
// exported, so there is no block X.
#include "mv_deklaracje/kedu/KeduBlocks.h"
#include "mv_deklaracje/kedu/KeduDocuments.h"
#include "mv_deklaracje/kedu/KeduPageText.h"
#include "mv_deklaracje/kedu/KeduTextLimits.h"

namespace {
constexpr int kDocumentId = 5;
constexpr std::u16string_view kTicked = u"X";
constexpr KeduTextLimit kChangeLimit[] = {{3, 1, u"p2 (kod zmiany albo korekty danych)", true}};
constexpr KeduTextLimit kHealthFundLimit[] = {{1, 3, u"p2 (kod oddziału NFZ)", true}};
}  // namespace

CBstr ZUAToXML(const KeduPage& page) {
    const auto insured = [&] { return InsuredPersonName(page); };
    CheckKeduTexts(page.First(u"DOZUA"), kChangeLimit, insured, u"I");
    KeduXmlWriter xml;
    xml.Root(u"ZUSZUA", kDocumentId);

    WriteRegistrationKind(xml, page.First(u"DOZUA").Word(3));
    WritePayer(xml, u"II", page, u"DIPL");
    WriteInsuredPerson(xml, u"III", page);
    WriteFurtherPersonalData(xml, u"IV", page);

    xml.Open(u"V");
    WriteTitleCode(xml, page.First(u"TYUB").Word(1));
    xml.Close(u"V");

    const KeduPage::Block compulsory = page.First(u"DOWP");
    xml.Open(u"VI");
    xml.IfDate(u"p1", page.Date(compulsory.Word(2)));
    xml.IfSet(u"p2", TrueIfEqual(compulsory.Word(3), kTicked));
    xml.IfSet(u"p3", TrueIfEqual(compulsory.Word(4), kTicked));
    xml.IfSet(u"p4", TrueIfEqual(compulsory.Word(5), kTicked));
    xml.IfSet(u"p5", TrueIfEqual(compulsory.Word(6), kTicked));
    xml.Close(u"VI");

    // Health insurance: the compulsory date wins over the voluntary one; the fund's branch goes with
    // whichever block is written.
    const CBstr healthFund = page.First(u"DOKC").Word(1);
    const CBstr compulsoryHealth = page.Date(page.First(u"DOOU").Word(1));
    const CBstr voluntaryHealth = page.Date(page.First(u"DODU").Word(1));
    CheckKeduTexts(page.First(u"DOKC"), kHealthFundLimit, insured, IsDate(compulsoryHealth) ? u"VII" : u"IX");
    if (IsDate(compulsoryHealth)) WriteHealthInsurance(xml, u"VII", compulsoryHealth, healthFund);

    const KeduPage::Block voluntary = page.First(u"DOBU");
    xml.Open(u"VIII");
    xml.IfSet(u"p1", TrueIfEqual(voluntary.Word(1), kTicked));
    xml.IfDate(u"p2", page.Date(voluntary.Word(2)));
    xml.IfSet(u"p3", TrueIfEqual(voluntary.Word(3), kTicked));
    xml.IfDate(u"p4", page.Date(voluntary.Word(4)));
    xml.IfSet(u"p5", TrueIfEqual(voluntary.Word(5), kTicked));
    xml.IfDate(u"p6", page.Date(voluntary.Word(6)));
    xml.Close(u"VIII");

    if (IsDate(voluntaryHealth) && !IsDate(compulsoryHealth))
        WriteHealthInsurance(xml, u"IX", voluntaryHealth, healthFund);

    WriteAddress(xml, u"XI", page, u"AZMO", true);
    WriteAddress(xml, u"XII", page, u"ADZA", false);
    WriteAddress(xml, u"XIII", page, u"ADKB", false);
    WriteStatement(xml, u"XIV", page.Date(page.First(u"OPL1").Word(1)));
    xml.Close(u"ZUSZUA");
    return xml.Text();
}
