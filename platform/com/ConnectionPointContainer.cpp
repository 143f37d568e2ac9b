#include "platform/com/ConnectionPointContainer.h"

#include "platform/com/SnapshotEnumerator.h"

namespace tlx {

namespace {
using PointEnumerator = SnapshotEnumerator<IEnumConnectionPoints, IConnectionPoint*, ComPtr<IConnectionPoint>>;
}  // namespace

ConnectionPoint& ConnectionPointContainer::AddConnectionPoint(const IID& iid) {
    points_.push_back(std::make_unique<ConnectionPoint>(this, iid));
    return *points_.back();
}

ConnectionPoint* ConnectionPointContainer::PointFor(const IID& iid) const {
    for (const auto& point : points_)
        if (point->Iid() == iid) return point.get();
    return nullptr;
}

HRESULT ConnectionPointContainer::EnumConnectionPoints(IEnumConnectionPoints** points) {
    if (!points) return E_POINTER;
    *points = nullptr;
    try {
        auto items = std::make_shared<PointEnumerator::Items>();
        for (const auto& point : points_) items->emplace_back(point.get());
        auto enumerator = PointEnumerator::Make(std::shared_ptr<const PointEnumerator::Items>(std::move(items)));
        return ComPtr<IEnumConnectionPoints>(enumerator).CopyTo(points);
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}

HRESULT ConnectionPointContainer::FindConnectionPoint(REFIID iid, IConnectionPoint** point) {
    if (!point) return E_POINTER;
    *point = nullptr;
    ConnectionPoint* found = PointFor(iid);
    if (!found) return CONNECT_E_NOCONNECTION;
    return ComPtr<IConnectionPoint>(found).CopyTo(point);
}

}  // namespace tlx
