// The columns of a recordset: by index or by name, and declared with Append before a recordset built
// in memory is opened.
#pragma once

#include <memory>
#include <vector>

#include "platform/ado/AdoDispatch.h"
#include "platform/ado/AdoField.h"
#include "platform/ado/RecordsetState.h"

namespace tlx::ado {

class CFields final : public tlx::ComObject<CFields, tlx::Dispatch<Fields>> {
public:
    explicit CFields(std::shared_ptr<RecordsetState> state) : state_(std::move(state)) {}

    HRESULT get_Count(LONG* count) override;
    HRESULT get_Item(VARIANT index, Field** field) override;
    HRESULT Append(BSTR name, DataTypeEnum type, LONG definedSize, LONG attributes, VARIANT value) override;

private:
    size_t ColumnCount() const;
    int FindByName(std::u16string_view name) const;

    std::shared_ptr<RecordsetState> state_;
    // The field object of each position made so far: a field is a column of the recordset, whatever
    // row is current, so one object serves every read.
    std::vector<ComPtr<CField>> made_;
};

}  // namespace tlx::ado
