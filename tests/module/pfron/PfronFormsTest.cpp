#include <gtest/gtest.h>

#include "FormTestSupport.h"

namespace {

using PfronForms = formtest::FormFixture<ModuleResources>;

// Each WN-D version names its own service; the library routes the exports of every PFRON form.
TEST_F(PfronForms, TheWndVersionsNameTheirServices) {
    for (LONG version : {3, 4, 5, 6}) {
        Load(310, version);
        EXPECT_EQ(EvalText(u"UslugaWnd()"), "TLXDeklaracje.WND3") << version;
    }
    Load(310, 1);
    EXPECT_EQ(EvalText(u"UslugaWnd()"), "TLXDeklaracje.WND");
    document->Set(u"TypDeklar", tlx::Variant::FromLong(310));
    document->Set(u"Wersja", tlx::Variant::FromLong(1));
    EXPECT_EQ(EvalText(u"PfronProgId()"), "TLXDeklaracje.WND");
    Load(320, 1);
    document->Set(u"TypDeklar", tlx::Variant::FromLong(320));
    EXPECT_EQ(EvalText(u"PfronProgId()"), "TLXDeklaracje.WNU");
}

// The month remembered at loading and after each calculation tells whether the form needs one.
TEST_F(PfronForms, TheWnuAsksForACalculationWhenItsMonthChanges) {
    Load(320, 1);
    document->Set(u"Miesiac", tlx::Variant::FromLong(3));
    document->Set(u"Rok", tlx::Variant::FromLong(2024));
    Eval(u"SaveContext()");  // what OnLoad does after its trace
    EXPECT_EQ(EvalText(u"DoPrzeliczenia()"), "false");
    document->Set(u"Miesiac", tlx::Variant::FromLong(4));
    EXPECT_EQ(EvalText(u"DoPrzeliczenia()"), "true");
}

TEST_F(PfronForms, TheInfUpClearsTheFieldsTheApplicationLeavesOpen) {
    Load(321, 1);
    const char16_t* fields[] = {u"KWDOFNALEZNA", u"KWDOFZPFRON", u"KWPOMINNE", u"KWUSTALONA",
                                u"KWPOMNSKLADKIZUS", u"NORMSLEKKI", u"NORMSUMIARKOWANY", u"NORMSZNACZNY"};
    for (const char16_t* field : fields) document->Set(field, tlx::Variant::FromString(u"x"));
    Fire(u"oncalculate");
    for (const char16_t* field : fields)
        EXPECT_EQ(EvalText(u"dokument." + std::u16string(field)), "0") << tlx::Utf16ToUtf8(field);
}

}  // namespace
