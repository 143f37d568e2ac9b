// The engine's members: definitions that persist, completion values, `this`, named items, errors both
// ways, nested evaluations, Reset, ActiveXObject and the engine's class registration.
#include <gtest/gtest.h>

#include "ScriptFixture.h"
#include "SampleObjects.h"
#include "host/script/ScriptError.h"
#include "platform/com/ClassRegistry.h"

using sample::CSample;
using tlx::ComPtr;
using tlx::Variant;

namespace {
constexpr char16_t kTools[] =
    u"var ERR_Mv_DekBladObliczenia = 26101;\n"
    u"function CcThrow(id, desc) {\n"
    u"  throw new Error(id > 0 && id < 0xFFFF ? 0x80050000 + id : id, desc);\n"
    u"}\n";

std::string Text(const VARIANT& v) { return v.vt == VT_BSTR ? tlx::Utf16ToUtf8(tlx::Bstr(v.bstrVal).View()) : "?"; }
}  // namespace

TEST_F(ScriptTest, DefinitionsPersistForLaterEvaluations) {
    ASSERT_EQ(AddScript(u"var total = 0; function add(n) { total += n; return total; }"), S_OK);
    EXPECT_EQ(Eval(u"add(2)").lVal, 2);
    EXPECT_EQ(Eval(u"add(3)").lVal, 5);
    Eval(u"var later = 4; function twice(n) { return 2 * n; }");
    EXPECT_EQ(Eval(u"twice(later) + total").lVal, 13);
}

TEST_F(ScriptTest, EvaluateAnswersTheCompletionValueWithTheGivenThis) {
    EXPECT_EQ(Text(Eval(u"var a = 2; if (a > 1) { 'big'; } else { 'small'; }")), "big");
    EXPECT_EQ(Eval(u"").vt, VT_EMPTY);
    EXPECT_EQ(Eval(u"var unused = 1;").vt, VT_EMPTY);
    auto object = CSample::Make();
    object->name = u"to";
    EXPECT_EQ(Text(Eval(u"this.Name", object.Get())), "to");
    EXPECT_EQ(Eval(u"this === (function () { return this; })()").boolVal, VARIANT_TRUE);
}

TEST_F(ScriptTest, SyntaxErrorFailsTheCallAndKeepsEarlierDefinitions) {
    ASSERT_EQ(AddScript(u"function ok() { return 1; }"), S_OK);
    EXPECT_EQ(AddScript(u"var fine = 1;\nfunction broken( {\n}"), tlx::host::kScriptSyntaxError);
    auto [description, source] = TakeError();
    EXPECT_NE(description.find("line 2"), std::string::npos) << description;
    EXPECT_EQ(source, "Skrypt, wiersz 2");
    EXPECT_EQ(Eval(u"ok()").lVal, 1);
    EXPECT_EQ(Text(Eval(u"typeof fine")), "undefined");
}

TEST_F(ScriptTest, ThrownNumberBecomesTheHresult) {
    ASSERT_EQ(AddScript(kTools), S_OK);
    Variant result;
    EXPECT_EQ(Run(u"\nCcThrow(ERR_Mv_DekBladObliczenia, 'Błąd wyliczenia')", result),
              static_cast<HRESULT>(0x800565F5));
    auto [description, source] = TakeError();
    EXPECT_EQ(description, "Błąd wyliczenia");
    EXPECT_EQ(source, "Skrypt, wiersz 3");  // the throw inside CcThrow

    EXPECT_EQ(Run(u"CcThrow(-2147467259, 'as given')", result), E_FAIL);
    EXPECT_EQ(Run(u"CcThrow(0x80004003, 'positive form')", result), E_POINTER);
    EXPECT_EQ(Run(u"throw { number: 5, description: 'small number' }", result), static_cast<HRESULT>(0x800A0005));
    EXPECT_EQ(TakeError().first, "small number");
}

