#include "platform/crypto/Certificate.h"

#include <cstdio>

#include <openssl/asn1.h>
#include <openssl/pem.h>

namespace tlx::crypto {

namespace {

// 100-nanosecond intervals from 1601-01-01 to 1970-01-01.
constexpr std::int64_t kUnixEpochAsFileTime = 116444736000000000LL;

FILETIME ToFileTime(const ASN1_TIME* time) {
    struct tm parts {};
    ASN1_TIME_to_tm(time, &parts);
    std::int64_t seconds = timegm(&parts);
    auto ticks = static_cast<std::uint64_t>(seconds * 10000000LL + kUnixEpochAsFileTime);
    return FILETIME{static_cast<DWORD>(ticks & 0xFFFFFFFFu), static_cast<DWORD>(ticks >> 32)};
}

}  // namespace

Certificate::Certificate(X509Ptr x509, KeySource key, HCERTSTORE store)
    : CERT_CONTEXT{}, x509_(std::move(x509)), key_(std::move(key)) {
    int length = i2d_X509(x509_.get(), nullptr);
    encoded_.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
    unsigned char* out = encoded_.data();
    if (length > 0) i2d_X509(x509_.get(), &out);
    info_.NotBefore = ToFileTime(X509_get0_notBefore(x509_.get()));
    info_.NotAfter = ToFileTime(X509_get0_notAfter(x509_.get()));
    dwCertEncodingType = X509_ASN_ENCODING;
    pbCertEncoded = encoded_.data();
    cbCertEncoded = static_cast<DWORD>(encoded_.size());
    pCertInfo = &info_;
    hCertStore = store;
}

void Certificate::Release() const {
    if (refs_.fetch_sub(1) == 1) delete this;
}

namespace {
KeyPtr SharedKey(EVP_PKEY* key) {
    EVP_PKEY_up_ref(key);
    return KeyPtr(key);
}
}  // namespace

KeyPtr Certificate::ReadKey() const {
    std::lock_guard lock(keyMutex_);
    if (keptKey_) return SharedKey(keptKey_.get());
    KeyPtr key;
    if (key_.kind == KeySource::Kind::Loaded && key_.key) {
        key = SharedKey(key_.key.get());
    } else if (key_.kind == KeySource::Kind::PemFile) {
        if (FILE* file = std::fopen(key_.file.c_str(), "rb")) {
            key.reset(PEM_read_PrivateKey(file, nullptr, nullptr, const_cast<char*>("")));
            std::fclose(file);
        }
    }
    if (key && X509_check_private_key(x509_.get(), key.get()) != 1) key.reset();
    if (!key) {
        SetLastError(NTE_BAD_KEYSET);
        return key;
    }
    keptKey_ = SharedKey(key.get());
    return key;
}

std::string Certificate::Thumbprint() const {
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    X509_digest(x509_.get(), EVP_sha1(), digest, &length);
    std::string hex;
    char pair[3];
    for (unsigned int i = 0; i < length; ++i) {
        std::snprintf(pair, sizeof pair, "%02X", digest[i]);
        hex += pair;
    }
    return hex;
}

std::string Certificate::SubjectName() const {
    X509_NAME* subject = X509_get_subject_name(x509_.get());
    int index = X509_NAME_get_index_by_NID(subject, NID_commonName, -1);
    if (index < 0) return {};
    unsigned char* utf8 = nullptr;
    int length = ASN1_STRING_to_UTF8(&utf8, X509_NAME_ENTRY_get_data(X509_NAME_get_entry(subject, index)));
    std::string name = length > 0 ? std::string(reinterpret_cast<char*>(utf8), static_cast<std::size_t>(length)) : "";
    OPENSSL_free(utf8);
    return name;
}

}  // namespace tlx::crypto
