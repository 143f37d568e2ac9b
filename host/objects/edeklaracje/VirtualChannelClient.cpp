#include "host/objects/edeklaracje/VirtualChannelClient.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "host/objects/edeklaracje/ChannelFrames.h"
#include "platform/com/ErrorInfo.h"
#include "platform/text/CodePage.h"

namespace tlx::host {

CVirtualChannelClient::~CVirtualChannelClient() { Close(); }

void CVirtualChannelClient::Close() {
    if (socket_ >= 0) ::close(socket_);
    socket_ = -1;
}

HRESULT CVirtualChannelClient::Connect(BSTR channelName) {
    Close();
    const std::filesystem::path path = ChannelSocketPath(std::u16string(channelName ? channelName : u"", SysStringLen(channelName)));
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.string().size() >= sizeof address.sun_path)
        return SetErrorText(E_INVALIDARG, u"Ścieżka kanału wirtualnego jest za długa: " + Utf8ToUtf16(path.string()));
    std::memcpy(address.sun_path, path.c_str(), path.string().size());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0 || ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        const std::string why = std::strerror(errno);
        if (fd >= 0) ::close(fd);
        return SetErrorText(E_FAIL, u"Nie można połączyć się z kanałem wirtualnym " + Utf8ToUtf16(path.string()) +
                                        u": " + Utf8ToUtf16(why));
    }
    socket_ = fd;
    return S_OK;
}

HRESULT CVirtualChannelClient::Execute(BSTR command, LONG /*reserved*/, BSTR* reply) {
    if (!reply) return E_POINTER;
    *reply = nullptr;
    if (socket_ < 0) return SetErrorText(E_UNEXPECTED, u"Kanał wirtualny nie jest połączony");
    std::u16string text;
    std::string why = "kanał wirtualny został zamknięty";
    if (!WriteFrame(socket_, std::u16string(command ? command : u"", SysStringLen(command))) ||
        !ReadFrame(socket_, text, why)) {
        Close();
        return SetErrorText(E_FAIL, u"Błąd kanału wirtualnego: " + Utf8ToUtf16(why));
    }
    *reply = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    return S_OK;
}

}  // namespace tlx::host
