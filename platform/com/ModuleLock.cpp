// The module lock count of the binary this archive is linked into (see ComObject.h).
#include "platform/com/ComObject.h"

namespace tlx {
ModuleLockCount& ThisModule() {
    static ModuleLockCount count;
    return count;
}
}  // namespace tlx
