// Dispatch tables of the host's e-declaration components, as scripts reach them.
#pragma once

#include "hostapi/EDeclarations.h"
#include "platform/com/Dispatch.h"

inline const tlx::DispatchTable& DispatchTableOf(ISchemaRepository*) {
    static const tlx::DispatchTable table{
        tlx::DispMethod<&ISchemaRepository::UpdateChecked>(u"UpdateChecked", 2),
        tlx::DispMethod<&ISchemaRepository::GetTransform>(u"GetTransform", 3),
        tlx::DispMethod<&ISchemaRepository::GetNamespace>(u"GetNamespace", 4),
        tlx::DispMethod<&ISchemaRepository::UpdateStatus>(u"UpdateStatus", 5),
        tlx::DispMethod<&ISchemaRepository::UpdateError>(u"UpdateError", 6),
        tlx::DispMethod<&ISchemaRepository::AddAttachment>(u"AddAttachment", 7),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(IEdeklaracjeValidator*) {
    static const tlx::DispatchTable table{
        tlx::DispMethod<&IEdeklaracjeValidator::Validate>(u"Validate", 1),
    };
    return table;
}
