#include "platform/crypto/SignedMessage.h"

#include <memory>

#include <openssl/bio.h>
#include <openssl/cms.h>
#include <openssl/err.h>

namespace tlx::crypto {

SignedMessage::SignedMessage(const Certificate* signer, KeyPtr key) : signer_(signer), key_(std::move(key)) {
    signer_->AddRef();
}

SignedMessage::~SignedMessage() { signer_->Release(); }

bool SignedMessage::Update(const BYTE* data, DWORD length, bool final) {
    if (encoded_) {
        SetLastError(CRYPT_E_MSG_ERROR);
        return false;
    }
    content_.insert(content_.end(), data, data + length);
    if (!final) return true;
    der_ = Sign(signer_->X509Cert(), key_.get(), content_);
    if (der_.empty()) {
        SetLastError(CRYPT_E_MSG_ERROR);
        return false;
    }
    encoded_ = true;
    return true;
}

std::vector<BYTE> SignedMessage::Sign(X509* certificate, EVP_PKEY* key, const std::vector<BYTE>& content) {
    constexpr unsigned kFlags = CMS_BINARY | CMS_CADES | CMS_NOSMIMECAP;
    std::vector<BYTE> der;
    std::unique_ptr<BIO, decltype(&BIO_free)> in(BIO_new_mem_buf(content.data(), static_cast<int>(content.size())),
                                                 BIO_free);
    std::unique_ptr<CMS_ContentInfo, decltype(&CMS_ContentInfo_free)> cms(
        CMS_sign(nullptr, nullptr, nullptr, nullptr, kFlags | CMS_PARTIAL), CMS_ContentInfo_free);
    if (in && cms && CMS_add1_signer(cms.get(), certificate, key, EVP_sha256(), kFlags) &&
        CMS_final(cms.get(), in.get(), nullptr, kFlags) == 1) {
        unsigned char* out = nullptr;
        int length = i2d_CMS_ContentInfo(cms.get(), &out);
        if (length > 0) der.assign(out, out + length);
        OPENSSL_free(out);
    }
    ERR_clear_error();
    return der;
}

}  // namespace tlx::crypto
