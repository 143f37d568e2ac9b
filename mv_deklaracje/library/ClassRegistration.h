// The registry entries of the library's classes and of its type library, as a setup program writes and
// removes them under HKEY_CLASSES_ROOT.
#pragma once

#include <string>

#include "mv_deklaracje/library/Module.h"
#include "platform/registry/Registry.h"

// The versioned and the version-independent ProgID keys and the class key under CLSID. The class key
// is re-created whole, so registering again leaves no trace of an earlier registration.
void WriteClassRegistration(tlx::RegistryTree& tree, const ObjectMapEntry& entry, const std::u16string& modulePath);
// Removes both ProgID keys and the class key; the CLSID key itself always stays.
void RemoveClassRegistration(tlx::RegistryTree& tree, const ObjectMapEntry& entry);

// The type library's key under TypeLib and the key of each of its interfaces under Interface.
void WriteTypeLibRegistration(tlx::RegistryTree& tree, const std::u16string& modulePath);
void RemoveTypeLibRegistration(tlx::RegistryTree& tree);
