#include "platform/xml/XPathQuery.h"

#include <libxml/xpath.h>
#include <libxml/xpathInternals.h>

#include <memory>

#include "platform/com/ErrorInfo.h"
#include "platform/text/CodePage.h"
#include "platform/xml/XmlErrorCollector.h"

namespace tlx {

namespace {

bool IsNameStart(char16_t c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u'_' || c >= 0x80;
}
bool IsNameChar(char16_t c) {
    return IsNameStart(c) || (c >= u'0' && c <= u'9') || c == u'.' || c == u'-';
}
bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool IsSpace(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }

// What the previous token lets the next one be (XPath 1.0 lexical disambiguation): after nothing, "@",
// "::", "(", "[", "," or an operator, a "*" or a name is a name test; after anything else an operator.
enum class Before { Nothing, TestPosition, Operand };

class NameTestWidener {
public:
    explicit NameTestWidener(std::u16string_view text) : text_(text) {}

    std::u16string Run() {
        while (at_ < text_.size()) Step();
        return out_;
    }

private:
    char16_t Peek(std::size_t offset = 0) const {
        return at_ + offset < text_.size() ? text_[at_ + offset] : u'\0';
    }
    bool TestAllowed() const { return before_ != Before::Operand; }
    char16_t NextNonSpace(std::size_t from) const {
        while (from < text_.size() && IsSpace(text_[from])) ++from;
        return from < text_.size() ? text_[from] : u'\0';
    }
    std::size_t NextNonSpaceAt(std::size_t from) const {
        while (from < text_.size() && IsSpace(text_[from])) ++from;
        return from;
    }
    std::u16string_view ScanName() {
        std::size_t start = at_;
        while (at_ < text_.size() && IsNameChar(text_[at_])) ++at_;
        return text_.substr(start, at_ - start);
    }
    void Emit(std::u16string_view piece) { out_.append(piece); }

    void Step() {
        char16_t c = Peek();
        if (IsSpace(c)) {
            out_.push_back(c);
            ++at_;
        } else if (c == u'\'' || c == u'"') {
            std::size_t end = text_.find(c, at_ + 1);
            end = end == std::u16string_view::npos ? text_.size() : end + 1;
            Emit(text_.substr(at_, end - at_));
            at_ = end;
            before_ = Before::Operand;
        } else if (IsDigit(c) || (c == u'.' && IsDigit(Peek(1)))) {
            std::size_t start = at_;
            while (at_ < text_.size() && (IsDigit(text_[at_]) || text_[at_] == u'.')) ++at_;
            Emit(text_.substr(start, at_ - start));
            before_ = Before::Operand;
        } else if (c == u'.') {
            std::size_t length = Peek(1) == u'.' ? 2 : 1;
            Emit(text_.substr(at_, length));
            at_ += length;
            before_ = Before::Operand;
        } else if (c == u'@') {
            Emit(u"@");
            ++at_;
            axisKeepsNames_ = true;
            before_ = Before::TestPosition;
        } else if (c == u'$') {
            Emit(u"$");
            ++at_;
            Emit(ScanName());
            if (Peek() == u':' && Peek(1) != u':') {
                Emit(u":");
                ++at_;
                Emit(ScanName());
            }
            before_ = Before::Operand;
        } else if (c == u'(' || c == u'[' || c == u',') {
            out_.push_back(c);
            ++at_;
            before_ = Before::TestPosition;
        } else if (c == u')' || c == u']') {
            out_.push_back(c);
            ++at_;
            before_ = Before::Operand;
        } else if (c == u':' && Peek(1) == u':') {
            Emit(u"::");
            at_ += 2;
            before_ = Before::TestPosition;
        } else if (c == u'*') {
            Emit(u"*");
            ++at_;
            before_ = TestAllowed() ? (axisKeepsNames_ = false, Before::Operand) : Before::TestPosition;
        } else if (IsNameStart(c)) {
            Name();
        } else {
            // Operators: / // | + - = != < <= > >=
            std::size_t length = 1;
            if ((c == u'/' && Peek(1) == u'/') || ((c == u'!' || c == u'<' || c == u'>') && Peek(1) == u'=')) length = 2;
            Emit(text_.substr(at_, length));
            at_ += length;
            before_ = Before::TestPosition;
        }
    }

