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

// A whole number of the statement read as a variable bound to it.
struct Literal {
    long long value;
    std::size_t at;  // where its digits begin in the text
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

// Statements that differ only in the whole numbers they compare with ("where WPL_PraId = 5" for each
// employee) are one statement to the caches: each "= <integer>" becomes a variable bound to the number,
// so the batch is rewritten once and prepared once per connection. Bound and literal integers compare
// alike in SQLite (neither has an affinity). Other texts, and those without such a comparison, are left
// as they are. The text is scanned without copying its tokens, and the numbers are replaced where they
// stand: the rewriter reads the result as it reads the statement written with variables.
std::string ParameterizeLiterals(std::string_view tsql, std::vector<Literal>& literals) {
    std::vector<SqlSpan> spans;
    try {
        spans = ScanSql(tsql);
    } catch (...) {
        return std::string(tsql);  // the rewriter reports the fault in the text as written
    }
    auto isWord = [&](const SqlSpan& span, std::string_view word) {
        std::string_view text = span.Text(tsql);
        if (span.kind != SqlToken::kWord || text.size() != word.size()) return false;
        for (size_t i = 0; i < word.size(); ++i)
            if (AsciiLower(text[i]) != word[i]) return false;
        return true;
    };
    // Only queries and row changes take variables (a PRAGMA or a batch of declarations keeps its text).
    if (spans.empty() || !(isWord(spans[0], "select") || isWord(spans[0], "update") || isWord(spans[0], "delete") ||
                           isWord(spans[0], "insert") || isWord(spans[0], "with")))
        return std::string(tsql);
    std::string out;
    size_t copied = 0;
    bool changed = false;
    for (std::size_t i = 0; i + 1 < spans.size(); ++i) {
        if (spans[i].kind != SqlToken::kSymbol || spans[i].Text(tsql) != "=") continue;
        std::size_t at = i + 1;
        bool negative = at + 1 < spans.size() && spans[at].kind == SqlToken::kSymbol && spans[at].Text(tsql) == "-" &&
                        !spans[at + 1].spaceBefore;
        if (negative) ++at;
        std::string_view number = spans[at].Text(tsql);
        if (spans[at].kind != SqlToken::kNumber || number.size() > 18 || number.find_first_not_of("0123456789") != std::string_view::npos)
            continue;
        long long value = std::stoll(std::string(number));
        literals.push_back({negative ? -value : value, spans[at].begin});
        out.append(tsql.substr(copied, spans[i + 1].begin - copied));
        out += LiteralName(literals.size() - 1);
        copied = spans[at].end;
        changed = true;
        i = at;
    }
    if (!changed) return std::string(tsql);
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
        literals.push_back({run.negative ? -value : value, run.begin});
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
            sqlite3_bind_int64(statement, i, literals_[*literal]);
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
    for (const Literal& literal : literals) literals_.push_back(literal.value);
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
