#include "platform/com/Bstr.h"

#include <cstdlib>
#include <cstring>
#include <limits>

namespace {
// Layout: a 32-bit byte count, then the characters, then a terminating NUL. The BSTR points at the
// first character.
constexpr std::size_t kPrefix = sizeof(std::uint32_t);

BSTR Allocate(const OLECHAR* text, UINT length) {
    if (length > (std::numeric_limits<std::uint32_t>::max() - kPrefix) / sizeof(OLECHAR) - 1) return nullptr;
    auto* block = static_cast<unsigned char*>(std::malloc(kPrefix + (length + 1) * sizeof(OLECHAR)));
    if (!block) return nullptr;
    std::uint32_t bytes = length * sizeof(OLECHAR);
    std::memcpy(block, &bytes, kPrefix);
    auto* chars = reinterpret_cast<OLECHAR*>(block + kPrefix);
    if (text)
        std::memcpy(chars, text, length * sizeof(OLECHAR));
    else
        std::memset(chars, 0, length * sizeof(OLECHAR));
    chars[length] = 0;
    return chars;
}

UINT ZeroTerminatedLength(const OLECHAR* text) {
    UINT n = 0;
    while (text[n]) ++n;
    return n;
}
}  // namespace

BSTR SysAllocString(const OLECHAR* text) {
    return text ? Allocate(text, ZeroTerminatedLength(text)) : nullptr;
}

BSTR SysAllocStringLen(const OLECHAR* text, UINT length) { return Allocate(text, length); }

int SysReAllocStringLen(BSTR* target, const OLECHAR* text, UINT length) {
    if (!target) return FALSE;
    BSTR fresh = Allocate(text, length);
    if (!fresh) return FALSE;
    SysFreeString(*target);
    *target = fresh;
    return TRUE;
}

int SysReAllocString(BSTR* target, const OLECHAR* text) {
    if (!target) return FALSE;
    if (!text) {
        SysFreeString(*target);
        *target = nullptr;
        return TRUE;
    }
    return SysReAllocStringLen(target, text, ZeroTerminatedLength(text));
}

void SysFreeString(BSTR text) {
    if (text) std::free(reinterpret_cast<unsigned char*>(text) - kPrefix);
}

UINT SysStringLen(BSTR text) {
    if (!text) return 0;
    std::uint32_t bytes;
    std::memcpy(&bytes, reinterpret_cast<unsigned char*>(text) - kPrefix, kPrefix);
    return bytes / sizeof(OLECHAR);
}

namespace tlx {
Bstr::Bstr(std::u16string_view text)
    : value_(SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {}

Bstr::Bstr(const Bstr& other)
    : value_(other.value_ ? SysAllocStringLen(other.value_, other.Length()) : nullptr) {}
}  // namespace tlx
