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

// A function declared in the scripts whose body holds only traces of fixed texts and bare calls.
struct QuietBody {
    std::u16string_view name;
    std::vector<std::u16string> traces;
    std::vector<std::u16string_view> calls;
};

constexpr std::u16string_view kTrace = u"CcTrace";

// A text in single or double quotes with no backslash and no line break in it; nothing otherwise.
std::optional<std::u16string_view> PlainLiteral(std::u16string_view text, std::size_t& at) {
    if (at >= text.size() || (text[at] != u'\'' && text[at] != u'"')) return std::nullopt;
    const char16_t quote = text[at];
    for (std::size_t end = at + 1; end < text.size(); ++end) {
        if (text[end] == quote) {
            std::u16string_view literal = text.substr(at + 1, end - at - 1);
            at = end + 1;
            return literal;
        }
        if (text[end] == u'\\' || text[end] == u'\n' || text[end] == u'\r') return std::nullopt;
    }
    return std::nullopt;
}

// The functions declared in `scripts` as `function Name(parameters) { ... }` whose body holds nothing but
// blanks, comments and statements `CcTrace('text');` and `Other();` (the semicolons optional).
std::vector<QuietBody> QuietFunctions(std::u16string_view scripts) {
    std::vector<QuietBody> found;
    constexpr std::u16string_view kFunction = u"function";
    for (std::size_t at = scripts.find(kFunction); at != std::u16string_view::npos;
         at = scripts.find(kFunction, at + 1)) {
        std::size_t after = at + kFunction.size();
        if ((at > 0 && IsNameChar(scripts[at - 1])) || (after < scripts.size() && IsNameChar(scripts[after])))
            continue;
        Reader reader(scripts, after);
        reader.SkipBlanks();
        QuietBody body{reader.Name(), {}, {}};
        if (body.name.empty()) continue;
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
        bool quiet = false;
        while (reader.SkipBlanksAndComments()) {
            if (reader.Take(u'}')) {
                quiet = true;
                break;
            }
            std::u16string_view called = reader.Name();
            if (called.empty() || (called[0] >= u'0' && called[0] <= u'9')) break;
            reader.SkipBlanks();
            if (!reader.Take(u'(')) break;
            reader.SkipBlanks();
            if (called == kTrace) {
                std::size_t position = reader.At();
                std::optional<std::u16string_view> text = PlainLiteral(scripts, position);
                if (!text) break;
                reader = Reader(scripts, position);
                reader.SkipBlanks();
                body.traces.emplace_back(*text);
            } else {
                body.calls.push_back(called);
            }
            if (!reader.Take(u')')) break;
            reader.SkipBlanks();
            reader.Take(u';');
        }
        if (quiet) found.push_back(std::move(body));
    }
    return found;
}

// The text without blanks, to compare pieces of script whatever their layout.
std::u16string WithoutBlanks(std::u16string_view text) {
    std::u16string out;
    for (char16_t c : text)
        if (!IsBlank(c)) out.push_back(c);
    return out;
}

std::size_t CountOf(std::u16string_view text, std::u16string_view piece) {
    std::size_t count = 0;
    for (std::size_t at = text.find(piece); at != std::u16string_view::npos; at = text.find(piece, at + 1)) ++count;
    return count;
}

// Every mention of `name` as a whole word in `text` is followed, after blanks, by one of `next`.
bool OnlyFollowedBy(std::u16string_view text, std::u16string_view name, std::u16string_view next) {
    for (std::size_t at = text.find(name); at != std::u16string_view::npos; at = text.find(name, at + 1)) {
        std::size_t after = at + name.size();
        if ((at > 0 && IsNameChar(text[at - 1])) || (after < text.size() && IsNameChar(text[after]))) continue;
        Reader reader(text, after);
        reader.SkipBlanks();
        if (reader.AtEnd() || next.find(text[reader.At()]) == std::u16string_view::npos) return false;
    }
    return true;
}

