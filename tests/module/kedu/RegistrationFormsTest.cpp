// The ZUS registration forms calculated on the demo company: each form's page text, block by block as
// the KEDU writers read it, the KEDU document written from it and validated against the project's
// schemas, and the checks of onverify that run when a form is saved.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "KeduDeclarationFixture.h"
#include "KeduPageBuilder.h"
#include "hostapi/Kedu.h"
#include "mv_deklaracje/kedu/KeduHeader.h"
#include "platform/ado/DateText.h"
#include "tests/support/KeduSchemaFolder.h"
#include "tlb/Kedu.h"

namespace tlx::test {
namespace {

DATE Day(int year, int month, int day) { return *ado::MakeOleDate(year, month, day); }

const DATE kAugust20 = Day(2024, 8, 20);  // the payer's statement

// The payer block every form takes from the demo company's settings: REGON and the short name (the
// company database alone has no "FirmaNIP").
const std::u16string kPayer = PageBlock(u"DIPL", {u"", u"012345675", u"", u"", u"", u"PRZYKŁADOWA SP. Z O.O."});

class RegistrationFormsTest : public KeduDeclarationTest {
protected:
    bool WithDemoCompany() const override { return true; }

    // A new form of `type` for the demo card, its date field set; not calculated.
    ComPtr<IDeklaracja2> Form(long type, int card, std::u16string_view dateField, DATE date) {
        declarations_ = Declarations();
        ComPtr<IDispatch> item;
        EXPECT_EQ(declarations_->AddNew(Variant::Missing(), item.Out()), S_OK) << Utf16ToUtf8(LastError());
        ComPtr<IDeklaracja2> form = item.As<IDeklaracja2>();
        EXPECT_EQ(form->put_TypDeklar(type), S_OK);
        EXPECT_EQ(form->put_Wersja(1), S_OK) << Utf16ToUtf8(LastError());
        EXPECT_EQ(form->put_Rok(2024), S_OK);
        EXPECT_EQ(form->put_Miesiac(8), S_OK);
        EXPECT_EQ(form->put_Numer(1), S_OK);
        ComPtr<IDispatch> employee = Create(u"TLX.Pracownicy", Variant::FromString(Number(card)));
        EXPECT_EQ(form->put_Pracownik(employee.Get()), S_OK) << Utf16ToUtf8(LastError());
        Put(form.Get(), dateField, Variant::FromDate(date));
        Put(form.Get(), u"OSWIADCZENIE", Variant::FromDate(kAugust20));
        return form;
    }
    // Calculates and saves the form; answers the HRESULT of the save (the refusal of onverify).
    HRESULT CalculateAndSave(IDeklaracja2* form) {
        EXPECT_EQ(form->Policz(), S_OK) << Utf16ToUtf8(LastError());
        const HRESULT hr = SaveCollection(declarations_.Get());
        error_ = FAILED(hr) ? LastError() : u"";
        return hr;
    }
    std::u16string PageText(IDeklaracja2* form) {
        Variant text = Get(form, u"Tekst");
        return text.vt == VT_BSTR ? std::u16string(Bstr(text.bstrVal).View()) : u"";
    }
    // The KEDU document of the stored form, checked against both generations' schemas.
    std::u16string Document(IDeklaracja2* form) {
        LONG id = 0;
        EXPECT_EQ(form->get_ID(&id), S_OK);
        ComPtr<IKeduDocuments> documents;
        EXPECT_EQ(CreateKeduDocuments(session_.Get(), documents.Out()), S_OK);
        Bstr body;
        EXPECT_EQ(documents->ToXML(id, body.Out()), S_OK) << Utf16ToUtf8(LastError());
        if (schemas_.Available()) {
            for (KeduGeneration generation : {KeduGeneration::Kedu3, KeduGeneration::Kedu43}) {
                const std::u16string whole = KeduHeaderText(generation, CBstr(u"Velmora ERP Mirvak"), CBstr(u""),
                                                            CDate(8, 20, 2024)).Str() +
                                             std::u16string(body.View()) + u"</KEDU>";
                const std::vector<std::u16string> errors = schemas_.Errors(whole);
                EXPECT_TRUE(errors.empty()) << Utf16ToUtf8(errors.empty() ? u"" : errors.front()) << "\n"
                                            << Utf16ToUtf8(body.View());
            }
        }
        return std::u16string(body.View());
    }

