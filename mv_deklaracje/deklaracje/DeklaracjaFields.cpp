// The form's fields as properties of the declaration: dispatch names and identifiers after the type
// library's members, reads and writes of computed and stored fields, and the lookups by name, number
// and printed number.
#include "mv_deklaracje/deklaracje/Deklaracja.h"
#include "mv_deklaracje/core/ScriptValue.h"

namespace {

using TypeLibraryDispatch = tlx::Dispatch<IDeklaracja2Slots>;

constexpr OLECHAR kUnknownName[] = u"Brak definicji pola o nazwie '%s'";
constexpr OLECHAR kUnknownDispId[] = u"Brak definicji pola o dispid '%d'";

[[noreturn]] void RaiseNoCode(const CBstr& name, const OLECHAR* kind) {
    CBstr text = CBstr(u"Właściwość '") + name.View() + std::u16string_view(u"' nie posiada kodu '") +
                 std::u16string_view(kind) + std::u16string_view(u"'.");
    RaiseComError(E_FAIL, text.View());
}

}  // namespace

HRESULT CDeklaracja::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids) {
    HRESULT hr = TypeLibraryDispatch::GetIDsOfNames(iid, names, count, lcid, ids);
    if (hr != DISP_E_UNKNOWNNAME) return hr;
    return ComBoundary([&]() -> HRESULT {
        EnsureFormLoaded();
        HRESULT answer = S_OK;
        for (UINT i = 0; i < count; ++i) {
            if (ids[i] != DISPID_UNKNOWN) continue;
            tlx::ComPtr<CDekElementInfo> field = definition_.FindFieldByName(names[i] ? names[i] : u"");
            if (field)
                ids[i] = field->DispId();
            else
                answer = DISP_E_UNKNOWNNAME;
        }
        return answer;
    });
}

HRESULT CDeklaracja::Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                            EXCEPINFO* exception, UINT* argError) {
    if (id < IDeklaracja2::kFirstFieldDispid)
        return TypeLibraryDispatch::Invoke(id, iid, lcid, flags, params, result, exception, argError);
    return InvokeField(id, flags, params, result, exception);
}

HRESULT CDeklaracja::GetMemberKinds(DISPID id, WORD* kinds, UINT* arguments, UINT* required) {
    if (id < IDeklaracja2::kFirstFieldDispid)
        return TypeLibraryDispatch::GetMemberKinds(id, kinds, arguments, required);
    if (!definition_.GetFieldByDispId(id)) return DISP_E_MEMBERNOTFOUND;
    if (kinds) *kinds = DISPATCH_PROPERTYGET | DISPATCH_PROPERTYPUT;
    if (arguments) *arguments = 0;
    if (required) *required = 0;
    return S_OK;
}

