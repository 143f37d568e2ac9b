// The outcome of a document's last load: why and where the text did not parse.
#pragma once

#include <string>

#include "platform/com/Dispatch.h"
#include "platform/xml/XmlDom.h"
#include "platform/xml/XmlParser.h"

namespace tlx {

class CXmlParseError final : public ComObject<CXmlParseError, Dispatch<IXMLDOMParseError>> {
public:
    explicit CXmlParseError(const XmlParseOutcome& outcome)
        : code_(outcome.errorCode),
          reason_(outcome.reason),
          url_(outcome.url),
          line_(outcome.line),
          linePosition_(outcome.linePosition) {}

    HRESULT get_errorCode(LONG* code) override;
    HRESULT get_url(BSTR* url) override;
    HRESULT get_reason(BSTR* reason) override;
    HRESULT get_line(LONG* line) override;
    HRESULT get_linepos(LONG* position) override;

private:
    LONG code_;
    std::u16string reason_;
    std::u16string url_;
    LONG line_;
    LONG linePosition_;
};

}  // namespace tlx
