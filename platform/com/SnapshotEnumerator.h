// An enumerator over a snapshot of items taken when it was made: later changes of the source are not
// seen. Clones share the snapshot and start at the clone's position.
#pragma once

#include <algorithm>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/com/ComObject.h"
#include "platform/com/Variant.h"

namespace tlx {

namespace detail {
inline void CopyOut(const Variant& item, VARIANT& out) {
    VariantInit(&out);
    if (FAILED(VariantCopy(&out, &item))) throw std::bad_alloc();
}
template <class I>
void CopyOut(const ComPtr<I>& item, I*& out) {
    out = nullptr;
    item.CopyTo(&out);
}
// A stored item may copy itself out (a member CopyOut); the others are copied as above.
template <class Stored, class Out>
void CopyItem(const Stored& item, Out& out) {
    if constexpr (requires { item.CopyOut(out); })
        item.CopyOut(out);
    else
        CopyOut(item, out);
}
}  // namespace detail

// IEnum: the enumerator interface (Next, Skip, Reset, Clone); Out: what Next hands out per item;
// Stored: how the snapshot owns an item.
template <class IEnum, class Out, class Stored>
class SnapshotEnumerator final : public ComObject<SnapshotEnumerator<IEnum, Out, Stored>, IEnum> {
public:
    using Items = std::vector<Stored>;

    explicit SnapshotEnumerator(std::shared_ptr<const Items> items, std::size_t position = 0)
        : items_(std::move(items)), position_(position) {}

    // Hands out up to `count` items; S_FALSE when fewer were left. `fetched` may be null only when one
    // item is asked for.
    HRESULT Next(ULONG count, Out* out, ULONG* fetched) override {
        if (fetched) *fetched = 0;
        if (!out || (count != 1 && !fetched)) return E_POINTER;
        std::lock_guard lock(mutex_);
        ULONG n = 0;
        try {
            for (; n < count && position_ < items_->size(); ++n, ++position_) detail::CopyItem((*items_)[position_], out[n]);
        } catch (const std::bad_alloc&) {
            return E_OUTOFMEMORY;
        }
        if (fetched) *fetched = n;
        return n == count ? S_OK : S_FALSE;
    }
    HRESULT Skip(ULONG count) override {
        std::lock_guard lock(mutex_);
        const std::size_t left = items_->size() - position_;
        position_ += std::min<std::size_t>(count, left);
        return count <= left ? S_OK : S_FALSE;
    }
    HRESULT Reset() override {
        std::lock_guard lock(mutex_);
        position_ = 0;
        return S_OK;
    }
    HRESULT Clone(IEnum** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        std::size_t position;
        {
            std::lock_guard lock(mutex_);
            position = position_;
        }
        try {
            return ComPtr<IEnum>(SnapshotEnumerator::Make(items_, position)).CopyTo(out);
        } catch (const std::bad_alloc&) {
            return E_OUTOFMEMORY;
        }
    }

private:
    std::shared_ptr<const Items> items_;
    std::size_t position_;
    std::mutex mutex_;
};

}  // namespace tlx
