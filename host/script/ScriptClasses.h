// The script engine and the scripts' support object.
#pragma once

#include "platform/com/Types.h"

namespace tlx::host {

// Registers the classes of this folder with the process's class registry.
HRESULT RegisterScriptClasses();

}  // namespace tlx::host
