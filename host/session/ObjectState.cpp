#include "host/session/ObjectState.h"

#include "host/Database.h"
#include "host/HostError.h"
#include "host/session/Application.h"

namespace tlx::host {

HRESULT CObjectState::SaveState(Recordset* recordset) {
    return Boundary([&] {
        values_.clear();
        if (!recordset || AtEnd(recordset)) return;
        ComPtr<Fields> fields;
        Check(recordset->get_Fields(fields.Out()));
        LONG count = 0;
        Check(fields->get_Count(&count));
        for (LONG i = 0; i < count; ++i) {
            ComPtr<Field> field;
            Check(fields->get_Item(Variant::FromLong(i), field.Out()));
            Bstr name;
            Check(field->get_Name(name.Out()));
            Variant value;
            Check(field->get_Value(value.Out()));
            values_.emplace_back(name.Str(), std::move(value));
        }
    });
}

HRESULT CObjectState::RestoreState(Recordset* recordset) {
    return Boundary([&] {
        Require(recordset);
        if (AtEnd(recordset)) return;
        for (const auto& [name, value] : values_) {
            if (IsIdentityColumnName(name) || !FindField(recordset, name)) continue;
            WriteField(recordset, name, value);
        }
    });
}

}  // namespace tlx::host
