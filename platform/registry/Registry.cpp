#include "platform/registry/Registry.h"
#include "platform/text/AsciiCase.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <unistd.h>

#include "platform/com/ErrorInfo.h"
#include "platform/text/CodePage.h"

// File format, UTF-8, one item a line:
//   [CLSID\{E7360D54-21C6-423D-B96C-24BD5CA2CA30}]      a key
//   @="Deklaracja Class"                               its default value
//   "ThreadingModel"="Free"                            a named value
// Quoted text escapes backslash, quote, CR and LF with a backslash. Blank lines and lines starting with
// ';' are ignored.

namespace tlx {
namespace {

std::u16string Normalise(const std::u16string& path) {
    std::u16string out;
    for (char16_t c : path) {
        if (c == u'\\' && (out.empty() || out.back() == u'\\')) continue;
        out += c;
    }
    while (!out.empty() && out.back() == u'\\') out.pop_back();
    return out;
}

std::string Quote(const std::u16string& text) {
    std::string out = "\"";
    for (char c : Utf16ToUtf8(text)) {
        switch (c) {
            case '\\': out += "\\\\"; break;
            case '"': out += "\\\""; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            default: out += c;
        }
    }
    return out + "\"";
}

// Reads a quoted text starting at `pos`; answers the position after the closing quote.
std::size_t Unquote(const std::string& line, std::size_t pos, std::u16string& out) {
    if (pos >= line.size() || line[pos] != '"') throw std::runtime_error("a quoted text was expected");
    std::string text;
    for (++pos; pos < line.size(); ++pos) {
        char c = line[pos];
        if (c == '"') {
            out = Utf8ToUtf16(text);
            return pos + 1;
        }
        if (c == '\\') {
            if (++pos >= line.size()) break;
            switch (line[pos]) {
                case '\\': text += '\\'; break;
                case '"': text += '"'; break;
                case 'n': text += '\n'; break;
                case 'r': text += '\r'; break;
                default: throw std::runtime_error("an unknown escape in a quoted text");
            }
        } else {
            text += c;
        }
    }
    throw std::runtime_error("a quoted text is not closed");
}

bool IsBelow(const std::u16string& path, const std::u16string& parent) {
    if (path.size() <= parent.size() || path[parent.size()] != u'\\') return false;
    for (std::size_t i = 0; i < parent.size(); ++i)
        if (AsciiLower(path[i]) != AsciiLower(parent[i])) return false;
    return true;
}

HRESULT Fail(HRESULT hr, const std::string& message) { return SetErrorText(hr, Utf8ToUtf16(message)); }

}  // namespace

bool CaseInsensitiveLess::operator()(const std::u16string& a, const std::u16string& b) const {
    std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        char16_t x = AsciiLower(a[i]), y = AsciiLower(b[i]);
        if (x != y) return x < y;
    }
    return a.size() < b.size();
}

RegistryTree RegistryTree::Parse(std::string_view utf8) {
    RegistryTree tree;
    std::istringstream in{std::string(utf8)};
    std::string line;
    RegistryKey* current = nullptr;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        try {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (line.empty() || line[0] == ';') continue;
            if (line[0] == '[') {
                if (line.back() != ']' || line.size() < 3) throw std::runtime_error("a key line must end with ']'");
                current = &tree.Create(Utf8ToUtf16(line.substr(1, line.size() - 2)));
                continue;
            }
            if (!current) throw std::runtime_error("a value comes before any key");
            std::u16string name;
            std::size_t pos;
            bool isDefault = line[0] == '@';
            if (isDefault)
                pos = 1;
            else
                pos = Unquote(line, 0, name);
            if (pos >= line.size() || line[pos] != '=') throw std::runtime_error("'=' was expected");
            std::u16string value;
            if (Unquote(line, pos + 1, value) != line.size()) throw std::runtime_error("text follows the value");
            if (isDefault)
                current->defaultValue = value;
            else
                current->values[name] = value;
        } catch (const std::runtime_error& e) {
            throw std::runtime_error("line " + std::to_string(number) + ": " + e.what());
        }
    }
    return tree;
}

