#include "IncludeRules.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string_view>

namespace tlx::layering {
namespace {

constexpr std::array<std::string_view, 5> kSubsystems{"deklaracje", "edeklaracje", "zus", "kedu", "pfron"};
constexpr std::array<std::string_view, 5> kLayeredFolders{"platform", "hostapi", "host", "mv_deklaracje",
                                                           "include"};

bool StartsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

// The module's own headers as the module's folders include them: through include/ (the framework
// templates and the type library) or by their path in mv_deklaracje/.
bool IsModuleHeader(std::string_view included) {
    return StartsWith(included, "mv_deklaracje") || StartsWith(included, "tlb/") ||
           included == "TlxBus.h" || included == "TlxBus2.h" || included == "IDokumentImpl.h" ||
           included == "DokumentKsiegowany.h";
}

// The module folder an include names ("deklaracje" for "mv_deklaracje/deklaracje/Deklaracja.h").
std::string_view ModuleFolderOf(std::string_view path) {
    constexpr std::string_view kModule = "mv_deklaracje/";
    if (!StartsWith(path, kModule)) return {};
    path.remove_prefix(kModule.size());
    std::size_t slash = path.find('/');
    return slash == std::string_view::npos ? std::string_view{} : path.substr(0, slash);
}

bool IsSubsystem(std::string_view folder) {
    for (std::string_view s : kSubsystems)
        if (folder == s) return true;
    return false;
}

}  // namespace

std::string BrokenRule(const std::string& file, const std::string& included) {
    if (StartsWith(file, "platform/")) {
        if (!StartsWith(included, "platform/") && included.find('/') != std::string::npos)
            return "platform/ includes nothing above it";
        if (IsModuleHeader(included)) return "platform/ includes nothing above it";
        return {};
    }
    if (StartsWith(file, "hostapi/")) {
        if (!StartsWith(included, "hostapi/") && !StartsWith(included, "platform/"))
            return "hostapi/ includes only hostapi/ and platform/";
        return {};
    }
    if (StartsWith(file, "host/")) {
        if (IsModuleHeader(included)) return "the host includes no module file";
        return {};
    }
    if (StartsWith(file, "include/") || StartsWith(file, "mv_deklaracje/")) {
        if (StartsWith(included, "host/")) return "the module reaches the host only through hostapi/";
        std::string_view own = StartsWith(file, "include/") ? std::string_view("include") : ModuleFolderOf(file);
        std::string_view target = ModuleFolderOf(included);
        if (target.empty() || target == own) return {};
        if (target == "library") return "only library/ includes library/";
        if (IsSubsystem(target)) {
            if (!IsSubsystem(own) && own != "library")
                return "include/, core/, forms/ and export/ include no subsystem folder";
            if (IsSubsystem(own)) return "a subsystem uses another subsystem only through include/tlb/";
        }
    }
    return {};
}

std::vector<Violation> CheckTree(const std::string& sourceDir) {
    namespace fs = std::filesystem;
    static const std::regex kInclude(R"re(^\s*#\s*include\s*"([^"]+)")re");
    std::vector<Violation> found;
    for (std::string_view folder : kLayeredFolders) {
        fs::path root = fs::path(sourceDir) / folder;
        if (!fs::exists(root)) continue;
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root)) {
            std::string ext = entry.path().extension().string();
            if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp")) continue;
            std::string file = fs::relative(entry.path(), sourceDir).generic_string();
            std::ifstream in(entry.path());
            int number = 0;
            for (std::string line; std::getline(in, line);) {
                ++number;
                std::smatch match;
                if (!std::regex_search(line, match, kInclude)) continue;
                if (std::string rule = BrokenRule(file, match[1]); !rule.empty())
                    found.push_back({file, number, match[1], rule});
            }
        }
    }
    return found;
}

}  // namespace tlx::layering
