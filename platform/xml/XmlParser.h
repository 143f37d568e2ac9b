// Safe parsing of documents: no network, no DTD loading, no external entities (a document that declares
// one is refused), entity expansion bounded by libxml2's amplification limits. The XML declaration
// becomes a processing instruction "xml", the first child of the document, and text nodes of white
// space only are dropped (except under xml:space="preserve" and in xsl:text), so that walks over child
// nodes meet the elements.
#pragma once

#include <libxml/tree.h>

#include <string>
#include <string_view>

#include "platform/com/Types.h"

namespace tlx {

struct XmlParseOutcome {
    xmlDocPtr doc = nullptr;  // owned by the caller; null when the text does not parse
    LONG errorCode = 0;       // 0 on success
    std::u16string reason;
    std::u16string url;
    LONG line = 0;
    LONG linePosition = 0;
};

// The parse error codes: this base plus libxml2's error number.
inline constexpr HRESULT kXmlParseErrorBase = static_cast<HRESULT>(0xC00CE000);
// A document that declares an external entity or names an external DTD to resolve.
inline constexpr LONG kXmlExternalEntityRefused = 0xC00CEFF1;

class XmlParser {
public:
    // Unicode text; an encoding the text declares is not consulted.
    static XmlParseOutcome ParseText(std::u16string_view text);
    // A file's bytes, decoded as their BOM or XML declaration says.
    static XmlParseOutcome ParseFile(const std::string& path);

    // Drops the text nodes of white space only from a tree, as a parse does.
    static void DropBlankTextNodes(xmlDocPtr doc);

private:
    static XmlParseOutcome Parse(const char* bytes, int size, const char* url, const char* encoding, int options);
};

}  // namespace tlx
