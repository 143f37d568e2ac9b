#include "platform/com/ConnectionPoint.h"

#include "platform/com/SnapshotEnumerator.h"

namespace tlx {
namespace {

struct Connection {
    ComPtr<IUnknown> sink;
    DWORD cookie;
    void CopyOut(CONNECTDATA& out) const {
        out.pUnk = nullptr;
        sink.CopyTo(&out.pUnk);
        out.dwCookie = cookie;
    }
};

using ConnectionEnumerator = SnapshotEnumerator<IEnumConnections, CONNECTDATA, Connection>;

// What a sink's failed call answers: the scode of its exception information for DISP_E_EXCEPTION.
HRESULT SinkFailure(HRESULT hr, EXCEPINFO& exception) {
    if (hr != DISP_E_EXCEPTION) return hr;
    if (exception.pfnDeferredFillIn) exception.pfnDeferredFillIn(&exception);
    // An exception without a failure code must not read as success.
    return FAILED(exception.scode) ? exception.scode : DISP_E_EXCEPTION;
}

void FreeExcepInfo(EXCEPINFO& exception) {
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
    exception = EXCEPINFO{};
}

}  // namespace

static_assert(sizeof(Variant) == sizeof(VARIANT), "an array of Variant is passed as VARIANTARG[]");

ConnectionPoint::ConnectionPoint(IConnectionPointContainer* container, const IID& iid)
    : container_(container), iid_(iid) {}

HRESULT ConnectionPoint::QueryInterface(REFIID iid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (iid != IID_IUnknown && iid != IID_IConnectionPoint) return E_NOINTERFACE;
    *out = static_cast<IConnectionPoint*>(this);
    AddRef();
    return S_OK;
}

ULONG ConnectionPoint::AddRef() { return container_->AddRef(); }
ULONG ConnectionPoint::Release() { return container_->Release(); }

HRESULT ConnectionPoint::GetConnectionInterface(IID* iid) {
    if (!iid) return E_POINTER;
    *iid = iid_;
    return S_OK;
}

HRESULT ConnectionPoint::GetConnectionPointContainer(IConnectionPointContainer** container) {
    if (!container) return E_POINTER;
    return ComPtr<IConnectionPointContainer>(container_).CopyTo(container);
}

HRESULT ConnectionPoint::Advise(IUnknown* sink, DWORD* cookie) {
    if (cookie) *cookie = 0;
    if (!sink || !cookie) return E_POINTER;
    void* asked = nullptr;
    HRESULT hr = sink->QueryInterface(iid_, &asked);
    if (hr == E_NOINTERFACE) return CONNECT_E_CANNOTCONNECT;
    if (FAILED(hr)) return hr;
    // Every interface pointer begins with IUnknown's members.
    auto held = ComPtr<IUnknown>::Attach(static_cast<IUnknown*>(asked));
    std::lock_guard lock(lock_);
    std::size_t place = 0;
    while (place < places_.size() && places_[place].sink) ++place;
    if (place == places_.size()) {
        if (place >= kMaxSinks) return CONNECT_E_ADVISELIMIT;
        try {
            places_.emplace_back();
        } catch (const std::bad_alloc&) {
            return CONNECT_E_ADVISELIMIT;  // the list cannot grow
        }
    }
    places_[place] = Place{std::move(held), nextSerial_++};
    *cookie = static_cast<DWORD>(place + 1);
    return S_OK;
}

HRESULT ConnectionPoint::Unadvise(DWORD cookie) {
    ComPtr<IUnknown> detached;
    {
        std::lock_guard lock(lock_);
        if (cookie == 0 || cookie > places_.size() || !places_[cookie - 1].sink) return CONNECT_E_NOCONNECTION;
        detached = std::move(places_[cookie - 1].sink);
    }
    // Released outside the lock: the sink's last Release may call back into this point.
    return S_OK;
}

HRESULT ConnectionPoint::EnumConnections(IEnumConnections** connections) {
    if (!connections) return E_POINTER;
    *connections = nullptr;
    try {
        auto items = std::make_shared<ConnectionEnumerator::Items>();
        {
            std::lock_guard lock(lock_);
            for (std::size_t place = 0; place < places_.size(); ++place)
                if (places_[place].sink) items->push_back(Connection{places_[place].sink, static_cast<DWORD>(place + 1)});
        }
        auto enumerator = ConnectionEnumerator::Make(std::shared_ptr<const ConnectionEnumerator::Items>(std::move(items)));
        return ComPtr<IEnumConnections>(enumerator).CopyTo(connections);
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}

ComPtr<IUnknown> ConnectionPoint::SinkAt(std::size_t place, unsigned long long before) const {
    std::lock_guard lock(lock_);
    if (place >= places_.size() || places_[place].serial >= before) return nullptr;
    return places_[place].sink;
}

std::vector<ComPtr<IUnknown>> ConnectionPoint::Sinks() const {
    std::lock_guard lock(lock_);
    std::vector<ComPtr<IUnknown>> sinks;
    for (const Place& place : places_)
        if (place.sink) sinks.push_back(place.sink);
    return sinks;
}

HRESULT ConnectionPoint::Fire(DISPID id, const std::vector<Variant>& args, FireMode mode) {
    // Sinks attached during the fire are not called by it, even in a place emptied meanwhile.
    std::size_t places = 0;
    unsigned long long before = 0;
    {
        std::lock_guard lock(lock_);
        places = places_.size();
        before = nextSerial_;
    }
    try {
        return FireFrom(places, before, id, args, mode);
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}

HRESULT ConnectionPoint::FireFrom(std::size_t places, unsigned long long before, DISPID id,
                                  const std::vector<Variant>& args, FireMode mode) {
    HRESULT answer = S_OK;
    for (std::size_t place = 0; place < places; ++place) {
        ComPtr<IUnknown> sink = SinkAt(place, before);
        if (!sink) continue;
        // Fresh copies for every sink: a sink may change what it was given.
        std::vector<Variant> reversed(args.rbegin(), args.rend());
        DISPPARAMS params{reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
        EXCEPINFO exception{};
        // The sink was asked for a dispatch-only interface, whose pointer is an IDispatch.
        auto* target = static_cast<IDispatch*>(sink.Get());
        HRESULT hr = target->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr,
                                    &exception, nullptr);
        if (hr != S_OK) {
            hr = SinkFailure(hr, exception);
            if (mode == FireMode::StopAtFirstFailure) {
                FreeExcepInfo(exception);
                return hr;
            }
            if (answer == S_OK) answer = hr;
        }
        FreeExcepInfo(exception);
    }
    return answer;
}

}  // namespace tlx
