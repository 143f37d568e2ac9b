// Text at the libxml2 edge: UTF-16 BSTRs in, UTF-8 xmlChar strings out, and back.
#pragma once

#include <libxml/xmlstring.h>

#include <string>
#include <string_view>

#include "platform/com/Bstr.h"
#include "platform/text/CodePage.h"

namespace tlx {

inline std::string ToXmlUtf8(BSTR text) {
    return Utf16ToUtf8(std::u16string_view(text ? text : u"", SysStringLen(text)));
}

inline std::u16string FromXmlUtf8(const xmlChar* text) {
    return text ? Utf8ToUtf16(reinterpret_cast<const char*>(text)) : std::u16string();
}

inline const xmlChar* XmlChars(const std::string& text) { return reinterpret_cast<const xmlChar*>(text.c_str()); }

// Hands a UTF-16 text to an out-parameter as a new BSTR.
inline HRESULT ReturnBstr(std::u16string_view text, BSTR* out) {
    if (!out) return E_POINTER;
    *out = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    return *out ? S_OK : E_OUTOFMEMORY;
}

}  // namespace tlx
