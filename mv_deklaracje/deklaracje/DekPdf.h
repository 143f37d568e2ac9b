// A file attached to a document of the host (row of TLX.RptObrazy2): its source and document
// identifiers and its size; DodajPlik stores a file's content in the row through the host's sibling
// library.
#pragma once

#include <memory>

#include "TlxBus2.h"
#include "hostapi/Files.h"
#include "mv_deklaracje_tlb.h"
#include "tlb/DispatchTables.h"
#include "platform/com/ProvideClassInfo.h"

class CDekPdf final
    : public IIdentityImpl<
          CDekPdf, ISQLObjectImpl<CDekPdf, IDekPdf, IIdentity, IMirvakObjectTypeInfo, tlx::ProvideClassInfo2<>>> {
public:
    LONG ReadIdentifier() const { return static_cast<LONG>(ReadLong(u"RPO2ID")); }

    HRESULT get_ID(LONG* value) override { return IIdentityImpl::get_ID(value); }
    HRESULT get_ZrodloID(LONG* value) override;
    HRESULT put_ZrodloID(LONG value) override;
    HRESULT get_RpWID(LONG* value) override;
    HRESULT put_RpWID(LONG value) override;
    HRESULT get_RpFID(LONG* value) override;
    HRESULT put_RpFID(LONG value) override;
    HRESULT get_Rozmiar(LONG* value) override;
    HRESULT put_Rozmiar(LONG value) override;
    HRESULT get_DokumentTyp(LONG* value) override;
    HRESULT put_DokumentTyp(LONG value) override;
    HRESULT get_DokumentID(LONG* value) override;
    HRESULT put_DokumentID(LONG value) override;
    // Hands the file to the sibling library, which stores it in the bound row; the row is not saved.
    HRESULT DodajPlik(BSTR _Plik) override;
    HRESULT PobierzWartosc() override { return S_OK; }

protected:
    CBstr GetDefaultColumnPrefix() override { return CBstr(u"RPO2_"); }

private:
    struct LibraryCloser {
        void operator()(void* library) const;
    };
    // The sibling library stays loaded while its entry point is kept.
    std::unique_ptr<void, LibraryCloser> library_;
    SaveImageFromFileFn saveImageFromFile_ = nullptr;
};
