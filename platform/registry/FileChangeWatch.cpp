#include "platform/registry/FileChangeWatch.h"

#include <atomic>
#include <cerrno>
#include <filesystem>
#include <mutex>

#include <pthread.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tlx {
namespace {

// Counts the forks this process was made by, so that a watch inherited from the parent is let go.
std::atomic<unsigned> g_forkGeneration{0};

unsigned ForkGeneration() {
    static std::once_flag registered;
    std::call_once(registered, [] {
        ::pthread_atfork(nullptr, nullptr, [] { g_forkGeneration.fetch_add(1, std::memory_order_relaxed); });
    });
    return g_forkGeneration.load(std::memory_order_relaxed);
}

// Every change of an entry of the folder, and the end of the folder itself.
constexpr uint32_t kFolderEvents = IN_CREATE | IN_DELETE | IN_MODIFY | IN_ATTRIB | IN_CLOSE_WRITE | IN_MOVED_FROM |
                                   IN_MOVED_TO | IN_DELETE_SELF | IN_MOVE_SELF | IN_DONT_FOLLOW | IN_ONLYDIR;
// Notifications after which the watch no longer reports the folder's changes.
constexpr uint32_t kWatchEnded = IN_IGNORED | IN_Q_OVERFLOW | IN_DELETE_SELF | IN_MOVE_SELF | IN_UNMOUNT;

}  // namespace

FileChangeWatch::~FileChangeWatch() { Stop(); }

void FileChangeWatch::Stop() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    path_.clear();
}

void FileChangeWatch::NoteLink() {
    struct stat info {};
    link_ = ::lstat(path_.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
}

void FileChangeWatch::Start(const std::string& path) {
    Stop();
    std::filesystem::path folder = std::filesystem::path(path).parent_path();
    if (folder.empty()) folder = ".";
    fd_ = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (fd_ < 0) return;
    if (::inotify_add_watch(fd_, folder.c_str(), kFolderEvents) < 0) {
        Stop();
        return;
    }
    path_ = path;
    forkGeneration_ = ForkGeneration();
    NoteLink();
}

bool FileChangeWatch::Drain() {
    alignas(inotify_event) char buffer[4096];
    bool any = false;
    for (;;) {
        ssize_t n = ::read(fd_, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        any = true;
        for (ssize_t at = 0; at < n;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            if (event->mask & kWatchEnded) {
                Stop();
                return true;
            }
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
    return any;
}

bool FileChangeWatch::MayHaveChanged(const std::string& path) {
    if (fd_ >= 0 && forkGeneration_ != ForkGeneration()) {
        ::close(fd_);  // the parent's: its notifications stay the parent's
        fd_ = -1;
        path_.clear();
    }
    if (fd_ < 0 || path != path_) {
        Start(path);
        return true;
    }
    if (Drain()) {
        if (fd_ >= 0) NoteLink();
        return true;
    }
    return link_;
}

}  // namespace tlx
