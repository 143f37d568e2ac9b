#include "host/session/ObjectState.h"

#include "host/Database.h"
#include "host/HostError.h"
#include "host/session/Application.h"

namespace tlx::host {

HRESULT CObjectState::SaveState(Recordset* recordset) {
    return Boundary([&] {
        values_.clear();
        if (!recordset || AtEnd(recordset)) return;
        ForEachField(recordset, [&](Field* field, std::u16string_view name) {
            Variant value;
            Check(field->get_Value(value.Out()));
            values_.emplace_back(std::u16string(name), std::move(value));
        });
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
