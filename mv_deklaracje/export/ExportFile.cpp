#include "mv_deklaracje/export/ExportFile.h"

#include <cerrno>
#include <cstdio>
#include <optional>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "mv_deklaracje/core/ComError.h"
#include "platform/file/DrivePath.h"
#include "platform/text/CodePage.h"

namespace {

constexpr std::string_view kLineEnd = "\r\n";
// A new export file may be read by everybody and written by its owner.
constexpr mode_t kExportFileMode = 0644;

// A drive path ("Z:/…") names a file under the folder its drive variable gives; without one it is refused.
std::string ToFileSystemPath(const CBstr& path) {
    std::optional<std::string> native = tlx::NativePath(path.View());
    if (!native) {
        RaiseComError(E_UNEXPECTED, u"Nie można zapisać pliku " + path.Str() + u": zmienna " +
                                        tlx::Utf8ToUtf16(*tlx::DriveVariableOf(path.View())) +
                                        u" nie wskazuje folderu dysku.");
    }
    return *native;
}

[[noreturn]] void RaiseCannotWrite(const std::string& path) {
    RaiseComError(E_UNEXPECTED, u"Nie można zapisać pliku " + tlx::Utf8ToUtf16(path) + u".");
}

}  // namespace

ExportFile::ExportFile(const CBstr& path) : path_(ToFileSystemPath(path)) {
    if (path_.empty()) RaiseCannotWrite(path_);
    temporary_ = path_ + ".tmpXXXXXX";
    fd_ = ::mkstemp(temporary_.data());
    if (fd_ < 0) RaiseCannotWrite(path_);
}

ExportFile::~ExportFile() { Discard(); }

void ExportFile::Write(int count, const void* bytes) {
    if (fd_ < 0 || count < 0 || (count > 0 && !bytes)) RaiseHResult(E_UNEXPECTED);
    const char* next = static_cast<const char*>(bytes);
    std::size_t left = static_cast<std::size_t>(count);
    while (left > 0) {
        const ssize_t written = ::write(fd_, next, left);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) RaiseHResult(E_UNEXPECTED);
        next += written;
        left -= static_cast<std::size_t>(written);
    }
}

void ExportFile::WriteLine(std::string_view text) {
    Write(static_cast<int>(text.size()), text.data());
    Write(static_cast<int>(kLineEnd.size()), kLineEnd.data());
}

void ExportFile::WriteLine(const CBstr& text) { WriteLine(std::string_view(tlx::Utf16ToUtf8(text.View()))); }

void ExportFile::Commit() {
    if (fd_ < 0) RaiseHResult(E_UNEXPECTED);
    const bool stored = ::fchmod(fd_, kExportFileMode) == 0 && ::fsync(fd_) == 0;
    const bool closed = ::close(fd_) == 0;
    fd_ = -1;
    if (!stored || !closed || std::rename(temporary_.c_str(), path_.c_str()) != 0) {
        Discard();
        RaiseCannotWrite(path_);
    }
    temporary_.clear();
}

void ExportFile::Discard() noexcept {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!temporary_.empty()) ::unlink(temporary_.c_str());
    temporary_.clear();
}

bool FileExists(const CBstr& path) {
    struct stat status {};
    const std::optional<std::string> name = tlx::NativePath(path.View());
    return name && !name->empty() && ::lstat(name->c_str(), &status) == 0;
}

void DeleteExistingFile(const CBstr& path) {
    if (!FileExists(path)) return;
    const std::string name = ToFileSystemPath(path);
    struct stat status {};
    if (::stat(name.c_str(), &status) == 0 && S_ISREG(status.st_mode) && (status.st_mode & S_IWUSR) == 0)
        ::chmod(name.c_str(), (status.st_mode & 07777) | S_IWUSR);
    ::unlink(name.c_str());
}