TEST_F(ScriptTest, ValuesWithoutUsableNumberStillFail) {
    Variant result;
    const std::pair<const char16_t*, const char*> cases[] = {
        {u"throw 'just text'", "just text"},
        {u"throw new Error('plain')", "plain"},
        {u"throw { number: 0, description: 'zero' }", "zero"},
        {u"throw 12.5", "12.5"},
        {u"throw null", "null"},
    };
    for (const auto& [code, text] : cases) {
        EXPECT_EQ(Run(code, result), tlx::host::kScriptRuntimeError) << tlx::Utf16ToUtf8(code);
        EXPECT_EQ(TakeError().first, text);
    }
    EXPECT_EQ(Run(u"undefined.member", result), tlx::host::kScriptRuntimeError);
    EXPECT_FALSE(TakeError().first.empty());
}

TEST_F(ScriptTest, ErrorsCarryNumberAndDescription) {
    EXPECT_EQ(Text(Eval(u"try { throw new Error(42, 'd'); } catch (e) { e.number + ':' + e.description + ':' + e.message }")),
              "42:d:d");
    EXPECT_EQ(Text(Eval(u"try { null.x; } catch (e) { String(e instanceof Error && e instanceof TypeError) }")), "true");
    EXPECT_EQ(Text(Eval(u"var e = new Error('m'); e.description = 'n'; e.message")), "n");
    EXPECT_EQ(Text(Eval(u"String(Error('no new') instanceof Error)")), "true");
}

TEST_F(ScriptTest, NamedItemsRebindAndReadBackTheSameObject) {
    auto first = CSample::Make();
    auto second = CSample::Make();
    first->name = u"first";
    second->name = u"second";
    ASSERT_EQ(Bind(u"dokument", first.Get()), S_OK);
    EXPECT_EQ(Text(Eval(u"dokument.Name")), "first");
    EXPECT_EQ(Bound(u"dokument").Get(), static_cast<IDispatch*>(first.Get()));
    ASSERT_EQ(Bind(u"dokument", second.Get()), S_OK);
    EXPECT_EQ(Text(Eval(u"dokument.Name")), "second");
    ASSERT_EQ(Bind(u"pole", nullptr), S_OK);
    EXPECT_EQ(Eval(u"pole === null").boolVal, VARIANT_TRUE);
    EXPECT_FALSE(Bound(u"pole"));
    ASSERT_EQ(Bind(u"again", second.Get()), S_OK);
    EXPECT_EQ(Eval(u"again === dokument").boolVal, VARIANT_TRUE);

    ComPtr<IDispatch> none;
    tlx::Bstr unknown(u"nieznany");
    EXPECT_EQ(engine->GetNamedItem(unknown.Get(), none.Out()), E_INVALIDARG);
}

namespace {
// Evaluates as a declaration does for a field: binds the two items, evaluates, and restores the
// previous bindings in the same order whether the evaluation failed or not.
HRESULT EvaluateForField(IScriptEngine* engine, std::u16string_view code, IDispatch* dokument, IDispatch* pole) {
    tlx::Bstr dokumentName(u"dokument"), poleName(u"pole"), text(code);
    ComPtr<IDispatch> savedPole, savedDokument;
    engine->GetNamedItem(poleName.Get(), savedPole.Out());
    engine->GetNamedItem(dokumentName.Get(), savedDokument.Out());
    engine->AddNamedItem(dokumentName.Get(), dokument);
    engine->AddNamedItem(poleName.Get(), pole);
    Variant result;
    HRESULT hr = engine->Evaluate(text.Get(), Variant::FromDispatch(pole ? pole : dokument), result.Out());
    ComPtr<IErrorInfo> error;
    GetErrorInfo(0, error.Out());
    engine->AddNamedItem(poleName.Get(), savedPole.Get());
    engine->AddNamedItem(dokumentName.Get(), savedDokument.Get());
    SetErrorInfo(0, error.Get());
    return hr;
}
}  // namespace

