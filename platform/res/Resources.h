// Resources embedded into the library that owns them: text of a type (XML, JS, XSL, XSD, ...) and a
// name, found case-insensitively. A library's handle comes from the function its build generates.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

struct ResourceEntry {
    const char* type;
    const char* name;
    const unsigned char* data;
    std::size_t size;
};

struct ResourceTable {
    const ResourceEntry* entries;
    std::size_t count;
};

using HMODULE = const ResourceTable*;
using HINSTANCE = HMODULE;

namespace tlx {
// The bytes of a resource, or nothing when the library has no such resource. Type and name compare
// without regard to ASCII case.
std::optional<std::string_view> FindResourceBytes(HMODULE module, std::string_view type, std::string_view name);
}  // namespace tlx
