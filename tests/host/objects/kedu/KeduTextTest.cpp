// The text form of a KEDU document: byte for byte against golden files, read back by a reader written
// to the rules the KEDU writers follow (tag search from the second character, CR LF lines, words), and
// read into a document again by FromString.
#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "KeduTestSupport.h"
#include "platform/com/OleDate.h"

namespace tlx::host::test {
namespace {

Variant Text(std::u16string_view text) { return Variant::FromString(text); }
Variant Money(LONGLONG tenThousandths) { return Variant::FromCurrency(CY{tenThousandths}); }
Variant Date(int year, int month, int day) { return Variant::FromDate(*DateFromCalendar(CalendarTime{year, month, day})); }

// --- The readers' rules: blocks by tag from the second character, lines ended by CR LF, words. ---

std::string BlockText(const std::string& text, const std::string& code, int n) {
    const std::string open = "<" + code + ">", close = "</" + code + ">";
    std::size_t start = std::string::npos, from = 1;
    for (int i = 0; i < n; ++i) {
        start = text.find(open, from);
        if (start == std::string::npos) return "";
        from = start + 1;
    }
    std::size_t content = start + open.size();
    std::size_t end = text.find(close, content);
    return text.substr(content, end == std::string::npos ? std::string::npos : end - content);
}

std::string LineValue(const std::string& block, int k, int w) {
    std::size_t previous = 1, current = 1;
    for (int i = 1; i <= k; ++i) {
        previous = current;
        current = block.find("\r\n", previous + 1);
        if (current == std::string::npos) return "";
    }
    std::string line = block.substr(previous + 1, current - previous);
    if (w == 0) {
        while (!line.empty() && (line.front() == '\n' || line.front() == ' ' || line.front() == '\r')) line.erase(0, 1);
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
        return line;
    }
    std::istringstream words(line);
    std::string word;
    for (int i = 0; i < w; ++i) {
        words >> word;
        if (words.eof()) return "";
    }
    return word;
}

// --- An RCA of three insured persons, with a block made between two of them. ---

struct Cell {
    LONG position, repeat;
    Variant value;
    const char* read;  // what the reader gets: the whole line, or the word of the repeat
};

const std::vector<std::vector<Cell>>& Persons() {
    static const std::vector<std::vector<Cell>> persons = {
        {{1, 0, Text(u"NOWAK"), "NOWAK"}, {2, 0, Text(u"ANNA"), "ANNA"}, {3, 0, Text(u"P"), "P"},
         {4, 0, Text(u"85010112345"), "85010112345"}, {5, 0, Text(u"011000"), "011000"},
         {6, 0, Money(50000000), "5000.00"}, {7, 1, Variant::FromLong(1), "1"}, {7, 2, Variant::FromLong(1), "1"},
         {8, 0, Money(6855000), "685.50"}},
        {{1, 0, Text(u"WÓJCIK"), "WÓJCIK"}, {2, 0, Text(u"ŁUKASZ"), "ŁUKASZ"}, {3, 0, Text(u"P"), "P"},
         {4, 0, Text(u"90020254321"), "90020254321"}, {5, 0, Text(u"011000"), "011000"},
         {6, 0, Money(25000050), "2500.01"}, {7, 1, Variant::FromLong(1), "1"}, {7, 2, Variant::FromLong(2), "2"},
         {8, 0, Variant::FromDouble(342.6249), "342.62"}},
        {{1, 0, Text(u"ZIĘBA"), "ZIĘBA"}, {2, 0, Text(u"EWA"), "EWA"}, {3, 0, Text(u"P"), "P"},
         {4, 0, Text(u"75030398765"), "75030398765"}, {5, 0, Text(u"041100"), "041100"}, {6, 0, Money(0), "0.00"},
         {8, 0, Money(-50000), "-5.00"}},
    };
    return persons;
}

ComPtr<IKeduDokument> BuildRca() {
    ComPtr<IKeduDokument> document = NewDocument(NewKedu().Get(), u"ZUSRCA", 2);
    ComPtr<IKeduBlok> header = BlockOf(document.Get(), u"DORCA");
    EXPECT_EQ(header->put_Item(1, 0, Variant::FromLong(1032016)), S_OK);
    EXPECT_EQ(header->put_Item(2, 0, Variant::FromLong(1)), S_OK);
    EXPECT_EQ(BlockOf(document.Get(), u"DIPL")->put_Item(1, 0, Text(u"5261234567")), S_OK);
    for (std::size_t n = 0; n < Persons().size(); ++n) {
        ComPtr<IKeduBlok> person;
        EXPECT_EQ(BlocksOf(document.Get())->Add(person.Out()), S_OK);
        for (const Cell& cell : Persons()[n]) EXPECT_EQ(person->put_Item(cell.position, cell.repeat, cell.value), S_OK);
        if (n == 0) {
            EXPECT_EQ(BlockOf(document.Get(), u"OPLR")->put_Item(1, 0, Date(2016, 3, 31)), S_OK);
        }
    }
    return document;
}

TEST(KeduText, ADiplBlockIsWrittenAsTheGoldenFile) {
    ComPtr<IKeduDokument> document = NewDocument(NewKedu().Get(), u"ZUSDRA");
    ComPtr<IKeduBlok> dipl = BlockOf(document.Get(), u"DIPL");
    const std::pair<LONG, Variant> cells[] = {
        {1, Text(u"5261234567")}, {2, Text(u"012345678")}, {3, Text(u"94010112345")}, {5, Text(u"ABC123456")},
        {6, Text(u"PRZEDSIĘBIORSTWO ŁĄKA")}, {7, Text(u"KOWALSKI")}, {8, Text(u"JAN")}, {9, Date(1994, 1, 1)},
    };
    for (const auto& [position, value] : cells) ASSERT_EQ(dipl->put_Item(position, 0, value), S_OK);
    EXPECT_EQ(TextOf(document.Get()), Golden("kedu", "dipl.txt"));
}

TEST(KeduText, AnRcaOfThreePersonsIsWrittenAsTheGoldenFile) {
    EXPECT_EQ(TextOf(BuildRca().Get()), Golden("kedu", "rca-three-persons.txt"));
}

TEST(KeduText, TheWritersReaderFindsEveryValueOfTheText) {
    std::string text = TextOf(BuildRca().Get());
    EXPECT_EQ(LineValue(BlockText(text, "DORCA", 1), 1, 0), "1032016") << "the first block is found from the second character";
    EXPECT_EQ(LineValue(BlockText(text, "DORCA", 1), 2, 0), "1");
    EXPECT_EQ(LineValue(BlockText(text, "DIPL", 1), 1, 0), "5261234567");
    EXPECT_EQ(LineValue(BlockText(text, "OPLR", 1), 1, 0), "31032016");
    for (std::size_t n = 0; n < Persons().size(); ++n) {
        std::string block = BlockText(text, "DDORCA", static_cast<int>(n + 1));
        for (const Cell& cell : Persons()[n]) {
            std::string read = cell.position == 7 ? LineValue(block, 7, cell.repeat) : LineValue(block, cell.position, 0);
            EXPECT_EQ(read, cell.read) << "person " << n + 1 << ", position " << cell.position << ", repeat " << cell.repeat;
        }
    }
    EXPECT_EQ(BlockText(text, "DDORCA", 4), "") << "three persons";
    EXPECT_EQ(LineValue(BlockText(text, "DDORCA", 3), 7, 0), "") << "the third has no working time";
}

TEST(KeduText, FromStringReadsTheTextBackSoThatToStringGivesItAgain) {
    std::string golden = Golden("kedu", "rca-three-persons.txt");
    ComPtr<IKeduDokument> document = NewDocument(NewKedu().Get(), u"ZUSDRA");
    ASSERT_EQ(document->FromString(Bstr(Utf8ToUtf16(golden)).Get()), S_OK);
    EXPECT_EQ(TextOf(document.Get()), golden);
    Bstr form;
    ASSERT_EQ(document->get_Formularz(form.Out()), S_OK);
    EXPECT_EQ(form.View(), u"ZUSRCA");

    Variant value;
    ASSERT_EQ(BlockOf(document.Get(), u"DDORCA2")->get_Item(7, 0, value.Out()), S_OK);
    ASSERT_EQ(value.vt, VT_BSTR) << "every line comes back as the text of repeat 0";
    EXPECT_EQ(Bstr(value.bstrVal).View(), u"1 2");
    ComPtr<IKeduBlok> fourth;
    ASSERT_EQ(BlocksOf(document.Get())->Add(fourth.Out()), S_OK);
    Bstr name;
    ASSERT_EQ(fourth->get_Nazwa(name.Out()), S_OK);
    EXPECT_EQ(name.View(), u"DDORCA4") << "the persons read are the appended blocks";

    ASSERT_EQ(document->FromString(Bstr(u"<ZUSZSWA>\r\n</ZUSZSWA>\r\n").Get()), S_OK);
    EXPECT_EQ(TextOf(document.Get()), "<ZUSZSWA>\r\n</ZUSZSWA>\r\n");
}

TEST(KeduText, AMalformedTextIsRefusedNamingItsLineAndChangesNothing) {
    const std::string before = Golden("kedu", "dipl.txt");
    const struct {
        const char16_t* text;
        const char* message;
    } rows[] = {
        {u"", "wiersz 1: tekst kończy się"},
        {u"<DIPL>\r\n</DIPL>\r\n", "wiersz 1: oczekiwano znacznika formularza"},
        {u"<ZUSRCA wersja=\"1\">\r\n</ZUSRCA>\r\n", "wiersz 1: oczekiwano znacznika formularza"},
        {u"<ZUSRCA>\n</ZUSRCA>\n", "wiersz 1: wiersz nie kończy się znakami CR LF"},
        {u"<ZUSRCA>\r\n<DIPL>\r\n1\r\n", "wiersz 4: tekst kończy się"},
        {u"<ZUSRCA>\r\n<DIPL>\r\n1\r\n<OPLR>\r\n</OPLR>\r\n</ZUSRCA>\r\n", "wiersz 4: w bloku DIPL"},
        {u"<ZUSRCA>\r\n<DIPL>\r\na\nb\r\n</DIPL>\r\n</ZUSRCA>\r\n", "wiersz 3: w bloku DIPL"},
        {u"<ZUSRCA>\r\n<DIPL>\r\n</DIPL>\r\n<dipl>\r\n</dipl>\r\n</ZUSRCA>\r\n", "wiersz 4: blok \"dipl\""},
        {u"<ZUSRCA>\r\n<DDORCA1>\r\n</DDORCA1>\r\n</ZUSRCA>\r\n", "wiersz 2: blok \"DDORCA1\""},
        {u"<ZUSRCA>\r\nNOWAK\r\n</ZUSRCA>\r\n", "wiersz 2: oczekiwano znacznika bloku"},
        {u"<ZUSRCA>\r\n</ZUSRCA>\r\n<ZUSRCA>\r\n</ZUSRCA>\r\n", "wiersz 3: za zamknięciem dokumentu"},
    };
    for (const auto& row : rows) {
        ComPtr<IKeduDokument> document = NewDocument(NewKedu().Get(), u"ZUSDRA");
        ASSERT_EQ(document->FromString(Bstr(Utf8ToUtf16(before)).Get()), S_OK);
        EXPECT_EQ(document->FromString(Bstr(row.text).Get()), E_INVALIDARG) << row.message;
        RaisedError raised = TakeRaised();
        EXPECT_EQ(raised.guid, IID_IKeduDokument);
        EXPECT_NE(raised.description.find(row.message), std::string::npos) << raised.description;
        EXPECT_EQ(TextOf(document.Get()), before) << row.message;
    }
}

}  // namespace
}  // namespace tlx::host::test
