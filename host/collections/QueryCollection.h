// CQueryCollection: a collection of identifiers read by a query, whose items another collection class
// (the item source) serves: item i is the source's item for the i-th identifier. Deletes and saves act on
// the source collection, which is created through the session on first use and, when it is a table's
// collection, reads only the rows of those identifiers (again at Resync), so that an item costs the same
// whatever the size of the table.
#pragma once

#include <string>
#include <vector>

#include "host/collections/HostCollection.h"
#include "host/session/HostSession.h"
#include "hostapi/CollectionsDispatch.h"
#include "hostapi/SessionDispatch.h"
#include "hostapi/Framework.h"

namespace tlx::host {

class CQueryCollection final : public ComObject<CQueryCollection, Dispatch<IAdoCollection>, IQueryCollectionSetup,
                                                IInitializeSession, ISessionable, ISaveable, IItemClass>,
                               public HostCollection {
public:
    ~CQueryCollection() override;

    HRESULT get__NewEnum(IUnknown** enumerator) override;
    HRESULT Item(VARIANT key, IDispatch** item) override;
    HRESULT get_Count(LONG* count) override;
    HRESULT AddNew(VARIANT pattern, IDispatch** item) override;
    HRESULT Delete(VARIANT item) override;
    HRESULT Resync(VARIANT options) override;
    HRESULT putref_Collection(IDispatch* collection) override;
    HRESULT get_ParentObject(IDispatch** parent) override;
    HRESULT get_IdColumn(BSTR* column) override;
    HRESULT get_Recordset(Recordset** recordset) override;
    HRESULT CloneFromRecordset(Recordset* source) override;
    HRESULT get_Filter(BSTR* criteria) override;
    HRESULT put_Filter(BSTR criteria) override;
    HRESULT get_Sort(BSTR* order) override;
    HRESULT put_Sort(BSTR order) override;

    HRESULT put_IdColumn(BSTR column) override;
    HRESULT put_SQL(BSTR sql) override;
    HRESULT put_ItemSource(VARIANT classText) override;

    HRESULT Initialize(ISession* session, LONG* state) override;
    HRESULT get_Session(ISession** session) override;
    HRESULT get_ROSaveMode(LONG* mode) override;
    HRESULT put_ROSaveMode(LONG mode) override;
    HRESULT Save(LONG mode) override;
    HRESULT get_ItemClass(BSTR* classText) override;

    IUnknown* Unknown() override { return static_cast<IAdoCollection*>(this); }
    bool Holds(IUnknown* item) override;
    void DeleteItem(IUnknown* item) override;
    IUnknown* ParentIdentity() override { return nullptr; }
    void SaveRows() override;
    // Its items are checked by the source collection's own save.
    void CheckBeforeWork() override {}
    void ForgetCheck() override {}
    // Its items belong to the source collection, which answers for their changes.
    bool HasPendingRows() override { return false; }
    std::vector<IUnknown*> ItemIdentities() override { return {}; }
    void ReleaseItems() override;
    void ServeOneKey(const VARIANT&) override {}
    bool ServeIdentifiers(const std::vector<LONG>&) override { return false; }
    ULONG HoldsOnSession() override { return (session_ ? 1 : 0) + (host_ ? 1 : 0); }

private:
    void ReadIdentifiers();
    const std::vector<LONG>& Identifiers();
    ICollection* Source();
    ComPtr<IDispatch> SourceItem(LONG id);
    // The items of every identifier, in order.
    std::vector<ComPtr<IDispatch>> ItemsInOrder();

    ComPtr<ISession> session_;
    ComPtr<IHostSession> host_;
    std::u16string idColumn_;
    std::u16string sql_;
    std::u16string sourceClass_;
    ComPtr<Recordset> recordset_;
    std::vector<LONG> ids_;
    bool read_ = false;
    ComPtr<ICollection> source_;
    // The host collection that reads the source's rows when it reads only those of the identifiers
    // (held through source_), else null.
    HostCollection* sourceRows_ = nullptr;
    LONG roSaveMode_ = 0;
};

}  // namespace tlx::host
