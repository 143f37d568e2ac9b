#include "host/script/CallAssignment.h"

#include <algorithm>
#include <array>
#include <unordered_map>
#include <utility>
#include <vector>

#include "host/script/ScriptLexing.h"

namespace tlx::host {

namespace {

using lexing::IsNameChar;
using lexing::IsSpace;

// Words after which a parenthesis opens no call.
bool IsKeyword(std::string_view word) {
    static constexpr std::array<std::string_view, 20> kWords = {
        "if",   "while", "for",  "switch", "catch", "function", "with", "return", "typeof", "void",
        "else", "do",    "in",   "new",    "delete", "case",    "throw", "instanceof", "var", "yield"};
    return std::find(kWords.begin(), kWords.end(), word) != kWords.end();
}

// Statements whose parenthesised head may be followed by a statement without braces: the `)` that
// closes the head opens no call.
bool IsStatementHead(std::string_view word) { return word == "if" || word == "while" || word == "for" || word == "with"; }

struct Edit {
    std::size_t start, end;  // [start, end) of the original text
    std::string text;
};

class Scanner {
public:
    explicit Scanner(std::string_view code) : code_(code) {}

    std::vector<Edit> Run() {
        while (i_ < code_.size()) Step();
        return std::move(edits_);
    }

private:
    void Step() {
        char c = code_[i_];
        if (c == '\'' || c == '"') return SkipString(c);
        if (c == '/' && Next() == '/') return SkipUntil("\n");
        if (c == '/' && Next() == '*') return SkipUntil("*/");
        if (c == '/' && !divisionMayFollow_) return SkipRegex();
        if (c == '(') {
            opens_.push_back({i_, IsStatementHead(WordBefore(i_))});
        } else if (c == ')' && !opens_.empty()) {
            auto [open, head] = opens_.back();
            opens_.pop_back();
            if (head)
                headCloses_.push_back(i_);
            else
                TryRewrite(open, i_);
        }
        if (!IsSpace(c)) divisionMayFollow_ = IsNameChar(c) || c == ')' || c == ']' || c == '}';
        if (IsNameChar(c)) {
            std::size_t start = i_;
            while (i_ < code_.size() && IsNameChar(code_[i_])) ++i_;
            if (IsKeyword(code_.substr(start, i_ - start))) divisionMayFollow_ = false;
            return;
        }
        ++i_;
    }

    // The word that ends just before `at`, blanks skipped.
    std::string_view WordBefore(std::size_t at) const {
        std::size_t end = at;
        while (end > 0 && IsSpace(code_[end - 1])) --end;
        std::size_t start = end;
        while (start > 0 && IsNameChar(code_[start - 1])) --start;
        return code_.substr(start, end - start);
    }

    char Next() const { return i_ + 1 < code_.size() ? code_[i_ + 1] : '\0'; }

    void SkipString(char quote) {
        i_ = lexing::EndOfQuoted(code_, i_, quote);
        divisionMayFollow_ = true;
    }

    void SkipUntil(std::string_view end) { i_ = lexing::EndOfComment(code_, i_, end); }

    void SkipRegex() {
        i_ = lexing::EndOfRegex(code_, i_);
        divisionMayFollow_ = true;
    }

    // A callee of names and dots: not empty, no empty name, no leading digit, not a keyword.
    static bool IsNameChain(std::string_view chain) {
        return !chain.empty() && chain.front() != '.' && chain.back() != '.' &&
               !(chain.front() >= '0' && chain.front() <= '9') && chain.find("..") == std::string_view::npos &&
               !IsKeyword(chain);
    }

    bool IsHeadClose(std::size_t at) const {
        return std::find(headCloses_.begin(), headCloses_.end(), at) != headCloses_.end();
    }

    // The start of the callee that ends at `end`: names joined by dots, possibly after calls written
    // right before them (`a.b("x")(1, 0)`, `f(1).g(2)`); npos when no such callee ends there.
    std::size_t CalleeStart(std::size_t end) const {
        std::size_t start = end;
        while (start > 0 && (IsNameChar(code_[start - 1]) || code_[start - 1] == '.')) --start;
        std::string_view piece = code_.substr(start, end - start);
        if (start == 0 || code_[start - 1] != ')' || IsHeadClose(start - 1))
            return IsNameChain(piece) ? start : std::string_view::npos;
        if (!piece.empty() && (piece.front() != '.' || !IsNameChain(piece.substr(1)))) return std::string_view::npos;
        auto call = callStarts_.find(start - 1);  // a call's start is its whole callee's start
        return call == callStarts_.end() ? std::string_view::npos : call->second;
    }

    // `open`..`close` are a call's parentheses: remembered as a call when a callee precedes, and
    // rewritten when `=` (not `==` or `=>`) follows.
    void TryRewrite(std::size_t open, std::size_t close) {
        std::size_t end = open;
        while (end > 0 && (code_[end - 1] == ' ' || code_[end - 1] == '\t')) --end;
        std::size_t start = CalleeStart(end);
        if (start == std::string_view::npos) return;
        callStarts_[close] = start;

        std::size_t after = close + 1;
        while (after < code_.size() && IsSpace(code_[after])) ++after;
        if (after >= code_.size() || code_[after] != '=') return;
        if (after + 1 < code_.size() && (code_[after + 1] == '=' || code_[after + 1] == '>')) return;
        std::size_t before = start;
        while (before > 0 && IsSpace(code_[before - 1])) --before;
        bool afterHead = before > 0 && IsHeadClose(before - 1);
        if (before > 0 && !afterHead && (code_[before - 1] == '.' || code_[before - 1] == ')' || code_[before - 1] == ']'))
            return;
        if (!edits_.empty() && edits_.back().end > start) return;  // inside a rewritten call's arguments

        // The object is all but the last name after a dot; a callee ending in a call is the object itself,
        // whose default member is put.
        std::size_t name = end;
        while (name > start && IsNameChar(code_[name - 1])) --name;
        std::string object, member = "null";
        if (name == end || name == start) {
            object = std::string(code_.substr(start, end - start));
        } else {
            object = std::string(code_.substr(start, name - 1 - start));
            member = "\"" + std::string(code_.substr(name, end - name)) + "\"";
        }
        std::string args(code_.substr(open + 1, close - open - 1));
        edits_.push_back({start, close + 1,
                          std::string(kCallAssignmentHelper) + "(" + object + ", " + member + ", [" + args + "]).value"});
    }

    std::string_view code_;
    std::size_t i_ = 0;
    bool divisionMayFollow_ = false;
    std::vector<std::pair<std::size_t, bool>> opens_;  // an open parenthesis, and whether it opens a statement head
    std::vector<std::size_t> headCloses_;              // where statement heads close
    std::unordered_map<std::size_t, std::size_t> callStarts_;  // a call's ")" -> its callee's start
    std::vector<Edit> edits_;
};

}  // namespace

std::string RewriteCallAssignments(std::string_view code) {
    if (code.find(')') == std::string_view::npos) return std::string(code);
    std::vector<Edit> edits = Scanner(code).Run();
    std::string out;
    out.reserve(code.size() + edits.size() * 32);
    std::size_t at = 0;
    for (const Edit& e : edits) {
        out.append(code.substr(at, e.start - at));
        out += e.text;
        at = e.end;
    }
    out.append(code.substr(at));
    return out;
}

}  // namespace tlx::host
