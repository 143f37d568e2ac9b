#include "host/objects/files/FilesClasses.h"

#include "host/HostClassRegistration.h"
#include "host/objects/files/RemoteFileCopy.h"
#include "host/objects/files/RemoteFileTransfer.h"

namespace tlx::host {

HRESULT RegisterFilesClasses() {
    return FirstFailure({
        RegisterHostClass<CRemoteFileTransfer>(CLSID_CRemoteFileTransfer, u"TLX.RemoteFileTransfer"),
        RegisterHostClass<CRemoteFileCopy>(CLSID_CRemoteFileCopy, u"TLX.RemoteFileCopy"),
    });
}

}  // namespace tlx::host
