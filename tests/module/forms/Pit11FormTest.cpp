// The PIT-11 forms of the module, versions 20 to 23: their definitions and the checks and value providers of
// the family's scripts, run against a property bag standing for the declaration. What they compute from an
// employee's payroll is checked end to end on the demo company (tests/e2e/Pit11ScriptTest.cpp).
#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <string>

#include "EmployerFormFixture.h"

namespace {

using formtest::Money;

// A version's numbering: versions 22 and 23 name a non-resident by his foreign number (positions 10 and 12 to
// 14), so their positions from the costs of earning on stand 4 above those of versions 20 and 21.
struct Version {
    LONG wersja;
    LONG od, doMiesiaca;
    LONG rok;  // a year of the version's validity
    bool foreign;
    int Shift() const { return foreign ? 0 : 4; }
    int Id() const { return foreign ? 11 : 10; }
    int Surname() const { return foreign ? 15 : 11; }
    // A position in the numbering of versions 22 and 23, in this version's.
    int At(int n) const { return n - Shift(); }
};

void PrintTo(const Version& v, std::ostream* os) { *os << "PIT-11(" << v.wersja << ")"; }

const Version kVersions[] = {
    {20, 201301, 201312, 2013, false},
    {21, 201401, 201412, 2014, false},
    {22, 201501, 201512, 2015, true},
    {23, 201601, 0, 2024, true},
};

class Pit11Form : public formtest::EmployerForm, public ::testing::WithParamInterface<Version> {
protected:
    const Version& v = GetParam();

