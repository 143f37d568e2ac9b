// The VAT-7 family in each authored version: one library calculates every version from its numbering of
// the form's positions. The monthly case is the one of the current form's tests, typed into each version's
// positions and worked out by hand: whole złoty; the bases 129 501, the tax due 23 664, the input tax
// 1 250 + 4 600 + 9 855 - 120 - 230 = 15 355, of which 700 spent on cash registers is deducted from the
// 8 309 due, leaving 7 609 to pay. VAT-7(15) has no return of the cash-register refund among the tax due
// and no tax on fuels; VAT-7(16) adds the former; neither splits the bad-debt correction of the input tax.
// VAT-7(14) has neither the supplier's reverse charge nor the bad-debt row: the buyer's reverse charge
// stands in its positions 31 and 32, and the bad-debt correction goes with the correction of other purchases.
#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>
#include <map>
#include <string>
#include <vector>

#include "FormTestSupport.h"
#include "platform/com/OleDate.h"

namespace {

using formtest::Money;
using formtest::Text;

struct Version {
    LONG wersja;
    LONG od, doMiesiaca;  // validity, YYYYMM (0 = open)
    int lastAmount;       // amounts are P_10 to this position
    std::vector<int> boxes, choices;
    int count, phone, date;
    const char* transform;           // the transform expression
    const char* vat7d;               // the VAT-7D's transform
    std::map<std::string, int> at;   // where each row of the settlement stands in this version
};

const Version kVersions[] = {
    {14, 201304, 201506, 55, {56, 57, 58, 59}, {60, 61, 62, 63}, 64, 68, 69,
     "(dokument.Okres==1)?'1/14':(dokument.VAT7D==1)?'1/D05':'1K/8'", "1/D05",
     {{"bases", 35}, {"due", 36}, {"brought", 37}, {"fixedNet", 39}, {"fixed", 40}, {"otherNet", 41}, {"other", 42},
      {"correction", 44}, {"input", 45}, {"tills", 46}, {"waived", 47}, {"pay", 48}, {"tillsRefund", 49},
      {"surplus", 50}, {"refund", 51}, {"days25", 52}, {"days180", 54}, {"forward", 55}, {"transport", 34},
      {"vatzd", 63}, {"buyerNet", 31}, {"buyerTax", 32}}},
    {15, 201507, 201606, 58, {59, 60, 61, 62}, {63, 64, 65, 66}, 67, 71, 72, "(dokument.Okres==1)?'1/15':(dokument.VAT7D==1)?'1/D06':'1K/9'", "1/D06",
     {{"bases", 38}, {"due", 39}, {"brought", 40}, {"fixedNet", 41}, {"fixed", 42}, {"otherNet", 43}, {"other", 44},
      {"correction", 46}, {"badDebt", 47}, {"input", 48}, {"tills", 49}, {"waived", 50}, {"pay", 51},
      {"tillsRefund", 52}, {"surplus", 53}, {"refund", 54}, {"days25", 55}, {"days180", 57}, {"forward", 58},
      {"transport", 37}, {"vatzd", 66}}},
    {16, 201601, 201607, 59, {60, 61, 62, 63}, {64, 65, 66, 67}, 68, 72, 73, "(dokument.Okres==1)?'1/16':(dokument.VAT7D==1)?'1/D07':'1K/10'", "1/D07",
     {{"bases", 39}, {"due", 40}, {"brought", 41}, {"fixedNet", 42}, {"fixed", 43}, {"otherNet", 44}, {"other", 45},
      {"correction", 47}, {"badDebt", 48}, {"input", 49}, {"tills", 50}, {"waived", 51}, {"pay", 52},
      {"tillsRefund", 53}, {"surplus", 54}, {"refund", 55}, {"days25", 56}, {"days180", 58}, {"forward", 59},
      {"transport", 38}, {"vatzd", 67}}},
    {17, 201608, 0, 61, {62, 63, 64, 65}, {66, 67, 68}, 69, 73, 74,
     "(dokument.Okres==1)?'1/17':(dokument.VAT7D==1)?'1/D08':'1K/11'", "1/D08",
     {{"bases", 40}, {"due", 41}, {"brought", 42}, {"fixedNet", 43}, {"fixed", 44}, {"otherNet", 45}, {"other", 46},
      {"correction", 48}, {"badDebt", 49}, {"input", 51}, {"tills", 52}, {"waived", 53}, {"pay", 54},
      {"tillsRefund", 55}, {"surplus", 56}, {"refund", 57}, {"days25", 58}, {"days180", 60}, {"forward", 61},
      {"transport", 38}, {"vatzd", 68}}},
};

void PrintTo(const Version& v, std::ostream* out) { *out << "VAT-7(" << v.wersja << ")"; }

std::u16string Pos(int n) { return u"P_" + tlx::Utf8ToUtf16(std::to_string(n)); }

class Vat7Version : public formtest::FormFixture<ModuleResources> {
protected:
    // The version's definition loaded once; each start gives a new declaration of the period.
    void Start(const Version& v, LONG rok, LONG miesiac) {
        if (definition.FieldCount() == 0) Load(1, v.wersja);
        SetNewDeclarationValues();
        document->Set(Pos(v.date), tlx::Variant::FromDate(0));  // an empty date, as a declaration reads it
        RunOnUpdateAfterEachWrite();
        document->Set(u"Okres", tlx::Variant::FromLong(1));
        document->Set(u"P_7", tlx::Variant::FromLong(1));
        document->Set(u"P_8", tlx::Variant::FromLong(1));
        document->Set(u"Rok", tlx::Variant::FromLong(rok));
        document->Set(u"Miesiac", tlx::Variant::FromLong(miesiac));
    }
    // The declaration's amount to pay, as the script gives it.
    std::string Kwota() { return EvalText(definition.GetEventExpression(u"kwota").View()); }
    void Enter(int n, double amount) { document->Set(Pos(n), Money(amount)); }
    // The month with tax to pay, typed into the version's positions.
    void EnterMonth(const Version& v) {
        const std::pair<int, double> sales[] = {
            {10, 1200}, {11, 5000}, {12, 3000}, {15, 2000.40}, {16, 100.02}, {17, 10500.49}, {18, 840.04},
            {19, 85300.50}, {20, 19619.12}, {21, 12000}, {23, 4000}, {24, 920}, {27, 1500}, {28, 345},
            {29, 2000}, {30, 460}};
        for (auto [n, amount] : sales) Enter(n, amount);
        // The buyer's reverse charge: positions 34 and 35 from the VAT-7(15) on.
        Enter(v.at.count("buyerNet") ? v.at.at("buyerNet") : 34, 6000);
        Enter(v.at.count("buyerTax") ? v.at.at("buyerTax") : 35, 1380);
        Enter(v.at.at("brought"), 1250);
        Enter(v.at.at("fixedNet"), 20000);
        Enter(v.at.at("fixed"), 4600);
        Enter(v.at.at("otherNet"), 45000);
        Enter(v.at.at("other"), 9855.49);
        // A version without a row of its own for the bad-debt correction takes it with the other corrections.
        if (v.at.count("badDebt")) {
            Enter(v.at.at("correction"), -120);
            Enter(v.at.at("badDebt"), -230);
        } else {
            Enter(v.at.at("correction"), -350);
        }
        Enter(v.at.at("tills"), 700);
    }
};

class Vat7Versions : public Vat7Version, public ::testing::WithParamInterface<Version> {};

INSTANTIATE_TEST_SUITE_P(Authored, Vat7Versions, ::testing::ValuesIn(kVersions),
                         [](const auto& info) { return "VAT7_" + std::to_string(info.param.wersja); });

TEST_P(Vat7Versions, LoadsWithItsPositionsAndPeriod) {
    const Version& v = GetParam();
    {
        Start(v, v.od / 100, v.od % 100);
        EXPECT_EQ(definition.Symbol(), u"VAT7");
        EXPECT_EQ(definition.DataObowiazywaniaOd(), v.od);
        EXPECT_EQ(definition.DataObowiazywaniaDo(), v.doMiesiaca);
        EXPECT_EQ(tlx::Utf16ToUtf8(definition.GetEventExpression(u"transformata").View()), v.transform);
        for (int n = 10; n <= 80; ++n) {
            auto field = definition.FindFieldByName(Pos(n));
            bool box = std::count(v.boxes.begin(), v.boxes.end(), n) > 0;
            bool choice = std::count(v.choices.begin(), v.choices.end(), n) > 0;
            bool exists = n <= v.lastAmount || box || choice || n == v.count || n == v.phone || n == v.date;
            ASSERT_EQ(field != nullptr, exists) << "P_" << n;
            if (!field) continue;
            EXPECT_EQ(field->Lp(), n) << "P_" << n;
            EXPECT_FALSE(field->Opis().IsEmpty()) << "P_" << n;
            DekElementTypEnum kind = n <= v.lastAmount ? detCurrency : n == v.phone ? detText : n == v.date ? detDate
                                                                                                        : detInteger;
            EXPECT_EQ(field->Typ(), kind) << "P_" << n;
        }
        for (const char16_t* name : {u"VAT7D", u"Zaliczki", u"NadplataZaliczona", u"DoZaplaty", u"Nadplata",
                                     u"ZaliczenieNadplaty", u"KwotaZaliczenia", u"WniosekOZaliczenie"})
            EXPECT_TRUE(definition.FindFieldByName(name)) << tlx::Utf16ToUtf8(name);
    }
}

TEST_P(Vat7Versions, TheSameMonthGivesTheSameSettlement) {
    const Version& v = GetParam();
    {
        Start(v, v.od / 100, 3 + v.od % 100);
        EnterMonth(v);
        Fire(u"oncalculate");
        EXPECT_EQ(Amount(19), 85301);
        EXPECT_EQ(Amount(v.at.at("other")), 9855);
        EXPECT_EQ(Amount(v.at.at("bases")), 129501);
        EXPECT_EQ(Amount(v.at.at("due")), 23664);
        EXPECT_EQ(Amount(v.at.at("input")), 15355);
        EXPECT_EQ(Amount(v.at.at("tills")), 700);
        EXPECT_EQ(Amount(v.at.at("pay")), 7609);
        EXPECT_EQ(Amount(v.at.at("surplus")), 0);
        EXPECT_EQ(Verify().second, "");
        EXPECT_EQ(Kwota(), "7609");
        // A sale typed afterwards moves the sums at once.
        Eval(u"dokument.P_19 = 100000; dokument.P_20 = 23000");
        EXPECT_EQ(Amount(v.at.at("bases")), 144200);
        EXPECT_EQ(Amount(v.at.at("pay")), 10990);
    }
}

// Every version always gives the date the declaration was filled in: the calculation puts the day it
// runs there unless a date was typed.
TEST_P(Vat7Versions, TheFillingDateIsTheDayOfCalculationUnlessTyped) {
    const Version& v = GetParam();
    auto day = [&] {
        tlx::Variant value = document->Get(Pos(v.date));
        auto calendar = value.vt == VT_DATE ? tlx::CalendarFromDate(value.date) : std::nullopt;
        return calendar ? std::tuple(calendar->year, calendar->month, calendar->day, calendar->hour)
                        : std::tuple(0, 0, 0, 0);
    };
    const std::time_t now = std::time(nullptr);
    std::tm today{};
    localtime_r(&now, &today);
    Start(v, v.od / 100, v.od % 100);
    Fire(u"oncalculate");
    EXPECT_EQ(day(), std::tuple(today.tm_year + 1900, today.tm_mon + 1, today.tm_mday, 0));
    EXPECT_EQ(Verify().second, "");

    Start(v, v.od / 100, v.od % 100);
    document->Set(Pos(v.date), tlx::Variant::FromDate(*tlx::DateFromCalendar({2015, 8, 3})));
    Fire(u"oncalculate");
    EXPECT_EQ(day(), std::tuple(2015, 8, 3, 0)) << "a typed date stays";
}

// A surplus refunded in 25 days and carried forward, and the checks that name the version's own positions.
TEST_P(Vat7Versions, RefundsAndRefusalsFollowTheVersionsNumbering) {
    const Version& v = GetParam();
    {
        auto at = [&](const char* row) { return v.at.at(row); };
        auto number = [&](const char* row) { return std::to_string(at(row)); };
        Start(v, v.od / 100, v.od % 100);
        Enter(19, 21739.49);
        Enter(20, 5000);
        Enter(at("other"), 12300);
        Enter(at("tills"), 400);
        Enter(at("refund"), 3000);
        Enter(at("days25"), 3000);
        Fire(u"oncalculate");
        EXPECT_EQ(Amount(at("pay")), 0);
        EXPECT_EQ(Amount(at("tills")), 0) << "nothing due to deduct the registers from";
        EXPECT_EQ(Amount(at("tillsRefund")), 400);
        EXPECT_EQ(Amount(at("surplus")), 7700);
        EXPECT_EQ(Amount(at("forward")), 4700);
        EXPECT_EQ(Verify().second, "");

        Enter(at("days180"), 100);
        EXPECT_EQ(Verify().second, "Kwoty zwrotu w terminach 25, 60 i 180 dni (poz. " + number("days25") + "-" +
                                       number("days180") + ") muszą dawać razem kwotę zwrotu z poz. " +
                                       number("refund") + ".");
        Enter(at("days180"), 0);
        Enter(at("refund"), 8000);
        Enter(at("days25"), 8000);
        Fire(u"oncalculate");
        EXPECT_EQ(Verify().second, "Kwota w poz. " + number("refund") + " nie może być większa niż kwota w poz. " +
                                       number("surplus") + ".");
        Start(v, v.od / 100, v.od % 100);
        Enter(24, 100);
        Enter(at("transport"), 150);
        Fire(u"oncalculate");
        EXPECT_EQ(Verify().second, "Kwota w poz. " + number("transport") + " nie może być większa niż kwota w poz. 24.");
        Start(v, v.od / 100, v.od % 100);
        document->Set(Pos(v.count), tlx::Variant::FromLong(1));
        Fire(u"oncalculate");
        EXPECT_EQ(Verify().second, "Liczbę zawiadomień VAT-ZD (poz. " + std::to_string(v.count) +
                                       ") podaje się tylko przy ich dołączeniu (poz. " + number("vatzd") + ").");
        document->Set(Pos(at("vatzd")), tlx::Variant::FromLong(1));
        EXPECT_EQ(Verify().second, "");
        EXPECT_EQ(EvalText(definition.FindFieldByName(u"ZawiadomienieOSkorygowaniu")->OnGet().View()), "1");
        EXPECT_EQ(EvalText(definition.FindFieldByName(u"LiczbaZalacznikowVATZD")->OnGet().View()), "1");
    }
}

// A quarter with advances paid: the VAT-7D settles the tax to pay against them; an overpayment may be
// credited to later liabilities, never more of it than there is.
TEST_P(Vat7Versions, AVat7DSettlesTheQuartersAdvances) {
    const Version& v = GetParam();
    const int quarter = (v.od % 100 + 2) / 3;  // the first quarter the version serves, stored as its last month
    Start(v, v.od / 100, quarter * 3);
    document->Set(u"Okres", tlx::Variant::FromLong(2));
    document->Set(u"VAT7D", tlx::Variant::FromLong(1));
    EnterMonth(v);
    document->Set(u"Zaliczki", Money(5000.40));
    document->Set(u"NadplataZaliczona", Money(609));
    Fire(u"oncalculate");
    EXPECT_EQ(Amount(v.at.at("pay")), 7609);
    EXPECT_EQ(document->Amount(u"Zaliczki"), 5000);
    EXPECT_EQ(document->Amount(u"DoZaplaty"), 2000) << "7609 less 5000 and 609";
    EXPECT_EQ(document->Amount(u"Nadplata"), 0);
    EXPECT_EQ(Kwota(), "2000");
    EXPECT_EQ(Text(Fire(u"transformata")), v.vat7d);
    EXPECT_EQ(Text(Fire(u"opis")), "VAT-7D za " + std::to_string(quarter) + " kwartał " +
                                       std::to_string(v.od / 100));
    EXPECT_EQ(Verify().second, "");

    document->Set(u"Zaliczki", Money(9000));
    Fire(u"oncalculate");
    EXPECT_EQ(document->Amount(u"DoZaplaty"), 0);
    EXPECT_EQ(document->Amount(u"Nadplata"), 2000) << "9000 and 609 less 7609";
    document->Set(u"ZaliczenieNadplaty", tlx::Variant::FromLong(1));
    document->Set(u"KwotaZaliczenia", Money(2500));
    EXPECT_EQ(Verify().second,
              "Kwota nadpłaty do zaliczenia (pole KwotaZaliczenia) musi mieścić się w nadpłacie (pole Nadplata).");
    document->Set(u"KwotaZaliczenia", Money(2000));
    EXPECT_EQ(Verify().second, "");
    document->Set(u"ZaliczenieNadplaty", tlx::Variant::FromLong(2));
    EXPECT_EQ(Verify().second, "Kwotę nadpłaty do zaliczenia (pole KwotaZaliczenia) podaje się tylko przy zaliczeniu "
                               "nadpłaty (pole ZaliczenieNadplaty).");
    document->Set(u"Nadplata", Money(1500));
    EXPECT_EQ(Verify().second, "Kwota w polu Nadplata nie odpowiada wyliczeniu. Deklarację należy przeliczyć.");
    // Filed monthly, the same declaration pays its whole tax: the advances are the VAT-7D's.
    document->Set(u"Okres", tlx::Variant::FromLong(1));
    EXPECT_EQ(Kwota(), "7609");
}

// The quarterly form of an earlier version is its VAT-7K: described, due and transformed as such.
TEST_F(Vat7Version, AQuarterOf2016IsAVat7K10) {
    Start(kVersions[2], 2016, 3);
    document->Set(u"Okres", tlx::Variant::FromLong(2));
    EXPECT_EQ(Text(Fire(u"opis")), "VAT-7K za 1 kwartał 2016");
    EXPECT_EQ(Text(Fire(u"transformata")), "1K/10");
    tlx::Variant termin = Fire(u"termin");
    ASSERT_EQ(termin.vt, VT_DATE);
    auto day = tlx::CalendarFromDate(termin.date);
    ASSERT_TRUE(day);
    EXPECT_EQ(std::tuple(day->year, day->month, day->day), std::tuple(2016, 4, 25));
}

TEST_F(Vat7Version, AQuarterOf2015IsAVat7K9) {
    Start(kVersions[1], 2015, 9);
    document->Set(u"Okres", tlx::Variant::FromLong(2));
    EXPECT_EQ(Text(Fire(u"opis")), "VAT-7K za 3 kwartał 2015");
    EXPECT_EQ(Text(Fire(u"transformata")), "1K/9");
    tlx::Variant termin = Fire(u"termin");
    ASSERT_EQ(termin.vt, VT_DATE);
    auto day = tlx::CalendarFromDate(termin.date);
    ASSERT_TRUE(day);
    EXPECT_EQ(std::tuple(day->year, day->month, day->day), std::tuple(2015, 10, 26)) << "the 25th is a Sunday";
    document->Set(u"Okres", tlx::Variant::FromLong(1));
    EXPECT_EQ(Text(Fire(u"transformata")), "1/15");
}

}  // namespace
