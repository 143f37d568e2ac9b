// What the signing component does with the commands of one channel: keeps the document's pieces,
// signs them with the certificate the user chose (CAdES, SHA-256, the document attached) and hands the
// Base64 result out in pieces. The certificate is chosen at the first signing and kept until "clearc#".
#pragma once

#include <string>

#include "platform/crypto/Crypt.h"

namespace tlxsigner {

class ChannelSigner {
public:
    // The most a "get#" reply carries.
    static constexpr std::size_t kResultPiece = 1000;

    ChannelSigner() = default;
    ~ChannelSigner();
    ChannelSigner(const ChannelSigner&) = delete;
    ChannelSigner& operator=(const ChannelSigner&) = delete;

    // The reply to one command: "ok#" + payload or "err#" + why.
    std::u16string Answer(const std::u16string& command);

private:
    std::u16string Sign();
    void ForgetCertificate();

    std::u16string document_;
    std::u16string result_;
    PCCERT_CONTEXT certificate_ = nullptr;
};

}  // namespace tlxsigner
