#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "Commands.h"
#include "host/GeneratedCompany.h"
#include "host/HostTables.h"
#include "platform/ado/AdoError.h"
#include "platform/ado/SqliteDatabase.h"
#include "platform/text/CodePage.h"

namespace tlxhost {
namespace {

std::string ReadScript(const std::string& name) {
    std::filesystem::path path = std::filesystem::path(TLX_SOURCE_DIR) / "db" / name;
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("brak skryptu " + path.string());
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

std::string QuoteSqlText(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        quoted += c;
        if (c == '\'') quoted += '\'';
    }
    return quoted + "'";
}

std::string ConfigDatabasePath(const std::string& companyDatabase) {
    std::filesystem::path path(companyDatabase);
    return (path.parent_path() / (path.stem().string() + ".konfiguracja.db")).string();
}

int InitDatabase(const std::string& path, const CompanyContent& content) {
    std::string generated;
    if (content.employees) {
        try {
            generated = tlx::host::GeneratedCompanySql(*content.employees,
                                                       content.year.value_or(tlx::host::kDemoPayrollYear));
        } catch (const std::invalid_argument& error) {
            std::fprintf(stderr, "tlxhost: %s; baza nie została utworzona\n", error.what());
            return 2;
        }
    }
    bool demo = content.demo || content.employees.has_value();
    std::string config = ConfigDatabasePath(path);
    for (const std::string& file : {path, config}) {
        if (std::filesystem::exists(file)) {
            std::fprintf(stderr, "tlxhost: plik %s już istnieje; baza nie została utworzona\n", file.c_str());
            return 1;
        }
    }
    try {
        std::vector<std::string> company =
            tlx::host::CompanyDatabaseScripts(std::filesystem::path(TLX_SOURCE_DIR) / "db" / "company");
        if (demo) {
            company.push_back(ReadScript("demo.sql"));
            company.push_back(tlx::host::HostDemoSql());
            if (!generated.empty()) company.push_back(generated);
        }
        tlx::ado::CreateDatabaseFile(path, company);
        std::string name = std::filesystem::path(path).stem().string();
        tlx::ado::CreateDatabaseFile(config, {ReadScript("config.sql"),
                                              "INSERT INTO Bazy (Baz_Nazwa, Baz_Plik) VALUES (" + QuoteSqlText(name) +
                                                  ", " + QuoteSqlText(path) + ");"});
    } catch (const tlx::ado::AdoError& error) {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
        std::filesystem::remove(config, ignored);
        std::fprintf(stderr, "tlxhost: tworzenie bazy %s nie powiodło się: %s\n", path.c_str(),
                     tlx::Utf16ToUtf8(error.Description()).c_str());
        return 1;
    } catch (const std::exception& error) {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
        std::filesystem::remove(config, ignored);
        std::fprintf(stderr, "tlxhost: tworzenie bazy %s nie powiodło się: %s\n", path.c_str(), error.what());
        return 1;
    }
    std::string kind = content.employees ? " (" + std::to_string(*content.employees) + " pracowników)"
                       : demo            ? " (firma demonstracyjna)"
                                         : "";
    std::printf("Utworzono bazę firmy %s%s i bazę konfiguracji %s\n", path.c_str(), kind.c_str(), config.c_str());
    return 0;
}

}  // namespace tlxhost
