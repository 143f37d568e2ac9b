#include "host/script/ScriptEnumerators.h"

#include <vector>

#include "host/script/ScriptError.h"
#include "host/script/ScriptRuntime.h"
#include "host/script/ScriptValues.h"
#include "platform/com/ErrorInfo.h"

namespace tlx::host {

struct ScriptEnumerators::Walk {
    ComPtr<IEnumVARIANT> items;
    Variant current;
    bool atEnd = true;
};

namespace {
constexpr const char* kWalkKey = DUK_HIDDEN_SYMBOL("walk");
constexpr const char* kPrototypeKey = DUK_HIDDEN_SYMBOL("tlxEnumeratorPrototype");
}  // namespace

ScriptEnumerators::ScriptEnumerators(duk_context* ctx) : ctx_(ctx) {
    duk_push_c_function(ctx_, Construct, DUK_VARARGS);
    duk_push_object(ctx_);  // the prototype of every enumerator
    const struct {
        const char* name;
        duk_c_function method;
    } methods[] = {{"atEnd", AtEnd}, {"item", Item}, {"moveNext", MoveNext}, {"moveFirst", MoveFirst}};
    for (const auto& m : methods) {
        duk_push_c_function(ctx_, m.method, 0);
        duk_put_prop_string(ctx_, -2, m.name);
    }
    duk_push_global_stash(ctx_);
    duk_dup(ctx_, -2);
    duk_put_prop_string(ctx_, -2, kPrototypeKey);
    duk_pop(ctx_);
    duk_put_prop_string(ctx_, -2, "prototype");
    duk_put_global_string(ctx_, "Enumerator");
}

ScriptEnumerators::~ScriptEnumerators() { ReleaseAll(); }

void ScriptEnumerators::ReleaseAll() {
    auto walks = std::move(walks_);
    walks_.clear();
    walks.clear();
}

bool ScriptEnumerators::Step(Walk& walk) {
    walk.current.Clear();
    walk.atEnd = true;
    if (!walk.items) return true;
    ULONG fetched = 0;
    HRESULT hr = walk.items->Next(1, walk.current.Out(), &fetched);
    if (FAILED(hr)) {
        PushComError(ctx_, hr, TakeErrorDescription());
        return false;
    }
    walk.atEnd = hr != S_OK || fetched != 1;
    return true;
}

bool ScriptEnumerators::Start(Walk& walk, duk_idx_t collection) {
    if (duk_is_undefined(ctx_, collection)) return true;  // an empty enumerator
    ComPtr<IDispatch> dispatch = ScriptRuntime::Of(ctx_).Bridge().DispatchAt(collection);
    if (!dispatch) {
        PushComError(ctx_, DISP_E_TYPEMISMATCH, u"Enumerator wymaga kolekcji");
        return false;
    }
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    Variant result;
    EXCEPINFO info{};
    HRESULT hr = dispatch->Invoke(DISPID_NEWENUM, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD | DISPATCH_PROPERTYGET,
                                  &none, result.Out(), &info, nullptr);
    Bstr source = Bstr::Attach(info.bstrSource), text = Bstr::Attach(info.bstrDescription),
         help = Bstr::Attach(info.bstrHelpFile);
    if (hr == DISP_E_EXCEPTION && FAILED(info.scode)) hr = info.scode;
    IUnknown* answer = result.vt == VT_UNKNOWN || result.vt == VT_DISPATCH ? result.punkVal : nullptr;
    if (SUCCEEDED(hr))
        hr = answer ? answer->QueryInterface(IID_IEnumVARIANT, walk.items.OutVoid()) : E_NOINTERFACE;
    if (FAILED(hr)) {
        PushComError(ctx_, hr, text.IsNull() ? u"Obiekt nie jest kolekcją" : text.Str());
        return false;
    }
    return Step(walk);
}

ScriptEnumerators::Walk* ScriptEnumerators::NewWalk() {
    auto walk = std::make_unique<Walk>();
    Walk* key = walk.get();
    walks_[key] = std::move(walk);
    return key;
}

ScriptEnumerators::Walk* ScriptEnumerators::WalkOfThis(duk_context* ctx) {
    duk_push_this(ctx);
    Walk* walk = nullptr;
    if (duk_is_object(ctx, -1) && duk_get_prop_string(ctx, -1, kWalkKey)) walk = static_cast<Walk*>(duk_get_pointer(ctx, -1));
    duk_pop_2(ctx);
    if (!walk) return nullptr;
    auto& walks = ScriptRuntime::Of(ctx).Enumerators().walks_;
    return walks.count(walk) ? walk : nullptr;
}

duk_ret_t ScriptEnumerators::Construct(duk_context* ctx) {
    duk_set_top(ctx, 1);
    ScriptEnumerators& self = ScriptRuntime::Of(ctx).Enumerators();
    duk_push_object(ctx);
    duk_push_global_stash(ctx);
    duk_get_prop_string(ctx, -1, kPrototypeKey);
    duk_set_prototype(ctx, -3);
    duk_pop(ctx);
    Walk* key = self.NewWalk();
    duk_push_pointer(ctx, key);
    duk_put_prop_string(ctx, -2, kWalkKey);
    duk_push_c_function(ctx, Finalize, 1);
    duk_set_finalizer(ctx, -2);
    if (!self.Start(*key, 0)) return duk_throw(ctx);
    return 1;
}

duk_ret_t ScriptEnumerators::AtEnd(duk_context* ctx) {
    Walk* walk = WalkOfThis(ctx);
    duk_push_boolean(ctx, !walk || walk->atEnd);
    return 1;
}

duk_ret_t ScriptEnumerators::Item(duk_context* ctx) {
    Walk* walk = WalkOfThis(ctx);
    if (!walk || walk->atEnd) return 0;
    if (!PushVariant(ScriptRuntime::Of(ctx), walk->current)) return duk_throw(ctx);
    return 1;
}

duk_ret_t ScriptEnumerators::MoveNext(duk_context* ctx) {
    Walk* walk = WalkOfThis(ctx);
    if (!walk || walk->atEnd) return 0;
    if (!ScriptRuntime::Of(ctx).Enumerators().Step(*walk)) return duk_throw(ctx);
    return 0;
}

duk_ret_t ScriptEnumerators::MoveFirst(duk_context* ctx) {
    Walk* walk = WalkOfThis(ctx);
    if (!walk || !walk->items) return 0;
    HRESULT hr = walk->items->Reset();
    if (FAILED(hr)) {
        PushComError(ctx, hr, u"Nie można wrócić na początek kolekcji");
        return duk_throw(ctx);
    }
    if (!ScriptRuntime::Of(ctx).Enumerators().Step(*walk)) return duk_throw(ctx);
    return 0;
}

duk_ret_t ScriptEnumerators::Finalize(duk_context* ctx) {
    if (duk_get_prop_string(ctx, 0, kWalkKey)) {
        auto* walk = static_cast<Walk*>(duk_get_pointer(ctx, -1));
        ScriptRuntime::Of(ctx).Enumerators().walks_.erase(walk);
    }
    return 0;
}

}  // namespace tlx::host
