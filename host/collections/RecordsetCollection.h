// The COM face shared by the host's recordset-backed collection classes (CAdoCollectionBase,
// CChildCollection and the host's record collections): IAdoCollection, the session and save
// interfaces, and the set-up members both set-up interfaces share. The work is CollectionCore's.
#pragma once

#include <utility>

#include "host/HostError.h"
#include "host/collections/CollectionCore.h"
#include "host/collections/HostCollection.h"
#include "host/collections/ItemEnumerator.h"
#include "host/session/HostSession.h"
#include "hostapi/CollectionsDispatch.h"
#include "hostapi/SessionDispatch.h"
#include "hostapi/Framework.h"

namespace tlx::host {


template <class Derived, class Setup>
class RecordsetCollection : public ComObject<Derived, Dispatch<IAdoCollection>, Setup, IInitializeSession, ISessionable,
                                             ISaveable, IItemClass>,
                            public HostCollection {
public:
    ~RecordsetCollection() override { Unregister(); }

    // ICollection
    HRESULT get__NewEnum(IUnknown** enumerator) override {
        return Boundary([&] {
            Require(enumerator);
            std::vector<EnumeratedItem> items;
            for (auto& [bookmark, item] : core_.AllItems()) items.push_back(EnumeratedItem{bookmark, item});
            CollectionCore* core = &core_;
            auto move = [core](double bookmark) { return core->MoveToRow(bookmark); };
            ComPtr<IUnknown> self(static_cast<IAdoCollection*>(this));
            *enumerator = static_cast<IEnumVARIANT*>(CItemEnumerator::Make(self, move, std::move(items)).Detach());
        });
    }
    HRESULT Item(VARIANT key, IDispatch** item) override {
        return Boundary([&] { *Require(item) = core_.Item(key).Detach(); });
    }
    HRESULT get_Count(LONG* count) override {
        return Boundary([&] { *Require(count) = core_.Count(); });
    }
    HRESULT AddNew(VARIANT pattern, IDispatch** item) override {
        return Boundary([&] {
            ComPtr<IDispatch> added = core_.AddNew(pattern);
            if (item) *item = added.Detach();
        });
    }
    HRESULT Delete(VARIANT item) override {
        return Boundary([&] { core_.Delete(item); });
    }
    HRESULT Resync(VARIANT) override {
        return Boundary([&] { core_.Resync(); });
    }

    // IAdoCollection
    HRESULT putref_Collection(IDispatch*) override {
        return SetErrorText(E_NOTIMPL, u"Kolekcja hosta przechowuje własne wiersze");
    }
    HRESULT get_ParentObject(IDispatch** parent) override {
        return Boundary([&] { *Require(parent) = core_.ParentObject().Detach(); });
    }
    HRESULT get_IdColumn(BSTR* column) override {
        return Boundary([&] { *Require(column) = Bstr(core_.settings.idColumn).Detach(); });
    }
    HRESULT get_Recordset(Recordset** recordset) override {
        return Boundary([&] { *Require(recordset) = ComPtr<Recordset>(core_.Rows()).Detach(); });
    }
    HRESULT CloneFromRecordset(Recordset* source) override {
        return Boundary([&] { core_.CloneFromRecordset(source); });
    }
    HRESULT get_Filter(BSTR* criteria) override {
        return Boundary([&] { *Require(criteria) = Bstr(core_.settings.filter).Detach(); });
    }
    HRESULT put_Filter(BSTR criteria) override {
        return Boundary([&] { core_.settings.filter = TextOf(criteria); });
    }
    HRESULT get_Sort(BSTR* order) override {
        return Boundary([&] { *Require(order) = Bstr(core_.settings.sort).Detach(); });
    }
    HRESULT put_Sort(BSTR order) override {
        return Boundary([&] {
            core_.settings.sort = TextOf(order);
            if (core_.IsOpen()) Check(core_.Rows()->put_Sort(order ? order : Bstr(u"").Get()));
        });
    }

    // The set-up members both set-up interfaces share.
    HRESULT put_ItemClass(BSTR classText) override { return Set(core_.settings.itemClass, classText); }
    HRESULT put_IdColumn(BSTR column) override { return Set(core_.settings.idColumn, column); }
    HRESULT put_ReadOnly(VARIANT_BOOL readOnly) override {
        core_.settings.readOnly = readOnly != VARIANT_FALSE;
        return S_OK;
    }
    HRESULT put_Table(BSTR table) override { return Set(core_.settings.table, table); }
    HRESULT put_AutoSave(VARIANT_BOOL autoSave) override {
        return Boundary([&] {
            core_.settings.autoSave = autoSave != VARIANT_FALSE;
            if (core_.settings.autoSave && core_.session)
                HostSessionOf(core_.session.Get())->AddToUnitOfWork(static_cast<IAdoCollection*>(this));
        });
    }

    // IInitializeSession, ISessionable
    HRESULT Initialize(ISession* session, LONG* state) override {
        return Boundary([&] {
            Require(session);
            Require(state);
            Unregister();
            core_.session = ComPtr<ISession>(session);
            host_ = HostSessionOf(session);
            host_->RegisterCollection(this);
            if (core_.settings.autoSave) host_->AddToUnitOfWork(static_cast<IAdoCollection*>(this));
            *state = hostStateCollection;
        });
    }
    HRESULT get_Session(ISession** session) override { return core_.session.CopyTo(session); }

    // ISaveable: the mode is not looked at; every save runs the whole protocol.
    HRESULT get_ROSaveMode(LONG* mode) override {
        if (!mode) return E_POINTER;
        *mode = roSaveMode_;
        return S_OK;
    }
    HRESULT put_ROSaveMode(LONG mode) override {
        roSaveMode_ = mode;
        return S_OK;
    }
    HRESULT Save(LONG) override {
        return Boundary([&] {
            if (core_.settings.readOnly) Fail(E_ACCESSDENIED, u"Kolekcja jest tylko do odczytu");
            core_.Save(this);
        });
    }

    // IItemClass
    HRESULT get_ItemClass(BSTR* classText) override {
        return Boundary([&] { *Require(classText) = Bstr(core_.settings.itemClass).Detach(); });
    }

    // HostCollection
    IUnknown* Unknown() override { return static_cast<IAdoCollection*>(this); }
    bool Holds(IUnknown* item) override { return core_.Holds(item); }
    bool MadeItem(IUnknown* item) override { return core_.HoldsIdentity(item); }
    void DeleteItem(IUnknown* item) override {
        Variant key = Variant::FromUnknown(item);
        core_.Delete(key);
    }
    IUnknown* ParentIdentity() override { return core_.parentIdentity; }
    void SaveRows() override { core_.Save(this); }
    void CheckBeforeWork() override { core_.CheckBeforeWork(); }
    void ForgetCheck() override { core_.ForgetCheck(); }
    bool HasPendingRows() override { return core_.HasPendingRows(); }
    std::vector<IUnknown*> ItemIdentities() override { return core_.ItemIdentities(); }
    void ServeOneKey(const VARIANT& key) override { core_.ServeOneKey(key); }
    bool ServeIdentifiers(const std::vector<LONG>& ids) override { return core_.ServeIdentifiers(ids); }
    ULONG HoldsOnSession() override { return (host_ ? 1 : 0) + (core_.session ? 1 : 0); }
    void ReleaseItems() override {
        core_.ReleaseItems();
        core_.parentReference.Reset();
        core_.parentIdentity = nullptr;
        if (host_) host_->CollectionParentChanged(this, nullptr);
    }

protected:
    RecordsetCollection() : core_(static_cast<IAdoCollection*>(this), this) {}

    static std::u16string TextOf(BSTR text) { return std::u16string(text ? text : u"", SysStringLen(text)); }
    static HRESULT Set(std::u16string& target, BSTR value) {
        target = TextOf(value);
        return S_OK;
    }
    void Unregister() {
        if (host_) host_->UnregisterCollection(this);
        host_.Reset();
    }

    CollectionCore core_;
    ComPtr<IHostSession> host_;
    unsigned linkSerial_ = 0;
    LONG roSaveMode_ = 0;
};

}  // namespace tlx::host
