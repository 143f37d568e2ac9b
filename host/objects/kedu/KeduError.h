// Failures of the KEDU component's plain code: thrown as KeduError and turned, at each COM member, into
// the member's HRESULT with an error object that carries the member's interface identifier.
#pragma once

#include <string>
#include <utility>

#include "host/HostError.h"

namespace tlx::host {

struct KeduError {
    HRESULT hr;
    std::u16string text;
};

// Bad input: a value, name, position or text that the document cannot hold.
[[noreturn]] inline void RefuseKedu(std::u16string text) { throw KeduError{E_INVALIDARG, std::move(text)}; }

template <class F>
HRESULT KeduBoundary(REFIID iid, F&& body) {
    return Boundary([&] {
        try {
            body();
        } catch (const KeduError& e) {
            Fail(e.hr, iid, e.text);
        }
    });
}

}  // namespace tlx::host
