#include "platform/ado/FilterExpression.h"

#include <cmath>
#include <optional>

#include "platform/ado/Ado.h"
#include "platform/ado/AdoError.h"
#include "platform/ado/DateText.h"
#include "platform/text/CodePage.h"

namespace tlx::ado {

struct FilterExpression::Node {
    enum Kind { kAnd, kOr, kCompare } kind = kCompare;
    std::unique_ptr<Node> left, right;
    int column = -1;
    std::u16string op;
    tlx::Variant literal;
};

namespace {
char16_t Lower(char16_t c) {
    if (c >= u'A' && c <= u'Z') return static_cast<char16_t>(c + 32);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<char16_t>(c + 32);
    if (c >= 0x100 && c <= 0x17F && (c % 2 == 0)) return static_cast<char16_t>(c + 1);  // Latin Extended-A pairs
    return c;
}

std::u16string Folded(std::u16string_view text) {
    std::u16string out(text);
    for (auto& c : out) c = Lower(c);
    return out;
}

std::optional<double> NumericValue(const VARIANT& v) {
    switch (v.vt) {
        case VT_I2: return v.iVal;
        case VT_I4: return v.lVal;
        case VT_I8: return static_cast<double>(v.llVal);
        case VT_R8: return v.dblVal;
        case VT_CY: return static_cast<double>(v.cyVal.int64) / 10000.0;
        case VT_DATE: return v.date;
        case VT_BOOL: return v.boolVal ? -1.0 : 0.0;
        default: return std::nullopt;
    }
}

std::u16string TextValue(const VARIANT& v) {
    if (v.vt == VT_BSTR) return v.bstrVal ? std::u16string(v.bstrVal, SysStringLen(v.bstrVal)) : u"";
    if (auto n = NumericValue(v)) {
        double d = *n;
        if (d == std::floor(d)) return Utf8ToUtf16(std::to_string(static_cast<long long>(d)));
        return Utf8ToUtf16(std::to_string(d));
    }
    return u"";
}

bool LikeMatches(std::u16string_view text, std::u16string_view pattern) {
    // Wildcards at the start and the end only, as recordset filters allow.
    bool leading = !pattern.empty() && (pattern.front() == u'*' || pattern.front() == u'%');
    if (leading) pattern.remove_prefix(1);
    bool trailing = !pattern.empty() && (pattern.back() == u'*' || pattern.back() == u'%');
    if (trailing) pattern.remove_suffix(1);
    std::u16string t = Folded(text), p = Folded(pattern);
    if (leading && trailing) return t.find(p) != std::u16string::npos;
    if (leading) return t.size() >= p.size() && t.compare(t.size() - p.size(), p.size(), p) == 0;
    if (trailing) return t.compare(0, p.size(), p) == 0;
    return t == p;
}

class Parser {
public:
    Parser(std::u16string_view text, const std::function<int(std::u16string_view)>& findColumn)
        : text_(text), findColumn_(findColumn) {}

    std::unique_ptr<FilterExpression::Node> ParseAll() {
        auto node = ParseOr();
        SkipBlanks();
        if (pos_ != text_.size()) Error();
        return node;
    }

private:
    using Node = FilterExpression::Node;

