// The module object: the library's object map and the lookups the four exported entry points make.
#pragma once

#include <span>

#include "platform/com/Unknown.h"
#include "platform/res/Resources.h"

// One creatable class of the library.
struct ObjectMapEntry {
    const CLSID* clsid;
    const char16_t* coclass;  // the class name the registration describes ("Deklaracja")
    const char16_t* progId;   // version-independent ProgID ("TLXDeklaracje.Deklaracja")
    HRESULT (*getClassObject)(REFIID iid, void** out);
};

// The classes this library creates, in registration order.
std::span<const ObjectMapEntry> ObjectMap();

// The module's own embedded resources.
HMODULE ModuleResources();
