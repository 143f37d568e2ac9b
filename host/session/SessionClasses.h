// The session folder's classes: the application object and the object state.
#pragma once

#include "platform/com/Types.h"

namespace tlx::host {

// Registers the classes of this folder with the process's class registry.
HRESULT RegisterSessionClasses();

}  // namespace tlx::host
