#include <gtest/gtest.h>

#include "platform/com/OleDate.h"
#include "platform/com/VarFormat.h"

namespace {

struct DateRow {
    int year, month, day, hour, minute, second;
    DATE date;
};

TEST(OleDate, CalendarAndDateNumbersMeetBothWays) {
    const DateRow rows[] = {
        {1899, 12, 30, 0, 0, 0, 0.0},
        {1899, 12, 30, 18, 0, 0, 0.75},
        {1899, 12, 29, 6, 0, 0, -1.25},       // before the epoch the fraction still counts forward
        {1899, 12, 28, 12, 0, 0, -2.5},
        {1900, 1, 1, 0, 0, 0, 2.0},
        {1900, 3, 1, 0, 0, 0, 61.0},          // 1900 is no leap year
        {1800, 1, 1, 0, 0, 0, -36522.0},
        {100, 1, 1, 0, 0, 0, -657434.0},
        {2000, 2, 29, 0, 0, 0, 36585.0},
        {2024, 3, 5, 12, 30, 0, 45356.0 + 12.5 / 24},
        {2100, 12, 31, 0, 0, 0, 73415.0},
        {2101, 3, 1, 0, 0, 0, 73475.0},
        {9999, 12, 31, 23, 59, 59, 2958465.0 + 86399.0 / 86400},
    };
    for (const DateRow& r : rows) {
        SCOPED_TRACE(std::to_string(r.year) + "-" + std::to_string(r.month) + "-" + std::to_string(r.day));
        SYSTEMTIME st{static_cast<WORD>(r.year), static_cast<WORD>(r.month), 0, static_cast<WORD>(r.day),
                      static_cast<WORD>(r.hour), static_cast<WORD>(r.minute), static_cast<WORD>(r.second), 0};
        DATE date = 0;
        ASSERT_TRUE(SystemTimeToVariantTime(&st, &date));
        EXPECT_NEAR(date, r.date, 1e-9);
        SYSTEMTIME back{};
        ASSERT_TRUE(VariantTimeToSystemTime(r.date, &back));
        EXPECT_EQ(back.wYear, r.year);
        EXPECT_EQ(back.wMonth, r.month);
        EXPECT_EQ(back.wDay, r.day);
        EXPECT_EQ(back.wHour, r.hour);
        EXPECT_EQ(back.wMinute, r.minute);
        EXPECT_EQ(back.wSecond, r.second);
    }
}

TEST(OleDate, RefusesWhatIsNoCalendarDate) {
    SYSTEMTIME st{2023, 2, 0, 29, 0, 0, 0, 0};
    DATE date = 0;
    EXPECT_FALSE(SystemTimeToVariantTime(&st, &date));
    st = SYSTEMTIME{99, 1, 0, 1, 0, 0, 0, 0};
    EXPECT_FALSE(SystemTimeToVariantTime(&st, &date));
    st = SYSTEMTIME{2023, 13, 0, 1, 0, 0, 0, 0};
    EXPECT_FALSE(SystemTimeToVariantTime(&st, &date));
    st = SYSTEMTIME{2023, 1, 0, 1, 24, 0, 0, 0};
    EXPECT_FALSE(SystemTimeToVariantTime(&st, &date));
    SYSTEMTIME out{};
    EXPECT_FALSE(VariantTimeToSystemTime(2958466.0, &out));
    EXPECT_FALSE(VariantTimeToSystemTime(-657435.0, &out));
}

TEST(OleDate, TimesRoundToTheSecondAndWeekdaysFollow) {
    SYSTEMTIME out{};
    ASSERT_TRUE(VariantTimeToSystemTime(45356.0 + 86399.6 / 86400, &out));
    EXPECT_EQ(out.wDay, 6) << "23:59:59.6 rounds into the next day";
    EXPECT_EQ(out.wHour, 0);
    ASSERT_TRUE(VariantTimeToSystemTime(45356.0, &out));
    EXPECT_EQ(out.wDayOfWeek, 2) << "2024-03-05 was a Tuesday";
    ASSERT_TRUE(VariantTimeToSystemTime(-1.0, &out));
    EXPECT_EQ(out.wDayOfWeek, 5) << "1899-12-29 was a Friday";
}

std::u16string Format(DATE date, const char16_t* pattern) {
    tlx::Variant value = tlx::Variant::FromDate(date);
    BSTR text = nullptr;
    EXPECT_EQ(VarFormat(&value, pattern, 1, 1, 0, &text), S_OK);
    std::u16string result(text ? text : u"");
    SysFreeString(text);
    return result;
}

TEST(VarFormat, WritesDatePatterns) {
    const DATE afternoon = 45356.0 + (14 * 3600 + 7 * 60 + 9) / 86400.0;
    EXPECT_EQ(Format(45356, u"YYYY-MM-DD"), u"2024-03-05");
    EXPECT_EQ(Format(45356, u"yyyy-mm-dd"), u"2024-03-05");
    EXPECT_EQ(Format(45356, u"DD-MM-YYYY"), u"05-03-2024");
    EXPECT_EQ(Format(45356, u"d.m.yy"), u"5.3.24");
    EXPECT_EQ(Format(afternoon, u"YYYY-MM-DD hh:nn:ss"), u"2024-03-05 14:07:09");
    EXPECT_EQ(Format(afternoon, u"hh:mm"), u"14:07") << "m after an hour is minutes";
    EXPECT_EQ(Format(afternoon, u"mm:ss"), u"07:09") << "m before seconds is minutes";
    EXPECT_EQ(Format(afternoon, u"h:nn AM/PM"), u"2:07 PM");
    EXPECT_EQ(Format(-36522, u"YYYY\\y \"rok\" MM"), u"1800y rok 01");
}

TEST(VarFormat, ConvertsTheValueFirstAndReportsFailures) {
    tlx::Variant text = tlx::Variant::FromString(u"05.03.2024");
    BSTR out = nullptr;
    ASSERT_EQ(VarFormat(&text, u"YYYY-MM-DD", 1, 1, 0, &out), S_OK);
    EXPECT_EQ(std::u16string_view(out), u"2024-03-05");
    SysFreeString(out);

    tlx::Variant word = tlx::Variant::FromString(u"jutro");
    EXPECT_EQ(VarFormat(&word, u"YYYY", 1, 1, 0, &out), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(out, nullptr);
    tlx::Variant null = tlx::Variant::Null();
    EXPECT_EQ(VarFormat(&null, u"YYYY", 1, 1, 0, &out), DISP_E_TYPEMISMATCH);
    tlx::Variant huge = tlx::Variant::FromDouble(1e9);
    EXPECT_EQ(VarFormat(&huge, u"YYYY", 1, 1, 0, &out), DISP_E_OVERFLOW);
}

}  // namespace
