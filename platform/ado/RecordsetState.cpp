#include "platform/ado/RecordsetState.h"

#include "platform/ado/AdoError.h"

namespace tlx::ado {

RowSet& RecordsetState::Rows() const {
    if (!rows) Fail(adErrObjectClosed, u"Operation is not allowed when the object is closed");
    return *rows;
}

RowSet& RecordsetState::UpdatableRows() const {
    RowSet& open = Rows();
    if (lockType == adLockReadOnly && !fabricated)
        Fail(adErrFeatureNotAvailable, u"Current Recordset does not support updating (it is read-only)");
    return open;
}

}  // namespace tlx::ado
