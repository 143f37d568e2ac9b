// Every test program runs in a temporary folder of its own: ctest runs many at once, and files staged
// in the temporary folder under a fixed name (an export's copy for a remote operator, a package) would
// otherwise be seen, or removed, by another test running at the same time. Linked into each test
// program; the folder goes with the program's end.
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include <unistd.h>

namespace {

class OwnTemporaryFolder {
public:
    OwnTemporaryFolder() {
        std::error_code failed;
        std::filesystem::path shared = std::filesystem::temp_directory_path(failed);
        if (failed) return;
        std::string pattern = (shared / ("tlx-test-" + std::to_string(::getpid()) + "-XXXXXX")).string();
        if (!::mkdtemp(pattern.data())) return;
        folder_ = pattern;
        ::setenv("TMPDIR", folder_.c_str(), 1);
    }
    ~OwnTemporaryFolder() {
        if (folder_.empty()) return;
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    OwnTemporaryFolder(const OwnTemporaryFolder&) = delete;
    OwnTemporaryFolder& operator=(const OwnTemporaryFolder&) = delete;

private:
    std::filesystem::path folder_;
};

const OwnTemporaryFolder kOwnTemporaryFolder;

}  // namespace
