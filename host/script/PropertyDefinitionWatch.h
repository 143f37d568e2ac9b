// Tells the runtime which object the scripts give a property attributes of their own or make
// non-extensible: the built-ins that can (Object.defineProperty, defineProperties, freeze, seal,
// preventExtensions, their Reflect namesakes, __defineGetter__ and __defineSetter__) are stood in for by
// functions of the same name and length that name their target to the runtime (ScriptRuntime::NoteDefinition)
// and call the built-in with the same `this` and arguments. A heap read as pristine (PristineHeap) is
// thereby known to keep the attributes it was read with while no object of the reading is named.
#pragma once

#include <duktape.h>

namespace tlx::host {
// Installs the stand-ins into a new heap before any script runs.
void WatchPropertyDefinitions(duk_context* ctx);
}  // namespace tlx::host
