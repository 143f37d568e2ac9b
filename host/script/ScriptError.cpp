#include "host/script/ScriptError.h"

#include <cmath>
#include <cstdint>

#include "host/script/ScriptText.h"
#include "hostapi/ScriptEngine.h"
#include "platform/com/ComPtr.h"
#include "platform/com/ErrorInfo.h"

namespace tlx::host {

HRESULT HResultFromNumber(double number, HRESULT fallback) {
    if (!std::isfinite(number) || number != std::trunc(number)) return fallback;
    if (number >= 1 && number <= 0xFFFF) return MAKE_HRESULT(1, 0x0A, static_cast<unsigned>(number));
    if (number < -2147483648.0 || number > 4294967295.0) return fallback;
    auto code = static_cast<HRESULT>(static_cast<std::uint32_t>(static_cast<std::int64_t>(number)));
    return FAILED(code) ? code : fallback;
}

namespace {

// [... value] -> [... value number description line]; runs protected, so a getter that throws only loses
// the details. A safe call runs in its caller's frame: the value is addressed from the top.
duk_ret_t ReadErrorParts(duk_context* ctx, void*) {
    duk_idx_t value = duk_get_top_index(ctx);
    if (duk_is_object(ctx, value)) {
        duk_get_prop_string(ctx, value, "number");
        duk_get_prop_string(ctx, value, "description");
        if (!duk_is_string(ctx, -1)) {
            duk_pop(ctx);
            duk_get_prop_string(ctx, value, "message");
        }
        if (!duk_is_string(ctx, -1)) {
            duk_pop(ctx);
            duk_dup(ctx, value);
            duk_to_string(ctx, -1);
        }
        duk_get_prop_string(ctx, value, "lineNumber");
    } else {
        duk_push_undefined(ctx);
        duk_dup(ctx, value);
        duk_to_string(ctx, -1);
        duk_push_undefined(ctx);
    }
    return 3;
}

}  // namespace

ScriptFailure ReadThrownValue(duk_context* ctx, duk_idx_t index, HRESULT fallback) {
    ScriptFailure failure;
    failure.hr = fallback;
    duk_dup(ctx, index);
    if (duk_safe_call(ctx, ReadErrorParts, nullptr, 1, 3) != DUK_EXEC_SUCCESS) {
        duk_pop_3(ctx);
        failure.description = u"Nieznany błąd skryptu";
        return failure;
    }
    if (duk_is_number(ctx, -3)) failure.hr = HResultFromNumber(duk_get_number(ctx, -3), fallback);
    duk_size_t length = 0;
    const char* text = duk_get_lstring(ctx, -2, &length);
    if (text) failure.description = FromScriptBytes({text, length});
    if (duk_is_number(ctx, -1)) failure.line = duk_get_int(ctx, -1);
    duk_pop_3(ctx);
    return failure;
}

HRESULT ReportFailure(const ScriptFailure& failure) {
    ComPtr<ICreateErrorInfo> create;
    if (FAILED(CreateErrorInfo(create.Out()))) return failure.hr;
    Bstr description(failure.description);
    create->SetDescription(description.Get());
    Bstr source(failure.line > 0 ? u"Skrypt, wiersz " + std::u16string(FromScriptBytes(std::to_string(failure.line)))
                                 : std::u16string(u"Skrypt"));
    create->SetSource(source.Get());
    create->SetGUID(IID_IScriptEngine);
    SetErrorInfo(0, create.As<IErrorInfo>().Get());
    return failure.hr;
}

void PushComError(duk_context* ctx, HRESULT hr, std::u16string_view description) {
    int line = 0;
    duk_inspect_callstack_entry(ctx, -2);  // the script code calling the native function that failed
    if (duk_is_object(ctx, -1)) {
        duk_get_prop_string(ctx, -1, "lineNumber");
        line = duk_get_int(ctx, -1);
        duk_pop(ctx);
    }
    duk_pop(ctx);
    std::string message = ToScriptBytes(description);
    duk_push_error_object(ctx, DUK_ERR_ERROR, "%s", message.c_str());
    duk_push_int(ctx, hr);
    duk_put_prop_string(ctx, -2, "number");
    if (line > 0) {
        duk_push_string(ctx, "lineNumber");
        duk_push_int(ctx, line);
        duk_def_prop(ctx, -3, DUK_DEFPROP_HAVE_VALUE | DUK_DEFPROP_FORCE | DUK_DEFPROP_SET_WRITABLE |
                                  DUK_DEFPROP_SET_CONFIGURABLE);
    }
}

}  // namespace tlx::host
