// What the form-definition tests stand on: a session that creates the host's script engine, a small
// dispatch object with properties by name standing for the declaration ("dokument") or one of its
// fields ("pole"), and the test resources' handle.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "host/script/ClaSupport.h"
#include "host/script/ScriptEngine.h"
#include "hostapi/Session.h"
#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/forms/DefinicjaDeklaracji.h"
#include "platform/com/Dispatch.h"
#include "platform/com/ErrorInfo.h"
#include "platform/text/CodePage.h"

HMODULE ModuleTestResources();

namespace formtest {

// A reference of the test session: answers the object it was taken for.
class CReference final : public tlx::ComObject<CReference, ISessionReference> {
public:
    tlx::ComPtr<ISession> session;
    tlx::ComPtr<IDispatch> object;
    HRESULT GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    HRESULT GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override { return E_NOTIMPL; }
    HRESULT GetSession(ISession** out) override { return session.CopyTo(out); }
    HRESULT GetObject(IDispatch** out) override { return object.CopyTo(out); }
};

// A session that creates one kind of object, the host's script engine, and counts what it was asked.
class CEngineSession final : public tlx::ComObject<CEngineSession, ISession> {
public:
    std::vector<std::u16string> created;  // the class texts asked for
    HRESULT failCreate = S_OK;            // when set, CreateObject answers it
    HRESULT GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    HRESULT GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override { return E_NOTIMPL; }
    HRESULT CreateObject(BSTR classText, VARIANT, IDispatch** object) override {
        created.emplace_back(classText ? classText : u"");
        if (FAILED(failCreate)) return failCreate;
        // The host's support object writes its traces to standard error.
        if (classText && std::u16string_view(classText) == u"TLX.ClaSupport")
            return tlx::host::CClaSupport::Make()->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(object));
        auto engine = tlx::host::CScriptEngine::Make();
        return engine->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(object));
    }
    HRESULT GetReference(IDispatch* object, ISessionReference** out) override {
        auto reference = CReference::Make();
        reference->session = tlx::ComPtr<ISession>(this);
        reference->object = tlx::ComPtr<IDispatch>(object);
        *out = reference.Detach();
        return S_OK;
    }
    HRESULT Prepare() override { return S_OK; }
    HRESULT SaveChanges() override { return S_OK; }
};

// Properties by name (letter case ignored) with values set by the test; "round" rounds half away from
// zero to whole units as the declaration does for its scripts. A read can be served by `onGet` and a
// write followed by `afterPut`; a ComError they raise reaches the caller as a dispatch exception.
class CPropertyBag final : public tlx::ComObject<CPropertyBag, IDispatch> {
public:
    std::function<bool(const std::u16string& name, tlx::Variant& value)> onGet;
    std::function<void(const std::u16string& name)> afterPut;

    void Set(std::u16string_view name, tlx::Variant value) {
        DISPID id = IdOf(name);
        if (id == DISPID_UNKNOWN) {
            values_.emplace_back(std::u16string(name), std::move(value));
        } else {
            values_[id - 1].second = std::move(value);
        }
    }
    tlx::Variant Get(std::u16string_view name) const {
        DISPID id = IdOf(name);
        return id == DISPID_UNKNOWN ? tlx::Variant() : values_[id - 1].second;
    }
    // The amount of a currency property, as a double.
    double Amount(std::u16string_view name) const {
        tlx::Variant v = Get(name);
        return v.vt == VT_CY ? static_cast<double>(v.cyVal.int64) / 10000.0 : -999999.0;
    }

    HRESULT GetTypeInfoCount(UINT* count) override {
        *count = 0;
        return S_OK;
    }
    HRESULT GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override {
        HRESULT hr = S_OK;
        for (UINT i = 0; i < count; ++i) {
            ids[i] = tlx::FoldNameCase(names[i]) == u"round" ? kRound : IdOf(names[i]);
            if (ids[i] == DISPID_UNKNOWN) hr = DISP_E_UNKNOWNNAME;
        }
        return hr;
    }
    HRESULT Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                   UINT*) override {
        try {
            if (id == kRound) return Round(flags, params, result);
            if (id < 1 || id > static_cast<DISPID>(values_.size())) return DISP_E_MEMBERNOTFOUND;
            auto& [name, value] = values_[id - 1];
            if (flags & DISPATCH_PROPERTYPUT) {
                if (params->cArgs != 1) return DISP_E_BADPARAMCOUNT;
                value = tlx::Variant(params->rgvarg[0]);
                std::u16string written = name;  // the hook may add properties
                if (afterPut) afterPut(written);
                return S_OK;
            }
            if (!(flags & DISPATCH_PROPERTYGET) || params->cArgs != 0) return DISP_E_MEMBERNOTFOUND;
            tlx::Variant answer = value;
            std::u16string read = name;
            if (onGet) onGet(read, answer);
            if (result) *result = answer.Detach();
            return S_OK;
        } catch (const ComError& e) {
            return tlx::FillExcepInfo(exception, ReportComError(e));
        }
    }

