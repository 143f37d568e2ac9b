// The JScript habits the module's scripts rely on, on top of ECMAScript 5.1:
// - `Error(number, description)`: an Error whose `number` and `description` are given (a single
//   non-number argument is the message, as before); `description` reads and writes the message of every
//   error, the engine's own included;
// - `new ActiveXObject(progId)`: a COM object created through the runtime's object creator;
// - Date helpers the value conversions use, kept out of the scripts' sight.
#pragma once

#include <duktape.h>

namespace tlx::host {
// Installs the above into a new heap; false when the heap could not take them.
bool InstallJScriptLibrary(duk_context* ctx);

// Key of the stash object holding `makeDate(year, month0, day, hour, minute, second, ms)` and
// `dateParts(value)` (null for no Date, false for an invalid one, else [y, m1, d, h, mi, s] rounded to the
// second).
inline constexpr const char* kDateHelpersKey = DUK_HIDDEN_SYMBOL("tlxDateHelpers");
}  // namespace tlx::host
