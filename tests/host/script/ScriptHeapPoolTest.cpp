// Engines of one setup taking their heaps from the pool: what each one's scripts set stays its own when
// its heap goes to another engine, any other change keeps the heap as the engine's own, and nothing of
// one engine reaches another.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <thread>

#include "SampleObjects.h"
#include "host/script/ScriptEngine.h"
#include "platform/com/ErrorInfo.h"
#include "platform/text/CodePage.h"

using sample::CSample;
using tlx::ComPtr;
using tlx::host::CScriptEngine;

namespace {

constexpr char16_t kForm[] =
    u"var log = '';\n"
    u"var list = [1, 2];\n"
    u"wynik = 0;\n"
    u"var pusty = {};\n"
    u"var baza = {x: 1};\n"
    u"var pochodna = Object.create(baza);\n"
    u"pochodna.x = 1;\n"
    u"function note(x) { log += x; return log; }\n";

// One declaration's engine, set up as the module sets up a form's: its text, then "dokument" declared
// with nothing and bound to the declaration at every evaluation.
struct Declaration {
    ComPtr<CScriptEngine> engine = CScriptEngine::Make();
    ComPtr<CSample> document = CSample::Make();

    explicit Declaration(std::u16string_view name, std::u16string_view text = kForm) {
        document->name = std::u16string(name);
        EXPECT_EQ(engine->AddScriptText(tlx::Bstr(text).Get()), S_OK);
        EXPECT_EQ(engine->AddNamedItem(tlx::Bstr(u"dokument").Get(), nullptr), S_OK);
    }
    // Runs `code`; its completion value's text (a value that is not a text reads as "<no text>").
    std::string Eval(std::u16string_view code) {
        tlx::Bstr dokument(u"dokument");
        EXPECT_EQ(engine->AddNamedItem(dokument.Get(), document.Get()), S_OK);
        tlx::Variant result;
        tlx::Bstr text(code);
        HRESULT hr = engine->Evaluate(text.Get(), tlx::Variant(), result.Out());
        EXPECT_EQ(hr, S_OK) << tlx::Utf16ToUtf8(code) << ": " << tlx::Utf16ToUtf8(tlx::TakeErrorDescription());
        EXPECT_EQ(engine->AddNamedItem(dokument.Get(), nullptr), S_OK);
        return result.vt == VT_BSTR ? tlx::Utf16ToUtf8(tlx::Bstr(result.bstrVal).View()) : "<no text>";
    }
};

}  // namespace

TEST(ScriptHeapPool, AGlobalAnEventSetOutlivesItsHeapServingAnotherDeclaration) {
    Declaration first(u"pierwsza");
    EXPECT_EQ(first.Eval(u"note('a'); licznik = 5; dokument.Name"), "pierwsza");
    ASSERT_TRUE(first.engine->LendHeap()) << "only globals holding primitives differ";
    EXPECT_FALSE(first.engine->HoldsHeap());

    Declaration second(u"druga");  // takes the heap the first one lent
    EXPECT_EQ(second.Eval(u"typeof licznik + '/' + log + '/' + dokument.Name"), "undefined//druga");
    EXPECT_EQ(second.Eval(u"note('b'); licznik = 'tekst'; log"), "b");
    ASSERT_TRUE(second.engine->LendHeap());

    EXPECT_EQ(first.Eval(u"log + licznik + '/' + dokument.Name + '/' + list.length"), "a5/pierwsza/2");
    EXPECT_EQ(second.Eval(u"log + licznik"), "btekst");
    EXPECT_TRUE(first.engine->LendHeap());
    EXPECT_EQ(first.Eval(u"note('c')"), "ac") << "lent twice";
}

