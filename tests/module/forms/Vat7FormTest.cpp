// The VAT-7(17) form of the module (with its VAT-7K and VAT-7D variants), calculated by its own scripts
// against a property bag standing for the declaration. The expected amounts are worked out by hand from
// the form's rules: amounts in whole złoty; poz. 40 the sum of the bases 10, 11, 13, 15, 17, 19, 21, 22,
// 23, 25, 27, 29, 31, 32, 34; poz. 41 the taxes 16, 18, 20, 24, 26, 28, 30, 33, 35, 36, 37 less 38 and
// 39; poz. 51 the input tax 42, 44, 46 to 50; poz. 54 what is left to pay after the cash-register
// deduction (52) and the waived tax (53); poz. 56 the surplus with the cash-register refund (55); poz. 61
// the surplus carried forward after the refund asked for in poz. 57, which poz. 58 to 60 split by term.
#include <gtest/gtest.h>

#include <initializer_list>
#include <set>

#include "FormTestSupport.h"
#include "platform/com/OleDate.h"

namespace {

using formtest::Money;
using formtest::Text;

class Vat7Form : public formtest::FormFixture<ModuleResources> {
protected:
    void SetUp() override {
        Load(1, 17);
        SetNewDeclarationValues();
        Set(u"Okres", 1);
        Set(u"P_7", 1);
        Set(u"P_8", 1);
        document->Set(u"Rok", tlx::Variant::FromLong(2017));
        document->Set(u"Miesiac", tlx::Variant::FromLong(5));
        document->Set(u"P_74", tlx::Variant::FromDate(0));  // the filling date left empty, as a declaration reads it
        RunOnUpdateAfterEachWrite();
    }
    void Set(const char16_t* name, LONG value) { document->Set(name, tlx::Variant::FromLong(value)); }
    // Amounts as the user typed them (stored directly, no onupdate).
    void Enter(std::initializer_list<std::pair<const char16_t*, double>> amounts) {
        for (const auto& [name, amount] : amounts) document->Set(name, Money(amount));
    }
    double Amount(const char16_t* name) { return document->Amount(name); }
    // The failure of the named expression `name`: its HRESULT and description.
    std::pair<HRESULT, std::string> FireFailure(const char16_t* name) {
        tlx::Variant result;
        HRESULT hr = Evaluate(definition.GetEventExpression(name).View(), nullptr, result);
        return {hr, FAILED(hr) ? tlx::Utf16ToUtf8(tlx::TakeErrorDescription()) : ""};
    }
    // A month with tax to pay: every kind of sale, imports, an intra-Community acquisition, the
    // construction reverse charge, a surplus brought forward, corrections and a cash-register deduction.
    void EnterMonthWithTaxToPay() {
        Enter({{u"P_10", 1200}, {u"P_11", 5000}, {u"P_12", 3000}, {u"P_15", 2000.40}, {u"P_16", 100.02},
               {u"P_17", 10500.49}, {u"P_18", 840.04}, {u"P_19", 85300.50}, {u"P_20", 19619.12},
               {u"P_21", 12000}, {u"P_23", 4000}, {u"P_24", 920}, {u"P_27", 1500}, {u"P_28", 345},
               {u"P_29", 2000}, {u"P_30", 460}, {u"P_34", 6000}, {u"P_35", 1380}, {u"P_42", 1250},
               {u"P_43", 20000}, {u"P_44", 4600}, {u"P_45", 45000}, {u"P_46", 9855.49}, {u"P_48", -120},
               {u"P_49", -230}, {u"P_52", 700}});
    }
    // The date a value provider answered, as year, month and day.
    static std::tuple<int, int, int> DayOf(const tlx::Variant& value) {
        if (value.vt != VT_DATE) return {0, 0, 0};
        auto calendar = tlx::CalendarFromDate(value.date);
        return calendar ? std::tuple{calendar->year, calendar->month, calendar->day} : std::tuple{0, 0, 0};
    }
};

TEST_F(Vat7Form, DefinitionCarriesEveryPositionOfTheForm) {
    EXPECT_EQ(definition.Symbol(), u"VAT7");
    EXPECT_EQ(definition.DataObowiazywaniaOd(), 201608);
    EXPECT_EQ(definition.DataObowiazywaniaDo(), 0);
    EXPECT_TRUE(definition.Autonumeracja());
    const std::set<int> integers = {4, 5, 7, 8, 62, 63, 64, 65, 66, 67, 68, 69};
    const std::set<int> texts = {1, 6, 9, 73};
    for (int n : {1, 4, 5, 6, 7, 8, 9}) EXPECT_TRUE(definition.FindFieldByName(u"P_" + tlx::Utf8ToUtf16(std::to_string(n))));
    for (int n = 10; n <= 75; ++n) {
        std::u16string name = u"P_" + tlx::Utf8ToUtf16(std::to_string(n));
        auto field = definition.FindFieldByName(name);
        if (n >= 70 && n != 73 && n != 74) {
            EXPECT_FALSE(field) << "the form has no position " << n;
            continue;
        }
        ASSERT_TRUE(field) << "P_" << n;
        EXPECT_EQ(field->Lp(), n) << "P_" << n;
        EXPECT_EQ(field->Lpw(), n) << "P_" << n;
        EXPECT_FALSE(field->Opis().IsEmpty()) << "P_" << n;
        DekElementTypEnum kind = integers.count(n) ? detInteger : texts.count(n) ? detText
                                 : n == 74               ? detDate
                                                         : detCurrency;
        EXPECT_EQ(field->Typ(), kind) << "P_" << n;
    }
    for (const char16_t* name : {u"PelnaNazwa", u"REGON", u"ImiePierwsze", u"Nazwisko", u"DataUrodzenia"})
        EXPECT_EQ(definition.FindFieldByName(name)->Typ(), detText) << tlx::Utf16ToUtf8(name);
    for (const char16_t* name : {u"Nip", u"KodUrzedu", u"ZawiadomienieOSkorygowaniu", u"LiczbaZalacznikowVATZD"})
        EXPECT_TRUE(definition.FindFieldByName(name)->Obliczane()) << tlx::Utf16ToUtf8(name);
    EXPECT_EQ(definition.FieldCount(), 88u)
        << "Okres, VAT7D, Kwartal, the header's 7, positions 10 to 69, the VAT-ZD notice's 2, 73 and 74, the "
           "taxpayer's 5, the VAT-7D's 7 of the advances, Nip, KodUrzedu";
    EXPECT_EQ(tlx::Utf16ToUtf8(definition.GetFieldByNumber(54)->Opis().View()),
              "Kwota podatku podlegająca wpłacie do urzędu skarbowego");
    EXPECT_EQ(definition.GetEventExpression(u"transformata"),
              u"(dokument.Okres==1)?'1/17':(dokument.VAT7D==1)?'1/D08':'1K/11'");
    EXPECT_EQ(definition.GetEventExpression(u"oncalculate"), u"OnCalculateDoc()");
    EXPECT_EQ(definition.GetEventExpression(u"kwota"), u"get_PlaKwota()");
    EXPECT_EQ(definition.GetEventExpression(u"formapłatności"), u"rFormaPlatnosci");
    EXPECT_EQ(definition.FindFieldByName(u"P_19")->OnUpdate(), u"PrzeliczSumy()");
    EXPECT_EQ(definition.FindFieldByName(u"P_40")->OnUpdate(), u"") << "sums are written, never typed";
}

TEST_F(Vat7Form, MonthWithTaxToPay) {
    EnterMonthWithTaxToPay();
    Fire(u"oncalculate");
    // Whole złoty, 50 grosze and more rounded up.
    EXPECT_EQ(Amount(u"P_15"), 2000);
    EXPECT_EQ(Amount(u"P_16"), 100);
    EXPECT_EQ(Amount(u"P_17"), 10500);
    EXPECT_EQ(Amount(u"P_19"), 85301);
    EXPECT_EQ(Amount(u"P_20"), 19619);
    EXPECT_EQ(Amount(u"P_46"), 9855);
    // 1200 + 5000 + 2000 + 10500 + 85301 + 12000 + 4000 + 1500 + 2000 + 6000 (poz. 12 is part of poz. 11)
    EXPECT_EQ(Amount(u"P_40"), 129501);
    // 100 + 840 + 19619 + 920 + 345 + 460 + 1380
    EXPECT_EQ(Amount(u"P_41"), 23664);
    // 1250 + 4600 + 9855 - 120 - 230 (the net values 43 and 45 are not tax)
    EXPECT_EQ(Amount(u"P_51"), 15355);
    // 23664 - 15355 = 8309 due, of which 700 spent on cash registers is deducted
    EXPECT_EQ(Amount(u"P_52"), 700);
    EXPECT_EQ(Amount(u"P_54"), 7609);
    EXPECT_EQ(Amount(u"P_55"), 0);
    EXPECT_EQ(Amount(u"P_56"), 0);
    EXPECT_EQ(Amount(u"P_61"), 0);
    EXPECT_EQ(FireFailure(u"onverify").first, S_OK) << FireFailure(u"onverify").second;
    tlx::Variant kwota = Fire(u"kwota");
    tlx::Variant amount;
    ASSERT_EQ(VariantChangeType(amount.Out(), &kwota, 0, VT_R8), S_OK);
    EXPECT_EQ(amount.dblVal, 7609) << "the amount to pay is the declaration's amount";
}

TEST_F(Vat7Form, MonthWithSurplusRefundedAndCarriedForward) {
    Enter({{u"P_19", 21739.49}, {u"P_20", 5000}, {u"P_45", 53478}, {u"P_46", 12300}, {u"P_52", 400},
           {u"P_57", 3000}, {u"P_58", 3000}});
    Fire(u"oncalculate");
    EXPECT_EQ(Amount(u"P_40"), 21739);
    EXPECT_EQ(Amount(u"P_41"), 5000);
    EXPECT_EQ(Amount(u"P_51"), 12300);
    EXPECT_EQ(Amount(u"P_54"), 0) << "nothing to pay";
    // No tax due to deduct the 400 from: it is refunded (poz. 55) and joins the surplus of 12300 - 5000.
    EXPECT_EQ(Amount(u"P_52"), 0);
    EXPECT_EQ(Amount(u"P_55"), 400);
    EXPECT_EQ(Amount(u"P_56"), 7700);
    EXPECT_EQ(Amount(u"P_61"), 4700) << "7700 less the 3000 refunded in 25 days";
    EXPECT_EQ(FireFailure(u"onverify").first, S_OK) << FireFailure(u"onverify").second;
    EXPECT_EQ(EvalText(definition.GetEventExpression(u"kwota").View()), "0") << "nothing to pay";
}

TEST_F(Vat7Form, FieldUpdatesKeepTheSumsCurrent) {
    EnterMonthWithTaxToPay();
    Fire(u"oncalculate");
    Eval(u"dokument.P_19 = 100000; dokument.P_20 = 23000");
    EXPECT_EQ(Amount(u"P_40"), 144200) << "129501 - 85301 + 100000";
    EXPECT_EQ(Amount(u"P_41"), 27045) << "23664 - 19619 + 23000";
    EXPECT_EQ(Amount(u"P_54"), 10990) << "27045 - 15355 - 700";
    EXPECT_EQ(FireFailure(u"onverify").first, S_OK) << FireFailure(u"onverify").second;
}

TEST_F(Vat7Form, VerificationRefusesWhatTheFormDoesNotAllow) {
    struct Row {
        const char* what;
        std::function<void()> change;
        bool recalculate;
        HRESULT hr;
        std::string message;
    };
    const HRESULT kCalculation = static_cast<HRESULT>(0x800565F5);  // ERR_Mv_DekBladObliczenia
    const HRESULT kChanged = static_cast<HRESULT>(0x800565F4);      // ERR_Mv_DekParamZmienione
    const Row rows[] = {
        {"a sum typed over", [this] { Enter({{u"P_40", 1}}); }, false, kChanged,
         "Kwota w poz. 40 nie odpowiada wyliczeniu. Deklarację należy przeliczyć."},
        {"grosze after the calculation", [this] { Enter({{u"P_10", 1200.5}}); }, false, kChanged,
         "Kwota w poz. 10 nie jest w pełnych złotych. Deklarację należy przeliczyć."},
        {"part larger than its whole", [this] { Enter({{u"P_12", 6000}}); }, true, kCalculation,
         "Kwota w poz. 12 nie może być większa niż kwota w poz. 11."},
        {"transport and fuel above the acquisition's tax", [this] { Enter({{u"P_38", 500}, {u"P_39", 500}}); }, true,
         kCalculation, "Kwota w poz. 39 nie może być większa niż kwota w poz. 24 pomniejszona o kwotę z poz. 38."},
        {"a waiver above the tax due", [this] { Enter({{u"P_53", 8000}}); }, true, kCalculation,
         "Kwota w poz. 53 nie może być większa niż nadwyżka podatku należnego nad naliczonym pomniejszona o kwotę z poz. 52."},
        {"a refund without a surplus", [this] { Enter({{u"P_57", 100}}); }, true, kCalculation,
         "Kwota w poz. 57 nie może być większa niż kwota w poz. 56."},
        {"a refund term without a refund", [this] { Enter({{u"P_59", 100}}); }, true, kCalculation,
         "Kwoty zwrotu w terminach 25, 60 i 180 dni (poz. 58-60) muszą dawać razem kwotę zwrotu z poz. 57."},
        {"a count of VAT-ZD notices none of which is attached", [this] { Set(u"P_69", 1); }, true, kCalculation,
         "Liczbę zawiadomień VAT-ZD (poz. 69) podaje się tylko przy ich dołączeniu (poz. 68)."},
        {"an unknown purpose", [this] { Set(u"P_7", 3); }, true, kCalculation,
         "Cel złożenia deklaracji (poz. 7) musi mieć wartość 1 (złożenie) albo 2 (korekta)."},
    };
    for (const Row& row : rows) {
        SetUp();
        EnterMonthWithTaxToPay();
        Fire(u"oncalculate");
        row.change();
        if (row.recalculate) Fire(u"oncalculate");
        auto [hr, message] = FireFailure(u"onverify");
        EXPECT_EQ(hr, row.hr) << row.what;
        EXPECT_EQ(message, row.message) << row.what;
    }
    // A surplus refunded is split by term: 2700 - 2300 - 1000 of 5000 - 2300 refunded, 1700 carried forward.
    SetUp();
    Enter({{u"P_19", 10000}, {u"P_20", 2300}, {u"P_46", 5000}, {u"P_57", 1000}});
    Fire(u"oncalculate");
    EXPECT_EQ(Amount(u"P_61"), 1700);
    EXPECT_EQ(FireFailure(u"onverify").second,
              "Kwoty zwrotu w terminach 25, 60 i 180 dni (poz. 58-60) muszą dawać razem kwotę zwrotu z poz. 57.");
    Enter({{u"P_58", 400}, {u"P_60", 600}});
    EXPECT_EQ(FireFailure(u"onverify").first, S_OK) << FireFailure(u"onverify").second;
}

TEST_F(Vat7Form, ComputedFieldsGiveTheTaxNumberAndTheOfficeCode) {
    document->Set(u"P_1", tlx::Variant::FromString(u" 526-025-02 74"));
    document->Set(u"P_6", tlx::Variant::FromString(u"1471"));
    EXPECT_EQ(EvalText(definition.FindFieldByName(u"Nip")->OnGet().View()), "5260250274");
    EXPECT_EQ(EvalText(definition.FindFieldByName(u"KodUrzedu")->OnGet().View()), "1471");
}

TEST_F(Vat7Form, ValueProvidersAnswerDescriptionDueDateAndTransform) {
    EXPECT_EQ(Text(Fire(u"opis")), "VAT-7 za 05/2017");
    EXPECT_EQ(DayOf(Fire(u"termin")), std::tuple(2017, 6, 26)) << "the 25th is a Sunday";
    EXPECT_EQ(Text(Fire(u"transformata")), "1/17");
    document->Set(u"Miesiac", tlx::Variant::FromLong(11));
    EXPECT_EQ(DayOf(Fire(u"termin")), std::tuple(2017, 12, 27)) << "25 and 26 December are holidays";
    Set(u"Okres", 2);
    document->Set(u"Miesiac", tlx::Variant::FromLong(6));
    EXPECT_EQ(Text(Fire(u"opis")), "VAT-7K za 2 kwartał 2017");
    EXPECT_EQ(DayOf(Fire(u"termin")), std::tuple(2017, 7, 25)) << "after the quarter";
    EXPECT_EQ(Text(Fire(u"transformata")), "1K/11");
    Set(u"VAT7D", 1);
    EXPECT_EQ(Text(Fire(u"opis")), "VAT-7D za 2 kwartał 2017");
    EXPECT_EQ(Text(Fire(u"transformata")), "1/D08");
    document->Set(u"Miesiac", tlx::Variant::FromLong(10));
    EXPECT_EQ(DayOf(Fire(u"termin")), std::tuple(2018, 1, 25)) << "the fourth quarter is due in January";
    tlx::Variant payment = Fire(u"formapłatności");
    EXPECT_TRUE(payment.vt == VT_NULL || payment.vt == VT_EMPTY) << "the host chooses the payment method";
    // Working days around Easter and Corpus Christi 2017.
    EXPECT_EQ(EvalText(u"DzienRoboczy(new Date(2017, 3, 15)).getDate()"), "18");
    EXPECT_EQ(EvalText(u"DzienRoboczy(new Date(2017, 5, 15)).getDate()"), "16");
}

TEST_F(Vat7Form, HeaderFollowsThePeriodAndTheDefaults) {
    // The boxes of the period read the declaration's period: no event has to keep them.
    auto p4 = definition.FindFieldByName(u"P_4"), p5 = definition.FindFieldByName(u"P_5");
    EXPECT_EQ(EvalText(p4->OnGet().View()), "5");
    EXPECT_EQ(EvalText(p5->OnGet().View()), "2017");
    EXPECT_EQ(p4->Lpw(), 4) << "printed in their boxes";
    EXPECT_EQ(p5->Lpw(), 5);
    Set(u"Okres", 2);
    EXPECT_EQ(EvalText(p4->OnGet().View()), "2") << "a quarterly declaration gives its quarter";
    Eval(u"UstawNumerOkresu(3)");
    EXPECT_EQ(document->Get(u"Miesiac").lVal, 9) << "the box sets the period";
    Set(u"Okres", 1);
    Eval(u"UstawNumerOkresu(7)");
    EXPECT_EQ(document->Get(u"Miesiac").lVal, 7);
    document->Set(u"Miesiac", tlx::Variant::FromLong(5));
    // Default expressions run with the field as "pole".
    EXPECT_EQ(EvalText(definition.FindFieldByName(u"P_7")->Default().View()), "1");
    // The computed quarter reads and writes the period.
    auto kwartal = definition.FindFieldByName(u"Kwartal");
    EXPECT_EQ(EvalText(kwartal->OnGet().View()), "2");
    Eval(u"UstawKwartal(4)");
    EXPECT_EQ(document->Get(u"Miesiac").lVal, 12);
    tlx::Variant result;
    EXPECT_EQ(Evaluate(u"UstawKwartal(5)", nullptr, result), static_cast<HRESULT>(0x800565F5));
    EXPECT_EQ(tlx::Utf16ToUtf8(tlx::TakeErrorDescription()), "Kwartał musi być liczbą od 1 do 4.");
}

}  // namespace
