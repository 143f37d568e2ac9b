#include "host/collections/ItemEnumerator.h"

namespace tlx::host {

HRESULT CItemEnumerator::Next(ULONG count, VARIANT* items, ULONG* fetched) {
    if (!items && count) return E_POINTER;
    ULONG done = 0;
    while (done < count && position_ < items_.size()) {
        const EnumeratedItem& next = items_[position_++];
        if (HRESULT hr = move_(next.bookmark); FAILED(hr)) {
            for (ULONG i = 0; i < done; ++i) VariantClear(&items[i]);
            return hr;
        }
        VariantInit(&items[done]);
        items[done] = Variant::FromDispatch(next.item.Get()).Detach();
        ++done;
    }
    if (fetched) *fetched = done;
    return done == count ? S_OK : S_FALSE;
}

HRESULT CItemEnumerator::Skip(ULONG count) {
    std::size_t left = items_.size() - position_;
    position_ += std::min<std::size_t>(count, left);
    return count <= left ? S_OK : S_FALSE;
}

HRESULT CItemEnumerator::Reset() {
    position_ = 0;
    return S_OK;
}

HRESULT CItemEnumerator::Clone(IEnumVARIANT** copy) {
    if (!copy) return E_POINTER;
    ComPtr<CItemEnumerator> clone = CItemEnumerator::Make(collection_, move_, items_);
    clone->position_ = position_;
    *copy = clone.Detach();
    return S_OK;
}

}  // namespace tlx::host
