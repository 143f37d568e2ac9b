#include "platform/res/Resources.h"
#include "platform/text/AsciiCase.h"

namespace tlx {
namespace {
}  // namespace

std::optional<std::string_view> FindResourceBytes(HMODULE module, std::string_view type, std::string_view name) {
    if (!module) return std::nullopt;
    for (std::size_t i = 0; i < module->count; ++i) {
        const ResourceEntry& e = module->entries[i];
        if (EqualsIgnoringAsciiCase(std::string_view(e.type), type) && EqualsIgnoringAsciiCase(std::string_view(e.name), name))
            return std::string_view(reinterpret_cast<const char*>(e.data), e.size);
    }
    return std::nullopt;
}
}  // namespace tlx
