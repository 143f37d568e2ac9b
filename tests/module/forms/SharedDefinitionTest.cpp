#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "FormTestSupport.h"
#include "host/script/ScriptEngine.h"
#include "mv_deklaracje/forms/DefinicjaDeklaracji.h"
#include "mv_deklaracje/forms/FormDefinitionCache.h"

namespace {

using formtest::CEngineSession;
using formtest::CPropertyBag;
using formtest::Text;

constexpr char16_t kLoadedLog[] = u"ZUS;ZUS/DAU;ZUS/DEOZ;ZUS/AXXX;ZUS.ZUA;TOOLS;";

// One declaration's side of a form: its own definition object, its "dokument" and its session.
struct Declaration {
    tlx::ComPtr<CEngineSession> session = CEngineSession::Make();
    tlx::ComPtr<CPropertyBag> document = CPropertyBag::Make();
    CDefinicjaDeklaracji definition{ModuleTestResources()};

    explicit Declaration(LONG typDeklar = 100, LONG wersja = 1, HMODULE resources = ModuleTestResources())
        : definition(resources) {
        definition.LoadFormDefinition(document.Get(), typDeklar, wersja, session.Get());
    }
    std::string Eval(std::u16string_view code) {
        std::string text;
        HRESULT hr = ComBoundary(
            [&] { text = Text(definition.EvaluateFormScript(CBstr(u"String(" + std::u16string(code) + u")"), nullptr)); });
        EXPECT_EQ(hr, S_OK) << tlx::Utf16ToUtf8(code) << ": " << tlx::Utf16ToUtf8(tlx::TakeErrorDescription());
        return text;
    }
};

TEST(SharedFormDefinition, TwoDeclarationsOfOneFormKeepTheirScriptStateApart) {
    Declaration first, second;
    first.document->Set(u"Numer", tlx::Variant::FromLong(1));
    second.document->Set(u"Numer", tlx::Variant::FromLong(2));
    // The second calculates while the first is in the middle of its own calculation.
    std::string inner;
    first.document->onGet = [&](const std::u16string& name, tlx::Variant&) {
        if (name == u"Numer") inner = second.Eval(u"log += 'drugi ' + dokument.Numer + ';'");
        return true;
    };
    EXPECT_EQ(first.Eval(u"log += 'pierwszy ' + dokument.Numer + ';'"),
              tlx::Utf16ToUtf8(kLoadedLog) + "pierwszy 1;");
    EXPECT_EQ(inner, tlx::Utf16ToUtf8(kLoadedLog) + "drugi 2;") << "the second's variables are its own";
    first.document->onGet = nullptr;
    EXPECT_EQ(first.Eval(u"log"), tlx::Utf16ToUtf8(kLoadedLog) + "pierwszy 1;");
    EXPECT_EQ(second.Eval(u"typeof nowaZmienna"), "undefined");
    first.Eval(u"nowaZmienna = dokument.Numer");
    EXPECT_EQ(second.Eval(u"typeof nowaZmienna"), "undefined") << "a global one declaration's script set";
    EXPECT_EQ(first.Eval(u"nowaZmienna"), "1");
    EXPECT_NE(first.definition.GetScriptEngine().Get(), second.definition.GetScriptEngine().Get());

    // The fields are the same form's, the bookmarks each declaration's own.
    ASSERT_EQ(first.definition.FieldCount(), second.definition.FieldCount());
    auto kwota1 = first.definition.FindFieldByName(u"kwota"), kwota2 = second.definition.FindFieldByName(u"KWOTA");
    ASSERT_TRUE(kwota1 && kwota2);
    EXPECT_NE(kwota1.Get(), kwota2.Get());
    EXPECT_EQ(kwota1->DispId(), kwota2->DispId());
    EXPECT_EQ(kwota1->Opis(), kwota2->Opis());
    EXPECT_EQ(kwota1->put_Bookmark(tlx::Bstr(u"12").Get()), S_OK);
    EXPECT_EQ(kwota1->Bookmark(), u"12");
    EXPECT_EQ(kwota2->Bookmark(), u"") << "a bookmark written through one declaration's field";
    EXPECT_EQ(first.definition.GetFieldByNumber(7).Get(), kwota1.Get());
}

TEST(SharedFormDefinition, ScriptStateStaysEachDeclarationsWhenTheirHeapsGoToThePool) {
    Declaration first, second;
    first.document->Set(u"Numer", tlx::Variant::FromLong(1));
    second.document->Set(u"Numer", tlx::Variant::FromLong(2));
    first.Eval(u"log += 'pierwszy ' + dokument.Numer + ';'");
    second.Eval(u"stan = dokument.Numer * 10");
    for (Declaration* declaration : {&first, &second}) {
        auto* engine = static_cast<tlx::host::CScriptEngine*>(declaration->definition.GetScriptEngine().Get());
        EXPECT_TRUE(engine->LendHeap()) << "what the events left are globals holding primitives";
    }
    EXPECT_EQ(first.Eval(u"log + '/' + typeof stan + '/' + dokument.Numer"),
              tlx::Utf16ToUtf8(kLoadedLog) + "pierwszy 1;/undefined/1");
    EXPECT_EQ(second.Eval(u"log + '/' + stan + '/' + dokument.Numer"), tlx::Utf16ToUtf8(kLoadedLog) + "/20/2");
}

TEST(SharedFormDefinition, DeclarationsOfOneFormCalculateOnSeveralThreadsApart) {
    constexpr int kThreads = 4;
    constexpr int kRounds = 20;
    std::vector<std::string> failures(kThreads);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([t, &failures] {
            for (int round = 0; round < kRounds && failures[t].empty(); ++round) {
                Declaration declaration;  // loads the shared definition, possibly while others read it
                LONG number = t * 1000 + round;
                declaration.document->Set(u"Numer", tlx::Variant::FromLong(number));
                std::string expected = tlx::Utf16ToUtf8(kLoadedLog) + std::to_string(number) + ";";
                for (int i = 0; i < 3; ++i) declaration.Eval(u"wynik = dokument.Numer");
                std::string log = declaration.Eval(u"log += wynik + ';'");
                if (log != expected) failures[t] = "thread " + std::to_string(t) + ": " + log;
            }
        });
    }
    for (std::thread& thread : threads) thread.join();
    for (const std::string& failure : failures) EXPECT_EQ(failure, "");
}

