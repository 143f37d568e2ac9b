// How each kind of value put into a KEDU block reads in the document's text.
#include <gtest/gtest.h>

#include "KeduTestSupport.h"
#include "platform/com/OleDate.h"

namespace tlx::host::test {
namespace {

Variant Of(VARTYPE vt, auto set) {
    Variant v;
    v.vt = vt;
    set(v);
    return v;
}

Variant Money(LONGLONG tenThousandths) { return Variant::FromCurrency(CY{tenThousandths}); }

Variant Date(int year, int month, int day, int hour = 0, int minute = 0) {
    return Variant::FromDate(*DateFromCalendar(CalendarTime{year, month, day, hour, minute, 0, 0}));
}

// The line that position 1 of a fresh block shows for the value.
std::string LineOf(const Variant& value) {
    ComPtr<IKeduDokument> document = NewDocument(NewKedu().Get(), u"ZUSDRA");
    EXPECT_EQ(BlockOf(document.Get(), u"A")->put_Item(1, 0, value), S_OK);
    std::string text = TextOf(document.Get());
    const std::string head = "<ZUSDRA>\r\n<A>\r\n", tail = "\r\n</A>\r\n</ZUSDRA>\r\n";
    if (text.size() < head.size() + tail.size() || text.compare(0, head.size(), head) != 0) return "<bad text> " + text;
    return text.substr(head.size(), text.size() - head.size() - tail.size());
}

TEST(KeduValue, EveryKindReadsAsTheTextFormSaysInAnyUserLocale) {
    ScopedUserLocale polish(LANG_POLISH_POLAND);  // decimal comma: the text must still have a point
    const struct {
        const char* what;
        Variant value;
        const char* line;
    } rows[] = {
        {"count", Variant::FromLong(1032016), "1032016"},
        {"negative count", Variant::FromLong(-7), "-7"},
        {"short", Of(VT_I2, [](Variant& v) { v.iVal = 12; }), "12"},
        {"64-bit", Of(VT_I8, [](Variant& v) { v.llVal = 1234567890123; }), "1234567890123"},
        {"byte", Of(VT_UI1, [](Variant& v) { v.bVal = 200; }), "200"},
        {"money", Money(12345678), "1234.57"},
        {"negative money", Money(-50000), "-5.00"},
        {"zero money", Money(0), "0.00"},
        {"half a grosz up", Money(50), "0.01"},
        {"half a grosz down", Money(-50), "-0.01"},
        {"under half a grosz", Money(49), "0.00"},
        {"under half a grosz, negative", Money(-49), "0.00"},
        {"double", Variant::FromDouble(2.675), "2.68"},
        {"negative double", Variant::FromDouble(-2.5), "-2.50"},
        {"double half up", Variant::FromDouble(0.125), "0.13"},
        {"double half down", Variant::FromDouble(-0.125), "-0.13"},
        {"double carries", Variant::FromDouble(99.995), "100.00"},
        {"tiny negative double", Variant::FromDouble(-0.001), "0.00"},
        {"large double", Variant::FromDouble(1e15), "1000000000000000.00"},
        {"date", Date(2024, 12, 31), "31122024"},
        {"date with a time", Date(2016, 3, 5, 13, 30), "05032016"},
        {"empty date", Variant::Null(), ""},
        {"never written", Variant(), ""},
        {"ticked box", Variant::FromBool(true), "X"},
        {"empty box", Variant::FromBool(false), ""},
        {"Polish text", Variant::FromString(u"Zażółć gęślą jaźń ŁÓDŹ"), "Zażółć gęślą jaźń ŁÓDŹ"},
        {"text with a lone <", Variant::FromString(u"a < b <1 <"), "a < b <1 <"},
        {"empty text", Variant::FromString(u""), ""},
    };
    for (const auto& row : rows) EXPECT_EQ(LineOf(row.value), row.line) << row.what;
}

TEST(KeduValue, RepeatsShareTheirPositionsLineJoinedByOneBlank) {
    ComPtr<IKeduDokument> document = NewDocument(NewKedu().Get(), u"ZUSRCA");
    ComPtr<IKeduBlok> person = BlockOf(document.Get(), u"DDORCA");
    ASSERT_EQ(person->put_Item(7, 1, Variant::FromLong(1)), S_OK);
    ASSERT_EQ(person->put_Item(7, 2, Variant::FromLong(2)), S_OK);
    ASSERT_EQ(person->put_Item(8, 0, Variant::FromString(u"A")), S_OK);
    ASSERT_EQ(person->put_Item(8, 1, Variant::FromString(u"")), S_OK);
    ASSERT_EQ(person->put_Item(8, 2, Variant::FromBool(false)), S_OK);
    ASSERT_EQ(person->put_Item(8, 3, Money(10000)), S_OK);
    EXPECT_EQ(TextOf(document.Get()), "<ZUSRCA>\r\n<DDORCA>\r\n\r\n\r\n\r\n\r\n\r\n\r\n1 2\r\nA 1.00\r\n</DDORCA>\r\n</ZUSRCA>\r\n")
        << "empty values take no place among the words";
}

TEST(KeduValue, ValuesWithoutAPlaceOnALineAreRefusedNamingTheCell) {
    ComPtr<IKeduDokument> document = NewDocument(NewKedu().Get(), u"ZUSDRA");
    ComPtr<IKeduBlok> block = BlockOf(document.Get(), u"DIPL");
    ASSERT_EQ(block->put_Item(1, 0, Variant::FromString(u"przed")), S_OK);
    const struct {
        const char* what;
        Variant value;
    } rows[] = {
        {"CR", Variant::FromString(u"a\rb")},
        {"LF", Variant::FromString(u"a\nb")},
        {"CR LF", Variant::FromString(u"a\r\nb")},
        {"an opening tag", Variant::FromString(u"x<DIPL>")},
        {"a closing tag", Variant::FromString(u"</DIPL>")},
        {"a lower-case tag", Variant::FromString(u"<b>")},
        {"no number", Variant::FromDouble(std::numeric_limits<double>::quiet_NaN())},
        {"an infinity", Variant::FromDouble(std::numeric_limits<double>::infinity())},
        {"a date beyond the calendar", Variant::FromDate(1e9)},
        {"an error value", Variant::Missing()},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(block->put_Item(3, 0, row.value), E_INVALIDARG) << row.what;
        RaisedError raised = TakeRaised();
        EXPECT_EQ(raised.guid, IID_IKeduBlok) << row.what;
        EXPECT_NE(raised.description.find("bloku DIPL na pozycji 3"), std::string::npos)
            << row.what << ": " << raised.description;
    }
    EXPECT_EQ(TextOf(document.Get()), "<ZUSDRA>\r\n<DIPL>\r\nprzed\r\n</DIPL>\r\n</ZUSDRA>\r\n") << "nothing refused was kept";
}

}  // namespace
}  // namespace tlx::host::test
