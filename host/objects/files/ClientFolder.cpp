#include "host/objects/files/ClientFolder.h"

#include <cstdlib>
#include <system_error>

#include "host/HostError.h"
#include "host/objects/files/ReplaceFile.h"
#include "platform/text/CodePage.h"

namespace tlx::host {

std::filesystem::path ClientRoot() {
    if (const char* root = std::getenv("TLX_CLIENT_ROOT"); root && *root) return root;
    return std::filesystem::temp_directory_path() / "tlx-klient";
}

std::filesystem::path MapClientPath(std::u16string_view name, REFIID iid) {
    std::u16string quoted = u"\"" + std::u16string(name) + u"\"";
    if (name.find(u"..") != std::u16string_view::npos)
        Fail(E_ACCESSDENIED, iid, u"Nazwa pliku " + quoted + u" wychodzi poza folder użytkownika (\"..\").");
    if (name.find(u'\0') != std::u16string_view::npos)
        Fail(E_INVALIDARG, iid, u"Nazwa pliku " + quoted + u" zawiera znak NUL.");
    std::filesystem::path mapped = ClientRoot();
    bool file = false;  // a piece after the drive names the file
    for (std::size_t start = 0; start <= name.size();) {
        std::size_t end = name.find_first_of(u"\\/", start);
        if (end == std::u16string_view::npos) end = name.size();
        std::u16string_view piece = name.substr(start, end - start);
        bool drive = start == 0 && piece.size() == 2 && piece[1] == u':';
        if (drive) piece = piece.substr(0, 1);
        if (!piece.empty() && piece != u".") {
            mapped /= Utf16ToUtf8(piece);
            file = !drive;
        }
        start = end + 1;
    }
    if (!file) Fail(E_INVALIDARG, iid, u"Nazwa pliku " + quoted + u" nie wskazuje pliku.");
    return mapped;
}

std::filesystem::path DeliverToClient(std::u16string_view name, std::string_view bytes, REFIID iid) {
    std::filesystem::path target = MapClientPath(name, iid);
    std::error_code error;
    std::filesystem::create_directories(target.parent_path(), error);
    if (error) FailFile(error.value(), target.parent_path(), iid);
    ReplaceFile(target, bytes, iid);
    return target;
}

}  // namespace tlx::host
