#include "host/script/DispatchBridge.h"
#include "platform/text/AsciiCase.h"

#include <algorithm>
#include <vector>

#include "host/script/CallAssignment.h"
#include "host/script/ScriptError.h"
#include "host/script/ScriptRuntime.h"
#include "host/script/ScriptText.h"
#include "host/script/ScriptValues.h"
#include "platform/com/Dispatch.h"
#include "platform/com/ErrorInfo.h"

namespace tlx::host {

struct DispatchBridge::Proxy {
    DispatchBridge* bridge = nullptr;
    ComPtr<IUnknown> identity;
    ComPtr<IDispatch> dispatch;
    ComPtr<IDispatchMemberKinds> kinds;           // null for objects that answer no member kinds
    std::unordered_map<std::string, DISPID> ids;  // by the name with ASCII letters lowered
    void* heapObject = nullptr;                    // the script proxy
    void* targetObject = nullptr;                  // the proxy's target, which the traps are given
    // The members handed out as script functions; a function carries its index as its magic, so that
    // making one at every read of `object.Method` costs one property (its target) instead of four.
    struct Member {
        DISPID id;
        WORD flags;
        std::string name;  // as the script wrote it, for messages
    };
    std::vector<Member> members;
};

namespace {

// An array rather than a pointer: the heap reads a key used at every member call through its cache of
// literals (by address and length) instead of hashing the text again.
constexpr char kTargetKey[] = DUK_HIDDEN_SYMBOL("target");
// The magic of a member function whose member is carried in its properties (kIdKey, kFlagsKey, kNameKey).
constexpr duk_int_t kMemberInProperties = -1;
constexpr std::size_t kMaxMemberIndex = 0x7FFF;  // a function's magic is a signed 16-bit number
constexpr const char* kIdKey = DUK_HIDDEN_SYMBOL("id");
constexpr const char* kFlagsKey = DUK_HIDDEN_SYMBOL("flags");
constexpr const char* kNameKey = DUK_HIDDEN_SYMBOL("name");
constexpr const char* kHandlerKey = DUK_HIDDEN_SYMBOL("tlxProxyHandler");
constexpr const char* kAsTextKey = DUK_HIDDEN_SYMBOL("asText");
constexpr const char* kArgsKey = DUK_HIDDEN_SYMBOL("args");

// Symbols (internal keys and ES6 symbols) start with a byte no UTF-8 text starts with.
bool IsSymbol(std::string_view key) {
    if (key.empty()) return false;
    auto lead = static_cast<unsigned char>(key[0]);
    return (lead >= 0x80 && lead < 0xC0) || lead == 0xFF;
}

std::string LowerAscii(std::string_view name) { return tlx::AsciiLowerCopy(name); }

std::u16string HexCode(HRESULT hr) {
    static const char16_t digits[] = u"0123456789ABCDEF";
    std::u16string text = u"0x";
    for (int shift = 28; shift >= 0; shift -= 4) text += digits[(static_cast<unsigned>(hr) >> shift) & 0xF];
    return text;
}

std::u16string Quoted(std::string_view name) { return u"'" + FromScriptBytes(name) + u"'"; }

// Answers the object's member call; on failure the HRESULT and description the caller reports, taken
// from the EXCEPINFO, else from the thread's error object, else a text of our own.
HRESULT InvokeMember(IDispatch* dispatch, DISPID id, WORD flags, std::vector<Variant>& reversedArgs, bool namedPut,
                     Variant& result, std::u16string& description) {
    DISPID putId = DISPID_PROPERTYPUT;
    DISPPARAMS params{reversedArgs.empty() ? nullptr : reversedArgs.data(), namedPut ? &putId : nullptr,
                      static_cast<UINT>(reversedArgs.size()), namedPut ? 1u : 0u};
    EXCEPINFO info{};
    UINT argError = 0;
    SetErrorInfo(0, nullptr);
    HRESULT hr = dispatch->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result.Out(), &info, &argError);
    if (hr == DISP_E_EXCEPTION) {
        if (info.pfnDeferredFillIn) info.pfnDeferredFillIn(&info);
        Bstr source = Bstr::Attach(info.bstrSource);
        Bstr text = Bstr::Attach(info.bstrDescription);
        Bstr help = Bstr::Attach(info.bstrHelpFile);
        if (FAILED(info.scode))
            hr = info.scode;
        else if (info.wCode != 0)
            hr = static_cast<HRESULT>(0x80040200u + info.wCode);
        description = text.Str();
    } else if (FAILED(hr)) {
        description = TakeErrorDescription();
    }
    return hr;
}

}  // namespace

