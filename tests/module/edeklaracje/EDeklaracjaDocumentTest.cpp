// The e-declaration of a saved VAT-7 of the demo company: the module's own document, the official
// document its stylesheet makes (compared with a hand-written golden file and validated against the
// official schema), the form parameters, the checks that guard the build and the attributes.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "DeclarationFixture.h"
#include "EDeklaracjaDemoFixture.h"
#include "host/objects/edeklaracje/EdeklaracjeValidator.h"
#include "host/objects/edeklaracje/SchemaStore.h"
#include "host/session/HostEnvironment.h"
#include "platform/com/Locale.h"
#include "platform/text/CodePage.h"

namespace {

using edtest::Events;
using edtest::Golden;
using edtest::ReadFile;

// Copies the identity of what the stylesheet is given: the module's own document.
constexpr char16_t kIdentity[] =
    u"<xsl:stylesheet version=\"1.0\" xmlns:xsl=\"http://www.w3.org/1999/XSL/Transform\">"
    u"<xsl:output method=\"xml\" encoding=\"UTF-8\"/>"
    u"<xsl:template match=\"/\"><xsl:copy-of select=\"*\"/></xsl:template></xsl:stylesheet>";

class EDeklaracjaDocument : public edtest::DemoFormsTest {
protected:
    // The demo's VAT-7 for March 2024: calculated and saved.
    tlx::ComPtr<IDeklaracja2> SavedVat7(std::initializer_list<std::pair<const char16_t*, tlx::Variant>> more = {}) {
        auto collection = Create(u"TLXDeklaracje.Deklaracje").As<ICollection>();
        tlx::ComPtr<IDispatch> item;
        EXPECT_EQ(collection->AddNew(tlx::Variant::Missing(), item.Out()), S_OK) << tlx::Utf16ToUtf8(LastError());
        auto vat7 = item.As<IDeklaracja2>();
        vat7->put_TypDeklar(1);
        vat7->put_Wersja(17);
        vat7->put_Rok(2024);
        vat7->put_Miesiac(3);
        for (const auto& [name, value] : std::initializer_list<std::pair<const char16_t*, tlx::Variant>>{
                 {u"P_1", tlx::Variant::FromString(u"526-025-02-74")},
                 {u"P_6", tlx::Variant::FromString(u"1471")},
                 {u"P_8", tlx::Variant::FromLong(1)},
                 {u"P_9", tlx::Variant::FromString(u"Przykładowa Spółka z o.o., 012345675")},
                 {u"P_17", tlx::Variant::FromDouble(10000)},
                 {u"P_18", tlx::Variant::FromDouble(800)},
                 {u"P_19", tlx::Variant::FromDouble(125000.40)},
                 {u"P_20", tlx::Variant::FromDouble(28750.09)},
                 {u"P_43", tlx::Variant::FromDouble(20000)},
                 {u"P_44", tlx::Variant::FromDouble(4600)},
                 {u"P_45", tlx::Variant::FromDouble(50000)},
                 {u"P_46", tlx::Variant::FromDouble(11500.49)},
                 {u"P_73", tlx::Variant::FromString(u"22 628 00 00")},
                 {u"P_74", tlx::Variant::FromDate(45397)}})
            EXPECT_EQ(Put(vat7.Get(), name, value), S_OK) << tlx::Utf16ToUtf8(name) << tlx::Utf16ToUtf8(LastError());
        for (const auto& [name, value] : more) EXPECT_EQ(Put(vat7.Get(), name, value), S_OK) << tlx::Utf16ToUtf8(name);
        EXPECT_EQ(vat7->Policz(), S_OK) << tlx::Utf16ToUtf8(LastError());
        EXPECT_EQ(tlx::test::SaveCollection(collection.Get()), S_OK) << tlx::Utf16ToUtf8(LastError());
        return vat7;
    }
};

TEST_F(EDeklaracjaDocument, TheModuleDocumentHoldsTheFieldsInDefinitionOrder) {
    auto vat7 = SavedVat7();
    auto repository = edtest::CScriptedRepository::Make();
    repository->stylesheet = kIdentity;
    edtest::StandIn standIn(CLSID_SchemaRepository, kProgIdSchemaRepository,
                            static_cast<ISchemaRepository*>(repository.Get()));
    auto document = Build(vat7.Get(), u"1/17");
    ASSERT_TRUE(document) << tlx::Utf16ToUtf8(edeklaracja->Message());
    std::string text = Saved(document.Get());
    EXPECT_EQ(text.find("<Deklaracja xmlns=\"urn:tlx:deklaracje:e-deklaracja:1\"><Schemat xmlns=\"\">"
                        "<Typ>1</Typ><Wersja>17</Wersja><Symbol>VAT7</Symbol><Okres>1</Okres>"),
              text.find("<Deklaracja")) << text;
    for (const char* expected : {"<P_19>125000</P_19>", "<P_20>28750</P_20>", "<P_61>0</P_61>",
                                 "<P_74>15.04.2024</P_74>", "<PelnaNazwa>Przykładowa Spółka z o.o.</PelnaNazwa>",
                                 "<Nip>5260250274</Nip><KodUrzedu>1471</KodUrzedu></Schemat>"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
    EXPECT_LT(text.find("<P_1>"), text.find("<P_4>"));
    EXPECT_LT(text.find("<P_69>"), text.find("<P_73>"));
}

TEST_F(EDeklaracjaDocument, TheOfficialVat7IsTheGoldenFileAndValidAgainstTheOfficialSchema) {
    auto vat7 = SavedVat7();
    auto document = Build(vat7.Get(), u"1/17");
    ASSERT_TRUE(document) << tlx::Utf16ToUtf8(edeklaracja->Message());
    std::string official = Saved(document.Get());
    EXPECT_EQ(official, ReadFile(Golden("VAT-7_17.xml")));
    std::u16string errors;
    ASSERT_EQ(tlx::host::CEdeklaracjeValidator::ValidateText(tlx::host::SchemaStore::Installed(),
                                                             tlx::Utf8ToUtf16(official), errors), S_OK);
    EXPECT_EQ(errors, u"");
    EXPECT_EQ(sink->events, (Events{{edtest::kSendMessage, {u"#2", u"Przygotowanie deklaracji [VAT7]"}}}))
        << "the host's repository has checked for updates already";

    tlx::ScopedUserLocale english(LANG_ENGLISH_US);
    auto again = Build(vat7.Get(), u"1/17");
    ASSERT_TRUE(again) << tlx::Utf16ToUtf8(edeklaracja->Message());
    EXPECT_EQ(Saved(again.Get()), ReadFile(Golden("VAT-7_17.xml"))) << "the same under the English locale";
}

// The quarterly VAT-7K: the declaration's period chooses the transform, the header names the quarter and
// the positions are those of the monthly form. No schema of the variant is at hand; as its positions are
// the monthly VAT-7(17)'s, the document relabelled to that form (namespace, codes, the quarter as a month)
// must be valid against its official schema.
std::string ErrorsAsMonthlyVat7(std::string text, const std::vector<std::pair<std::string, std::string>>& relabelling) {
    for (const auto& [from, to] : relabelling)
        for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
            text.replace(at, from.size(), to);
    std::u16string errors;
    EXPECT_EQ(tlx::host::CEdeklaracjeValidator::ValidateText(tlx::host::SchemaStore::Installed(),
                                                             tlx::Utf8ToUtf16(text), errors), S_OK);
    return tlx::Utf16ToUtf8(errors) + (errors.empty() ? "" : "\n" + text);
}

TEST_F(EDeklaracjaDocument, AQuarterlyVat7KIsTheGoldenFileWithTheMonthlyPositions) {
    auto vat7k = SavedVat7({{u"Okres", tlx::Variant::FromLong(2)}});
    tlx::Bstr transform;
    ASSERT_EQ(vat7k->get_Transformata(transform.Out()), S_OK);
    EXPECT_EQ(std::u16string(transform.View()), u"1K/11");
    auto document = Build(vat7k.Get(), transform.View());
    ASSERT_TRUE(document) << tlx::Utf16ToUtf8(edeklaracja->Message());
    std::string official = Saved(document.Get());
    EXPECT_EQ(official, ReadFile(Golden("VAT-7K_11.xml")));
    EXPECT_EQ(ErrorsAsMonthlyVat7(official, {{"/wzor/2016/08/05/3413/", "/wzor/2016/08/05/3412/"},
                                             {"\"VAT-7K (11)\"", "\"VAT-7 (17)\""},
                                             {">VAT-7K<", ">VAT-7<"},
                                             {"<WariantFormularza>11<", "<WariantFormularza>17<"},
                                             {"Kwartal>", "Miesiac>"}}),
              "");
}

// The VAT-7D numbers its positions on its own: after the tax to pay (poz. 54) come the quarter's advances
// and what is left to pay after them, and the rows after those move on by six, the attachments' by seven
// (the request to credit an overpayment is among them). The demo's quarter: 29 550 due less 16 100 input
// tax is 13 450 to pay, of which advances of 9 000 and an overpayment of 450 credited leave 4 000.
TEST_F(EDeklaracjaDocument, AVat7DNamesItsVariantAndNumbersItsOwnPositions) {
    auto vat7d = SavedVat7({{u"Okres", tlx::Variant::FromLong(2)},
                            {u"VAT7D", tlx::Variant::FromLong(1)},
                            {u"Zaliczki", tlx::Variant::FromDouble(9000)},
                            {u"NadplataZaliczona", tlx::Variant::FromDouble(450)}});
    tlx::Bstr transform;
    ASSERT_EQ(vat7d->get_Transformata(transform.Out()), S_OK);
    EXPECT_EQ(std::u16string(transform.View()), u"1/D08");
    CY kwota{};
    ASSERT_EQ(vat7d->get_KwotaCalkowita(&kwota), S_OK);
    EXPECT_EQ(kwota.int64, 4000 * 10000) << "the advances are paid already";
    auto document = Build(vat7d.Get(), transform.View());
    ASSERT_TRUE(document) << tlx::Utf16ToUtf8(edeklaracja->Message());
    std::string official = Saved(document.Get());
    EXPECT_NE(official.find("<Deklaracja xmlns=\"http://crd.gov.pl/wzor/2016/08/05/3414/\""), std::string::npos) << official;
    EXPECT_NE(official.find("<KodFormularza kodSystemowy=\"VAT-7D (8)\" kodPodatku=\"VAT\" rodzajZobowiazania=\"Z\" "
                            "wersjaSchemy=\"1-0E\">VAT-7D</KodFormularza><WariantFormularza>8</WariantFormularza>"
                            "<CelZlozenia poz=\"P_7\">1</CelZlozenia><Rok>2024</Rok><Kwartal>1</Kwartal>"),
              std::string::npos) << official;
    EXPECT_NE(official.find("<P_51>16100</P_51><P_54>13450</P_54><P_55>9000</P_55><P_56>450</P_56><P_57>4000</P_57>"
                            "<P_63>0</P_63><P_72>2</P_72><P_73>2</P_73><P_74>2</P_74><P_75>2</P_75><P_80>22 628 00 00</P_80>"
                            "<P_81>2024-04-15</P_81></PozycjeSzczegolowe>"),
              std::string::npos) << official;
}

// The month's locked VAT-ZD notice goes into the VAT-7 that says so: its rows and totals, valid against
// the official schema; the notice's totals are summed over the items the attachment writes.
TEST_F(EDeklaracjaDocument, AVat7WithItsVatZdNoticeIsValidAgainstTheOfficialSchema) {
    Execute(u"delete from TLX.VATZD");
    Execute(u"delete from TLX.DeklNag where DkN_TypDeklar = 403");
    auto notices = Create(u"TLXDeklaracje.Deklaracje").As<ICollection>();
    tlx::ComPtr<IDispatch> item;
    ASSERT_EQ(notices->AddNew(tlx::Variant::Missing(), item.Out()), S_OK) << tlx::Utf16ToUtf8(LastError());
    auto notice = item.As<IDeklaracja2>();
    notice->put_TypDeklar(403);
    notice->put_Wersja(1);
    notice->put_Rok(2024);
    notice->put_Miesiac(3);
    ASSERT_EQ(tlx::test::SaveCollection(notices.Get()), S_OK) << tlx::Utf16ToUtf8(LastError());
    LONG id = 0;
    notice->get_ID(&id);
    const std::u16string noticeId = tlx::Utf8ToUtf16(std::to_string(id));
    Execute(u"update TLX.DeklNag set DkN_Finalna = 1, DkN_Zablokowana = 1 where DkN_DkNID = " + noticeId);
    for (const char16_t* values : {u"'FV/1', '2024-01-05', '2024-02-05', 1000, 500.25, 115.06",
                                   u"'FV/1', '2024-01-05', '2024-02-05', 200, 200, 46",
                                   u"'FV/2', '2024-01-20', '2024-02-20', 300, 300, 69",
                                   u"'FV/3', '2024-01-25', '2024-02-25', 80, -80, -18.4",
                                   u"'FV/4', '2024-01-25', '2024-02-25', 0, 10, 2.3"})
        Execute(u"insert into TLX.VATZD (VaZ_DkNId, VaZ_KntNazwa1, VaZ_KntNipE, VaZ_Dokument, VaZ_DataWys, VaZ_Termin, "
                u"VaZ_Netto, VaZ_KorektaNetto, VaZ_KorektaVAT) values (" + noticeId +
                u", 'Hurtownia Beta', '526-025-02-74', " + values + u")");
    auto reread = Create(u"TLXDeklaracje.Deklaracje").As<ICollection>();
    ASSERT_EQ(reread->Item(tlx::Variant::FromString(noticeId), item.Out()), S_OK) << tlx::Utf16ToUtf8(LastError());
    EXPECT_EQ(AsText(Get(item.Get(), u"RazemNetto")), u"1000.2500") << "the negative and the zero-net items are left out";
    EXPECT_EQ(AsText(Get(item.Get(), u"RazemVat")), u"230.0600");

    auto vat7 = SavedVat7({{u"P_68", tlx::Variant::FromLong(1)}, {u"P_69", tlx::Variant::FromLong(1)}});
    auto document = Build(vat7.Get(), u"1/17");
    ASSERT_TRUE(document) << tlx::Utf16ToUtf8(edeklaracja->Message());
    std::string official = Saved(document.Get());
    for (const char* expected :
         {"<P_68>1</P_68><P_69>1</P_69>",
          "<Wniosek_VAT-ZD xmlns=\"http://crd.gov.pl/xml/schematy/dziedzinowe/mf/2016/07/29/eD/VATZD/\">",
          "<P_B typ=\"G\"><P_BB>Hurtownia Beta</P_BB><P_BC>5260250274</P_BC><P_BD1>FV/1</P_BD1><P_BD2>2024-01-05</P_BD2>"
          "<P_BE>2024-02-05</P_BE><P_BF>700.25</P_BF><P_BG>161.06</P_BG></P_B>",
          "<P_BD1>FV/2</P_BD1>", "<P_10>1000</P_10><P_11>230</P_11></PozycjeSzczegolowe></Wniosek_VAT-ZD>"})
        EXPECT_NE(official.find(expected), std::string::npos) << expected << "\n" << official;
    EXPECT_EQ(official.find("FV/3"), std::string::npos);
    std::u16string errors;
    ASSERT_EQ(tlx::host::CEdeklaracjeValidator::ValidateText(tlx::host::SchemaStore::Installed(),
                                                             tlx::Utf8ToUtf16(official), errors), S_OK);
    EXPECT_EQ(errors, u"");
}

// The demo company's notice of March 2024: the two items of one invoice and due date make one row, the
// item due a month later a second, the negative item none; the totals agree with the rows.
TEST_F(EDeklaracjaDocument, TheDemoVat7CarriesTheDemosVatZdNotice) {
    auto vat7 = SavedVat7({{u"P_68", tlx::Variant::FromLong(1)}, {u"P_69", tlx::Variant::FromLong(1)}});
    auto document = Build(vat7.Get(), u"1/17");
    ASSERT_TRUE(document) << tlx::Utf16ToUtf8(edeklaracja->Message());
    std::string official = Saved(document.Get());
    const auto from = official.find("<Wniosek_VAT-ZD");
    ASSERT_NE(from, std::string::npos) << official;
    const auto rows = official.find("<P_B ", from);
    EXPECT_EQ(official.substr(rows, official.find("</Wniosek_VAT-ZD>") - rows),
              "<P_B typ=\"G\"><P_BB>Hurtownia Beta Sp. z o.o.</P_BB><P_BC>5260250274</P_BC><P_BD1>FV/118/2023</P_BD1>"
              "<P_BD2>2023-09-12</P_BD2><P_BE>2023-10-12</P_BE><P_BF>2000.5</P_BF><P_BG>460.12</P_BG></P_B>"
              "<P_B typ=\"G\"><P_BB>Hurtownia Beta Sp. z o.o.</P_BB><P_BC>5260250274</P_BC><P_BD1>FV/118/2023</P_BD1>"
              "<P_BD2>2023-09-12</P_BD2><P_BE>2023-11-12</P_BE><P_BF>2000</P_BF><P_BG>460</P_BG></P_B>"
              "<P_10>4001</P_10><P_11>920</P_11></PozycjeSzczegolowe>");
    std::u16string errors;
    ASSERT_EQ(tlx::host::CEdeklaracjeValidator::ValidateText(tlx::host::SchemaStore::Installed(),
                                                             tlx::Utf8ToUtf16(official), errors), S_OK);
    EXPECT_EQ(errors, u"");
}

}  // namespace
