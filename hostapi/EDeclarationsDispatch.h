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

inline const tlx::DispatchTable& DispatchTableOf(IGatewaySendResult*) {
    static const tlx::DispatchTable table{
        tlx::DispMethod<&IGatewaySendResult::RefId>(u"RefId", 1),
        tlx::DispMethod<&IGatewaySendResult::StatusCode>(u"StatusCode", 3),
        tlx::DispMethod<&IGatewaySendResult::StatusText>(u"StatusText", 5),
        tlx::DispMethod<&IGatewaySendResult::Success>(u"Success", 7),
        tlx::DispMethod<&IGatewaySendResult::ErrorText>(u"ErrorText", 8),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(IGatewayUpoResult*) {
    static const tlx::DispatchTable table{
        tlx::DispMethod<&IGatewayUpoResult::StatusText>(u"StatusText", 2),
        tlx::DispMethod<&IGatewayUpoResult::StatusCode>(u"StatusCode", 3),
        tlx::DispMethod<&IGatewayUpoResult::Upo>(u"Upo", 4),
        tlx::DispMethod<&IGatewayUpoResult::Success>(u"Success", 5),
        tlx::DispMethod<&IGatewayUpoResult::ErrorText>(u"ErrorText", 6),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(IEDeklaracjeGateway*) {
    static const tlx::DispatchTable table{
        tlx::DispMethod<&IEDeklaracjeGateway::SetAddress>(u"SetAddress", 2),
        tlx::DispMethod<&IEDeklaracjeGateway::RequestUpo>(u"RequestUpo", 7),
        tlx::DispMethod<&IEDeklaracjeGateway::SendUnsigned>(u"SendUnsigned", 10),
        tlx::DispMethod<&IEDeklaracjeGateway::SendSigned>(u"SendSigned", 16),
        tlx::DispMethod<&IEDeklaracjeGateway::SetProxyActive>(u"SetProxyActive", 21),
        tlx::DispMethod<&IEDeklaracjeGateway::SetProxyAuthorisation>(u"SetProxyAuthorisation", 23),
        tlx::DispMethod<&IEDeklaracjeGateway::SetProxyAddress>(u"SetProxyAddress", 25),
        tlx::DispMethod<&IEDeklaracjeGateway::SetProxyPort>(u"SetProxyPort", 27),
        tlx::DispMethod<&IEDeklaracjeGateway::SetProxyUser>(u"SetProxyUser", 29),
        tlx::DispMethod<&IEDeklaracjeGateway::SetProxyPassword>(u"SetProxyPassword", 31),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(IVirtualChannelClient*) {
    static const tlx::DispatchTable table{
        tlx::DispMethod<&IVirtualChannelClient::Connect>(u"Connect", 1),
        tlx::DispMethod<&IVirtualChannelClient::Execute>(u"Execute", 3),
    };
    return table;
}
