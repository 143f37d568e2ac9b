#include "mv_deklaracje/export/XmlEscape.h"

#include <algorithm>
#include <string>

namespace {

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// Characters of the Basic Multilingual Plane that an XML 1.0 document cannot contain in any form.
bool IsForbiddenInXml(char16_t c) {
    if (c < 0x20) return c != u'\t' && c != u'\n' && c != u'\r';
    return c == 0xFFFE || c == 0xFFFF;
}

// A character the escaper writes otherwise than as itself.
bool NeedsEscaping(char16_t c) {
    return c == u'&' || c == u'<' || c == u'>' || c == u'"' || c < 0x20 || (c >= 0xD800 && c <= 0xDFFF) ||
           IsForbiddenInXml(c);
}

}  // namespace

bool NeedsXmlEscaping(std::u16string_view text) { return std::any_of(text.begin(), text.end(), NeedsEscaping); }

void AppendEscapedXml(std::u16string& out, std::u16string_view in) {
    if (!NeedsXmlEscaping(in)) {
        out += in;
        return;
    }
    for (std::size_t i = 0; i < in.size(); ++i) {
        const char16_t c = in[i];
        switch (c) {
            case u'&': out += u"&amp;"; continue;
            case u'<': out += u"&lt;"; continue;
            case u'>': out += u"&gt;"; continue;
            case u'"': out += u"&quot;"; continue;
            // A reader turns a raw tab or line break of an attribute value into a blank (and a raw CR LF
            // of element content into LF): as references they read back as stored, and a file stays one line.
            case u'\t': out += u"&#9;"; continue;
            case u'\n': out += u"&#10;"; continue;
            case u'\r': out += u"&#13;"; continue;
            default: break;
        }
        if (IsHighSurrogate(c)) {
            if (i + 1 < in.size() && IsLowSurrogate(in[i + 1])) {
                out += c;
                out += in[++i];
            }
            continue;
        }
        if (IsLowSurrogate(c) || IsForbiddenInXml(c)) continue;
        out += c;
    }
}

CBstr EscapeXmlText(const CBstr& text, bool /*variant*/) {
    const std::u16string_view in = text.View();
    // Most values need nothing: they are answered as they are, without a copy.
    if (!text.IsNull() && !NeedsXmlEscaping(in)) return text;
    std::u16string out;
    out.reserve(in.size());
    AppendEscapedXml(out, in);
    return CBstr(out);
}

void AppendString(CBstr& text, const CBstr& tail) { text = text + tail; }
