// Object templates: reference counting, QueryInterface from the interface list, aggregation through an
// outer unknown, a class factory per class and the module lock count.
#pragma once

#include <atomic>
#include <cstddef>
#include <memory>
#include <new>
#include <type_traits>
#include <utility>

#include "platform/com/ComPtr.h"

namespace tlx {

// The number of live objects and server locks of one binary (library or program).
class ModuleLockCount {
public:
    void Lock() { count_.fetch_add(1, std::memory_order_relaxed); }
    void Unlock() { count_.fetch_sub(1, std::memory_order_relaxed); }
    long Count() const { return count_.load(std::memory_order_relaxed); }

private:
    std::atomic<long> count_{0};
};

// Every binary that builds objects from these templates links the static library tlxmodule, which
// defines this instance; hidden visibility keeps one count per library, so that each library's
// DllCanUnloadNow answers for its own objects.
__attribute__((visibility("hidden"))) ModuleLockCount& ThisModule();

namespace detail {
// True when `iid` names I or an interface that I extends (IUnknown is answered apart, as the identity).
template <class I>
bool ChainHas(REFIID iid) {
    if constexpr (std::is_same_v<I, IUnknown>) {
        return false;
    } else {
        return iid == I::kIid || ChainHas<typename I::Base>(iid);
    }
}

// An entry of the interface list that implements several interfaces itself (a helper base such as
// Dispatch<I>) answers for them through FindOwnInterface; any other entry through its chain.
template <class Self, class I, class... Rest>
void* FindInChain(Self* self, REFIID iid) {
    if constexpr (requires(I* entry) { entry->FindOwnInterface(iid); }) {
        if (void* found = static_cast<I*>(self)->FindOwnInterface(iid)) return found;
    } else if (ChainHas<I>(iid)) {
        return static_cast<I*>(self);
    }
    if constexpr (sizeof...(Rest) > 0)
        return FindInChain<Self, Rest...>(self, iid);
    else
        return nullptr;
}
}  // namespace detail

// Base of every COM object: `class CThing : public ComObject<CThing, IThing, IOther>`. The object's
// identity is its inner unknown; when created inside an outer object, the interfaces' IUnknown members
// delegate to the outer unknown.
template <class Derived, class... Interfaces>
class ComObject : public Interfaces... {
public:
    HRESULT QueryInterface(REFIID iid, void** out) override {
        return outer_ ? outer_->QueryInterface(iid, out) : self_.QueryInterface(iid, out);
    }
    ULONG AddRef() override { return outer_ ? outer_->AddRef() : self_.AddRef(); }
    ULONG Release() override { return outer_ ? outer_->Release() : self_.Release(); }

    // Creates an object for a class factory: `outer` aggregates it (then only IUnknown may be asked).
    static HRESULT CreateObject(IUnknown* outer, REFIID iid, void** out) {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (outer && iid != IID_IUnknown) return CLASS_E_NOAGGREGATION;
        std::unique_ptr<Derived> object(new (std::nothrow) Derived());
        if (!object) return E_OUTOFMEMORY;
        ComObject* base = object.get();
        base->outer_ = outer;
        base->refs_ = 1;  // keeps the object alive while it finishes construction
        if (HRESULT hr = base->FinalConstruct(); FAILED(hr)) return hr;
        object.release();
        IUnknown* inner = &base->self_;
        HRESULT hr = inner->QueryInterface(iid, out);
        inner->Release();
        return hr;
    }

    // Creates an object for use inside the process, not aggregated.
    template <class... Args>
    static ComPtr<Derived> Make(Args&&... args) {
        std::unique_ptr<Derived> object(new Derived(std::forward<Args>(args)...));
        ComObject* base = object.get();
        base->refs_ = 1;
        if (HRESULT hr = base->FinalConstruct(); FAILED(hr)) return nullptr;
        return ComPtr<Derived>::Attach(object.release());
    }

    ComObject(const ComObject&) = delete;
    ComObject& operator=(const ComObject&) = delete;

protected:
    ComObject() { ThisModule().Lock(); }
    virtual ~ComObject() { ThisModule().Unlock(); }

    // Work that may fail after construction; a failure discards the object.
    virtual HRESULT FinalConstruct() { return S_OK; }
    // Interfaces answered beyond the class's bases (an aggregated inner object, a tear-off).
    virtual HRESULT QueryExtraInterface(REFIID /*iid*/, void** /*out*/) { return E_NOINTERFACE; }
    // The unknown that owns this object's identity: the outer one when aggregated.
    IUnknown* ControllingUnknown() { return outer_ ? outer_ : static_cast<IUnknown*>(&self_); }

private:
    // The non-delegating unknown: the object's own reference count and interface table. It finds its
    // object from its own address (it is the object's member `self_`), so that no object keeps a pointer
    // back to itself: a save of many rows holds several objects for each row.
    class InnerUnknown final : public IUnknown {
    public:
        HRESULT QueryInterface(REFIID iid, void** out) override {
            if (!out) return E_POINTER;
            *out = nullptr;
            ComObject* object = Object();
            if (iid == IID_IUnknown) {
                *out = static_cast<IUnknown*>(this);
                AddRef();
            } else if (void* found = detail::FindInChain<ComObject, Interfaces...>(object, iid)) {
                // Counted through the interface itself, which speaks for the outer object when aggregated.
                *out = found;
                object->AddRef();
            } else {
                return object->QueryExtraInterface(iid, out);
            }
            return S_OK;
        }
        ULONG AddRef() override { return ++Object()->refs_; }
        ULONG Release() override {
            ComObject* object = Object();
            ULONG left = --object->refs_;
            if (left == 0) delete object;
            return left;
        }

    private:
        ComObject* Object() { return reinterpret_cast<ComObject*>(reinterpret_cast<char*>(this) - SelfOffset()); }
    };

    static std::size_t SelfOffset() {
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Winvalid-offsetof"
        return offsetof(ComObject, self_);  // no virtual bases: the member sits at a fixed place
#pragma GCC diagnostic pop
    }

    IUnknown* outer_ = nullptr;
    InnerUnknown self_;
    // Last, so that a derived class's first member, when small, takes the room after it.
    std::atomic<ULONG> refs_{0};
};

// The class factory of one class; it holds the module lock while it lives, like every object.
template <class T>
class ClassFactory final : public ComObject<ClassFactory<T>, IClassFactory> {
public:
    HRESULT CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
        return T::CreateObject(outer, iid, out);
    }
    HRESULT LockServer(BOOL lock) override {
        lock ? ThisModule().Lock() : ThisModule().Unlock();
        return S_OK;
    }

    // Hands out a new factory through the requested interface.
    static HRESULT Get(REFIID iid, void** out) {
        return ClassFactory::CreateObject(nullptr, iid, out);
    }
};

}  // namespace tlx
