// The standard enumerators of collections: IEnumVARIANT (what a collection's _NewEnum member,
// DISPID_NEWENUM, hands out) and IEnumUnknown, each over a snapshot of the items.
#pragma once

#include <vector>

#include "platform/com/ComPtr.h"
#include "platform/com/Variant.h"

struct IEnumVARIANT : IUnknown {
    static constexpr IID kIid = tlx::MakeGuid(u"{00020404-0000-0000-C000-000000000046}");
    using Base = IUnknown;
    // Copies of up to `count` items into `items`; S_FALSE when fewer were left.
    virtual HRESULT Next(ULONG count, VARIANT* items, ULONG* fetched) = 0;
    virtual HRESULT Skip(ULONG count) = 0;
    virtual HRESULT Reset() = 0;
    virtual HRESULT Clone(IEnumVARIANT** copy) = 0;

protected:
    ~IEnumVARIANT() = default;
};

struct IEnumUnknown : IUnknown {
    static constexpr IID kIid = tlx::MakeGuid(u"{00000100-0000-0000-C000-000000000046}");
    using Base = IUnknown;
    virtual HRESULT Next(ULONG count, IUnknown** items, ULONG* fetched) = 0;
    virtual HRESULT Skip(ULONG count) = 0;
    virtual HRESULT Reset() = 0;
    virtual HRESULT Clone(IEnumUnknown** copy) = 0;

protected:
    ~IEnumUnknown() = default;
};

inline constexpr IID IID_IEnumVARIANT = IEnumVARIANT::kIid;
inline constexpr IID IID_IEnumUnknown = IEnumUnknown::kIid;

namespace tlx {

ComPtr<IEnumVARIANT> MakeVariantEnumerator(std::vector<Variant> items);
ComPtr<IEnumUnknown> MakeUnknownEnumerator(std::vector<ComPtr<IUnknown>> items);

// For a collection's _NewEnum: an IEnumVARIANT over `items`, handed out as IUnknown.
HRESULT NewVariantEnumerator(std::vector<Variant> items, IUnknown** out);

}  // namespace tlx
