// The subject classes: the company, tax offices, employees with their monthly tax data, and the HR
// component.
#pragma once

#include "platform/com/Types.h"

namespace tlx::host {

// Registers the classes of this folder with the process's class registry.
HRESULT RegisterSubjectClasses();

}  // namespace tlx::host
