// The host's e-declaration components: the schema repository and the validator.
#pragma once

#include "platform/com/Types.h"

namespace tlx::host {

// Registers the classes of this folder with the process's class registry.
HRESULT RegisterEDeklaracjeClasses();

}  // namespace tlx::host
