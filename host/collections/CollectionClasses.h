// The collection classes: ADO-backed, child and query collections, and their enumerator.
#pragma once

#include "platform/com/Types.h"

namespace tlx::host {

// Registers the classes of this folder with the process's class registry.
HRESULT RegisterCollectionClasses();

}  // namespace tlx::host
