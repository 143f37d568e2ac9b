// The configuration classes.
#pragma once

#include "platform/com/Types.h"

namespace tlx::host {

// Registers the classes of this folder with the process's class registry.
HRESULT RegisterConfigClasses();

}  // namespace tlx::host
