#include "platform/res/Resources.h"

namespace tlx {
namespace {
bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i])) return false;
    return true;
}
}  // namespace

std::optional<std::string_view> FindResourceBytes(HMODULE module, std::string_view type, std::string_view name) {
    if (!module) return std::nullopt;
    for (std::size_t i = 0; i < module->count; ++i) {
        const ResourceEntry& e = module->entries[i];
        if (EqualIgnoringCase(e.type, type) && EqualIgnoringCase(e.name, name))
            return std::string_view(reinterpret_cast<const char*>(e.data), e.size);
    }
    return std::nullopt;
}
}  // namespace tlx