// A failure of the field (a missing field, a script error, a failing element) reaches a caller that
// passed an EXCEPINFO as DISP_E_EXCEPTION with the error's code and texts.
HRESULT CDeklaracja::InvokeField(DISPID id, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception) {
    try {
        tlx::ComPtr<CDekElementInfo> field = definition_.GetFieldByDispId(id);
        if (!field) RaiseComErrorFormat(DISP_E_MEMBERNOTFOUND, kUnknownDispId, static_cast<int>(id));
        UINT given = params ? params->cArgs : 0;
        UINT named = params ? params->cNamedArgs : 0;
        if (flags == DISPATCH_PROPERTYGET) {
            if (given != 0 || named != 0) return DISP_E_BADPARAMCOUNT;
            tlx::Variant value = GetFieldValue(*field.Get());
            if (result) {
                VariantClear(result);
                *result = value.Detach();
            }
            return S_OK;
        }
        if (flags == DISPATCH_PROPERTYPUT || flags == DISPATCH_PROPERTYPUTREF ||
            flags == (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
            if (given != 1) return DISP_E_BADPARAMCOUNT;
            PutFieldValue(*field.Get(), params->rgvarg[0]);
            return S_OK;
        }
        return DISP_E_MEMBERNOTFOUND;
    } catch (const ComError& e) {
        HRESULT hr = ReportComError(e);
        return exception ? tlx::FillExcepInfo(exception, hr) : hr;
    } catch (...) {
        return ReportUnexpected(std::source_location::current());
    }
}

tlx::ComPtr<CDekElementInfo> CDeklaracja::FindFieldDefinitionByName(const CBstr& name) {
    tlx::ComPtr<CDekElementInfo> field = definition_.FindFieldByName(name.View());
    if (!field) RaiseComErrorFormat(DISP_E_MEMBERNOTFOUND, kUnknownName, name.c_str());
    return field;
}

tlx::ComPtr<IDekElement> CDeklaracja::GetFieldElement(CDekElementInfo& field) {
    tlx::ComPtr<IDispatch> item;
    CheckHost(ChildCollection(Child::Elements)->Item(field.ItemKey(), item.Out()));
    tlx::ComPtr<IDekElement> element = item.As<IDekElement>();
    if (!element) RaiseHResult(E_POINTER);
    return element;
}

tlx::Variant CDeklaracja::GetFieldValue(CDekElementInfo& field) {
    if (field.Obliczane()) {
        if (field.OnGet().IsEmpty()) RaiseNoCode(field.Nazwa(), u"get");
        return definition_.EvaluateFormScript(field.OnGet(), nullptr);
    }
    tlx::Variant value;
    CheckHost(GetFieldElement(field)->get_Wartosc(value.Out()));
    return value;
}

// A computed field's "put" code receives the written value as the script variable `value`, handed over
// as data: whatever the text holds (apostrophes, backslashes, line breaks, the word "value"), it arrives
// unchanged, and numbers, dates, booleans and null arrive as script values. The code runs as the body
// of a function, with `this` the declaration and `pole` null, as a form expression without a field.
void CDeklaracja::PutFieldValue(CDekElementInfo& field, const VARIANT& value) {
    if (field.Obliczane()) {
        if (field.OnPut().IsEmpty()) RaiseNoCode(field.Nazwa(), u"put");
        auto holder = CScriptValue::Make(value);
        CBstr code = CBstr(u"(function (value, pole) {\n") + field.OnPut() +
                     std::u16string_view(u"\n}).call(dokument, pole.value, null);");
        tlx::ComPtr<IDispatch> data(holder.Get());
        definition_.EvaluateFormScript(code, data.Get());
        return;
    }
    CheckHost(GetFieldElement(field)->put_Wartosc(value));
}

HRESULT CDeklaracja::get_Wartosc(BSTR name, VARIANT* value) {
    return ComBoundary([&] {
        RequireOut(value);
        EnsureFormLoaded();
        tlx::Variant read = GetFieldValue(*FindFieldDefinitionByName(CBstr(name)).Get());
        VariantClear(value);
        *value = read.Detach();
    });
}

HRESULT CDeklaracja::put_Wartosc(BSTR name, VARIANT value) {
    return ComBoundary([&] {
        EnsureFormLoaded();
        PutFieldValue(*FindFieldDefinitionByName(CBstr(name)).Get(), value);
    });
}

HRESULT CDeklaracja::get_Pole(BSTR name, IDekElement** element) {
    return ComBoundary([&] {
        RequireOut(element);
        *element = nullptr;
        EnsureFormLoaded();
        *element = GetFieldElement(*FindFieldDefinitionByName(CBstr(name)).Get()).Detach();
    });
}

HRESULT CDeklaracja::get_Info(LONG number, IDekElementInfo** info) {
    return ComBoundary([&] {
        RequireOut(info);
        *info = nullptr;
        EnsureFormLoaded();
        *info = tlx::ComPtr<IDekElementInfo>(definition_.GetFieldByNumber(number)).Detach();
    });
}

HRESULT CDeklaracja::InfoStr(BSTR name, IDispatch** info) {
    return ComBoundary([&] {
        RequireOut(info);
        *info = nullptr;
        EnsureFormLoaded();
        *info = tlx::ComPtr<IDispatch>(FindFieldDefinitionByName(CBstr(name))).Detach();
    });
}

HRESULT CDeklaracja::InfoLpw(LONG printedNumber, IDispatch** info) {
    return ComBoundary([&] {
        RequireOut(info);
        *info = nullptr;
        EnsureFormLoaded();
        *info = tlx::ComPtr<IDispatch>(definition_.FindFieldByLpw(printedNumber)).Detach();
    });
}

namespace {
// The code of a stored value's field, read through its definition.
CBstr ElementCode(IDekElement* element, HRESULT (IDekElementInfo::*member)(BSTR*)) {
    if (!element) RaiseHResult(E_POINTER);
    tlx::ComPtr<IUnknown> unknown;
    CheckHost(element->get_Info(unknown.Out()));
    tlx::ComPtr<IDekElementInfo> info = unknown.As<IDekElementInfo>();
    if (!info) RaiseHResult(E_POINTER);
    tlx::Bstr code;
    CheckHost((info.Get()->*member)(code.Out()));
    return CBstr(code.View());
}
}  // namespace

HRESULT CDeklaracja::CallUpdate(IDekElement* element) {
    return ComBoundary([&] {
        CBstr code = ElementCode(element, &IDekElementInfo::get_OnUpdate);
        tlx::ComPtr<IDispatch> field(element);
        definition_.EvaluateFormScript(code, field.Get());
    });
}

HRESULT CDeklaracja::CallDefault(IDekElement* element, VARIANT* value) {
    return ComBoundary([&] {
        RequireOut(value);
        CBstr code = ElementCode(element, &IDekElementInfo::get_Default);
        tlx::ComPtr<IDispatch> field(element);
        tlx::Variant result =
            code.IsEmpty() ? tlx::Variant::FromString(u"") : definition_.EvaluateFormScript(code, field.Get());
        VariantClear(value);
        *value = result.Detach();
    });
}
