// How a payroll object's member answers: the out-pointer checked, the value written, every failure
// turned into its HRESULT at the host's error boundary.
#pragma once

#include <string>

#include "host/HostError.h"
#include "platform/com/Bstr.h"
#include "platform/com/ComPtr.h"

namespace tlx::host {

template <class T, class F>
HRESULT Answer(T* out, F&& value) {
    return Boundary([&] { *Require(out) = value(); });
}

template <class F>
HRESULT AnswerText(BSTR* out, F&& value) {
    return Boundary([&] { *Require(out) = Bstr(value()).Detach(); });
}

// An object answered with a new reference (null stays null).
template <class T, class F>
HRESULT AnswerObject(T** out, F&& value) {
    return Boundary([&] {
        Require(out);
        *out = nullptr;
        ComPtr<T> object = value();
        *out = object.Detach();
    });
}

}  // namespace tlx::host
