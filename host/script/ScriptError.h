// Errors crossing between scripts and COM: a thrown script value becomes an HRESULT with an error
// object, a failing COM call becomes a thrown Error that carries its HRESULT as `number`.
#pragma once

#include <duktape.h>

#include <string>
#include <string_view>

#include "platform/com/Types.h"

namespace tlx::host {

// A thrown value that carries no usable number ("exception thrown and not caught").
inline constexpr HRESULT kScriptRuntimeError = static_cast<HRESULT>(0x800A139E);
// Script text that does not compile.
inline constexpr HRESULT kScriptSyntaxError = static_cast<HRESULT>(0x800A03EA);
// Evaluations nested deeper than the thread's stack allows.
inline constexpr HRESULT kScriptOutOfStack = static_cast<HRESULT>(0x800A001C);

// What a failed script run reports.
struct ScriptFailure {
    HRESULT hr = kScriptRuntimeError;
    std::u16string description;
    int line = 0;  // 0 when the position is not known
};

// The HRESULT of an error number: a failure code as it stands (also written as a positive number above
// 0x7FFFFFFF), 1..0xFFFF as a script error of that number (0x800A0000 + n); anything else, 0 included,
// gives `fallback`, so that a thrown value never reads as success.
HRESULT HResultFromNumber(double number, HRESULT fallback);

// Reads the thrown value at `index` (an Error, any object or a primitive) without throwing into the heap.
ScriptFailure ReadThrownValue(duk_context* ctx, duk_idx_t index, HRESULT fallback);

// Sets the thread's error object (description, the script position as source, the engine's interface)
// and answers the failure's HRESULT.
HRESULT ReportFailure(const ScriptFailure& failure);

// Pushes an Error whose `number` is `hr` (as a signed 32-bit value, the way scripts see COM errors),
// whose message and `description` are `description`, positioned at the calling script line.
void PushComError(duk_context* ctx, HRESULT hr, std::u16string_view description);

}  // namespace tlx::host
