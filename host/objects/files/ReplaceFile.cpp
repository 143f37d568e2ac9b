#include "host/objects/files/ReplaceFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "host/HostError.h"
#include "platform/text/CodePage.h"

namespace tlx::host {

void FailFile(int error, const std::filesystem::path& path, REFIID iid) {
    HRESULT hr = error == ENOENT || error == ENOTDIR ? HRESULT_FROM_WIN32(3)  // the path does not exist
                 : error == EACCES || error == EROFS || error == EPERM ? E_ACCESSDENIED
                 : error == ENOSPC ? HRESULT_FROM_WIN32(112)                  // the disk is full
                                   : E_FAIL;
    Fail(hr, iid, u"Nie można zapisać pliku " + Utf8ToUtf16(path.string()) + u": " + Utf8ToUtf16(std::strerror(error)) +
                      u".");
}

void ReplaceFile(const std::filesystem::path& target, std::string_view bytes, REFIID iid) {
    std::string temporary = target.string() + ".tmpXXXXXX";
    int fd = ::mkstemp(temporary.data());
    if (fd < 0) FailFile(errno, target, iid);
    auto fail = [&](int error) {
        ::close(fd);
        ::unlink(temporary.c_str());
        FailFile(error, target, iid);
    };
    for (std::size_t written = 0; written < bytes.size();) {
        ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) fail(errno);
        written += static_cast<std::size_t>(n);
    }
    if (::fchmod(fd, 0644) != 0 || ::fsync(fd) != 0) fail(errno);
    if (::close(fd) != 0) {
        int error = errno;
        ::unlink(temporary.c_str());
        FailFile(error, target, iid);
    }
    if (std::rename(temporary.c_str(), target.c_str()) != 0) {
        int error = errno;
        ::unlink(temporary.c_str());
        FailFile(error, target, iid);
    }
}

}  // namespace tlx::host