    void Name() {
        if (!TestAllowed()) {  // and, or, div, mod
            Emit(ScanName());
            before_ = Before::TestPosition;
            return;
        }
        std::u16string_view name = ScanName();
        bool prefixed = Peek() == u':' && Peek(1) != u':';
        if (prefixed) {
            Emit(name);
            Emit(u":");
            ++at_;
            if (Peek() == u'*') {
                Emit(u"*");
                ++at_;
            } else {
                Emit(ScanName());
            }
            before_ = NextNonSpace(at_) == u'(' ? Before::Nothing : Before::Operand;
            axisKeepsNames_ = false;
            return;
        }
        char16_t next = NextNonSpace(at_);
        if (next == u'(') {  // a function or a node type test
            Emit(name);
            before_ = Before::Nothing;
            axisKeepsNames_ = false;
            return;
        }
        std::size_t after = NextNonSpaceAt(at_);
        if (next == u':' && after + 1 < text_.size() && text_[after + 1] == u':') {  // an axis
            Emit(name);
            axisKeepsNames_ = name == u"attribute" || name == u"namespace";
            before_ = Before::TestPosition;
            return;
        }
        if (axisKeepsNames_) {
            Emit(name);
        } else {
            Emit(u"*[local-name()='");
            Emit(name);
            Emit(u"' and not(contains(name(),':'))]");
        }
        axisKeepsNames_ = false;
        before_ = Before::Operand;
    }

    std::u16string_view text_;
    std::size_t at_ = 0;
    std::u16string out_;
    Before before_ = Before::Nothing;
    bool axisKeepsNames_ = false;
};

struct ContextDeleter {
    void operator()(xmlXPathContextPtr context) const { xmlXPathFreeContext(context); }
};
struct CompDeleter {
    void operator()(xmlXPathCompExprPtr expression) const { xmlXPathFreeCompExpr(expression); }
};
struct ObjectDeleter {
    void operator()(xmlXPathObjectPtr object) const { xmlXPathFreeObject(object); }
};

HRESULT Fail(const std::u16string& expression, const std::string& why) {
    return SetErrorText(E_FAIL, u"The XPath expression \"" + expression + u"\" cannot be evaluated: " + Utf8ToUtf16(why));
}

}  // namespace

std::u16string XPathQuery::WidenNameTests(std::u16string_view expression) {
    return NameTestWidener(expression).Run();
}

bool XPathQuery::ParseNamespaces(std::u16string_view text, Namespaces& namespaces) {
    Namespaces parsed;
    std::size_t at = 0;
    auto skipSpace = [&] {
        while (at < text.size() && IsSpace(text[at])) ++at;
    };
    skipSpace();
    while (at < text.size()) {
        if (text.substr(at, 5) != u"xmlns") return false;
        at += 5;
        std::u16string prefix;
        if (at < text.size() && text[at] == u':') {
            std::size_t start = ++at;
            while (at < text.size() && IsNameChar(text[at])) ++at;
            prefix = text.substr(start, at - start);
            if (prefix.empty() || !IsNameStart(prefix[0])) return false;
        }
        skipSpace();
        if (at >= text.size() || text[at] != u'=') return false;
        ++at;
        skipSpace();
        if (at >= text.size() || (text[at] != u'\'' && text[at] != u'"')) return false;
        char16_t quote = text[at];
        std::size_t end = text.find(quote, at + 1);
        if (end == std::u16string_view::npos) return false;
        std::u16string uri(text.substr(at + 1, end - at - 1));
        at = end + 1;
        if (at < text.size() && !IsSpace(text[at])) return false;
        skipSpace();
        if (!prefix.empty()) parsed.emplace_back(Utf16ToUtf8(prefix), Utf16ToUtf8(uri));
    }
    namespaces = std::move(parsed);
    return true;
}

HRESULT XPathQuery::Select(xmlNodePtr context, std::u16string_view expression, const Namespaces& namespaces,
                           std::vector<xmlNodePtr>& nodes) {
    nodes.clear();
    std::u16string original(expression);
    XmlErrorCollector collector;
    std::unique_ptr<xmlXPathContext, ContextDeleter> xpath(xmlXPathNewContext(context->doc));
    if (!xpath) throw std::bad_alloc();
    xpath->node = context;
    for (const auto& [prefix, uri] : namespaces)
        xmlXPathRegisterNs(xpath.get(), BAD_CAST prefix.c_str(), BAD_CAST uri.c_str());

    std::string widened = Utf16ToUtf8(WidenNameTests(expression));
    std::unique_ptr<xmlXPathCompExpr, CompDeleter> compiled(xmlXPathCtxtCompile(xpath.get(), BAD_CAST widened.c_str()));
    if (!compiled) return Fail(original, collector.Text("invalid expression"));
    std::unique_ptr<xmlXPathObject, ObjectDeleter> result(xmlXPathCompiledEval(compiled.get(), xpath.get()));
    if (!result) return Fail(original, collector.Text("evaluation failed"));
    if (result->type != XPATH_NODESET) return Fail(original, "the result is not a node set");
    if (xmlNodeSetPtr set = result->nodesetval) {
        xmlXPathNodeSetSort(set);
        for (int i = 0; i < set->nodeNr; ++i)
            if (set->nodeTab[i]->type != XML_NAMESPACE_DECL) nodes.push_back(set->nodeTab[i]);
    }
    return S_OK;
}

}  // namespace tlx
