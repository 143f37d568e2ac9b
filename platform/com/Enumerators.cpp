#include "platform/com/Enumerators.h"

#include "platform/com/SnapshotEnumerator.h"

namespace tlx {

namespace {
using VariantEnumerator = SnapshotEnumerator<IEnumVARIANT, VARIANT, Variant>;
using UnknownEnumerator = SnapshotEnumerator<IEnumUnknown, IUnknown*, ComPtr<IUnknown>>;
}  // namespace

ComPtr<IEnumVARIANT> MakeVariantEnumerator(std::vector<Variant> items) {
    return VariantEnumerator::Make(std::make_shared<const VariantEnumerator::Items>(std::move(items)));
}

ComPtr<IEnumUnknown> MakeUnknownEnumerator(std::vector<ComPtr<IUnknown>> items) {
    return UnknownEnumerator::Make(std::make_shared<const UnknownEnumerator::Items>(std::move(items)));
}

HRESULT NewVariantEnumerator(std::vector<Variant> items, IUnknown** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    try {
        ComPtr<IUnknown> enumerator = MakeVariantEnumerator(std::move(items));
        return enumerator.CopyTo(out);
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}

}  // namespace tlx
