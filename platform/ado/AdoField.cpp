#include "platform/ado/AdoField.h"

#include "platform/ado/AdoError.h"

namespace tlx::ado {

const ColumnInfo& CField::Column() const {
    if (state_->rows) {
        if (column_ >= state_->rows->ColumnCount()) Fail(adErrItemNotFound, u"The field no longer exists");
        return state_->rows->Column(column_);
    }
    if (column_ >= state_->appendedColumns.size()) Fail(adErrObjectClosed, u"The recordset is closed");
    return state_->appendedColumns[column_];
}

HRESULT CField::get_Name(BSTR* name) {
    if (!name) return E_POINTER;
    return Boundary([&] { *name = tlx::Bstr(Column().name).Detach(); });
}

HRESULT CField::get_Type(DataTypeEnum* type) {
    if (!type) return E_POINTER;
    return Boundary([&] { *type = Column().type.type; });
}

HRESULT CField::get_DefinedSize(LONG* size) {
    if (!size) return E_POINTER;
    return Boundary([&] { *size = Column().type.definedSize; });
}

HRESULT CField::get_Value(VARIANT* value) {
    if (!value) return E_POINTER;
    VariantInit(value);
    return Boundary([&] {
        RowSet& rows = state_->Rows();
        if (column_ >= rows.ColumnCount()) Column();  // fails as the field no longer exists
        rows.Current().ReadValue(column_, value);
    });
}

HRESULT CField::put_Value(VARIANT value) {
    return Boundary([&] {
        RowSet& rows = state_->UpdatableRows();
        rows.SetValue(column_, CoerceToField(value, Column().type.type));
    });
}

HRESULT CField::get_UnderlyingValue(VARIANT* value) {
    if (!value) return E_POINTER;
    VariantInit(value);
    return Boundary([&] {
        Column();
        *value = state_->Rows().Current().Underlying(column_).Detach();
    });
}

}  // namespace tlx::ado
