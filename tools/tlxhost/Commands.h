// The commands of tlxhost. Each answers the process exit status and reports failures on stderr.
#pragma once

#include <optional>
#include <string>

namespace tlxhost {

// The configuration database that goes with a company database: "<name>.konfiguracja.db" beside it.
std::string ConfigDatabasePath(const std::string& companyDatabase);

// What a new company database holds besides the company scripts' tables.
struct CompanyContent {
    bool demo = false;   // the demo company
    std::optional<int> employees;  // a company of that many employees made from the demo company's
    std::optional<int> year;       // with its payroll in that year (the demo's when not given)
};

inline CompanyContent DemoCompany() {
    CompanyContent content;
    content.demo = true;
    return content;
}

// A text as an SQL string literal, its quotes doubled.
std::string QuoteSqlText(const std::string& text);
// Creates a company database (and its configuration database) from db/ with `content`.
int InitDatabase(const std::string& path, const CompanyContent& content);
// Runs a script with the globals Session, Application and print() on a company database; `remote` signs
// the operator in as working on a remote desktop (IOperatorObject::IsRemoteSession 1).
int RunScript(const std::string& script, const std::string& database, bool remote = false);
// A fresh demo company in a temporary folder, the module registered, tools/tlxhost/demo.js run on it.
int RunDemo(const std::string& modulePath);

// Prints "tlxhost: <what>: <description of the thread's error object>" and answers 1.
int ReportFailure(const std::string& what, long hr);

}  // namespace tlxhost
