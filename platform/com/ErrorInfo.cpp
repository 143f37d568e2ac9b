#include "platform/com/ErrorInfo.h"

#include "platform/com/ComObject.h"

namespace {

class CErrorInfo final : public tlx::ComObject<CErrorInfo, IErrorInfo, ICreateErrorInfo> {
public:
    HRESULT GetGUID(GUID* guid) override {
        if (!guid) return E_POINTER;
        *guid = guid_;
        return S_OK;
    }
    HRESULT GetSource(BSTR* source) override { return Hand(source_, source); }
    HRESULT GetDescription(BSTR* description) override { return Hand(description_, description); }
    HRESULT GetHelpFile(BSTR* helpFile) override { return Hand(helpFile_, helpFile); }
    HRESULT GetHelpContext(DWORD* helpContext) override {
        if (!helpContext) return E_POINTER;
        *helpContext = helpContext_;
        return S_OK;
    }

    HRESULT SetGUID(REFGUID guid) override {
        guid_ = guid;
        return S_OK;
    }
    HRESULT SetSource(LPOLESTR source) override { return Keep(source_, source); }
    HRESULT SetDescription(LPOLESTR description) override { return Keep(description_, description); }
    HRESULT SetHelpFile(LPOLESTR helpFile) override { return Keep(helpFile_, helpFile); }
    HRESULT SetHelpContext(DWORD helpContext) override {
        helpContext_ = helpContext;
        return S_OK;
    }

private:
    static HRESULT Hand(const tlx::Bstr& value, BSTR* out) {
        if (!out) return E_POINTER;
        *out = tlx::Bstr(value).Detach();
        return S_OK;
    }
    static HRESULT Keep(tlx::Bstr& slot, LPOLESTR text) {
        slot = tlx::Bstr(text);
        return S_OK;
    }

    GUID guid_{};
    tlx::Bstr source_, description_, helpFile_;
    DWORD helpContext_ = 0;
};

// The error object of this thread; it lives until the next SetErrorInfo or GetErrorInfo.
thread_local tlx::ComPtr<IErrorInfo> t_current;

}  // namespace

HRESULT CreateErrorInfo(ICreateErrorInfo** out) {
    if (!out) return E_POINTER;
    return CErrorInfo::CreateObject(nullptr, IID_ICreateErrorInfo, reinterpret_cast<void**>(out));
}

HRESULT SetErrorInfo(ULONG reserved, IErrorInfo* info) {
    if (reserved != 0) return E_INVALIDARG;
    t_current = tlx::ComPtr<IErrorInfo>(info);
    return S_OK;
}

HRESULT GetErrorInfo(ULONG reserved, IErrorInfo** info) {
    if (reserved != 0) return E_INVALIDARG;
    if (!info) return E_POINTER;
    *info = t_current.Detach();
    return *info ? S_OK : S_FALSE;
}

namespace tlx {
HRESULT SetErrorText(HRESULT hr, std::u16string_view description) {
    ComPtr<ICreateErrorInfo> create;
    if (FAILED(CreateErrorInfo(create.Out()))) return hr;
    Bstr text(description);
    create->SetDescription(text.Get());
    create->SetGUID(GUID_NULL);
    SetErrorInfo(0, create.As<IErrorInfo>().Get());
    return hr;
}

std::u16string TakeErrorDescription() {
    ComPtr<IErrorInfo> info;
    if (GetErrorInfo(0, info.Out()) != S_OK || !info) return {};
    Bstr description;
    info->GetDescription(description.Out());
    return description.Str();
}
}  // namespace tlx
