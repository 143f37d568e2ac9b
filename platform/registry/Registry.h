// The class registry's store: a tree of keys under HKEY_CLASSES_ROOT, each with an optional default
// value and named text values, kept in a file named by the environment variable TLX_REGISTRY (default
// ~/.config/tlx/hkcr.reg). Key paths are written without the root and compare without regard to case:
// "CLSID\{...}\InprocServer32".
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/com/Types.h"

namespace tlx {

struct CaseInsensitiveLess {
    bool operator()(const std::u16string& a, const std::u16string& b) const;
};

struct RegistryKey {
    std::u16string path;  // as first written
    std::optional<std::u16string> defaultValue;
    std::map<std::u16string, std::u16string, CaseInsensitiveLess> values;
};

class RegistryTree {
public:
    // Parses the file format; throws std::runtime_error naming the line of the first fault.
    static RegistryTree Parse(std::string_view utf8);
    std::string Serialize() const;

    const RegistryKey* Find(const std::u16string& path) const;
    // The key, created with every missing parent.
    RegistryKey& Create(const std::u16string& path);
    // Removes the key and everything below it; nothing when it does not exist.
    void DeleteTree(const std::u16string& path);
    // Names of the direct subkeys.
    std::vector<std::u16string> Subkeys(const std::u16string& path) const;
    // A value: an empty name reads the default value.
    std::optional<std::u16string> Value(const std::u16string& path, const std::u16string& name = {}) const;

private:
    std::map<std::u16string, RegistryKey, CaseInsensitiveLess> keys_;
};

// The registry file's path.
std::string RegistryFilePath();

// The registry as last parsed, shared and read-only (a missing file is an empty registry). The parsed
// tree is kept for the process and parsed again only when the file changed since (another path, or
// another file, size or modification time at that path), or after UpdateRegistry, which puts the tree it
// wrote in its place. The file is looked at only when the kernel told of a change in its folder since the
// last read (or when the folder cannot be watched, or the path is a symbolic link): a file that another
// process replaced is seen at the next read. A file that cannot be read or parsed answers REGDB_E_READREGDB with an error
// object that names the file and the fault, and is read again at the next call.
HRESULT ReadRegistry(std::shared_ptr<const RegistryTree>& out);
// The same, as a copy the caller may change.
HRESULT ReadRegistry(RegistryTree& out);

// Reads the registry, applies `change`, and writes the result to a temporary file that then replaces the
// registry, so a failure leaves the file as it was. Updates are serialised, within the process and
// between processes (a lock file beside the registry), so that concurrent registrations lose nothing.
// A corrupt file is never overwritten: the read's failure is answered. A write failure answers
// REGDB_E_WRITEREGDB with an error object.
HRESULT UpdateRegistry(const std::function<void(RegistryTree&)>& change);

}  // namespace tlx
