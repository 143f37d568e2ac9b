// The host's client of the remote-desktop virtual channel: on this system the channel is the Unix
// socket the signing component on the user's machine listens on (ChannelFrames.h), one command and its
// reply per Execute. Failures answer their HRESULT with a Polish description.
#pragma once

#include "hostapi/EDeclarationsDispatch.h"
#include "platform/com/ComObject.h"

namespace tlx::host {

class CVirtualChannelClient final : public ComObject<CVirtualChannelClient, Dispatch<IVirtualChannelClient>> {
public:
    ~CVirtualChannelClient();

    HRESULT Connect(BSTR channelName) override;
    HRESULT Reserved8() override { return E_NOTIMPL; }
    HRESULT Execute(BSTR command, LONG reserved, BSTR* reply) override;

private:
    void Close();
    int socket_ = -1;
};

}  // namespace tlx::host
