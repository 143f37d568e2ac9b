// The KEDU elements of the registration forms and the IWA, written from page texts made here: the
// skeleton of an empty page, filled pages, and the rules of each document (PESEL against a document,
// health insurance blocks, the deregistration date, the periods of an entry, the IWA's identifier).
#include <gtest/gtest.h>

#include <string>

#include "KeduPageBuilder.h"
#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/kedu/KeduDocuments.h"

namespace tlx::test {
namespace {

constexpr long kYear = 2024;
constexpr long kMonth = 3;

KeduPage Page(std::u16string text) { return KeduPage(std::move(text), kYear, kMonth); }

const std::u16string kPayer = PageBlock(u"DIPL", {u"5261234567", u"012345678", u"", u"1", u"", u"ŁĄKA & SYN",
                                                  u"", u"", u""});
const std::u16string kPerson = PageBlock(u"DAU", {u"80010112345", u"1234567890", u"1", u"ABC123456",
                                                  u"ŻÓŁĆ", u"JAŹŃ", u"01011980"});

TEST(KeduDocuments, AnEmptyPageGivesEachDocumentsSkeleton) {
    const KeduPage empty = Page(u"");
    EXPECT_EQ(ZUAToXML(empty).Str(),
              u"<ZUSZUA  id_dokumentu=\"5\"><I><p1>true</p1></I><II></II><III></III><IV></IV>"
              u"<V><p1><p1>0000</p1><p2>0</p2><p3>0</p3></p1></V><VI></VI><VIII></VIII><XI></XI>"
              u"<XIV><p1>null</p1></XIV></ZUSZUA>");
    EXPECT_EQ(ZZAToXML(empty).Str(),
              u"<ZUSZZA  id_dokumentu=\"6\"><I><p1>true</p1></I><II></II><III></III><IV></IV>"
              u"<V><p1><p1>0000</p1><p2>0</p2><p3>0</p3></p1></V><XI><p1>null</p1></XI></ZUSZZA>");
    EXPECT_EQ(ZIUAToXML(empty).Str(),
              u"<ZUSZIUA  id_dokumentu=\"7\"><I></I><II></II><III></III><IV></IV><V><p1>null</p1></V></ZUSZIUA>");
    EXPECT_EQ(ZCNAToXML(empty).Str(),
              u"<ZUSZCNA  id_dokumentu=\"8\"><II></II><III></III><VI><p1>null</p1></VI></ZUSZCNA>");
    EXPECT_EQ(ZSWAToXML(empty).Str(),
              u"<ZUSZSWA  id_dokumentu=\"9\"><I><p1></p1><p2></p2></I><II></II><VII><p1>null</p1></VII></ZUSZSWA>");
    EXPECT_EQ(ZWUAToXML(empty).Str(),
              u"<ZUSZWUA  id_dokumentu=\"10\"><I></I><II></II><III></III>"
              u"<IV><p1><p1>0000</p1><p2>0</p2><p3>0</p3></p1></IV><V><p1>null</p1></V></ZUSZWUA>");
    // An IWA without its identifier is written with what there is, never refused half-way.
    EXPECT_EQ(IWAToXML(empty, CBstr(u"")).Str(),
              u"<ZUSIWA  id_dokumentu=\"11\"><I><p1><p1></p1><p2></p2></p1></I><II></II><III><p1></p1></III>"
              u"<IV><p1></p1><p2></p2><p3></p3><p4></p4></IV><V></V><VI></VI></ZUSIWA>");
}

TEST(KeduDocuments, AFilledZuaFollowsItsTables) {
    const std::u16string page = FormPage(
        u"ZUSZUA",
        {PageBlock(u"DOZUA", {u"", u"", u" K danych"}), kPayer, kPerson,
         PageBlock(u"DEOZ", {u"ANNA", u"NOWAK", u"POLSKIE", u"K"}), PageBlock(u"TYUB", {u"011000"}),
         PageBlock(u"DOWP", {u"", u"01032024", u"X", u"X", u"x", u"1"}), PageBlock(u"DOOU", {u"01032024"}),
         PageBlock(u"DODU", {u"05032024"}), PageBlock(u"DOKC", {u"07R"}),
         PageBlock(u"DOBU", {u"X", u"0203", u"", u"", u"X", u""}),
         PageBlock(u"AZMO", {u"00950", u"Łódź", u"", u"Piotrkowska", u"12", u"3a", u"", u"", u""}),
         PageBlock(u"ADZA", {u"00-950", u"", u"", u"", u"", u"", u"", u"", u""}),
         PageBlock(u"ADKB", {u"", u"Kraków"}), PageBlock(u"OPL1", {u"15032024"})});
    EXPECT_EQ(ZUAToXML(Page(page)).Str(),
              u"<ZUSZUA  id_dokumentu=\"5\"><I><p2>K</p2></I>"
              u"<II><p1>5261234567</p1><p2>012345678</p2><p6>ŁĄKA &amp; SYN</p6></II>"
              u"<III><p1>80010112345</p1><p5>ŻÓŁĆ</p5><p6>JAŹŃ</p6><p7>1980-01-01</p7></III>"
              u"<IV><p1>ANNA</p1><p2>NOWAK</p2><p3>POLSKIE</p3><p4>K</p4></IV>"
              u"<V><p1><p1>0110</p1><p2>0</p2><p3>0</p3></p1></V>"
              u"<VI><p1>2024-03-01</p1><p2>true</p2><p3>true</p3></VI>"
              u"<VII><p1>2024-03-01</p1><p2>07R</p2></VII>"
              u"<VIII><p1>true</p1><p2>2024-03-02</p2><p5>true</p5></VIII>"
              u"<XI><p1>00950</p1><p2>Łódź</p2><p4>Piotrkowska</p4><p5>12</p5><p6>3a</p6></XI>"
              u"<XIII><p2>Kraków</p2></XIII><XIV><p1>2024-03-15</p1></XIV></ZUSZUA>");
}

TEST(KeduDocuments, APersonWithoutPeselIsWrittenWithTheIdentityDocument) {
    const std::u16string noPesel = PageBlock(u"DAU", {u"", u"", u"2", u"EX1234567", u"MÜLLER-NÚÑEZ", u"JAN", u""});
    const std::u16string zua = ZUAToXML(Page(noPesel)).Str();
    EXPECT_NE(zua.find(u"<III><p3>2</p3><p4>EX1234567</p4><p5>MÜLLER-NÚÑEZ</p5><p6>JAN</p6></III>"), std::u16string::npos);
    // A number without its kind is not written; the payer's kind is not written without its number.
    const std::u16string numberOnly = PageBlock(u"DAU", {u"", u"", u"", u"EX1234567"});
    EXPECT_NE(ZWUAToXML(Page(numberOnly)).Str().find(u"<III></III>"), std::u16string::npos);
    EXPECT_NE(ZZAToXML(Page(kPayer)).Str().find(u"<II><p1>5261234567</p1><p2>012345678</p2><p6>"), std::u16string::npos);
}

// The text of the failure a writer raises, or "(written)".
template <typename Writer>
std::u16string Refusal(Writer writer) {
    try {
        writer();
    } catch (const ComError& error) {
        EXPECT_EQ(error.Code(), static_cast<HRESULT>(0x80050000 + 30114));
        return error.Description();
    }
    return u"(written)";
}

// A PESEL that is not 11 digits and a text longer than its KEDU element are refused before anything is
// written, naming the person and the element; a value at its limit, escaped or not, is written.
TEST(KeduDocuments, APeselOrATextThatBreaksItsElementIsRefused) {
    const auto person = [](std::u16string_view pesel, std::u16string_view surname) {
        return PageBlock(u"DAU", {pesel, u"", u"", u"", surname, u"MICHAŁ"});
    };
    EXPECT_EQ(Refusal([&] { ZUAToXML(Page(person(u"880606678960", u"NOWAK"))); }),
              u"Ubezpieczony NOWAK MICHAŁ: III/p1 (PESEL) musi być numerem PESEL z 11 cyfr, a jest \"880606678960\".");
    EXPECT_EQ(Refusal([&] { ZWUAToXML(Page(person(u"8806066789O", u"NOWAK"))); }),
              u"Ubezpieczony NOWAK MICHAŁ: III/p1 (PESEL) musi być numerem PESEL z 11 cyfr, a jest \"8806066789O\".");
    const std::u16string longName(32, u'Ż');
    EXPECT_EQ(Refusal([&] { ZZAToXML(Page(person(u"88060667896", longName))); }),
              u"Ubezpieczony " + longName + u" MICHAŁ: III/p5 (nazwisko) może mieć najwyżej 31 znaków, a ma 32: " + longName);
    // "&" and a double quote count as one character each, though written as "&amp;" and "&quot;".
    const std::u16string atLimit = u"O'NEIL & \"SYN\" " + std::u16string(16, u'Ż');
    ASSERT_EQ(atLimit.size(), 31u);
    EXPECT_EQ(Refusal([&] { ZUAToXML(Page(person(u"88060667896", atLimit))); }), u"(written)");

    const std::u16string member = PageBlock(u"DOCRA", {u"1", u"01032024", u"100101123456", u"", u"", u"", u"NOWAK",
                                                       u"EWA", u"", u"11"});
    EXPECT_EQ(Refusal([&] { ZCNAToXML(Page(kPayer + member)); }),
              u"Członek rodziny 1 (NOWAK EWA): IV/A/p3 (PESEL) musi być numerem PESEL z 11 cyfr, a jest \"100101123456\".");
    const std::u16string town(27, u'Ł');
    const std::u16string address = PageBlock(u"DOCRA", {u"1", u"01032024", u"10010112345", u"", u"", u"", u"NOWAK",
                                                        u"EWA", u"", u"11", u"", u"", u"", u"31416", town});
    EXPECT_EQ(Refusal([&] { ZCNAToXML(Page(address)); }),
              u"Członek rodziny 1 (NOWAK EWA): IV/B/p2 (miejscowość) może mieć najwyżej 26 znaków, a ma 27: " + town);
    const std::u16string payer = PageBlock(u"DIPL", {u"5261234567", u"012345678", u"", u"", u"", u"ŁĄKA & SYN",
                                                     u"", std::u16string(23, u'A')});
    EXPECT_EQ(Refusal([&] { ZIUAToXML(Page(payer)); }),
              u"Płatnik: II/p8 (imię) może mieć najwyżej 22 znaków, a ma 23: " + std::u16string(23, u'A'));
    const std::u16string entry = PageBlock(u"DDOZSWA", {u"8001011234", u"", u"", u"", u"KOWALSKI", u"JAN"});
    EXPECT_EQ(Refusal([&] { ZSWAToXML(Page(entry)); }),
              u"Ubezpieczony KOWALSKI JAN: III/A/p3 (PESEL) musi być numerem PESEL z 11 cyfr, a jest \"8001011234\".");
    const std::u16string entered = PageBlock(u"DIOP", {u"", u"52612345678", u"", u"", u"NOWAK", u"JAN"});
    EXPECT_EQ(Refusal([&] { ZIUAToXML(Page(entered)); }),
              u"Ubezpieczony NOWAK JAN: III/p2 (NIP) może mieć najwyżej 10 znaków, a ma 11: 52612345678");
}

TEST(KeduDocuments, HealthInsuranceTakesTheCompulsoryDateFirst) {
    const std::u16string fund = PageBlock(u"DOKC", {u"07R"});
    const std::u16string both = PageBlock(u"DOOU", {u"01032024"}) + PageBlock(u"DODU", {u"05032024"}) + fund;
    const std::u16string voluntary = PageBlock(u"DODU", {u"05032024"}) + fund;
    EXPECT_NE(ZZAToXML(Page(both)).Str().find(u"</V><VI><p1>2024-03-01</p1><p2>07R</p2></VI><XI>"), std::u16string::npos);
    EXPECT_NE(ZZAToXML(Page(voluntary)).Str().find(u"</V><VII><p1>2024-03-05</p1><p2>07R</p2></VII><XI>"),
              std::u16string::npos);
    EXPECT_NE(ZUAToXML(Page(voluntary)).Str().find(u"</VIII><IX><p1>2024-03-05</p1><p2>07R</p2></IX><XI>"),
              std::u16string::npos);
    EXPECT_EQ(ZUAToXML(Page(both)).Str().find(u"<IX>"), std::u16string::npos);
}

TEST(KeduDocuments, AShortDateTakesTheDeclarationsYear) {
    // March 2024: a day of April is of the year before, a day of March of the declaration's year.
    const std::u16string voluntary = PageBlock(u"DOBU", {u"X", u"0104", u"X", u"1503"});
    EXPECT_NE(ZUAToXML(Page(voluntary)).Str().find(u"<VIII><p1>true</p1><p2>2023-04-01</p2><p3>true</p3>"
                                                  u"<p4>2024-03-15</p4></VIII>"),
              std::u16string::npos);
}

TEST(KeduDocuments, ZwuaTakesTheHealthEndWhenThePensionEndIsMissing) {
    const auto block = [](std::u16string_view pensionDate, std::u16string_view healthDate) {
        return PageBlock(u"WUBD", {u"011000", u"X", pensionDate, u"100", u"", u"", u"", u"", u"", u"", u"", u"",
                                   u"", u"X", healthDate, u"600"});
    };
    EXPECT_NE(ZWUAToXML(Page(block(u"31032024", u"30042024"))).Str().find(u"</p1><p2>2024-03-31</p2><p3>100</p3></IV>"),
              std::u16string::npos);
    EXPECT_NE(ZWUAToXML(Page(block(u"", u"30042024"))).Str().find(u"</p1><p2>2024-04-30</p2><p3>600</p3></IV>"),
              std::u16string::npos);
    EXPECT_NE(ZWUAToXML(Page(block(u"", u""))).Str().find(u"<p3>0</p3></p1><p3>600</p3></IV>"), std::u16string::npos);
    // Deregistration from the social insurances alone has no mark; from health alone it has.
    EXPECT_NE(ZWUAToXML(Page(PageBlock(u"DOZWUA", {u"", u"X", u"", u""}))).Str().find(u"<I></I>"), std::u16string::npos);
    EXPECT_NE(ZWUAToXML(Page(PageBlock(u"DOZWUA", {u"", u"", u"X", u"X"}))).Str().find(u"<I><p1>true</p1><p2>true</p2></I>"),
              std::u16string::npos);
}

TEST(KeduDocuments, EmptyRepeatedBlocksArePassedOverAndTheOthersNumberedWithoutGaps) {
    const std::u16string member1 = PageBlock(u"DOCRA", {u"1", u"01032024", u"10010112345", u"", u"", u"", u"NOWAK",
                                                        u"EWA", u"", u"11", u"", u"X", u"", u"31416", u"Łódź"});
    const std::u16string member3 = PageBlock(u"DOCRA", {u"2", u"", u"", u"", u"1", u"ABC123", u"NOWAK", u"JAN",
                                                        u"02022010", u"12", u"X", u"x", u"", u"1234"});
    const std::u16string page = kPayer + member1 + u"<DOCRA></DOCRA>\r\n" + PageBlock(u"DOCRA", {}) + member3;
    EXPECT_EQ(ZCNAToXML(Page(page)).Str(),
              u"<ZUSZCNA  id_dokumentu=\"8\"><II><p1>5261234567</p1><p2>012345678</p2><p6>ŁĄKA &amp; SYN</p6></II>"
              u"<III></III>"
              u"<IV id_bloku=\"1\"><A><p1>1</p1><p2>2024-03-01</p2><p3>10010112345</p3><p7>NOWAK</p7><p8>EWA</p8>"
              u"<p10>11</p10><p11>true</p11></A><B><p1>31416</p1><p2>Łódź</p2></B></IV>"
              u"<IV id_bloku=\"2\"><A><p1>2</p1><p5>1</p5><p6>ABC123</p6><p7>NOWAK</p7><p8>JAN</p8>"
              u"<p9>2010-02-02</p9><p10>12</p10></A><B></B></IV>"
              u"<VI><p1>null</p1></VI></ZUSZCNA>");
}

TEST(KeduDocuments, ZswaEntriesCarryTheirPeriodsUntilAWorkCodeIsMissing) {
    const std::u16string entry1 = PageBlock(
        u"DDOZSWA", {u"80010112345", u"1234567890", u"", u"", u"KOWALSKI", u"JAN", u"01011980", u"011000",
                     u"01/01", u"01012024", u"30062024", u"1", u"1", u"02/03", u"01072024", u"", u"1", u"2",
                     u"", u"", u"", u"", u"", u"04/04", u"01012024", u"31122024", u"1", u"1"});
    const std::u16string entry2 = PageBlock(u"DDOZSWA", {u"", u"", u"", u"AB123", u"NOWAK", u"EWA", u"", u"0110"});
    const std::u16string page = PageBlock(u"DOZSWA", {u"1", u"01", u"2024"}) + PageBlock(u"OPLR", {u"31012025"}) +
                                entry1 + u"<DDOZSWA></DDOZSWA>" + entry2;
    EXPECT_EQ(ZSWAToXML(Page(page)).Str(),
              u"<ZUSZSWA  id_dokumentu=\"9\"><I><p1>01</p1><p2>2024</p2></I><II></II>"
              u"<III id_bloku=\"1\"><A><p1>true</p1><p3>80010112345</p3><p7>KOWALSKI</p7><p8>JAN</p8>"
              u"<p9>1980-01-01</p9></A><B><p1><p1>0110</p1><p2>0</p2><p3>0</p3></p1><p2>01/01</p2>"
              u"<p3>2024-01-01</p3><p4>2024-06-30</p4><p5><p1>1</p1><p2>1</p2></p5><p6>02/03</p6>"
              u"<p7>2024-07-01</p7><p8>null</p8><p9><p1>1</p1><p2>2</p2></p9></B></III>"
              u"<III id_bloku=\"2\"><A><p1>true</p1><p6>AB123</p6><p7>NOWAK</p7><p8>EWA</p8></A>"
              u"<B><p1><p1>0110</p1><p2></p2><p3></p3></p1><p2></p2><p3>null</p3><p4>null</p4>"
              u"<p5><p1></p1><p2></p2></p5></B></III><VII><p1>2025-01-31</p1></VII></ZUSZSWA>");
    EXPECT_NE(ZSWAToXML(Page(PageBlock(u"DOZSWA", {u"2"}) + entry2)).Str().find(u"<A><p2>true</p2><p6>"),
              std::u16string::npos);
}

TEST(KeduDocuments, IwaIdentifiersDecisionAndCounts) {
    const auto iwa = [](std::u16string_view identifier) {
        return Page(PageBlock(u"DOIWA", {identifier, u"123456", u"", u"", u"", u"INNA DECYZJA"}) +
                    PageBlock(u"DUZWIWA", {u"00012"}) + PageBlock(u"ZDKRIWA", {u"0620Z", u"003", u"", u"000"}) +
                    PageBlock(u"ADKP", {u"12345", u"Łódź", u"", u"", u"", u"", u"", u"", u"", u"biuro@firma.pl"}) +
                    PageBlock(u"OPLR", {u"31012025"}));
    };
    EXPECT_EQ(IWAToXML(iwa(u"052024"), CBstr(u"ABC/1 & <2>")).Str(),
              u"<ZUSIWA  id_dokumentu=\"11\"><I><p1><p1>05</p1><p2>2024</p2></p1><p2>123456</p2>"
              u"<p6>ABC/1 &amp; &lt;2&gt;</p6></I><II></II><III><p1>12</p1></III>"
              u"<IV><p1>0620Z</p1><p2>3</p2><p3></p3><p4>0</p4></IV>"
              u"<V><p1>12345</p1><p2>Łódź</p2><p10>biuro@firma.pl</p10></V><VI><p1>2025-01-31</p1></VI></ZUSIWA>");
    EXPECT_NE(IWAToXML(iwa(u"0520241"), CBstr()).Str().find(u"<I><p1><p1>05</p1><p2>2024</p2></p1><p2>123456</p2></I>"),
              std::u16string::npos);
    EXPECT_NE(IWAToXML(iwa(u"05"), CBstr()).Str().find(u"<I><p1><p1>05</p1><p2></p2></p1>"), std::u16string::npos);
    EXPECT_NE(IWAToXML(iwa(u"5"), CBstr()).Str().find(u"<I><p1><p1>5</p1><p2></p2></p1>"), std::u16string::npos);
}

}  // namespace
}  // namespace tlx::test
