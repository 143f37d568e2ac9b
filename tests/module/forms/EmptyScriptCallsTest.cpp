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

// The library's tracing as a form's scripts end with it.
const std::u16string kTools =
    u"\nvar debugMode = true;\nvar ccClaSupport = null;\n"
    u"function CcSupport()\n{\n    if (ccClaSupport == null)\n        ccClaSupport = new ActiveXObject('TLX.ClaSupport');\n"
    u"    return ccClaSupport;\n}\n"
    u"function CcTrace(tekst)\n{\n    if (debugMode)\n        CcSupport().Trace(String(tekst));\n}\n"
    u"function CcMessage(tekst, tytul)\n{\n    if (debugMode)\n        CcSupport().Message(String(tekst), tytul);\n}\n";

std::string TracesOf(const EmptyScriptCalls& calls, std::u16string_view expression) {
    const std::vector<std::u16string>* traces = calls.Traces(expression);
    if (!traces) return "runs";
    std::string out;
    for (const std::u16string& text : *traces) out += "[" + tlx::Utf16ToUtf8(text) + "]";
    return out;
}

TEST(EmptyScriptCalls, ABareCallOfAFunctionThatOnlyTracesFixedTextsThroughThePlainLibraryTracesThem) {
    const std::u16string kForm = u"function OnLoad()\n{\n    CcTrace('OnLoad');\n    UpdateInfo();\n}\n"
                                 u"function UpdateInfo()\n{\n}\n";
    struct TraceCase {
        const char* what;
        std::u16string scripts;
        std::vector<std::u16string_view> expressions;
        const char* traces;
    } cases[] = {
        {"a trace and a call of an empty function", kForm + kTools, {u"OnLoad()"}, "[OnLoad]"},
        {"two traces in their order, double quotes",
         u"function OnLoad() { CcTrace(\"a\"); CcTrace('b') }" + kTools, {}, "[a][b]"},
        {"without the library nothing tells what CcTrace does", kForm, {}, "runs"},
        {"a trace of anything but a fixed text", u"function OnLoad() { CcTrace(x); }" + kTools, {}, "runs"},
        {"a text with an escape", u"function OnLoad() { CcTrace('a\\'b'); }" + kTools, {}, "runs"},
        {"the debug switch turned off somewhere", kForm + kTools + u"debugMode = false;", {}, "runs"},
        {"the debug switch turned off by an expression", kForm + kTools, {u"debugMode = false"}, "runs"},
        {"CcTrace replaced", kForm + kTools + u"CcTrace = function (t) { x = t; };", {}, "runs"},
        {"CcTrace declared again", kForm + kTools + u"function CcTrace(t) { x = t; }", {}, "runs"},
        {"the support object replaced", kForm + kTools + u"ccClaSupport = {};", {}, "runs"},
        {"the called function does something",
         u"function OnLoad() { CcTrace('OnLoad'); UpdateInfo(); }\nfunction UpdateInfo() { x = 1; }" + kTools, {},
         "runs"},
        {"the called function named elsewhere", kForm + kTools + u"var f = UpdateInfo;", {}, "runs"},
        {"the called function not declared", u"function OnLoad() { CcTrace('OnLoad'); Brak(); }" + kTools, {}, "runs"},
        {"anything else in the body", u"function OnLoad() { CcTrace('OnLoad'); x = 1; }" + kTools, {}, "runs"},
    };
    for (const TraceCase& c : cases) {
        EmptyScriptCalls calls(c.scripts, c.expressions);
        EXPECT_EQ(TracesOf(calls, u"OnLoad()"), c.traces) << c.what;
        EXPECT_EQ(calls.DoesNothing(u"OnLoad()"), std::string(c.traces).empty()) << c.what;
    }
    EXPECT_EQ(TracesOf(EmptyScriptCalls(kForm + kTools, {}), u"UpdateInfo()"), "");
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

// The INF-U-P attachment's load only traces: it writes its trace as its script would, without an engine
// (the host writes traces when tracing is asked for).
TEST_F(AttachmentForm, AnEventThatOnlyTracesWritesItsTraceWithoutAnEngine) {
    setenv("TLX_TRACE", "1", 1);
    Load(321, 1);
    testing::internal::CaptureStderr();
    EXPECT_EQ(Fire(u"onload").vt, VT_EMPTY);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "tlxhost trace: OnLoad\n");
    EXPECT_EQ(session->created, std::vector<std::u16string>{u"TLX.ClaSupport"}) << "no engine";
    EXPECT_FALSE(definition.GetScriptEngine());

    Eval(u"debugMode = false; 0");  // does something: makes the engine
    ASSERT_TRUE(definition.GetScriptEngine());
    testing::internal::CaptureStderr();
    Fire(u"onload");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << "once there is an engine, its own state decides";
    EXPECT_EQ(session->created.size(), 2u);
    unsetenv("TLX_TRACE");
}

}  // namespace
