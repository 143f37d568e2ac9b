#include "host/session/BazaFirmy.h"

#include <filesystem>

#include "host/Database.h"
#include "host/HostError.h"
#include "platform/text/CodePage.h"

namespace tlx::host {

CBazaFirmy::~CBazaFirmy() {
    if (connection_) connection_->Close();
}

HRESULT CBazaFirmy::get_Nazwa(BSTR* name) {
    if (!name) return E_POINTER;
    *name = Bstr(name_).Detach();
    return S_OK;
}

HRESULT CBazaFirmy::get_Connection(Connection** connection) {
    return Boundary([&] {
        Require(connection);
        if (!connection_) {
            // Opening a missing file would create an empty database: a missing one is refused.
            if (!std::filesystem::is_regular_file(file_))
                Fail(E_FAIL, u"Brak pliku bazy " + name_ + u": " + Utf8ToUtf16(file_));
            connection_ = OpenConnection(file_);
        }
        *connection = ComPtr<Connection>(connection_).Detach();
    });
}

}  // namespace tlx::host
