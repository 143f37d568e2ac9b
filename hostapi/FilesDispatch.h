// Dispatch tables of the remote file components (hostapi/Files.h). Callers know the members by
// several names: each name below is a dispatch entry of the member it stands beside.
#pragma once

#include "hostapi/Files.h"
#include "platform/com/Dispatch.h"

inline const tlx::DispatchTable& DispatchTableOf(IRemoteFileTransfer*) {
    static const tlx::DispatchTable table{
        tlx::DispMethod<&IRemoteFileTransfer::SetKind>(u"SetKind", 1),
        tlx::DispMethod<&IRemoteFileTransfer::SetKind>(u"SetMode", 2),
        tlx::DispMethod<&IRemoteFileTransfer::SetKind>(u"Open", 3),
        tlx::DispMethod<&IRemoteFileTransfer::Transfer>(u"Transfer", 4),
        tlx::DispMethod<&IRemoteFileTransfer::Transfer>(u"Run", 5),
        tlx::DispMethod<&IRemoteFileTransfer::Transfer>(u"Close", 6),
        tlx::DispMethod<&IRemoteFileTransfer::SetContent>(u"SetContent", 7),
        tlx::DispMethod<&IRemoteFileTransfer::SetContent>(u"PutText", 8),
        tlx::DispMethod<&IRemoteFileTransfer::SetContent>(u"Send", 9),
        tlx::DispMethod<&IRemoteFileTransfer::Reset>(u"Reset", 10),
        tlx::DispMethod<&IRemoteFileTransfer::Reset>(u"Prepare", 11),
        tlx::DispMethod<&IRemoteFileTransfer::Reset>(u"SetAppPath", 12),
        tlx::DispPut<&IRemoteFileTransfer::Reset>(u"AppPath", 13),
        tlx::DispMethod<&IRemoteFileTransfer::SetFileName>(u"SetFileName", 14),
        tlx::DispPut<&IRemoteFileTransfer::SetFileName>(u"FilePath", 15),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(IRemoteFileCopy*) {
    static const tlx::DispatchTable table{
        tlx::DispMethod<&IRemoteFileCopy::Copy>(u"Copy", 1),
        tlx::DispMethod<&IRemoteFileCopy::Copy>(u"SendFile", 2),
        tlx::DispMethod<&IRemoteFileCopy::Copy>(u"Deliver", 3),
    };
    return table;
}