TEST(ScriptHeapPool, AnyOtherChangeKeepsTheHeapAsTheDeclarationsOwn) {
    // Each event changes something besides a global holding a primitive; the probe reads it.
    const struct {
        const char16_t* event;
        const char16_t* probe;
        const char* pristine;
    } cases[] = {
        {u"list.push(3)", u"list.length", "2"},
        {u"list[0] = 7", u"list[0]", "1"},
        {u"delete list[1]", u"1 in list", "true"},
        {u"pusty.a = 1", u"Object.keys(pusty).length", "0"},
        {u"delete pochodna.x", u"pochodna.hasOwnProperty('x')", "true"},
        {u"obiekt = {a: 1}", u"typeof obiekt", "undefined"},
        {u"note = function () { return 'inna'; }", u"note('x')", "x"},
        {u"note.dodatek = 1", u"typeof note.dodatek", "undefined"},
        {u"Math.dodatek = 1", u"typeof Math.dodatek", "undefined"},
        {u"Array.prototype.suma = 1", u"typeof [].suma", "undefined"},
        {u"String.prototype.trim = null", u"typeof ''.trim", "function"},
        {u"Object.freeze(list)", u"Object.isFrozen(list)", "false"},
        {u"Object.defineProperty(this, 'wynik', {enumerable: false})", u"Object.keys(this).indexOf('wynik') >= 0", "true"},
        {u"Object.setPrototypeOf(list, null)", u"typeof list.push", "function"},
        {u"zdarzenie = dokument", u"typeof zdarzenie", "undefined"},
    };
    for (const auto& row : cases) {
        const std::string event = tlx::Utf16ToUtf8(row.event);
        Declaration changed(u"pierwsza");
        changed.Eval(std::u16string(row.event) + u"; ''");
        EXPECT_FALSE(changed.engine->LendHeap()) << event;
        EXPECT_TRUE(changed.engine->HoldsHeap()) << event;
        Declaration other(u"druga");
        const std::u16string probe = u"String(" + std::u16string(row.probe) + u")";
        EXPECT_EQ(other.Eval(probe), row.pristine) << event << ": reached another declaration";
        EXPECT_TRUE(other.engine->LendHeap()) << event;
        EXPECT_NE(changed.Eval(probe), row.pristine) << event << ": the change is kept";
    }
}

TEST(ScriptHeapPool, ADeclarationCalculatingInsideAnothersEventKeepsBothStates) {
    Declaration first(u"pierwsza"), second(u"druga");
    first.Eval(u"note('1')");
    second.Eval(u"note('2')");
    ASSERT_TRUE(first.engine->LendHeap());
    ASSERT_TRUE(second.engine->LendHeap());
    std::string inner;
    first.document->onPut = [&](const VARIANT&) {
        inner = second.Eval(u"note('b') + '/' + dokument.Name");
        return S_OK;
    };
    EXPECT_EQ(first.Eval(u"note('a'); dokument.Value = 1; note('c') + '/' + dokument.Name"), "1ac/pierwsza");
    EXPECT_EQ(inner, "2b/druga");
    first.document->onPut = nullptr;
    ASSERT_TRUE(first.engine->LendHeap());
    ASSERT_TRUE(second.engine->LendHeap());
    EXPECT_EQ(second.Eval(u"log"), "2b");
    EXPECT_EQ(first.Eval(u"log"), "1ac");
}

TEST(ScriptHeapPool, AnotherTextOrAResetGetsNoneOfALentState) {
    Declaration first(u"pierwsza");
    first.Eval(u"note('a'); licznik = 1");
    ASSERT_TRUE(first.engine->LendHeap());
    Declaration changedForm(u"druga", u"var log = 'inny';\nfunction note(x) { return x; }\n");
    EXPECT_EQ(changedForm.Eval(u"log + '/' + typeof list + '/' + typeof licznik"), "inny/undefined/undefined");

    ASSERT_EQ(first.engine->Reset(), S_OK);
    EXPECT_EQ(first.Eval(u"log + '/' + typeof licznik"), "/undefined");
}

TEST(ScriptHeapPool, AnEngineFreedAfterItsThreadsPoolLetsItsHeapGo) {
    std::thread([] {
        // Made before the thread's pool, so freed after it when the thread ends.
        thread_local std::unique_ptr<Declaration> late;
        late.reset();  // its first use, before the pool's
        late = std::make_unique<Declaration>(u"pierwsza");
        EXPECT_EQ(late->Eval(u"note('a')"), "a");
        Declaration lent(u"druga");
        EXPECT_EQ(lent.Eval(u"note('b')"), "b");
        EXPECT_TRUE(lent.engine->LendHeap());
    }).join();
}
