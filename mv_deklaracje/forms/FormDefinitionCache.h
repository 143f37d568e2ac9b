// The form definitions of the process: each form type and version of each resource library read once
// and handed to every declaration that asks for it, read again when a resource it was read from changed.
// A definition that fails to read is not kept, so the next asker reads it again and fails the same way.
#pragma once

#include <memory>

#include "mv_deklaracje/forms/FormDefinition.h"

class FormDefinitionCache {
public:
    // The definition of form `typDeklar`, version `wersja` (below 1 counting as 1) in `resources`.
    // Safe to call from any thread; raises what CFormDefinition::Read raises.
    static std::shared_ptr<const CFormDefinition> Get(HMODULE resources, LONG typDeklar, LONG wersja);
};
