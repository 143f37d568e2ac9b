// CBstr: the module's text value. Copies share the text; a null string (no text) and the empty string
// are different values, though every helper treats a null string as one of length 0.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/com/Guid.h"
#include "platform/com/Variant.h"

class CBstr {
public:
    CBstr() = default;
    CBstr(const OLECHAR* text) : CBstr(text, text ? std::u16string_view(text).size() : 0, text != nullptr) {}
    CBstr(const OLECHAR* text, unsigned maxLen);
    CBstr(std::u16string_view text) : text_(std::make_shared<const std::u16string>(text)) {}
    CBstr(const std::u16string& text) : CBstr(std::u16string_view(text)) {}
    // VT_NULL gives the empty string; any other value its text conversion.
    explicit CBstr(const VARIANT& value);
    CBstr(long value, int radix) { AssignLong(value, radix); }
    explicit CBstr(const GUID& guid) : CBstr(tlx::GuidToText(guid)) {}

    void Assign(const OLECHAR* text) { *this = CBstr(text); }
    void AssignLong(long value, int radix);

    bool IsNull() const { return !text_; }
    bool IsEmpty() const { return Length() == 0; }
    unsigned Length() const { return text_ ? static_cast<unsigned>(text_->size()) : 0; }
    std::u16string_view View() const { return text_ ? std::u16string_view(*text_) : std::u16string_view(); }
    std::u16string Str() const { return std::u16string(View()); }
    // A zero-terminated text; the empty text for a null string.
    const OLECHAR* c_str() const { return text_ ? text_->c_str() : u""; }
    // A new BSTR for an out-parameter (null for a null string).
    BSTR Copy() const;

    CBstr Mid(unsigned start) const;
    CBstr Mid(unsigned start, unsigned count) const;
    CBstr Left(unsigned count) const { return Mid(0, count); }
    CBstr Right(unsigned count) const;
    int Find(OLECHAR c) const;
    CBstr TrimLeft() const;
    // The first character that is not a blank (U+0020), the text's end when all are; null for a null
    // string.
    const OLECHAR* SkipLeadingSpaces() const;
    CBstr ToLower() const;
    CBstr ToUpper() const;

    friend CBstr operator+(const CBstr& a, std::u16string_view b) { return CBstr(a.Str() + std::u16string(b)); }
    friend CBstr operator+(const CBstr& a, const CBstr& b) { return a + b.View(); }
    friend bool operator==(const CBstr& a, const CBstr& b) { return a.View() == b.View(); }
    friend bool operator==(const CBstr& a, std::u16string_view b) { return a.View() == b; }
    friend bool operator==(const CBstr& a, const OLECHAR* b) { return a.View() == std::u16string_view(b ? b : u""); }

private:
    CBstr(const OLECHAR* text, std::size_t length, bool present);
    std::shared_ptr<const std::u16string> text_;
};

// Substring and search helpers on plain texts; a null text counts as length 0.
CBstr Mid(const OLECHAR* s, unsigned start, unsigned count);
CBstr SafeMid(const OLECHAR* s, unsigned start, unsigned count);
// The first `size` characters of the whole text (NULs included), one fewer when the cut would leave the
// first half of a surrogate pair at the end: a text cut to its column keeps whole characters.
CBstr CutToSize(std::u16string_view text, unsigned size);
CBstr MidFrom(const OLECHAR* s, unsigned start);
CBstr MidRange(const OLECHAR* s, unsigned start, unsigned end);
int FindChar(const OLECHAR* s, OLECHAR c);
int FindSubstring(const OLECHAR* s, const OLECHAR* sub);
CBstr LongToStringRadix(long value, int radix);
CBstr LongToString(long value);
CBstr GuidToString(const GUID& guid);
// prefix + column when the prefix is not empty, else the column alone.
CBstr BuildFieldName(const CBstr& prefix, const OLECHAR* column);
// Replaces every `find` by `repl`; replaced text is never searched again. With `ignoreCase` only A-Z fold.
CBstr ReplaceAll(const OLECHAR* src, const OLECHAR* find, const OLECHAR* repl, bool ignoreCase);
// Doubles every apostrophe; with `enclose` wraps the text in apostrophes.
CBstr QuoteSqlText(const OLECHAR* text, bool enclose);