TEST_F(ScriptTest, NestedEvaluationsRestoreTheOuterItems) {
    ASSERT_EQ(AddScript(kTools), S_OK);
    auto dokument = CSample::Make();
    auto outerField = CSample::Make();
    auto innerField = CSample::Make();
    outerField->name = u"outer";
    innerField->name = u"inner";
    std::u16string innerCode = u"dokument.Name = pole.Name";
    dokument->onPut = [&](const VARIANT&) {
        return EvaluateForField(engine.Get(), innerCode, dokument.Get(), innerField.Get());
    };
    ASSERT_EQ(Bind(u"dokument", nullptr), S_OK);
    ASSERT_EQ(Bind(u"pole", nullptr), S_OK);

    ASSERT_EQ(EvaluateForField(engine.Get(), u"dokument.Value = 1; dokument.Name = dokument.Name + '/' + pole.Name",
                               dokument.Get(), outerField.Get()),
              S_OK);
    EXPECT_EQ(tlx::Utf16ToUtf8(dokument->name), "inner/outer");

    innerCode = u"CcThrow(26101, 'inner failed')";
    EXPECT_EQ(EvaluateForField(engine.Get(), u"dokument.Value = 2", dokument.Get(), outerField.Get()),
              static_cast<HRESULT>(0x800565F5));
    EXPECT_EQ(TakeError().first, "inner failed");
    EXPECT_FALSE(Bound(u"dokument"));
    EXPECT_FALSE(Bound(u"pole"));
}

TEST_F(ScriptTest, NestingBeyondTheStackFailsCleanly) {
    auto dokument = CSample::Make();
    int depth = 0;
    dokument->onPut = [&](const VARIANT&) {
        ++depth;
        Variant result;
        tlx::Bstr code(u"dokument.Value = dokument.Value + 1");
        return engine->Evaluate(code.Get(), Variant(), result.Out());
    };
    ASSERT_EQ(Bind(u"dokument", dokument.Get()), S_OK);
    Variant result;
    HRESULT hr = Run(u"dokument.Value = 0", result);
    EXPECT_EQ(hr, tlx::host::kScriptOutOfStack);
    EXPECT_GT(depth, 100);
    EXPECT_EQ(TakeError().first, "Zbyt głęboko zagnieżdżone wywołania skryptu");
    EXPECT_EQ(Eval(u"1 + 1").lVal, 2);  // the engine is still usable
}

TEST_F(ScriptTest, ResetRerunsTheTextsAndKeepsNamedItems) {
    auto dokument = CSample::Make();
    ASSERT_EQ(Bind(u"dokument", dokument.Get()), S_OK);
    ASSERT_EQ(AddScript(u"var state = 1; function read() { return state; }"), S_OK);
    Eval(u"state = 5; var extra = 3; var kept = dokument.Child;");
    ULONG refsBefore = dokument->RefCount();
    ASSERT_EQ(engine->Reset(), S_OK);
    EXPECT_EQ(Eval(u"read()").lVal, 1);
    EXPECT_EQ(Text(Eval(u"typeof extra")), "undefined");
    EXPECT_EQ(Text(Eval(u"dokument.Name")), "sample");
    EXPECT_EQ(dokument->RefCount(), refsBefore);  // one proxy before, one in the new heap
}

TEST_F(ScriptTest, ResetDuringAnEvaluationIsRefused) {
    auto dokument = CSample::Make();
    HRESULT inner = S_OK;
    dokument->onPut = [&](const VARIANT&) {
        inner = engine->Reset();
        return S_OK;
    };
    ASSERT_EQ(Bind(u"dokument", dokument.Get()), S_OK);
    Eval(u"dokument.Value = 1");
    EXPECT_EQ(inner, E_UNEXPECTED);
}

