// The text resources one form definition was read from, with the bytes each held (or its absence), so
// that a definition kept for the process can tell whether its resources still hold what it was read
// from: a library of resources made afresh at the same address, or one whose resource changed, does not
// get a definition read from other text.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "mv_deklaracje/core/Bstr.h"
#include "platform/res/Resources.h"

class ResourceSnapshot {
public:
    explicit ResourceSnapshot(HMODULE module) : module_(module) {}

    // The text of a resource as LoadTextResource reads it, its bytes kept (a missing one kept as missing).
    CBstr Read(std::string_view name, const char* type);
    // Every resource read still holds the same bytes, and every missing one is still missing.
    bool Unchanged() const;
    HMODULE Module() const { return module_; }

private:
    struct Entry {
        std::string type;
        std::string name;
        std::optional<std::string> bytes;
    };

    HMODULE module_;
    std::vector<Entry> entries_;
};
