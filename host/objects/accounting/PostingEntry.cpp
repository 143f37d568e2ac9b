#include "host/objects/accounting/PostingEntry.h"

#include "platform/text/CodePage.h"

namespace tlx::host {

HRESULT CPostingEntryRecord::PutColumn(std::u16string_view column, const VARIANT& value) {
    return Boundary([&] { Write(column, value); });
}

HRESULT CPostingEntryRecord::putref_Podmiot(IDispatch* subject) {
    subject_ = ComPtr<IDispatch>(subject);
    return S_OK;
}

HRESULT CPostingEntryRecord::put_Bufor(LONG inBuffer) { return PutColumn(u"Bufor", Variant::FromLong(inBuffer)); }

HRESULT CPostingEntryRecord::put_Nowy(LONG isNew) {
    new_ = isNew;
    return S_OK;
}

HRESULT CPostingEntryRecord::put_DataKsiegowania(DATE date) { return PutColumn(u"DataDok", Variant::FromDate(date)); }
HRESULT CPostingEntryRecord::put_DataOperacji(DATE date) { return PutColumn(u"DataOpe", Variant::FromDate(date)); }
HRESULT CPostingEntryRecord::put_DataWystawienia(DATE date) { return PutColumn(u"DataWys", Variant::FromDate(date)); }

HRESULT CPostingEntryRecord::put_NumerDokumentu(BSTR number) {
    return PutColumn(u"Dokument", Variant::FromString(std::u16string(number ? number : u"", SysStringLen(number))));
}

HRESULT CPostingEntryRecord::get_Elementy(ICollection** items) {
    return Boundary([&] {
        Require(items);
        if (!lines_) {
            ComPtr<IDispatch> created;
            Bstr childClass(u"{0198EDC5-5632-4E00-A43D-D42E1F28570E}");
            Check(Require(session_.Get())->CreateObject(childClass.Get(), Variant::Missing(), created.Out()));
            ComPtr<ICollectionSetup> setup = created.As<ICollectionSetup>();
            Require(setup.Get());
            LONG id = ReadNumber(u"DeKID");
            Check(setup->put_IdColumn(Bstr(u"DeE_DeEID").Get()));
            Check(setup->put_SQL(Bstr(u"select * from TLX.DekretyElementy where DeE_DeKID=" +
                                      Utf8ToUtf16(std::to_string(id)))
                                     .Get()));
            Check(setup->put_Table(Bstr(u"DekretyElementy").Get()));
            Check(setup->SetParentLink(id, Bstr(u"DeE_DeKID").Get()));
            lines_ = created.As<ICollection>();
        }
        *items = ComPtr<ICollection>(lines_).Detach();
    });
}

HRESULT CPostingEntryRecord::putref_DokumentZrodlowy(IUnknown* document) {
    return Boundary([&] {
        ComPtr<IDokumentKsiegowany> source = ComPtr<IUnknown>(document).As<IDokumentKsiegowany>();
        if (!source) {
            Write(u"DokumentTyp", Variant::Null());
            Write(u"DokumentID", Variant::Null());
            return;
        }
        LONG kind = 0, id = 0;
        Check(source->get_TypZrodla(&kind));
        Check(source->get_ID(&id));
        Write(u"DokumentTyp", Variant::FromLong(kind));
        Write(u"DokumentID", Variant::FromLong(id));
    });
}

}  // namespace tlx::host
