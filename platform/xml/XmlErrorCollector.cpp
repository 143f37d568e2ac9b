#include "platform/xml/XmlErrorCollector.h"

#include <libxslt/xsltutils.h>

#include <cstdarg>
#include <cstdio>

namespace tlx {

namespace {
std::string TrimLineBreaks(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    return text;
}
}  // namespace

XmlErrorCollector::XmlErrorCollector()
    : previousStructured_(xmlStructuredError),
      previousStructuredContext_(xmlStructuredErrorContext),
      previousGeneric_(xmlGenericError),
      previousGenericContext_(xmlGenericErrorContext),
      previousXsltGeneric_(xsltGenericError),
      previousXsltGenericContext_(xsltGenericErrorContext) {
    xmlSetStructuredErrorFunc(this, &XmlErrorCollector::OnStructured);
    xmlSetGenericErrorFunc(this, &XmlErrorCollector::OnGeneric);
    xsltSetGenericErrorFunc(this, &XmlErrorCollector::OnGeneric);
}

XmlErrorCollector::~XmlErrorCollector() {
    xmlSetStructuredErrorFunc(previousStructuredContext_, previousStructured_);
    xmlSetGenericErrorFunc(previousGenericContext_, previousGeneric_);
    xsltSetGenericErrorFunc(previousXsltGenericContext_, previousXsltGeneric_);
}

void XmlErrorCollector::OnStructured(void* collector, xmlErrorPtr error) {
    if (!collector || !error || error->level == XML_ERR_WARNING) return;
    XmlReportedError e;
    e.code = error->code;
    e.line = error->line;
    e.column = error->int2;
    e.message = TrimLineBreaks(error->message ? error->message : "");
    e.file = error->file ? error->file : "";
    static_cast<XmlErrorCollector*>(collector)->errors_.push_back(std::move(e));
}

void XmlErrorCollector::OnGeneric(void* collector, const char* format, ...) {
    if (!collector) return;
    char buffer[2048];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    auto* self = static_cast<XmlErrorCollector*>(collector);
    self->pending_ += buffer;
    std::size_t end;
    while ((end = self->pending_.find('\n')) != std::string::npos) {
        std::string line = self->pending_.substr(0, end);
        self->pending_.erase(0, end + 1);
        if (!line.empty()) self->errors_.push_back(XmlReportedError{0, 0, 0, line, {}});
    }
}

std::string XmlErrorCollector::Text(const std::string& fallback) const {
    std::string text;
    for (const auto& e : errors_) {
        if (!text.empty()) text += "; ";
        text += e.message;
    }
    if (!pending_.empty()) text += (text.empty() ? "" : "; ") + pending_;
    return text.empty() ? fallback : text;
}

}  // namespace tlx
