#include "mv_deklaracje/forms/EmptyScriptCalls.h"

#include <map>
#include <optional>

namespace {

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\f' || c == u'\v'; }
// A letter of a script name: ASCII letters and digits, '_', '$' and anything beyond ASCII (Polish names).
bool IsNameChar(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'_' ||
           c == u'$' || c >= 0x80;
}

// Reads a text from a position: blanks, comments, names and single characters.
class Reader {
public:
    Reader(std::u16string_view text, std::size_t at = 0) : text_(text), at_(at) {}

    bool AtEnd() const { return at_ >= text_.size(); }
    std::size_t At() const { return at_; }
    void SkipBlanks() {
        while (!AtEnd() && IsBlank(text_[at_])) ++at_;
    }
    // Blanks and comments; false for a comment that never ends.
    bool SkipBlanksAndComments() {
        for (;;) {
            SkipBlanks();
            if (text_.substr(at_, 2) == u"//") {
                while (!AtEnd() && text_[at_] != u'\n') ++at_;
            } else if (text_.substr(at_, 2) == u"/*") {
                std::size_t end = text_.find(u"*/", at_ + 2);
                if (end == std::u16string_view::npos) return false;
                at_ = end + 2;
            } else {
                return true;
            }
        }
    }
    bool Take(char16_t c) {
        if (AtEnd() || text_[at_] != c) return false;
        ++at_;
        return true;
    }
    std::u16string_view Name() {
        std::size_t start = at_;
        while (!AtEnd() && IsNameChar(text_[at_])) ++at_;
        return text_.substr(start, at_ - start);
    }

private:
    std::u16string_view text_;
    std::size_t at_;
};

// Every name in a text with the number of times it stands there as a whole word (in code, comments and
// texts alike: a mention anywhere counts).
void CountNames(std::u16string_view text, std::map<std::u16string, int, std::less<>>& counts) {
    for (std::size_t at = 0; at < text.size();) {
        if (!IsNameChar(text[at])) {
            ++at;
            continue;
        }
        std::size_t start = at;
        while (at < text.size() && IsNameChar(text[at])) ++at;
        ++counts[std::u16string(text.substr(start, at - start))];
    }
}

// The function name of a bare call `Name()` (blanks allowed, one ';' after it); nothing otherwise.
std::optional<std::u16string_view> BareCall(std::u16string_view expression) {
    Reader reader(expression);
    reader.SkipBlanks();
    std::u16string_view name = reader.Name();
    if (name.empty() || (name[0] >= u'0' && name[0] <= u'9')) return std::nullopt;
    reader.SkipBlanks();
    if (!reader.Take(u'(')) return std::nullopt;
    reader.SkipBlanks();
    if (!reader.Take(u')')) return std::nullopt;
    reader.SkipBlanks();
    reader.Take(u';');
    reader.SkipBlanks();
    if (!reader.AtEnd()) return std::nullopt;
    return name;
}

// The names of the functions declared in `scripts` as `function Name(parameters) { }` with nothing but
// blanks and comments in their body.
std::vector<std::u16string_view> EmptyFunctions(std::u16string_view scripts) {
    std::vector<std::u16string_view> names;
    constexpr std::u16string_view kFunction = u"function";
    for (std::size_t at = scripts.find(kFunction); at != std::u16string_view::npos;
         at = scripts.find(kFunction, at + 1)) {
        std::size_t after = at + kFunction.size();
        if ((at > 0 && IsNameChar(scripts[at - 1])) || (after < scripts.size() && IsNameChar(scripts[after])))
            continue;
        Reader reader(scripts, after);
        reader.SkipBlanks();
        std::u16string_view name = reader.Name();
        if (name.empty()) continue;
        reader.SkipBlanks();
        if (!reader.Take(u'(')) continue;
        bool parameters = true;
        for (;;) {
            reader.SkipBlanks();
            if (reader.Take(u')')) break;
            if (reader.Name().empty() && !reader.Take(u',')) {
                parameters = false;
                break;
            }
        }
        if (!parameters || !reader.SkipBlanksAndComments() || !reader.Take(u'{')) continue;
        if (reader.SkipBlanksAndComments() && reader.Take(u'}')) names.push_back(name);
    }
    return names;
}

}  // namespace

EmptyScriptCalls::EmptyScriptCalls(std::u16string_view scripts, const std::vector<std::u16string_view>& expressions) {
    std::map<std::u16string, int, std::less<>> mentions;
    CountNames(scripts, mentions);
    for (std::u16string_view expression : expressions)
        if (!BareCall(expression)) CountNames(expression, mentions);
    for (std::u16string_view name : EmptyFunctions(scripts)) {
        auto found = mentions.find(name);
        if (found != mentions.end() && found->second == 1) names_.emplace(name);
    }
}

bool EmptyScriptCalls::DoesNothing(std::u16string_view expression) const {
    std::optional<std::u16string_view> name = BareCall(expression);
    return name && names_.count(*name) != 0;
}
