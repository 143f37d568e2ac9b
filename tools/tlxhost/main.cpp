// tlxhost: the command-line host. Creates company databases, registers the declarations module and runs
// scripts against it the way the host application's scripts do.
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "Commands.h"
#include "host/ServerRegistration.h"
#include "platform/com/ErrorInfo.h"
#include "platform/registry/Registry.h"
#include "platform/text/CodePage.h"

namespace {

std::string ModulePath() {
    if (const char* path = std::getenv("TLX_MODULE"); path && *path) return path;
    return TLX_DEFAULT_MODULE;
}

int Report(HRESULT hr, const char* what) {
    if (SUCCEEDED(hr)) return 0;
    return tlxhost::ReportFailure(what, hr);
}

// Lists the classes the registry knows with their ProgIDs and servers.
int ListClasses() {
    tlx::RegistryTree tree;
    if (int rc = Report(tlx::ReadRegistry(tree), "odczyt rejestru")) return rc;
    int count = 0;
    for (const std::u16string& clsid : tree.Subkeys(u"CLSID")) {
        std::u16string key = u"CLSID\\" + clsid;
        std::printf("%s %s %s\n", tlx::Utf16ToUtf8(clsid).c_str(),
                    tlx::Utf16ToUtf8(tree.Value(key + u"\\ProgID").value_or(u"-")).c_str(),
                    tlx::Utf16ToUtf8(tree.Value(key + u"\\InprocServer32").value_or(u"-")).c_str());
        ++count;
    }
    std::printf("%d registered classes in %s\n", count, tlx::RegistryFilePath().c_str());
    return 0;
}

std::optional<int> WholeNumber(std::string_view text) {
    int value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

int Usage() {
    std::fprintf(stderr,
                 "usage: tlxhost init-db PATH [--demo | --employees N [--year Y]]\n"
                 "       tlxhost register [LIBRARY] | unregister [LIBRARY] | classes\n"
                 "       tlxhost run FILE.js [--db PATH] [--remote] [--trace]\n"
                 "       tlxhost demo\n"
                 "  the registry file is $TLX_REGISTRY; the module library is $TLX_MODULE or the built one;\n"
                 "  --employees N makes a company of N employees (1 to 100 000) cycling the demo company's,\n"
                 "  with its year of payroll in Y (2000 to 2100; 2024 when not given);\n"
                 "  run takes the company database from --db or $TLX_DATABASE; --remote (or\n"
                 "  $TLX_REMOTE_SESSION=1) signs the operator in as working on a remote desktop (files for the\n"
                 "  user's machine land in $TLX_CLIENT_ROOT); --trace (or $TLX_TRACE=1) writes the scripts'\n"
                 "  traces to the standard error\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    std::string_view command = argv[1];
    std::string library = argc > 2 ? argv[2] : ModulePath();
    if (command == "register") return Report(tlx::host::RegisterServer(library), "rejestracja modułu");
    if (command == "unregister") return Report(tlx::host::UnregisterServer(library), "wyrejestrowanie modułu");
    if (command == "classes") return ListClasses();
    if (command == "init-db") {
        if (argc < 3) return Usage();
        tlxhost::CompanyContent content;
        for (int i = 3; i < argc; ++i) {
            std::string_view option = argv[i];
            if (option == "--demo") {
                content.demo = true;
            } else if ((option == "--employees" || option == "--year") && i + 1 < argc) {
                std::optional<int> number = WholeNumber(argv[++i]);
                if (!number) return Usage();
                (option == "--year" ? content.year : content.employees) = *number;
            } else {
                return Usage();
            }
        }
        if (content.year && !content.employees) return Usage();
        return tlxhost::InitDatabase(argv[2], content);
    }
    if (command == "run") {
        if (argc < 3) return Usage();
        std::string database;
        if (const char* fromEnvironment = std::getenv("TLX_DATABASE")) database = fromEnvironment;
        const char* remoteSession = std::getenv("TLX_REMOTE_SESSION");
        bool remote = remoteSession && std::string_view(remoteSession) == "1";
        for (int i = 3; i < argc; ++i) {
            std::string_view option = argv[i];
            if (option == "--remote") {
                remote = true;
            } else if (option == "--trace") {
                setenv("TLX_TRACE", "1", 1);
            } else if (option == "--db" && i + 1 < argc) {
                database = argv[++i];
            } else {
                return Usage();
            }
        }
        return tlxhost::RunScript(argv[2], database, remote);
    }
    if (command == "demo") return tlxhost::RunDemo(ModulePath());
    return Usage();
}
