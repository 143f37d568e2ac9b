// One column of a recordset, read and written on the recordset's current row.
#pragma once

#include <memory>

#include "platform/ado/AdoDispatch.h"
#include "platform/ado/RecordsetState.h"
#include "platform/com/ComObject.h"

namespace tlx::ado {

class CField final : public tlx::ComObject<CField, tlx::Dispatch<Field>> {
public:
    CField(std::shared_ptr<RecordsetState> state, size_t column) : state_(std::move(state)), column_(column) {}

    HRESULT get_Name(BSTR* name) override;
    HRESULT get_Type(DataTypeEnum* type) override;
    HRESULT get_DefinedSize(LONG* size) override;
    HRESULT get_Value(VARIANT* value) override;
    HRESULT put_Value(VARIANT value) override;
    HRESULT get_UnderlyingValue(VARIANT* value) override;

private:
    const ColumnInfo& Column() const;

    std::shared_ptr<RecordsetState> state_;
    size_t column_;
};

}  // namespace tlx::ado