DispatchBridge::DispatchBridge(duk_context* ctx) : ctx_(ctx) {
    duk_push_global_stash(ctx_);
    duk_push_object(ctx_);
    const struct {
        const char* name;
        duk_c_function trap;
        duk_idx_t args;
    } traps[] = {{"get", TrapGet, 3}, {"set", TrapSet, 4}, {"has", TrapHas, 2},
                 {"apply", TrapApply, 3}, {"deleteProperty", TrapRefuse, 2}};
    for (const auto& t : traps) {
        duk_push_c_function(ctx_, t.trap, t.args);
        duk_put_prop_string(ctx_, -2, t.name);
    }
    handler_ = duk_get_heapptr(ctx_, -1);
    duk_put_prop_string(ctx_, -2, kHandlerKey);
    duk_pop(ctx_);

    duk_push_global_object(ctx_);
    duk_push_string(ctx_, kCallAssignmentHelper);
    duk_push_c_function(ctx_, PutCall, 3);
    duk_def_prop(ctx_, -3, DUK_DEFPROP_HAVE_VALUE | DUK_DEFPROP_CLEAR_ENUMERABLE | DUK_DEFPROP_CLEAR_WRITABLE);
    duk_pop(ctx_);
}

DispatchBridge::~DispatchBridge() { ReleaseAll(); }

void DispatchBridge::ReleaseAll() {
    auto owned = std::move(owned_);
    owned_.clear();
    byIdentity_.clear();
    byHeapObject_.clear();
    byTarget_.clear();
    owned.clear();  // the COM references go here
}

void DispatchBridge::PushObject(IUnknown* object, IDispatch* dispatch) {
    if (!object) {
        duk_push_null(ctx_);
        return;
    }
    ComPtr<IUnknown> identity;
    if (FAILED(object->QueryInterface(IID_IUnknown, identity.OutVoid())) || !identity) identity = ComPtr(object);
    if (auto found = byIdentity_.find(identity.Get()); found != byIdentity_.end()) {
        duk_push_heapptr(ctx_, found->second->heapObject);
        return;
    }
    ++made_;
    auto proxy = std::make_unique<Proxy>();
    proxy->bridge = this;
    proxy->identity = identity;
    if (dispatch)
        proxy->dispatch = ComPtr(dispatch);
    else
        object->QueryInterface(IID_IDispatch, proxy->dispatch.OutVoid());
    if (proxy->dispatch) proxy->kinds = proxy->dispatch.As<IDispatchMemberKinds>();

    // The target is a function so that the proxy can be called (the default member); the traps find the
    // proxy's record by it, and it drops the record when the heap collects it.
    duk_push_c_function(ctx_, TargetBody, DUK_VARARGS);
    proxy->targetObject = duk_get_heapptr(ctx_, -1);
    duk_push_c_function(ctx_, FinalizeTarget, 1);
    duk_set_finalizer(ctx_, -2);
    duk_push_heapptr(ctx_, handler_);
    duk_push_proxy(ctx_, 0);
    proxy->heapObject = duk_get_heapptr(ctx_, -1);

    Proxy* record = proxy.get();
    byIdentity_[identity.Get()] = record;
    byHeapObject_[record->heapObject] = record;
    byTarget_[record->targetObject] = record;
    owned_[record] = std::move(proxy);
}

