// BSTR: a length-prefixed UTF-16 string. A null BSTR and an empty one are different values; the text may
// hold embedded NUL characters. Every BSTR handed out by the platform is freed with SysFreeString.
#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "platform/com/Types.h"

BSTR SysAllocString(const OLECHAR* text);
BSTR SysAllocStringLen(const OLECHAR* text, UINT length);
int SysReAllocString(BSTR* target, const OLECHAR* text);
int SysReAllocStringLen(BSTR* target, const OLECHAR* text, UINT length);
void SysFreeString(BSTR text);
UINT SysStringLen(BSTR text);

namespace tlx {

// Owns one BSTR; null stays null, empty stays empty.
class Bstr {
public:
    Bstr() = default;
    explicit Bstr(const OLECHAR* text) : value_(SysAllocString(text)) {}
    explicit Bstr(std::u16string_view text);
    Bstr(const Bstr& other);
    Bstr(Bstr&& other) noexcept : value_(std::exchange(other.value_, nullptr)) {}
    Bstr& operator=(Bstr other) noexcept {
        std::swap(value_, other.value_);
        return *this;
    }
    ~Bstr() { SysFreeString(value_); }

    // Takes ownership of a BSTR that a call handed out.
    static Bstr Attach(BSTR value) {
        Bstr b;
        b.value_ = value;
        return b;
    }
    BSTR Detach() { return std::exchange(value_, nullptr); }
    // For out-parameters: frees the current value and exposes the slot.
    BSTR* Out() {
        SysFreeString(std::exchange(value_, nullptr));
        return &value_;
    }

    BSTR Get() const { return value_; }
    bool IsNull() const { return value_ == nullptr; }
    UINT Length() const { return SysStringLen(value_); }
    std::u16string_view View() const { return {value_ ? value_ : u"", Length()}; }
    std::u16string Str() const { return std::u16string(View()); }

private:
    BSTR value_ = nullptr;
};

}  // namespace tlx