TEST_F(ScriptTest, ReleasingTheEngineReleasesEveryProxy) {
    auto dokument = CSample::Make();
    ASSERT_EQ(Bind(u"dokument", dokument.Get()), S_OK);
    Eval(u"var a = dokument, b = dokument.Child, c = [dokument, b]; new Enumerator(dokument); 0");
    EXPECT_GT(dokument->RefCount(), 1u);
    engine.Reset();
    EXPECT_EQ(dokument->RefCount(), 1u);
}

TEST_F(ScriptTest, ActiveXObjectCreatesRegisteredClasses) {
    ComPtr<IClassFactory> factory;
    ASSERT_EQ(tlx::ClassFactory<CSample>::Get(IID_IClassFactory, factory.OutVoid()), S_OK);
    DWORD cookie = 0;
    constexpr CLSID kSampleClass = tlx::MakeGuid(u"{6B1F6E52-3C0D-4C43-9C1E-2F3A4B5C6D7E}");
    ASSERT_EQ(tlx::RegisterProcessClass(kSampleClass, u"TLX.ScriptSample", factory.Get(), &cookie), S_OK);
    EXPECT_EQ(Eval(u"new ActiveXObject('TLX.ScriptSample').Add(2, 3)").lVal, 5);
    EXPECT_EQ(Text(Eval(u"ActiveXObject('tlx.scriptsample').Name")), "sample");
    EXPECT_EQ(Text(Eval(u"try { new ActiveXObject('TLX.NoSuchClass'); 'created' } "
                        u"catch (e) { (e.number >>> 0).toString(16) }")),
              "800401f3");
    CoRevokeClassObject(cookie);
}

TEST_F(ScriptTest, ActiveXObjectGoesThroughTheSessionsCreator) {
    auto made = CSample::Make();
    made->name = u"from session";
    std::u16string asked;
    auto setup = engine.As<IScriptEngineSetup>();
    ASSERT_TRUE(setup);
    setup->SetObjectCreator([&](std::u16string_view progId, IDispatch** object) {
        asked = progId;
        return ComPtr<IDispatch>(made.Get()).CopyTo(object);
    });
    EXPECT_EQ(Text(Eval(u"new ActiveXObject('TLXDeklaracje.DRA').Name")), "from session");
    EXPECT_EQ(tlx::Utf16ToUtf8(asked), "TLXDeklaracje.DRA");
}

TEST(ScriptEngineClass, IsCreatedThroughTheClassRegistry) {
    DWORD cookie = 0;
    ASSERT_EQ(tlx::host::RegisterScriptEngineClass(&cookie), S_OK);
    ComPtr<IScriptEngine> engine;
    ASSERT_EQ(CoCreateInstance(CLSID_ScriptEngine, nullptr, CLSCTX_INPROC_SERVER, IID_IScriptEngine, engine.OutVoid()),
              S_OK);
    tlx::Bstr code(u"6 * 7");
    Variant result;
    EXPECT_EQ(engine->Evaluate(code.Get(), Variant(), result.Out()), S_OK);
    EXPECT_EQ(result.lVal, 42);
    CoRevokeClassObject(cookie);
}

TEST_F(ScriptTest, TheEngineIsADispatchObjectItself) {
    ASSERT_EQ(Bind(u"engine", engine.Get()), S_OK);
    EXPECT_EQ(Eval(u"engine.AddScriptText('function twice(n) { return 2 * n; }'); engine.Evaluate('twice(21)')").lVal,
              42);
    EXPECT_EQ(Eval(u"engine.AddNamedItem('self', engine); engine.GetNamedItem('self') === engine").boolVal,
              VARIANT_TRUE);
    Variant result;
    EXPECT_EQ(Run(u"engine.Evaluate('throw new Error(26101, \"wewnątrz\")')", result), static_cast<HRESULT>(0x000065F5 | 0x800A0000));
    TakeError();
    Bind(u"engine", nullptr);  // no cycle left between the engine and its own heap
    Bind(u"self", nullptr);
}
