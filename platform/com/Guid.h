// GUIDs: class, interface and library identifiers, with the braced registry text form.
#pragma once

#include <compare>
#include <cstring>
#include <string>
#include <string_view>

#include "platform/com/Types.h"

struct GUID {
    std::uint32_t Data1;
    std::uint16_t Data2;
    std::uint16_t Data3;
    std::uint8_t Data4[8];

    friend constexpr bool operator==(const GUID& a, const GUID& b) {
        if (a.Data1 != b.Data1 || a.Data2 != b.Data2 || a.Data3 != b.Data3) return false;
        for (int i = 0; i < 8; ++i)
            if (a.Data4[i] != b.Data4[i]) return false;
        return true;
    }
    friend bool operator<(const GUID& a, const GUID& b) { return std::memcmp(&a, &b, sizeof(GUID)) < 0; }
};

using IID = GUID;
using CLSID = GUID;
using REFGUID = const GUID&;
using REFIID = const IID&;
using REFCLSID = const CLSID&;

inline constexpr GUID GUID_NULL{};

inline bool IsEqualGUID(REFGUID a, REFGUID b) { return a == b; }
inline bool IsEqualIID(REFIID a, REFIID b) { return a == b; }
inline bool IsEqualCLSID(REFCLSID a, REFCLSID b) { return a == b; }

namespace tlx {
// Parses "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}" (hexadecimal digits of either case) at compile time
// or run time; false on any other text.
constexpr bool ParseGuid(std::u16string_view text, GUID& out) {
    if (text.size() != 38 || text[0] != u'{' || text[37] != u'}') return false;
    auto hex = [](char16_t c) -> int {
        if (c >= u'0' && c <= u'9') return c - u'0';
        if (c >= u'a' && c <= u'f') return c - u'a' + 10;
        if (c >= u'A' && c <= u'F') return c - u'A' + 10;
        return -1;
    };
    unsigned char bytes[16]{};
    std::size_t pos = 1;
    for (int i = 0; i < 16; ++i) {
        if (pos == 9 || pos == 14 || pos == 19 || pos == 24) {
            if (text[pos] != u'-') return false;
            ++pos;
        }
        int hi = hex(text[pos]), lo = hex(text[pos + 1]);
        if (hi < 0 || lo < 0) return false;
        bytes[i] = static_cast<unsigned char>(hi * 16 + lo);
        pos += 2;
    }
    if (pos != 37) return false;
    out.Data1 = (std::uint32_t(bytes[0]) << 24) | (std::uint32_t(bytes[1]) << 16) |
                (std::uint32_t(bytes[2]) << 8) | bytes[3];
    out.Data2 = static_cast<std::uint16_t>((bytes[4] << 8) | bytes[5]);
    out.Data3 = static_cast<std::uint16_t>((bytes[6] << 8) | bytes[7]);
    for (int i = 0; i < 8; ++i) out.Data4[i] = bytes[8 + i];
    return true;
}

// A GUID literal checked at compile time: MakeGuid(u"{00000000-0000-0000-C000-000000000046}").
consteval GUID MakeGuid(const char16_t (&text)[39]) {
    GUID g{};
    if (!ParseGuid(std::u16string_view(text, 38), g)) throw "malformed GUID literal";
    return g;
}

// The braced upper-case registry form of a GUID.
std::u16string GuidToText(REFGUID guid);
}  // namespace tlx

// Platform names: the registry form and its parser (CO_E_CLASSSTRING for malformed text).
int StringFromGUID2(REFGUID guid, LPOLESTR buffer, int capacity);
HRESULT CLSIDFromString(LPCOLESTR text, CLSID* out);
HRESULT IIDFromString(LPCOLESTR text, IID* out);
