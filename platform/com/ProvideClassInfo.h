// IProvideClassInfo and IProvideClassInfo2: what an object tells about its class. Type information is
// not offered; the default outgoing (event) interface is.
#pragma once

#include "platform/com/Unknown.h"

struct IProvideClassInfo : IUnknown {
    static constexpr IID kIid = tlx::MakeGuid(u"{B196B283-BAB4-101A-B69C-00AA00341D07}");
    using Base = IUnknown;
    virtual HRESULT GetClassInfo(ITypeInfo** info) = 0;

protected:
    ~IProvideClassInfo() = default;
};

inline constexpr DWORD GUIDKIND_DEFAULT_SOURCE_DISP_IID = 1;

struct IProvideClassInfo2 : IProvideClassInfo {
    static constexpr IID kIid = tlx::MakeGuid(u"{A6BC3AC0-DBAA-11CE-9DE3-00AA004BB851}");
    using Base = IProvideClassInfo;
    virtual HRESULT GetGUID(DWORD kind, GUID* guid) = 0;

protected:
    ~IProvideClassInfo2() = default;
};

inline constexpr IID IID_IProvideClassInfo = IProvideClassInfo::kIid;
inline constexpr IID IID_IProvideClassInfo2 = IProvideClassInfo2::kIid;

namespace tlx {

// Put in an object's interface list: ComObject<CFoo, Dispatch<IFoo>, ProvideClassInfo2<&DIID__IEvents>>;
// answers QueryInterface for both interfaces. Without a source interface GetGUID answers E_FAIL.
template <const IID* DefaultSource = nullptr>
class ProvideClassInfo2 : public IProvideClassInfo2 {
public:
    HRESULT GetClassInfo(ITypeInfo** info) override {
        if (!info) return E_POINTER;
        *info = nullptr;
        return E_NOTIMPL;
    }
    HRESULT GetGUID(DWORD kind, GUID* guid) override {
        if (!guid) return E_POINTER;
        *guid = GUID_NULL;
        if (kind != GUIDKIND_DEFAULT_SOURCE_DISP_IID) return E_INVALIDARG;
        const IID* source = DefaultSource;
        if (!source) return E_FAIL;
        *guid = *source;
        return S_OK;
    }

protected:
    ~ProvideClassInfo2() = default;
};

}  // namespace tlx
