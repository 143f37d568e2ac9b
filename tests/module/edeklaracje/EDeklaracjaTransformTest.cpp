// The form's stylesheet from the host's schema repository or the module's resources, the namespaces of
// the forms' schemas, and the host validator's check of a finished document.
#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <fstream>

#include "EDeklaracjaSupport.h"
#include "FormTestSupport.h"
#include "host/session/HostEnvironment.h"
#include "hostapi/Configuration.h"
#include "platform/com/ErrorInfo.h"
#include "platform/com/OleDate.h"
#include "platform/text/CodePage.h"

namespace {

using edtest::CRecordingSink;
using edtest::Events;

std::string Utf8(std::u16string_view text) { return tlx::Utf16ToUtf8(text); }

constexpr char16_t kCopy[] =
    u"<xsl:stylesheet version=\"1.0\" xmlns:xsl=\"http://www.w3.org/1999/XSL/Transform\">"
    u"<xsl:template match=\"/\"><Z>z repozytorium</Z></xsl:template></xsl:stylesheet>";

class EDeklaracjaTransform : public ModuleClassTest {
protected:
    void SetUp() override {
        ModuleClassTest::SetUp();
        edeklaracja = CEDeklaracja::Make(ModuleTestResources());
        ASSERT_EQ(edeklaracja->put_Login(tlx::ComPtr<IDispatch>(tlx::host::CurrentLogin().Get()).Get()), S_OK);
        sink = CRecordingSink::Make();
        ASSERT_EQ(edeklaracja->AdviseProgress(static_cast<_IProgressEvents*>(sink.Get())), S_OK);
        repository = edtest::CScriptedRepository::Make();
        repository->calls = &calls;
    }
    // A module document with one field.
    tlx::ComPtr<IXMLDOMDocument2> Document(std::u16string_view xml = u"<Deklaracja xmlns=\"urn:tlx:deklaracje:e-deklaracja:1\">"
                                                                      u"<Schemat xmlns=\"\"><P_1>1</P_1></Schemat></Deklaracja>") {
        tlx::ComPtr<IXMLDOMDocument2> document;
        EXPECT_EQ(CoCreateInstance(CLSID_DOMDocument, nullptr, CLSCTX_ALL, IID_IXMLDOMDocument2, document.OutVoid()), S_OK);
        VARIANT_BOOL loaded = VARIANT_FALSE;
        EXPECT_EQ(document->loadXML(tlx::Bstr(xml).Get(), &loaded), S_OK);
        return document;
    }
    static std::u16string Xml(IXMLDOMNode* node) {
        tlx::Bstr xml;
        node->get_xml(xml.Out());
        return std::u16string(xml.View());
    }
    template <class Step>
    std::pair<HRESULT, std::u16string> Failure(Step&& step) {
        try {
            step();
        } catch (const ComError& e) {
            tlx::Bstr text;
            if (e.Info()) e.Info()->GetDescription(text.Out());
            return {e.Code(), std::u16string(text.View())};
        }
        return {S_OK, u""};
    }
    void SetValidation(const char16_t* value) {
        Execute(u"update TLX.Konfiguracja set Kfg_Wartosc = '" + std::u16string(value) +
                u"' where Kfg_Klucz = 'WeryfikacjaEdeklaracji'");
        Execute(u"insert or ignore into TLX.Konfiguracja (Kfg_Klucz, Kfg_Wartosc) values ('WeryfikacjaEdeklaracji', '" +
                std::u16string(value) + u"')");
    }