bool DispatchBridge::HoldsOtherThan(const std::vector<IUnknown*>& objects) const {
    for (const auto& [identity, proxy] : byIdentity_)
        if (std::find(objects.begin(), objects.end(), identity) == objects.end()) return true;
    return false;
}

ComPtr<IUnknown> DispatchBridge::ObjectAt(duk_idx_t index) const {
    if (!duk_is_object(ctx_, index)) return nullptr;
    auto found = byHeapObject_.find(duk_get_heapptr(ctx_, index));
    return found == byHeapObject_.end() ? nullptr : found->second->identity;
}

ComPtr<IDispatch> DispatchBridge::DispatchAt(duk_idx_t index) const {
    if (!duk_is_object(ctx_, index)) return nullptr;
    auto found = byHeapObject_.find(duk_get_heapptr(ctx_, index));
    return found == byHeapObject_.end() ? nullptr : found->second->dispatch;
}

void DispatchBridge::Forget(Proxy* proxy) {
    auto found = owned_.find(proxy);
    if (found == owned_.end()) return;  // already released with the whole heap
    std::unique_ptr<Proxy> record = std::move(found->second);
    owned_.erase(found);
    byIdentity_.erase(record->identity.Get());
    byHeapObject_.erase(record->heapObject);
    byTarget_.erase(record->targetObject);
}

DispatchBridge::Proxy* DispatchBridge::ProxyOfTarget(duk_context* ctx, duk_idx_t target) {
    const auto& byTarget = ScriptRuntime::Of(ctx).Bridge().byTarget_;
    auto found = byTarget.find(duk_get_heapptr(ctx, target));
    return found == byTarget.end() ? nullptr : found->second;
}

// Why a name was not found: an unknown name is a member the object lacks; any other failure (a form that
// does not load, a failing script, a damaged database) is told by the object's own error description.
std::u16string DispatchBridge::NameFailure(HRESULT hr, std::u16string unknownText) {
    std::u16string why = TakeErrorDescription();
    if (hr == DISP_E_UNKNOWNNAME) return unknownText;
    return why.empty() ? unknownText + u" (" + HexCode(hr) + u")" : why;
}

HRESULT DispatchBridge::IdOf(Proxy& proxy, std::string_view name, DISPID& id) {
    if (!proxy.dispatch) return DISP_E_UNKNOWNNAME;
    std::string key = LowerAscii(name);
    if (auto found = proxy.ids.find(key); found != proxy.ids.end()) {
        id = found->second;
        return S_OK;
    }
    std::u16string text = FromScriptBytes(name);
    LPOLESTR names[] = {text.data()};
    HRESULT hr = proxy.dispatch->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    if (SUCCEEDED(hr)) proxy.ids.emplace(std::move(key), id);
    return hr;
}

DispatchBridge::MemberKind DispatchBridge::KindOf(Proxy& proxy, DISPID id) const {
    WORD kinds = 0;
    UINT arguments = 0, required = 0;
    if (!proxy.kinds || FAILED(proxy.kinds->GetMemberKinds(id, &kinds, &arguments, &required)))
        return MemberKind::Unknown;
    // A property that can be read without arguments is read at once; one that needs them reads as a
    // function taking them.
    if (kinds & DISPATCH_PROPERTYGET) return required > 0 ? MemberKind::ParametrisedProperty : MemberKind::Property;
    if (kinds & DISPATCH_METHOD) return MemberKind::Method;
    return MemberKind::Property;  // write-only: a read gets the object's own refusal
}

