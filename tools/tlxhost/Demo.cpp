#include <cstdlib>
#include <filesystem>
#include <random>

#include "Commands.h"
#include "host/ServerRegistration.h"

namespace tlxhost {
namespace {

// The demo's folder, removed with everything in it when the demo ends, however it ends.
class DemoFolder {
public:
    DemoFolder() {
        std::random_device random;
        path_ = std::filesystem::temp_directory_path() / ("tlxhost-demo-" + std::to_string(random() % 1000000));
        std::filesystem::create_directories(path_);
    }
    ~DemoFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    DemoFolder(const DemoFolder&) = delete;
    DemoFolder& operator=(const DemoFolder&) = delete;
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

}  // namespace

int RunDemo(const std::string& modulePath) {
    DemoFolder demo;
    const std::filesystem::path& folder = demo.Path();
    if (const char* registry = std::getenv("TLX_REGISTRY"); !registry || !*registry)
        setenv("TLX_REGISTRY", (folder / "hkcr.reg").c_str(), 1);
    std::printf("Firma demonstracyjna w katalogu %s\n", folder.c_str());
    std::string database = (folder / "demo.db").string();
    if (int status = InitDatabase(database, DemoCompany())) return status;
    if (HRESULT hr = tlx::host::RegisterServer(modulePath); FAILED(hr))
        return ReportFailure("rejestracja modułu " + modulePath, hr);
    std::printf("Zarejestrowano moduł %s w rejestrze %s\n", modulePath.c_str(), std::getenv("TLX_REGISTRY"));
    std::string script = (std::filesystem::path(TLX_SOURCE_DIR) / "tools" / "tlxhost" / "demo.js").string();
    std::printf("Uruchamiam %s\n", script.c_str());
    return RunScript(script, database);
}

}  // namespace tlxhost
