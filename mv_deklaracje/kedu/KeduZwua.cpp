// The KEDU element of a ZWUA: blocks I to V.
#include "mv_deklaracje/kedu/KeduBlocks.h"
#include "mv_deklaracje/kedu/KeduDocuments.h"
#include "mv_deklaracje/kedu/KeduPageText.h"
#include "mv_deklaracje/kedu/KeduTextLimits.h"

namespace {
constexpr int kDocumentId = 10;
constexpr std::u16string_view kTicked = u"X";
constexpr int kPensionDate = 3;
constexpr int kPensionReason = 4;
constexpr int kHealthDate = 15;
constexpr int kHealthReason = 16;
constexpr KeduTextLimit kReasonLimits[] = {{kPensionReason, 3, u"p3 (kod przyczyny wyrejestrowania)", true},
                                           {kHealthReason, 3, u"p3 (kod przyczyny wyrejestrowania)", true}};
}  // namespace

CBstr ZWUAToXML(const KeduPage& page) {
    const KeduPage::Block kind = page.First(u"DOZWUA");
    // Deregistration from the social and health insurances, or failing that from the health insurance
    // alone; the social insurances alone (line 2) have no mark of their own here.
    CBstr deregistration = TrueIfEqual(kind.Word(1), kTicked);
    if (deregistration.IsEmpty()) deregistration = TrueIfEqual(kind.Word(3), kTicked);

    // The date and reason of the pension insurance's end, or of the health insurance's without one.
    const KeduPage::Block end = page.First(u"WUBD");
    CheckKeduTexts(end, kReasonLimits, [&] { return InsuredPersonName(page); }, u"IV");
    CBstr date = page.Date(end.Word(kPensionDate));
    CBstr reason = end.Word(kPensionReason);
    if (!IsDate(date)) {
        date = page.Date(end.Word(kHealthDate));
        reason = end.Word(kHealthReason);
    }

    KeduXmlWriter xml;
    xml.Root(u"ZUSZWUA", kDocumentId);
    xml.Open(u"I");
    xml.IfSet(u"p1", deregistration);
    xml.IfSet(u"p2", TrueIfEqual(kind.Word(4), kTicked));
    xml.Close(u"I");
    WritePayer(xml, u"II", page, u"DIPL");
    WriteInsuredPerson(xml, u"III", page);
    xml.Open(u"IV");
    WriteTitleCode(xml, end.Word(1));
    xml.IfDate(u"p2", date);
    xml.IfSet(u"p3", reason);
    xml.Close(u"IV");
    WriteStatement(xml, u"V", page.Date(page.First(u"OPL1").Word(1)));
    xml.Close(u"ZUSZWUA");
    return xml.Text();
}
