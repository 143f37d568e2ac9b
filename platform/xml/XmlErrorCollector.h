// Collects the messages libxml2 and libxslt report while it is in scope, instead of letting them print,
// so that a failing parse, selection, transformation or validation can answer its reasons.
#pragma once

#include <libxml/xmlerror.h>

#include <string>
#include <vector>

namespace tlx {

struct XmlReportedError {
    int code = 0;
    int line = 0;
    int column = 0;
    std::string message;  // UTF-8, without the trailing line break
    std::string file;
};

class XmlErrorCollector {
public:
    XmlErrorCollector();
    ~XmlErrorCollector();
    XmlErrorCollector(const XmlErrorCollector&) = delete;
    XmlErrorCollector& operator=(const XmlErrorCollector&) = delete;

    const std::vector<XmlReportedError>& Errors() const { return errors_; }
    // The messages joined by "; ", or `fallback` when there is none.
    std::string Text(const std::string& fallback) const;

    // Entry points for libxml2's callbacks (public so that a parser context can route to them).
    static void OnStructured(void* collector, xmlErrorPtr error);
    static void OnGeneric(void* collector, const char* format, ...);

private:
    std::vector<XmlReportedError> errors_;
    std::string pending_;  // generic messages arrive in pieces until a line break
    xmlStructuredErrorFunc previousStructured_;
    void* previousStructuredContext_;
    xmlGenericErrorFunc previousGeneric_;
    void* previousGenericContext_;
    xmlGenericErrorFunc previousXsltGeneric_;
    void* previousXsltGenericContext_;
};

}  // namespace tlx
