#include "platform/registry/Registry.h"
#include "platform/text/AsciiCase.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <mutex>
#include <stdexcept>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/com/ErrorInfo.h"
#include "platform/registry/FileChangeWatch.h"
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
    if (auto found = keys_.find(normal); found != keys_.end()) return found->second;
    // A key's parents all exist, so the parents to make are those below the deepest one that does: a
    // file that lists every key after its parent makes none, whatever the depth.
    for (std::size_t pos = normal.rfind(u'\\'); pos != std::u16string::npos && pos > 0;
         pos = normal.rfind(u'\\', pos - 1)) {
        std::u16string parent = normal.substr(0, pos);
        if (!keys_.try_emplace(parent, RegistryKey{parent, std::nullopt, {}}).second) break;
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

namespace {

// What tells one content of the registry file from another without reading it.
struct FileStamp {
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};

    bool operator==(const FileStamp& other) const {
        return exists == other.exists && device == other.device && inode == other.inode && size == other.size &&
               modified.tv_sec == other.modified.tv_sec && modified.tv_nsec == other.modified.tv_nsec;
    }
    static FileStamp Of(const struct stat& info) {
        return FileStamp{true, info.st_dev, info.st_ino, info.st_size, info.st_mtim};
    }
};

// The parsed registry of the process, with the path and stamp of the file it was parsed from.
struct ParsedRegistry {
    std::mutex mutex;
    std::string path;
    FileStamp stamp;
    std::shared_ptr<const RegistryTree> tree;
    // Says when the file's folder changed, so that an unchanged registry is answered without a look at
    // the file (a class is looked up at every object created).
    FileChangeWatch watch;
};

ParsedRegistry& Parsed() {
    static ParsedRegistry parsed;
    return parsed;
}

// Parses the file at `path` into `parsed` (the caller holds its lock).
HRESULT ParseFile(ParsedRegistry& parsed, const std::string& path) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno != ENOENT) return Fail(REGDB_E_READREGDB, "Cannot read the registry file " + path);
        parsed.path = path;
        parsed.stamp = FileStamp{};
        parsed.tree = std::make_shared<const RegistryTree>();
        return S_OK;
    }
    struct stat info {};
    std::string text;
    bool read = ::fstat(fd, &info) == 0;
    if (read) {
        text.resize(static_cast<std::size_t>(info.st_size));
        std::size_t done = 0;
        while (read && done < text.size()) {
            ssize_t n = ::read(fd, text.data() + done, text.size() - done);
            if (n < 0 && errno == EINTR) continue;
            read = n > 0;
            if (read) done += static_cast<std::size_t>(n);
        }
    }
    ::close(fd);
    if (!read) return Fail(REGDB_E_READREGDB, "Cannot read the registry file " + path);
    try {
        parsed.tree = std::make_shared<const RegistryTree>(RegistryTree::Parse(text));
    } catch (const std::runtime_error& e) {
        parsed.tree.reset();
        return Fail(REGDB_E_READREGDB, "The registry file " + path + " is corrupt at " + e.what());
    }
    parsed.path = path;
    parsed.stamp = FileStamp::Of(info);
    return S_OK;
}

// Serialises updates of the registry file between processes for the life of the object.
class RegistryFileLock {
public:
    explicit RegistryFileLock(const std::string& path) {
        fd_ = ::open((path + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (fd_ >= 0)
            while (::flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
            }
    }
    ~RegistryFileLock() {
        if (fd_ >= 0) ::close(fd_);  // closing lets the lock go
    }
    RegistryFileLock(const RegistryFileLock&) = delete;
    RegistryFileLock& operator=(const RegistryFileLock&) = delete;

private:
    int fd_ = -1;
};

std::mutex& UpdateMutex() {
    static std::mutex mutex;
    return mutex;
}

}  // namespace

HRESULT ReadRegistry(std::shared_ptr<const RegistryTree>& out) {
    std::string path = RegistryFilePath();
    ParsedRegistry& parsed = Parsed();
    std::lock_guard lock(parsed.mutex);
    if (!parsed.watch.MayHaveChanged(path) && parsed.tree && parsed.path == path) {
        out = parsed.tree;
        return S_OK;
    }
    struct stat info {};
    FileStamp now = ::stat(path.c_str(), &info) == 0 ? FileStamp::Of(info) : FileStamp{};
    if (!parsed.tree || parsed.path != path || !(parsed.stamp == now))
        if (HRESULT hr = ParseFile(parsed, path); FAILED(hr)) return hr;
    out = parsed.tree;
    return S_OK;
}

HRESULT ReadRegistry(RegistryTree& out) {
    std::shared_ptr<const RegistryTree> tree;
    if (HRESULT hr = ReadRegistry(tree); FAILED(hr)) return hr;
    out = *tree;
    return S_OK;
}

HRESULT UpdateRegistry(const std::function<void(RegistryTree&)>& change) {
    std::filesystem::path path = RegistryFilePath();
    std::error_code ec;
    if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path(), ec);
    std::lock_guard serial(UpdateMutex());
    RegistryFileLock fileLock(path.string());
    RegistryTree tree;
    if (HRESULT hr = ReadRegistry(tree); FAILED(hr)) return hr;
    try {
        change(tree);
    } catch (const std::runtime_error& e) {
        return Fail(REGDB_E_INVALIDVALUE, std::string("Invalid registry change: ") + e.what());
    }
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
    // The tree just written is the registry now: later reads take it without parsing the file again.
    ParsedRegistry& parsed = Parsed();
    std::lock_guard lock(parsed.mutex);
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0) {
        parsed.path = path.string();
        parsed.stamp = FileStamp::Of(info);
        parsed.tree = std::make_shared<const RegistryTree>(std::move(tree));
    }
    return S_OK;
}

}  // namespace tlx
