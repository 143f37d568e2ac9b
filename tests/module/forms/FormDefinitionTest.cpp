#include <gtest/gtest.h>

#include "FormTestSupport.h"
#include "mv_deklaracje/forms/DefinicjaDeklaracji.h"

namespace {

class FormDefinition : public formtest::FormFixture<ModuleTestResources> {
protected:
    // Loads as the declaration's first field access would, answering as a COM member does.
    HRESULT TryLoad(LONG typDeklar, LONG wersja) {
        return ComBoundary([&] { definition.LoadFormDefinition(document.Get(), typDeklar, wersja, session.Get()); });
    }
    static std::string Name(const tlx::ComPtr<CDekElementInfo>& field) {
        return field ? tlx::Utf16ToUtf8(field->Nazwa().View()) : "<none>";
    }
    // The HRESULT and description of a call that raises.
    template <class Body>
    static std::pair<HRESULT, std::string> Failure(Body&& body) {
        HRESULT hr = ComBoundary([&] { body(); });
        return {hr, tlx::Utf16ToUtf8(tlx::TakeErrorDescription())};
    }
};

TEST_F(FormDefinition, ResourceNamesTakeVersionOneForVersionsBelowOne) {
    EXPECT_EQ(CDefinicjaDeklaracji::FormResourceName(1, 17), u"1/17");
    EXPECT_EQ(CDefinicjaDeklaracji::FormResourceName(100, 0), u"100/1");
    EXPECT_EQ(CDefinicjaDeklaracji::FormResourceName(100, -3), u"100/1");
    // "300/1" writes its type and version with a leading zero and blanks: only the leading digits count.
    Load(300, 0);
    EXPECT_TRUE(definition.IsLoaded());
    EXPECT_EQ(definition.FieldCount(), 1u);
    Load(300, -5);
    EXPECT_EQ(TryLoad(300, 2), E_FAIL) << "there is no 300/2";
}

TEST_F(FormDefinition, IncludedFieldSetsStandInPlaceAndFieldsNumberFromDefinitionOrder) {
    Load(100, 1);
    const std::vector<std::string> expected = {"Kwota", "Tekst", "Data",  "Liczba",        "Ulamek",
                                               "Suma",  "KWOTA", "Pole8", "Pole9",         "Pole10",
                                               "NIP",   "REGON", "DataUrodzenia", "Nazwisko", "Imie"};
    ASSERT_EQ(definition.FieldCount(), expected.size())
        << "the inline block, then \"ZUS\" without the block's own children, nothing of the missing "
           "\"BRAK\", then \"zus/dipl\" found as ZUS/DIPL";
    for (std::size_t i = 0; i < expected.size(); ++i) {
        auto field = definition.GetFieldByIndex(i);
        EXPECT_EQ(Name(field), expected[i]) << "position " << i;
        EXPECT_EQ(field->DispId(), 100000 + static_cast<LONG>(i)) << expected[i];
        EXPECT_EQ(definition.GetFieldByDispId(field->DispId()).Get(), field.Get()) << expected[i];
    }
    EXPECT_EQ(Name(definition.GetFieldByDispId(100010)), "NIP") << "the first included field follows the ten inline ones";
    EXPECT_FALSE(definition.GetFieldByDispId(100015)) << "one past the last field is no error";
    auto [hr, message] = Failure([&] { definition.GetFieldByDispId(99999); });
    EXPECT_EQ(hr, DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(message, "Brak definicji pola o dispid '99999'");
}

TEST_F(FormDefinition, LaterFieldsWinTheNameLookupAndEachNumberHasOneField) {
    Load(100, 1);
    auto first = definition.GetFieldByIndex(0), second = definition.GetFieldByIndex(6);
    EXPECT_NE(first->DispId(), second->DispId()) << "\"Kwota\" and \"KWOTA\" each keep their own identifier";
    EXPECT_EQ(definition.FindFieldByName(u"Kwota").Get(), second.Get());
    EXPECT_EQ(definition.FindFieldByName(u"kwota").Get(), second.Get());
    EXPECT_EQ(Name(definition.FindFieldByName(u"dataurodzenia")), "DataUrodzenia");
    EXPECT_FALSE(definition.FindFieldByName(u"Brak"));
    EXPECT_EQ(Name(definition.GetFieldByNumber(1)), "Kwota");
    EXPECT_EQ(Name(definition.GetFieldByNumber(9)), "Pole9") << "two fields of one number are refused (200/13)";
    EXPECT_EQ(Name(definition.GetFieldByNumber(0)), "Suma") << "a computed field has number 0";
    EXPECT_EQ(Name(definition.GetFieldByNumber(202)), "Imie");
    auto [hr, message] = Failure([&] { definition.GetFieldByNumber(42); });
    EXPECT_EQ(hr, DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(message, "Brak definicji pola o numerze '42'");
    EXPECT_EQ(Name(definition.FindFieldByLpw(11)), "Kwota") << "the first of two fields with lpw 11";
    EXPECT_FALSE(definition.FindFieldByLpw(5)) << "\"lpw.\" is no lpw";
}

TEST_F(FormDefinition, StoredFieldsReadTheirAttributes) {
    Load(100, 1);
    struct Row {
        std::size_t position;
        DekElementTypEnum typ;
        LONG lp, lpw, lpw2;
        bool required;
        std::string opis, onUpdate, def;
    };
    const Row rows[] = {
        {0, detCurrency, 1, 11, 0, true, "Kwota pierwsza", "Zmieniono()", ""},  // Kwota: no typ gives money
        {1, detText, 2, 12, 3, false, "Tekst", "", "'abc'"},                  // Tekst: "T" is "t"
        {2, detDate, 3, 0, 0, false, "", "", ""},                              // Data: "default." is no default
        {3, detInteger, 4, 11, 0, true, "", "", ""},                           // Liczba: req="1"
        {4, detFraction, 5, 0, 0, false, "", "", ""},                          // Ulamek: req="false"
        {7, detCurrency, 8, 0, 0, false, "", "", ""},                          // Pole8: misspelt names ignored
        {9, detCurrency, 10, 0, 0, false, "", "", ""},                         // Pole10: an <opis> child is no opis
        {12, detDate, 103, 0, 0, false, "", "", ""},                           // DataUrodzenia: "D" is "d"
    };
    auto utf8 = [](const CBstr& text) { return tlx::Utf16ToUtf8(text.View()); };
    for (const Row& row : rows) {
        auto field = definition.GetFieldByIndex(row.position);
        std::string name = Name(field);
        EXPECT_FALSE(field->Obliczane()) << name;
        EXPECT_EQ(field->Typ(), row.typ) << name;
        EXPECT_EQ(field->Lp(), row.lp) << name;
        EXPECT_EQ(field->Lpw(), row.lpw) << name;
        EXPECT_EQ(field->Lpw2(), row.lpw2) << name;
        EXPECT_EQ(field->Required(), row.required) << name;
        EXPECT_EQ(utf8(field->Opis()), row.opis) << name;
        const VARIANT& opisText = field->OpisText();
        ASSERT_EQ(opisText.vt, VT_BSTR) << name;
        ASSERT_NE(opisText.bstrVal, nullptr) << name << ": no opis is the empty text, written as such";
        EXPECT_EQ(tlx::Utf16ToUtf8(std::u16string_view(opisText.bstrVal, SysStringLen(opisText.bstrVal))), row.opis)
            << name;
        EXPECT_EQ(utf8(field->OnUpdate()), row.onUpdate) << name;
        EXPECT_EQ(utf8(field->Default()), row.def) << name;
    }
}

TEST_F(FormDefinition, ComputedFieldsReadOnlyTheirCodeAndAnswerThroughDispatch) {
    Load(100, 1);
    auto suma = definition.FindFieldByName(u"Suma");
    ASSERT_TRUE(suma);
    EXPECT_EQ(suma->OnGet(), u"dokument.Kwota * 2");
    EXPECT_EQ(suma->OnPut(), u"Ustaw(value)");
    // Its typ "x", lp, opis, onupdate and req="maybe" are not read, so none of them is an error.
    tlx::ComPtr<IDekElementInfo> info(suma.Get());
    DekElementTypEnum kind = detCurrency;
    LONG lp = -1, required = -1, computed = -1, dispid = 0;
    ASSERT_EQ(info->get_Typ(&kind), S_OK);
    info->get_Lp(&lp);
    info->get_Required(&required);
    info->get_Obliczane(&computed);
    info->get_DispId(&dispid);
    EXPECT_EQ(kind, detUndefined);
    EXPECT_EQ(lp, 0);
    EXPECT_EQ(required, 0);
    EXPECT_EQ(computed, 1) << "true answers 1, not -1";
    EXPECT_EQ(dispid, 100005);
    BSTR text = reinterpret_cast<BSTR>(1);
    ASSERT_EQ(info->get_Opis(&text), S_OK);
    EXPECT_EQ(text, nullptr) << "an empty text goes out as a null string";
    EXPECT_EQ(info->get_Opis(nullptr), E_POINTER);
    EXPECT_EQ(info->get_Lp(nullptr), E_POINTER);

    // Scripts and the host read the same members by name; only Bookmark can be written.
    tlx::ComPtr<IDispatch> dispatch(suma.Get());
    LPOLESTR names[] = {const_cast<LPOLESTR>(u"nazwa"), const_cast<LPOLESTR>(u"ONGET")};
    DISPID ids[2] = {0, 0};
    ASSERT_EQ(dispatch->GetIDsOfNames(IID_NULL, names, 2, 0, ids), S_OK);
    EXPECT_EQ(ids[0], 100);
    EXPECT_EQ(ids[1], 109);
    DISPPARAMS none{};
    tlx::Variant value;
    ASSERT_EQ(dispatch->Invoke(100, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, value.Out(), nullptr, nullptr), S_OK);
    EXPECT_EQ(formtest::Text(value), "Suma");
    ASSERT_EQ(info->put_Bookmark(tlx::Bstr(u"12").Get()), S_OK);
    tlx::Bstr bookmark;
    ASSERT_EQ(info->get_Bookmark(bookmark.Out()), S_OK);
    EXPECT_EQ(bookmark.View(), u"12");
    EXPECT_EQ(suma->Bookmark(), u"12");
}

TEST_F(FormDefinition, ParametersAndNamedExpressions) {
    auto [hr, message] = Failure([&] { definition.GetEventExpression(u"onload"); });
    EXPECT_EQ(hr, E_POINTER) << "no definition, no expressions";
    Load(100, 1);
    EXPECT_EQ(definition.Symbol(), u"ZUSZUA");
    EXPECT_EQ(definition.DataObowiazywaniaOd(), 201307);
    EXPECT_EQ(definition.DataObowiazywaniaDo(), 201612);
    EXPECT_TRUE(definition.Autonumeracja()) << "autonumeracja=\"1\"";
    EXPECT_EQ(definition.GetEventExpression(u"oncalculate"), u"log += 'oncalculate;'");
    EXPECT_EQ(definition.GetEventExpression(u"OnCalculate"), u"") << "names are exact";
    EXPECT_EQ(definition.GetEventExpression(u"onverify"), u"") << "an absent expression is empty";
    EXPECT_EQ(definition.GetEventExpression(u"autonumeracja"), u"1");
    Load(300, 1);
    EXPECT_FALSE(definition.Autonumeracja());
    EXPECT_EQ(definition.Symbol(), u"") << "300/1 has no symbol";
    EXPECT_EQ(definition.DataObowiazywaniaOd(), 0) << "open validity";
}

TEST_F(FormDefinition, EveryFailureGivesItsMessageAndLeavesNothingLoaded) {
    struct Row {
        LONG wersja;
        HRESULT hr;
        std::string message;  // a prefix of the description
    };
    const Row rows[] = {
        {1, static_cast<HRESULT>(0x80040203), "Błąd ładowania definicji deklaracji - niezgodny typ dokumentu."},
        {2, static_cast<HRESULT>(0x80040204), "Błąd ładowania definicji deklaracji - niezgodna wersja dokumentu."},
        {3, E_FAIL, "Deklaracja/Loader: Błąd wyszukiwania węzła \"typ\"."},
        {4, E_FAIL, "Deklaracja/Loader: Błąd wyszukiwania węzła \"wersja\"."},
        {5, E_FAIL, "Pole(\"BezParametrow\")/Loader: Błąd wyszukania węzła \"parametry\"."},
        {6, static_cast<HRESULT>(0x80040205), "Błąd odczytu typu pola."},
        {7, DISP_E_TYPEMISMATCH, ""},  // req="maybe"
        {8, E_FAIL, "Zasób \"200/8\" nie jest poprawnym dokumentem XML: "},
        {9, E_FAIL, "Deklaracja/Loader: Błąd wyszukiwania węzła \"/deklaracja/parametry\"."},  // no such resource
        {10, E_FAIL, "Zasób \"ZLY\" nie jest poprawnym dokumentem XML: "},  // an included set that does not parse
        {11, DISP_E_TYPEMISMATCH, ""},  // lp="abc"
        {12, E_FAIL, "Deklaracja/Loader: Błąd wyszukiwania węzła \"/deklaracja/parametry\"."},  // other root
        {13, E_FAIL, "Pole(\"Drugie\")/Loader: numer 7 ma już pole \"Pierwsze\"."},
    };
    for (const Row& row : rows) {
        Load(100, 1);  // a loaded definition first: a failed load must not leave any of it
        EXPECT_EQ(TryLoad(200, row.wersja), row.hr) << "200/" << row.wersja;
        std::string message = tlx::Utf16ToUtf8(tlx::TakeErrorDescription());
        EXPECT_EQ(message.substr(0, row.message.size()), row.message) << "200/" << row.wersja << ": " << message;
        EXPECT_FALSE(definition.IsLoaded()) << "200/" << row.wersja;
        EXPECT_EQ(definition.FieldCount(), 0u) << "200/" << row.wersja;
        EXPECT_FALSE(definition.GetScriptEngine()) << "200/" << row.wersja;
        EXPECT_EQ(definition.Symbol(), u"") << "200/" << row.wersja;
        EXPECT_EQ(Failure([&] { definition.GetEventExpression(u"oncalculate"); }).first, E_POINTER);
    }
    TryLoad(200, 8);
    EXPECT_NE(tlx::Utf16ToUtf8(tlx::TakeErrorDescription()).find("(wiersz 8, kolumna"), std::string::npos)
        << "the parser's position is given";
}

TEST_F(FormDefinition, FailedLoadIsRetriedFromTheStart) {
    for (int attempt = 0; attempt < 2; ++attempt) {
        EXPECT_EQ(TryLoad(200, 2), static_cast<HRESULT>(0x80040204)) << "attempt " << attempt;
        EXPECT_EQ(definition.FieldCount(), 0u) << "attempt " << attempt;
    }
    Load(100, 1);
    EXPECT_EQ(EvalText(u"log += 'raz;'"), "ZUS;ZUS/DAU;ZUS/DEOZ;ZUS/AXXX;ZUS.ZUA;TOOLS;raz;");
    Load(100, 1);
    EXPECT_EQ(definition.FieldCount(), 15u) << "a second load replaces the fields, it does not add to them";
    EXPECT_EQ(EvalText(u"log"), "ZUS;ZUS/DAU;ZUS/DEOZ;ZUS/AXXX;ZUS.ZUA;TOOLS;") << "the new load's own script state";
    EXPECT_EQ(session->created.size(), 2u) << "each successful load has its own engine";
}

TEST_F(FormDefinition, EngineCreationFailureEndsTheEvaluationThatNeededIt) {
    session->failCreate = E_ACCESSDENIED;
    Load(100, 1);
    EXPECT_TRUE(definition.IsLoaded()) << "the engine is created when a script first runs";
    tlx::Variant result;
    EXPECT_EQ(Evaluate(u"", nullptr, result), S_OK) << "an empty expression needs no engine";
    EXPECT_EQ(Evaluate(u"1", nullptr, result), E_ACCESSDENIED);
    EXPECT_FALSE(definition.GetScriptEngine()) << "nothing of the failed creation is kept";
    session->failCreate = S_OK;
    EXPECT_EQ(EvalText(u"log"), "ZUS;ZUS/DAU;ZUS/DEOZ;ZUS/AXXX;ZUS.ZUA;TOOLS;") << "the next evaluation creates it";
    EXPECT_EQ(session->created.size(), 2u);
}

}  // namespace
