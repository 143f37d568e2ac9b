// Assignments to calls of COM members, as JScript allows them: the script text rewritten before it is
// compiled, and the property put with the call's arguments.
#include <gtest/gtest.h>

#include "ScriptFixture.h"
#include "TableSample.h"
#include "host/script/CallAssignment.h"
#include "host/script/ScriptError.h"

using tlx::host::RewriteCallAssignments;

TEST(CallAssignment, RewritesOnlyAssignedCallsOfNamedCallees) {
    const std::pair<const char*, const char*> rows[] = {
        {"dokument.Wartosc('P_10') = 5;", "__tlxPutCall(dokument, \"Wartosc\", ['P_10']).value = 5;"},
        {"rs(\"x\")\n  = v", "__tlxPutCall(rs, null, [\"x\"]).value\n  = v"},
        {"a.b.Item(f(1), 2) = g(3)", "__tlxPutCall(a.b, \"Item\", [f(1), 2]).value = g(3)"},
        {"x = d.W('a') + d.W('b')", "x = d.W('a') + d.W('b')"},
        {"if (d.W('a') == 1) y = 2", "if (d.W('a') == 1) y = 2"},
        {"if (a) b = 1; while (c) d = 2", "if (a) b = 1; while (c) d = 2"},
        {"return (a) = 5", "return (a) = 5"},
        {"s = 'd.W(1) = 2'; // d.W(1) = 2", "s = 'd.W(1) = 2'; // d.W(1) = 2"},
        {"r = /d.W(1) = 2/g; /* d.W(1) = 2 */", "r = /d.W(1) = 2/g; /* d.W(1) = 2 */"},
        {"f(a)(b) = 1; x[0].W(1) = 2", "__tlxPutCall(f(a), null, [b]).value = 1; x[0].W(1) = 2"},
        {"bloki(\"DIPL\")(1, 0) = v", "__tlxPutCall(bloki(\"DIPL\"), null, [1, 0]).value = v"},
        {"d.bloki('A')(7, 1) = 1", "__tlxPutCall(d.bloki('A'), null, [7, 1]).value = 1"},
        {"f(1).g.h(2) = 3", "__tlxPutCall(f(1).g, \"h\", [2]).value = 3"},
        {"if (a) f(1)(2) = 3; if(a)f(1)(2) = 3",
         "if (a) __tlxPutCall(f(1), null, [2]).value = 3; if(a)__tlxPutCall(f(1), null, [2]).value = 3"},
        {"q = a / d.W(1) / 2", "q = a / d.W(1) / 2"},
        {"if (x) d.Wartosc('P_43') = v;", "if (x) __tlxPutCall(d, \"Wartosc\", ['P_43']).value = v;"},
        {"for (i = 0; i < n; i++) d.W('P_' + i) = 0;", "for (i = 0; i < n; i++) __tlxPutCall(d, \"W\", ['P_' + i]).value = 0;"},
        {"while (f(a)) g(1) = 2", "while (f(a)) __tlxPutCall(g, null, [1]).value = 2"},
        {"if (a) (b)(1) = 2", "if (a) (b)(1) = 2"},
    };
    for (const auto& [code, expected] : rows) EXPECT_EQ(RewriteCallAssignments(code), expected) << code;
}

TEST_F(ScriptTest, AssigningToACallPutsThePropertyWithItsArguments) {
    auto record = sample::CRecord::Make();
    ASSERT_EQ(Bind(u"dokument", static_cast<sample::IRecord*>(record.Get())), S_OK);
    EXPECT_EQ(Eval(u"dokument.Wartosc('P_10') = 120").lVal, 120);
    ASSERT_EQ(record->fields.size(), 1u);
    EXPECT_EQ(record->fields[0].first, u"P_10");
    EXPECT_EQ(record->fields[0].second.lVal, 120);
    EXPECT_EQ(Eval(u"dokument.wartosc('P_10') = dokument.Wartosc('P_10') + 1; dokument.Wartosc('P_10')").lVal, 121);
    EXPECT_EQ(Eval(u"for (var i = 0; i < 2; i++) dokument.Wartosc('P_1' + i) = 7; dokument.Wartosc('P_11')").lVal, 7)
        << "a statement without braces after a loop's head";
    EXPECT_EQ(Eval(u"if (dokument) dokument.Wartosc('P_43') = 43; dokument.Wartosc('P_43')").lVal, 43);

    ASSERT_EQ(AddScript(u"function notCom(x) { return x; }"), S_OK);
    tlx::Variant result;
    EXPECT_EQ(Run(u"notCom(1) = 2", result), tlx::host::kScriptRuntimeError);
    EXPECT_EQ(TakeError().first, "Nieprawidłowy cel przypisania");
    EXPECT_EQ(Run(u"dokument.Name('x') = 1", result), DISP_E_BADPARAMCOUNT);
    TakeError();
}
