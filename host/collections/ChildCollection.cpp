#include "host/collections/ChildCollection.h"

namespace tlx::host {

HRESULT CChildCollection::put_SQL(BSTR sql) { return Set(core_.settings.sql, sql); }

HRESULT CChildCollection::putref_ParentObject(IDispatch* parent) {
    return Boundary([&] {
        core_.parentReference.Reset();
        core_.parentIdentity = nullptr;
        if (host_) host_->CollectionParentChanged(this, nullptr);
        if (!parent) return;
        Check(Require(core_.session.Get())->GetReference(parent, core_.parentReference.Out()));
        ComPtr<IUnknown> identity;
        Check(parent->QueryInterface(IID_IUnknown, identity.OutVoid()));
        core_.parentIdentity = identity.Get();  // kept alive by the session with the reference
        if (host_) host_->CollectionParentChanged(this, core_.parentIdentity);
    });
}

HRESULT CChildCollection::SetParentLink(LONG parentId, BSTR column) {
    return Boundary([&] {
        core_.SetParentLink(parentId, TextOf(column));
        linkSerial_ = NextLinkSerial();
        if (host_) host_->CollectionLinked(this, linkSerial_);
    });
}

}  // namespace tlx::host
