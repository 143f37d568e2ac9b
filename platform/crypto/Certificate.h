// One certificate of a store, behind the CERT_CONTEXT handed out for it: its encoding, validity and
// where its private key is kept. Reference counted: the store holds one reference, every context
// handed out (enumerated, duplicated, chosen) another, so a chosen certificate outlives its store.
// The key is read only when a signature needs it.
#pragma once

#include <atomic>
#include <filesystem>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include <openssl/evp.h>
#include <openssl/x509.h>

#include "platform/crypto/Crypt.h"

namespace tlx::crypto {

struct X509Free {
    void operator()(X509* x) const { X509_free(x); }
};
struct KeyFree {
    void operator()(EVP_PKEY* k) const { EVP_PKEY_free(k); }
};
using X509Ptr = std::unique_ptr<X509, X509Free>;
using KeyPtr = std::unique_ptr<EVP_PKEY, KeyFree>;

// Where the private key of a certificate comes from.
struct KeySource {
    enum class Kind { None, PemFile, Loaded } kind = Kind::None;
    std::filesystem::path file;  // PemFile: the file holding the key
    KeyPtr key;                  // Loaded: read together with the certificate (PKCS#12)
};

class Certificate final : public CERT_CONTEXT {
public:
    Certificate(X509Ptr x509, KeySource key, HCERTSTORE store);

    static const Certificate* From(PCCERT_CONTEXT context) { return static_cast<const Certificate*>(context); }
    void AddRef() const { refs_.fetch_add(1); }
    void Release() const;

    X509* X509Cert() const { return x509_.get(); }
    bool HasKey() const { return key_.kind != KeySource::Kind::None; }
    // The private key matching the certificate, or null (NTE_BAD_KEYSET left for GetLastError). A key
    // read from its file is kept once it matches, so later signatures with the same certificate do not
    // decode the file again; a key that could not be read is tried afresh next time.
    KeyPtr ReadKey() const;
    std::string Thumbprint() const;   // SHA-1 of the encoding, upper-case hex
    std::string SubjectName() const;  // the subject's common name

private:
    X509Ptr x509_;
    KeySource key_;
    mutable std::mutex keyMutex_;
    mutable KeyPtr keptKey_;
    std::vector<BYTE> encoded_;
    CERT_INFO info_{};
    mutable std::atomic<int> refs_{1};
};

}  // namespace tlx::crypto
