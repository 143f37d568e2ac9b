// Fuzzes the registry file reader. A file it reads must come back the same from what it writes: a
// registry the process writes and cannot read again would be lost at the next registration.
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/registry/Registry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    tlx::RegistryTree tree;
    try {
        tree = tlx::RegistryTree::Parse(text);
    } catch (const std::runtime_error&) {
        return 0;  // a file that is not one: refused with the line of its fault
    }
    std::string written = tree.Serialize();
    std::string again;
    try {
        again = tlx::RegistryTree::Parse(written).Serialize();
    } catch (const std::runtime_error&) {
        __builtin_trap();  // the reader refuses what the writer wrote
    }
    if (again != written) __builtin_trap();
    return 0;
}
