// An accounting entry of the host (TLX.Dekrety, prefix "DeK_"), pre-posted for a source document; its
// lines are the rows of TLX.DekretyElementy (prefix "DeE_") linked by DeE_DeKID.
#pragma once

#include "hostapi/AccountingDispatch.h"
#include "host/objects/HostRecord.h"

namespace tlx::host {

inline constexpr HostTable kDekrety{u"Dekrety", u"DeK_", u"DeK_DeKID", u"TLX.Dekret"};
inline constexpr CLSID CLSID_Dekret = tlx::MakeGuid(u"{04C4DF4E-D2C9-48C1-900C-C2B3C6AF4639}");

class CPostingEntryRecord final : public HostRecord<CPostingEntryRecord, IPostingEntry> {
public:
    static constexpr const HostTable& kTable = kDekrety;

    HRESULT get_ID(LONG* id) override { return HostRecord::get_ID(id); }
    HRESULT putref_Podmiot(IDispatch* subject) override;
    HRESULT put_Bufor(LONG inBuffer) override;
    HRESULT put_Nowy(LONG isNew) override;
    HRESULT put_DataKsiegowania(DATE date) override;
    HRESULT put_DataOperacji(DATE date) override;
    HRESULT put_DataWystawienia(DATE date) override;
    HRESULT put_NumerDokumentu(BSTR number) override;
    HRESULT get_Elementy(ICollection** items) override;
    HRESULT putref_DokumentZrodlowy(IUnknown* document) override;

private:
    HRESULT PutColumn(std::u16string_view column, const VARIANT& value);

    ComPtr<IDispatch> subject_;
    ComPtr<ICollection> lines_;
    LONG new_ = 0;
};

}  // namespace tlx::host
