#include "platform/ado/SqlLexer.h"

#include <cctype>

#include "platform/ado/Ado.h"
#include "platform/ado/AdoError.h"
#include "platform/text/CodePage.h"

namespace tlx::ado {
namespace {
bool WordChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || (c & 0x80) || c == '$' || c == '#'; }

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

std::vector<SqlToken> TokenizeSql(std::string_view sql) {
    std::vector<SqlToken> tokens;
    size_t i = 0;
    bool space = false;
    auto push = [&](SqlToken::Kind kind, std::string text) {
        tokens.push_back({kind, std::move(text), space});
        space = false;
    };
    while (i < sql.size()) {
        char c = sql[i];
        if (std::isspace(static_cast<unsigned char>(c))) {
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
            push(SqlToken::kString, std::string(sql.substr(start, j + 1 - start)));
            i = j + 1;
        } else if (c == '[' || c == '"') {
            char close = c == '[' ? ']' : '"';
            size_t end = sql.find(close, i + 1);
            if (end == std::string_view::npos) Unterminated("name", sql);
            std::string name(sql.substr(i + 1, end - i - 1));
            std::string quoted = "\"";
            for (char n : name) quoted += n == '"' ? std::string("\"\"") : std::string(1, n);
            push(SqlToken::kQuotedName, quoted + "\"");
            i = end + 1;
        } else if (c == '@') {
            size_t j = i + 1;
            while (j < sql.size() && (WordChar(sql[j]) || sql[j] == '@')) ++j;
            push(SqlToken::kVariable, std::string(sql.substr(i, j - i)));
            i = j;
        } else if (std::isdigit(static_cast<unsigned char>(c)) ||
                   (c == '.' && i + 1 < sql.size() && std::isdigit(static_cast<unsigned char>(sql[i + 1])))) {
            size_t j = i;
            while (j < sql.size() && (std::isdigit(static_cast<unsigned char>(sql[j])) || sql[j] == '.')) ++j;
            if (j < sql.size() && (sql[j] == 'e' || sql[j] == 'E')) {
                ++j;
                if (j < sql.size() && (sql[j] == '+' || sql[j] == '-')) ++j;
                while (j < sql.size() && std::isdigit(static_cast<unsigned char>(sql[j]))) ++j;
            }
            push(SqlToken::kNumber, std::string(sql.substr(i, j - i)));
            i = j;
        } else if (WordChar(c)) {
            size_t j = i;
            while (j < sql.size() && WordChar(sql[j])) ++j;
            push(SqlToken::kWord, std::string(sql.substr(i, j - i)));
            i = j;
        } else {
            static constexpr std::string_view kPairs[] = {"<>", "<=", ">=", "!=", "||", "!<", "!>"};
            std::string symbol(1, c);
            for (std::string_view pair : kPairs)
                if (sql.substr(i, 2) == pair) symbol = pair;
            push(SqlToken::kSymbol, symbol);
            i += symbol.size();
        }
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