    [[noreturn]] void Error() {
        Fail(adErrInvalidArgument, u"Invalid filter criteria: " + std::u16string(text_));
    }
    void SkipBlanks() {
        while (pos_ < text_.size() && (text_[pos_] == u' ' || text_[pos_] == u'\t')) ++pos_;
    }
    bool Keyword(std::u16string_view word) {
        SkipBlanks();
        if (text_.size() - pos_ < word.size()) return false;
        if (Folded(text_.substr(pos_, word.size())) != Folded(word)) return false;
        size_t end = pos_ + word.size();
        if (end < text_.size() && (std::isalnum(text_[end] < 128 ? static_cast<int>(text_[end]) : 'a') ||
                                   text_[end] == u'_'))
            return false;
        pos_ = end;
        return true;
    }
    std::unique_ptr<Node> Join(Node::Kind kind, std::unique_ptr<Node> left, std::unique_ptr<Node> right) {
        auto node = std::make_unique<Node>();
        node->kind = kind;
        node->left = std::move(left);
        node->right = std::move(right);
        return node;
    }
    std::unique_ptr<Node> ParseOr() {
        auto node = ParseAnd();
        while (Keyword(u"OR")) node = Join(Node::kOr, std::move(node), ParseAnd());
        return node;
    }
    std::unique_ptr<Node> ParseAnd() {
        auto node = ParsePrimary();
        while (Keyword(u"AND")) node = Join(Node::kAnd, std::move(node), ParsePrimary());
        return node;
    }
    std::unique_ptr<Node> ParsePrimary() {
        SkipBlanks();
        if (pos_ < text_.size() && text_[pos_] == u'(') {
            ++pos_;
            auto node = ParseOr();
            SkipBlanks();
            if (pos_ >= text_.size() || text_[pos_] != u')') Error();
            ++pos_;
            return node;
        }
        auto node = std::make_unique<Node>();
        node->column = findColumn_(ColumnName());
        if (node->column < 0) Error();
        node->op = Operator();
        node->literal = Literal();
        return node;
    }
    std::u16string ColumnName() {
        SkipBlanks();
        if (pos_ < text_.size() && text_[pos_] == u'[') {
            size_t end = text_.find(u']', pos_);
            if (end == std::u16string_view::npos) Error();
            std::u16string name(text_.substr(pos_ + 1, end - pos_ - 1));
            pos_ = end + 1;
            return name;
        }
        size_t start = pos_;
        while (pos_ < text_.size() && (text_[pos_] == u'_' || text_[pos_] > 127 ||
                                       std::isalnum(static_cast<int>(text_[pos_]))))
            ++pos_;
        if (start == pos_) Error();
        return std::u16string(text_.substr(start, pos_ - start));
    }
    std::u16string Operator() {
        SkipBlanks();
        if (Keyword(u"LIKE")) return u"LIKE";
        for (std::u16string_view op : {u"<=", u">=", u"<>", u"=", u"<", u">"}) {
            if (text_.substr(pos_, op.size()) == op) {
                pos_ += op.size();
                return std::u16string(op);
            }
        }
        Error();
    }
    tlx::Variant Literal() {
        SkipBlanks();
        if (pos_ >= text_.size()) Error();
        char16_t c = text_[pos_];
        if (c == u'\'') {
            std::u16string value;
            for (++pos_; pos_ < text_.size(); ++pos_) {
                if (text_[pos_] == u'\'') {
                    if (pos_ + 1 < text_.size() && text_[pos_ + 1] == u'\'') {
                        value += u'\'';
                        ++pos_;
                    } else {
                        ++pos_;
                        return tlx::Variant::FromString(value);
                    }
                } else {
                    value += text_[pos_];
                }
            }
            Error();
        }
        if (c == u'#') {
            size_t end = text_.find(u'#', pos_ + 1);
            if (end == std::u16string_view::npos) Error();
            auto date = ParseDateText(Utf16ToUtf8(text_.substr(pos_ + 1, end - pos_ - 1)));
            if (!date) Error();
            pos_ = end + 1;
            return tlx::Variant::FromDate(*date);
        }
        if (Keyword(u"NULL")) return tlx::Variant::Null();
        size_t start = pos_;
        while (pos_ < text_.size() && (std::isdigit(text_[pos_] < 128 ? static_cast<int>(text_[pos_]) : 'x') ||
                                       text_[pos_] == u'.' || text_[pos_] == u'-' || text_[pos_] == u'+'))
            ++pos_;
        if (start == pos_) Error();
        std::string number = Utf16ToUtf8(text_.substr(start, pos_ - start));
        char* end = nullptr;
        double value = std::strtod(number.c_str(), &end);
        if (*end != '\0') Error();
        return tlx::Variant::FromDouble(value);
    }

    std::u16string_view text_;
    const std::function<int(std::u16string_view)>& findColumn_;
    size_t pos_ = 0;
};

bool Evaluate(const FilterExpression::Node& node, const std::vector<tlx::Variant>& values) {
    using Node = FilterExpression::Node;
    if (node.kind == Node::kAnd) return Evaluate(*node.left, values) && Evaluate(*node.right, values);
    if (node.kind == Node::kOr) return Evaluate(*node.left, values) || Evaluate(*node.right, values);
    const VARIANT& value = values[static_cast<size_t>(node.column)];
    bool valueNull = value.vt == VT_NULL || value.vt == VT_EMPTY;
    if (node.literal.vt == VT_NULL) {
        if (node.op == u"=") return valueNull;
        if (node.op == u"<>") return !valueNull;
        return false;
    }
    if (valueNull) return false;
    if (node.op == u"LIKE") return LikeMatches(TextValue(value), TextValue(node.literal));
    int order = 0;
    auto number = NumericValue(value);
    auto literalNumber = NumericValue(node.literal);
    if (!literalNumber && node.literal.vt == VT_BSTR && number) {
        // A quoted number against a numeric column compares as a number.
        std::string text = Utf16ToUtf8(TextValue(node.literal));
        char* end = nullptr;
        double parsed = std::strtod(text.c_str(), &end);
        if (!text.empty() && *end == '\0') literalNumber = parsed;
    }
    if (number && literalNumber) {
        order = *number < *literalNumber ? -1 : (*number > *literalNumber ? 1 : 0);
    } else {
        order = Folded(TextValue(value)).compare(Folded(TextValue(node.literal)));
    }
    if (node.op == u"=") return order == 0;
    if (node.op == u"<>") return order != 0;
    if (node.op == u"<") return order < 0;
    if (node.op == u">") return order > 0;
    if (node.op == u"<=") return order <= 0;
    return order >= 0;
}
}  // namespace

int CompareFieldValues(const VARIANT& a, const VARIANT& b) {
    bool aNull = a.vt == VT_NULL || a.vt == VT_EMPTY;
    bool bNull = b.vt == VT_NULL || b.vt == VT_EMPTY;
    if (aNull || bNull) return aNull == bNull ? 0 : (aNull ? -1 : 1);
    auto x = NumericValue(a), y = NumericValue(b);
    if (x && y) return *x < *y ? -1 : (*x > *y ? 1 : 0);
    int order = Folded(TextValue(a)).compare(Folded(TextValue(b)));
    return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

FilterExpression::FilterExpression(std::unique_ptr<Node> root) : root_(std::move(root)) {}
FilterExpression::~FilterExpression() = default;

std::unique_ptr<FilterExpression> FilterExpression::Parse(std::u16string_view criteria,
                                                          const std::function<int(std::u16string_view)>& findColumn) {
    Parser parser(criteria, findColumn);
    return std::unique_ptr<FilterExpression>(new FilterExpression(parser.ParseAll()));
}

bool FilterExpression::Matches(const std::vector<tlx::Variant>& values) const { return Evaluate(*root_, values); }

}  // namespace tlx::ado
