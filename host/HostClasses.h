// The classes the host offers in process, by CLSID and ProgID.
#pragma once

#include "platform/com/Types.h"

namespace tlx::host {

// Registers every host class with the process's class registry; later calls do nothing.
HRESULT RegisterHostClasses();

}  // namespace tlx::host
