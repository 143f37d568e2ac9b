#include "platform/file/DrivePath.h"

#include <cstdlib>

#include "platform/text/CodePage.h"

namespace tlx {
namespace {

constexpr std::string_view kDriveVariablePrefix = "TLX_DRIVE_";

bool IsLetter(char16_t c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'); }
bool IsSeparator(char16_t c) { return c == u'/' || c == u'\\'; }

}  // namespace

std::optional<std::string> DriveVariableOf(std::u16string_view path) {
    if (path.size() < 3 || !IsLetter(path[0]) || path[1] != u':' || !IsSeparator(path[2])) return std::nullopt;
    const char letter = static_cast<char>(path[0] >= u'a' ? path[0] - (u'a' - u'A') : path[0]);
    return std::string(kDriveVariablePrefix) + letter;
}

std::optional<std::string> NativePath(std::u16string_view path) {
    const std::optional<std::string> variable = DriveVariableOf(path);
    if (!variable) return Utf16ToUtf8(path);
    const char* folder = std::getenv(variable->c_str());
    if (!folder || !*folder) return std::nullopt;
    std::u16string rest(path.substr(3));
    for (char16_t& c : rest) {
        if (c == u'\\') c = u'/';
    }
    std::string mapped(folder);
    if (mapped.back() != '/') mapped += '/';
    return mapped + Utf16ToUtf8(rest);
}

}  // namespace tlx
