#include "platform/ado/SqlRewriter.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <optional>

#include "platform/ado/Ado.h"
#include "platform/ado/AdoError.h"
#include "platform/text/CodePage.h"

namespace tlx::ado {
namespace {
std::string Lower(std::string text) {
    for (auto& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string Upper(std::string text) {
    for (auto& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

SqlToken Word(std::string text) { return {SqlToken::kWord, std::move(text), true}; }
SqlToken Symbol(std::string text, bool space = false) { return {SqlToken::kSymbol, std::move(text), space}; }
SqlToken Number(long long value) { return {SqlToken::kNumber, std::to_string(value), true}; }

// The matching partner of every parenthesis and of every CASE/END; -1 elsewhere.
std::vector<long> MatchPairs(const std::vector<SqlToken>& tokens) {
    std::vector<long> match(tokens.size(), -1);
    std::vector<size_t> parens, cases;
    for (size_t i = 0; i < tokens.size(); ++i) {
        const SqlToken& t = tokens[i];
        if (t.IsSymbol("(")) {
            parens.push_back(i);
        } else if (t.IsSymbol(")") && !parens.empty()) {
            match[i] = static_cast<long>(parens.back());
            match[parens.back()] = static_cast<long>(i);
            parens.pop_back();
        } else if (t.Is("CASE")) {
            cases.push_back(i);
        } else if (t.Is("END") && !cases.empty()) {
            match[i] = static_cast<long>(cases.back());
            match[cases.back()] = static_cast<long>(i);
            cases.pop_back();
        }
    }
    return match;
}

// Words and symbols that end an operand of + on either side.
bool IsOperandBoundary(const SqlToken& t) {
    static constexpr std::string_view kWords[] = {
        "SELECT", "FROM", "WHERE", "AS", "AND", "OR", "NOT", "WHEN", "THEN", "ELSE", "CASE", "ON", "JOIN",
        "IS", "IN", "BETWEEN", "LIKE", "ORDER", "GROUP", "BY", "HAVING", "UNION", "ALL", "DISTINCT", "SET",
        "VALUES", "INTO", "TOP", "EXEC", "EXECUTE", "DECLARE", "LEFT", "RIGHT", "INNER", "OUTER", "ASC", "DESC"};
    if (t.kind == SqlToken::kWord) {
        for (std::string_view w : kWords)
            if (t.Is(w)) return true;
        return false;
    }
    if (t.kind != SqlToken::kSymbol) return false;
    static constexpr std::string_view kSymbols[] = {",", ";", "=", "<", ">", "<=", ">=", "<>", "!=", "(", ")"};
    return std::find(std::begin(kSymbols), std::end(kSymbols), t.text) != std::end(kSymbols);
}

bool IsCharType(const SqlToken& t) {
    return t.Is("VARCHAR") || t.Is("NVARCHAR") || t.Is("CHAR") || t.Is("NCHAR") || t.Is("TEXT") || t.Is("NTEXT");
}

// A number token written as digits alone that fits into 64 bits (a length, a scale, a style); nothing
// for a fraction, an exponent or a larger number.
std::optional<long long> WholeNumber(const SqlToken& t) {
    long long value = 0;
    const char* end = t.text.data() + t.text.size();
    auto [stop, error] = std::from_chars(t.text.data(), end, value);
    if (error != std::errc() || stop != end) return std::nullopt;
    return value;
}

// A type written as tokens [begin, end): its name and its length (-1 when none, 0 for MAX).
struct TypeSpec {
    std::string name;
    long long length = -1;
    long long scale = -1;     // DECIMAL(p, s) and NUMERIC(p, s): s; DECIMAL(p): 0
    std::string badNumber;  // a length or scale that is no whole number ("VARCHAR(.5)"), which is refused
};

TypeSpec ReadType(const std::vector<SqlToken>& tokens, size_t begin, size_t end) {
    TypeSpec spec;
    if (begin >= end || tokens[begin].kind != SqlToken::kWord) return spec;
    spec.name = Upper(tokens[begin].text);
    auto number = [&](const SqlToken& t) {
        std::optional<long long> value = WholeNumber(t);
        if (!value && spec.badNumber.empty()) spec.badNumber = t.text;
        return value.value_or(-1);
    };
    if (begin + 3 < end + 1 && begin + 2 < end && tokens[begin + 1].IsSymbol("(")) {
        if (tokens[begin + 2].Is("MAX")) spec.length = 0;
        else if (tokens[begin + 2].kind == SqlToken::kNumber) spec.length = number(tokens[begin + 2]);
        if (begin + 4 < end && tokens[begin + 3].IsSymbol(",") && tokens[begin + 4].kind == SqlToken::kNumber)
            spec.scale = number(tokens[begin + 4]);
        else if (spec.length > 0)
            spec.scale = 0;
    }
    if ((spec.name == "DECIMAL" || spec.name == "NUMERIC") && spec.scale < 0) spec.scale = 0;
    return spec;
}

bool IsTextTypeName(const std::string& name) {
    return name == "VARCHAR" || name == "NVARCHAR" || name == "CHAR" || name == "NCHAR" || name == "TEXT" ||
           name == "NTEXT";
}

bool IsDateTypeName(const std::string& name) {
    return name == "DATETIME" || name == "DATE" || name == "SMALLDATETIME";
}

bool IsIntegerTypeName(const std::string& name) {
    return name == "INT" || name == "INTEGER" || name == "BIGINT" || name == "SMALLINT" || name == "TINYINT" ||
           name == "BIT";
}

bool IsRealTypeName(const std::string& name) {
    return name == "MONEY" || name == "SMALLMONEY" || name == "FLOAT" || name == "REAL" || name == "DECIMAL" ||
           name == "NUMERIC";
}

// The top-level commas of the parenthesised group (open, close).
std::vector<size_t> TopLevelCommas(const std::vector<SqlToken>& tokens, const std::vector<long>& match, size_t open,
                                   size_t close) {
    std::vector<size_t> commas;
    for (size_t i = open + 1; i < close; ++i) {
        if (tokens[i].IsSymbol("(") && match[i] > 0) i = static_cast<size_t>(match[i]);
        else if (tokens[i].IsSymbol(",")) commas.push_back(i);
    }
    return commas;
}

void Replace(std::vector<SqlToken>& tokens, size_t begin, size_t end, std::vector<SqlToken> with) {
    if (!with.empty() && begin < tokens.size()) with.front().spaceBefore = tokens[begin].spaceBefore;
    tokens.erase(tokens.begin() + static_cast<long>(begin), tokens.begin() + static_cast<long>(end));
    tokens.insert(tokens.begin() + static_cast<long>(begin), with.begin(), with.end());
}

std::vector<SqlToken> Slice(const std::vector<SqlToken>& tokens, size_t begin, size_t end) {
    return {tokens.begin() + static_cast<long>(begin), tokens.begin() + static_cast<long>(end)};
}
}  // namespace

namespace {

// CAST to INTEGER or REAL; DECIMAL(p, s) and NUMERIC(p, s) round to s decimals, as T-SQL does.
std::vector<SqlToken> NumberConversion(const std::vector<SqlToken>& expr, const TypeSpec& type) {
    std::vector<SqlToken> cast = {Word("CAST"), Symbol("(")};
    cast.insert(cast.end(), expr.begin(), expr.end());
    cast.push_back(Word("AS"));
    cast.push_back(Word(IsIntegerTypeName(type.name) ? "INTEGER" : "REAL"));
    cast.push_back(Symbol(")"));
    if (type.scale < 0) return cast;
    std::vector<SqlToken> rounded = {Word("round"), Symbol("(")};
    rounded.insert(rounded.end(), cast.begin(), cast.end());
    rounded.push_back(Symbol(","));
    rounded.push_back(Number(type.scale));
    rounded.push_back(Symbol(")"));
    return rounded;
}

// What an item of a select list [begin, end) is known to answer: 'd' a date (GETDATE, DATEADD, a CONVERT
// or CAST to datetime, ISNULL of one), 'm' the least or greatest value of something (a date when the
// values are stored dates), 0 when nothing is known.
char ItemKind(const std::vector<SqlToken>& tokens, const std::vector<long>& match, size_t begin, size_t end) {
    if (end >= begin + 2 && tokens[end - 2].Is("AS")) end -= 2;
    if (end < begin + 3 || tokens[begin].kind != SqlToken::kWord || !tokens[begin + 1].IsSymbol("(")) return 0;
    long close = match[begin + 1];
    bool alias = close == static_cast<long>(end) - 2 &&
                 (tokens[end - 1].kind == SqlToken::kWord || tokens[end - 1].kind == SqlToken::kQuotedName);
    if (close != static_cast<long>(end) - 1 && !alias) return 0;
    const SqlToken& name = tokens[begin];
    if (name.Is("GETDATE") || name.Is("DATEADD") || name.Is("tlx_datetime")) return 'd';
    if (name.Is("MIN") || name.Is("MAX")) return 'm';
    if (name.Is("IFNULL") || name.Is("COALESCE")) {
        size_t first = begin + 2, stop = first;
        while (stop < static_cast<size_t>(close) && !tokens[stop].IsSymbol(",")) {
            if ((tokens[stop].IsSymbol("(") || tokens[stop].Is("CASE")) && match[stop] >= 0)
                stop = static_cast<size_t>(match[stop]);
            ++stop;
        }
        return ItemKind(tokens, match, first, stop);
    }
    return 0;
}

// The kinds of the items of the statement's select list (empty for a statement that is no SELECT).
std::string SelectListKinds(const std::vector<SqlToken>& tokens) {
    if (tokens.empty() || !tokens.front().Is("SELECT")) return {};
    std::vector<long> match = MatchPairs(tokens);
    size_t i = 1;
    if (i < tokens.size() && (tokens[i].Is("DISTINCT") || tokens[i].Is("ALL"))) ++i;
    std::string kinds;
    size_t itemStart = i;
    for (;; ++i) {
        bool last = i >= tokens.size() || tokens[i].Is("FROM") || tokens[i].Is("WHERE") || tokens[i].Is("UNION") ||
                    tokens[i].Is("ORDER") || tokens[i].Is("GROUP") || tokens[i].Is("LIMIT") ||
                    tokens[i].Is("INTO") || tokens[i].Is("HAVING") || tokens[i].IsSymbol(";");
        if (!last && (tokens[i].IsSymbol("(") || tokens[i].Is("CASE")) && match[i] >= 0) {
            i = static_cast<size_t>(match[i]);
            continue;
        }
        if (last || tokens[i].IsSymbol(",")) {
            kinds.push_back(ItemKind(tokens, match, itemStart, std::min(i, tokens.size())));
            itemStart = i + 1;
            if (last) break;
        }
    }
    return kinds;
}

bool IsNumberLiteral(const std::vector<SqlToken>& tokens, size_t begin, size_t end) {
    if (begin < end && tokens[begin].IsSymbol("-")) ++begin;
    return end == begin + 1 && tokens[begin].kind == SqlToken::kNumber;
}

bool IsNumericText(const std::string& literal) {
    std::string body = literal.substr(1, literal.size() - 2);
    while (!body.empty() && body.front() == ' ') body.erase(0, 1);
    while (!body.empty() && body.back() == ' ') body.pop_back();
    if (body.empty()) return false;
    char* stop = nullptr;
    std::strtod(body.c_str(), &stop);
    return *stop == '\0';
}

}  // namespace

SqlRewriter::SqlRewriter(FunctionResolver resolveFunction) : resolveFunction_(std::move(resolveFunction)) {}

void SqlRewriter::Unsupported(std::string_view construct) const {
    Fail(adErrFeatureNotAvailable, u"Unsupported T-SQL construct " + Utf8ToUtf16(construct) + u" in statement: " +
                                       Utf8ToUtf16(source_));
}

void SqlRewriter::RejectUnsupported(const std::vector<SqlToken>& tokens, size_t begin, size_t end) const {
    static constexpr std::string_view kKeywords[] = {"APPLY", "PIVOT", "UNPIVOT", "NOLOCK", "PRINT", "RAISERROR",
                                                     "WHILE", "BEGIN", "GO", "MERGE", "OUTPUT", "PERCENT", "TRAN",
                                                     "TRANSACTION", "GOTO", "CURSOR", "FETCH", "OPENQUERY"};
    static constexpr std::string_view kFunctions[] = {
        "IIF", "CHARINDEX", "PATINDEX", "DATEPART", "DATENAME", "EOMONTH", "STUFF", "REPLICATE", "NEWID",
        "TRY_CONVERT", "TRY_CAST", "ISNUMERIC", "SCOPE_IDENTITY", "IDENT_CURRENT", "LEN", "DATALENGTH", "STR",
        "LEFT", "RIGHT", "CONCAT", "FORMAT", "GETUTCDATE", "SYSDATETIME", "OBJECT_ID"};
    for (size_t i = begin; i < end; ++i) {
        const SqlToken& t = tokens[i];
        if (t.kind == SqlToken::kVariable && t.text.rfind("@@", 0) == 0) Unsupported(t.text);
        if (t.kind != SqlToken::kWord) continue;
        for (std::string_view k : kKeywords)
            if (t.Is(k)) Unsupported(k);
        bool call = i + 1 < end && tokens[i + 1].IsSymbol("(");
        if (call)
            for (std::string_view f : kFunctions)
                if (t.Is(f)) Unsupported(t.text + "()");
        if (t.Is("IF") && i == begin) Unsupported(t.text);
    }
}

bool SqlRewriter::IsTextOperand(const std::vector<SqlToken>& tokens, size_t begin, size_t end,
                                const std::vector<long>& match) const {
    if (begin >= end) return false;
    const SqlToken& first = tokens[begin];
    if (first.kind == SqlToken::kString) return true;
    if (first.kind == SqlToken::kVariable && end - begin == 1) {
        auto it = variableTypes_.find(Lower(first.text));
        return it != variableTypes_.end() && IsTextTypeName(it->second);
    }
    if (begin + 2 < end && tokens[begin + 1].IsSymbol("(")) {
        if (first.Is("CONVERT")) return IsCharType(tokens[begin + 2]);
        if (first.Is("CAST") && match[begin + 1] > 0) {
            size_t close = static_cast<size_t>(match[begin + 1]);
            for (size_t i = close; i > begin + 2; --i)
                if (tokens[i - 1].Is("AS")) return i < close && IsCharType(tokens[i]);
        }
    }
    if (first.IsSymbol("(") && match[begin] == static_cast<long>(end) - 1) {
        // A parenthesised sum of texts is a text.
        for (size_t i = begin + 1; i + 1 < end; ++i)
            if (tokens[i].kind == SqlToken::kString || tokens[i].IsSymbol("||")) return true;
    }
    return false;
}

void SqlRewriter::RewriteConcatenation(std::vector<SqlToken>& tokens) {
    for (size_t p = 0; p < tokens.size(); ++p) {
        if (!tokens[p].IsSymbol("+")) continue;
        std::vector<long> match = MatchPairs(tokens);
        // The sum this + belongs to: from the previous boundary to the next one at the same depth.
        size_t start = p;
        while (start > 0) {
            const SqlToken& t = tokens[start - 1];
            if ((t.IsSymbol(")") || t.Is("END")) && match[start - 1] >= 0) {
                start = static_cast<size_t>(match[start - 1]);
                continue;
            }
            if (IsOperandBoundary(t)) break;
            --start;
        }
        size_t end = p + 1;
        while (end < tokens.size()) {
            const SqlToken& t = tokens[end];
            if ((t.IsSymbol("(") || t.Is("CASE")) && match[end] >= 0) {
                end = static_cast<size_t>(match[end]) + 1;
                continue;
            }
            if (IsOperandBoundary(t)) break;
            ++end;
        }
        std::vector<std::pair<size_t, size_t>> operands;
        size_t operandStart = start;
        for (size_t i = start; i < end; ++i) {
            if ((tokens[i].IsSymbol("(") || tokens[i].Is("CASE")) && match[i] >= 0) {
                i = static_cast<size_t>(match[i]);
            } else if (tokens[i].IsSymbol("+")) {
                operands.emplace_back(operandStart, i);
                operandStart = i + 1;
            }
        }
        operands.emplace_back(operandStart, end);
        bool text = std::any_of(operands.begin(), operands.end(),
                                [&](auto& o) { return IsTextOperand(tokens, o.first, o.second, match); });
        // A number among the operands makes the sum arithmetic, as T-SQL converts texts to the number's
        // type; a text literal that is no number cannot be converted.
        bool number = std::any_of(operands.begin(), operands.end(),
                                  [&](auto& o) { return IsNumberLiteral(tokens, o.first, o.second); });
        if (text && number) {
            for (auto& o : operands)
                if (o.second == o.first + 1 && tokens[o.first].kind == SqlToken::kString &&
                    !IsNumericText(tokens[o.first].text))
                    Fail(adErrDatabase, u"Conversion failed when converting the varchar value " +
                                            Utf8ToUtf16(tokens[o.first].text) + u" to a number in statement: " +
                                            Utf8ToUtf16(source_));
            text = false;
        }
        if (!text || operands.front().first == operands.front().second) continue;
        std::vector<SqlToken> joined;
        for (size_t k = 0; k < operands.size(); ++k) {
            if (k > 0) joined.push_back(Symbol("||", true));
            joined.push_back(Symbol("(", k > 0));
            auto part = Slice(tokens, operands[k].first, operands[k].second);
            if (!part.empty()) part.front().spaceBefore = false;
            joined.insert(joined.end(), part.begin(), part.end());
            joined.push_back(Symbol(")"));
        }
        Replace(tokens, start, end, std::move(joined));
        p = start;
    }
}

namespace {

bool IsFactorOperator(const SqlToken& t) { return t.IsSymbol("*") || t.IsSymbol("/") || t.IsSymbol("%"); }

// The first token of the factor that ends just before `end`: a literal, a (qualified) name, a call, a
// parenthesised expression or a CASE, with a unary minus or plus before it.
size_t FactorStart(const std::vector<SqlToken>& tokens, const std::vector<long>& match, size_t end) {
    size_t j = end - 1;
    if ((tokens[j].IsSymbol(")") || tokens[j].Is("END")) && match[j] >= 0) {
        j = static_cast<size_t>(match[j]);
        bool call = tokens[j].IsSymbol("(") && j > 0 && !IsOperandBoundary(tokens[j - 1]) &&
                    (tokens[j - 1].kind == SqlToken::kWord || tokens[j - 1].kind == SqlToken::kQuotedName);
        if (call) --j;
    }
    while (j >= 2 && tokens[j - 1].IsSymbol(".") &&
           (tokens[j - 2].kind == SqlToken::kWord || tokens[j - 2].kind == SqlToken::kQuotedName))
        j -= 2;
    if (j >= 1 && (tokens[j - 1].IsSymbol("-") || tokens[j - 1].IsSymbol("+")) &&
        (j == 1 || IsOperandBoundary(tokens[j - 2]) || tokens[j - 2].kind == SqlToken::kSymbol))
        --j;
    return j;
}

// The end (one past) of the factor that starts at `begin`.
size_t FactorEnd(const std::vector<SqlToken>& tokens, const std::vector<long>& match, size_t begin) {
    size_t j = begin;
    while (j < tokens.size() && (tokens[j].IsSymbol("-") || tokens[j].IsSymbol("+"))) ++j;
    if (j >= tokens.size()) return j;
    if ((tokens[j].IsSymbol("(") || tokens[j].Is("CASE")) && match[j] >= 0) return static_cast<size_t>(match[j]) + 1;
    while (j + 2 < tokens.size() && tokens[j + 1].IsSymbol(".")) j += 2;
    if (j + 1 < tokens.size() && tokens[j + 1].IsSymbol("(") && match[j + 1] >= 0)
        return static_cast<size_t>(match[j + 1]) + 1;
    return j + 1;
}

}  // namespace

// a / b and a % b become tlx_div(a, b) and tlx_mod(a, b), left to right over the factors of a term, so
// that whole numbers divide as in T-SQL and a division by zero fails instead of answering NULL.
void SqlRewriter::RewriteDivision(std::vector<SqlToken>& tokens) {
    for (;;) {
        size_t op = 0;
        while (op < tokens.size() && !tokens[op].IsSymbol("/") && !tokens[op].IsSymbol("%")) ++op;
        if (op == tokens.size()) return;
        if (op == 0 || op + 1 >= tokens.size()) Unsupported(tokens[op].text);
        std::vector<long> match = MatchPairs(tokens);
        size_t start = FactorStart(tokens, match, op);
        while (start >= 2 && IsFactorOperator(tokens[start - 1])) start = FactorStart(tokens, match, start - 1);
        size_t end = FactorEnd(tokens, match, op + 1);
        std::vector<SqlToken> with = {Word(tokens[op].IsSymbol("/") ? "tlx_div" : "tlx_mod"), Symbol("(")};
        auto left = Slice(tokens, start, op), right = Slice(tokens, op + 1, end);
        if (!left.empty()) left.front().spaceBefore = false;
        if (!right.empty()) right.front().spaceBefore = false;
        with.insert(with.end(), left.begin(), left.end());
        with.push_back(Symbol(","));
        with.insert(with.end(), right.begin(), right.end());
        with.push_back(Symbol(")"));
        with.front().spaceBefore = tokens[start].spaceBefore;
        Replace(tokens, start, end, std::move(with));
    }
}

size_t SqlRewriter::RewriteConvert(std::vector<SqlToken>& tokens, size_t at) {
    std::vector<long> match = MatchPairs(tokens);
    if (match[at + 1] < 0) Unsupported("CONVERT");
    size_t close = static_cast<size_t>(match[at + 1]);
    std::vector<size_t> commas = TopLevelCommas(tokens, match, at + 1, close);
    if (commas.empty() || commas.size() > 2) Unsupported("CONVERT");
    TypeSpec type = ReadType(tokens, at + 2, commas[0]);
    if (!type.badNumber.empty()) Unsupported("CONVERT to " + type.name + "(" + type.badNumber + ")");
    size_t exprEnd = commas.size() == 2 ? commas[1] : close;
    auto expr = Slice(tokens, commas[0] + 1, exprEnd);
    long long style = -1;
    if (commas.size() == 2) {
        if (close != commas[1] + 2 || tokens[commas[1] + 1].kind != SqlToken::kNumber) Unsupported("CONVERT style");
        std::optional<long long> number = WholeNumber(tokens[commas[1] + 1]);
        if (!number) Unsupported("CONVERT style " + tokens[commas[1] + 1].text);
        style = *number;
        if (style != 120 && style != 121 && style != 20 && style != 21 && style != 23 && style != 112)
            Unsupported("CONVERT style " + std::to_string(style));
    }
    std::vector<SqlToken> with;
    if (IsTextTypeName(type.name)) {
        bool pad = type.name == "CHAR" || type.name == "NCHAR";
        long long length = type.length < 0 ? 30 : type.length;
        with = {Word("tlx_text"), Symbol("(")};
        with.insert(with.end(), expr.begin(), expr.end());
        for (long long n : {length, style, pad ? 1LL : 0LL}) {
            with.push_back(Symbol(","));
            with.push_back(Number(n));
        }
        with.push_back(Symbol(")"));
    } else if (IsDateTypeName(type.name)) {
        with = {Word("tlx_datetime"), Symbol("(")};
        with.insert(with.end(), expr.begin(), expr.end());
        with.push_back(Symbol(","));
        with.push_back(Number(style));
        with.push_back(Symbol(")"));
    } else if (IsIntegerTypeName(type.name) || IsRealTypeName(type.name)) {
        with = NumberConversion(expr, type);
    } else {
        Unsupported("CONVERT to " + (type.name.empty() ? std::string("?") : type.name));
    }
    Replace(tokens, at, close + 1, std::move(with));
    return at + 2;  // continue inside the converted expression
}

size_t SqlRewriter::RewriteCast(std::vector<SqlToken>& tokens, size_t at) {
    std::vector<long> match = MatchPairs(tokens);
    if (match[at + 1] < 0) Unsupported("CAST");
    size_t close = static_cast<size_t>(match[at + 1]);
    size_t as = 0;
    for (size_t i = at + 2; i < close; ++i) {
        if ((tokens[i].IsSymbol("(") || tokens[i].Is("CASE")) && match[i] > 0) i = static_cast<size_t>(match[i]);
        else if (tokens[i].Is("AS")) as = i;
    }
    if (as == 0) Unsupported("CAST");
    TypeSpec type = ReadType(tokens, as + 1, close);
    if (!type.badNumber.empty()) Unsupported("CAST to " + type.name + "(" + type.badNumber + ")");
    auto expr = Slice(tokens, at + 2, as);
    std::vector<SqlToken> with;
    if (IsTextTypeName(type.name)) {
        bool pad = type.name == "CHAR" || type.name == "NCHAR";
        with = {Word("tlx_text"), Symbol("(")};
        with.insert(with.end(), expr.begin(), expr.end());
        for (long long n : {type.length < 0 ? 30 : type.length, -1LL, pad ? 1LL : 0LL}) {
            with.push_back(Symbol(","));
            with.push_back(Number(n));
        }
        with.push_back(Symbol(")"));
    } else if (IsDateTypeName(type.name)) {
        with = {Word("tlx_datetime"), Symbol("(")};
        with.insert(with.end(), expr.begin(), expr.end());
        with.push_back(Symbol(","));
        with.push_back(Number(-1));
        with.push_back(Symbol(")"));
    } else if (IsIntegerTypeName(type.name) || IsRealTypeName(type.name)) {
        with = NumberConversion(expr, type);
    } else {
        Unsupported("CAST to " + (type.name.empty() ? std::string("?") : type.name));
    }
    // Mark the rewritten CAST so the scan does not take it again.
    if (with.front().text == "CAST") with.front().text = "cast";
    Replace(tokens, at, close + 1, std::move(with));
    return at + 2;
}

void SqlRewriter::RewriteTop(std::vector<SqlToken>& tokens, size_t select) {
    size_t top = select + 1;
    if (top < tokens.size() && (tokens[top].Is("DISTINCT") || tokens[top].Is("ALL"))) ++top;
    if (top >= tokens.size() || !tokens[top].Is("TOP")) return;
    size_t countAt = top + 1;
    size_t after = top + 2;
    if (countAt < tokens.size() && tokens[countAt].IsSymbol("(")) {
        countAt = top + 2;
        after = top + 4;
    }
    if (countAt >= tokens.size() || tokens[countAt].kind != SqlToken::kNumber) Unsupported("TOP");
    std::string count = tokens[countAt].text;
    // The end of this SELECT: the parenthesis that closes its scope, a ';' or the end of the statement.
    size_t end = after;
    int depth = 0;
    for (; end < tokens.size(); ++end) {
        if (tokens[end].IsSymbol("(")) ++depth;
        else if (tokens[end].IsSymbol(")") && depth-- == 0) break;
        else if (tokens[end].IsSymbol(";") && depth == 0) break;
        else if (tokens[end].Is("UNION") && depth == 0) Unsupported("TOP with UNION");
    }
    tokens.insert(tokens.begin() + static_cast<long>(end), {Word("LIMIT"), {SqlToken::kNumber, count, true}});
    tokens.erase(tokens.begin() + static_cast<long>(top), tokens.begin() + static_cast<long>(after));
}

void SqlRewriter::RewriteTokens(std::vector<SqlToken>& tokens) {
    RejectUnsupported(tokens, 0, tokens.size());
    RewriteConcatenation(tokens);
    RewriteDivision(tokens);
    for (size_t i = 0; i < tokens.size();) {
        SqlToken& t = tokens[i];
        bool call = i + 1 < tokens.size() && tokens[i + 1].IsSymbol("(");
        if (t.kind == SqlToken::kVariable) {
            t.text = Lower(t.text);
        } else if (t.kind == SqlToken::kWord && i + 3 < tokens.size() && tokens[i + 1].IsSymbol(".") &&
                   !(i > 0 && (tokens[i - 1].Is("INTO") || tokens[i - 1].Is("TABLE") || tokens[i - 1].Is("UPDATE"))) &&
                   (tokens[i + 2].kind == SqlToken::kWord || tokens[i + 2].kind == SqlToken::kQuotedName) &&
                   tokens[i + 3].IsSymbol("(")) {
            std::string name = tokens[i + 2].text;
            if (tokens[i + 2].kind == SqlToken::kQuotedName) name = name.substr(1, name.size() - 2);
            std::string qualified = t.text + "." + name;
            auto sqlName = resolveFunction_(qualified);
            if (!sqlName)
                Fail(adErrFeatureNotAvailable, u"Unknown function " + Utf8ToUtf16(qualified) + u" in statement: " +
                                                   Utf8ToUtf16(source_));
            Replace(tokens, i, i + 3, {Word(*sqlName)});
        } else if (t.Is("ISNULL") && call) {
            t.text = "IFNULL";
        } else if (t.Is("CONVERT") && call) {
            i = RewriteConvert(tokens, i);
            continue;
        } else if (t.Is("CAST") && t.text != "cast" && call) {
            i = RewriteCast(tokens, i);
            continue;
        } else if ((t.Is("DATEADD") || t.Is("DATEDIFF")) && call && i + 2 < tokens.size() &&
                   tokens[i + 2].kind == SqlToken::kWord) {
            tokens[i + 2] = {SqlToken::kString, "'" + Lower(tokens[i + 2].text) + "'", tokens[i + 2].spaceBefore};
        } else if (t.Is("SELECT")) {
            RewriteTop(tokens, i);
        } else if (t.Is("AS") && i + 1 < tokens.size() && tokens[i + 1].kind == SqlToken::kString) {
            std::string alias = tokens[i + 1].text.substr(1, tokens[i + 1].text.size() - 2);
            tokens[i + 1] = {SqlToken::kQuotedName, "\"" + alias + "\"", tokens[i + 1].spaceBefore};
        } else if (t.Is("DISTINCT") && call) {
            // DISTINCT(col) names the column as col, not as "(col)".
            std::vector<long> match = MatchPairs(tokens);
            size_t open = i + 1;
            size_t close = static_cast<size_t>(std::max(match[open], 0L));
            bool simple = close == open + 2 || (close == open + 4 && tokens[open + 2].IsSymbol("."));
            if (simple) {
                tokens.erase(tokens.begin() + static_cast<long>(close));
                tokens.erase(tokens.begin() + static_cast<long>(open));
                tokens[open].spaceBefore = true;
            }
        }
        ++i;
    }
}

BatchStatement SqlRewriter::MakeStatement(std::vector<SqlToken> tokens) {
    BatchStatement statement;
    if (tokens.front().Is("DECLARE")) {
        statement.kind = BatchStatement::kDeclare;
        // DECLARE @a TYPE [, @b TYPE]: initial values are not taken.
        for (size_t i = 1; i < tokens.size(); ++i) {
            if (tokens[i].kind == SqlToken::kVariable && i + 1 < tokens.size()) {
                variableTypes_[Lower(tokens[i].text)] = Upper(tokens[i + 1].text);
            } else if (tokens[i].IsSymbol("=")) {
                Unsupported("DECLARE with a value");
            }
        }
        return statement;
    }
    if (tokens.front().Is("SET")) {
        if (tokens.size() < 4 || tokens[1].kind != SqlToken::kVariable || !tokens[2].IsSymbol("="))
            Unsupported("SET");
        statement.kind = BatchStatement::kSet;
        statement.variable = Lower(tokens[1].text);
        if (!variableTypes_.count(statement.variable)) Unsupported("SET of undeclared " + tokens[1].text);
        std::vector<SqlToken> value = Slice(tokens, 3, tokens.size());
        RewriteTokens(value);
        std::string expression = JoinTokens(value, 0, value.size());
        if (IsDateTypeName(variableTypes_[statement.variable])) expression = "tlx_datetime(" + expression + ", -1)";
        statement.sql = "SELECT " + expression;
        return statement;
    }
    if (tokens.front().Is("EXEC") || tokens.front().Is("EXECUTE")) {
        statement.kind = BatchStatement::kExec;
        size_t i = 1;
        auto namePart = [&](size_t at) {
            const SqlToken& t = tokens[at];
            return t.kind == SqlToken::kQuotedName ? t.text.substr(1, t.text.size() - 2) : t.text;
        };
        if (i < tokens.size() && (tokens[i].kind == SqlToken::kWord || tokens[i].kind == SqlToken::kQuotedName)) {
            statement.procedure = namePart(i++);
            while (i + 1 < tokens.size() && tokens[i].IsSymbol(".") &&
                   (tokens[i + 1].kind == SqlToken::kWord || tokens[i + 1].kind == SqlToken::kQuotedName)) {
                statement.procedure += "." + namePart(i + 1);
                i += 2;
            }
        }
        if (statement.procedure.empty()) Unsupported("EXEC");
        std::vector<SqlToken> arguments = Slice(tokens, i, tokens.size());
        for (size_t k = 0; k + 1 < arguments.size(); ++k)
            if (arguments[k].kind == SqlToken::kVariable && arguments[k + 1].IsSymbol("="))
                Unsupported("EXEC with named arguments");
        RewriteTokens(arguments);
        if (!arguments.empty()) statement.sql = "SELECT " + JoinTokens(arguments, 0, arguments.size());
        return statement;
    }
    RewriteTokens(tokens);
    statement.columnKinds = SelectListKinds(tokens);
    statement.sql = JoinTokens(tokens, 0, tokens.size());
    return statement;
}

std::vector<BatchStatement> SqlRewriter::Rewrite(std::string_view tsql) {
    source_ = std::string(tsql);
    variableTypes_.clear();
    std::vector<SqlToken> tokens = TokenizeSql(tsql);
    std::vector<BatchStatement> statements;
    std::vector<SqlToken> current;
    auto flush = [&] {
        if (!current.empty()) statements.push_back(MakeStatement(std::move(current)));
        current.clear();
    };
    int depth = 0;
    for (size_t i = 0; i < tokens.size(); ++i) {
        const SqlToken& t = tokens[i];
        if (t.IsSymbol("(")) ++depth;
        if (t.IsSymbol(")")) --depth;
        if (depth == 0) {
            if (t.IsSymbol(";")) {
                flush();
                continue;
            }
            bool batchKeyword = t.Is("DECLARE") || t.Is("EXEC") || t.Is("EXECUTE") ||
                                (t.Is("SET") && i + 1 < tokens.size() && tokens[i + 1].kind == SqlToken::kVariable);
            bool inBatchStatement = !current.empty() && (current.front().Is("DECLARE") || current.front().Is("SET") ||
                                                         current.front().Is("EXEC") || current.front().Is("EXECUTE"));
            bool statementKeyword = t.Is("SELECT") || t.Is("INSERT") || t.Is("UPDATE") || t.Is("DELETE");
            if (batchKeyword || (inBatchStatement && statementKeyword)) flush();
        }
        current.push_back(t);
    }
    flush();
    if (statements.empty()) Fail(adErrInvalidArgument, u"Empty statement");
    return statements;
}

}  // namespace tlx::ado
