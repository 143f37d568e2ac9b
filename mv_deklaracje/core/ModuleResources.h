// What the module's classes need of the loaded library itself: its embedded resources (forms, scripts,
// string table) and the file it was loaded from. The library object that owns both sits above them.
#pragma once

#include <string>

#include "platform/res/Resources.h"

// The module's own embedded resources.
HMODULE ModuleResources();

// The file this library was loaded from (the InprocServer32 of every class); empty when it cannot be told.
std::u16string ModuleFilePath();
