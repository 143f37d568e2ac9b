#include <cstdlib>
#include <filesystem>
#include <random>

#include "Commands.h"
#include "host/ServerRegistration.h"

namespace tlxhost {

int RunDemo(const std::string& modulePath) {
    std::random_device random;
    std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("tlxhost-demo-" + std::to_string(random() % 1000000));
    std::filesystem::create_directories(folder);
    if (const char* registry = std::getenv("TLX_REGISTRY"); !registry || !*registry)
        setenv("TLX_REGISTRY", (folder / "hkcr.reg").c_str(), 1);
    std::printf("Firma demonstracyjna w katalogu %s\n", folder.c_str());
    std::string database = (folder / "demo.db").string();
    if (int status = InitDatabase(database, true)) return status;
    if (HRESULT hr = tlx::host::RegisterServer(modulePath); FAILED(hr))
        return ReportFailure("rejestracja modułu " + modulePath, hr);
    std::printf("Zarejestrowano moduł %s w rejestrze %s\n", modulePath.c_str(), std::getenv("TLX_REGISTRY"));
    std::string script = (std::filesystem::path(TLX_SOURCE_DIR) / "tools" / "tlxhost" / "demo.js").string();
    std::printf("Uruchamiam %s\n", script.c_str());
    return RunScript(script, database);
}

}  // namespace tlxhost
