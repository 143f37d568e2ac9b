#include "host/session/OperatorObject.h"

#include <filesystem>

#include "host/Database.h"
#include "host/HostError.h"
#include "host/session/BazaFirmy.h"
#include "platform/text/CodePage.h"

namespace tlx::host {

HRESULT COperatorObject::GetToday(DATE* today) {
    if (!today) return E_POINTER;
    *today = settings_.today;
    return S_OK;
}

HRESULT COperatorObject::IsRemoteSession(LONG* remote) {
    if (!remote) return E_POINTER;
    *remote = settings_.remote;
    return S_OK;
}

HRESULT COperatorObject::OperatorType(LONG* type) {
    if (!type) return E_POINTER;
    *type = settings_.type;
    return S_OK;
}

HRESULT COperatorObject::get_ID(LONG* id) {
    if (!id) return E_POINTER;
    *id = settings_.id;
    return S_OK;
}

HRESULT COperatorObject::get_Kod(BSTR* code) {
    if (!code) return E_POINTER;
    *code = Bstr(settings_.code).Detach();
    return S_OK;
}

HRESULT COperatorObject::GetEntry(BSTR key, IDispatch** entry) {
    return Boundary([&] {
        Require(entry);
        *entry = nullptr;
        std::u16string text(key ? key : u"", SysStringLen(key));
        if (text.size() < 2 || text[0] != u'#') return;
        ComPtr<Connection> config = OpenConnection(configDatabase_);
        ComPtr<Recordset> rows = OpenRecordset(
            config.Get(), u"select Baz_Nazwa, Baz_Plik from TLX.Bazy where Baz_Nazwa = " + QuoteSql(text.substr(1)));
        if (!AtEnd(rows.Get())) {
            // A relative file name lies beside the configuration database, whatever the working folder.
            std::filesystem::path file(Utf16ToUtf8(ReadText(rows.Get(), u"Baz_Plik")));
            if (file.is_relative()) file = std::filesystem::path(configDatabase_).parent_path() / file;
            *entry = CBazaFirmy::Make(ReadText(rows.Get(), u"Baz_Nazwa"), file.string()).Detach();
        }
        config->Close();
    });
}

}  // namespace tlx::host