    tlx::ComPtr<CEDeklaracja> edeklaracja;
    tlx::ComPtr<CRecordingSink> sink;
    tlx::ComPtr<edtest::CScriptedRepository> repository;
    std::vector<std::u16string> calls;
};

const std::u16string kCheck = u"Sprawdzanie aktualizacji e-Deklaracji na serwerze Velmora";

TEST_F(EDeklaracjaTransform, WithoutARepositoryTheModulesStylesheetIsUsed) {
    edtest::StandIn none(CLSID_SchemaRepository, kProgIdSchemaRepository, nullptr);
    auto document = Document();
    edeklaracja->TransformDocument(document.Get(), u"960/1");
    EXPECT_EQ(Xml(document.Get()), u"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<Deklaracja xmlns=\"urn:tlx:deklaracje:"
                                   u"e-deklaracja:1\"><Schemat xmlns=\"\"><P_1>1</P_1></Schemat></Deklaracja>\r\n");
    EXPECT_EQ(sink->events, (Events{{edtest::kSendMessage,
                                     {u"#4", u"Nieudane sprawdzenie aktualizacji na serwerze Velmora: [błąd tworzenia "
                                             u"obiektu repozytorium]."}}}));
}

TEST_F(EDeklaracjaTransform, TheRepositorysStylesheetWinsAndItsCheckIsReported) {
    edtest::StandIn scripted(CLSID_SchemaRepository, kProgIdSchemaRepository,
                             static_cast<ISchemaRepository*>(repository.Get()));
    repository->checked = false;
    repository->stylesheet = kCopy;
    auto document = Document();
    edeklaracja->TransformDocument(document.Get(), u"960/1");
    EXPECT_EQ(Xml(document.Get()), u"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<Z>z repozytorium</Z>\r\n");
    EXPECT_EQ(calls, (std::vector<std::u16string>{u"UpdateChecked", u"GetTransform 960/1", u"UpdateStatus"}));
    EXPECT_EQ(sink->events, (Events{{edtest::kWillAction, {kCheck}}, {edtest::kActionCompleted, {kCheck}}}));

    // A failed check is reported and an empty answer falls back to the module's stylesheet.
    sink->events.clear();
    repository->stylesheet.clear();
    repository->status = 2;
    repository->error = u"brak połączenia";
    auto again = Document();
    edeklaracja->TransformDocument(again.Get(), u"960/1");
    EXPECT_NE(Xml(again.Get()).find(u"<P_1>1</P_1>"), std::u16string::npos);
    EXPECT_EQ(sink->events, (Events{{edtest::kWillAction, {kCheck}},
                                    {edtest::kActionFailed,
                                     {u"Nieudane sprawdzenie aktualizacji na serwerze Velmora: [brak połączenia]."}}}));

    // Once checked, nothing is reported, and the repository's stylesheet still wins.
    sink->events.clear();
    repository->checked = true;
    repository->stylesheet = kCopy;
    auto third = Document();
    edeklaracja->TransformDocument(third.Get(), u"nieznana");
    EXPECT_EQ(Xml(third.Get()), u"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<Z>z repozytorium</Z>\r\n");
    EXPECT_EQ(sink->events, Events{});
}

TEST_F(EDeklaracjaTransform, WhatDoesNotParseOrDoesNotExistFailsWithItsReason) {
    edtest::StandIn scripted(CLSID_SchemaRepository, kProgIdSchemaRepository,
                             static_cast<ISchemaRepository*>(repository.Get()));
    auto document = Document();
    EXPECT_EQ(Failure([&] { edeklaracja->TransformDocument(document.Get(), u"nie/ma"); }),
              std::pair(static_cast<HRESULT>(0x80040203),
                        std::u16string(u"Błąd ładowania definicji deklaracji - niezgodny typ dokumentu.")));
    repository->stylesheet = u"<xsl:stylesheet version=\"1.0\" xmlns:xsl=\"http://www.w3.org/1999/XSL/Transform\">";
    auto [code, reason] = Failure([&] { edeklaracja->TransformDocument(document.Get(), u"960/1"); });
    EXPECT_EQ(code, E_FAIL);
    EXPECT_EQ(reason.rfind(u"Arkusz przekształcenia 960/1 nie jest poprawnym dokumentem XML (wiersz 1): ", 0), 0u)
        << Utf8(reason);
    EXPECT_NE(Xml(document.Get()).find(u"<P_1>1</P_1>"), std::u16string::npos) << "the document keeps its content";
    repository->stylesheet = u"<xsl:stylesheet version=\"1.0\" xmlns:xsl=\"http://www.w3.org/1999/XSL/Transform\">"
                             u"<xsl:output method=\"text\"/><xsl:template match=\"/\">to nie XML</xsl:template>"
                             u"</xsl:stylesheet>";
    std::tie(code, reason) = Failure([&] { edeklaracja->TransformDocument(document.Get(), u"960/1"); });
    EXPECT_EQ(code, E_FAIL);
    EXPECT_EQ(reason.rfind(u"Wynik przekształcenia 960/1 nie jest poprawnym dokumentem XML", 0), 0u) << Utf8(reason);
}

TEST_F(EDeklaracjaTransform, OnlyTheXmlDeclarationNamesUtf8) {
    edtest::StandIn scripted(CLSID_SchemaRepository, kProgIdSchemaRepository,
                             static_cast<ISchemaRepository*>(repository.Get()));
    auto document = Document(u"<Deklaracja xmlns=\"urn:tlx:deklaracje:e-deklaracja:1\"><Schemat xmlns=\"\">"
                             u"<P_1>UTF-16</P_1></Schemat></Deklaracja>");
    edeklaracja->TransformDocument(document.Get(), u"960/1");
    EXPECT_NE(Xml(document.Get()).find(u"<P_1>UTF-16</P_1>"), std::u16string::npos) << Utf8(Xml(document.Get()));
    EXPECT_EQ(Xml(document.Get()).rfind(u"<?xml version=\"1.0\" encoding=\"UTF-8\"?>", 0), 0u);
}

TEST_F(EDeklaracjaTransform, TheVat7StylesheetReadsAmountsAsEitherLocaleWroteThem) {
    auto official = CEDeklaracja::Make();  // the module's own stylesheets
    struct Row {
        const char16_t* written;
        const char16_t* element;
    };
    for (Row row : {Row{u"125000,4", u"<P_19>125000</P_19>"}, Row{u"125000.4", u"<P_19>125000</P_19>"},
                    Row{u"125000,5", u"<P_19>125001</P_19>"}, Row{u"-12,5", u"<P_19>-12</P_19>"}}) {
        auto document = Document(u"<Deklaracja xmlns=\"urn:tlx:deklaracje:e-deklaracja:1\"><Schemat xmlns=\"\">"
                                 u"<P_19>" + std::u16string(row.written) + u"</P_19><P_20>1</P_20>"
                                 u"<P_74>3/4/2024 12:00:00 PM</P_74></Schemat></Deklaracja>");
        official->TransformDocument(document.Get(), u"1/17");
        std::u16string xml = Xml(document.Get());
        EXPECT_NE(xml.find(row.element), std::u16string::npos) << Utf8(row.written) << "\n" << Utf8(xml);
        EXPECT_NE(xml.find(u"<P_74>2024-03-04</P_74>"), std::u16string::npos) << "an English date";
    }
}

// Optional amounts that round to 0 or are no number are left out, a pair is written whole when either of
// its amounts is not 0, amounts past the range of plain integer text keep all their digits, and a box is
// written only when ticked with a value it allows.
TEST_F(EDeklaracjaTransform, TheVat7StylesheetWritesWholeAmountsOfEverySize) {
    auto official = CEDeklaracja::Make();
    auto document = Document(u"<Deklaracja xmlns=\"urn:tlx:deklaracje:e-deklaracja:1\"><Schemat xmlns=\"\">"
                             u"<P_10>2147483647,4</P_10><P_11>-0,4</P_11><P_12>abc</P_12><P_13>-3000000000</P_13>"
                             u"<P_15>999999999,5</P_15><P_16>0</P_16><P_17>x</P_17><P_18>-0,4</P_18>"
                             u"<P_41>12345678901234567890</P_41><P_62>1</P_62><P_63>2</P_63><P_66> 2 </P_66>"
                             u"<P_67>3</P_67><P_74>04.03.2024</P_74></Schemat></Deklaracja>");
    official->TransformDocument(document.Get(), u"1/17");
    std::u16string xml = Xml(document.Get());
    EXPECT_NE(xml.find(u"<PozycjeSzczegolowe><P_10>2147483647</P_10><P_13>-3000000000</P_13><P_15>1000000000</P_15>"
                       u"<P_16>0</P_16><P_41>12345678901234570646</P_41><P_54>0</P_54><P_57>0</P_57>"
                       u"<P_62>1</P_62><P_66>2</P_66><P_74>2024-03-04</P_74></PozycjeSzczegolowe>"),
              std::u16string::npos)
        << Utf8(xml);
}

TEST(EDeklaracjaStylesheets, NoStylesheetOfTheModuleUsesScriptFunctions) {
    std::filesystem::path folder = std::filesystem::path(std::getenv("TLX_SOURCE_DIR")) / "resources" / "XSL";
    int count = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        if (!entry.is_regular_file()) continue;
        std::ifstream in(entry.path(), std::ios::binary);
        std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        EXPECT_EQ(text.find("urn:schemas-microsoft-com:xslt"), std::string::npos) << entry.path();
        EXPECT_EQ(text.find(":script"), std::string::npos) << entry.path();
        ++count;
    }
    EXPECT_GE(count, 1);
}

