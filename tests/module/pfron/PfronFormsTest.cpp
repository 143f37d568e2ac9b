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
    const char16_t* fields[] = {u"KWDOFNALEZNA", u"KWDOFZPFRON", u"KWPOMINNE", u"KWUSTALONA", u"KWPOMNSKLADKIZUS"};
    for (const char16_t* field : fields) document->Set(field, tlx::Variant::FromString(u"x"));
    // The days the calculation wrote stay through a recalculation of the attachment.
    const char16_t* days[] = {u"NORMSLEKKI", u"NORMSUMIARKOWANY", u"NORMSZNACZNY"};
    for (const char16_t* field : days) document->Set(field, tlx::Variant::FromString(u"30"));
    Fire(u"oncalculate");
    for (const char16_t* field : fields)
        EXPECT_EQ(EvalText(u"dokument." + std::u16string(field)), "0") << tlx::Utf16ToUtf8(field);
    for (const char16_t* field : days)
        EXPECT_EQ(EvalText(u"dokument." + std::u16string(field)), "30") << tlx::Utf16ToUtf8(field);
}

TEST_F(PfronForms, EveryWnuFieldIsFoundByItsLowerCaseName) {
    for (LONG type : {320, 321}) {
        Load(type, 1);
        ASSERT_GT(definition.FieldCount(), 20u);
        for (std::size_t i = 0; i < definition.FieldCount(); ++i) {
            auto field = definition.GetFieldByIndex(i);
            std::u16string lower(field->Nazwa().View());
            for (char16_t& c : lower) c = (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c - u'A' + u'a') : c;
            EXPECT_EQ(definition.FindFieldByName(lower).Get(), field.Get()) << type << " " << tlx::Utf16ToUtf8(lower);
        }
    }
}

}  // namespace
