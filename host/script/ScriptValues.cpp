#include "host/script/ScriptValues.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "host/script/ScriptError.h"
#include "host/script/ScriptRuntime.h"
#include "host/script/ScriptText.h"

namespace tlx::host {

namespace {

void PushText(duk_context* ctx, std::u16string_view text) {
    std::string bytes = ToScriptBytes(text);
    duk_push_lstring(ctx, bytes.data(), bytes.size());
}

bool PushUnsupported(duk_context* ctx, VARTYPE type) {
    PushComError(ctx, DISP_E_BADVARTYPE,
                 u"Skrypt nie obsługuje wartości typu " + FromScriptBytes(std::to_string(type)));
    return false;
}

}  // namespace

bool PushVariant(ScriptRuntime& runtime, const VARIANT& value) {
    duk_context* ctx = runtime.Context();
    if (value.vt & VT_BYREF) {
        Variant plain;
        if (FAILED(VariantCopyInd(&plain, &value))) return PushUnsupported(ctx, value.vt);
        return PushVariant(runtime, plain);
    }
    switch (value.vt) {
    case VT_EMPTY: duk_push_undefined(ctx); return true;
    case VT_NULL: duk_push_null(ctx); return true;
    case VT_BOOL: duk_push_boolean(ctx, value.boolVal != VARIANT_FALSE); return true;
    case VT_I1: duk_push_int(ctx, value.cVal); return true;
    case VT_UI1: duk_push_uint(ctx, value.bVal); return true;
    case VT_I2: duk_push_int(ctx, value.iVal); return true;
    case VT_UI2: duk_push_uint(ctx, value.uiVal); return true;
    case VT_I4: duk_push_int(ctx, value.lVal); return true;
    case VT_UI4: duk_push_uint(ctx, value.ulVal); return true;
    case VT_INT: duk_push_int(ctx, value.intVal); return true;
    case VT_UINT: duk_push_uint(ctx, value.uintVal); return true;
    case VT_I8: duk_push_number(ctx, static_cast<double>(value.llVal)); return true;
    case VT_UI8: duk_push_number(ctx, static_cast<double>(value.ullVal)); return true;
    case VT_R4: duk_push_number(ctx, value.fltVal); return true;
    case VT_R8: duk_push_number(ctx, value.dblVal); return true;
    case VT_CY: duk_push_number(ctx, static_cast<double>(value.cyVal.int64) / 10000.0); return true;
    case VT_BSTR: PushText(ctx, {value.bstrVal ? value.bstrVal : u"", SysStringLen(value.bstrVal)}); return true;
    case VT_ERROR:
        // A left-out optional argument reads as a missing value; other error codes as their number.
        if (value.scode == DISP_E_PARAMNOTFOUND_SCODE)
            duk_push_undefined(ctx);
        else
            duk_push_int(ctx, value.scode);
        return true;
    case VT_DATE: {
        auto time = CalendarFromDate(value.date);
        if (!time) {
            PushComError(ctx, DISP_E_OVERFLOW, u"Data poza zakresem");
            return false;
        }
        return runtime.PushDate(*time);
    }
    case VT_DISPATCH: runtime.Bridge().PushObject(value.pdispVal, value.pdispVal); return true;
    case VT_UNKNOWN: runtime.Bridge().PushObject(value.punkVal); return true;
    default: return PushUnsupported(ctx, value.vt);
    }
}

HRESULT ReadVariant(ScriptRuntime& runtime, duk_idx_t index, Variant& out, std::u16string& description) {
    duk_context* ctx = runtime.Context();
    out.Clear();
    switch (duk_get_type(ctx, index)) {
    case DUK_TYPE_NONE:
    case DUK_TYPE_UNDEFINED: return S_OK;
    case DUK_TYPE_NULL: out.vt = VT_NULL; return S_OK;
    case DUK_TYPE_BOOLEAN: out = Variant::FromBool(duk_get_boolean(ctx, index)); return S_OK;
    case DUK_TYPE_NUMBER: {
        double number = duk_get_number(ctx, index);
        bool integral = std::trunc(number) == number && number >= std::numeric_limits<std::int32_t>::min() &&
                        number <= std::numeric_limits<std::int32_t>::max();
        out = integral ? Variant::FromLong(static_cast<LONG>(number)) : Variant::FromDouble(number);
        return S_OK;
    }
    case DUK_TYPE_STRING: {
        duk_size_t length = 0;
        const char* bytes = duk_get_lstring(ctx, index, &length);
        out = Variant::FromString(FromScriptBytes({bytes, length}));
        return S_OK;
    }
    case DUK_TYPE_OBJECT: {
        if (ComPtr<IDispatch> dispatch = runtime.Bridge().DispatchAt(index)) {
            out = Variant::FromDispatch(dispatch.Get());
            return S_OK;
        }
        if (ComPtr<IUnknown> unknown = runtime.Bridge().ObjectAt(index)) {
            out = Variant::FromUnknown(unknown.Get());
            return S_OK;
        }
        bool invalid = false;
        if (auto time = runtime.ReadDate(index, invalid)) {
            auto date = DateFromCalendar(*time);
            if (!date) {
                description = u"Data poza zakresem";
                return DISP_E_OVERFLOW;
            }
            out = Variant::FromDate(*date);
            return S_OK;
        }
        if (invalid) {
            out.vt = VT_NULL;  // an invalid Date has no OLE date
            return S_OK;
        }
        description = u"Obiektu skryptu nie można przekazać poza skrypt";
        return DISP_E_TYPEMISMATCH;
    }
    default:
        description = u"Wartości tego rodzaju nie można przekazać poza skrypt";
        return DISP_E_TYPEMISMATCH;
    }
}

}  // namespace tlx::host
