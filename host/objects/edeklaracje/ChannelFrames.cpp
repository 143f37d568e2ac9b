#include "host/objects/edeklaracje/ChannelFrames.h"

#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "platform/text/CodePage.h"

namespace tlx::host {
namespace {

bool WriteAll(int socket, const unsigned char* data, std::size_t length) {
    while (length > 0) {
        const ssize_t written = ::send(socket, data, length, MSG_NOSIGNAL);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        data += written;
        length -= static_cast<std::size_t>(written);
    }
    return true;
}

bool ReadAll(int socket, unsigned char* data, std::size_t length) {
    while (length > 0) {
        const ssize_t got = ::recv(socket, data, length, 0);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return false;
        data += got;
        length -= static_cast<std::size_t>(got);
    }
    return true;
}

}  // namespace

std::filesystem::path ChannelSocketPath(const std::u16string& channelName) {
    std::filesystem::path folder;
    if (const char* named = std::getenv("TLX_VIRTUAL_CHANNEL_DIR"); named && *named) folder = named;
    else if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime) folder = std::filesystem::path(runtime) / "tlx";
    else folder = std::filesystem::temp_directory_path() / ("tlx-" + std::to_string(::getuid()));
    return folder / Utf16ToUtf8(channelName);
}

bool WriteFrame(int socket, const std::u16string& text) {
    std::vector<unsigned char> bytes(4 + 2 * text.size());
    const auto length = static_cast<std::uint32_t>(text.size());
    for (int i = 0; i < 4; ++i) bytes[i] = static_cast<unsigned char>(length >> (8 * i));
    for (std::size_t i = 0; i < text.size(); ++i) {
        bytes[4 + 2 * i] = static_cast<unsigned char>(text[i] & 0xFF);
        bytes[5 + 2 * i] = static_cast<unsigned char>(text[i] >> 8);
    }
    return WriteAll(socket, bytes.data(), bytes.size());
}

bool ReadFrame(int socket, std::u16string& text, std::string& why) {
    unsigned char header[4];
    if (!ReadAll(socket, header, sizeof header)) return why = "kanał wirtualny został zamknięty", false;
    const auto length = static_cast<std::int32_t>(std::uint32_t{header[0]} | std::uint32_t{header[1]} << 8 |
                                                  std::uint32_t{header[2]} << 16 | std::uint32_t{header[3]} << 24);
    if (length < 0 || length > kMaxFrameUnits)
        return why = "kanał wirtualny zapowiedział tekst o długości " + std::to_string(length), false;
    std::vector<unsigned char> bytes(2 * static_cast<std::size_t>(length));
    if (!ReadAll(socket, bytes.data(), bytes.size())) return why = "kanał wirtualny został zamknięty", false;
    text.resize(static_cast<std::size_t>(length));
    for (std::size_t i = 0; i < text.size(); ++i)
        text[i] = static_cast<char16_t>(bytes[2 * i] | bytes[2 * i + 1] << 8);
    return true;
}

}  // namespace tlx::host
