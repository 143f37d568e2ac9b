// The enumerator behind a host collection's _NewEnum: the items of the live rows when it was made, in
// order. Each Next moves the collection's recordset to the row of the item it hands out, so that the
// item reads its own row while the caller uses it.
#pragma once

#include <functional>
#include <vector>

#include "platform/com/ComObject.h"
#include "platform/com/Enumerators.h"

namespace tlx::host {

struct EnumeratedItem {
    double bookmark;
    ComPtr<IDispatch> item;
};

class CItemEnumerator final : public ComObject<CItemEnumerator, IEnumVARIANT> {
public:
    using MoveToRow = std::function<HRESULT(double bookmark)>;
    CItemEnumerator(ComPtr<IUnknown> collection, MoveToRow move, std::vector<EnumeratedItem> items)
        : collection_(std::move(collection)), move_(std::move(move)), items_(std::move(items)) {}

    HRESULT Next(ULONG count, VARIANT* items, ULONG* fetched) override;
    HRESULT Skip(ULONG count) override;
    HRESULT Reset() override;
    HRESULT Clone(IEnumVARIANT** copy) override;

private:
    ComPtr<IUnknown> collection_;  // keeps the collection (and its recordset) alive
    MoveToRow move_;
    std::vector<EnumeratedItem> items_;
    std::size_t position_ = 0;
};

}  // namespace tlx::host
