// The library's process-wide state. Each begins empty (the alphabet filled) when the library is loaded
// and is released when it is unloaded. None is guarded by a lock: every call runs on the host's calling
// thread, and one object serves one caller at a time.
#pragma once

#include <string>

#include "hostapi/Subjects.h"
#include "platform/com/ComPtr.h"

struct ModuleGlobals {
    // The host's HR component, created by the first host-product lookup.
    tlx::ComPtr<IHrComponent> hrComponent;
    // The remote-desktop virtual-channel client, created by the first remote signing.
    tlx::ComPtr<IUnknown> virtualChannelClient;
    // The Base64 alphabet (RFC 4648) in which signed messages are encoded.
    const std::string base64Alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
};

ModuleGlobals& Globals();
