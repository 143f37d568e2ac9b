#include "platform/ado/SqlExecutor.h"

#include <sqlite3.h>

#include <algorithm>
#include <charconv>
#include <mutex>
#include <optional>
#include <unordered_map>

#include "platform/ado/AdoError.h"
#include "platform/ado/DateText.h"
#include "platform/ado/SqlLexer.h"
#include "platform/ado/SqlRewriter.h"
#include "platform/ado/SqlRoutines.h"
#include "platform/text/AsciiCase.h"
#include "platform/text/CodePage.h"

namespace tlx::ado {

// A batch rewritten once, with the host functions its statements call.
struct RewrittenBatch {
    std::vector<BatchStatement> statements;
    std::vector<std::string> functions;
};

namespace {
std::string Text(const char* text) { return text ? text : ""; }

constexpr std::string_view kLiteralPrefix = "@tlx_literal";

// A value of the statement read as a variable bound to it: a whole number, or a text.
struct Literal {
    long long value;
    std::size_t at;  // where its digits (or its string) begin in the text
    std::optional<std::string> text;
};

std::string LiteralName(std::size_t index) { return std::string(kLiteralPrefix) + std::to_string(index + 1); }

// The index of a literal named by LiteralName, or nothing for another name.
std::optional<std::size_t> LiteralIndex(std::string_view name) {
    if (name.substr(0, kLiteralPrefix.size()) != kLiteralPrefix) return std::nullopt;
    std::string_view digits = name.substr(kLiteralPrefix.size());
    std::size_t number = 0;
    auto [stop, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (error != std::errc() || stop != digits.data() + digits.size() || number == 0) return std::nullopt;
    return number - 1;
}

// The value of a string token as written ('it''s', N'tekst').
std::string StringValue(std::string_view quoted) {
    if (!quoted.empty() && (quoted.front() == 'N' || quoted.front() == 'n')) quoted.remove_prefix(1);
    quoted = quoted.substr(1, quoted.size() - 2);
    std::string value;
    for (std::size_t i = 0; i < quoted.size(); ++i) {
        value += quoted[i];
        if (quoted[i] == '\'' && i + 1 < quoted.size() && quoted[i + 1] == '\'') ++i;
    }
    return value;
}

// Finds in a scanned statement the values that make texts differ while they are one statement:
//   "= <integer>"                  a whole number compared with ("where WPL_PraId = 5" for each employee);
//   "union [all] select <integer>" a whole number that is the whole select list of a later part of a
//                                  union (its columns are named by the first part);
//   "set @v = 'text'" and "set @v = convert(datetime, 'text'[, style])"
//                                  the text a variable is set to (a date in a batch run for each month).
// Bound and literal values compare and convert alike in SQLite (neither has an affinity).
class LiteralFinder {
public:
    LiteralFinder(std::string_view tsql, const std::vector<SqlSpan>& spans) : tsql_(tsql), spans_(spans) {}

    bool IsWord(std::size_t i, std::string_view word) const {
        if (i >= spans_.size()) return false;
        std::string_view text = spans_[i].Text(tsql_);
        if (spans_[i].kind != SqlToken::kWord || text.size() != word.size()) return false;
        for (size_t k = 0; k < word.size(); ++k)
            if (AsciiLower(text[k]) != word[k]) return false;
        return true;
    }
    bool IsSymbol(std::size_t i, std::string_view symbol) const {
        return i < spans_.size() && spans_[i].kind == SqlToken::kSymbol && spans_[i].Text(tsql_) == symbol;
    }
    bool Ends(std::size_t i) const { return i >= spans_.size() || IsSymbol(i, ";"); }

    // A whole number at `i` (a minus right before its digits taken in): its value, and the span after it.
    std::optional<std::pair<long long, std::size_t>> WholeNumber(std::size_t i) const {
        bool negative = IsSymbol(i, "-") && i + 1 < spans_.size() && !spans_[i + 1].spaceBefore;
        if (negative) ++i;
        if (i >= spans_.size() || spans_[i].kind != SqlToken::kNumber) return std::nullopt;
        std::string_view number = spans_[i].Text(tsql_);
        if (number.size() > 18 || number.find_first_not_of("0123456789") != std::string_view::npos) return std::nullopt;
        long long value = std::stoll(std::string(number));
        return std::make_pair(negative ? -value : value, i + 1);
    }

    // The literal a value beginning at `i` holds, or nothing; `end` is set to the span after it.
    std::optional<Literal> Find(std::size_t i, bool query, std::size_t& end) const {
        if (query && IsSymbol(i, "=")) {
            auto number = WholeNumber(i + 1);
            if (!number) return std::nullopt;
            end = number->second;
            return Literal{number->first, spans_[end - 1].begin, std::nullopt};
        }
        if (query && IsWord(i, "union")) {
            std::size_t at = i + 1 + (IsWord(i + 1, "all") ? 1 : 0);
            if (!IsWord(at, "select")) return std::nullopt;
            auto number = WholeNumber(at + 1);
            if (!number) return std::nullopt;
            std::size_t after = number->second;
            if (!Ends(after) && !IsSymbol(after, ")") && !IsWord(after, "union") && !IsWord(after, "from"))
                return std::nullopt;
            end = after;
            return Literal{number->first, spans_[after - 1].begin, std::nullopt};
        }
        if (IsWord(i, "set") && i + 2 < spans_.size() && spans_[i + 1].kind == SqlToken::kVariable &&
            IsSymbol(i + 2, "=")) {
            std::size_t at = i + 3;
            if (IsWord(at, "convert") && IsSymbol(at + 1, "(") &&
                (IsWord(at + 2, "datetime") || IsWord(at + 2, "smalldatetime") || IsWord(at + 2, "date")) &&
                IsSymbol(at + 3, ",") && at + 4 < spans_.size() && spans_[at + 4].kind == SqlToken::kString &&
                (IsSymbol(at + 5, ")") || (IsSymbol(at + 5, ",") && WholeNumber(at + 6) && IsSymbol(at + 7, ")")))) {
                at += 4;
            } else if (at >= spans_.size() || spans_[at].kind != SqlToken::kString ||
                       !(Ends(at + 1) || spans_[at + 1].kind == SqlToken::kWord)) {
                return std::nullopt;
            }
            std::string_view quoted = spans_[at].Text(tsql_);
            // Skipped: a value that never reached its closing quote is reported by the rewriter.
            if (quoted.size() < 2 || quoted.back() != '\'') return std::nullopt;
            end = at + 1;
            return Literal{0, spans_[at].begin, StringValue(quoted)};
        }
        return std::nullopt;
    }

private:
    std::string_view tsql_;
    const std::vector<SqlSpan>& spans_;
};

// Statements that differ only in such values are one statement to the caches: each becomes a variable
// bound to the value, so the batch is rewritten once and prepared once per connection. Other texts are
// left as they are. The text is scanned without copying its tokens, and the values are replaced where
// they stand: the rewriter reads the result as it reads the statement written with variables.
std::string ParameterizeLiterals(std::string_view tsql, std::vector<Literal>& literals) {
    std::vector<SqlSpan> spans;
    try {
        spans = ScanSql(tsql);
    } catch (...) {
        return std::string(tsql);  // the rewriter reports the fault in the text as written
    }
    LiteralFinder finder(tsql, spans);
    // Queries and row changes take variables for their numbers; a batch of declarations only for the
    // texts its variables are set to (a PRAGMA keeps its text).
    const bool query = finder.IsWord(0, "select") || finder.IsWord(0, "update") || finder.IsWord(0, "delete") ||
                       finder.IsWord(0, "insert") || finder.IsWord(0, "with");
    if (!query && !finder.IsWord(0, "declare") && !finder.IsWord(0, "set")) return std::string(tsql);
    std::string out;
    size_t copied = 0;
    for (std::size_t i = 0; i < spans.size(); ++i) {
        std::size_t end = 0;
        std::optional<Literal> literal = finder.Find(i, query, end);
        if (!literal) continue;
        // The variable takes the place of the value: after the "=" or "select" that comes before it.
        const std::size_t first = literal->text ? end - 1 : (finder.IsSymbol(end - 2, "-") ? end - 2 : end - 1);
        out.append(tsql.substr(copied, spans[first].begin - copied));
        literals.push_back(std::move(*literal));
        out += LiteralName(literals.size() - 1);
        copied = spans[end - 1].end;
        i = end - 1;
    }
    if (literals.empty()) return std::string(tsql);
    out.append(tsql.substr(copied));
    return out;
}

// A run of digits where a whole number compared with may stand: right after "=", blanks and a minus
// between.
struct NumberRun {
    std::size_t begin;
    std::size_t end;
    bool negative;  // a minus right before the digits
};

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The text with the digits of every such run written as zeros. Texts of one shape differ only in the
// values of those digits, which the scanner never looks at: they split into the same tokens, the same
// numbers are taken as literals, and, when every run is one, they read as the same parameterized text.
std::string ShapeOf(std::string_view tsql, std::vector<NumberRun>& runs) {
    std::string shape(tsql);
    for (std::size_t i = shape.find('='); i != std::string::npos; i = shape.find('=', i + 1)) {
        std::size_t j = i + 1;
        while (j < shape.size() && IsBlank(shape[j])) ++j;
        bool negative = j < shape.size() && shape[j] == '-';
        if (negative) ++j;
        std::size_t begin = j;
        while (j < shape.size() && IsDigit(shape[j])) shape[j++] = '0';
        if (j > begin) runs.push_back({begin, j, negative});
    }
    return shape;
}

// Whether the literals found in a text are exactly its runs of digits after "=": then the rewritten
// parameterized text serves every text of its shape.
bool LiteralsAreTheRuns(const std::vector<Literal>& literals, const std::vector<NumberRun>& runs) {
    if (literals.size() != runs.size()) return false;
    for (std::size_t i = 0; i < runs.size(); ++i)
        if (literals[i].at != runs[i].begin) return false;
    return true;
}

// The literals of a text whose shape is known to take every run as one.
std::vector<Literal> LiteralsOfRuns(std::string_view tsql, const std::vector<NumberRun>& runs) {
    std::vector<Literal> literals;
    literals.reserve(runs.size());
    for (const NumberRun& run : runs) {
        long long value = 0;
        std::from_chars(tsql.data() + run.begin, tsql.data() + run.end, value);
        literals.push_back({run.negative ? -value : value, run.begin, std::nullopt});
    }
    return literals;
}

// Rewritten batches of the process by a text: a statement that the host runs again and again is
// rewritten once. A failed rewrite is not kept; the store starts afresh when it is full.
class RewrittenBatches {
public:
    std::shared_ptr<const RewrittenBatch> Find(std::string_view tsql) {
        std::lock_guard lock(mutex_);
        auto found = batches_.find(tsql);
        return found == batches_.end() ? nullptr : found->second;
    }
    void Keep(std::string_view tsql, std::shared_ptr<const RewrittenBatch> batch) {
        std::lock_guard lock(mutex_);
        if (batches_.size() >= kMaxBatches) batches_.clear();
        batches_.insert_or_assign(std::string(tsql), std::move(batch));
    }

private:
    static constexpr std::size_t kMaxBatches = 1024;
    std::mutex mutex_;
    std::unordered_map<std::string, std::shared_ptr<const RewrittenBatch>, TextHash, std::equal_to<>> batches_;
};

// By the text as it is run (its numbers parameterized, when it has any).
RewrittenBatches& Rewritten() {
    static RewrittenBatches batches;
    return batches;
}

// By the shape of the text as the caller wrote it, for shapes whose every run of digits after "=" is a
// literal: such a text is neither scanned nor parameterized again.
RewrittenBatches& RewrittenShapes() {
    static RewrittenBatches batches;
    return batches;
}

}  // namespace

// The columns of a prepared statement as its row sets show them, made once for the statement: the
// same text prepared again by SQLite (after a change of its tables) or read with other kinds makes them
// afresh.
struct StatementColumns {
    int prepared = 0;  // how often SQLite prepared the statement again when they were made
    std::string kinds;
    std::shared_ptr<std::vector<ColumnInfo>> columns;
    bool undeclared = false;  // whether a column has no declared type, to be taken from its values
    // The columns with the types their undeclared columns took in the last row set that settled them.
    mutable std::shared_ptr<std::vector<ColumnInfo>> settled;
    std::shared_ptr<std::vector<DataTypeEnum>> types;  // as the row sets fetch them, shared by them
};

namespace {
std::shared_ptr<std::vector<ColumnInfo>> DescribeColumns(sqlite3_stmt* s, std::string_view kinds) {
    auto columns = std::make_shared<std::vector<ColumnInfo>>();
    int count = sqlite3_column_count(s);
    for (int c = 0; c < count; ++c) {
        ColumnInfo column;
        column.name = Utf8ToUtf16(Text(sqlite3_column_name(s, c)));
        const char* declared = sqlite3_column_decltype(s, c);
        if (declared) column.type = ColumnTypeFromDeclared(declared);
        else if (static_cast<size_t>(c) < kinds.size() && kinds[static_cast<size_t>(c)] == 'd')
            column.type = ColumnTypeFromDeclared("DATETIME");
        column.schema = Text(sqlite3_column_database_name(s, c));
        column.table = Text(sqlite3_column_table_name(s, c));
        column.origin = Text(sqlite3_column_origin_name(s, c));
        columns->push_back(std::move(column));
    }
    return columns;
}
}  // namespace

std::unique_ptr<RowSet> LoadRowSet(Statement& statement, std::string_view kinds) {
    sqlite3_stmt* s = statement.Get();
    // The first step comes before the columns are read: a statement kept prepared across a change of
    // its tables is prepared again by that step, and only then names the columns of now.
    bool more = statement.Step();
    int prepared = sqlite3_stmt_status(s, SQLITE_STMTSTATUS_REPREPARE, 0);
    std::shared_ptr<const StatementColumns>& known = statement.Columns();
    if (!known || known->prepared != prepared || known->kinds != kinds) {
        auto columns = DescribeColumns(s, kinds);
        bool undeclared = std::any_of(columns->begin(), columns->end(), [](const ColumnInfo& c) { return c.type.type == adEmpty; });
        auto types = RowSet::FetchedTypes(*columns);
        known = std::make_shared<const StatementColumns>(
            StatementColumns{prepared, std::string(kinds), std::move(columns), undeclared, nullptr, std::move(types)});
    }
    auto rows = std::make_unique<RowSet>(known->columns, known->types);
    for (; more; more = statement.Step()) rows->FetchRow(s);
    rows->EndFetch();
    // The least or greatest of a date column is a date: every value it gave is a stored date.
    for (size_t c = 0; c < kinds.size() && c < rows->ColumnCount(); ++c) {
        if (kinds[c] != 'm' || rows->Column(c).type.type != adEmpty) continue;
        bool dates = false, others = false;
        for (const Row* row : rows->AllRows()) {
            tlx::Variant value = row->Value(c);
            if (value.vt == VT_NULL || value.vt == VT_EMPTY) continue;
            std::string text = value.vt == VT_BSTR ? Utf16ToUtf8({value.bstrVal, SysStringLen(value.bstrVal)}) : "";
            if (text.size() == 19 && ParseDateText(text)) dates = true;
            else others = true;
        }
        if (!dates || others) continue;
        rows->MutableColumn(c).type = ColumnTypeFromDeclared("DATETIME");
        rows->SetFetchedType(c, adDBTimeStamp);  // its texts read as the dates they are
    }
    // Undeclared columns take the types of their values; a statement whose rows type them as before
    // shares the columns settled before. Rows of declared columns only keep the statement's.
    if (rows->SharedColumns() != known->columns) {
        rows->SettleColumnTypes();
    } else if (known->undeclared) {
        std::vector<ColumnType> types = rows->SettledTypes();
        auto same = [&](const std::vector<ColumnInfo>& columns) {
            for (size_t c = 0; c < types.size(); ++c)
                if (columns[c].type.type != types[c].type || columns[c].type.definedSize != types[c].definedSize) return false;
            return true;
        };
        if (!same(*known->columns)) {
            if (known->settled && same(*known->settled)) {
                rows->UseColumns(known->settled);
            } else {
                rows->SettleColumnTypes();
                known->settled = rows->SharedColumns();
            }
        }
    }
    rows->MoveFirst();
    return rows;
}

void SqlExecutor::BindVariables(sqlite3_stmt* statement, std::string_view sql) {
    int count = sqlite3_bind_parameter_count(statement);
    for (int i = 1; i <= count; ++i) {
        const char* text = sqlite3_bind_parameter_name(statement, i);
        std::string_view name = text ? text : "";
        if (auto it = variables_.find(name); it != variables_.end()) {
            BindValue(statement, i, it->second);
        } else if (std::optional<std::size_t> literal = LiteralIndex(name); literal && *literal < literals_.size()) {
            const BoundLiteral& value = literals_[*literal];
            if (value.text) sqlite3_bind_text(statement, i, value.text->data(), static_cast<int>(value.text->size()), SQLITE_TRANSIENT);
            else sqlite3_bind_int64(statement, i, value.number);
        } else {
            Fail(adErrDatabase, u"Must declare the scalar variable " + Utf8ToUtf16(name) + u" [" + Utf8ToUtf16(sql) + u"]");
        }
    }
}

void SqlExecutor::InstallFunctions(const RewrittenBatch& batch) {
    for (const std::string& function : batch.functions) db_.EnsureFunction(function);
}

std::shared_ptr<const RewrittenBatch> SqlExecutor::Rewrite(std::string_view tsql) {
    std::shared_ptr<const RewrittenBatch> batch = Rewritten().Find(tsql);
    if (batch) {
        InstallFunctions(*batch);
        return batch;
    }
    auto rewritten = std::make_shared<RewrittenBatch>();
    SqlRewriter rewriter([&](std::string_view name) {
        auto sqlName = SqlRoutines::Instance().FunctionSqlName(name);
        if (sqlName) {
            db_.EnsureFunction(*sqlName);
            rewritten->functions.push_back(*sqlName);
        }
        return sqlName;
    });
    rewritten->statements = rewriter.Rewrite(tsql);
    Rewritten().Keep(tsql, rewritten);
    return rewritten;
}

ExecutionResult SqlExecutor::Execute(std::string_view tsql) {
    // Rewriting the whole batch first: an unknown construct anywhere stops it before anything runs.
    std::vector<NumberRun> runs;
    std::string shape = ShapeOf(tsql, runs);
    std::vector<Literal> literals;
    std::shared_ptr<const RewrittenBatch> rewritten = RewrittenShapes().Find(shape);
    if (rewritten) {
        InstallFunctions(*rewritten);
        literals = LiteralsOfRuns(tsql, runs);
    } else {
        std::string parameterized = ParameterizeLiterals(tsql, literals);
        if (!literals.empty()) {
            try {
                rewritten = Rewrite(parameterized);
            } catch (...) {
                literals.clear();  // the statement as written, so that a failure names it as the caller wrote it
            }
        }
        if (!rewritten) rewritten = Rewrite(tsql);
        if (LiteralsAreTheRuns(literals, runs)) RewrittenShapes().Keep(shape, rewritten);
    }
    const std::vector<BatchStatement>& batch = rewritten->statements;
    std::vector<SqlProcedure> procedures;
    for (const BatchStatement& step : batch) {
        if (step.kind != BatchStatement::kExec) continue;
        auto procedure = SqlRoutines::Instance().FindProcedure(step.procedure);
        if (!procedure)
            Fail(adErrFeatureNotAvailable,
                 u"Unknown procedure " + Utf8ToUtf16(step.procedure) + u" in statement: " + Utf8ToUtf16(tsql));
        procedures.push_back(std::move(*procedure));
    }
    size_t nextProcedure = 0;
    variables_.clear();
    literals_.clear();
    for (Literal& literal : literals) literals_.push_back({literal.value, std::move(literal.text)});
    ExecutionResult result;
    for (const BatchStatement& step : batch) {
        switch (step.kind) {
            case BatchStatement::kDeclare:
                break;
            case BatchStatement::kSet: {
                Statement statement = db_.Prepare(step.sql);
                BindVariables(statement.Get(), step.sql);
                tlx::Variant value = tlx::Variant::Null();
                if (statement.Step()) value = VariantFromSqlite(sqlite3_column_value(statement.Get(), 0));
                variables_[step.variable] = std::move(value);
                break;
            }
            case BatchStatement::kExec: {
                const SqlProcedure& procedure = procedures[nextProcedure++];
                std::vector<tlx::Variant> arguments;
                if (!step.sql.empty()) {
                    Statement statement = db_.Prepare(step.sql);
                    BindVariables(statement.Get(), step.sql);
                    if (statement.Step())
                        for (int c = 0; c < sqlite3_column_count(statement.Get()); ++c)
                            arguments.push_back(VariantFromSqlite(sqlite3_column_value(statement.Get(), c)));
                }
                SqlQuery query = procedure(db_.Handle(), arguments);
                if (query.sql.empty()) break;
                // A procedure answers the same text for every call, its values bound: the statement is
                // kept prepared like any other.
                Statement statement = db_.Prepare(query.sql);
                for (size_t i = 0; i < query.arguments.size() &&
                                   static_cast<int>(i) < sqlite3_bind_parameter_count(statement.Get());
                     ++i)
                    BindValue(statement.Get(), static_cast<int>(i) + 1, query.arguments[i]);
                if (sqlite3_column_count(statement.Get()) > 0 && !result.rows) {
                    result.rows = LoadRowSet(statement);
                } else {
                    while (statement.Step()) {
                    }
                }
                break;
            }
            case BatchStatement::kQuery: {
                Statement statement = db_.Prepare(step.sql);
                BindVariables(statement.Get(), step.sql);
                if (sqlite3_column_count(statement.Get()) > 0) {
                    auto rows = LoadRowSet(statement, step.columnKinds);
                    if (!result.rows) result.rows = std::move(rows);
                } else {
                    while (statement.Step()) {
                    }
                    result.affected = sqlite3_changes(db_.Handle());
                }
                break;
            }
        }
    }
    return result;
}

}  // namespace tlx::ado
