#include "host/script/PropertyDefinitionWatch.h"

#include <array>
#include <string_view>

#include "host/script/ScriptRuntime.h"

namespace tlx::host {

namespace {

// Where the stash keeps the built-ins stood in for, by the stand-in's magic number.
constexpr const char* kWatchedKey = DUK_HIDDEN_SYMBOL("tlxWatchedBuiltIns");

struct Watched {
    const char* holder;  // a global, or "Object.prototype"
    const char* name;
    bool targetIsThis;  // the object changed is `this`, else the first argument
};

constexpr std::array<Watched, 9> kWatched = {{
    {"Object", "defineProperty", false},
    {"Object", "defineProperties", false},
    {"Object", "freeze", false},
    {"Object", "seal", false},
    {"Object", "preventExtensions", false},
    {"Reflect", "defineProperty", false},
    {"Reflect", "preventExtensions", false},
    {"Object.prototype", "__defineGetter__", true},
    {"Object.prototype", "__defineSetter__", true},
}};

duk_ret_t StandIn(duk_context* ctx) {
    const auto index = static_cast<duk_uarridx_t>(duk_get_current_magic(ctx));
    const Watched& watched = kWatched[index];
    duk_idx_t count = duk_get_top(ctx);
    if (watched.targetIsThis) {
        duk_push_this(ctx);
        if (duk_is_object(ctx, -1)) ScriptRuntime::Of(ctx).NoteDefinition(duk_get_heapptr(ctx, -1));
        duk_pop(ctx);
    } else if (count > 0 && duk_is_object(ctx, 0)) {
        ScriptRuntime::Of(ctx).NoteDefinition(duk_get_heapptr(ctx, 0));
    }
    duk_push_global_stash(ctx);
    duk_get_prop_string(ctx, -1, kWatchedKey);
    duk_get_prop_index(ctx, -1, index);
    if (duk_is_constructor_call(ctx)) {
        for (duk_idx_t i = 0; i < count; ++i) duk_dup(ctx, i);
        duk_new(ctx, count);  // refused as the built-in refuses it
        return 1;
    }
    duk_push_this(ctx);
    for (duk_idx_t i = 0; i < count; ++i) duk_dup(ctx, i);
    duk_call_method(ctx, count);
    return 1;
}

// [... holder] -> [... holder]: the built-in `name` of the holder, when it has one, replaced by its
// stand-in; the built-in is kept in `kept` (at `index`, the stand-in's magic number).
void StandInFor(duk_context* ctx, duk_idx_t kept, const char* name, duk_int_t index) {
    if (!duk_get_prop_string(ctx, -1, name) || !duk_is_function(ctx, -1)) {
        duk_pop(ctx);
        return;
    }
    duk_put_prop_index(ctx, kept, static_cast<duk_uarridx_t>(index));
    duk_push_string(ctx, name);
    duk_push_c_function(ctx, StandIn, DUK_VARARGS);
    duk_set_magic(ctx, -1, index);
    // Its length and name as the built-in has them.
    duk_get_prop_index(ctx, kept, static_cast<duk_uarridx_t>(index));
    for (const char* member : {"length", "name"}) {
        duk_push_string(ctx, member);
        duk_get_prop_string(ctx, -2, member);
        duk_def_prop(ctx, -4, DUK_DEFPROP_HAVE_VALUE | DUK_DEFPROP_CLEAR_WRITABLE | DUK_DEFPROP_CLEAR_ENUMERABLE |
                                  DUK_DEFPROP_SET_CONFIGURABLE | DUK_DEFPROP_FORCE);
    }
    duk_pop(ctx);
    // Where the built-in was, as it was: writable, not enumerable, configurable.
    duk_def_prop(ctx, -3, DUK_DEFPROP_HAVE_VALUE | DUK_DEFPROP_SET_WRITABLE | DUK_DEFPROP_CLEAR_ENUMERABLE |
                              DUK_DEFPROP_SET_CONFIGURABLE | DUK_DEFPROP_FORCE);
}

void PushHolder(duk_context* ctx, const char* holder) {
    if (std::string_view(holder) == "Object.prototype") {
        duk_get_global_string(ctx, "Object");
        duk_get_prop_string(ctx, -1, "prototype");
        duk_remove(ctx, -2);
        return;
    }
    duk_get_global_string(ctx, holder);
}

}  // namespace

void WatchPropertyDefinitions(duk_context* ctx) {
    duk_push_global_stash(ctx);
    duk_push_array(ctx);
    duk_idx_t kept = duk_get_top_index(ctx);
    for (std::size_t i = 0; i < kWatched.size(); ++i) {
        PushHolder(ctx, kWatched[i].holder);
        if (duk_is_object(ctx, -1)) StandInFor(ctx, kept, kWatched[i].name, static_cast<duk_int_t>(i));
        duk_pop(ctx);
    }
    duk_put_prop_string(ctx, -2, kWatchedKey);
    duk_pop(ctx);
}

}  // namespace tlx::host