TEST(EDeklaracjaClock, TheLocalTimeIsTodaysDate) {
    DATE now = GetLocalNow();
    std::time_t seconds = std::time(nullptr);
    std::tm local{};
    localtime_r(&seconds, &local);
    auto calendar = tlx::CalendarFromDate(now);
    ASSERT_TRUE(calendar);
    EXPECT_EQ(calendar->year, local.tm_year + 1900);
    EXPECT_EQ(calendar->month, local.tm_mon + 1);
}

TEST_F(EDeklaracjaTransform, NamespacesComeFromTheRepositoryOrTheBuiltInTable) {
    edtest::StandIn none(CLSID_SchemaRepository, kProgIdSchemaRepository, nullptr);
    struct Row {
        LONG type, version, year, month;
        const char16_t* path;
    };
    const Row rows[] = {
        {11, 3, 2011, 6, u""},  {11, 3, 2011, 7, u"/wzor/2013/06/18/1215/"}, {11, 1, 2012, 1, u"/wzor/2011/10/25/690/"},
        {11, 2, 2010, 12, u""}, {11, 4, 2017, 1, u""},                        {22, 2, 2012, 1, u"/wzor/2011/10/19/687/"},
        {22, 3, 2014, 1, u"/wzor/2013/06/18/1214/"}, {22, 4, 2017, 1, u""},   {33, 1, 0, 0, u"/wzor/2015/09/04/2565/"},
        {34, 1, 0, 0, u"/wzor/2015/09/04/2566/"},    {33, 2, 0, 0, u""},      {34, 2, 0, 0, u""},
        {1, 17, 2017, 1, u""},
    };
    for (const Row& row : rows) {
        std::u16string expected = *row.path ? u"http://crd.gov.pl" + std::u16string(row.path) : u"";
        EXPECT_EQ(edeklaracja->GetFormNamespace(row.type, row.version, row.year, row.month), expected)
            << row.type << " v" << row.version << " " << row.year << "/" << row.month;
    }
    EXPECT_EQ(sink->events, Events{}) << "a missing repository is not reported here";

    edtest::StandIn scripted(CLSID_SchemaRepository, kProgIdSchemaRepository,
                             static_cast<ISchemaRepository*>(repository.Get()));
    repository->namespaceUri = u"urn:z-repozytorium";
    EXPECT_EQ(edeklaracja->GetFormNamespace(1, 17, 2017, 2), u"urn:z-repozytorium");
    EXPECT_EQ(calls.back(), u"GetNamespace 1 17 2017 2");
    repository->namespaceUri.clear();
    EXPECT_EQ(edeklaracja->GetFormNamespace(33, 1, 0, 0), u"http://crd.gov.pl/wzor/2015/09/04/2565/");
}

