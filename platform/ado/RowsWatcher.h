// Told by a row set whenever its rows are added, written, deleted, stored, put back or cancelled: all
// that may change whether it holds pending rows. The watcher must not change the rows while told.
#pragma once

namespace tlx::ado {

class RowsWatcher {
public:
    virtual void RowsChanged() = 0;

protected:
    ~RowsWatcher() = default;
};

}  // namespace tlx::ado
