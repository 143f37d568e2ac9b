// The KEDU documents the writers make, validated against the project's schemas of both generations
// (schema/), which take their identifiers' and names' types from the official generation-5 schema.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "KeduPageBuilder.h"
#include "mv_deklaracje/kedu/KeduDocuments.h"
#include "mv_deklaracje/kedu/KeduHeader.h"
#include "platform/text/CodePage.h"
#include "tests/support/CompanyDatabase.h"
#include "tests/support/KeduSchemaFolder.h"

namespace tlx::test {
namespace {

// The project's schemas in a folder of their own, beside a link to the generation-5 schemas they import.
class KeduSchemaTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!schemas_.Available())
            GTEST_SKIP() << "the official KEDU 5 schemas are not beside the checkout (TLX_REFS_DIR)";
    }

    // The errors of the document of `body` under the root of `generation`; none when it is valid.
    std::vector<std::u16string> Errors(KeduGeneration generation, const CBstr& body) {
        const std::u16string document =
            KeduHeaderText(generation, CBstr(u"Velmora ERP Mirvak"), CBstr(u""), CDate(1, 20, 2025)).Str() +
            body.Str() + u"</KEDU>";
        return schemas_.Errors(document);
    }
    void ExpectValid(const CBstr& body) {
        for (KeduGeneration generation : {KeduGeneration::Kedu3, KeduGeneration::Kedu43}) {
            const std::vector<std::u16string> errors = Errors(generation, body);
            EXPECT_TRUE(errors.empty()) << Utf16ToUtf8(errors.empty() ? u"" : errors.front()) << "\n"
                                        << Utf16ToUtf8(body.View());
        }
    }

    KeduSchemaFolder schemas_{SourceDir(), TLX_KEDU5_DIR};
};

TEST_F(KeduSchemaTest, EveryDocumentsSkeletonIsValid) {
    const KeduPage empty(u"", 2024, 3);
    for (const CBstr& body : {ZUAToXML(empty), ZZAToXML(empty), ZIUAToXML(empty), ZCNAToXML(empty),
                              ZSWAToXML(empty), ZWUAToXML(empty), IWAToXML(empty, CBstr())})
        ExpectValid(body);
}

TEST_F(KeduSchemaTest, FilledDocumentsAreValid) {
    const std::u16string payer = PageBlock(u"DIPL", {u"5261234567", u"012345678", u"", u"1", u"ABC123456",
                                                     u"ŁĄKA & SYN", u"", u"", u""});
    const std::u16string person = PageBlock(u"DAU", {u"", u"", u"1", u"ABC123456", u"MÜLLER-NÚÑEZ", u"JAŹŃ",
                                                     u"01011980"});
    const std::u16string address = PageBlock(u"AZMO", {u"00950", u"Łódź", u"Łódź", u"Piotrkowska", u"12", u"3a",
                                                       u"426301234", u"", u""});
    const KeduPage registration(
        payer + person + PageBlock(u"DEOZ", {u"ANNA", u"NOWAK", u"POLSKIE", u"K"}) + PageBlock(u"TYUB", {u"011000"}) +
            PageBlock(u"TYUBZ", {u"041100"}) + PageBlock(u"DOWP", {u"", u"01032024", u"X", u"X", u"X", u"X"}) +
            PageBlock(u"DOOU", {u"01032024"}) + PageBlock(u"DOKC", {u"07R"}) + address +
            PageBlock(u"ADZA", {u"", u"Kraków"}) + PageBlock(u"ADKB", {u"31416", u"Kraków", u"Długa", u"1"}) +
            PageBlock(u"DIOP", {u"80010112345", u"1234567890", u"", u"", u"NOWAK", u"JAN", u"01011980"}) +
            PageBlock(u"ADIU", {u"80010112345", u"", u"1", u"ABC123456", u"NOWAK", u"JAN", u"01011980"}) +
            PageBlock(u"DOCRA", {u"1", u"01032024", u"10010112345", u"", u"", u"", u"NOWAK", u"EWA", u"", u"11", u"",
                                 u"X", u"", u"31416", u"Łódź"}) +
            PageBlock(u"WUBD", {u"011000", u"X", u"31032024", u"100"}) + PageBlock(u"DOZWUA", {u"X", u"", u"", u""}) +
            PageBlock(u"OPL1", {u"15032024"}),
        2024, 3);
    for (const CBstr& body : {ZUAToXML(registration), ZZAToXML(registration), ZIUAToXML(registration),
                              ZCNAToXML(registration), ZWUAToXML(registration)})
        ExpectValid(body);
    ExpectValid(CBstr(KeduGolden("demo-iwa.xml")));
    ExpectValid(CBstr(KeduGolden("demo-zswa.xml")));
}

TEST_F(KeduSchemaTest, TheSchemasReallyCheck) {
    // A payer's NIP with a letter, which the writer passes as it stands, is refused by the schema.
    const KeduPage page(PageBlock(u"DIPL", {u"526123456X"}), 2024, 3);
    for (KeduGeneration generation : {KeduGeneration::Kedu3, KeduGeneration::Kedu43}) {
        EXPECT_FALSE(Errors(generation, ZUAToXML(page)).empty());
        EXPECT_FALSE(Errors(generation, ZWUAToXML(page)).empty());
    }
    // A document number that is not its own.
    EXPECT_FALSE(Errors(KeduGeneration::Kedu43, CBstr(u"<ZUSZIUA  id_dokumentu=\"5\"><I></I><II></II><III></III>"
                                                      u"<IV></IV><V><p1>null</p1></V></ZUSZIUA>")).empty());
}

// The DRA's documents differ between the generations: each set is valid under its own schema only.
TEST_F(KeduSchemaTest, EachDraSetIsValidUnderItsGeneration) {
    const CBstr set3(KeduGolden("dra-kedu3.xml"));
    const CBstr set43(KeduGolden("dra-kedu43.xml"));
    const std::vector<std::u16string> errors3 = Errors(KeduGeneration::Kedu3, set3);
    const std::vector<std::u16string> errors43 = Errors(KeduGeneration::Kedu43, set43);
    EXPECT_TRUE(errors3.empty()) << Utf16ToUtf8(errors3.empty() ? u"" : errors3.front());
    EXPECT_TRUE(errors43.empty()) << Utf16ToUtf8(errors43.empty() ? u"" : errors43.front());
    EXPECT_FALSE(Errors(KeduGeneration::Kedu43, set3).empty());
    EXPECT_FALSE(Errors(KeduGeneration::Kedu3, set43).empty());
    // An amount without its two decimals, and a person's date that is not a date.
    std::u16string text = set43.Str();
    EXPECT_FALSE(Errors(KeduGeneration::Kedu43, CBstr(text.replace(text.find(u"0.00"), 4, u"0.0"))).empty());
    text = set43.Str();
    EXPECT_FALSE(Errors(KeduGeneration::Kedu43, CBstr(text.replace(text.find(u"2016-03-01"), 10, u"01032016"))).empty());
}

}  // namespace
}  // namespace tlx::test