const std::u16string kValidation = u"Walidacja e-deklaracji";
const std::u16string kCorrect =
    u"Po uzupełnieniu i poprawieniu danych należy deklarację odblokować, przeliczyć i wyeksportować ponownie.";

TEST_F(EDeklaracjaTransform, ValidationReportsEachLineOfTheValidatorsAnswer) {
    auto validator = edtest::CScriptedValidator::Make();
    edtest::StandIn scripted(CLSID_EdeklaracjeValidator, kProgIdEdeklaracjeValidator,
                             static_cast<IEdeklaracjeValidator*>(validator.Get()));
    struct Row {
        std::u16string answer;
        std::vector<std::u16string> lines;
    };
    const Row rows[] = {
        {u"", {}},
        {u"a\r\nb", {u"a", u"b"}},
        {u"a\r\n\r\nb", {u"a", u"", u"b"}},
        {u"x", {u"x"}},
        {u"a\nb", {u"a\nb"}},
        {u"a\r\nb\r\n", {u"a", u"b"}},
    };
    auto document = Document();
    for (const Row& row : rows) {
        sink->events.clear();
        validator->answer = row.answer;
        bool valid = edeklaracja->ValidateDocument(document.Get());
        EXPECT_EQ(valid, row.lines.empty()) << Utf8(row.answer);
        Events expected{{edtest::kWillAction, {kValidation}}};
        for (const auto& line : row.lines) expected.push_back({edtest::kSendMessage, {u"#4", line}});
        if (!row.lines.empty()) expected.push_back({edtest::kSendMessage, {u"#3", kCorrect}});
        expected.push_back({edtest::kActionCompleted, {kValidation}});
        EXPECT_EQ(sink->events, expected) << Utf8(row.answer);
        if (!row.lines.empty()) {
            std::u16string first = row.lines.front();
            std::replace(first.begin(), first.end(), u'\n', u' ');
            EXPECT_EQ(edeklaracja->Message(), first + u" " + kCorrect)
                << "a caller without a sink learns the first finding, on one line";
        }
    }
    EXPECT_TRUE(validator->gotObject) << "the validator is given the e-declaration object";
    EXPECT_NE(validator->received.find(u"<P_1>1</P_1>"), std::u16string::npos);
}

