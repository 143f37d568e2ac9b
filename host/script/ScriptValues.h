// Values between VARIANTs and scripts: VT_EMPTY and undefined, VT_NULL and null, VT_BOOL and booleans,
// integers, VT_R4/VT_R8 and VT_CY to numbers (integral numbers in the 32-bit range come back as VT_I4,
// others as VT_R8), VT_DATE and Date, VT_BSTR and strings, VT_DISPATCH/VT_UNKNOWN and the bridge's
// proxies.
#pragma once

#include <duktape.h>

#include <string>

#include "platform/com/Variant.h"

namespace tlx::host {

class ScriptRuntime;

// Pushes the script value of `value`; for a kind scripts cannot hold, pushes an Error instead and
// answers false.
bool PushVariant(ScriptRuntime& runtime, const VARIANT& value);

// Reads the script value at `index`. Script objects other than proxies and dates (plain objects, arrays,
// functions) do not leave the script: DISP_E_TYPEMISMATCH with a description.
HRESULT ReadVariant(ScriptRuntime& runtime, duk_idx_t index, Variant& out, std::u16string& description);

}  // namespace tlx::host
