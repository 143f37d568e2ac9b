// Turns the T-SQL the module and the host write into statements SQLite runs with the same meaning.
//
// Covered: ISNULL(a, b); CONVERT(type, x [, style]) and CAST(x AS type) to character types (cut to
// their length; style 120 writes dates "YYYY-MM-DD HH:MM:SS"), to datetime and to numbers (DECIMAL and
// NUMERIC rounded to their scale); / and % (whole numbers cut, a division by zero an error); TOP n;
// YEAR, MONTH, DAY, GETDATE, DATEADD, DATEDIFF; string concatenation with + (an operand that is a
// string, a character CONVERT or CAST, or a character variable makes the whole sum a concatenation);
// a number literal among the operands makes + arithmetic (a text literal that is no number is refused);
// quoted column aliases (AS 'name'); DISTINCT(column); [bracketed] names; N'text'; functions of the
// host schema (TLX.DeklNumer(12)), which must be registered; batches of DECLARE, SET and
// exec schema.proc args. A T-SQL construct outside this list fails before anything runs, naming the
// construct and the statement. The items of a select list that GETDATE, DATEADD, a CONVERT or CAST to
// datetime or MIN/MAX of a date column give are read as dates (BatchStatement::columnKinds); UPPER and
// LOWER change the case of Latin letters beyond ASCII too (SqlFunctions).
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ado/SqlLexer.h"

namespace tlx::ado {

struct BatchStatement {
    enum Kind { kQuery, kDeclare, kSet, kExec };
    Kind kind = kQuery;
    // kQuery: the statement; kSet: "SELECT <value>"; kExec: "SELECT <arguments>" (empty without any).
    std::string sql;
    std::string variable;   // kSet: the variable, lower-case with its '@'
    std::string procedure;  // kExec: the procedure's name as written ("tlx.DRA")
    // kQuery: per item of the select list, what it is known to answer: 'd' a date, 'm' the least or
    // greatest of something (a date when its values are stored dates), '\0' nothing known.
    std::string columnKinds;
};

class SqlRewriter {
public:
    // Answers the SQL name of a registered host function ("TLX.DeklNumer"), or nothing.
    using FunctionResolver = std::function<std::optional<std::string>(std::string_view qualifiedName)>;
    explicit SqlRewriter(FunctionResolver resolveFunction);

    std::vector<BatchStatement> Rewrite(std::string_view tsql);

private:
    void RewriteTokens(std::vector<SqlToken>& tokens);
    void RejectUnsupported(const std::vector<SqlToken>& tokens, size_t begin, size_t end) const;
    void RewriteConcatenation(std::vector<SqlToken>& tokens);
    void RewriteDivision(std::vector<SqlToken>& tokens);
    bool IsTextOperand(const std::vector<SqlToken>& tokens, size_t begin, size_t end,
                       const std::vector<long>& match) const;
    size_t RewriteConvert(std::vector<SqlToken>& tokens, size_t at);
    size_t RewriteCast(std::vector<SqlToken>& tokens, size_t at);
    void RewriteTop(std::vector<SqlToken>& tokens, size_t select);
    BatchStatement MakeStatement(std::vector<SqlToken> tokens);
    [[noreturn]] void Unsupported(std::string_view construct) const;

    FunctionResolver resolveFunction_;
    std::string source_;                              // the batch, for messages
    std::map<std::string, std::string> variableTypes_;  // declared variables and their type words
};

}  // namespace tlx::ado
