// The person blocks of the DRA's reports: one table of cases per report, both generations.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "KeduPageBuilder.h"
#include "mv_deklaracje/kedu/KeduReportBlocks.h"

namespace tlx::test {
namespace {

std::string Utf8(const CBstr& text) { return Utf16ToUtf8(text.View()); }

// A person block whose line k holds `k00` (the amount k.00) from line 8 on, with the lines given first.
std::u16string RcaPerson(std::vector<std::u16string> lines, int last = 40) {
    std::u16string text = u"<DDORCA>\r\n";
    for (int line = 1; line <= last; ++line) {
        if (static_cast<std::size_t>(line) <= lines.size()) text += lines[line - 1];
        else if (line >= 8) text += tlx::Utf8ToUtf16(std::to_string(line) + "00");
        text += u"\r\n";
    }
    return text + u"</DDORCA>\r\n";
}

const std::vector<std::u16string> kKowalski{u"KOWALSKI", u"JAN", u"P", u"80010112345", u"011000", u"", u"1 1"};

TEST(KeduRcaBlocks, EveryElementComesFromItsLine) {
    const std::u16string page = RcaPerson(kKowalski);
    EXPECT_EQ(Utf8(WriteRcaBlockKedu3(page)),
              "<III><A><p1>KOWALSKI</p1><p2>JAN</p2><p3>P</p3><p4>80010112345</p4></A>"
              "<B><p1><p1>0110</p1><p2>0</p2><p3>0</p3></p1><p3><p1>001</p1><p2>001</p2></p3>"
              "<p4>8.00</p4><p5>9.00</p5><p6>10.00</p6><p7>11.00</p7><p8>12.00</p8><p9>13.00</p9><p10>14.00</p10>"
              "<p11>15.00</p11><p12>16.00</p12><p13>17.00</p13><p14>18.00</p14><p15>19.00</p15></B>"
              "<C><p4>23.00</p4></C></III>");
    EXPECT_EQ(Utf8(WriteRcaBlockKedu43(page)),
              "<III id_bloku=\"1\"><A><p1>KOWALSKI</p1><p2>JAN</p2><p3>P</p3><p4>80010112345</p4></A>"
              "<B><p1><p1>0110</p1><p2>0</p2><p3>0</p3></p1><p3><p1>001</p1><p2>001</p2></p3>"
              "<p4>8.00</p4><p5>29.00</p5><p6>30.00</p6><p7>11.00</p7><p8>12.00</p8><p9>37.00</p9><p10>38.00</p10>"
              "<p11>15.00</p11><p12>16.00</p12><p13>31.00</p13><p14>32.00</p14><p15>33.00</p15><p16>34.00</p16>"
              "<p17>35.00</p17><p18>36.00</p18><p23>0.00</p23><p24>0.00</p24><p25>0.00</p25><p26>0.00</p26>"
              "<p27>18.00</p27><p28>19.00</p28></B>"
              "<C><p1>10.00</p1><p2>39.00</p2><p3>40.00</p3><p4>14.00</p4><p5>0.00</p5></C>"
              "<D><p4>23.00</p4></D></III>");
}

TEST(KeduRcaBlocks, PersonsAreNumberedWithoutGapsInEveryCall) {
    EXPECT_EQ(Utf8(WriteRcaBlockKedu43(u"<ZUSRCA>\r\n</ZUSRCA>\r\n")), "");
    EXPECT_EQ(Utf8(WriteRcaBlockKedu3(u"")), "");
    // The first marker stands at the text's first character; an empty block lies between the persons.
    const std::u16string page = RcaPerson({u"A"}) + u"<DDORCA></DDORCA>\r\n<DDORCA>\r\n\r\n\r\n</DDORCA>" +
                                RcaPerson({u"B"}) + RcaPerson({u"C"});
    for (int call = 0; call < 2; ++call) {
        const std::string blocks = Utf8(WriteRcaBlockKedu43(page));
        EXPECT_NE(blocks.find("<III id_bloku=\"1\"><A><p1>A</p1>"), std::string::npos) << blocks;
        EXPECT_NE(blocks.find("<III id_bloku=\"2\"><A><p1>B</p1>"), std::string::npos) << blocks;
        EXPECT_NE(blocks.find("<III id_bloku=\"3\"><A><p1>C</p1>"), std::string::npos) << blocks;
        EXPECT_EQ(blocks.find("id_bloku=\"4\""), std::string::npos);
    }
    const std::string plain = Utf8(WriteRcaBlockKedu3(page));
    EXPECT_EQ(plain.find("<III>"), 0u);
    EXPECT_NE(plain.find("<III><A><p1>C</p1>"), std::string::npos) << plain;
}

TEST(KeduRcaBlocks, TheWorkingTimePairAndTheOverLimitMark) {
    const struct {
        std::u16string line6, line7;
        const char* expected;  // block B from its title to its first amount
    } cases[] = {
        {u"", u"1 1", "</p1><p3><p1>001</p1><p2>001</p2></p3><p4>"},
        {u"", u"001001", "</p1><p3><p1>001</p1><p2>001</p2></p3><p4>"},
        {u"", u"1001", "</p1><p3><p1>001</p1><p2>001</p2></p3><p4>"},
        {u"", u"1 2", "</p1><p3><p1>001</p1><p2>002</p2></p3><p4>"},
        {u"", u"0 5", "</p1><p4>"},
        {u"", u"", "</p1><p4>"},
        {u"", u"12", "</p1><p4>"},
        {u"1", u"3 4", "</p1><p2>1</p2><p3><p1>003</p1><p2>004</p2></p3><p4>"},
    };
    for (const auto& c : cases) {
        const std::u16string page = RcaPerson({u"", u"", u"", u"", u"011000", c.line6, c.line7});
        for (const CBstr& blocks : {WriteRcaBlockKedu3(page), WriteRcaBlockKedu43(page)})
            EXPECT_NE(Utf8(blocks).find(std::string("<p3>0</p3>") + c.expected), std::string::npos)
                << Utf16ToUtf8(c.line7) << ": " << Utf8(blocks);
    }
}

TEST(KeduRcaBlocks, CodesAmountsAndTextsAsTheDocumentWantsThem) {
    const struct {
        std::u16string code;
        const char* parts;
    } codes[] = {{u"051000", "<p1>0510</p1><p2>0</p2><p3>0</p3>"}, {u"12345", "<p1>0123</p1><p2>4</p2><p3>5</p3>"},
                 {u"", "<p1>0000</p1><p2>0</p2><p3>0</p3>"},      {u"0", "<p1>0000</p1><p2>0</p2><p3>0</p3>"},
                 {u"5", "<p1>0000</p1><p2>0</p2><p3>5</p3>"}};
    for (const auto& c : codes) {
        const std::string blocks = Utf8(WriteRcaBlockKedu3(RcaPerson({u"X", u"", u"", u"", c.code})));
        EXPECT_NE(blocks.find(std::string("<B><p1>") + c.parts + "</p1>"), std::string::npos) << blocks;
    }
    // Inner spaces stay in lines 1, 2 and 4; line 3 gives its first word; values are escaped; short and
    // padded amounts.
    const std::u16string page = RcaPerson({u"  NOWAK & SYN  ", u"ANNA MARIA", u"P X", u"AB 123", u"011000", u"", u"",
                                           u"5", u"0", u"000012345", u"150.00", u"-5"});
    const std::string blocks = Utf8(WriteRcaBlockKedu3(page));
    EXPECT_NE(blocks.find("<A><p1>NOWAK &amp; SYN</p1><p2>ANNA MARIA</p2><p3>P</p3><p4>AB 123</p4></A>"),
              std::string::npos) << blocks;
    EXPECT_NE(blocks.find("<p4>0.05</p4><p5>0.00</p5><p6>123.45</p6><p7>150.00</p7><p8>-0.05</p8>"),
              std::string::npos) << blocks;
}

// A benefit block: the lines given, then the amount of line 11.
std::u16string RsaPerson(std::vector<std::u16string> lines) {
    std::u16string text = u"<DDORSA>\r\n";
    for (const std::u16string& line : lines) text += line + u"\r\n";
    return text + u"</DDORSA>\r\n";
}

TEST(KeduRsaBlocks, EveryElementComesFromItsLine) {
    const std::u16string page = RsaPerson({u"JANKOWSKI", u"PAWEŁ", u"P", u"87040476543", u"011000", u"331",
                                           u"01032024", u"08032024", u"8", u"Wynagrodzenie chorobowe", u"101248"});
    const std::string body = "<A><p1>JANKOWSKI</p1><p2>PAWEŁ</p2><p3>P</p3><p4>87040476543</p4></A>"
                             "<B><p1><p1>0110</p1><p2>0</p2><p3>0</p3></p1><p2>331</p2><p3>2024-03-01</p3>"
                             "<p4>2024-03-08</p4><p5>8</p5><p6>1012.48</p6></B></III>";
    EXPECT_EQ(Utf8(WriteRsaBlockKedu3(page, 2024, 3)), "<III>" + body);
    EXPECT_EQ(Utf8(WriteRsaBlockKedu43(page + page, 2024, 3)),
              "<III id_bloku=\"1\">" + body + "<III id_bloku=\"2\">" + body);
    EXPECT_EQ(Utf8(WriteRsaBlockKedu43(u"<ZUSRSA>\r\n</ZUSRSA>", 2024, 3)), "");
}

TEST(KeduRsaBlocks, DatesTakeTheDrasPeriodAndLine9IsLeftOutWhenEmpty) {
    const struct {
        std::u16string date;
        long year, month;
        const char* expected;
    } cases[] = {
        {u"05032016", 2016, 2, "<p3>2016-03-05</p3>"}, {u"0503", 2016, 2, "<p3>2015-03-05</p3>"},
        {u"0503", 2016, 3, "<p3>2016-03-05</p3>"},     {u"3112", 2016, 1, "<p3>2015-12-31</p3>"},
        {u"", 2016, 3, "<p3>null</p3>"},               {u"2024-03-09", 2024, 3, "<p3>2024-03-09</p3>"},
    };
    for (const auto& c : cases) {
        const std::u16string page = RsaPerson({u"A", u"B", u"P", u"1", u"011000", u"313", c.date});
        const std::string blocks = Utf8(WriteRsaBlockKedu3(page, c.year, c.month));
        EXPECT_NE(blocks.find(std::string("<p2>313</p2>") + c.expected + "<p4>null</p4><p6>0.00</p6></B>"),
                  std::string::npos) << Utf16ToUtf8(c.date) << ": " << blocks;
    }
}

TEST(KeduRzaBlocks, AFourLineBlockIsWrittenWhole) {
    const std::u16string page = PageBlock(u"DDORZA", {u"NOWAK", u"JAN", u"P", u"80010112345"});
    const std::string person = "<A><p1>NOWAK</p1><p2>JAN</p2><p3>P</p3><p4>80010112345</p4></A>"
                               "<B><p1><p1>0000</p1><p2>0</p2><p3>0</p3></p1><p2>0.00</p2><p3>0.00</p3>";
    EXPECT_EQ(Utf8(WriteRzaBlockKedu3(page)), "<III>" + person + "</B></III>");
    EXPECT_EQ(Utf8(WriteRzaBlockKedu43(page)),
              "<III id_bloku=\"1\">" + person + "<p4>0.00</p4><p5>0.00</p5><p6>0.00</p6></B></III>");
    const std::u16string filled = PageBlock(u"DDORZA", {u"A", u"B", u"P", u"1", u"221100", u"300000", u"27000",
                                                        u"800", u"900", u"1000"});
    EXPECT_NE(Utf8(WriteRzaBlockKedu43(filled)).find("<p2>3000.00</p2><p3>270.00</p3><p4>8.00</p4><p5>9.00</p5>"
                                                     "<p6>10.00</p6></B>"),
              std::string::npos);
    EXPECT_EQ(Utf8(WriteRzaBlockKedu3(filled)).find("8.00"), std::string::npos) << "lines 8 to 10 are not written";
}

}  // namespace
}  // namespace tlx::test
