#include "platform/com/Guid.h"

namespace tlx {
std::u16string GuidToText(REFGUID g) {
    static constexpr char16_t digits[] = u"0123456789ABCDEF";
    std::u16string out = u"{";
    auto put = [&](std::uint64_t value, int nibbles) {
        for (int i = nibbles - 1; i >= 0; --i) out += digits[(value >> (i * 4)) & 0xF];
    };
    put(g.Data1, 8);
    out += u'-';
    put(g.Data2, 4);
    out += u'-';
    put(g.Data3, 4);
    out += u'-';
    put(g.Data4[0], 2);
    put(g.Data4[1], 2);
    out += u'-';
    for (int i = 2; i < 8; ++i) put(g.Data4[i], 2);
    out += u'}';
    return out;
}
}  // namespace tlx

int StringFromGUID2(REFGUID guid, LPOLESTR buffer, int capacity) {
    std::u16string text = tlx::GuidToText(guid);
    if (!buffer || capacity < static_cast<int>(text.size()) + 1) return 0;
    text.copy(buffer, text.size());
    buffer[text.size()] = 0;
    return static_cast<int>(text.size()) + 1;
}

HRESULT CLSIDFromString(LPCOLESTR text, CLSID* out) {
    if (!out) return E_POINTER;
    if (!text) {
        *out = GUID_NULL;
        return S_OK;
    }
    return tlx::ParseGuid(text, *out) ? S_OK : CO_E_CLASSSTRING;
}

HRESULT IIDFromString(LPCOLESTR text, IID* out) {
    HRESULT hr = CLSIDFromString(text, out);
    return hr == CO_E_CLASSSTRING ? E_INVALIDARG : hr;
}
