// Tells cheaply whether a file may have changed since the last look, from the kernel's notifications on
// its folder (inotify), so that a reader of a small file that other processes replace need not look at
// the file itself every time.
//
// States: no watch (fd_ < 0: every question answers "may have changed"), and watching path_'s folder.
// MayHaveChanged starts the watch for a new path, and drops it when the kernel says the watch ended
// (the folder removed or moved, the queue overflowed) or after a fork (a child never reads its parent's
// notifications, which would hide them from the parent).
#pragma once

#include <string>

namespace tlx {

class FileChangeWatch {
public:
    FileChangeWatch() = default;
    ~FileChangeWatch();
    FileChangeWatch(const FileChangeWatch&) = delete;
    FileChangeWatch& operator=(const FileChangeWatch&) = delete;

    // Whether the file at `path` may have changed since the previous call for the same path: true at the
    // first call for a path, after any notification about the folder's entries, while the path is a
    // symbolic link (its target may be anywhere), and whenever the folder cannot be watched. A caller
    // that is answered true looks at the file itself; false means that nothing in the folder changed.
    bool MayHaveChanged(const std::string& path);

private:
    void Start(const std::string& path);
    void Stop();
    // Reads every queued notification; whether there was any.
    bool Drain();
    void NoteLink();

    int fd_ = -1;
    std::string path_;
    bool link_ = false;
    unsigned forkGeneration_ = 0;
};

}  // namespace tlx