std::string RegistryTree::Serialize() const {
    std::string out = "; HKEY_CLASSES_ROOT\n";
    for (const auto& [key, k] : keys_) {
        out += "\n[" + Utf16ToUtf8(k.path) + "]\n";
        if (k.defaultValue) out += "@=" + Quote(*k.defaultValue) + "\n";
        for (const auto& [name, value] : k.values) out += Quote(name) + "=" + Quote(value) + "\n";
    }
    return out;
}

const RegistryKey* RegistryTree::Find(const std::u16string& path) const {
    auto it = keys_.find(Normalise(path));
    return it == keys_.end() ? nullptr : &it->second;
}

RegistryKey& RegistryTree::Create(const std::u16string& path) {
    std::u16string normal = Normalise(path);
    if (normal.empty()) throw std::runtime_error("a key needs a name");
    for (std::size_t pos = normal.find(u'\\'); pos != std::u16string::npos; pos = normal.find(u'\\', pos + 1)) {
        std::u16string parent = normal.substr(0, pos);
        keys_.try_emplace(parent, RegistryKey{parent, std::nullopt, {}});
    }
    return keys_.try_emplace(normal, RegistryKey{normal, std::nullopt, {}}).first->second;
}

void RegistryTree::DeleteTree(const std::u16string& path) {
    std::u16string normal = Normalise(path);
    for (auto it = keys_.begin(); it != keys_.end();) {
        bool same = !CaseInsensitiveLess{}(it->first, normal) && !CaseInsensitiveLess{}(normal, it->first);
        it = same || IsBelow(it->first, normal) ? keys_.erase(it) : std::next(it);
    }
}

std::vector<std::u16string> RegistryTree::Subkeys(const std::u16string& path) const {
    std::u16string normal = Normalise(path);
    std::vector<std::u16string> out;
    for (const auto& [key, k] : keys_) {
        if (IsBelow(key, normal) && key.find(u'\\', normal.size() + 1) == std::u16string::npos)
            out.push_back(k.path.substr(normal.size() + 1));
    }
    return out;
}

std::optional<std::u16string> RegistryTree::Value(const std::u16string& path, const std::u16string& name) const {
    const RegistryKey* key = Find(path);
    if (!key) return std::nullopt;
    if (name.empty()) return key->defaultValue;
    auto it = key->values.find(name);
    if (it == key->values.end()) return std::nullopt;
    return it->second;
}

std::string RegistryFilePath() {
    if (const char* path = std::getenv("TLX_REGISTRY"); path && *path) return path;
    std::filesystem::path base;
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config)
        base = config;
    else if (const char* home = std::getenv("HOME"); home && *home)
        base = std::filesystem::path(home) / ".config";
    else
        base = ".";
    return (base / "tlx" / "hkcr.reg").string();
}

HRESULT ReadRegistry(RegistryTree& out) {
    std::string path = RegistryFilePath();
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
        out = RegistryTree();
        return S_OK;
    }
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    if (!file && !file.eof()) return Fail(REGDB_E_READREGDB, "Cannot read the registry file " + path);
    try {
        out = RegistryTree::Parse(text.str());
    } catch (const std::runtime_error& e) {
        return Fail(REGDB_E_READREGDB, "The registry file " + path + " is corrupt at " + e.what());
    }
    return S_OK;
}

HRESULT UpdateRegistry(const std::function<void(RegistryTree&)>& change) {
    RegistryTree tree;
    if (HRESULT hr = ReadRegistry(tree); FAILED(hr)) return hr;
    try {
        change(tree);
    } catch (const std::runtime_error& e) {
        return Fail(REGDB_E_INVALIDVALUE, std::string("Invalid registry change: ") + e.what());
    }
    std::filesystem::path path = RegistryFilePath();
    std::error_code ec;
    if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path(), ec);
    std::filesystem::path temp = path;
    temp += ".tmp" + std::to_string(::getpid());
    {
        std::ofstream file(temp, std::ios::binary | std::ios::trunc);
        file << tree.Serialize();
        file.flush();
        if (!file) {
            file.close();
            std::filesystem::remove(temp, ec);
            return Fail(REGDB_E_WRITEREGDB, "Cannot write the registry file " + temp.string());
        }
    }
    std::filesystem::rename(temp, path, ec);
    if (ec) {
        std::filesystem::remove(temp, ec);
        return Fail(REGDB_E_WRITEREGDB, "Cannot replace the registry file " + path.string());
    }
    return S_OK;
}

}  // namespace tlx