void DispatchBridge::PushMemberFunction(Proxy& proxy, duk_idx_t target, DISPID id, WORD flags,
                                        std::string_view name) {
    duk_push_c_function(ctx_, CallMember, DUK_VARARGS);
    duk_dup(ctx_, target);
    duk_put_prop_literal(ctx_, -2, kTargetKey);
    auto& members = proxy.members;
    auto known = std::find_if(members.begin(), members.end(),
                              [&](const Proxy::Member& m) { return m.id == id && m.flags == flags && m.name == name; });
    if (known == members.end() && members.size() <= kMaxMemberIndex) {
        members.push_back(Proxy::Member{id, flags, std::string(name)});
        known = members.end() - 1;
    }
    if (known != members.end()) {
        duk_set_magic(ctx_, -1, static_cast<duk_int_t>(known - members.begin()));
        return;
    }
    // An object with more members than a magic can count: this one carries them as properties.
    duk_set_magic(ctx_, -1, kMemberInProperties);
    duk_push_int(ctx_, id);
    duk_put_prop_string(ctx_, -2, kIdKey);
    duk_push_uint(ctx_, flags);
    duk_put_prop_string(ctx_, -2, kFlagsKey);
    duk_push_lstring(ctx_, name.data(), name.size());
    duk_put_prop_string(ctx_, -2, kNameKey);
}

bool DispatchBridge::Call(Proxy& proxy, DISPID id, WORD flags, duk_idx_t first, duk_idx_t count,
                          std::string_view name) {
    ScriptRuntime& runtime = ScriptRuntime::Of(ctx_);
    std::vector<Variant> args(static_cast<std::size_t>(count));
    std::u16string description;
    for (duk_idx_t i = 0; i < count; ++i) {
        HRESULT hr = ReadVariant(runtime, first + i, args[static_cast<std::size_t>(count - 1 - i)], description);
        if (FAILED(hr)) {
            PushComError(ctx_, hr, description + u" (argument " + FromScriptBytes(std::to_string(i + 1)) +
                                       u" wywołania " + Quoted(name) + u")");
            return false;
        }
    }
    if (!proxy.dispatch) {
        PushComError(ctx_, DISP_E_MEMBERNOTFOUND, u"Obiekt nie obsługuje wywołań");
        return false;
    }
    Variant result;
    HRESULT hr = InvokeMember(proxy.dispatch.Get(), id, flags, args, false, result, description);
    if (FAILED(hr)) {
        if (description.empty()) description = u"Wywołanie " + Quoted(name) + u" nie powiodło się (" + HexCode(hr) + u")";
        PushComError(ctx_, hr, description);
        return false;
    }
    return PushVariant(runtime, result);
}

bool DispatchBridge::Get(Proxy& proxy, std::string_view name) {
    DISPID id = DISPID_UNKNOWN;
    HRESULT hr = IdOf(proxy, name, id);
    if (FAILED(hr)) {
        // Conversions of the object to a primitive read its default value, as in `"" + rs("x")`.
        if (name == "valueOf" || name == "toString") {
            duk_push_c_function(ctx_, ReadDefaultValue, 0);
            duk_dup(ctx_, 0);
            duk_put_prop_string(ctx_, -2, kTargetKey);
            duk_push_boolean(ctx_, name == "toString");
            duk_put_prop_string(ctx_, -2, kAsTextKey);
            return true;
        }
        if (name == "toJSON") {  // JSON.stringify asks; an object without one is written as {}
            duk_push_undefined(ctx_);
            return true;
        }
        PushComError(ctx_, hr, NameFailure(hr, u"Obiekt nie obsługuje właściwości ani metody " + Quoted(name)));
        return false;
    }
    switch (KindOf(proxy, id)) {
    case MemberKind::Method: PushMemberFunction(proxy, 0, id, DISPATCH_METHOD, name); return true;
    case MemberKind::ParametrisedProperty: PushMemberFunction(proxy, 0, id, DISPATCH_PROPERTYGET, name); return true;
    case MemberKind::Property: return Call(proxy, id, DISPATCH_PROPERTYGET, 0, 0, name);
    case MemberKind::Unknown: break;
    }
    // Without a kind: read it as a property; a member that refuses a plain read is a method or needs
    // arguments, so it reads as a function called the way JScript calls unknown members.
    std::vector<Variant> none;
    Variant result;
    std::u16string description;
    hr = InvokeMember(proxy.dispatch.Get(), id, DISPATCH_PROPERTYGET, none, false, result, description);
    if (hr == DISP_E_MEMBERNOTFOUND || hr == DISP_E_BADPARAMCOUNT || hr == DISP_E_PARAMNOTOPTIONAL) {
        PushMemberFunction(proxy, 0, id, DISPATCH_METHOD | DISPATCH_PROPERTYGET, name);
        return true;
    }
    if (FAILED(hr)) {
        if (description.empty()) description = u"Odczyt " + Quoted(name) + u" nie powiódł się (" + HexCode(hr) + u")";
        PushComError(ctx_, hr, description);
        return false;
    }
    return PushVariant(ScriptRuntime::Of(ctx_), result);
}

