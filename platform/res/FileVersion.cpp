#include "platform/res/FileVersion.h"

#include <map>
#include <mutex>
#include <string>

#include "platform/text/AsciiCase.h"

namespace tlx {
namespace {

struct Versions {
    std::mutex lock;
    std::map<std::u16string, FileVersion> byName;
};

Versions& RegisteredVersions() {
    static Versions versions;
    return versions;
}

}  // namespace

void RegisterFileVersion(std::u16string_view fileName, const FileVersion& version) {
    Versions& versions = RegisteredVersions();
    std::lock_guard guard(versions.lock);
    versions.byName[AsciiLowerCopy(fileName)] = version;
}

std::optional<FileVersion> FindFileVersion(std::u16string_view fileName) {
    Versions& versions = RegisteredVersions();
    std::lock_guard guard(versions.lock);
    const auto found = versions.byName.find(AsciiLowerCopy(fileName));
    if (found == versions.byName.end()) return std::nullopt;
    return found->second;
}

}  // namespace tlx