    void SetUp() override {
        StartReturnFor2024(5, v.wersja);
        document->Set(u"Wersja", tlx::Variant::FromLong(v.wersja));
        document->Set(u"Rok", tlx::Variant::FromLong(v.rok));
        document->Set(u"Pracownik", tlx::Variant::FromDispatch(formtest::CPropertyBag::Make().Get()));
        // A worked information: Jan Kowalski's year of pay.
        Set(6, 1);
        Set(7, 1);
        if (v.foreign) Set(10, 1);
        Set(v.At(28), 1);
        Set(v.At(76), 2);
        document->Set(P(v.Id()), tlx::Variant::FromString(u"80010112340"));
        Enter({{v.At(29), 55992}, {v.At(30), 3000}, {v.At(31), 52992}, {v.At(33), 1836}, {v.At(70), 7676.52}});
    }
    void Set(int n, LONG value) { document->Set(P(n), tlx::Variant::FromLong(value)); }
};

TEST_P(Pit11Form, DefinitionCarriesEveryPositionOfItsVersion) {
    EXPECT_EQ(definition.Symbol(), u"PIT11");
    EXPECT_EQ(definition.DataObowiazywaniaOd(), v.od);
    EXPECT_EQ(definition.DataObowiazywaniaDo(), v.doMiesiaca);
    EXPECT_TRUE(definition.Autonumeracja()) << "numbered within its year";
    std::set<int> texts = {1, 5, 8};
    for (int n = v.Id(); n <= v.Surname() + 12; ++n) texts.insert(n);
    std::set<int> integers = {6, 7, v.At(28), v.At(76)};
    if (v.foreign) {
        integers.insert({10, 13});
        texts.erase(10);
        texts.erase(13);
    }
    ExpectPositions(v.At(76), {2, 3, 9}, texts, integers);
    // The attached PIT-R's fields: only the version that has them.
    for (int n = 12; n <= 60; ++n) {
        auto field = definition.FindFieldByName(u"PITR_P_" + tlx::Utf8ToUtf16(std::to_string(n)));
        ASSERT_EQ(bool(field), v.wersja == 23) << "PITR_P_" << n;
        if (!field) continue;
        EXPECT_EQ(field->Lp(), 2000 + n);
        EXPECT_EQ(field->Typ(), detCurrency);
    }
    ExpectEveryFieldReadsWhatIsWritten();
    EXPECT_EQ(tlx::Utf16ToUtf8(definition.GetEventExpression(u"transformata").View()), "'5/" + std::to_string(v.wersja) + "'");
}

TEST_P(Pit11Form, AWorkedInformationVerifiesAndNamesItsPersonAndDueDate) {
    EXPECT_EQ(Verify().first, S_OK) << Verify().second;
    document->Set(P(v.Surname()), tlx::Variant::FromString(u"Kowalski"));
    document->Set(P(v.Surname() + 1), tlx::Variant::FromString(u"Jan"));
    EXPECT_EQ(EvalText(definition.GetEventExpression(u"opis").View()),
              "PIT-11 za " + std::to_string(v.rok) + ": Kowalski Jan");
    EXPECT_EQ(EvalText(definition.GetEventExpression(u"kwota").View()), "0") << "an information pays nothing";
}

TEST_P(Pit11Form, VerificationRefusesWhatTheVersionDoesNotAllow) {
    using formtest::kCalculation;
    using formtest::kChanged;
    const std::string id = std::to_string(v.Id());
    const std::string symbol = "PIT-11(" + std::to_string(v.wersja) + ")";
    const std::string years = v.doMiesiaca ? "(rok " + std::to_string(v.rok) + ")." : "(od roku 2016).";
    const LONG before = v.od / 100 - 1;
    const formtest::Refusal rows[] = {
        {"no employee", [this] { document->Set(u"Pracownik", tlx::Variant()); }, kCalculation,
         "Poz. " + id + ": informacja PIT-11 nie ma wskazanego pracownika."},
        {"an employee without PESEL or NIP", [this] { document->Set(P(v.Id()), tlx::Variant::FromString(u"")); },
         kCalculation, "Poz. " + id + ": pracownik nie ma numeru PESEL ani NIP."},
        {"a year before the version", [&] { document->Set(u"Rok", tlx::Variant::FromLong(before)); }, kCalculation,
         "Poz. 4: rok " + std::to_string(before) + " jest poza okresem obowiązywania formularza " + symbol + " " + years},
        {"negative income of a contract", [this] { Enter({{v.At(49), -100}, {v.At(51), 0}}); }, kCalculation,
         "Poz. " + std::to_string(v.At(49)) + ": kwota nie może być ujemna."},
        {"an advance in grosze", [this] { Enter({{v.At(33), 1836.40}}); }, kCalculation,
         "Poz. " + std::to_string(v.At(33)) + ": kwotę wykazuje się w pełnych złotych, bez groszy."},
        {"income not less the costs", [this] { Enter({{v.At(31), 55992}}); }, kChanged,
         "Poz. " + std::to_string(v.At(31)) +
             ": dochód nie odpowiada przychodowi pomniejszonemu o koszty. Deklarację należy przeliczyć."},
        {"copyright income not less its costs", [this] { Enter({{v.At(57), 1000}, {v.At(61), 500}, {v.At(58), 1000}}); },
         kChanged,
         "Poz. " + std::to_string(v.At(58)) +
             ": dochód nie odpowiada przychodowi pomniejszonemu o koszty. Deklarację należy przeliczyć."},
        {"an attached PIT-R neither yes nor no", [this] { Set(v.At(76), 3); }, kCalculation,
         "Poz. " + std::to_string(v.At(76)) + ": dołączenie informacji PIT-R musi mieć wartość 1 (tak) albo 2 (nie)."},
        {"a purpose outside the form", [this] { Set(6, 3); }, kCalculation,
         "Poz. 6: cel złożenia musi mieć wartość 1 (złożenie) albo 2 (korekta)."},
    };
    ExpectRefusals(rows);
    if (v.doMiesiaca) {
        SetUp();
        document->Set(u"Rok", tlx::Variant::FromLong(v.rok + 1));
        EXPECT_EQ(Verify().second, "Poz. 4: rok " + std::to_string(v.rok + 1) +
                                       " jest poza okresem obowiązywania formularza " + symbol + " " + years);
    }
    if (!v.foreign) return;
    const formtest::Refusal foreign[] = {
        {"a foreign number without its country", [this] { document->Set(u"P_12", tlx::Variant::FromString(u"X-1")); },
         kCalculation, "Poz. 14: przy numerze zagranicznym podaje się kraj jego wydania."},
        {"a kind of tax liability outside the form", [this] { Set(10, 0); }, kCalculation,
         "Poz. 10: rodzaj obowiązku podatkowego musi mieć wartość 1 albo 2."},
    };
    ExpectRefusals(foreign);
}

INSTANTIATE_TEST_SUITE_P(Versions, Pit11Form, ::testing::ValuesIn(kVersions),
                         [](const ::testing::TestParamInfo<Version>& info) { return "v" + std::to_string(info.param.wersja); });

// The year's figures of the employer's forms: the monthly costs of earning of a month and the due date of the
// yearly information of a year.
class Pit11Figures : public formtest::EmployerForm {
protected:
    void SetUp() override { StartReturnFor2024(5, 23); }
};

TEST_F(Pit11Figures, TheMonthlyCostsOfEarningAndTheDueDateFollowTheYear) {
    const std::pair<const char16_t*, const char*> costs[] = {
        {u"PitKosztyMiesieczne(2013, 1)", "111.25"}, {u"PitKosztyMiesieczne(2019, 9)", "111.25"},
        {u"PitKosztyMiesieczne(2019, 10)", "250"}, {u"PitKosztyMiesieczne(2024, 12)", "250"}};
    for (const auto& [call, amount] : costs) EXPECT_EQ(EvalText(call), amount) << tlx::Utf16ToUtf8(call);
    // 31 January of the next year; for the years before 2018 the end of February; a day off moves it on.
    const std::pair<LONG, const char*> terms[] = {{2024, "2025-01-31"}, {2020, "2021-02-01"}, {2018, "2019-01-31"},
                                                  {2017, "2018-02-28"}, {2015, "2016-02-29"}, {2014, "2015-03-02"},
                                                  {2013, "2014-02-28"}};
    for (const auto& [year, day] : terms) {
        document->Set(u"Rok", tlx::Variant::FromLong(year));
        EXPECT_EQ(formtest::Day(Fire(u"termin")), day) << year;
    }
}

}  // namespace
