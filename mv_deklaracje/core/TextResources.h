// The module's text resources: form definitions (XML), transforms (XSL) and calculation scripts (JS),
// authored in UTF-8 and read back as exactly the text the file holds.
#pragma once

#include "mv_deklaracje/core/Bstr.h"
#include "platform/res/Resources.h"

// The text of the resource `name` of `type` in `module`, decoded from UTF-8; type and name are found
// without regard to letter case. A resource that does not exist gives the empty string (its callers
// report it, for example as a definition that cannot be parsed).
CBstr LoadTextResource(const char* name, const char* type, HMODULE module);