private:
    static constexpr DISPID kRound = 1000000;

    DISPID IdOf(std::u16string_view name) const {
        std::u16string folded = tlx::FoldNameCase(name);
        for (std::size_t i = 0; i < values_.size(); ++i)
            if (tlx::FoldNameCase(values_[i].first) == folded) return static_cast<DISPID>(i + 1);
        return DISPID_UNKNOWN;
    }
    static HRESULT Round(WORD flags, DISPPARAMS* params, VARIANT* result) {
        if (!(flags & DISPATCH_METHOD) || params->cArgs != 1) return DISP_E_BADPARAMCOUNT;
        tlx::Variant number;
        if (HRESULT hr = VariantChangeType(number.Out(), &params->rgvarg[0], 0, VT_R8); FAILED(hr)) return hr;
        double magnitude = std::floor(std::fabs(number.dblVal) + 0.500001);
        CY amount{static_cast<LONGLONG>(magnitude * 10000.0) * (number.dblVal < 0 ? -1 : 1)};
        if (result) *result = tlx::Variant::FromCurrency(amount).Detach();
        return S_OK;
    }

    std::vector<std::pair<std::u16string, tlx::Variant>> values_;
};

inline tlx::Variant Money(double amount) {
    return tlx::Variant::FromCurrency(CY{static_cast<LONGLONG>(std::llround(amount * 10000.0))});
}

// The text of a VT_BSTR value, in UTF-8 for messages and comparisons.
inline std::string Text(const VARIANT& value) {
    return value.vt == VT_BSTR ? tlx::Utf16ToUtf8(tlx::Bstr(value.bstrVal).View()) : "<no text>";
}

inline const HRESULT kCalculation = static_cast<HRESULT>(0x800565F5);  // ERR_Mv_DekBladObliczenia
inline const HRESULT kChanged = static_cast<HRESULT>(0x800565F4);      // ERR_Mv_DekParamZmienione

// A change to a verifiable declaration and the refusal it must bring.
struct Refusal {
    const char* what;
    std::function<void()> change;
    HRESULT hr;
    std::string message;
};
// The same with the change as a line of script.
struct ScriptRefusal {
    const char* what;
    std::u16string change;
    HRESULT hr;
    std::string message;
};

// A definition of the form resources `Resources` loaded for a property bag standing for the
// declaration, with short ways to evaluate its expressions.
template <HMODULE (*Resources)()>
class FormFixture : public ::testing::Test {
protected:
    tlx::ComPtr<CEngineSession> session = CEngineSession::Make();
    tlx::ComPtr<CPropertyBag> document = CPropertyBag::Make();
    CDefinicjaDeklaracji definition{Resources()};

