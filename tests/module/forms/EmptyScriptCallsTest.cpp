#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FormTestSupport.h"
#include "mv_deklaracje/forms/EmptyScriptCalls.h"

namespace {

// A form's scripts and expressions, and whether one expression does nothing.
struct Case {
    const char* what;
    std::u16string scripts;
    std::vector<std::u16string_view> expressions;
    std::u16string asked;
    bool nothing;
};

TEST(EmptyScriptCalls, OnlyABareCallOfAnEmptyFunctionNamedNowhereElseDoesNothing) {
    const std::u16string kForm = u"var x = 0;\nfunction OnLoad()\n{\n}\nfunction OnCalculate() { x = 1; }\n";
    const Case cases[] = {
        {"an empty function called bare", kForm, {u"OnLoad()"}, u"OnLoad()", true},
        {"blanks and a semicolon around the call", kForm, {}, u"  OnLoad ( ) ; ", true},
        {"comments in the body, parameters", u"function Pusta(a, b) { // nic\n /* nic */ }", {}, u"Pusta()", true},
        {"Polish letters in the name", u"function Zmiana\u0142() {}", {}, u"Zmiana\u0142()", true},
        {"a body that does something", kForm, {}, u"OnCalculate()", false},
        {"a call with arguments", kForm, {}, u"OnLoad(1)", false},
        {"more than the call", kForm, {}, u"OnLoad(); x = 2", false},
        {"a function the scripts do not declare", kForm, {}, u"OnVerify()", false},
        {"declared twice, the second one not empty", kForm + u"function OnLoad() { x = 3; }", {}, u"OnLoad()", false},
        {"replaced by an assignment", kForm + u"OnLoad = function () { x = 4; };", {}, u"OnLoad()", false},
        {"named in another script line", kForm + u"var f = OnLoad;", {}, u"OnLoad()", false},
        {"named by another expression of the form", kForm, {u"OnLoad = Policz"}, u"OnLoad()", false},
        {"a body whose comment never ends", u"function Pusta() { /* nic }", {}, u"Pusta()", false},
        {"a name that only begins like it", u"function OnLoad() {}\nfunction OnLoadX() { x = 1; }", {}, u"OnLoad()", true},
        {"the word inside another name", u"function a() {}\nfunction functiona() { x = 1; }", {}, u"a()", true},
        {"a nested function of the same name", u"function f() {}\nfunction g() { function f() { x = 1; } f(); }", {},
         u"f()", false},
        {"an empty expression", kForm, {}, u"", false},
    };
    for (const Case& c : cases) {
        EmptyScriptCalls calls(c.scripts, c.expressions);
        EXPECT_EQ(calls.DoesNothing(c.asked), c.nothing) << c.what;
    }
}

// The INF-D-P attachment computes nothing itself: its form events run no script and make no engine,
// until an expression that does something needs one; from then on every expression runs in it.
using AttachmentForm = formtest::FormFixture<ModuleResources>;

TEST_F(AttachmentForm, EventsThatDoNothingMakeNoEngineAndAnythingElseStillRuns) {
    Load(301, 3);
    for (const char16_t* event : {u"onload", u"onverify", u"onsave", u"oncalculate"})
        EXPECT_EQ(Fire(event).vt, VT_EMPTY) << tlx::Utf16ToUtf8(event);
    EXPECT_TRUE(session->created.empty()) << "no engine for events that do nothing";
    EXPECT_FALSE(definition.GetScriptEngine());

    EXPECT_EQ(EvalText(u"typeof OnLoad"), "function");
    EXPECT_EQ(session->created.size(), 1u) << "the first expression that does something makes the engine";
    Eval(u"OnLoad = function () { return 7; }; 0");
    EXPECT_EQ(Fire(u"onload").lVal + 0, 7) << "once there is an engine, every expression runs in it";
    EXPECT_EQ(session->created.size(), 1u);
}

}  // namespace
