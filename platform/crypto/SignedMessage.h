// A signed message being encoded: the signer's certificate and key, the content given to it, and,
// once the content is final, the DER of the CMS SignedData (CAdES-BES, SHA-256, content attached).
#pragma once

#include <vector>

#include "platform/crypto/Certificate.h"

struct CryptMsgHandle {};

namespace tlx::crypto {

class SignedMessage final : public CryptMsgHandle {
public:
    SignedMessage(const Certificate* signer, KeyPtr key);
    ~SignedMessage();
    SignedMessage(const SignedMessage&) = delete;
    SignedMessage& operator=(const SignedMessage&) = delete;

    static SignedMessage* From(HCRYPTMSG handle) { return static_cast<SignedMessage*>(handle); }
    // Appends content; the last piece (`final`) signs it. False with CRYPT_E_MSG_ERROR when signing fails.
    bool Update(const BYTE* data, DWORD length, bool final);
    bool IsEncoded() const { return encoded_; }
    const std::vector<BYTE>& Encoded() const { return der_; }

    // Signs `content` with a certificate and key; empty when OpenSSL refuses.
    static std::vector<BYTE> Sign(X509* certificate, EVP_PKEY* key, const std::vector<BYTE>& content);

private:
    const Certificate* signer_;
    KeyPtr key_;
    std::vector<BYTE> content_;
    std::vector<BYTE> der_;
    bool encoded_ = false;
};

}  // namespace tlx::crypto
