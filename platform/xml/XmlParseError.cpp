#include "platform/xml/XmlParseError.h"

#include "platform/xml/XmlText.h"

namespace tlx {

HRESULT CXmlParseError::get_errorCode(LONG* code) {
    if (!code) return E_POINTER;
    *code = code_;
    return S_OK;
}

HRESULT CXmlParseError::get_url(BSTR* url) { return ReturnBstr(url_, url); }

HRESULT CXmlParseError::get_reason(BSTR* reason) { return ReturnBstr(reason_, reason); }

HRESULT CXmlParseError::get_line(LONG* line) {
    if (!line) return E_POINTER;
    *line = line_;
    return S_OK;
}

HRESULT CXmlParseError::get_linepos(LONG* position) {
    if (!position) return E_POINTER;
    *position = linePosition_;
    return S_OK;
}

}  // namespace tlx