bool DispatchBridge::Set(Proxy& proxy, std::string_view name, duk_idx_t value) {
    DISPID id = DISPID_UNKNOWN;
    HRESULT hr = IdOf(proxy, name, id);
    if (FAILED(hr)) {
        PushComError(ctx_, hr, NameFailure(hr, u"Obiekt nie obsługuje właściwości " + Quoted(name)));
        return false;
    }
    std::vector<Variant> args(1);
    std::u16string description;
    hr = ReadVariant(ScriptRuntime::Of(ctx_), value, args[0], description);
    if (FAILED(hr)) {
        PushComError(ctx_, hr, description + u" (przypisanie " + Quoted(name) + u")");
        return false;
    }
    Variant ignored;
    hr = InvokeMember(proxy.dispatch.Get(), id, DISPATCH_PROPERTYPUT, args, true, ignored, description);
    bool isObject = args[0].vt == VT_DISPATCH || args[0].vt == VT_UNKNOWN;
    if (hr == DISP_E_MEMBERNOTFOUND && isObject) {
        // A property that takes objects only by reference.
        description.clear();
        hr = InvokeMember(proxy.dispatch.Get(), id, DISPATCH_PROPERTYPUTREF, args, true, ignored, description);
    }
    if (FAILED(hr)) {
        if (description.empty()) description = u"Zapis " + Quoted(name) + u" nie powiódł się (" + HexCode(hr) + u")";
        PushComError(ctx_, hr, description);
        return false;
    }
    return true;
}

bool DispatchBridge::PutWithArguments(Proxy& proxy, std::string_view name, duk_idx_t args, duk_idx_t value) {
    DISPID id = DISPID_VALUE;
    if (!name.empty()) {
        if (HRESULT hr = IdOf(proxy, name, id); FAILED(hr)) {
            PushComError(ctx_, hr, NameFailure(hr, u"Obiekt nie obsługuje właściwości " + Quoted(name)));
            return false;
        }
    }
    ScriptRuntime& runtime = ScriptRuntime::Of(ctx_);
    auto count = static_cast<std::size_t>(duk_get_length(ctx_, args));
    std::vector<Variant> reversed(count + 1);  // the value first, then the arguments from the last
    std::u16string description;
    HRESULT hr = ReadVariant(runtime, value, reversed[0], description);
    for (std::size_t i = 0; SUCCEEDED(hr) && i < count; ++i) {
        duk_get_prop_index(ctx_, args, static_cast<duk_uarridx_t>(i));
        hr = ReadVariant(runtime, -1, reversed[count - i], description);
        duk_pop(ctx_);
    }
    if (FAILED(hr)) {
        PushComError(ctx_, hr, description + u" (przypisanie " + Quoted(name) + u")");
        return false;
    }
    Variant ignored;
    hr = InvokeMember(proxy.dispatch.Get(), id, DISPATCH_PROPERTYPUT, reversed, true, ignored, description);
    if (FAILED(hr)) {
        if (description.empty()) description = u"Zapis " + Quoted(name) + u" nie powiódł się (" + HexCode(hr) + u")";
        PushComError(ctx_, hr, description);
        return false;
    }
    return true;
}

