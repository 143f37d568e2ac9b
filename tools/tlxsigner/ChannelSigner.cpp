#include "ChannelSigner.h"

#include <openssl/evp.h>

#include "platform/crypto/Certificate.h"
#include "platform/crypto/CryptUi.h"
#include "platform/crypto/SignedMessage.h"
#include "platform/text/CodePage.h"

namespace tlxsigner {
namespace {

// Offers the certificates valid now whose key is at hand.
BOOL Usable(PCCERT_CONTEXT cert, BOOL*, void*) {
    return CertVerifyTimeValidity(nullptr, cert->pCertInfo) == 0 && tlx::crypto::Certificate::From(cert)->HasKey();
}

std::u16string Base64(const std::vector<BYTE>& bytes) {
    std::string text(4 * ((bytes.size() + 2) / 3) + 1, '\0');
    text.resize(static_cast<std::size_t>(
        EVP_EncodeBlock(reinterpret_cast<unsigned char*>(text.data()), bytes.data(), static_cast<int>(bytes.size()))));
    return tlx::Utf8ToUtf16(text);
}

}  // namespace

ChannelSigner::~ChannelSigner() { ForgetCertificate(); }

void ChannelSigner::ForgetCertificate() {
    if (certificate_) CertFreeCertificateContext(certificate_);
    certificate_ = nullptr;
}

std::u16string ChannelSigner::Answer(const std::u16string& command) {
    if (command == u"clearc#") {
        ForgetCertificate();
        return u"ok#";
    }
    if (command == u"clear#") {
        document_.clear();
        result_.clear();
        return u"ok#";
    }
    if (command.starts_with(u"put#")) {
        document_ += command.substr(4);
        return u"ok#";
    }
    if (command == u"sign#" || command == u"sign#s") return Sign();
    if (command.starts_with(u"get#")) {
        const std::string offset = tlx::Utf16ToUtf8(command.substr(4));
        if (offset.empty() || offset.find_first_not_of("0123456789") != std::string::npos || offset.size() > 9)
            return u"err#Niepoprawne przesunięcie: " + command.substr(4);
        const std::size_t at = std::min<std::size_t>(std::stoul(offset), result_.size());
        return u"ok#" + result_.substr(at, kResultPiece);
    }
    return u"err#Nieznane polecenie: " + command.substr(0, 20);
}

std::u16string ChannelSigner::Sign() {
    result_.clear();
    if (!certificate_) {
        HCERTSTORE store = CertOpenStore(CERT_STORE_PROV_SYSTEM_W, 0, 0,
                                         CERT_SYSTEM_STORE_CURRENT_USER | CERT_STORE_READONLY_FLAG, u"MY");
        if (!store) return u"err#Nie można otworzyć magazynu certyfikatów";
        CRYPTUI_SELECTCERTIFICATE_STRUCTA select{};
        select.dwSize = sizeof select;
        select.szTitle = "Podpis e-deklaracji";
        select.pFilterCallback = &Usable;
        select.cDisplayStores = 1;
        select.rghDisplayStores = &store;
        certificate_ = CryptUIDlgSelectCertificateA(&select);
        CertCloseStore(store, 0);
        if (!certificate_) return u"err#Nie wybrano certyfikatu";
    }
    const auto* certificate = tlx::crypto::Certificate::From(certificate_);
    tlx::crypto::KeyPtr key = certificate->ReadKey();
    if (!key) return u"err#Nie można odczytać klucza prywatnego certyfikatu";
    const std::string bytes = tlx::Utf16ToUtf8(document_);
    const std::vector<BYTE> signedMessage = tlx::crypto::SignedMessage::Sign(
        certificate->X509Cert(), key.get(), std::vector<BYTE>(bytes.begin(), bytes.end()));
    if (signedMessage.empty()) return u"err#Podpisanie dokumentu nie powiodło się";
    result_ = Base64(signedMessage);
    return u"ok#" + tlx::Utf8ToUtf16(std::to_string(result_.size()));
}

}  // namespace tlxsigner
