#include "host/objects/subjects/Pracownik.h"

#include "host/objects/subjects/PracPitMies.h"
#include "host/session/HostSession.h"
#include "hostapi/Collections.h"
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

// A child collection of the session over the employee's months; its items are CPracPitMiesRecord.
HRESULT CPracownikRecord::get_PitMiesiace(ICollection** months) {
    return Boundary([&] {
        Require(months);
        if (!pitMiesiace_) {
            ComPtr<IDispatch> created;
            Bstr childClass(GuidToText(CLSID_CChildCollection));
            Check(Require(session_.Get())->CreateObject(childClass.Get(), Variant::Missing(), created.Out()));
            ComPtr<ICollectionSetup> setup = created.As<ICollectionSetup>();
            Require(setup.Get());
            std::u16string id = Utf8ToUtf16(std::to_string(ReadNumber(u"PraID")));
            Check(setup->put_ItemClass(Bstr(kPracPitMies.itemClass).Get()));
            Check(setup->put_IdColumn(Bstr(kPracPitMies.idColumn).Get()));
            std::u16string sql =
                u"select * from TLX.PracPitMies where PPM_PraId=" + id + u" order by PPM_Rok, PPM_Miesiac";
            Check(setup->put_SQL(Bstr(sql).Get()));
            Check(setup->put_Table(Bstr(kPracPitMies.table).Get()));
            pitMiesiace_ = created.As<ICollection>();
            Require(pitMiesiace_.Get());
        }
        *months = ComPtr<ICollection>(pitMiesiace_).Detach();
    });
}

}  // namespace tlx::host
