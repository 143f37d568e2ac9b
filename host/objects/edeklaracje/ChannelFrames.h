// The frames of the remote-desktop virtual channel between the host and the signing component on the
// user's machine, over a Unix socket: a text of UTF-16 code units goes as its length in code units (a
// 32-bit little-endian integer) followed by the units, two little-endian bytes each. A text is never
// split by the framing, so a surrogate pair divided between two pieces of a document arrives intact.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace tlx::host {

// The longest text a frame may announce; a longer or negative length is a broken frame.
inline constexpr std::int64_t kMaxFrameUnits = 64 * 1024 * 1024;

// The socket of a channel: $TLX_VIRTUAL_CHANNEL_DIR/<name>, by default $XDG_RUNTIME_DIR/tlx/<name>.
std::filesystem::path ChannelSocketPath(const std::u16string& channelName);

// Writes one frame; false (errno set) when the socket refuses it.
bool WriteFrame(int socket, const std::u16string& text);
// Reads one frame into `text`; false with `why` (Polish, for the user) when the peer closed the channel
// or announced a length no frame may have.
bool ReadFrame(int socket, std::u16string& text, std::string& why);

}  // namespace tlx::host