bool DispatchBridge::ReadDefault(Proxy& proxy) {
    Variant result;
    std::vector<Variant> none;
    std::u16string description;
    HRESULT hr = E_NOINTERFACE;
    if (proxy.dispatch) {
        hr = InvokeMember(proxy.dispatch.Get(), DISPID_VALUE, DISPATCH_PROPERTYGET, none, false, result, description);
        if (hr == DISP_E_MEMBERNOTFOUND)
            hr = InvokeMember(proxy.dispatch.Get(), DISPID_VALUE, DISPATCH_METHOD | DISPATCH_PROPERTYGET, none,
                              false, result, description);
    }
    if (FAILED(hr)) {
        PushComError(ctx_, hr, u"Obiekt nie ma wartości domyślnej");
        return false;
    }
    return PushVariant(ScriptRuntime::Of(ctx_), result);
}

// The native functions below keep no C++ object with a destructor alive in their own frame when they
// throw into the heap: the work runs in the member functions above, which push either the result or
// the Error to throw.

duk_ret_t DispatchBridge::TrapGet(duk_context* ctx) {
    Proxy* proxy = ProxyOfTarget(ctx, 0);
    duk_size_t length = 0;
    const char* key = duk_get_lstring(ctx, 1, &length);
    if (!proxy || !key || IsSymbol({key, length})) {
        duk_push_undefined(ctx);
        return 1;
    }
    if (!proxy->bridge->Get(*proxy, {key, length})) return duk_throw(ctx);
    return 1;
}

duk_ret_t DispatchBridge::TrapSet(duk_context* ctx) {
    Proxy* proxy = ProxyOfTarget(ctx, 0);
    duk_size_t length = 0;
    const char* key = duk_get_lstring(ctx, 1, &length);
    if (!proxy || !key || IsSymbol({key, length})) {
        duk_push_false(ctx);
        return 1;
    }
    if (!proxy->bridge->Set(*proxy, {key, length}, 2)) return duk_throw(ctx);
    duk_push_true(ctx);
    return 1;
}

duk_ret_t DispatchBridge::TrapHas(duk_context* ctx) {
    Proxy* proxy = ProxyOfTarget(ctx, 0);
    duk_size_t length = 0;
    const char* key = duk_get_lstring(ctx, 1, &length);
    DISPID id = DISPID_UNKNOWN;
    bool known = proxy && key && !IsSymbol({key, length}) && SUCCEEDED(proxy->bridge->IdOf(*proxy, {key, length}, id));
    duk_push_boolean(ctx, known);
    return 1;
}

duk_ret_t DispatchBridge::TrapRefuse(duk_context* ctx) {
    duk_push_false(ctx);
    return 1;
}

duk_ret_t DispatchBridge::TrapApply(duk_context* ctx) {
    // [target this args] -> the arguments spread after them
    Proxy* proxy = ProxyOfTarget(ctx, 0);
    if (!proxy) return 0;
    auto count = static_cast<duk_idx_t>(duk_get_length(ctx, 2));
    for (duk_idx_t i = 0; i < count; ++i) duk_get_prop_index(ctx, 2, static_cast<duk_uarridx_t>(i));
    WORD flags = DISPATCH_METHOD | DISPATCH_PROPERTYGET;
    switch (proxy->bridge->KindOf(*proxy, DISPID_VALUE)) {
    case MemberKind::Method: flags = DISPATCH_METHOD; break;
    case MemberKind::Property:
    case MemberKind::ParametrisedProperty: flags = DISPATCH_PROPERTYGET; break;
    case MemberKind::Unknown: break;
    }
    if (!proxy->bridge->Call(*proxy, DISPID_VALUE, flags, 3, count, "")) return duk_throw(ctx);
    return 1;
}

