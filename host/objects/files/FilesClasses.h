// The remote file components, registered in process by the host.
#pragma once

#include "platform/com/Types.h"

namespace tlx::host {

// Registers CRemoteFileTransfer and CRemoteFileCopy with the process's class registry.
HRESULT RegisterFilesClasses();

}  // namespace tlx::host
