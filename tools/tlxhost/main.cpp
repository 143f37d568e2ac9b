// tlxhost: the command-line host. Registers the declarations module and runs it the way the host
// application does.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

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
    std::string why = tlx::Utf16ToUtf8(tlx::TakeErrorDescription());
    std::fprintf(stderr, "tlxhost: %s failed (0x%08X)%s%s\n", what, static_cast<unsigned>(hr),
                 why.empty() ? "" : ": ", why.c_str());
    return 1;
}

// Lists the classes the registry knows with their ProgIDs and servers.
int ListClasses() {
    tlx::RegistryTree tree;
    if (int rc = Report(tlx::ReadRegistry(tree), "reading the registry")) return rc;
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

int Usage() {
    std::fprintf(stderr,
                 "usage: tlxhost register [LIBRARY] | unregister [LIBRARY] | classes | demo\n"
                 "  the registry file is $TLX_REGISTRY; the module library is $TLX_MODULE or the built one\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    std::string_view command = argv[1];
    std::string library = argc > 2 ? argv[2] : ModulePath();
    if (command == "register") return Report(tlx::host::RegisterServer(library), "registering the module");
    if (command == "unregister") return Report(tlx::host::UnregisterServer(library), "unregistering the module");
    if (command == "classes") return ListClasses();
    if (command == "demo") {
        if (int rc = Report(tlx::host::RegisterServer(ModulePath()), "registering the module")) return rc;
        return ListClasses();
    }
    return Usage();
}
