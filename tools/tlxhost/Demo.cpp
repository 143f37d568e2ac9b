#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <vector>

#include "Commands.h"
#include "host/ServerRegistration.h"
#include "host/objects/files/ClientFolder.h"
#include "platform/ado/SqliteDatabase.h"

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

// The files the demo script exported into `folder`, by name, with their sizes.
void ListFiles(const std::filesystem::path& folder) {
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error)) return;
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    std::printf("Pliki w folderze %s:\n", folder.c_str());
    for (const auto& file : files) {
        std::printf("  %s (%ju B)\n", file.filename().c_str(),
                    static_cast<std::uintmax_t>(std::filesystem::file_size(file, error)));
    }
}

}  // namespace

int RunDemo(const std::string& modulePath) {
    DemoFolder demo;
    const std::filesystem::path& folder = demo.Path();
    if (const char* registry = std::getenv("TLX_REGISTRY"); !registry || !*registry)
        setenv("TLX_REGISTRY", (folder / "hkcr.reg").c_str(), 1);
    std::printf("Firma demonstracyjna w katalogu %s\n", folder.c_str());
    std::string database = (folder / "demo.db").string();
    if (int status = InitDatabase(database, DemoCompany())) return status;
    // The e-declarations the demo exports go to a folder of the demo's.
    const std::filesystem::path edeclarations = folder / "edeklaracje";
    std::filesystem::create_directories(edeclarations);
    tlx::ado::SqliteDatabase(database).Run("UPDATE TLX.Konfiguracja SET Kfg_Wartosc = " +
                                           QuoteSqlText(edeclarations.string()) +
                                           " WHERE Kfg_Klucz = 'eDeklaracjeKatalogWymiany'");
    if (HRESULT hr = tlx::host::RegisterServer(modulePath); FAILED(hr))
        return ReportFailure("rejestracja modułu " + modulePath, hr);
    std::printf("Zarejestrowano moduł %s w rejestrze %s\n", modulePath.c_str(), std::getenv("TLX_REGISTRY"));
    // The user's machine of the exports to it is a folder of the demo's, unless one is named already.
    if (const char* client = std::getenv("TLX_CLIENT_ROOT"); !client || !*client)
        setenv("TLX_CLIENT_ROOT", (folder / "klient").c_str(), 1);
    std::string script = (std::filesystem::path(TLX_SOURCE_DIR) / "tools" / "tlxhost" / "demo.js").string();
    std::printf("Uruchamiam %s\n", script.c_str());
    const int status = RunScript(script, database);
    ListFiles(tlx::host::ClientRoot() / "C" / "Eksport" / "PFRON");
    ListFiles(tlx::host::ClientRoot() / "C" / "Eksport" / "PFRON-WND");
    ListFiles(tlx::host::ClientRoot() / "C" / "Eksport" / "PFRON-WNU");
    ListFiles(edeclarations);
    return status;
}

}  // namespace tlxhost
