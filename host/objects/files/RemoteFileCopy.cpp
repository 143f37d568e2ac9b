#include "host/objects/files/RemoteFileCopy.h"

#include <fstream>
#include <sstream>

#include "host/HostError.h"
#include "host/objects/files/ClientFolder.h"
#include "platform/text/CodePage.h"

namespace tlx::host {

HRESULT CRemoteFileCopy::Copy(BSTR target, BSTR source) {
    return Boundary([&] {
        std::u16string_view targetName(target ? target : u"", SysStringLen(target));
        std::u16string_view sourceName(source ? source : u"", SysStringLen(source));
        MapClientPath(targetName, IID_IRemoteFileCopy);  // a bad target is refused before anything is read
        std::string bytes;
        {
            std::ifstream in(Utf16ToUtf8(sourceName), std::ios::binary);
            if (!in || std::filesystem::is_directory(Utf16ToUtf8(sourceName)))
                Fail(HRESULT_FROM_WIN32(2), IID_IRemoteFileCopy,
                     u"Brak pliku \"" + std::u16string(sourceName) + u"\" do skopiowania na komputer użytkownika.");
            std::ostringstream read;
            read << in.rdbuf();
            bytes = std::move(read).str();
        }  // the source is closed here, before the copy is put in place
        DeliverToClient(targetName, bytes, IID_IRemoteFileCopy);
    });
}

}  // namespace tlx::host
