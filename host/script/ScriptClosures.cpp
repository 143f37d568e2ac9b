#include "host/script/ScriptClosures.h"

#include <array>
#include <vector>

#include "host/script/ScriptLexing.h"

namespace tlx::host {

namespace {

using lexing::IsNameChar;
using lexing::IsSpace;

// Words after which a parenthesis heads a statement: the brace after its `)` opens a block, not a
// function's body.
bool IsStatementHead(std::string_view word) {
    return word == "if" || word == "while" || word == "for" || word == "switch" || word == "with";
}

// Words that may hide state whatever surrounds them.
bool HidesState(std::string_view word) { return word == "eval" || word == "bind" || word == "with"; }

// Words after which a `/` starts a regular expression.
bool IsOperatorWord(std::string_view word) {
    static constexpr std::array<std::string_view, 10> kWords = {"return", "typeof", "void",  "in",     "new",
                                                                "delete", "case",   "throw", "instanceof", "do"};
    for (std::string_view keyword : kWords)
        if (keyword == word) return true;
    return false;
}

class Scanner {
public:
    explicit Scanner(std::string_view code) : code_(code) {}

    bool MayHideState() {
        while (i_ < code_.size() && !hides_) Step();
        return hides_ || !scopes_.empty() || !parens_.empty();
    }

private:
    enum class Paren { Plain, Head, Catch };

    void Step() {
        char c = code_[i_];
        if (c == '\'' || c == '"' || c == '`') return SkipString(c);
        if (c == '/' && Next() == '/') return SkipUntil("\n");
        if (c == '/' && Next() == '*') return SkipUntil("*/");
        if (c == '/' && !divisionMayFollow_) return SkipRegex();
        if (IsNameChar(c)) return ReadWord();
        if (c == '=' && Next() == '>') hides_ = true;
        if (c == '(') parens_.push_back(ParenAfter(lastWord_));
        if (c == ')') CloseParen();
        if (c == '{') OpenBrace();
        if (c == '}') CloseBrace();
        if (!IsSpace(c)) {
            divisionMayFollow_ = c == ')' || c == ']' || c == '}';
            if (c != ')') closed_ = Closed::None;
            lastWord_ = {};
        }
        ++i_;
    }

    Paren ParenAfter(std::string_view word) const {
        if (word == "catch") return Paren::Catch;
        return IsStatementHead(word) ? Paren::Head : Paren::Plain;
    }

    void ReadWord() {
        std::size_t start = i_;
        while (i_ < code_.size() && IsNameChar(code_[i_])) ++i_;
        lastWord_ = code_.substr(start, i_ - start);
        if (HidesState(lastWord_)) hides_ = true;
        divisionMayFollow_ = !IsOperatorWord(lastWord_);
        closed_ = Closed::None;
    }

    void CloseParen() {
        if (parens_.empty()) {
            hides_ = true;
            return;
        }
        Paren paren = parens_.back();
        parens_.pop_back();
        closed_ = paren == Paren::Head ? Closed::Head : paren == Paren::Catch ? Closed::Catch : Closed::Plain;
    }

    // A brace right after a plain `)` opens a function's body (`function f(a) {`, `get x() {`); after a
    // catch's `)`, a block whose functions would keep the caught value. Either is a scope; a function
    // made inside a scope may keep that scope's variables.
    void OpenBrace() {
        bool body = closed_ == Closed::Plain;
        if (body && ScopeDepth() > 0) hides_ = true;
        scopes_.push_back(body || closed_ == Closed::Catch);
    }

    void CloseBrace() {
        if (scopes_.empty()) {
            hides_ = true;
            return;
        }
        scopes_.pop_back();
    }

    std::size_t ScopeDepth() const {
        std::size_t depth = 0;
        for (bool scope : scopes_) depth += scope ? 1 : 0;
        return depth;
    }

    char Next() const { return i_ + 1 < code_.size() ? code_[i_ + 1] : '\0'; }

    void SkipString(char quote) {
        i_ = lexing::EndOfQuoted(code_, i_, quote);
        divisionMayFollow_ = true;
        closed_ = Closed::None;
    }

    void SkipUntil(std::string_view end) { i_ = lexing::EndOfComment(code_, i_, end); }

    void SkipRegex() {
        i_ = lexing::EndOfRegex(code_, i_);
        divisionMayFollow_ = true;
        closed_ = Closed::None;
    }

    enum class Closed { None, Plain, Head, Catch };  // what the last token closed, when it was a `)`

    std::string_view code_;
    std::size_t i_ = 0;
    bool hides_ = false;
    bool divisionMayFollow_ = false;
    std::string_view lastWord_;
    Closed closed_ = Closed::None;
    std::vector<Paren> parens_;
    std::vector<bool> scopes_;  // open braces: whether each opens a scope (a function's body, a catch block)
};

}  // namespace

bool MayHideScriptState(std::string_view code) { return Scanner(code).MayHideState(); }

bool MayWriteAccessors(std::string_view code) {
    for (std::string_view word : {std::string_view("get"), std::string_view("set")}) {
        for (std::size_t at = code.find(word); at != std::string_view::npos; at = code.find(word, at + 1)) {
            if (at > 0 && IsNameChar(code[at - 1])) continue;
            std::size_t i = at + word.size();
            std::size_t blanks = i;
            while (i < code.size() && IsSpace(code[i])) ++i;
            if (i == blanks && i < code.size() && IsNameChar(code[i])) continue;  // a longer word
            if (i < code.size() && code[i] == '(') continue;                      // a call of get or set
            std::size_t name = i;
            while (i < code.size() && (IsNameChar(code[i]) || code[i] == '\'' || code[i] == '"' || code[i] == '[' ||
                                       code[i] == ']'))
                ++i;
            while (i < code.size() && IsSpace(code[i])) ++i;
            if (i > name && i < code.size() && code[i] == '(') return true;
        }
    }
    return false;
}

}  // namespace tlx::host