duk_ret_t DispatchBridge::CallMember(duk_context* ctx) {
    duk_idx_t count = duk_get_top(ctx);
    duk_push_current_function(ctx);
    duk_int_t index = duk_get_magic(ctx, -1);
    duk_get_prop_literal(ctx, -1, kTargetKey);
    duk_idx_t target = duk_get_top_index(ctx);
    Proxy* proxy = duk_is_object(ctx, target) ? ProxyOfTarget(ctx, target) : nullptr;
    if (index != kMemberInProperties) {
        if (!proxy || static_cast<std::size_t>(index) >= proxy->members.size()) return 0;
        const Proxy::Member& member = proxy->members[static_cast<std::size_t>(index)];
        if (!proxy->bridge->Call(*proxy, member.id, member.flags, 0, count, member.name)) return duk_throw(ctx);
        return 1;
    }
    duk_get_prop_string(ctx, count, kIdKey);
    DISPID id = duk_get_int(ctx, -1);
    duk_get_prop_string(ctx, count, kFlagsKey);
    auto flags = static_cast<WORD>(duk_get_uint(ctx, -1));
    duk_get_prop_string(ctx, count, kNameKey);
    duk_size_t length = 0;
    const char* name = duk_get_lstring(ctx, -1, &length);
    if (!proxy) return 0;
    if (!proxy->bridge->Call(*proxy, id, flags, 0, count, {name ? name : "", name ? length : 0}))
        return duk_throw(ctx);
    return 1;
}

duk_ret_t DispatchBridge::ReadDefaultValue(duk_context* ctx) {
    duk_push_current_function(ctx);
    duk_get_prop_string(ctx, -1, kTargetKey);
    Proxy* proxy = duk_is_object(ctx, -1) ? ProxyOfTarget(ctx, -1) : nullptr;
    duk_get_prop_string(ctx, -2, kAsTextKey);
    bool asText = duk_get_boolean(ctx, -1);
    if (!proxy) return 0;
    if (!proxy->bridge->ReadDefault(*proxy)) return duk_throw(ctx);
    if (asText) duk_to_string(ctx, -1);
    return 1;
}

duk_ret_t DispatchBridge::FinalizeTarget(duk_context* ctx) {
    if (Proxy* proxy = ProxyOfTarget(ctx, 0)) ScriptRuntime::Of(ctx).Bridge().Forget(proxy);
    return 0;
}

duk_ret_t DispatchBridge::TargetBody(duk_context*) { return 0; }

duk_ret_t DispatchBridge::PutCall(duk_context* ctx) {
    // [object name args] -> an object whose `value` setter puts the object's member with the arguments
    duk_push_object(ctx);
    duk_push_string(ctx, "value");
    duk_push_c_function(ctx, PutCallSetter, 1);
    duk_dup(ctx, 0);
    duk_put_prop_string(ctx, -2, kTargetKey);
    duk_dup(ctx, 1);
    duk_put_prop_string(ctx, -2, kNameKey);
    duk_dup(ctx, 2);
    duk_put_prop_string(ctx, -2, kArgsKey);
    duk_def_prop(ctx, -3, DUK_DEFPROP_HAVE_SETTER);
    return 1;
}

duk_ret_t DispatchBridge::PutCallSetter(duk_context* ctx) {
    // [value] with the call's object, member name and arguments on the setter itself
    duk_push_current_function(ctx);
    duk_get_prop_string(ctx, 1, kTargetKey);
    duk_get_prop_string(ctx, 1, kNameKey);
    duk_get_prop_string(ctx, 1, kArgsKey);
    DispatchBridge& bridge = ScriptRuntime::Of(ctx).Bridge();
    auto found = bridge.byHeapObject_.find(duk_is_object(ctx, 2) ? duk_get_heapptr(ctx, 2) : nullptr);
    if (found == bridge.byHeapObject_.end() || !duk_is_array(ctx, 4)) {
        duk_push_error_object(ctx, DUK_ERR_REFERENCE_ERROR, "Nieprawidłowy cel przypisania");
        return duk_throw(ctx);
    }
    duk_size_t length = 0;
    const char* name = duk_is_string(ctx, 3) ? duk_get_lstring(ctx, 3, &length) : "";
    if (!bridge.PutWithArguments(*found->second, {name, length}, 4, 0)) return duk_throw(ctx);
    return 0;
}

}  // namespace tlx::host
