// The KEDU component's classes, registered in process by the host.
#pragma once

#include "platform/com/Types.h"

namespace tlx::host {

// Registers "TlxKedu.KEDU" (CLSID_KeduComponent) with the process's class registry.
HRESULT RegisterKeduClasses();

}  // namespace tlx::host
