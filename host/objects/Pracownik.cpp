#include "host/objects/Pracownik.h"
#include "host/session/HostSession.h"
#include "platform/text/CodePage.h"

namespace tlx::host {

HRESULT CPracownikRecord::GetLatest(std::u16string_view column, BSTR* out) {
    return Boundary([&] {
        Require(out);
        LONG id = ReadNumber(u"PraID");
        ComPtr<Recordset> rows = OpenRecordset(
            HostSessionOf(Require(session_.Get()))->CompanyConnection(),
            u"select * from TLX.PracEtaty where PRE_PraId = " + Utf8ToUtf16(std::to_string(id)) +
                u" order by PRE_DataOd desc");
        bool has = !AtEnd(rows.Get()) && FindField(rows.Get(), column);
        *out = Bstr(has ? ReadText(rows.Get(), column) : std::u16string()).Detach();
    });
}

}  // namespace tlx::host
