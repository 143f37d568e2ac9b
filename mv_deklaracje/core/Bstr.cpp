#include "mv_deklaracje/core/Bstr.h"
#include "platform/text/AsciiCase.h"

#include "mv_deklaracje/core/VariantHelpers.h"

namespace {
std::u16string_view ViewOf(const OLECHAR* s) { return s ? std::u16string_view(s) : std::u16string_view(); }

OLECHAR AsciiUpper(OLECHAR c) { return c >= u'a' && c <= u'z' ? static_cast<OLECHAR>(c - u'a' + u'A') : c; }
}  // namespace

CBstr::CBstr(const OLECHAR* text, std::size_t length, bool present) {
    if (present) text_ = std::make_shared<const std::u16string>(text, length);
}

CBstr::CBstr(const OLECHAR* text, unsigned maxLen) {
    if (!text) return;
    std::u16string_view v(text);
    text_ = std::make_shared<const std::u16string>(v.substr(0, maxLen));
}

CBstr::CBstr(const VARIANT& value) : CBstr(VariantToBstr(value)) {}

void CBstr::AssignLong(long value, int radix) { *this = LongToStringRadix(value, radix); }

BSTR CBstr::Copy() const {
    if (!text_) return nullptr;
    BSTR b = SysAllocStringLen(text_->data(), static_cast<UINT>(text_->size()));
    if (!b) throw std::bad_alloc();
    return b;
}

CBstr CBstr::Mid(unsigned start) const {
    if (start >= Length()) return CBstr();
    return CBstr(View().substr(start));
}

CBstr CBstr::Mid(unsigned start, unsigned count) const {
    if (start >= Length()) return CBstr();
    return CBstr(View().substr(start, count));
}

CBstr CBstr::Right(unsigned count) const {
    if (count >= Length()) return *this;
    return CBstr(View().substr(Length() - count));
}

int CBstr::Find(OLECHAR c) const {
    auto pos = View().find(c);
    return pos == std::u16string_view::npos ? -1 : static_cast<int>(pos);
}

CBstr CBstr::TrimLeft() const {
    if (!text_) return CBstr();
    return CBstr(View().substr(static_cast<std::size_t>(SkipLeadingSpaces() - text_->c_str())));
}

const OLECHAR* CBstr::SkipLeadingSpaces() const {
    if (!text_) return nullptr;
    auto pos = View().find_first_not_of(u' ');
    return text_->c_str() + (pos == std::u16string_view::npos ? Length() : pos);
}

CBstr CBstr::ToLower() const {
    if (!text_) return CBstr();
    std::u16string s = Str();
    for (auto& c : s) c = tlx::AsciiLower(c);
    return CBstr(s);
}

CBstr CBstr::ToUpper() const {
    if (!text_) return CBstr();
    std::u16string s = Str();
    for (auto& c : s) c = AsciiUpper(c);
    return CBstr(s);
}

CBstr Mid(const OLECHAR* s, unsigned start, unsigned count) {
    auto v = ViewOf(s);
    if (start >= v.size()) return CBstr(u"");
    return CBstr(v.substr(start, count));
}

CBstr CutToSize(std::u16string_view text, unsigned size) {
    if (text.size() <= size) return CBstr(text);
    std::size_t length = size;
    if (length > 0 && text[length - 1] >= 0xD800 && text[length - 1] <= 0xDBFF) --length;
    return CBstr(text.substr(0, length));
}

CBstr SafeMid(const OLECHAR* s, unsigned start, unsigned count) {
    if (!s || !*s) return CBstr(u"");
    return Mid(s, start, count);
}

CBstr MidFrom(const OLECHAR* s, unsigned start) {
    auto v = ViewOf(s);
    if (start >= v.size()) return CBstr(u"");
    return CBstr(v.substr(start));
}

CBstr MidRange(const OLECHAR* s, unsigned start, unsigned end) {
    auto v = ViewOf(s);
    if (start >= v.size()) return CBstr(u"");
    if (end > v.size()) end = static_cast<unsigned>(v.size());
    if (end < start) end = start;  // a reversed range is empty rather than undefined
    return CBstr(v.substr(start, end - start));
}

int FindChar(const OLECHAR* s, OLECHAR c) {
    if (!s) return -1;
    auto pos = ViewOf(s).find(c);
    return pos == std::u16string_view::npos ? -1 : static_cast<int>(pos);
}

int FindSubstring(const OLECHAR* s, const OLECHAR* sub) {
    if (!s || !sub) return -1;
    auto pos = ViewOf(s).find(ViewOf(sub));
    return pos == std::u16string_view::npos ? -1 : static_cast<int>(pos);
}

CBstr LongToStringRadix(long value, int radix) {
    if (radix < 2 || radix > 36) radix = 10;
    // Decimal text keeps the sign; other radixes show the 32-bit pattern, as a C library's ltow does.
    bool negative = radix == 10 && value < 0;
    std::uint64_t n = negative ? std::uint64_t(-static_cast<std::int64_t>(value))
                               : radix == 10 ? std::uint64_t(value) : std::uint64_t(static_cast<std::uint32_t>(value));
    std::u16string digits;
    do {
        unsigned d = static_cast<unsigned>(n % radix);
        digits.insert(digits.begin(), static_cast<OLECHAR>(d < 10 ? u'0' + d : u'a' + d - 10));
        n /= radix;
    } while (n);
    if (negative) digits.insert(digits.begin(), u'-');
    return CBstr(digits);
}

CBstr LongToString(long value) { return LongToStringRadix(value, 10); }

CBstr GuidToString(const GUID& guid) { return CBstr(tlx::GuidToText(guid)); }

CBstr BuildFieldName(const CBstr& prefix, const OLECHAR* column) {
    if (prefix.IsEmpty()) return CBstr(ViewOf(column));
    return prefix + ViewOf(column);
}

CBstr ReplaceAll(const OLECHAR* src, const OLECHAR* find, const OLECHAR* repl, bool ignoreCase) {
    if (!src || !find || !repl || !*src || !*find) return CBstr(src);
    std::u16string result(src), folded(src), key(find);
    std::u16string_view replacement(repl);
    if (ignoreCase) {
        for (auto& c : folded) c = tlx::AsciiLower(c);
        for (auto& c : key) c = tlx::AsciiLower(c);
    }
    for (std::size_t pos = folded.find(key); pos != std::u16string::npos;
         pos = folded.find(key, pos + replacement.size())) {
        result.replace(pos, key.size(), replacement);
        folded.replace(pos, key.size(), replacement);
    }
    return CBstr(result);
}

CBstr QuoteSqlText(const OLECHAR* text, bool enclose) {
    std::u16string out;
    if (enclose) out += u'\'';
    for (OLECHAR c : ViewOf(text)) {
        out += c;
        if (c == u'\'') out += u'\'';
    }
    if (enclose) out += u'\'';
    return CBstr(out);
}
