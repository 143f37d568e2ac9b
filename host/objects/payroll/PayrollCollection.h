// A read-only collection of payroll objects (ICollection) in a fixed order, with the rows they stand
// for. Item takes a zero-based position, an identifier (number or decimal text), criteria "Col=value"
// over the rows, or one of its objects; a collection may read further keys itself first (the records
// by date). AddNew, Delete and Resync are refused: payroll is changed by the payroll module, not here.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "host/objects/payroll/PayrollRow.h"
#include "hostapi/CollectionsDispatch.h"

namespace tlx::host {

class CPayrollCollection final : public ComObject<CPayrollCollection, Dispatch<ICollection>> {
public:
    struct Entry {
        ComPtr<IDispatch> item;
        LONG id = 0;
        std::shared_ptr<const PayrollRow> row;
    };
    // Answers the item for a key it reads, or null to leave the key to the grammar above.
    using KeyReader = std::function<ComPtr<IDispatch>(const VARIANT& key)>;

    explicit CPayrollCollection(std::vector<Entry> entries, KeyReader reader = {})
        : entries_(std::move(entries)), reader_(std::move(reader)) {}

    HRESULT get__NewEnum(IUnknown** enumerator) override;
    HRESULT Item(VARIANT key, IDispatch** item) override;
    HRESULT get_Count(LONG* count) override;
    HRESULT AddNew(VARIANT pattern, IDispatch** item) override;
    HRESULT Delete(VARIANT item) override;
    HRESULT Resync(VARIANT options) override;

    // Whether no one but this collection holds any of its items.
    bool ItemsHeldOnlyHere() const;
    std::size_t Size() const { return entries_.size(); }

private:
    ComPtr<IDispatch> Find(const VARIANT& key);

    std::vector<Entry> entries_;
    KeyReader reader_;
};

}  // namespace tlx::host
