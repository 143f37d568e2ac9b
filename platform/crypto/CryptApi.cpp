// The CryptoAPI calls over the store folders, certificates and signed messages of this folder.
#include <chrono>
#include <cstring>
#include <string>

#include "platform/crypto/CertStore.h"
#include "platform/crypto/Crypt.h"
#include "platform/crypto/SignedMessage.h"
#include "platform/text/CodePage.h"

using tlx::crypto::Certificate;
using tlx::crypto::CertStore;
using tlx::crypto::SignedMessage;

namespace {

thread_local DWORD lastError = 0;

// The private key handed out by CryptAcquireCertificatePrivateKey: the certificate it belongs to.
// The key itself is read when a message is signed, so that a key that cannot be read shows there.
struct KeyHandle {
    const Certificate* certificate;
};

std::int64_t ToTicks(const FILETIME& time) {
    return static_cast<std::int64_t>((std::uint64_t{time.dwHighDateTime} << 32) | time.dwLowDateTime);
}

FILETIME Now() {
    constexpr std::int64_t kUnixEpochAsFileTime = 116444736000000000LL;
    auto since = std::chrono::system_clock::now().time_since_epoch();
    auto ticks = static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::microseconds>(since).count() * 10 +
                                            kUnixEpochAsFileTime);
    return FILETIME{static_cast<DWORD>(ticks & 0xFFFFFFFFu), static_cast<DWORD>(ticks >> 32)};
}

BOOL Fail(DWORD code) {
    lastError = code;
    return FALSE;
}

