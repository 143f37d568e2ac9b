// Signing on the user's machine when the operator works in a remote-desktop session: the document goes
// over the session's virtual channel to the signing component installed there, in pieces, is signed
// with the certificate chosen there and comes back as the Base64 text of the signed message.
//
// The channel client is one for the process: absent → (first command: created, connected) → present →
// (any failed client call: released) → absent, so that the command after a failure connects anew.
// Per object: the component's certificate is forgotten before the object's first remote signing.
#pragma once

#include <string>
#include <string_view>

#include "platform/com/Types.h"

class VirtualChannelSigning {
public:
    // The longest piece of the document one "put#" command carries, in UTF-16 code units.
    static constexpr std::size_t kPieceLength = 1590;

    // A failure of the channel or of the component, with the text the user is shown.
    struct Failure {
        std::u16string text;
    };

    // One command and its reply's payload. Raises Failure with the user's text (a client that cannot be
    // created or connected: the hint to install the component); a failed call of a connected client
    // without an error description raises E_POINTER.
    static std::u16string SendOverVirtualChannel(std::u16string_view command);
    // The check after every client call: anything but S_OK lets the client go.
    static void CheckVirtualChannelResult(HRESULT result);

    // The signed message of the document (its UTF-16 text) as Base64 bytes; `serial`: the component
    // signs without asking. Raises Failure as SendOverVirtualChannel does, and when the component's
    // result is empty, ends early or is not Base64.
    std::string SignOverVirtualChannel(std::u16string_view document, bool serial);
    // Tells the component to forget its certificate, so that its next signing asks again.
    static void ForgetCertificate();

private:
    bool resetCertificate_ = true;
};
