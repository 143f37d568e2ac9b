// The items of a document's payment: a collection kept in memory with its payment, in the order added.
// Item takes a zero-based position or an item of this collection; AddNew appends an empty item (a
// pattern is not copied); Resync has nothing to re-read.
#pragma once

#include <vector>

#include "hostapi/CollectionsDispatch.h"

namespace tlx::host {

class CPlatnoscPozycje final : public ComObject<CPlatnoscPozycje, Dispatch<ICollection>> {
public:
    HRESULT get__NewEnum(IUnknown** enumerator) override;
    HRESULT Item(VARIANT key, IDispatch** item) override;
    HRESULT get_Count(LONG* count) override;
    HRESULT AddNew(VARIANT pattern, IDispatch** item) override;
    HRESULT Delete(VARIANT item) override;
    HRESULT Resync(VARIANT options) override;

private:
    std::size_t Find(const VARIANT& key);

    std::vector<ComPtr<IDispatch>> items_;
};

}  // namespace tlx::host
