#include "mv_deklaracje/core/ModuleGlobals.h"

namespace {
// Built by the library's static initialisers; its destructor releases the two references at unload.
ModuleGlobals globals;
}  // namespace

ModuleGlobals& Globals() { return globals; }
