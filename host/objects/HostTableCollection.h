// The collection class of a host table (tax offices, currencies, payment forms, document definitions,
// employees, accounting entries): a CAdoCollectionBase set up once for the table and its record class.
#pragma once

#include "host/collections/RecordsetCollection.h"
#include "host/objects/HostRecord.h"

namespace tlx::host {

template <const HostTable& Table>
class CHostTableCollection final
    : public RecordsetCollection<CHostTableCollection<Table>, IAdoCollectionSetup> {
protected:
    HRESULT FinalConstruct() override {
        this->core_.settings.table = Table.table;
        this->core_.settings.idColumn = Table.idColumn;
        this->core_.settings.itemClass = Table.itemClass;
        return S_OK;
    }
};

}  // namespace tlx::host