// The signer of a one-signer encode description, with its certificate; null (and the error) otherwise.
const CMSG_SIGNER_ENCODE_INFO* SingleSigner(DWORD encoding, DWORD type, const void* info) {
    const auto* signed_ = static_cast<const CMSG_SIGNED_ENCODE_INFO*>(info);
    if (type != CMSG_SIGNED || signed_ == nullptr || signed_->cSigners != 1 || signed_->rgSigners == nullptr ||
        (encoding & PKCS_7_ASN_ENCODING) == 0 || signed_->cCrlEncoded != 0) {
        Fail(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    const CMSG_SIGNER_ENCODE_INFO* signer = signed_->rgSigners;
    if (signer->HashAlgorithm.pszObjId == nullptr || std::strcmp(signer->HashAlgorithm.pszObjId, szOID_NIST_sha256) != 0) {
        Fail(NTE_BAD_ALGID);
        return nullptr;
    }
    if (signer->hCryptProv == 0) {
        Fail(NTE_BAD_KEYSET);
        return nullptr;
    }
    return signer;
}

const Certificate* SignerCertificate(const CMSG_SIGNER_ENCODE_INFO* signer) {
    return reinterpret_cast<const KeyHandle*>(signer->hCryptProv)->certificate;
}

}  // namespace

DWORD GetLastError() { return lastError; }
void SetLastError(DWORD code) { lastError = code; }

HCERTSTORE CertOpenStore(LPCSTR provider, DWORD /*encoding*/, HCRYPTPROV /*prov*/, DWORD flags, const void* para) {
    if (provider != CERT_STORE_PROV_SYSTEM_W || (flags & CERT_SYSTEM_STORE_CURRENT_USER) == 0 || para == nullptr) {
        Fail(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    auto folder = CertStore::FolderOf(tlx::Utf16ToUtf8(static_cast<const char16_t*>(para)));
    std::error_code ec;
    if (std::filesystem::exists(folder, ec)) {
        std::filesystem::directory_iterator probe(folder, ec);
        if (ec) {
            Fail(ERROR_ACCESS_DENIED);
            return nullptr;
        }
    }
    return new CertStore(folder);
}

BOOL CertCloseStore(HCERTSTORE store, DWORD /*flags*/) {
    delete CertStore::From(store);
    return TRUE;
}

PCCERT_CONTEXT CertEnumCertificatesInStore(HCERTSTORE store, PCCERT_CONTEXT previous) {
    if (store == nullptr) return Fail(ERROR_INVALID_PARAMETER), nullptr;
    const auto& certificates = CertStore::From(store)->Certificates();
    std::size_t next = 0;
    if (previous != nullptr) {
        for (std::size_t i = 0; i < certificates.size(); ++i)
            if (certificates[i] == previous) next = i + 1;
        Certificate::From(previous)->Release();
    }
    if (next >= certificates.size()) return Fail(CRYPT_E_NOT_FOUND), nullptr;
    certificates[next]->AddRef();
    return certificates[next];
}

PCCERT_CONTEXT CertDuplicateCertificateContext(PCCERT_CONTEXT cert) {
    if (cert != nullptr) Certificate::From(cert)->AddRef();
    return cert;
}

BOOL CertFreeCertificateContext(PCCERT_CONTEXT cert) {
    if (cert != nullptr) Certificate::From(cert)->Release();
    return TRUE;
}

LONG CertVerifyTimeValidity(const FILETIME* time, PCERT_INFO info) {
    std::int64_t now = ToTicks(time ? *time : Now());
    if (now < ToTicks(info->NotBefore)) return -1;
    if (now > ToTicks(info->NotAfter)) return 1;
    return 0;
}

BOOL CertGetCertificateContextProperty(PCCERT_CONTEXT cert, DWORD propId, void* data, DWORD* size) {
    if (cert == nullptr || size == nullptr) return Fail(ERROR_INVALID_PARAMETER);
    if (propId != CERT_KEY_PROV_INFO_PROP_ID || !Certificate::From(cert)->HasKey()) return Fail(CRYPT_E_NOT_FOUND);
    // The property's value is not used by anyone: a single zero byte stands for it.
    if (data != nullptr) {
        if (*size < 1) return *size = 1, Fail(ERROR_MORE_DATA);
        *static_cast<BYTE*>(data) = 0;
    }
    *size = 1;
    return TRUE;
}

BOOL CryptAcquireCertificatePrivateKey(PCCERT_CONTEXT cert, DWORD /*flags*/, void* /*reserved*/,
                                       HCRYPTPROV_OR_NCRYPT_KEY_HANDLE* key, DWORD* keySpec, BOOL* callerFree) {
    if (cert == nullptr || key == nullptr) return Fail(ERROR_INVALID_PARAMETER);
    if (!Certificate::From(cert)->HasKey()) return Fail(CRYPT_E_NOT_FOUND);
    Certificate::From(cert)->AddRef();
    *key = reinterpret_cast<HCRYPTPROV_OR_NCRYPT_KEY_HANDLE>(new KeyHandle{Certificate::From(cert)});
    if (keySpec) *keySpec = AT_SIGNATURE;
    if (callerFree) *callerFree = TRUE;
    return TRUE;
}

BOOL CryptReleaseContext(HCRYPTPROV prov, DWORD /*flags*/) {
    if (prov == 0) return Fail(ERROR_INVALID_PARAMETER);
    auto* handle = reinterpret_cast<KeyHandle*>(prov);
    handle->certificate->Release();
    delete handle;
    return TRUE;
}

DWORD CryptMsgCalculateEncodedLength(DWORD encoding, DWORD /*flags*/, DWORD type, const void* info, LPCSTR innerType,
                                     DWORD dataLength) {
    if (innerType != nullptr) return Fail(CRYPT_E_UNKNOWN_ALGO), 0;
    const CMSG_SIGNER_ENCODE_INFO* signer = SingleSigner(encoding, type, info);
    if (signer == nullptr) return 0;
    const Certificate* certificate = SignerCertificate(signer);
    auto key = certificate->ReadKey();
    if (!key) return 0;
    // Content, certificate, the signature and the signed attributes with their framing.
    constexpr DWORD kAttributesAndFraming = 1024;
    return dataLength + certificate->cbCertEncoded + static_cast<DWORD>(EVP_PKEY_get_size(key.get())) +
           kAttributesAndFraming;
}

HCRYPTMSG CryptMsgOpenToEncode(DWORD encoding, DWORD /*flags*/, DWORD type, const void* info, LPCSTR innerType,
                               const void* streamInfo) {
    if (innerType != nullptr || streamInfo != nullptr) return Fail(ERROR_INVALID_PARAMETER), nullptr;
    const CMSG_SIGNER_ENCODE_INFO* signer = SingleSigner(encoding, type, info);
    if (signer == nullptr) return nullptr;
    const Certificate* certificate = SignerCertificate(signer);
    auto key = certificate->ReadKey();
    if (!key) return nullptr;
    return new SignedMessage(certificate, std::move(key));
}

BOOL CryptMsgUpdate(HCRYPTMSG msg, const BYTE* data, DWORD length, BOOL final) {
    if (msg == nullptr || (data == nullptr && length != 0)) return Fail(ERROR_INVALID_PARAMETER);
    return SignedMessage::From(msg)->Update(data, length, final != FALSE) ? TRUE : FALSE;
}

BOOL CryptMsgGetParam(HCRYPTMSG msg, DWORD paramType, DWORD /*index*/, void* data, DWORD* size) {
    if (msg == nullptr || size == nullptr || paramType != CMSG_CONTENT_PARAM) return Fail(ERROR_INVALID_PARAMETER);
    const SignedMessage* message = SignedMessage::From(msg);
    if (!message->IsEncoded()) return Fail(CRYPT_E_MSG_ERROR);
    const auto& der = message->Encoded();
    if (data != nullptr && *size < der.size()) return *size = static_cast<DWORD>(der.size()), Fail(ERROR_MORE_DATA);
    if (data != nullptr) std::memcpy(data, der.data(), der.size());
    *size = static_cast<DWORD>(der.size());
    return TRUE;
}

BOOL CryptMsgClose(HCRYPTMSG msg) {
    delete SignedMessage::From(msg);
    return TRUE;
}
