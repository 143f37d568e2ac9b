// CChildCollection: the host's collection over a query, usually the rows of one parent object.
#pragma once

#include "host/collections/RecordsetCollection.h"

namespace tlx::host {

class CChildCollection final : public RecordsetCollection<CChildCollection, ICollectionSetup> {
public:
    HRESULT put_SQL(BSTR sql) override;
    HRESULT putref_ParentObject(IDispatch* parent) override;
    HRESULT SetParentLink(LONG parentId, BSTR column) override;
};

}  // namespace tlx::host