// A library of resources made by the test, whose texts the test changes in place.
class ChangingResources {
public:
    ChangingResources() {
        Set("XML", "600/1", Form(u"Pierwsze", u"src=\"ZESTAW\""));
        Set("JS", "TOOLS", "var zrodlo = 'pierwsze';");
    }
    void Set(const char* type, const char* name, std::string text) {
        for (std::size_t i = 0; i < names_.size(); ++i)
            if (names_[i] == name && types_[i] == type) {
                texts_[i] = std::move(text);
                Refresh();
                return;
            }
        types_.emplace_back(type);
        names_.emplace_back(name);
        texts_.push_back(std::move(text));
        Refresh();
    }
    HMODULE Module() const { return &table_; }

    static std::string Form(std::u16string_view field, std::u16string_view include) {
        return "<deklaracja><parametry><typ>600</typ><wersja>1</wersja></parametry><pola><" +
               tlx::Utf16ToUtf8(field) + "><parametry lp=\"1\"/></" + tlx::Utf16ToUtf8(field) + "></pola><pola " +
               tlx::Utf16ToUtf8(include) + "/></deklaracja>";
    }

private:
    void Refresh() {
        entries_.clear();
        for (std::size_t i = 0; i < texts_.size(); ++i)
            entries_.push_back({types_[i].c_str(), names_[i].c_str(),
                                reinterpret_cast<const unsigned char*>(texts_[i].data()), texts_[i].size()});
        table_ = ResourceTable{entries_.data(), entries_.size()};
    }

    std::vector<std::string> types_, names_, texts_;
    std::vector<ResourceEntry> entries_;
    ResourceTable table_{};
};

std::vector<std::string> FieldNames(const CFormDefinition& definition) {
    std::vector<std::string> names;
    for (std::size_t i = 0; i < definition.FieldCount(); ++i)
        names.push_back(tlx::Utf16ToUtf8(definition.Field(i)->nazwa.View()));
    return names;
}

TEST(SharedFormDefinition, IsReadOnceAndAgainWhenAResourceItWasReadFromChanges) {
    ChangingResources resources;
    auto read = FormDefinitionCache::Get(resources.Module(), 600, 1);
    EXPECT_EQ(FieldNames(*read), std::vector<std::string>{"Pierwsze"});
    EXPECT_EQ(FormDefinitionCache::Get(resources.Module(), 600, 0), read) << "read once: version 0 is version 1";
    Declaration early(600, 1, resources.Module());
    EXPECT_EQ(early.Eval(u"zrodlo"), "pierwsze");

    resources.Set("XML", "600/1", ChangingResources::Form(u"Drugie", u"src=\"ZESTAW\""));
    auto changed = FormDefinitionCache::Get(resources.Module(), 600, 1);
    EXPECT_NE(changed, read);
    EXPECT_EQ(FieldNames(*changed), std::vector<std::string>{"Drugie"});
    EXPECT_EQ(FieldNames(*read), std::vector<std::string>{"Pierwsze"}) << "a definition in use stays as it was read";
    EXPECT_TRUE(early.definition.FindFieldByName(u"Pierwsze"));

    resources.Set("XML", "ZESTAW", "<pola><Wlaczone><parametry lp=\"2\"/></Wlaczone></pola>");
    EXPECT_EQ(FieldNames(*FormDefinitionCache::Get(resources.Module(), 600, 1)),
              (std::vector<std::string>{"Drugie", "Wlaczone"}))
        << "an included field set missing before is read once it is there";

    resources.Set("JS", "TOOLS", "var zrodlo = 'drugie';");
    Declaration late(600, 1, resources.Module());
    EXPECT_EQ(late.Eval(u"zrodlo"), "drugie") << "a changed script is read again";
    EXPECT_EQ(early.Eval(u"zrodlo"), "pierwsze");
    EXPECT_EQ(FormDefinitionCache::Get(resources.Module(), 600, 1), FormDefinitionCache::Get(resources.Module(), 600, 1));
}

TEST(SharedFormDefinition, EachResourceLibraryHasItsOwnDefinitions) {
    auto module = FormDefinitionCache::Get(ModuleResources(), 1, 17);
    auto tests = FormDefinitionCache::Get(ModuleTestResources(), 1, 17);
    EXPECT_NE(module, tests);
    EXPECT_NE(FieldNames(*module), FieldNames(*tests)) << "the tests' VAT-7 is not the module's";
    Declaration fromTests(1, 17, ModuleTestResources());
    EXPECT_EQ(fromTests.definition.FieldCount(), tests->FieldCount());
    Declaration fromModule(1, 17, ModuleResources());
    EXPECT_EQ(fromModule.definition.FieldCount(), module->FieldCount());
}

}  // namespace
