// The host's error boundary: host code throws HostError for a failed call (its error object already set
// by whoever failed) and every COM member of a host class returns through Boundary().
#pragma once

#include <exception>
#include <new>
#include <string>
#include <string_view>

#include "platform/com/ComPtr.h"
#include "platform/com/ErrorInfo.h"

namespace tlx::host {

struct HostError {
    HRESULT hr;
};

// Throws a failing HRESULT as it is (keeping the thread's error object).
inline void Check(HRESULT hr) {
    if (FAILED(hr)) throw HostError{hr};
}

// Sets the thread's error object to `text` and throws `hr`.
[[noreturn]] inline void Fail(HRESULT hr, std::u16string_view text) {
    SetErrorText(hr, text);
    throw HostError{hr};
}

// As Fail, with the failing interface's identifier in the error object.
[[noreturn]] inline void Fail(HRESULT hr, REFIID iid, std::u16string_view text) {
    ComPtr<ICreateErrorInfo> create;
    if (SUCCEEDED(CreateErrorInfo(create.Out()))) {
        Bstr description(text);
        create->SetDescription(description.Get());
        create->SetGUID(iid);
        SetErrorInfo(0, create.As<IErrorInfo>().Get());
    }
    throw HostError{hr};
}

// A null out-pointer, or a required object that is missing.
template <class T>
T* Require(T* pointer) {
    if (!pointer) throw HostError{E_POINTER};
    return pointer;
}

template <class F>
HRESULT Boundary(F&& body) {
    try {
        body();
        return S_OK;
    } catch (const HostError& e) {
        return e.hr;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (const std::exception& e) {
        std::string what = e.what();
        return SetErrorText(E_UNEXPECTED, std::u16string(u"Nieoczekiwany błąd hosta: ") +
                                              std::u16string(what.begin(), what.end()));
    }
}

}  // namespace tlx::host
