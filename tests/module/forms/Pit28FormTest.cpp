// The PIT-28(19) return on the lump sum and its attachment PIT/28B(14): the definitions, the worked example of
// revenue at two rates of his own and a partnership's share at a third, computed position by position, the
// deductions taken from the highest rate first, the due date of each period and the return's checks, run against
// a property bag standing for the declaration. The register's revenue and the attachments' actions on saved
// declarations are checked end to end (tests/e2e/Pit28ScriptTest.cpp).
#include <gtest/gtest.h>

#include <string>

#include "FormTestSupport.h"

namespace {

class Pit28Form : public formtest::FormFixture<ModuleResources> {
protected:
    void SetUp() override {
        StartReturnFor2024(20, 19);
        // His own services at 8.5 % and trade at 3 %, typed; half of a partnership's 80 000.00 at 12 % from its
        // PIT/28B; social contributions and half of the health contributions; the lump sum paid over the year.
        Eval(u"dokument.P_1 = '60090876549'; dokument.P_7 = 'Lewandowski'; dokument.P_8 = 'Tomasz'; dokument.P_6 = 1;"
             u"dokument.P_83 = 2; dokument.P_27 = 60123.45; dokument.P_29 = 150000; dokument.P_36 = 40000;"
             u"dokument.P_75 = 12000; dokument.P_76 = 4000.50; dokument.P_80 = 12000");
        Fire(u"oncalculate");
    }
    // Every amount of positions 20 to 82 that is not 0, as "n=amount".
    std::string NonZero() {
        std::string text;
        for (int n = 20; n <= 82; ++n) {
            double amount = Amount(n);
            if (amount == 0) continue;
            char line[48];
            std::snprintf(line, sizeof line, "%s%d=%.2f", text.empty() ? "" : " ", n, amount);
            text += line;
        }
        return text;
    }
};

TEST_F(Pit28Form, DefinitionsCarryTheReturnItsAttachmentAndTheirActions) {
    EXPECT_EQ(definition.Symbol(), u"PIT28");
    EXPECT_EQ(definition.GetEventExpression(u"transformata"), u"'20/19'");
    EXPECT_EQ(definition.FindFieldByName(u"LiczbaPIT28B")->Typ(), detInteger);
    for (const char16_t* action :
         {u"zsumujPolaBIT28B", u"poprawIloscZalacznikowNaZalacznikach28B", u"przeliczPoZamknieciuZalacznika",
          u"przeliczPoZmianiePodatnikow", u"wyczyscZalaczniki", u"weryfikuj", u"onZmianaPracownika"}) {
        EXPECT_FALSE(definition.GetEventExpression(action).IsEmpty()) << tlx::Utf16ToUtf8(action);
        tlx::Variant result;
        EXPECT_EQ(Evaluate(definition.GetEventExpression(action).View(), nullptr, result), S_OK)
            << tlx::Utf16ToUtf8(action) << ": " << tlx::Utf16ToUtf8(tlx::TakeErrorDescription());
    }

    CDefinicjaDeklaracji pit28b{ModuleResources()};
    ASSERT_EQ(ComBoundary([&] { pit28b.LoadFormDefinition(document.Get(), 26, 14, session.Get()); }), S_OK);
    EXPECT_EQ(pit28b.Symbol(), u"PIT28B");
    EXPECT_EQ(pit28b.GetEventExpression(u"transformata"), u"'26/14'");
    EXPECT_FALSE(pit28b.GetEventExpression(u"AktualizujPolaZNaglowka").IsEmpty());
    EXPECT_TRUE(pit28b.FindFieldByName(u"LiczbaPIT28B"));
}

TEST_F(Pit28Form, TheLumpSumOfEachRatePositionByPosition) {
    // 12 %: 40 000.00 less all 16 000.50 of deductions = 23 999.50, basis 24 000, 2 880.00;
    // 8.5 %: basis 60 123, 5 110.455 = 5 110.46; 3 %: 150 000, 4 500.00. Together 12 490.46, due 12 490, paid
    // 12 000, 490 to pay.
    EXPECT_EQ(NonZero(),
              "27=60123.45 29=150000.00 36=40000.00 47=16000.50 58=24000.00 60=60123.00 62=150000.00 69=2880.00 "
              "71=5110.46 73=4500.00 75=12000.00 76=4000.50 77=12490.46 79=12490.00 80=12000.00 81=490.00");
    EXPECT_EQ(Verify().first, S_OK) << Verify().second;
    EXPECT_EQ(EvalText(definition.GetEventExpression(u"kwota").View()), "490");
    EXPECT_EQ(EvalText(definition.GetEventExpression(u"opis").View()), "PIT-28 za 2024: Lewandowski Tomasz");

    // Deductions above the revenue at the highest rate go on to the next rate; above all revenue they stop there.
    Eval(u"dokument.P_75 = 50000");
    Fire(u"oncalculate");
    EXPECT_DOUBLE_EQ(Amount(47), 40000);
    EXPECT_DOUBLE_EQ(Amount(49), 14000.50) << "the rest from the 8.5 % revenue";
    EXPECT_DOUBLE_EQ(Amount(60), 46123);
    EXPECT_DOUBLE_EQ(Amount(58), 0);
    Eval(u"dokument.P_75 = 300000");
    Fire(u"oncalculate");
    EXPECT_DOUBLE_EQ(Amount(77), 0);
    EXPECT_DOUBLE_EQ(Amount(82), 12000) << "all paid is overpaid";
}

TEST_F(Pit28Form, TheDueDateOfEachPeriod) {
    const std::pair<int, const char*> rows[] = {
        {2018, "2019-1-31"},  // 31 January, a Thursday
        {2020, "2021-3-1"},   // the end of February, a Sunday: Monday
        {2024, "2025-4-30"},  // 30 April since the returns of 2022
    };
    for (const auto& [year, day] : rows) {
        document->Set(u"Rok", tlx::Variant::FromLong(year));
        EXPECT_EQ(EvalText(u"(function (d) { return d.getFullYear() + '-' + (d.getMonth() + 1) + '-' + d.getDate(); })(" +
                           std::u16string(definition.GetEventExpression(u"termin").View()) + u")"),
                  day)
            << year;
    }
}

TEST_F(Pit28Form, VerificationRefusesWhatTheReturnDoesNotAllow) {
    using formtest::kCalculation;
    using formtest::kChanged;
    const formtest::ScriptRefusal rows[] = {
        {"no identifier", u"dokument.P_1 = ''", kCalculation,
         "Poz. 1: identyfikator podatnika \"\" nie jest numerem PESEL (11 cyfr) ani NIP (10 cyfr)."},
        {"a negative revenue", u"dokument.P_27 = -1", kCalculation, "Poz. 27: kwota nie może być ujemna."},
        {"the health contribution from the lump sum after 2021", u"dokument.P_78 = 100", kCalculation,
         "Poz. 78: od 2022 r. składkę zdrowotną odlicza się od przychodu (poz. 76), nie od ryczałtu."},
        {"the health contribution from the revenue before 2022", u"dokument.Rok = 2021", kCalculation,
         "Poz. 76: przed 2022 r. składkę zdrowotną odlicza się od ryczałtu (poz. 78)."},
        {"a year before the form", u"dokument.Rok = 2015", kCalculation,
         "Poz. 4: rok 2015 jest poza okresem obowiązywania formularza PIT-28(19) (od roku 2016)."},
        {"a revenue changed after the calculation", u"dokument.P_29 = 150100", kChanged,
         "Poz. 62: kwota nie odpowiada pozycjom, z których powstaje. Deklarację należy przeliczyć."},
        {"an unknown source of revenue", u"dokument.P_83 = 3", kCalculation,
         "Poz. 83: przychody z działalności pochodzą z ewidencji przychodów (1) albo są wpisane (2)."},
    };
    ExpectRefusals(rows);
}

class Pit28bForm : public formtest::FormFixture<ModuleResources> {
protected:
    void SetUp() override {
        StartReturnFor2024(26, 14);
        Eval(u"dokument.P_8 = 37.5; dokument.P_31 = 2; dokument.P_14 = 80000; dokument.P_16 = 1000.01");
        Fire(u"oncalculate");
    }
};

TEST_F(Pit28bForm, TheTaxpayersShareOfEachRateAndTheRefusalOfAnAttachmentWithoutItsReturn) {
    EXPECT_EQ(EvalText(u"dokument.P_25"), "30000") << "37.5 % of 80 000.00 at 12 %";
    EXPECT_EQ(EvalText(u"dokument.P_27"), "375") << "37.5 % of 1 000.01 at 8.5 %: 375.00375";
    EXPECT_EQ(EvalText(u"dokument.P_20"), "0");
    auto [hr, message] = Verify();
    EXPECT_EQ(hr, static_cast<HRESULT>(0x800565F5));
    EXPECT_EQ(message, "Poz. 1: załącznik PIT/28B nie jest dołączony do zeznania.");
}

}  // namespace