// The library's CcTrace is the plain one: `if (debugMode) CcSupport().Trace(String(tekst));`, declared
// once, with its debug switch set once and only ever read, its support object made only by CcSupport,
// and none of the names it relies on replaced anywhere: a fixed text traced through it writes that text
// through a new "TLX.ClaSupport" of the session, or nothing when the switch is off.
bool PlainTrace(std::u16string_view scripts, const std::vector<std::u16string_view>& expressions,
                const std::map<std::u16string, int, std::less<>>& mentions) {
    const std::u16string flat = WithoutBlanks(scripts);
    auto count = [&](std::u16string_view name) {
        auto found = mentions.find(name);
        return found == mentions.end() ? 0 : found->second;
    };
    if (CountOf(flat, u"functionCcTrace(") != 1 ||
        CountOf(flat, u"functionCcTrace(tekst){if(debugMode)CcSupport().Trace(String(tekst));}") != 1)
        return false;
    if (CountOf(flat, u"functionCcSupport(") != 1 ||
        CountOf(flat, u"functionCcSupport(){if(ccClaSupport==null)ccClaSupport=newActiveXObject('TLX.ClaSupport');"
                      u"returnccClaSupport;}") != 1)
        return false;
    if (CountOf(flat, u"varccClaSupport=null;") != 1 || count(u"ccClaSupport") != 4) return false;
    if (CountOf(flat, u"vardebugMode=true;") != 1 || count(u"debugMode") != 1 + static_cast<int>(CountOf(flat, u"if(debugMode)")))
        return false;
    std::vector<std::u16string_view> texts = expressions;
    texts.push_back(scripts);
    for (std::u16string_view text : texts) {
        if (!OnlyFollowedBy(text, kTrace, u"(") || !OnlyFollowedBy(text, u"CcSupport", u"(") ||
            !OnlyFollowedBy(text, u"ActiveXObject", u"(") || !OnlyFollowedBy(text, u"String", u"(."))
            return false;
    }
    return true;
}

}  // namespace

EmptyScriptCalls::EmptyScriptCalls(std::u16string_view scripts, const std::vector<std::u16string_view>& expressions) {
    std::map<std::u16string, int, std::less<>> mentions;
    CountNames(scripts, mentions);
    std::vector<std::u16string_view> named;  // the expressions that are not bare calls
    for (std::u16string_view expression : expressions)
        if (!BareCall(expression)) {
            CountNames(expression, mentions);
            named.push_back(expression);
        }
    const std::vector<QuietBody> bodies = QuietFunctions(scripts);
    // A function is named nowhere but in its declaration, in bare calls from quiet bodies and in the texts
    // they trace.
    std::map<std::u16string, int, std::less<>> harmless;
    for (const QuietBody& body : bodies) {
        for (std::u16string_view called : body.calls) ++harmless[std::u16string(called)];
        for (const std::u16string& text : body.traces) CountNames(text, harmless);
    }
    auto unreplaced = [&](std::u16string_view name) {
        auto found = mentions.find(name);
        auto known = harmless.find(name);
        return found != mentions.end() && found->second == 1 + (known == harmless.end() ? 0 : known->second);
    };
    std::map<std::u16string_view, const QuietBody*> byName;
    for (const QuietBody& body : bodies) byName[body.name] = &body;
    auto empty = [&](std::u16string_view name) {
        auto found = byName.find(name);
        return found != byName.end() && found->second->traces.empty() && found->second->calls.empty() && unreplaced(name);
    };
    std::optional<bool> plainTrace;
    for (const QuietBody& body : bodies) {
        if (!unreplaced(body.name)) continue;
        bool quiet = true;
        for (std::u16string_view called : body.calls) quiet = quiet && empty(called);
        if (quiet && !body.traces.empty()) {
            if (!plainTrace) plainTrace = PlainTrace(scripts, named, mentions);
            quiet = *plainTrace;
        }
        if (quiet) quiet_.emplace(body.name, body.traces);
    }
}

const std::vector<std::u16string>* EmptyScriptCalls::Traces(std::u16string_view expression) const {
    std::optional<std::u16string_view> name = BareCall(expression);
    if (!name) return nullptr;
    auto found = quiet_.find(*name);
    return found == quiet_.end() ? nullptr : &found->second;
}