TEST_F(EDeklaracjaTransform, ValidationCanBeSwitchedOffAndSurvivesAMissingOrFailingValidator) {
    auto document = Document();
    SetValidation(u"0");
    auto validator = edtest::CScriptedValidator::Make();
    edtest::StandIn scripted(CLSID_EdeklaracjeValidator, kProgIdEdeklaracjeValidator,
                             static_cast<IEdeklaracjeValidator*>(validator.Get()));
    validator->answer = u"błąd";
    EXPECT_TRUE(edeklaracja->ValidateDocument(document.Get()));
    EXPECT_EQ(sink->events, Events{});
    EXPECT_EQ(scripted.Created(), 0);

    SetValidation(u"");
    validator->failure = E_FAIL;
    validator->failureText = u"pierwszy\r\ndrugi";
    EXPECT_TRUE(edeklaracja->ValidateDocument(document.Get())) << "a failing validator lets the document through";
    const std::u16string failed =
        u"Nie udało się zwalidować e-deklaracji z powodu błędów. pierwszy  drugi [-2147467259]";
    EXPECT_EQ(sink->events, (Events{{edtest::kWillAction, {kValidation}},
                                    {edtest::kSendMessage, {u"#3", failed}},
                                    {edtest::kActionCompleted, {kValidation}}}));
    EXPECT_EQ(edeklaracja->Message(), failed) << "kept for a caller without a sink";

    {
        edtest::StandIn none(CLSID_EdeklaracjeValidator, kProgIdEdeklaracjeValidator, nullptr);
        sink->events.clear();
        EXPECT_TRUE(edeklaracja->ValidateDocument(document.Get()));
        EXPECT_EQ(sink->events, (Events{{edtest::kWillAction, {kValidation}},
                                        {edtest::kSendMessage,
                                         {u"#3", u"Nie udało utworzyć się obiektu do walidacji deklaracji. "}},
                                        {edtest::kActionCompleted, {kValidation}}}));
    }

    auto alone = CEDeklaracja::Make(ModuleTestResources());
    EXPECT_EQ(Failure([&] { alone->ValidateDocument(document.Get()); }).first, E_POINTER) << "without a login";
}

class EDeklaracjaOfficeOperator : public EDeklaracjaTransform {
protected:
    LONG OperatorType() const override { return 4; }
};

TEST_F(EDeklaracjaOfficeOperator, ForAnOfficesOperatorAFailedValidationLeavesNoMessage) {
    auto validator = edtest::CScriptedValidator::Make();
    edtest::StandIn scripted(CLSID_EdeklaracjeValidator, kProgIdEdeklaracjeValidator,
                             static_cast<IEdeklaracjeValidator*>(validator.Get()));
    validator->failure = E_FAIL;
    validator->failureText = u"awaria";
    EXPECT_TRUE(edeklaracja->ValidateDocument(Document().Get()));
    EXPECT_EQ(sink->events.at(1), (edtest::Event{edtest::kSendMessage,
                                                 {u"#3", u"Nie udało się zwalidować e-deklaracji z powodu błędów. "
                                                         u"awaria [-2147467259]"}}));
    EXPECT_EQ(edeklaracja->Message(), u"");
}

}  // namespace
