#include "platform/ado/SqlLexer.h"

#include <cctype>

#include "platform/ado/Ado.h"
#include "platform/ado/AdoError.h"
#include "platform/text/CodePage.h"

namespace tlx::ado {
namespace {
// ASCII classes, whatever the process's locale: a byte of a UTF-8 character is a word's, never a blank.
constexpr bool Digit(char c) { return c >= '0' && c <= '9'; }
constexpr bool Blank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }
constexpr bool WordChar(char c) {
    return Digit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || (c & 0x80) || c == '$' || c == '#';
}

[[noreturn]] void Unterminated(std::string_view what, std::string_view sql) {
    Fail(adErrDatabase, u"Unterminated " + Utf8ToUtf16(what) + u" in statement: " + Utf8ToUtf16(sql));
}
}  // namespace

bool SqlToken::Is(std::string_view word) const {
    if (kind != kWord || text.size() != word.size()) return false;
    for (size_t i = 0; i < word.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(text[i])) != std::toupper(static_cast<unsigned char>(word[i])))
            return false;
    return true;
}

std::vector<SqlSpan> ScanSql(std::string_view sql) {
    std::vector<SqlSpan> spans;
    spans.reserve(sql.size() / 4 + 8);  // some four characters a token, blanks included
    size_t i = 0;
    bool space = false;
    auto push = [&](SqlToken::Kind kind, size_t begin, size_t end) {
        spans.push_back({kind, begin, end, space});
        space = false;
    };
    while (i < sql.size()) {
        char c = sql[i];
        if (Blank(c)) {
            space = true;
            ++i;
        } else if (c == '-' && i + 1 < sql.size() && sql[i + 1] == '-') {
            while (i < sql.size() && sql[i] != '\n') ++i;
            space = true;
        } else if (c == '/' && i + 1 < sql.size() && sql[i + 1] == '*') {
            size_t end = sql.find("*/", i + 2);
            if (end == std::string_view::npos) Unterminated("comment", sql);
            i = end + 2;
            space = true;
        } else if (c == '\'' || ((c == 'N' || c == 'n') && i + 1 < sql.size() && sql[i + 1] == '\'')) {
            size_t start = c == '\'' ? i : i + 1;
            size_t j = start + 1;
            while (true) {
                if (j >= sql.size()) Unterminated("string", sql);
                if (sql[j] == '\'') {
                    if (j + 1 < sql.size() && sql[j + 1] == '\'') {
                        j += 2;
                        continue;
                    }
                    break;
                }
                ++j;
            }
            push(SqlToken::kString, i, j + 1);
            i = j + 1;
        } else if (c == '[' || c == '"') {
            char close = c == '[' ? ']' : '"';
            size_t end = sql.find(close, i + 1);
            if (end == std::string_view::npos) Unterminated("name", sql);
            push(SqlToken::kQuotedName, i, end + 1);
            i = end + 1;
        } else if (c == '@') {
            size_t j = i + 1;
            while (j < sql.size() && (WordChar(sql[j]) || sql[j] == '@')) ++j;
            push(SqlToken::kVariable, i, j);
            i = j;
        } else if (Digit(c) ||
                   (c == '.' && i + 1 < sql.size() && Digit(sql[i + 1]))) {
            size_t j = i;
            while (j < sql.size() && (Digit(sql[j]) || sql[j] == '.')) ++j;
            if (j < sql.size() && (sql[j] == 'e' || sql[j] == 'E')) {
                ++j;
                if (j < sql.size() && (sql[j] == '+' || sql[j] == '-')) ++j;
                while (j < sql.size() && Digit(sql[j])) ++j;
            }
            push(SqlToken::kNumber, i, j);
            i = j;
        } else if (WordChar(c)) {
            size_t j = i;
            while (j < sql.size() && WordChar(sql[j])) ++j;
            push(SqlToken::kWord, i, j);
            i = j;
        } else {
            // Two-character operators: <> <= >= != || !< !>
            const char next = i + 1 < sql.size() ? sql[i + 1] : '\0';
            const bool pair = (c == '<' && (next == '>' || next == '=')) || (c == '>' && next == '=') ||
                              (c == '!' && (next == '=' || next == '<' || next == '>')) || (c == '|' && next == '|');
            const size_t length = pair ? 2 : 1;
            push(SqlToken::kSymbol, i, i + length);
            i += length;
        }
    }
    return spans;
}

std::vector<SqlToken> TokenizeSql(std::string_view sql) {
    std::vector<SqlSpan> spans = ScanSql(sql);
    std::vector<SqlToken> tokens;
    tokens.reserve(spans.size());
    for (const SqlSpan& span : spans) {
        std::string_view text = span.Text(sql);
        if (span.kind == SqlToken::kString && text.front() != '\'') {
            text.remove_prefix(1);  // N'...' is the string it quotes
        } else if (span.kind == SqlToken::kQuotedName) {
            std::string quoted = "\"";
            for (char n : text.substr(1, text.size() - 2)) quoted += n == '"' ? std::string("\"\"") : std::string(1, n);
            tokens.push_back({span.kind, quoted + "\"", span.spaceBefore});
            continue;
        }
        tokens.push_back({span.kind, std::string(text), span.spaceBefore});
    }
    return tokens;
}

std::string JoinTokens(const std::vector<SqlToken>& tokens, size_t begin, size_t end) {
    std::string out;
    for (size_t i = begin; i < end && i < tokens.size(); ++i) {
        if (i > begin && tokens[i].spaceBefore) out += ' ';
        out += tokens[i].text;
    }
    return out;
}

}  // namespace tlx::ado
