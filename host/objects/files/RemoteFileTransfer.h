// The transfer channel to a remote user's machine: the content of one file at a time, written under its
// name into the client folder (hostapi/Files.h).
#pragma once

#include <string>

#include "hostapi/FilesDispatch.h"

namespace tlx::host {

class CRemoteFileTransfer final : public ComObject<CRemoteFileTransfer, Dispatch<IRemoteFileTransfer>> {
public:
    HRESULT SetKind(BSTR kind) override;
    HRESULT Transfer() override;
    HRESULT SetContent(BSTR content) override;
    HRESULT Reset(BSTR appPath) override;
    HRESULT SetFileName(BSTR name) override;

private:
    void LogApplication() const;

    std::u16string appPath_;
    std::u16string fileName_;
    std::u16string kind_;  // "file", "app", or empty until set
    std::u16string content_;
};

}  // namespace tlx::host
