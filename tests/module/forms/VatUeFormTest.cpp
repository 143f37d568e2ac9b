// The earlier VAT-UE variants of the module, VAT-UE(1) (quarterly) and VAT-UE(2) (monthly or quarterly), on
// the family's library: their definitions with the positions of their period and taxpayer, the kind of
// taxpayer checked at its position, the period they name. Their documents with the attachments' groups are
// checked end to end on the demo company (tests/e2e/VatUeEarlierScriptTest.cpp).
#include <gtest/gtest.h>

#include <string>

#include "EmployerFormFixture.h"

namespace {

struct Variant {
    LONG version;
    LONG od, to;
    int kind;       // the position of the kind of taxpayer
    int address;    // the first position of the address
    const char* quarter;   // the position naming the quarter
};
const Variant kVariants[] = {{1, 200701, 200912, 7, 9, "P_4"}, {2, 201001, 201306, 8, 10, "P_5"}};

class VatUeForm : public formtest::EmployerForm, public ::testing::WithParamInterface<Variant> {
protected:
    // A computed position's value as the form computes it.
    std::string Computed(const std::string& name) {
        return EvalText(definition.FindFieldByName(tlx::Utf8ToUtf16(name))->OnGet().View());
    }
    void SetUp() override {
        Load(11, GetParam().version);
        SetNewDeclarationValues();
        document->Set(u"Rok", tlx::Variant::FromLong(2009 + GetParam().version));
        document->Set(u"Miesiac", tlx::Variant::FromLong(8));
        document->Set(P(GetParam().kind), tlx::Variant::FromLong(1));
    }
};

TEST_P(VatUeForm, DefinitionCarriesItsPeriodTaxpayerAndAttachmentCounts) {
    const Variant& v = GetParam();
    EXPECT_EQ(definition.Symbol(), u"VATUE");
    EXPECT_EQ(definition.DataObowiazywaniaOd(), v.od);
    EXPECT_EQ(definition.DataObowiazywaniaDo(), v.to);
    EXPECT_EQ(definition.GetEventExpression(u"transformata"), v.version == 1 ? u"'11/1'" : u"'11/2'");
    for (int n = v.address; n < v.address + 10; ++n) {
        auto field = definition.FindFieldByName(P(n));
        ASSERT_TRUE(field) << n;
        EXPECT_EQ(field->Typ(), detText) << n;
        EXPECT_EQ(field->Lp(), n);
    }
    EXPECT_FALSE(definition.FindFieldByName(P(v.address + 10))) << "nothing after the address";
    EXPECT_EQ(definition.FindFieldByName(P(v.kind))->Typ(), detInteger);
    for (const char16_t* count : {u"ZalacznikVATUEA", u"ZalacznikVATUEB", u"ZalacznikVATUEC"})
        EXPECT_TRUE(definition.FindFieldByName(count)) << "the module reads the attachments' counts by name";
    ExpectEveryFieldReadsWhatIsWritten();
}

TEST_P(VatUeForm, ItNamesItsQuarterOrMonthAndChecksTheKindOfTaxpayerAtItsPosition) {
    const Variant& v = GetParam();
    EXPECT_EQ(Computed(v.quarter), v.version == 1 ? "3" : "");
    if (v.version == 2) {
        EXPECT_EQ(Computed("P_4"), "8");
        EXPECT_EQ(EvalText(definition.GetEventExpression(u"opis").View()), "VAT-UE za 08/2011");
        document->Set(u"Kwartalnie", tlx::Variant::FromLong(1));
        EXPECT_EQ(Computed("P_4"), "");
    }
    EXPECT_EQ(Computed(v.quarter), "3");
    EXPECT_EQ(EvalText(definition.GetEventExpression(u"opis").View()),
              "VAT-UE za 3 kw. " + std::to_string(2009 + v.version));
    EXPECT_EQ(Verify().first, S_OK) << Verify().second;
    if (v.version == 2) {
        document->Set(u"Kwartalnie", tlx::Variant::FromLong(2));
        EXPECT_EQ(Verify().second, "Rodzaj okresu (pole Kwartalnie) musi mieć wartość 0 (miesiąc) albo 1 (kwartał).")
            << "a period of neither kind is no month";
        document->Set(u"Kwartalnie", tlx::Variant::FromLong(1));
    }
    document->Set(P(v.kind), tlx::Variant::FromLong(3));
    EXPECT_EQ(Verify().second, "Rodzaj podatnika (poz. " + std::to_string(v.kind) + ") musi mieć wartość 1 albo 2.");
}

INSTANTIATE_TEST_SUITE_P(Versions, VatUeForm, ::testing::ValuesIn(kVariants),
                         [](const auto& info) { return "Version" + std::to_string(info.param.version); });

}  // namespace
