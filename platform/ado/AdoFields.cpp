#include "platform/ado/AdoFields.h"

#include <cmath>

#include "platform/ado/AdoError.h"

namespace tlx::ado {

size_t CFields::ColumnCount() const {
    return state_->rows ? state_->rows->ColumnCount() : state_->appendedColumns.size();
}

int CFields::FindByName(std::u16string_view name) const {
    if (state_->rows) return state_->rows->FindColumn(name);
    RowSet probe;
    for (const ColumnInfo& column : state_->appendedColumns) probe.AddColumn(column);
    return probe.FindColumn(name);
}

HRESULT CFields::get_Count(LONG* count) {
    if (!count) return E_POINTER;
    *count = static_cast<LONG>(ColumnCount());
    return S_OK;
}

HRESULT CFields::get_Item(VARIANT index, Field** field) {
    if (!field) return E_POINTER;
    *field = nullptr;
    return Boundary([&] {
        // A key passed by reference is read through; others are read where they are, without a copy.
        tlx::Variant copied;
        if (index.vt & VT_BYREF) VariantCopyInd(&copied, &index);
        const VARIANT& key = (index.vt & VT_BYREF) ? static_cast<const VARIANT&>(copied) : index;
        long position = -1;
        switch (key.vt) {
            case VT_I2: position = key.iVal; break;
            case VT_I4: position = key.lVal; break;
            case VT_I8: position = static_cast<long>(key.llVal); break;
            case VT_R8: position = static_cast<long>(std::lround(key.dblVal)); break;
            case VT_BSTR:
                position = FindByName(key.bstrVal ? std::u16string_view(key.bstrVal, SysStringLen(key.bstrVal))
                                                  : std::u16string_view());
                break;
            default: break;
        }
        if (position < 0 || static_cast<size_t>(position) >= ColumnCount())
            Fail(adErrItemNotFound, u"Item cannot be found in the collection corresponding to the requested name or "
                                    u"ordinal");
        auto at = static_cast<size_t>(position);
        if (made_.size() <= at) made_.resize(at + 1);
        if (!made_[at]) made_[at] = CField::Make(state_, at);
        *field = ComPtr<CField>(made_[at]).Detach();
    });
}

HRESULT CFields::Append(BSTR name, DataTypeEnum type, LONG definedSize, LONG, VARIANT) {
    return Boundary([&] {
        if (state_->rows) Fail(adErrObjectOpen, u"Operation is not allowed when the object is open");
        std::u16string text = name ? std::u16string(name, SysStringLen(name)) : std::u16string();
        if (text.empty() || FindByName(text) >= 0)
            Fail(adErrInvalidArgument, u"A field needs a name of its own: " + text);
        ColumnInfo column;
        column.name = text;
        LONG size = FixedSizeOf(type);
        if (IsTextType(type) && type != adLongVarWChar) size = definedSize > 0 ? definedSize : 255;
        column.type = {type, size};
        state_->appendedColumns.push_back(std::move(column));
    });
}

}  // namespace tlx::ado