    void Load(LONG typDeklar, LONG wersja) {
        HRESULT hr = ComBoundary([&] { definition.LoadFormDefinition(document.Get(), typDeklar, wersja, session.Get()); });
        ASSERT_EQ(hr, S_OK) << tlx::Utf16ToUtf8(tlx::TakeErrorDescription());
    }
    // A new return of the form for 2024, as dated at the year's end: the definition loaded and the stored
    // values of a new declaration.
    void StartReturnFor2024(LONG typDeklar, LONG wersja) {
        Load(typDeklar, wersja);
        SetNewDeclarationValues();
        document->Set(u"Rok", tlx::Variant::FromLong(2024));
        document->Set(u"Miesiac", tlx::Variant::FromLong(12));
    }
    // Evaluates as the declaration does; a failure answers its HRESULT with its error object set.
    HRESULT Evaluate(std::u16string_view code, IDispatch* field, tlx::Variant& result) {
        return ComBoundary([&] { result = definition.EvaluateFormScript(CBstr(code), field); });
    }
    tlx::Variant Eval(std::u16string_view code, IDispatch* field = nullptr) {
        tlx::Variant result;
        HRESULT hr = Evaluate(code, field, result);
        EXPECT_EQ(hr, S_OK) << tlx::Utf16ToUtf8(code) << ": " << tlx::Utf16ToUtf8(tlx::TakeErrorDescription());
        return result;
    }
    // The value as the script itself writes it as text.
    std::string EvalText(std::u16string_view code, IDispatch* field = nullptr) {
        return Text(Eval(u"String(" + std::u16string(code) + u")", field));
    }
    // A new declaration's stored values: 0 and the empty text, by the field's kind.
    void SetNewDeclarationValues() {
        for (std::size_t i = 0; i < definition.FieldCount(); ++i) {
            auto field = definition.GetFieldByIndex(i);
            if (field->Obliczane()) continue;
            if (field->Typ() == detCurrency) document->Set(field->Nazwa().View(), Money(0));
            if (field->Typ() == detInteger) document->Set(field->Nazwa().View(), tlx::Variant::FromLong(0));
            if (field->Typ() == detText) document->Set(field->Nazwa().View(), tlx::Variant::FromString(u""));
        }
    }
    // Writing a stored field through "dokument" keeps the value in the field's kind (a script number
    // becomes an amount) and runs the field's onupdate with the field as "pole", as the declaration does.
    void RunOnUpdateAfterEachWrite() {
        document->afterPut = [this](const std::u16string& name) {
            auto field = definition.FindFieldByName(name);
            if (!field) return;
            if (field->Typ() == detCurrency) {
                tlx::Variant amount;
                tlx::Variant written = document->Get(name);
                ASSERT_EQ(VariantChangeType(amount.Out(), &written, 0, VT_CY), S_OK) << tlx::Utf16ToUtf8(name);
                document->Set(name, amount);
            }
            if (!field->OnUpdate().IsEmpty())
                definition.EvaluateFormScript(field->OnUpdate(), Field(field->Nazwa().c_str()).Get());
        };
    }
    // The form's "onverify": its HRESULT and, on failure, the error's text.
    std::pair<HRESULT, std::string> Verify() {
        tlx::Variant result;
        HRESULT hr = Evaluate(definition.GetEventExpression(u"onverify").View(), nullptr, result);
        return {hr, FAILED(hr) ? tlx::Utf16ToUtf8(tlx::TakeErrorDescription()) : ""};
    }
    // Each change, made to a fresh declaration (set up again, then `prepare` when given), is refused as its
    // row says.
    template <class Row, std::size_t N>
    void ExpectRefusals(const Row (&rows)[N], const std::function<void()>& prepare = {}) {
        for (const Row& row : rows) {
            SetUp();
            if (prepare) prepare();
            Change(row.change);
            auto [hr, message] = Verify();
            EXPECT_EQ(hr, row.hr) << row.what;
            EXPECT_EQ(message, row.message) << row.what;
        }
    }
    void Change(const std::function<void()>& change) { change(); }
    void Change(std::u16string_view script) { Eval(script); }
    // Position P_n's value as a number, whatever kind the script wrote it as; -999999 when it is none.
    double Amount(int n) {
        tlx::Variant value = document->Get(u"P_" + tlx::Utf8ToUtf16(std::to_string(n)));
        tlx::Variant number;
        return SUCCEEDED(VariantChangeType(number.Out(), &value, 0, VT_R8)) ? number.dblVal : -999999;
    }
    // Evaluates the named expression `name` of the definition.
    tlx::Variant Fire(std::u16string_view name) { return Eval(definition.GetEventExpression(name).View()); }
    tlx::ComPtr<IDispatch> Bound(const char16_t* name) {
        tlx::ComPtr<IDispatch> object;
        EXPECT_EQ(definition.GetScriptEngine()->GetNamedItem(tlx::Bstr(name).Get(), object.Out()), S_OK);
        return object;
    }
    // A stored field's element as the scripts see it through "pole".
    static tlx::ComPtr<CPropertyBag> Field(const char16_t* name) {
        auto field = CPropertyBag::Make();
        field->Set(u"Nazwa", tlx::Variant::FromString(name));
        return field;
    }
};

}  // namespace formtest
