// Connection points: how an object calls back the sinks that the host attached to one of its outgoing
// (event) interfaces.
#pragma once

#include <initializer_list>
#include <mutex>
#include <vector>

#include "platform/com/ComPtr.h"
#include "platform/com/Variant.h"

struct IConnectionPointContainer;
struct IConnectionPoint;

struct CONNECTDATA {
    IUnknown* pUnk;
    DWORD dwCookie;
};

struct IEnumConnections : IUnknown {
    static constexpr IID kIid = tlx::MakeGuid(u"{B196B287-BAB4-101A-B69C-00AA00341D07}");
    using Base = IUnknown;
    virtual HRESULT Next(ULONG count, CONNECTDATA* connections, ULONG* fetched) = 0;
    virtual HRESULT Skip(ULONG count) = 0;
    virtual HRESULT Reset() = 0;
    virtual HRESULT Clone(IEnumConnections** copy) = 0;

protected:
    ~IEnumConnections() = default;
};

struct IConnectionPoint : IUnknown {
    static constexpr IID kIid = tlx::MakeGuid(u"{B196B286-BAB4-101A-B69C-00AA00341D07}");
    using Base = IUnknown;
    virtual HRESULT GetConnectionInterface(IID* iid) = 0;
    virtual HRESULT GetConnectionPointContainer(IConnectionPointContainer** container) = 0;
    virtual HRESULT Advise(IUnknown* sink, DWORD* cookie) = 0;
    virtual HRESULT Unadvise(DWORD cookie) = 0;
    virtual HRESULT EnumConnections(IEnumConnections** connections) = 0;

protected:
    ~IConnectionPoint() = default;
};

struct IEnumConnectionPoints : IUnknown {
    static constexpr IID kIid = tlx::MakeGuid(u"{B196B285-BAB4-101A-B69C-00AA00341D07}");
    using Base = IUnknown;
    virtual HRESULT Next(ULONG count, IConnectionPoint** points, ULONG* fetched) = 0;
    virtual HRESULT Skip(ULONG count) = 0;
    virtual HRESULT Reset() = 0;
    virtual HRESULT Clone(IEnumConnectionPoints** copy) = 0;

protected:
    ~IEnumConnectionPoints() = default;
};

struct IConnectionPointContainer : IUnknown {
    static constexpr IID kIid = tlx::MakeGuid(u"{B196B284-BAB4-101A-B69C-00AA00341D07}");
    using Base = IUnknown;
    virtual HRESULT EnumConnectionPoints(IEnumConnectionPoints** points) = 0;
    virtual HRESULT FindConnectionPoint(REFIID iid, IConnectionPoint** point) = 0;

protected:
    ~IConnectionPointContainer() = default;
};

inline constexpr IID IID_IConnectionPoint = IConnectionPoint::kIid;
inline constexpr IID IID_IConnectionPointContainer = IConnectionPointContainer::kIid;
inline constexpr IID IID_IEnumConnections = IEnumConnections::kIid;
inline constexpr IID IID_IEnumConnectionPoints = IEnumConnectionPoints::kIid;

namespace tlx {

// One outgoing interface of an object and the sinks attached to it. It lives inside its container
// object and shares that object's reference count; only the container creates it.
//
// Sinks are kept in places: a detached sink leaves its place empty for a later Advise to reuse, and the
// cookie of a sink is its place + 1. The list is guarded by the point's lock, which is never held while a
// sink runs, so a sink may attach, detach or fire from inside its handler.
class ConnectionPoint final : public IConnectionPoint {
public:
    enum class FireMode {
        StopAtFirstFailure,  // the sinks after a failing one do not receive the event
        CallEverySink,       // every sink receives it; the first failure is answered
    };

    ConnectionPoint(IConnectionPointContainer* container, const IID& iid);
    ConnectionPoint(const ConnectionPoint&) = delete;
    ConnectionPoint& operator=(const ConnectionPoint&) = delete;
    ~ConnectionPoint() = default;

    HRESULT QueryInterface(REFIID iid, void** out) override;
    ULONG AddRef() override;
    ULONG Release() override;

    HRESULT GetConnectionInterface(IID* iid) override;
    HRESULT GetConnectionPointContainer(IConnectionPointContainer** container) override;
    // Asks the sink for the outgoing interface (E_NOINTERFACE: CONNECT_E_CANNOTCONNECT) and keeps it.
    HRESULT Advise(IUnknown* sink, DWORD* cookie) override;
    // CONNECT_E_NOCONNECTION for a cookie that names no attached sink.
    HRESULT Unadvise(DWORD cookie) override;
    HRESULT EnumConnections(IEnumConnections** connections) override;

    const IID& Iid() const { return iid_; }
    // Calls IDispatch::Invoke(id, DISPATCH_METHOD) on each sink attached when the fire starts, in place
    // order, with `args` in their natural order (each sink gets fresh copies, reversed as dispatch
    // expects). A sink detached meanwhile is skipped. A sink that answers DISP_E_EXCEPTION fails the fire
    // with the scode of its exception information; any other answer but S_OK is answered as it is.
    HRESULT Fire(DISPID id, const std::vector<Variant>& args = {}, FireMode mode = FireMode::StopAtFirstFailure);
    // The sinks attached now (for outgoing interfaces that are not called through IDispatch).
    std::vector<ComPtr<IUnknown>> Sinks() const;

private:
    static constexpr std::size_t kMaxSinks = 0xFFFF;

    struct Place {
        ComPtr<IUnknown> sink;  // null when the place is empty
        unsigned long long serial = 0;  // which Advise filled it
    };

    HRESULT FireFrom(std::size_t places, unsigned long long before, DISPID id, const std::vector<Variant>& args,
                     FireMode mode);
    // The sink at `place` when it was attached before the advise numbered `before`.
    ComPtr<IUnknown> SinkAt(std::size_t place, unsigned long long before) const;

    IConnectionPointContainer* container_;  // the owner; counted through it
    IID iid_;
    mutable std::mutex lock_;
    std::vector<Place> places_;
    unsigned long long nextSerial_ = 1;
};

}  // namespace tlx
