// The accounting classes: the audit stamp, payments and their forms, currencies, document definitions, posting entries and the income data.
#pragma once

#include "platform/com/Types.h"

namespace tlx::host {

// Registers the classes of this folder with the process's class registry.
HRESULT RegisterAccountingClasses();

}  // namespace tlx::host
