// A certificate store opened from its folder: every certificate found there when it was opened.
// A file that is not a certificate is skipped; a password-protected PKCS#12 whose certificates can
// still be read is listed without a key.
#pragma once

#include <filesystem>
#include <vector>

#include "platform/crypto/Certificate.h"

struct CertStoreHandle {};

namespace tlx::crypto {

class CertStore final : public CertStoreHandle {
public:
    // The folder of the current user's store of that name: `$TLX_CERT_STORE/<name>`, by default
    // `~/.local/share/tlx/certs/<name>`.
    static std::filesystem::path FolderOf(const std::string& name);

    explicit CertStore(const std::filesystem::path& folder);
    ~CertStore();
    CertStore(const CertStore&) = delete;
    CertStore& operator=(const CertStore&) = delete;

    static CertStore* From(HCERTSTORE handle) { return static_cast<CertStore*>(handle); }
    const std::vector<const Certificate*>& Certificates() const { return certificates_; }

private:
    void LoadPem(const std::filesystem::path& file);
    void LoadPkcs12(const std::filesystem::path& file);
    void Add(X509Ptr x509, KeySource key);

    std::vector<const Certificate*> certificates_;  // one reference each
};

}  // namespace tlx::crypto
