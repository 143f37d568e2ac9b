// tlxsigner: the signing component on the user's machine. It listens on the virtual channel's socket
// ($TLX_VIRTUAL_CHANNEL_DIR/<channel>, by default $XDG_RUNTIME_DIR/tlx/<channel>), prints the socket's
// path on its first output line, and answers the channel's commands, one connection at a time, until
// it is stopped. It signs with the certificate store of the user who runs it ($TLX_CERT_STORE).
//   tlxsigner
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdio>
#include <cerrno>
#include <cstring>
#include <string>

#include "ChannelSigner.h"
#include "host/objects/edeklaracje/ChannelFrames.h"

namespace {

constexpr char16_t kChannelName[] = u"{DB94ACDF-5FA3-45F7-AB4B-0CAE3ABCD43A}";

// Answers every command of one connection until the host closes it or sends a broken frame.
void Serve(int connection, tlxsigner::ChannelSigner& signer) {
    std::u16string command;
    std::string why;
    while (tlx::host::ReadFrame(connection, command, why))
        if (!tlx::host::WriteFrame(connection, signer.Answer(command))) break;
}

}  // namespace

int main() {
    const std::filesystem::path path = tlx::host::ChannelSocketPath(kChannelName);
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    ::chmod(path.parent_path().c_str(), 0700);
    std::filesystem::remove(path, error);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.string().size() >= sizeof address.sun_path) {
        std::fprintf(stderr, "tlxsigner: ścieżka gniazda jest za długa: %s\n", path.c_str());
        return 2;
    }
    std::memcpy(address.sun_path, path.c_str(), path.string().size());
    const int listener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (listener < 0 || ::bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(listener, 4) != 0) {
        std::fprintf(stderr, "tlxsigner: nie można nasłuchiwać na %s: %s\n", path.c_str(), std::strerror(errno));
        return 1;
    }
    std::printf("%s\n", path.c_str());
    std::fflush(stdout);
    // One signer per process: the certificate chosen stays chosen across the host's connections.
    tlxsigner::ChannelSigner signer;
    for (;;) {
        const int connection = ::accept4(listener, nullptr, nullptr, SOCK_CLOEXEC);
        if (connection < 0) continue;
        Serve(connection, signer);
        ::close(connection);
    }
}
