// The commands of tlxhost. Each answers the process exit status and reports failures on stderr.
#pragma once

#include <string>

namespace tlxhost {

// The configuration database that goes with a company database: "<name>.konfiguracja.db" beside it.
std::string ConfigDatabasePath(const std::string& companyDatabase);

// Creates a company database (and its configuration database) from db/; --demo adds the demo company.
int InitDatabase(const std::string& path, bool demo);
// Runs a script with the globals Session, Application and print() on a company database; `remote` signs
// the operator in as working on a remote desktop (IOperatorObject::IsRemoteSession 1).
int RunScript(const std::string& script, const std::string& database, bool remote = false);
// A fresh demo company in a temporary folder, the module registered, tools/tlxhost/demo.js run on it.
int RunDemo(const std::string& modulePath);

// Prints "tlxhost: <what>: <description of the thread's error object>" and answers 1.
int ReportFailure(const std::string& what, long hr);

}  // namespace tlxhost
