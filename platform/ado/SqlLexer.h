// Splits T-SQL text into tokens for the rewriter: words, quoted names, strings, numbers, variables and
// symbols; blanks and comments only mark that a blank came before a token.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tlx::ado {

struct SqlToken {
    enum Kind { kWord, kQuotedName, kString, kNumber, kVariable, kSymbol };
    Kind kind;
    std::string text;  // a string keeps its quotes; a quoted name is written "name"
    bool spaceBefore = false;

    bool Is(std::string_view word) const;  // a word, compared without regard to case
    bool IsSymbol(std::string_view symbol) const { return kind == kSymbol && text == symbol; }
};

// A token where it lies in the text, for a caller that only looks for a few of them: no text is copied.
struct SqlSpan {
    SqlToken::Kind kind;
    size_t begin;  // a string's span takes in its N, a quoted name's its brackets or quotes
    size_t end;
    bool spaceBefore;

    std::string_view Text(std::string_view sql) const { return sql.substr(begin, end - begin); }
};

// Fails (AdoError naming the statement) on an unterminated string, name or comment.
std::vector<SqlSpan> ScanSql(std::string_view sql);
std::vector<SqlToken> TokenizeSql(std::string_view sql);
// Joins tokens back into text, a blank where the source had one.
std::string JoinTokens(const std::vector<SqlToken>& tokens, size_t begin, size_t end);

}  // namespace tlx::ado
