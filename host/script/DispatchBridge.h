// The bridge that makes every COM object a script object. A COM object appears as a callable proxy:
// reading a member asks the object (exactly DISPATCH_PROPERTYGET for a property), assigning one puts it
// (DISPATCH_PROPERTYPUT with the named argument DISPID_PROPERTYPUT), a method or a parametrised property
// reads as a function, and calling the object itself calls its default member (`rs("x")`). Names match
// whatever their case, through the object's own GetIDsOfNames; each proxy caches the identifiers it
// learnt. An assignment to a call (`obj.Item(k) = v`, rewritten so by CallAssignment) puts the
// property with those arguments. The same COM object (by its IUnknown identity) gives the same proxy while the proxy lives;
// the proxy holds one reference to the object and drops it when the script heap collects the proxy.
#pragma once

#include <duktape.h>

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/com/ComPtr.h"
#include "platform/com/Variant.h"

namespace tlx::host {

class DispatchBridge {
public:
    // How a member is called when read or called; the kind comes from the object's member-kind answer.
    enum class MemberKind { Unknown, Property, ParametrisedProperty, Method };

    explicit DispatchBridge(duk_context* ctx);
    ~DispatchBridge();
    DispatchBridge(const DispatchBridge&) = delete;
    DispatchBridge& operator=(const DispatchBridge&) = delete;

    // Pushes the script object of a COM object (null pushes null). `dispatch`, when given, is the
    // interface the object's members are called through (else the object's own IDispatch, if any).
    void PushObject(IUnknown* object, IDispatch* dispatch = nullptr);
    // The COM object behind the value at `index` when it is one of this bridge's proxies.
    ComPtr<IUnknown> ObjectAt(duk_idx_t index) const;
    ComPtr<IDispatch> DispatchAt(duk_idx_t index) const;
    // Drops every COM reference the proxies hold; the heap is about to go.
    void ReleaseAll();
    std::size_t LiveProxies() const { return owned_.size(); }
    // Proxies made since the bridge was, whether still alive or not.
    std::size_t ProxiesMade() const { return made_; }
    // Whether a live proxy stands for an object other than `objects` (by their identity).
    bool HoldsOtherThan(const std::vector<IUnknown*>& objects) const;

    struct Proxy;  // one COM object seen by the scripts

private:
    static duk_ret_t TrapGet(duk_context* ctx);
    static duk_ret_t TrapSet(duk_context* ctx);
    static duk_ret_t TrapHas(duk_context* ctx);
    static duk_ret_t TrapApply(duk_context* ctx);
    static duk_ret_t TrapOwnKeys(duk_context* ctx);
    static duk_ret_t TrapRefuse(duk_context* ctx);
    static duk_ret_t CallMember(duk_context* ctx);
    static duk_ret_t ReadDefaultValue(duk_context* ctx);
    static duk_ret_t FinalizeTarget(duk_context* ctx);
    static duk_ret_t PutCall(duk_context* ctx);
    static duk_ret_t PutCallSetter(duk_context* ctx);
    static duk_ret_t TargetBody(duk_context* ctx);

    static Proxy* ProxyOfTarget(duk_context* ctx, duk_idx_t target);
    bool Get(Proxy& proxy, std::string_view name);
    bool Set(Proxy& proxy, std::string_view name, duk_idx_t value);
    bool Call(Proxy& proxy, DISPID id, WORD flags, duk_idx_t first, duk_idx_t count, std::string_view name);
    bool ReadDefault(Proxy& proxy);
    bool PutWithArguments(Proxy& proxy, std::string_view name, duk_idx_t args, duk_idx_t value);
    static std::u16string NameFailure(HRESULT hr, std::u16string unknownText);
    HRESULT IdOf(Proxy& proxy, std::string_view name, DISPID& id);
    MemberKind KindOf(Proxy& proxy, DISPID id) const;
    void PushMemberFunction(Proxy& proxy, duk_idx_t target, DISPID id, WORD flags, std::string_view name);
    void Forget(Proxy* proxy);

    duk_context* ctx_;
    void* handler_ = nullptr;  // the traps shared by every proxy, kept in the heap stash
    std::unordered_map<Proxy*, std::unique_ptr<Proxy>> owned_;
    std::unordered_map<IUnknown*, Proxy*> byIdentity_;
    std::unordered_map<void*, Proxy*> byHeapObject_;
    std::unordered_map<void*, Proxy*> byTarget_;  // by the proxy's target, where a trap finds its record
    std::size_t made_ = 0;
};

}  // namespace tlx::host
