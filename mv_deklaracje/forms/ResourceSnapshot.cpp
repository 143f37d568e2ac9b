#include "mv_deklaracje/forms/ResourceSnapshot.h"

#include "mv_deklaracje/core/TextResources.h"

CBstr ResourceSnapshot::Read(std::string_view name, const char* type) {
    Entry entry{type, std::string(name), std::nullopt};
    if (module_)
        if (auto bytes = tlx::FindResourceBytes(module_, entry.type, entry.name)) entry.bytes.emplace(*bytes);
    CBstr text = LoadTextResource(entry.name.c_str(), type, module_);
    entries_.push_back(std::move(entry));
    return text;
}

bool ResourceSnapshot::Unchanged() const {
    for (const Entry& entry : entries_) {
        std::optional<std::string_view> now =
            module_ ? tlx::FindResourceBytes(module_, entry.type, entry.name) : std::nullopt;
        if (now.has_value() != entry.bytes.has_value()) return false;
        if (now && *now != *entry.bytes) return false;
    }
    return true;
}
