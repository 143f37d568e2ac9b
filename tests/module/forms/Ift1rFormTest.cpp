// The IFT-1/IFT-1R (13) forms of the module, the yearly IFT-1R (type 24) and the IFT-1 made at the
// taxpayer's request (type 10), on one library: their definitions in the variant's numbering, the rows of
// part D with the tax withheld, the period of each kind, the checks and the value providers, run against a
// property bag standing for the declaration. The taxpayer and the contracts' row filled from the payroll,
// and the documents, are checked end to end on the demo company (tests/e2e/EmployeeInformationScriptTest.cpp).
#include <gtest/gtest.h>

#include <string>

#include "EmployerFormFixture.h"

namespace {

using formtest::Money;

struct Kind {
    LONG typ;
    const char16_t* symbol;  // the definition's
    const char* name;        // as the form names itself
    bool yearly;
};
const Kind kYearly{24, u"IFT1R", "IFT-1R", true};
const Kind kOnRequest{10, u"IFT1", "IFT-1", false};

class IftForm : public formtest::EmployerForm, public ::testing::WithParamInterface<Kind> {
protected:
    void SetUp() override {
        StartReturnFor2024(GetParam().typ, 13);
        document->Set(u"Pracownik", tlx::Variant::FromDispatch(formtest::CPropertyBag::Make().Get()));
        const std::pair<const char16_t*, const char16_t*> texts[] = {
            {u"P_4", u"2024-01-01"}, {u"P_5", u"2024-12-31"}, {u"P_20", u"Smith"},      {u"P_21", u"John"},
            {u"P_24", u"1975-10-10"}, {u"P_25", u"Leeds"},    {u"P_26", u"GB123456789"}, {u"P_28", u"GB"},
            {u"P_29", u"GB"},         {u"P_30", u"London"},   {u"P_75", u"2024-06-03"},  {u"P_76", u"2025-01-20"}};
        for (const auto& [name, value] : texts)
            if (definition.FindFieldByName(name)) document->Set(name, tlx::Variant::FromString(value));
        document->Set(u"P_7", tlx::Variant::FromLong(1));
        document->Set(u"P_8", tlx::Variant::FromLong(1));
        document->Set(u"P_27", tlx::Variant::FromLong(3));
        // A worked information: a British author paid 10 000.40 of royalties under the treaty (row D.4) at
        // 20 % (2 000.08 withheld, shown as 2 000), and 12 000.00 under contracts without one (row D.10) at
        // 20 % (2 400).
        Enter({{48, 10000.40}, {49, 20}, {50, 2000.08}, {72, 12000}, {73, 20}, {74, 2400}});
    }
    void SetPeriod() { Eval(u"IftUstawOkres(IftRodzaj('" + tlx::Utf8ToUtf16(GetParam().name) + u"'))"); }
};

TEST_P(IftForm, DefinitionCarriesTheVariantsPositionsInItsNumbering) {
    const Kind& kind = GetParam();
    EXPECT_EQ(definition.Symbol(), kind.symbol);
    EXPECT_EQ(definition.DataObowiazywaniaOd(), 201601);
    EXPECT_EQ(definition.DataObowiazywaniaDo(), 0);
    EXPECT_TRUE(definition.Autonumeracja());
    for (int n = 1; n <= 80; ++n) {
        auto field = definition.FindFieldByName(P(n));
        const bool present = (n == 1 || (n >= 4 && n <= 74) || n == 76 || (n == 75 && !kind.yearly));
        ASSERT_EQ(static_cast<bool>(field), present) << "P_" << n;
        if (!present) continue;
        EXPECT_EQ(field->Lp(), n);
        EXPECT_FALSE(field->Opis().IsEmpty()) << "P_" << n;
        const auto expected = n >= 35 && n <= 74 ? detCurrency : (n == 7 || n == 8 || n == 27) ? detInteger : detText;
        EXPECT_EQ(field->Typ(), expected) << "P_" << n;
    }
    EXPECT_TRUE(definition.FindFieldByName(u"P_26")->Required()) << "the foreign number is what the form is about";
    ExpectEveryFieldReadsWhatIsWritten();
    EXPECT_EQ(definition.GetEventExpression(u"transformata"), kind.yearly ? u"'24/13'" : u"'10/13'");
}

TEST_P(IftForm, AWorkedInformationRoundsItsRowsAndPassesTheChecks) {
    Eval(u"IftOblicz()");
    EXPECT_DOUBLE_EQ(Amount(48), 10000.40);
    EXPECT_DOUBLE_EQ(Amount(50), 2000) << "the tax withheld in whole złoty";
    EXPECT_DOUBLE_EQ(Amount(74), 2400);
    EXPECT_EQ(Verify().first, S_OK) << Verify().second;
    EXPECT_EQ(EvalText(definition.GetEventExpression(u"kwota").View()), "0");
    EXPECT_EQ(EvalText(definition.GetEventExpression(u"opis").View()), std::string(GetParam().name) + " za 2024: Smith John");
}

TEST_P(IftForm, EachKindHasItsPeriodAndItsDueDate) {
    document->Set(u"Miesiac", tlx::Variant::FromLong(6));
    document->Set(u"P_4", tlx::Variant::FromString(u""));
    document->Set(u"P_5", tlx::Variant::FromString(u"2024-05-15"));
    SetPeriod();
    if (GetParam().yearly) {
        EXPECT_EQ(EvalText(u"dokument.P_4 + '/' + dokument.P_5 + '/' + dokument.Miesiac"), "2024-01-01/2024-12-31/12");
        const std::pair<LONG, const char*> terms[] = {{2024, "2025-02-28"}, {2019, "2020-03-02"}};
        for (const auto& [year, day] : terms) {
            document->Set(u"Rok", tlx::Variant::FromLong(year));
            EXPECT_EQ(formtest::Day(Fire(u"termin")), day) << year;
        }
        return;
    }
    EXPECT_EQ(EvalText(u"dokument.P_4 + '/' + dokument.P_5"), "2024-01-01/2024-05-15") << "the typed end stays";
    document->Set(u"P_5", tlx::Variant::FromString(u""));
    SetPeriod();
    EXPECT_EQ(EvalText(u"dokument.P_5"), "2024-06-30") << "to the end of the declaration's month";
    // Fourteen days from the request, on a working day.
    const std::pair<const char16_t*, const char*> terms[] = {{u"2024-06-03", "2024-06-17"}, {u"2024-07-20", "2024-08-05"}};
    for (const auto& [request, day] : terms) {
        document->Set(u"P_75", tlx::Variant::FromString(request));
        EXPECT_EQ(formtest::Day(Fire(u"termin")), day) << tlx::Utf16ToUtf8(request);
    }
    document->Set(u"P_75", tlx::Variant::FromString(u""));
    EXPECT_EQ(Fire(u"termin").vt, VT_NULL) << "no request, no due date";
}

TEST_P(IftForm, VerificationRefusesWhatTheFormDoesNotAllow) {
    using formtest::kCalculation;
    const std::string name = GetParam().name;
    auto text = [this](const char16_t* field, const char16_t* value) {
        return [this, field, value] { document->Set(field, tlx::Variant::FromString(value)); };
    };
    const formtest::Refusal rows[] = {
        {"no employee", [this] { document->Set(u"Pracownik", tlx::Variant()); }, kCalculation,
         "Poz. 26: informacja " + name + " nie ma wskazanego podatnika."},
        {"a resident without a foreign number", text(u"P_26", u""), kCalculation,
         "Poz. 26: podatnik nie ma zagranicznego numeru identyfikacyjnego; informację " + name +
             " sporządza się dla osoby niemającej w Polsce miejsca zamieszkania."},
        {"no country of the number", text(u"P_28", u""), kCalculation,
         "Poz. 28: przy numerze zagranicznym podaje się kraj jego wydania."},
        {"no place of birth", text(u"P_25", u""), kCalculation, "Poz. 25: podaje się miejsce urodzenia podatnika."},
        {"an address in Poland", text(u"P_29", u"PL"), kCalculation,
         "Poz. 29: podaje się adres zamieszkania podatnika za granicą, z kodem kraju innego niż Polska."},
        {"a period of another year", text(u"P_4", u"2023-12-01"), kCalculation,
         "Poz. 5: okres informacji musi mieścić się w roku 2024 i kończyć się nie wcześniej, niż się zaczyna."},
        {"a period that is no date", text(u"P_5", u"2024-02-30"), kCalculation,
         "Poz. 5: koniec okresu informacji musi być datą RRRR-MM-DD."},
        {"a year before the form", [this] { document->Set(u"Rok", tlx::Variant::FromLong(2015)); }, kCalculation,
         "Poz. 4: rok 2015 jest poza okresem obowiązywania formularza " + name + "(13) (od roku 2016)."},
        {"negative income", [this] { Enter({{36, -10}}); }, kCalculation, "Poz. 36: kwota nie może być ujemna."},
        {"tax in grosze", [this] { Enter({{74, 2400.50}}); }, kCalculation,
         "Poz. 74: kwotę wykazuje się w pełnych złotych, bez groszy."},
        {"a rate above 100 %", [this] { Enter({{49, 120}}); }, kCalculation,
         "Poz. 49: stawka podatku musi mieć wartość od 0 do 100 %."},
        {"tax above the taxable income", [this] { Enter({{74, 13000}}); }, kCalculation,
         "Poz. 74: podatek pobrany nie może przewyższać dochodu podlegającego opodatkowaniu."},
        {"no date of passing it on", text(u"P_76", u""), kCalculation,
         "Poz. 76: podaje się datę przekazania informacji podatnikowi (RRRR-MM-DD)."},
    };
    ExpectRefusals(rows, [&] { Eval(u"IftOblicz()"); });
    if (GetParam().yearly) return;
    SetUp();
    Eval(u"IftOblicz()");
    document->Set(u"P_75", tlx::Variant::FromString(u""));
    EXPECT_EQ(Verify().second, "Poz. 75: informację IFT-1 sporządza się na wniosek podatnika: podaje się datę złożenia "
                               "wniosku (RRRR-MM-DD).");
}

INSTANTIATE_TEST_SUITE_P(Kinds, IftForm, ::testing::Values(kYearly, kOnRequest),
                         [](const auto& info) { return std::string(info.param.yearly ? "Yearly" : "OnRequest"); });

}  // namespace