    ComPtr<ICollection> declarations_;
    std::u16string error_;
    KeduSchemaFolder schemas_{SourceDir(), TLX_KEDU5_DIR};
};

// The May starter: compulsory social and health insurance from his first day, his three addresses.
TEST_F(RegistrationFormsTest, TheZuaOfTheMayStarter) {
    ComPtr<IDeklaracja2> zua = Form(dekZUS_ZUA, 12, u"DATAZGLOSZENIA", Day(2024, 5, 6));
    ASSERT_EQ(CalculateAndSave(zua.Get()), S_OK) << Utf16ToUtf8(error_);
    EXPECT_EQ(PageText(zua.Get()),
              FormPage(u"ZUSZUA",
                       {PageBlock(u"DOZUA", {u"", u"", u""}), kPayer,
                        PageBlock(u"DAU", {u"88060667896", u"", u"1", u"AWY123456", u"WOJCIECHOWSKI", u"MICHAŁ",
                                           u"06061988"}),
                        PageBlock(u"DEOZ", {u"", u"WOJCIECHOWSKI", u"POLSKIE", u"M"}),
                        PageBlock(u"TYUB", {u"011000"}),
                        PageBlock(u"DOWP", {u"", u"06052024", u"X", u"X", u"X", u"X"}),
                        PageBlock(u"DOBU", {u"", u"", u"", u"", u"", u""}), PageBlock(u"DOOU", {u"06052024"}),
                        PageBlock(u"DODU", {u""}), PageBlock(u"DOKC", {u"07R"}),
                        PageBlock(u"AZMO", {u"02515", u"Warszawa", u"Warszawa", u"Puławska", u"36", u"", u"600013332",
                                            u""}),
                        PageBlock(u"ADZA", {u"31006", u"Kraków", u"Kraków", u"Grodzka", u"15", u"4", u"", u""}),
                        PageBlock(u"ADKB", {u"00514", u"Warszawa", u"Marszałkowska", u"84", u"92", u"", u"", u"", u""}),
                        PageBlock(u"OPL1", {u"20082024"})}));
    const std::u16string document = Document(zua.Get());
    EXPECT_NE(document.find(u"<VI><p1>2024-05-06</p1><p2>true</p2><p3>true</p3><p4>true</p4><p5>true</p5></VI>"
                            u"<VII><p1>2024-05-06</p1><p2>07R</p2></VII><VIII></VIII>"),
              std::u16string::npos)
        << Utf16ToUtf8(document);
}

// The health-only contract: no social insurance, compulsory health insurance.
TEST_F(RegistrationFormsTest, TheZzaOfTheHealthOnlyContract) {
    ComPtr<IDeklaracja2> zza = Form(dekZUS_ZZA, 10, u"DATAZGLOSZENIA", Day(2024, 1, 1));
    ASSERT_EQ(CalculateAndSave(zza.Get()), S_OK) << Utf16ToUtf8(error_);
    EXPECT_EQ(PageText(zza.Get()),
              FormPage(u"ZUSZZA",
                       {PageBlock(u"DOZZA", {u"X", u""}), kPayer,
                        PageBlock(u"DAU", {u"61040456783", u"", u"1", u"ARS901234", u"WOŹNIAK", u"KRZYSZTOF",
                                           u"04041961"}),
                        PageBlock(u"DEOZ", {u"", u"WOŹNIAK", u"POLSKIE", u"M"}), PageBlock(u"TYUBZ", {u"221110"}),
                        PageBlock(u"DOOU", {u"01012024"}), PageBlock(u"DODU", {u""}), PageBlock(u"DOKC", {u"07R"}),
                        PageBlock(u"AZMO", {u"02515", u"Warszawa", u"Warszawa", u"Puławska", u"30", u"", u"600011110",
                                            u""}),
                        PageBlock(u"ADZA", {u"", u"", u"", u"", u"", u"", u"", u""}),
                        PageBlock(u"ADKB", {u"", u"", u"", u"", u"", u"", u"", u"", u""}),
                        PageBlock(u"OPL1", {u"20082024"})}));
    const std::u16string document = Document(zza.Get());
    EXPECT_NE(document.find(u"<V><p1><p1>2211</p1><p2>1</p2><p3>0</p3></p1></V><VI><p1>2024-01-01</p1><p2>07R</p2></VI>"
                            u"<VIII><p1>02515</p1>"),
              std::u16string::npos)
        << Utf16ToUtf8(document) << "\nno residence or correspondence block without an address";
}

// The surname changed at the start of 2025: the data as registered are entered on the form and kept
// by a second calculation; the current data come from the record valid on DANEZDNIA.
TEST_F(RegistrationFormsTest, TheZiuaKeepsTheEnteredDataAndTakesTheCurrentRecord) {
    ComPtr<IDeklaracja2> ziua = Form(dekZUS_ZIUA, 16, u"DANEZDNIA", Day(2025, 1, 1));
    Put(ziua.Get(), u"DIOPPESEL", Variant::FromString(u"84121256788"));
    Put(ziua.Get(), u"DIOPNAZWISKO", Variant::FromString(u"Żółkiewska"));
    Put(ziua.Get(), u"DIOPIMIE1", Variant::FromString(u"Łucja"));
    Put(ziua.Get(), u"DIOPDATAUR", Variant::FromDate(Day(1984, 12, 12)));
    ASSERT_EQ(ziua->Policz(), S_OK) << Utf16ToUtf8(LastError());
    ASSERT_EQ(CalculateAndSave(ziua.Get()), S_OK) << Utf16ToUtf8(error_);
    EXPECT_EQ(PageText(ziua.Get()),
              FormPage(u"ZUSZIUA",
                       {PageBlock(u"OPL1", {u"20082024"}),
                        PageBlock(u"DIOP", {u"84121256788", u"", u"", u"", u"ŻÓŁKIEWSKA", u"ŁUCJA", u"12121984"}),
                        PageBlock(u"DOZIUA", {u""}), kPayer,
                        PageBlock(u"ADIU", {u"84121256788", u"", u"1", u"BFG567890", u"ŻÓŁKIEWSKA-WRONA", u"ŁUCJA",
                                            u"12121984"})}));
    EXPECT_NE(Document(ziua.Get()).find(u"<III><p1>84121256788</p1><p5>ŻÓŁKIEWSKA</p5>"), std::u16string::npos);

    // A date before the change gives the surname then in force.
    Put(ziua.Get(), u"DANEZDNIA", Variant::FromDate(Day(2024, 12, 31)));
    ASSERT_EQ(CalculateAndSave(ziua.Get()), S_OK) << Utf16ToUtf8(error_);
    EXPECT_NE(PageText(ziua.Get()).find(u"\r\nBFG567890\r\nŻÓŁKIEWSKA\r\n"), std::u16string::npos);
}

// The August leaver: every insurance she had ends on her deregistration day, for reason 100.
TEST_F(RegistrationFormsTest, TheZwuaOfTheAugustLeaverAndItsChangeOfData) {
    ComPtr<IDeklaracja2> zwua = Form(dekZUS_ZWUA, 13, u"DATAWYREJESTROWANIA", Day(2024, 8, 15));
    ASSERT_EQ(CalculateAndSave(zwua.Get()), S_OK) << Utf16ToUtf8(error_);
    std::vector<std::u16string> ends{u"011000"};
    for (int insurance = 0; insurance < 5; ++insurance)
        ends.insert(ends.end(), {u"X", u"15082024", u"100"});
    std::u16string wubd = u"<WUBD>\r\n";
    for (const std::u16string& line : ends) wubd += line + u"\r\n";
    wubd += u"</WUBD>\r\n";
    EXPECT_EQ(PageText(zwua.Get()),
              FormPage(u"ZUSZWUA", {kPayer,
                                    PageBlock(u"DAU", {u"91090934560", u"", u"1", u"AXZ234567", u"KOWALCZYK", u"JOANNA",
                                                       u"09091991"}),
                                    wubd, PageBlock(u"DOZWUA", {u"X", u"", u"", u""}),
                                    PageBlock(u"OPL1", {u"20082024"})}));
    EXPECT_NE(Document(zwua.Get()).find(u"<I><p1>true</p1></I>"), std::u16string::npos);

    // A change of an earlier deregistration: no kind of deregistration is marked.
    Put(zwua.Get(), u"ZMIANA", Variant::FromString(u"X"));
    ASSERT_EQ(CalculateAndSave(zwua.Get()), S_OK) << Utf16ToUtf8(error_);
    EXPECT_NE(PageText(zwua.Get()).find(u"<DOZWUA>\r\n\r\n\r\n\r\nX\r\n</DOZWUA>"), std::u16string::npos)
        << Utf16ToUtf8(PageText(zwua.Get()));
    EXPECT_NE(Document(zwua.Get()).find(u"<I><p2>true</p2></I>"), std::u16string::npos);
}

// Jan Kowalski's wife and children: one DOCRA block each, in the order they were put; the younger
// child has an address of her own, the others take his address of residence.
TEST_F(RegistrationFormsTest, TheZcnaGivesOneBlockPerFamilyMember) {
    ComPtr<IDeklaracja2> zcna = Form(dekZUS_ZCNA, 1, u"DATAZGLOSZENIA", Day(2024, 8, 1));
    for (int member : {1, 2, 3}) Put(zcna.Get(), u"ZGLOSZENIE", Variant::FromLong(member));
    ASSERT_EQ(CalculateAndSave(zcna.Get()), S_OK) << Utf16ToUtf8(error_);
    const std::u16string residence[] = {u"05500", u"Piaseczno", u"Piaseczno", u"Słowackiego", u"7", u""};
    auto member = [&](std::initializer_list<std::u16string_view> who, const std::u16string* address) {
        std::u16string text = u"<DOCRA>\r\n1\r\n01082024\r\n";
        for (std::u16string_view line : who) text += std::u16string(line) + u"\r\n";
        for (int line = 0; line < 6; ++line) text += address[line] + u"\r\n";
        return text + u"</DOCRA>\r\n";
    };
    const std::u16string own[] = {u"26600", u"Radom", u"Radom", u"Żeromskiego", u"12", u""};
    EXPECT_EQ(PageText(zcna.Get()),
              FormPage(u"ZUSZCNA",
                       {PageBlock(u"OPL1", {u"20082024"}),
                        member({u"82030312340", u"", u"", u"", u"KOWALSKA", u"MARIA", u"03031982", u"11", u"", u"X", u""},
                               residence),
                        member({u"10211012345", u"", u"", u"", u"KOWALSKI", u"ADAM", u"10012010", u"21", u"X", u"X", u""},
                               residence),
                        member({u"15251512349", u"", u"", u"", u"KOWALSKA", u"ZUZANNA", u"15052015", u"21", u"X", u"",
                                u"1"},
                               own),
                        kPayer,
                        PageBlock(u"DAU", {u"80010112340", u"5261040828", u"", u"", u"KOWALSKI", u"JAN", u"01011980"})}));
    const std::u16string document = Document(zcna.Get());
    EXPECT_NE(document.find(u"<IV id_bloku=\"3\">"), std::u16string::npos) << Utf16ToUtf8(document);
    EXPECT_EQ(document.find(u"<IV id_bloku=\"4\">"), std::u16string::npos);
}

// A member without an address of her own, whose employee has no address of residence either, takes
// the address of his record.
TEST_F(RegistrationFormsTest, AFamilyMemberWithoutAnyAddressTakesTheRecordsAndAStrangerIsRefused) {
    Execute(u"update TLX.PracEtaty set PRE_ZAMMiasto = NULL, PRE_ZAMGmina = NULL where PRE_PraId = 1");
    ComPtr<IDeklaracja2> zcna = Form(dekZUS_ZCNA, 1, u"DATAZGLOSZENIA", Day(2024, 8, 1));
    Put(zcna.Get(), u"WYREJESTROWANIE", Variant::FromLong(2));
    ASSERT_EQ(CalculateAndSave(zcna.Get()), S_OK) << Utf16ToUtf8(error_);
    EXPECT_NE(PageText(zcna.Get()).find(u"<DOCRA>\r\n2\r\n01082024\r\n10211012345\r\n"), std::u16string::npos);
    EXPECT_NE(PageText(zcna.Get()).find(u"\r\n02515\r\nWarszawa\r\nWarszawa\r\nPuławska\r\n3\r\n\r\n</DOCRA>"),
              std::u16string::npos)
        << Utf16ToUtf8(PageText(zcna.Get()));

    // A member of no one, or of another card, is refused by name.
    ComPtr<IDeklaracja2> stranger = Form(dekZUS_ZCNA, 2, u"DATAZGLOSZENIA", Day(2024, 8, 1));
    EXPECT_TRUE(FAILED(CallByName(stranger.Get(), u"ZGLOSZENIE", DISPATCH_PROPERTYPUT, {Variant::FromLong(1)})));
    EXPECT_EQ(LastError(), u"Pracownik nie ma członka rodziny o identyfikatorze 1.");
}

// onverify, run by the save: a person needs a PESEL or a document's kind and number, and a text must
// fit the KEDU element it goes to; the foreigner with a passport passes.
TEST_F(RegistrationFormsTest, TheSaveRefusesAPersonWithoutIdentifierAndATooLongSurname) {
    ComPtr<IDeklaracja2> nobody = Form(dekZUS_ZUA, 20, u"DATAZGLOSZENIA", Day(2024, 5, 6));
    EXPECT_TRUE(FAILED(CalculateAndSave(nobody.Get())));
    EXPECT_EQ(error_, u"Pole DAUPESEL (ubezpieczony): brak numeru PESEL oraz rodzaju i numeru dokumentu tożsamości.");

    const std::u16string surname(32, u'Ż');
    Execute(u"update TLX.PracEtaty set PRE_Nazwisko = '" + surname + u"' where PRE_PraId = 12");
    ComPtr<IDeklaracja2> tooLong = Form(dekZUS_ZZA, 12, u"DATAZGLOSZENIA", Day(2024, 5, 6));
    EXPECT_TRUE(FAILED(CalculateAndSave(tooLong.Get())));
    EXPECT_EQ(error_, u"Ubezpieczony " + surname + u" MICHAŁ: pole DAUNAZWISKO (nazwisko ubezpieczonego) może mieć "
                      u"najwyżej 31 znaków, a ma 32: " + surname);

    ComPtr<IDeklaracja2> foreigner = Form(dekZUS_ZUA, 19, u"DATAZGLOSZENIA", Day(2024, 5, 6));
    ASSERT_EQ(CalculateAndSave(foreigner.Get()), S_OK) << Utf16ToUtf8(error_);
    const std::u16string document = Document(foreigner.Get());
    EXPECT_NE(document.find(u"<III><p3>2</p3><p4>AB1234567</p4><p5>SMITH</p5>"), std::u16string::npos)
        << Utf16ToUtf8(document);
    EXPECT_NE(document.find(u"<IV><p1>EDWARD</p1><p2>SMITH</p2><p3>BRYTYJSKIE</p3>"), std::u16string::npos);
}

// Jan Kowalski's two children deregistered from health insurance on the ZCZA: one DOCRA block each
// with the date, the child's identification and kinship. The form has no KEDU XML element: it takes
// the host component's road, and its SAVETO writes the component's file of the page text.
TEST_F(RegistrationFormsTest, TheZczaDeregistersFamilyMembersOnTheComponentsRoad) {
    ComPtr<IDeklaracja2> zcza = Form(dekZUS_ZCZA, 1, u"DATAWYREJESTROWANIA", Day(2024, 9, 1));
    for (int member : {2, 3}) Put(zcza.Get(), u"WYREJESTROWANIE", Variant::FromLong(member));
    ASSERT_EQ(CalculateAndSave(zcza.Get()), S_OK) << Utf16ToUtf8(error_);
    const std::u16string page =
        FormPage(u"ZUSZCZA",
                 {PageBlock(u"OPL1", {u"20082024"}),
                  PageBlock(u"DOCRA", {u"01092024", u"10211012345", u"", u"", u"", u"KOWALSKI", u"ADAM", u"10012010",
                                       u"21"}),
                  PageBlock(u"DOCRA", {u"01092024", u"15251512349", u"", u"", u"", u"KOWALSKA", u"ZUZANNA",
                                       u"15052015", u"21"}),
                  kPayer,
                  PageBlock(u"DAU", {u"80010112340", u"5261040828", u"", u"", u"KOWALSKI", u"JAN", u"01011980"})});
    EXPECT_EQ(PageText(zcza.Get()), page);

    LONG id = 0;
    ASSERT_EQ(zcza->get_ID(&id), S_OK);
    ComPtr<IKeduDocuments> documents;
    ASSERT_EQ(CreateKeduDocuments(session_.Get(), documents.Out()), S_OK);
    FormatEksportuZUSEnum route = expXML;
    ASSERT_EQ(documents->FormatEksportu(id, &route), S_OK);
    EXPECT_EQ(route, expKEDU);

    const std::filesystem::path file = folder_ / "zcza.kdu";
    Put(zcza.Get(), u"SAVETO", Variant::FromString(Utf8ToUtf16(file.string())));
    std::ifstream in(file, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    EXPECT_EQ(Utf8ToUtf16(bytes.str()), u"<TLXKEDU wersja=\"2\" typ=\"103\" wersjaDeklaracji=\"1\">\r\n" + page +
                                           u"</TLXKEDU>\r\n");

    // Recalculated, the form keeps its members.
    ASSERT_EQ(CalculateAndSave(zcza.Get()), S_OK) << Utf16ToUtf8(error_);
    EXPECT_EQ(PageText(zcza.Get()), page);
}

// onverify of the ZCZA: a form that deregisters no one, a member without PESEL or document and a
// surname longer than its position allows are refused, naming the member and the position.
TEST_F(RegistrationFormsTest, TheZczaRefusesNoMemberAnUnidentifiedMemberAndATooLongSurname) {
    ComPtr<IDeklaracja2> empty = Form(dekZUS_ZCZA, 1, u"DATAWYREJESTROWANIA", Day(2024, 9, 1));
    EXPECT_TRUE(FAILED(CalculateAndSave(empty.Get())));
    EXPECT_EQ(error_, u"Formularz ZUS ZCZA nie wyrejestrowuje żadnego członka rodziny: wpisz identyfikator członka "
                      u"rodziny w pole WYREJESTROWANIE.");

    Execute(u"update TLX.PracRodzina set PRR_Pesel = NULL where PRR_PrrId = 2");
    ComPtr<IDeklaracja2> unidentified = Form(dekZUS_ZCZA, 1, u"DATAWYREJESTROWANIA", Day(2024, 9, 1));
    Put(unidentified.Get(), u"WYREJESTROWANIE", Variant::FromLong(2));
    EXPECT_TRUE(FAILED(CalculateAndSave(unidentified.Get())));
    EXPECT_EQ(error_, u"Członek rodziny 1 (KOWALSKI ADAM): brak numeru PESEL oraz rodzaju i numeru dokumentu "
                      u"tożsamości.");

    const std::u16string surname(32, u'Ż');
    Execute(u"update TLX.PracRodzina set PRR_Nazwisko = '" + surname + u"' where PRR_PrrId = 3");
    ComPtr<IDeklaracja2> tooLong = Form(dekZUS_ZCZA, 1, u"DATAWYREJESTROWANIA", Day(2024, 9, 1));
    Put(tooLong.Get(), u"WYREJESTROWANIE", Variant::FromLong(3));
    EXPECT_TRUE(FAILED(CalculateAndSave(tooLong.Get())));
    EXPECT_EQ(error_, u"Członek rodziny 1 (" + surname + u" ZUZANNA): pozycja 6 (nazwisko) może mieć najwyżej 31 "
                      u"znaków, a ma 32: " + surname);
}

// The text of a form's document as its script holds it, saved or not.
std::u16string DocumentText(IDeklaracja2* form) {
    Variant document = Get(form, u"DOKUMENT");
    if (document.vt != VT_DISPATCH) return u"(no document)";
    Bstr text;
    if (FAILED(ComPtr<IDispatch>(document.pdispVal).As<IKeduDokument>()->ToString(text.Out()))) return u"(failed)";
    return std::u16string(text.View());
}

// The family members' blocks of a form's document, counted in its text.
std::size_t MemberBlocks(const std::u16string& text) {
    std::size_t count = 0;
    for (std::size_t at = text.find(u"<DOCRA>"); at != std::u16string::npos; at = text.find(u"<DOCRA>", at + 1)) ++count;
    return count;
}

// A member put twice is listed once, whether told by PESEL, by document or by name and birth date, also
// when the form is read again from its saved text; another member is still added.
TEST_F(RegistrationFormsTest, AFamilyMemberPutTwiceIsListedOnce) {
    ComPtr<IDeklaracja2> zcna = Form(dekZUS_ZCNA, 1, u"DATAZGLOSZENIA", Day(2024, 8, 1));
    Put(zcna.Get(), u"ZGLOSZENIE", Variant::FromLong(3));
    Put(zcna.Get(), u"ZGLOSZENIE", Variant::FromLong(3));
    Put(zcna.Get(), u"ZGLOSZENIE", Variant::FromLong(1));
    ASSERT_EQ(CalculateAndSave(zcna.Get()), S_OK) << Utf16ToUtf8(error_);
    EXPECT_EQ(MemberBlocks(PageText(zcna.Get())), 2u) << Utf16ToUtf8(PageText(zcna.Get()));
    EXPECT_EQ(Document(zcna.Get()).find(u"<IV id_bloku=\"3\">"), std::u16string::npos);

    LONG id = 0;
    ASSERT_EQ(zcna->get_ID(&id), S_OK);
    declarations_ = Declarations(NewSession().Get());
    ComPtr<IDispatch> again;
    ASSERT_EQ(declarations_->Item(Variant::FromString(Number(id)), again.Out()), S_OK);
    ComPtr<IDeklaracja2> read = again.As<IDeklaracja2>();
    Put(read.Get(), u"ZGLOSZENIE", Variant::FromLong(1));
    Put(read.Get(), u"ZGLOSZENIE", Variant::FromLong(2));
    EXPECT_EQ(MemberBlocks(DocumentText(read.Get())), 3u) << Utf16ToUtf8(DocumentText(read.Get()));

    // Without PESEL: the passport tells the member apart, and without it the name and the birth date.
    Execute(u"update TLX.PracRodzina set PRR_Pesel = NULL, PRR_Paszport = 'ZZ1234567' where PRR_PrrId = 2");
    Execute(u"update TLX.PracRodzina set PRR_Pesel = NULL where PRR_PrrId = 3");
    ComPtr<IDeklaracja2> zcza = Form(dekZUS_ZCZA, 1, u"DATAWYREJESTROWANIA", Day(2024, 9, 1));
    for (int member : {2, 3, 2, 3}) Put(zcza.Get(), u"WYREJESTROWANIE", Variant::FromLong(member));
    EXPECT_EQ(MemberBlocks(DocumentText(zcza.Get())), 2u) << Utf16ToUtf8(DocumentText(zcza.Get()));
}

// A member registered and deregistered on one form, either way round, is refused at the second put with
// both named; the form keeps the first block and saves it.
TEST_F(RegistrationFormsTest, AFamilyMemberIsNotRegisteredAndDeregisteredOnOneForm) {
    ComPtr<IDeklaracja2> zcna = Form(dekZUS_ZCNA, 1, u"DATAZGLOSZENIA", Day(2024, 8, 1));
    Put(zcna.Get(), u"ZGLOSZENIE", Variant::FromLong(3));
    EXPECT_TRUE(FAILED(CallByName(zcna.Get(), u"WYREJESTROWANIE", DISPATCH_PROPERTYPUT, {Variant::FromLong(3)})));
    EXPECT_EQ(LastError(), u"Członek rodziny 1 (KOWALSKA ZUZANNA) jest już zgłaszany na tym formularzu: członek "
                           u"rodziny o identyfikatorze 3 (KOWALSKA ZUZANNA) nie może być na nim także wyrejestrowywany.");
    ASSERT_EQ(CalculateAndSave(zcna.Get()), S_OK) << Utf16ToUtf8(error_);
    EXPECT_EQ(MemberBlocks(PageText(zcna.Get())), 1u);

    ComPtr<IDeklaracja2> other = Form(dekZUS_ZCNA, 1, u"DATAZGLOSZENIA", Day(2024, 8, 1));
    Put(other.Get(), u"WYREJESTROWANIE", Variant::FromLong(2));
    EXPECT_TRUE(FAILED(CallByName(other.Get(), u"ZGLOSZENIE", DISPATCH_PROPERTYPUT, {Variant::FromLong(2)})));
    EXPECT_EQ(LastError(), u"Członek rodziny 1 (KOWALSKI ADAM) jest już wyrejestrowywany na tym formularzu: członek "
                           u"rodziny o identyfikatorze 2 (KOWALSKI ADAM) nie może być na nim także zgłaszany.");
}

// Two people with one PESEL or one identity document: the second is refused at the put, naming both,
// on the ZCNA and the ZCZA alike; nothing of the second is listed.
TEST_F(RegistrationFormsTest, TwoFamilyMembersWithOneIdentifierAreRefused) {
    Execute(u"update TLX.PracRodzina set PRR_Pesel = '82030312340' where PRR_PrrId = 2");
    ComPtr<IDeklaracja2> zcna = Form(dekZUS_ZCNA, 1, u"DATAZGLOSZENIA", Day(2024, 8, 1));
    Put(zcna.Get(), u"ZGLOSZENIE", Variant::FromLong(1));
    EXPECT_TRUE(FAILED(CallByName(zcna.Get(), u"ZGLOSZENIE", DISPATCH_PROPERTYPUT, {Variant::FromLong(2)})));
    EXPECT_EQ(LastError(), u"Członek rodziny 1 (KOWALSKA MARIA) i członek rodziny o identyfikatorze 2 (KOWALSKI ADAM) "
                           u"mają ten sam numer PESEL 82030312340: popraw numer PESEL w danych członków rodziny.");
    EXPECT_EQ(MemberBlocks(DocumentText(zcna.Get())), 1u);

    Execute(u"update TLX.PracRodzina set PRR_Pesel = NULL, PRR_Paszport = 'ZZ1234567' where PRR_PrrId in (2, 3)");
    ComPtr<IDeklaracja2> zcza = Form(dekZUS_ZCZA, 1, u"DATAWYREJESTROWANIA", Day(2024, 9, 1));
    Put(zcza.Get(), u"WYREJESTROWANIE", Variant::FromLong(2));
    EXPECT_TRUE(FAILED(CallByName(zcza.Get(), u"WYREJESTROWANIE", DISPATCH_PROPERTYPUT, {Variant::FromLong(3)})));
    EXPECT_EQ(LastError(), u"Członek rodziny 1 (KOWALSKI ADAM) i członek rodziny o identyfikatorze 3 (KOWALSKA ZUZANNA) "
                           u"mają ten sam dokument tożsamości ZZ1234567: popraw dokument tożsamości w danych członków "
                           u"rodziny.");
    EXPECT_EQ(MemberBlocks(DocumentText(zcza.Get())), 1u);
}

// Blocks put into the form's document by hand are checked when it is saved: the same person twice is
// refused, naming both blocks.
TEST_F(RegistrationFormsTest, TheSaveRefusesOnePersonListedTwice) {
    ComPtr<IDeklaracja2> zcna = Form(dekZUS_ZCNA, 1, u"DATAZGLOSZENIA", Day(2024, 8, 1));
    Put(zcna.Get(), u"ZGLOSZENIE", Variant::FromLong(1));
    Variant document = Get(zcna.Get(), u"DOKUMENT");
    ASSERT_EQ(document.vt, VT_DISPATCH);
    ComPtr<IKeduBloki> blocks;
    ASSERT_EQ(ComPtr<IDispatch>(document.pdispVal).As<IKeduDokument>()->get_bloki(blocks.Out()), S_OK);
    ComPtr<IKeduBlok> copy;
    ASSERT_EQ(blocks->Add(copy.Out()), S_OK);
    LONG position = 1;
    for (std::u16string_view line : {u"2", u"01082024", u"82030312340", u"", u"", u"", u"KOWALSKA", u"MARIA", u"03031982"})
        ASSERT_EQ(copy->put_Item(position++, 0, Variant::FromString(std::u16string(line))), S_OK);
    EXPECT_TRUE(FAILED(CalculateAndSave(zcna.Get())));
    EXPECT_EQ(error_, u"Członek rodziny 1 (KOWALSKA MARIA) i członek rodziny 2 (KOWALSKA MARIA) to ta sama osoba: "
                      u"formularz może ją zgłosić albo wyrejestrować tylko raz.");
    EXPECT_EQ(Scalar(u"select count(*) from TLX.DeklNag where DkN_TypDeklar = 102"), u"0");
}

// A PESEL that is not 11 digits is refused by the save of every registration form, naming the field and
// the person; nothing is stored.
TEST_F(RegistrationFormsTest, TheSaveRefusesAPeselThatIsNotElevenDigits) {
    Execute(u"update TLX.PracEtaty set PRE_Pesel = '880606678960' where PRE_PraId = 12");
    const std::u16string insured = u"Ubezpieczony WOJCIECHOWSKI MICHAŁ: pole DAUPESEL (PESEL ubezpieczonego) musi być "
                                   u"numerem PESEL z 11 cyfr, a jest \"880606678960\".";
    for (auto [type, field] : {std::pair<long, const char16_t*>{dekZUS_ZUA, u"DATAZGLOSZENIA"},
                               {dekZUS_ZZA, u"DATAZGLOSZENIA"}, {dekZUS_ZWUA, u"DATAWYREJESTROWANIA"}}) {
        ComPtr<IDeklaracja2> form = Form(type, 12, field, Day(2024, 5, 6));
        EXPECT_TRUE(FAILED(CalculateAndSave(form.Get()))) << type;
        EXPECT_EQ(error_, insured) << type;
    }

    Execute(u"update TLX.PracRodzina set PRR_Pesel = '8203031234' where PRR_PrrId = 1");
    ComPtr<IDeklaracja2> zcna = Form(dekZUS_ZCNA, 1, u"DATAZGLOSZENIA", Day(2024, 8, 1));
    Put(zcna.Get(), u"ZGLOSZENIE", Variant::FromLong(1));
    EXPECT_TRUE(FAILED(CalculateAndSave(zcna.Get())));
    EXPECT_EQ(error_, u"Członek rodziny 1 (KOWALSKA MARIA): pozycja 3 (PESEL) musi być numerem PESEL z 11 cyfr, a jest "
                      u"\"8203031234\".");

    ComPtr<IDeklaracja2> ziua = Form(dekZUS_ZIUA, 16, u"DANEZDNIA", Day(2025, 1, 1));
    Put(ziua.Get(), u"DIOPPESEL", Variant::FromString(u"8412125678A"));
    Put(ziua.Get(), u"DIOPNAZWISKO", Variant::FromString(u"Żółkiewska"));
    Put(ziua.Get(), u"DIOPIMIE1", Variant::FromString(u"Łucja"));
    EXPECT_TRUE(FAILED(CalculateAndSave(ziua.Get())));
    EXPECT_EQ(error_, u"Ubezpieczony ŻÓŁKIEWSKA ŁUCJA (dane dotychczasowe): pole DIOPPESEL (PESEL) musi być numerem "
                      u"PESEL z 11 cyfr, a jest \"8412125678A\".");
    EXPECT_EQ(Scalar(u"select count(*) from TLX.DeklNag where DkN_TypDeklar between 100 and 105"), u"0");
}

// The payer's texts are held to their KEDU elements on every registration form, as the DRA holds them.
TEST_F(RegistrationFormsTest, TheSaveRefusesATooLongPayersShortName) {
    const std::u16string name = u"PRZEDSIĘBIORSTWO HANDLOWO-USŁUGOWE ŁĄKA";
    Execute(u"delete from TLX.Konfiguracja where Kfg_Klucz = 'FirmaNazwaSkroconaZUS'");
    Execute(u"insert into TLX.Konfiguracja (Kfg_Klucz, Kfg_Wartosc) values ('FirmaNazwaSkroconaZUS', '" + name + u"')");
    ComPtr<IDeklaracja2> zwua = Form(dekZUS_ZWUA, 13, u"DATAWYREJESTROWANIA", Day(2024, 8, 15));
    EXPECT_TRUE(FAILED(CalculateAndSave(zwua.Get())));
    EXPECT_EQ(error_, u"Płatnik: pole DIPLNAZWA (nazwa skrócona płatnika) może mieć najwyżej 31 znaków, a ma 39: " + name);
}

// The ZCZA's file is the host component's, which writes the page text as it stands: its SAVETO runs the
// form's onverify first, so a page stored with a PESEL that is not 11 digits writes no file.
TEST_F(RegistrationFormsTest, TheZczasFileIsNotWrittenFromAPageItsSaveWouldRefuse) {
    ComPtr<IDeklaracja2> zcza = Form(dekZUS_ZCZA, 1, u"DATAWYREJESTROWANIA", Day(2024, 9, 1));
    Put(zcza.Get(), u"WYREJESTROWANIE", Variant::FromLong(2));
    ASSERT_EQ(CalculateAndSave(zcza.Get()), S_OK) << Utf16ToUtf8(error_);
    LONG id = 0;
    ASSERT_EQ(zcza->get_ID(&id), S_OK);
    Execute(u"update TLX.DeklStr set DkS_Tekst = replace(DkS_Tekst, '10211012345', '102110123456')");
    ComPtr<ICollection> stored = Declarations(NewSession().Get());
    ComPtr<IDispatch> again;
    ASSERT_EQ(stored->Item(Variant::FromString(Number(id)), again.Out()), S_OK);
    const std::filesystem::path file = folder_ / "zcza.kdu";
    EXPECT_TRUE(FAILED(CallByName(again.Get(), u"SAVETO", DISPATCH_PROPERTYPUT,
                                  {Variant::FromString(Utf8ToUtf16(file.string()))})));
    EXPECT_EQ(LastError(), u"Członek rodziny 1 (KOWALSKI ADAM): pozycja 2 (PESEL) musi być numerem PESEL z 11 cyfr, a "
                           u"jest \"102110123456\".");
    EXPECT_FALSE(std::filesystem::exists(file));
}

// A saved form read again, recalculated or given a further member, stores what changed when saved.
TEST_F(RegistrationFormsTest, ASavedFormReadAgainStoresItsRecalculationAndItsNewMember) {
    ComPtr<IDeklaracja2> zua = Form(dekZUS_ZUA, 12, u"DATAZGLOSZENIA", Day(2024, 5, 6));
    ASSERT_EQ(CalculateAndSave(zua.Get()), S_OK) << Utf16ToUtf8(error_);
    ComPtr<IDeklaracja2> zcna = Form(dekZUS_ZCNA, 1, u"DATAZGLOSZENIA", Day(2024, 8, 1));
    Put(zcna.Get(), u"ZGLOSZENIE", Variant::FromLong(1));
    ASSERT_EQ(CalculateAndSave(zcna.Get()), S_OK) << Utf16ToUtf8(error_);
    LONG zuaId = 0, zcnaId = 0;
    ASSERT_EQ(zua->get_ID(&zuaId), S_OK);
    ASSERT_EQ(zcna->get_ID(&zcnaId), S_OK);
    Execute(u"update TLX.PracEtaty set PRE_Nazwisko = 'NOWAKOWSKI' where PRE_PraId = 12");

    declarations_ = Declarations(NewSession().Get());
    ComPtr<IDispatch> item;
    ASSERT_EQ(declarations_->Item(Variant::FromString(Number(zuaId)), item.Out()), S_OK);
    ComPtr<IDeklaracja2> recalculated = item.As<IDeklaracja2>();
    ASSERT_EQ(CalculateAndSave(recalculated.Get()), S_OK) << Utf16ToUtf8(error_);
    ASSERT_EQ(declarations_->Item(Variant::FromString(Number(zcnaId)), item.Out()), S_OK);
    ComPtr<IDeklaracja2> extended = item.As<IDeklaracja2>();
    Put(extended.Get(), u"ZGLOSZENIE", Variant::FromLong(2));
    ASSERT_EQ(CalculateAndSave(extended.Get()), S_OK) << Utf16ToUtf8(error_);

    ComPtr<ICollection> stored = Declarations(NewSession().Get());
    ASSERT_EQ(stored->Item(Variant::FromString(Number(zuaId)), item.Out()), S_OK);
    EXPECT_NE(PageText(item.As<IDeklaracja2>().Get()).find(u"\r\nNOWAKOWSKI\r\n"), std::u16string::npos);
    ASSERT_EQ(stored->Item(Variant::FromString(Number(zcnaId)), item.Out()), S_OK);
    EXPECT_EQ(MemberBlocks(PageText(item.As<IDeklaracja2>().Get())), 2u);
}

// A ZCNA that lists no member, also when the only member put was refused, is refused as the ZCZA is.
TEST_F(RegistrationFormsTest, AZcnaOfNoMemberIsRefused) {
    const std::u16string message = u"Formularz ZUS ZCNA nie zgłasza ani nie wyrejestrowuje żadnego członka rodziny: "
                                   u"wpisz identyfikator członka rodziny w pole ZGLOSZENIE albo WYREJESTROWANIE.";
    ComPtr<IDeklaracja2> empty = Form(dekZUS_ZCNA, 1, u"DATAZGLOSZENIA", Day(2024, 8, 1));
    EXPECT_TRUE(FAILED(CalculateAndSave(empty.Get())));
    EXPECT_EQ(error_, message);
    ComPtr<IDeklaracja2> stranger = Form(dekZUS_ZCNA, 2, u"DATAZGLOSZENIA", Day(2024, 8, 1));
    EXPECT_TRUE(FAILED(CallByName(stranger.Get(), u"ZGLOSZENIE", DISPATCH_PROPERTYPUT, {Variant::FromLong(1)})));
    EXPECT_TRUE(FAILED(CalculateAndSave(stranger.Get())));
    EXPECT_EQ(error_, message);
    EXPECT_EQ(Scalar(u"select count(*) from TLX.DeklNag where DkN_TypDeklar = 102"), u"0");
}

// A target of null, empty or blank is refused on both roads, before any file is written: no file named
// "null" appears in the working folder.
TEST_F(RegistrationFormsTest, ANullOrEmptyTargetIsRefused) {
    namespace fs = std::filesystem;
    ComPtr<IDeklaracja2> zcna = Form(dekZUS_ZCNA, 1, u"DATAZGLOSZENIA", Day(2024, 8, 1));
    Put(zcna.Get(), u"ZGLOSZENIE", Variant::FromLong(1));
    ASSERT_EQ(CalculateAndSave(zcna.Get()), S_OK) << Utf16ToUtf8(error_);
    ComPtr<IDeklaracja2> zcza = Form(dekZUS_ZCZA, 1, u"DATAWYREJESTROWANIA", Day(2024, 9, 1));
    Put(zcza.Get(), u"WYREJESTROWANIE", Variant::FromLong(2));
    ASSERT_EQ(CalculateAndSave(zcza.Get()), S_OK) << Utf16ToUtf8(error_);
    fs::remove(fs::current_path() / "null");
    for (IDeklaracja2* form : {zcna.Get(), zcza.Get()}) {
        for (const char16_t* field : {u"SAVETO", u"SENDTONET"}) {
            for (const Variant& target : {Variant::Null(), Variant(), Variant::FromString(u""), Variant::FromString(u"  ")}) {
                EXPECT_TRUE(FAILED(CallByName(form, field, DISPATCH_PROPERTYPUT, {target}))) << Utf16ToUtf8(field);
                EXPECT_EQ(LastError(), u"Pole " + std::u16string(field) + u" wymaga nazwy pliku KEDU.");
            }
        }
    }
    EXPECT_FALSE(fs::exists(fs::current_path() / "null"));
}

// The RGA report, filled by hand: the calculation gives the payer and the report's identifier, the user
// writes each person's block into the form's document, and the save keeps the document whole.
class RgaReportTest : public RegistrationFormsTest {
protected:
    ComPtr<IDeklaracja2> Report() {
        declarations_ = Declarations();
        ComPtr<IDispatch> item;
        EXPECT_EQ(declarations_->AddNew(Variant::Missing(), item.Out()), S_OK) << Utf16ToUtf8(LastError());
        ComPtr<IDeklaracja2> rga = item.As<IDeklaracja2>();
        EXPECT_EQ(rga->put_TypDeklar(dekZUS_RGA), S_OK);
        EXPECT_EQ(rga->put_Wersja(1), S_OK) << Utf16ToUtf8(LastError());
        EXPECT_EQ(rga->put_Rok(2024), S_OK);
        EXPECT_EQ(rga->put_Miesiac(8), S_OK);
        EXPECT_EQ(rga->put_Numer(1), S_OK);
        EXPECT_EQ(rga->Policz(), S_OK) << Utf16ToUtf8(LastError());
        Put(rga.Get(), u"OPLRDATAWYP", Variant::FromDate(kAugust20));
        return rga;
    }
    // Appends a person's block with `lines` from position 1, as the user types them.
    void Person(IDeklaracja2* rga, std::initializer_list<std::u16string_view> lines) {
        Variant document = Get(rga, u"DOKUMENT");
        ASSERT_EQ(document.vt, VT_DISPATCH);
        ComPtr<IKeduBloki> blocks;
        ASSERT_EQ(ComPtr<IDispatch>(document.pdispVal).As<IKeduDokument>()->get_bloki(blocks.Out()), S_OK);
        ComPtr<IKeduBlok> block;
        ASSERT_EQ(blocks->Add(block.Out()), S_OK);
        LONG position = 1;
        for (std::u16string_view line : lines)
            ASSERT_EQ(block->put_Item(position++, 0, Variant::FromString(std::u16string(line))), S_OK);
    }
    HRESULT Save() {
        const HRESULT hr = SaveCollection(declarations_.Get());
        error_ = FAILED(hr) ? LastError() : u"";
        return hr;
    }
};

TEST_F(RgaReportTest, AHandFilledReportIsSavedWholeAndHasNoKeduXmlDocument) {
    ComPtr<IDeklaracja2> rga = Report();
    EXPECT_EQ(Get(rga.Get(), u"DORGAIDENT").lVal, 1082024);
    EXPECT_EQ(Bstr(Get(rga.Get(), u"IDENTN").bstrVal).View(), u"01");
    EXPECT_EQ(Bstr(Get(rga.Get(), u"IDENTM").bstrVal).View(), u"08");
    Person(rga.Get(), {u"KOWALSKI", u"JAN", u"P", u"80010112340", u"011000"});
    Person(rga.Get(), {u"SMITH", u"EDWARD", u"2", u"AB1234567", u"041100"});
    ASSERT_EQ(Save(), S_OK) << Utf16ToUtf8(error_);
    const std::u16string page =
        FormPage(u"ZUSRGA", {PageBlock(u"DIPL", {u"", u"012345675", u"", u"", u"", u"PRZYKŁADOWA SP. Z O.O."}),
                             PageBlock(u"DORGA", {u"1082024"}), PageBlock(u"OPLR", {u"20082024"}),
                             PageBlock(u"DDORGA", {u"KOWALSKI", u"JAN", u"P", u"80010112340", u"011000"}),
                             PageBlock(u"DDORGA", {u"SMITH", u"EDWARD", u"2", u"AB1234567", u"041100"})});
    EXPECT_EQ(PageText(rga.Get()), page);
    // Read again in a new session, the report shows what was typed.
    LONG id = 0;
    ASSERT_EQ(rga->get_ID(&id), S_OK);
    ComPtr<IDispatch> again;
    ASSERT_EQ(Declarations(NewSession().Get())->Item(Variant::FromString(Number(id)), again.Out()), S_OK);
    EXPECT_EQ(Bstr(Get(again.Get(), u"IDENTR").bstrVal).View(), u"2024");

    // Its route is the XML one, where no KEDU element exists for it: SAVETO is refused, writing nothing.
    const std::filesystem::path file = folder_ / "rga.xml";
    EXPECT_TRUE(FAILED(CallByName(rga.Get(), u"SAVETO", DISPATCH_PROPERTYPUT,
                                  {Variant::FromString(Utf8ToUtf16(file.string()))})));
    EXPECT_NE(LastError().find(u"nie ma dokumentu w schemacie KEDU XML"), std::u16string::npos);
    EXPECT_FALSE(std::filesystem::exists(file));
}

// onverify names the position at fault: a report without persons, an identifier of another month, an
// unknown identifier type, a PESEL that is not 11 digits and a title code that is not 6 digits.
TEST_F(RgaReportTest, TheSaveRefusesWhatTheUserTypedWrongNamingThePosition) {
    const struct {
        std::initializer_list<std::u16string_view> person;
        long ident;
        std::u16string message;
    } cases[] = {
        {{}, 0, u"Raport ZUS RGA: raport nie zawiera żadnej osoby (bloku DDORGA)."},
        {{u"KOWALSKI", u"JAN", u"P", u"80010112340", u"011000"}, 1072024,
         u"Raport ZUS RGA: pozycja 1 bloku DORGA (identyfikator raportu) wskazuje okres 07/2024, a deklaracja jest za "
         u"okres 08/2024."},
        {{u"KOWALSKI", u"JAN", u"X", u"80010112340", u"011000"}, 0,
         u"Raport ZUS RGA: osoba 1 (KOWALSKI JAN): pozycja 3 (typ identyfikatora) musi być P, 1 albo 2, a jest \"X\"."},
        {{u"KOWALSKI", u"JAN", u"P", u"8001011234", u"011000"}, 0,
         u"Raport ZUS RGA: osoba 1 (KOWALSKI JAN): pozycja 4 (identyfikator) musi być numerem PESEL z 11 cyfr, a jest "
         u"\"8001011234\"."},
        {{u"KOWALSKI", u"JAN", u"1", u"ABC123456", u"0110"}, 0,
         u"Raport ZUS RGA: osoba 1 (KOWALSKI JAN): pozycja 5 (kod tytułu ubezpieczenia) musi mieć 6 cyfr, a jest "
         u"\"0110\"."},
    };
    for (const auto& c : cases) {
        ComPtr<IDeklaracja2> rga = Report();
        if (c.ident != 0) Put(rga.Get(), u"DORGAIDENT", Variant::FromLong(c.ident));
        if (c.person.size() != 0) Person(rga.Get(), c.person);
        EXPECT_TRUE(FAILED(Save())) << Utf16ToUtf8(c.message);
        EXPECT_EQ(error_, c.message);
    }
}

// A payer who is a natural person: PESEL, the identity card before the passport, names in capitals and
// the birth date read from the settings' text.
TEST_F(RegistrationFormsTest, ANaturalPersonsPayerBlock) {
    for (auto [key, value] : {std::pair<const char16_t*, const char16_t*>{u"Osoba fizyczna", u"1"},
                              {u"FirmaNIP", u"526-025-02-74"}, {u"FirmaPESEL", u"70010112345"},
                              {u"Dowód osobisty", u"ABC123456"}, {u"Paszport", u"ZZ7654321"},
                              {u"Nazwisko", u"Łęcka"}, {u"Imię", u"Żaneta"}, {u"Data urodzenia", u"01.01.1970"}}) {
        Execute(u"delete from TLX.Konfiguracja where Kfg_Klucz = '" + std::u16string(key) + u"'");
        Execute(u"insert into TLX.Konfiguracja (Kfg_Klucz, Kfg_Wartosc) values ('" + std::u16string(key) + u"', '" +
                std::u16string(value) + u"')");
    }
    ComPtr<IDeklaracja2> zwua = Form(dekZUS_ZWUA, 13, u"DATAWYREJESTROWANIA", Day(2024, 8, 15));
    ASSERT_EQ(CalculateAndSave(zwua.Get()), S_OK) << Utf16ToUtf8(error_);
    EXPECT_TRUE(PageText(zwua.Get()).starts_with(
        u"<ZUSZWUA>\r\n" + PageBlock(u"DIPL", {u"5260250274", u"012345675", u"70010112345", u"1", u"ABC123456",
                                               u"PRZYKŁADOWA SP. Z O.O.", u"ŁĘCKA", u"ŻANETA", u"01011970"})))
        << Utf16ToUtf8(PageText(zwua.Get()));
}

}  // namespace
}  // namespace tlx::test
