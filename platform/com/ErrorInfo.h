// Error objects: the thread's current error object and the interfaces that describe it.
#pragma once

#include "platform/com/Bstr.h"
#include "platform/com/Unknown.h"

struct IErrorInfo : IUnknown {
    static constexpr IID kIid = tlx::MakeGuid(u"{1CF2B120-547D-101B-8E65-08002B2BD119}");
    using Base = IUnknown;
    virtual HRESULT GetGUID(GUID* guid) = 0;
    virtual HRESULT GetSource(BSTR* source) = 0;
    virtual HRESULT GetDescription(BSTR* description) = 0;
    virtual HRESULT GetHelpFile(BSTR* helpFile) = 0;
    virtual HRESULT GetHelpContext(DWORD* helpContext) = 0;

protected:
    ~IErrorInfo() = default;
};

struct ICreateErrorInfo : IUnknown {
    static constexpr IID kIid = tlx::MakeGuid(u"{22F03340-547D-101B-8E65-08002B2BD119}");
    using Base = IUnknown;
    virtual HRESULT SetGUID(REFGUID guid) = 0;
    virtual HRESULT SetSource(LPOLESTR source) = 0;
    virtual HRESULT SetDescription(LPOLESTR description) = 0;
    virtual HRESULT SetHelpFile(LPOLESTR helpFile) = 0;
    virtual HRESULT SetHelpContext(DWORD helpContext) = 0;

protected:
    ~ICreateErrorInfo() = default;
};

struct ISupportErrorInfo : IUnknown {
    static constexpr IID kIid = tlx::MakeGuid(u"{DF0B3D60-548F-101B-8E65-08002B2BD119}");
    using Base = IUnknown;
    virtual HRESULT InterfaceSupportsErrorInfo(REFIID iid) = 0;

protected:
    ~ISupportErrorInfo() = default;
};

inline constexpr IID IID_IErrorInfo = IErrorInfo::kIid;
inline constexpr IID IID_ICreateErrorInfo = ICreateErrorInfo::kIid;
inline constexpr IID IID_ISupportErrorInfo = ISupportErrorInfo::kIid;

// Creates an empty error object.
HRESULT CreateErrorInfo(ICreateErrorInfo** out);
// Replaces the thread's error object (null clears it). `reserved` must be 0.
HRESULT SetErrorInfo(ULONG reserved, IErrorInfo* info);
// Hands the thread's error object to the caller and clears it; S_FALSE and null when there is none.
HRESULT GetErrorInfo(ULONG reserved, IErrorInfo** info);

namespace tlx {
// Sets the thread's error object to a new one with this description (source and interface GUID_NULL).
// Answers `hr` so that a member can `return SetErrorText(hr, ...)`.
HRESULT SetErrorText(HRESULT hr, std::u16string_view description);
// The description of the thread's current error object, taken (and cleared) from the thread; empty
// when there is none.
std::u16string TakeErrorDescription();
}  // namespace tlx
