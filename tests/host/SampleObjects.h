// Small dispatch objects the script engine's tests drive: members of every kind, with strict flag checks
// (a property answers only a property read, a method only a call), and a collection with an enumerator.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/com/Enumerators.h"
#include "platform/com/ComObject.h"
#include "platform/com/ErrorInfo.h"
#include "platform/com/Variant.h"

namespace sample {

// The sample object. Members (name: DISPID, kind):
//   Name 1 property get/put (text); Count 2 property get; Add(a, b) 3 method; Item(i) 0 default member,
//   a property read with one argument; Child 4 property get (another sample object, made once);
//   Fail(hr, text) 5 method that fails with hr and text; Value 6 property get/put of any VARIANT (runs
//   onPut after a write); Field 100000 property that, like a declaration's field, answers only exactly
//   DISPATCH_PROPERTYGET, or DISPATCH_PROPERTYPUT with the named argument; _NewEnum -4.
class CSample final : public tlx::ComObject<CSample, IDispatch> {
public:
    struct Call {
        DISPID id;
        WORD flags;
        UINT args;
        UINT named;
        DISPID namedId;
    };

    std::u16string name = u"sample";
    std::vector<tlx::Variant> items;
    tlx::Variant value;
    tlx::Variant field = tlx::Variant::FromLong(7);
    std::vector<Call> calls;
    std::function<HRESULT(const VARIANT&)> onPut;
    int lookups = 0;  // GetIDsOfNames calls

    ULONG RefCount() {
        AddRef();
        return Release();
    }

    HRESULT GetTypeInfoCount(UINT* count) override {
        *count = 0;
        return S_OK;
    }
    HRESULT GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override {
        static const std::pair<std::u16string_view, DISPID> table[] = {
            {u"name", 1}, {u"count", 2}, {u"add", 3},  {u"item", 0},        {u"child", 4},
            {u"fail", 5}, {u"value", 6}, {u"field", 100000}, {u"_newenum", DISPID_NEWENUM}};
        ++lookups;
        HRESULT hr = S_OK;
        for (UINT i = 0; i < count; ++i) {
            std::u16string lowered(names[i]);
            for (auto& c : lowered)
                if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
            ids[i] = DISPID_UNKNOWN;
            for (const auto& [n, id] : table)
                if (n == lowered) ids[i] = id;
            if (ids[i] == DISPID_UNKNOWN) hr = DISP_E_UNKNOWNNAME;
        }
        return hr;
    }

    HRESULT Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO*,
                   UINT*) override {
        calls.push_back({id, flags, params->cArgs, params->cNamedArgs,
                         params->cNamedArgs ? params->rgdispidNamedArgs[0] : DISPID_UNKNOWN});
        const bool get = flags & DISPATCH_PROPERTYGET, put = flags & DISPATCH_PROPERTYPUT,
                   method = flags & DISPATCH_METHOD;
        auto arg = [&](UINT i) -> const VARIANT& { return params->rgvarg[params->cArgs - 1 - i]; };
        auto answer = [&](tlx::Variant v) {
            if (result) *result = v.Detach();
            return S_OK;
        };
        switch (id) {
        case 1:
            if (put && params->cArgs == 1 && arg(0).vt == VT_BSTR) {
                name = tlx::Bstr(arg(0).bstrVal).Str();
                return S_OK;
            }
            if (get && params->cArgs == 0) return answer(tlx::Variant::FromString(name));
            break;
        case 2:
            if (get && params->cArgs == 0) return answer(tlx::Variant::FromLong(static_cast<LONG>(items.size())));
            break;
        case 3:
            if (method && params->cArgs == 2 && arg(0).vt == VT_I4 && arg(1).vt == VT_I4)
                return answer(tlx::Variant::FromLong(arg(0).lVal + arg(1).lVal));
            if (method) return DISP_E_BADPARAMCOUNT;
            break;
        case 0:
            if (get && params->cArgs == 1 && arg(0).vt == VT_I4 && arg(0).lVal >= 0 &&
                static_cast<std::size_t>(arg(0).lVal) < items.size())
                return answer(items[arg(0).lVal]);
            if (get && params->cArgs == 1) return DISP_E_BADINDEX;
            if (get) return DISP_E_BADPARAMCOUNT;
            break;
        case 4:
            if (get && params->cArgs == 0) {
                if (!child_) child_ = CSample::Make();
                return answer(tlx::Variant::FromDispatch(child_.Get()));
            }
            break;
        case 5:
            if (method && params->cArgs == 2)
                return tlx::SetErrorText(arg(0).lVal, tlx::Bstr(arg(1).bstrVal).View());
            break;
        case 6:
            if (put && params->cArgs == 1) {
                value = tlx::Variant(arg(0));
                return onPut ? onPut(value) : S_OK;
            }
            if (get && params->cArgs == 0) return answer(value);
            break;
        case 100000:
            if (flags == DISPATCH_PROPERTYGET && params->cArgs == 0) return answer(field);
            if (flags == DISPATCH_PROPERTYPUT && params->cArgs == 1 && params->cNamedArgs == 1 &&
                params->rgdispidNamedArgs[0] == DISPID_PROPERTYPUT) {
                field = tlx::Variant(arg(0));
                return S_OK;
            }
            break;
        case DISPID_NEWENUM:
            if (get || method) {
                auto walk = tlx::MakeVariantEnumerator(items);
                return answer(tlx::Variant::FromUnknown(walk.Get()));
            }
            break;
        }
        return DISP_E_MEMBERNOTFOUND;
    }

private:
    tlx::ComPtr<CSample> child_;
};

// An object with nothing but a default value (DISPID_VALUE, read without arguments).
class CNamed final : public tlx::ComObject<CNamed, IDispatch> {
public:
    std::u16string text = u"named";

    HRESULT GetTypeInfoCount(UINT* count) override {
        *count = 0;
        return S_OK;
    }
    HRESULT GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT GetIDsOfNames(REFIID, LPOLESTR*, UINT count, LCID, DISPID* ids) override {
        for (UINT i = 0; i < count; ++i) ids[i] = DISPID_UNKNOWN;
        return DISP_E_UNKNOWNNAME;
    }
    HRESULT Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO*,
                   UINT*) override {
        if (id != DISPID_VALUE || !(flags & DISPATCH_PROPERTYGET) || params->cArgs != 0)
            return DISP_E_MEMBERNOTFOUND;
        *result = tlx::Variant::FromString(text).Detach();
        return S_OK;
    }
};

}  // namespace sample
