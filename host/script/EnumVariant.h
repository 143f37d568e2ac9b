// IEnumVARIANT: the enumerator a collection hands out through its _NewEnum member (DISPID_NEWENUM).
#pragma once

#include "platform/com/Variant.h"

struct IEnumVARIANT : IUnknown {
    static constexpr IID kIid = tlx::MakeGuid(u"{00020404-0000-0000-C000-000000000046}");
    using Base = IUnknown;
    // Copies up to `count` items into `items`; S_FALSE when fewer were left.
    virtual HRESULT Next(ULONG count, VARIANT* items, ULONG* fetched) = 0;
    virtual HRESULT Skip(ULONG count) = 0;
    virtual HRESULT Reset() = 0;
    virtual HRESULT Clone(IEnumVARIANT** copy) = 0;

protected:
    ~IEnumVARIANT() = default;
};
