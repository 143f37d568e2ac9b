#include "host/script/JScriptLibrary.h"

#include "host/script/ScriptError.h"
#include "host/script/ScriptRuntime.h"
#include "host/script/ScriptText.h"
#include "platform/com/ErrorInfo.h"

namespace tlx::host {

namespace {

constexpr const char* kPrelude = R"js((function (global, NativeError) {
    'use strict';
    function Error(number, description) {
        var error;
        if (typeof number === 'number') {
            error = new NativeError(description === undefined ? '' : String(description));
            error.number = number;
        } else {
            error = new NativeError(number);
        }
        // Positioned where the script asked for it, not here.
        var caller = Duktape.act(-3);
        if (caller && caller.lineNumber) {
            Object.defineProperty(error, 'lineNumber', { value: caller.lineNumber, writable: true, configurable: true });
        }
        return error;
    }
    Error.prototype = NativeError.prototype;
    Object.defineProperty(NativeError.prototype, 'constructor', { value: Error, writable: true, configurable: true });
    Object.defineProperty(NativeError.prototype, 'description', {
        get: function () { return this.message; },
        set: function (text) { this.message = text; },
        configurable: true
    });
    Object.defineProperty(global, 'Error', { value: Error, writable: true, configurable: true });

    var classOf = Object.prototype.toString, proto = Date.prototype;
    return {
        makeDate: function (year, month, day, hour, minute, second, ms) {
            var date = new Date(0);
            date.setFullYear(year, month, day);
            date.setHours(hour, minute, second, ms);
            return date;
        },
        dateParts: function (value) {
            if (classOf.call(value) !== '[object Date]') return null;
            var time = proto.getTime.call(value);
            if (isNaN(time)) return false;
            var date = new Date(Math.round(time / 1000) * 1000);
            return [date.getFullYear(), date.getMonth() + 1, date.getDate(),
                    date.getHours(), date.getMinutes(), date.getSeconds()];
        }
    };
}))js";

// [] -> [] with the prelude run and its helpers in the stash.
duk_ret_t RunPrelude(duk_context* ctx, void*) {
    duk_push_global_stash(ctx);
    duk_eval_string(ctx, kPrelude);
    duk_push_global_object(ctx);
    duk_get_global_string(ctx, "Error");
    duk_call(ctx, 2);
    duk_put_prop_string(ctx, -2, kDateHelpersKey);
    duk_pop(ctx);
    return 0;
}

bool CreateActiveXObject(duk_context* ctx) {
    duk_size_t length = 0;
    const char* name = duk_get_lstring(ctx, 0, &length);
    if (!name) {
        PushComError(ctx, E_INVALIDARG, u"ActiveXObject wymaga nazwy klasy");
        return false;
    }
    std::u16string progId = FromScriptBytes({name, length});
    ScriptRuntime& runtime = ScriptRuntime::Of(ctx);
    ComPtr<IDispatch> object;
    HRESULT hr = runtime.CreateObject(progId, object);
    if (FAILED(hr)) {
        std::u16string description = TakeErrorDescription();
        if (description.empty()) description = u"Nie można utworzyć obiektu '" + progId + u"'";
        PushComError(ctx, hr, description);
        return false;
    }
    runtime.Bridge().PushObject(object.Get(), object.Get());
    return true;
}

duk_ret_t ActiveXObject(duk_context* ctx) {
    if (!CreateActiveXObject(ctx)) return duk_throw(ctx);
    return 1;
}

}  // namespace

bool InstallJScriptLibrary(duk_context* ctx) {
    if (duk_safe_call(ctx, RunPrelude, nullptr, 0, 1) != DUK_EXEC_SUCCESS) {
        duk_pop(ctx);
        return false;
    }
    duk_pop(ctx);
    duk_push_c_function(ctx, ActiveXObject, DUK_VARARGS);
    duk_put_global_string(ctx, "ActiveXObject");
    return true;
}

}  // namespace tlx::host
