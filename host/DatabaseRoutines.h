// The SQL functions of the host's company database that documents of the modules call by name: the
// number and the due date of a declaration, which the host's accounting asks of a declaration it posts.
#pragma once

namespace tlx::host {

// Registers the functions with the process's routine registry (idempotent).
void RegisterDatabaseRoutines();

}  // namespace tlx::host
