// The connection-point half of an object that fires events: put it in the object's interface list
// (ComObject<CFoo, Dispatch<IFoo>, ConnectionPointContainer>) and declare the outgoing interfaces in the
// constructor with AddConnectionPoint.
#pragma once

#include <memory>
#include <vector>

#include "platform/com/ComObject.h"
#include "platform/com/ConnectionPoint.h"

namespace tlx {

class ConnectionPointContainer : public IConnectionPointContainer {
public:
    // Lists the points in the order they were declared.
    HRESULT EnumConnectionPoints(IEnumConnectionPoints** points) override;
    // CONNECT_E_NOCONNECTION for an interface the object does not fire.
    HRESULT FindConnectionPoint(REFIID iid, IConnectionPoint** point) override;

    // Answers QueryInterface for this entry of the object's interface list (see ComObject).
    void* FindOwnInterface(REFIID iid) {
        return iid == IID_IConnectionPointContainer ? static_cast<IConnectionPointContainer*>(this) : nullptr;
    }

protected:
    ConnectionPointContainer() = default;
    ~ConnectionPointContainer() = default;

    ConnectionPoint& AddConnectionPoint(const IID& iid);
    // The point of an outgoing interface; null when the object has none for it.
    ConnectionPoint* PointFor(const IID& iid) const;

private:
    std::vector<std::unique_ptr<ConnectionPoint>> points_;
};

}  // namespace tlx
