#include <gtest/gtest.h>

#include <algorithm>

#include "FormTestSupport.h"
#include "host/HostClasses.h"
#include "hostapi/Configuration.h"
#include "mv_deklaracje/forms/DefinicjaDeklaracji.h"
#include "mv_deklaracje/forms/FormScripts.h"
#include "mv_deklaracje/forms/FormXml.h"
#include "mv_deklaracje/core/TextResources.h"

namespace {

using formtest::CPropertyBag;
using formtest::Text;

using FormScripts = formtest::FormFixture<ModuleTestResources>;
// The library "Tools" of the module, appended to a real form's scripts.
class ToolsLibrary : public formtest::FormFixture<ModuleResources> {
protected:
    void SetUp() override { Load(1, 17); }
};

TEST_F(FormScripts, ScriptsRunInDefinitionOrderWithToolsLastAndLineBreaksBetween) {
    Load(100, 1);
    EXPECT_TRUE(session->created.empty()) << "no engine before a script runs";
    EXPECT_FALSE(definition.GetScriptEngine());
    // ZUS/DAU and ZUS.ZUA end in a "//" comment without a line end: joined without a line break the
    // next script's first line would be part of the comment.
    EXPECT_EQ(EvalText(u"log"), "ZUS;ZUS/DAU;ZUS/DEOZ;ZUS/AXXX;ZUS.ZUA;TOOLS;");
    ASSERT_EQ(session->created, std::vector<std::u16string>{u"{DB7FAD44-950A-410A-A9FF-510D98FE0F49}"})
        << "the engine is created by its class identifier through the session, once";
    EXPECT_EQ(EvalText(u"log"), "ZUS;ZUS/DAU;ZUS/DEOZ;ZUS/AXXX;ZUS.ZUA;TOOLS;");
    EXPECT_EQ(session->created.size(), 1u);
    auto document = LoadFormDocument(LoadTextResource("100/1", "XML", ModuleTestResources()), u"100/1");
    CBstr text = CFormScripts::AssembleScriptText(document.Get(), ModuleTestResources());
    EXPECT_EQ(tlx::Utf16ToUtf8(text.View()),
              "var log = 'ZUS;';\n\n"
              "log += 'ZUS/DAU;'; // koniec bez znaku końca wiersza\n"
              "log += 'ZUS/DEOZ;';\n\n"
              "log += 'ZUS/AXXX;';\n"
              "log += 'ZUS.ZUA;'; // ostatni skrypt formularza\n" +
                  tlx::Utf16ToUtf8(LoadTextResource("TOOLS", "JS", ModuleTestResources()).View()));
}

TEST_F(FormScripts, InlineScriptsCountAndMissingOnesContributeNothing) {
    Load(300, 1);
    EXPECT_EQ(EvalText(u"wlasny"), "tak") << "a script element without src is code itself";
    EXPECT_EQ(EvalText(u"log"), "TOOLS;") << "the missing script added nothing, the inline comment swallowed nothing";
}

TEST_F(FormScripts, EvaluationBindsDokumentAndPoleOnlyWhileItRuns) {
    tlx::Variant result;
    EXPECT_EQ(Evaluate(u"", nullptr, result), S_OK) << "an empty expression needs no engine";
    EXPECT_EQ(result.vt, VT_EMPTY);
    EXPECT_EQ(Evaluate(u"1", nullptr, result), E_POINTER) << "anything else does";
    Load(100, 1);
    document->Set(u"Numer", tlx::Variant::FromLong(7));
    EXPECT_EQ(Eval(u"dokument.Numer + 1").lVal + 0, 8);
    EXPECT_EQ(EvalText(u"NazwaPola()"), "(brak)");
    auto kwota = Field(u"Kwota");
    EXPECT_EQ(EvalText(u"NazwaPola()", kwota.Get()), "Kwota");
    EXPECT_EQ(EvalText(u"this.Nazwa", kwota.Get()), "Kwota") << "the field is `this`";
    EXPECT_EQ(EvalText(u"this.Numer"), "7") << "without a field the declaration is `this`";
    EXPECT_FALSE(Bound(u"dokument")) << "nothing stays bound between evaluations";
    EXPECT_FALSE(Bound(u"pole"));
    EXPECT_EQ(Eval(u"").vt, VT_EMPTY);
}

TEST_F(FormScripts, NestedEvaluationsSeeTheirOwnFieldAndRestoreTheOuterOne) {
    Load(100, 1);
    auto kwota = Field(u"Kwota");
    // As the declaration does: writing a stored field runs its onupdate with the element as "pole", and
    // reading a value provider evaluates a form expression with no field.
    document->Set(u"Kwota", formtest::Money(0));
    document->Set(u"Zdarzenie", tlx::Variant());
    document->onGet = [&](const std::u16string& name, tlx::Variant& value) {
        if (name == u"Zdarzenie") value = definition.EvaluateFormScript(CBstr(u"Zdarzenie()"), nullptr);
        return true;
    };
    // The name lookup finds the later "KWOTA"; the field with the onupdate "Zmieniono()" is the first one.
    document->afterPut = [&](const std::u16string& name) {
        if (name == u"Kwota") definition.EvaluateFormScript(definition.GetFieldByIndex(0)->OnUpdate(), kwota.Get());
    };
    auto outer = Field(u"Zewnetrzne");
    EXPECT_EQ(Text(Eval(u"log = ''; dokument.Kwota = 5; log += 'po zapisie ' + NazwaPola() + ';'; log", outer.Get())),
              "onupdate Kwota;zdarzenie (brak);po zdarzeniu Kwota;po zapisie Zewnetrzne;");
    EXPECT_FALSE(Bound(u"pole"));
    EXPECT_FALSE(Bound(u"dokument"));
}

TEST_F(FormScripts, AnErrorInANestedEvaluationReachesTheCallerWithTheBindingsRestored) {
    Load(100, 1);
    auto kwota = Field(u"Kwota");
    document->Set(u"Kwota", formtest::Money(0));
    document->afterPut = [&](const std::u16string&) {
        definition.EvaluateFormScript(CBstr(u"throw new Error(0x800565F5 | 0, 'Błąd w polu ' + pole.Nazwa)"),
                                      kwota.Get());
    };
    auto outer = Field(u"Zewnetrzne");
    tlx::Variant result;
    EXPECT_EQ(Evaluate(u"dokument.Kwota = 5; 'nie tutaj'", outer.Get(), result), static_cast<HRESULT>(0x800565F5));
    EXPECT_NE(tlx::Utf16ToUtf8(tlx::TakeErrorDescription()).find("Błąd w polu Kwota"), std::string::npos);
    EXPECT_FALSE(Bound(u"pole"));
    EXPECT_FALSE(Bound(u"dokument"));
    EXPECT_EQ(EvalText(u"NazwaPola()"), "(brak)") << "the engine goes on working";
}

TEST_F(FormScripts, ResetReturnsTheScriptsToTheirLoadedState) {
    EXPECT_EQ(ComBoundary([&] { definition.ResetScriptEngine(); }), S_OK)
        << "no engine: nothing to reset";
    Load(100, 1);
    EXPECT_EQ(EvalText(u"log += 'zmiana;'"), "ZUS;ZUS/DAU;ZUS/DEOZ;ZUS/AXXX;ZUS.ZUA;TOOLS;zmiana;");
    definition.ResetScriptEngine();
    EXPECT_EQ(EvalText(u"log"), "ZUS;ZUS/DAU;ZUS/DEOZ;ZUS/AXXX;ZUS.ZUA;TOOLS;");
}

TEST(HostObjectNames, OnlyAGlobalOfThatNameCounts) {
    const struct {
        const char16_t* text;
        bool names;
    } rows[] = {
        {u"Session.Save();", true},
        {u"var s = Konfig.Value('NIP');", true},
        {u"f(Session)", true},
        {u"Konfig", true},
        {u"// Session w komentarzu", true},
        {u"dokument.Session.Save();", false},
        {u"var SessionId = 1; MySession = 2; $Konfig = 3; Konfig_1 = 4;", false},
        {u"konfig.Value('NIP'); session.Save();", false},
        {u"dokument.Konfig; Session", true},
        {u"", false},
    };
    for (const auto& row : rows)
        EXPECT_EQ(CFormScripts::NamesHostObjects(row.text), row.names) << tlx::Utf16ToUtf8(row.text);
}

TEST_F(FormScripts, ScriptsNamingTheHostsObjectsHaveThemWhileAnEvaluationRuns) {
    Load(302, 1);
    EXPECT_EQ(EvalText(u"Nazwy()"), "true,true");
    const std::u16string configuration = tlx::GuidToText(CLSID_Konfiguracja);
    EXPECT_EQ(std::count(session->created.begin(), session->created.end(), configuration), 1)
        << "the configuration is made for the evaluation";
    EXPECT_FALSE(Bound(u"Session")) << "nothing holds the session between evaluations";
    EXPECT_FALSE(Bound(u"Konfig"));
    // A second declaration of the form, its definition taken from the cache, has them too.
    CDefinicjaDeklaracji other{ModuleTestResources()};
    ASSERT_EQ(ComBoundary([&] { other.LoadFormDefinition(document.Get(), 302, 1, session.Get()); }), S_OK);
    tlx::Variant names;
    ASSERT_EQ(ComBoundary([&] { names = other.EvaluateFormScript(CBstr(u"Nazwy()"), nullptr); }), S_OK);
    EXPECT_EQ(Text(names), "true,true");
}

TEST_F(FormScripts, ScriptsThatDoNotNameThemGetNeither) {
    Load(100, 1);
    EXPECT_EQ(EvalText(u"[typeof Session, typeof Konfig].join()"), "undefined,undefined");
    EXPECT_EQ(session->created, std::vector<std::u16string>{u"{DB7FAD44-950A-410A-A9FF-510D98FE0F49}"})
        << "only the engine is made";
}

TEST_F(ToolsLibrary, DefinesTheErrorNumbersAndDebugMode) {
    EXPECT_EQ(EvalText(u"[debugMode, ERR_RecordZero, ERR_Mv_DekParamZmienione, ERR_Mv_DekBladObliczenia].join()"),
              "true,1127,26100,26101");
}

TEST_F(ToolsLibrary, CcThrowRaisesInTheModuleRangeOnlyForSmallNumbers) {
    tlx::Variant result;
    EXPECT_EQ(Evaluate(u"CcThrow(26101, 'Błąd obliczenia')", nullptr, result), static_cast<HRESULT>(0x800565F5));
    EXPECT_EQ(tlx::Utf16ToUtf8(tlx::TakeErrorDescription()), "Błąd obliczenia");
    EXPECT_EQ(Evaluate(u"CcThrow(ERR_RecordZero, 'Brak rekordu')", nullptr, result), static_cast<HRESULT>(0x80050467));
    tlx::TakeErrorDescription();
    auto numberOf = [&](const char16_t* id) {
        return EvalText(u"(function () { try { CcThrow(" + std::u16string(id) +
                        u", 'x'); } catch (e) { return e.number; } })()");
    };
    EXPECT_EQ(numberOf(u"1"), std::to_string(static_cast<int>(0x80050001)));
    EXPECT_EQ(numberOf(u"0xFFFE"), std::to_string(static_cast<int>(0x8005FFFE)));
    EXPECT_EQ(numberOf(u"0xFFFF"), "65535") << "0xFFFF and above pass as given";
    EXPECT_EQ(numberOf(u"0"), "0");
    EXPECT_EQ(numberOf(u"-2147024809"), "-2147024809");
}

TEST_F(ToolsLibrary, CcIsDate0KnowsTheEmptyDates) {
    EXPECT_EQ(EvalText(u"[CcIsDate0(null), CcIsDate0(''), CcIsDate0(0), CcIsDate0(undefined),"
                       u" CcIsDate0(new Date(1899, 11, 30)), CcIsDate0(new Date(2017, 0, 1)), CcIsDate0(42736),"
                       u" CcIsDate0('2017-01-01')].join()"),
              "true,true,true,true,true,false,false,false");
}

TEST_F(ToolsLibrary, FormatsThroughTheHostAndTracesOnlyInDebugMode) {
    ASSERT_EQ(tlx::host::RegisterHostClasses(), S_OK);
    EXPECT_EQ(EvalText(u"CcFormatD(new Date(2017, 5, 5))"), "05.06.2017");
    EXPECT_EQ(Text(Eval(u"debugMode = false; ccClaSupport = null; CcTrace('x'); CcMessage('y');"
                        u" String(ccClaSupport === null)")),
              "true")
        << "without debugMode nothing is traced, not even the host object is made";
}

}  // namespace
