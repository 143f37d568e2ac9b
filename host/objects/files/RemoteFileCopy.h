// The file copy to a remote user's machine: a local file copied under its name into the client folder
// (hostapi/Files.h).
#pragma once

#include "hostapi/FilesDispatch.h"

namespace tlx::host {

class CRemoteFileCopy final : public ComObject<CRemoteFileCopy, Dispatch<IRemoteFileCopy>> {
public:
    HRESULT Copy(BSTR target, BSTR source) override;
};

}  // namespace tlx::host
