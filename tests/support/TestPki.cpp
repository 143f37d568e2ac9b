#include "tests/support/TestPki.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <stdexcept>

#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/pkcs12.h>
#include <openssl/rsa.h>
#include <openssl/x509v3.h>
#include <unistd.h>

namespace {

using KeyPtr = std::unique_ptr<EVP_PKEY, decltype(&EVP_PKEY_free)>;
using CertPtr = std::unique_ptr<X509, decltype(&X509_free)>;
constexpr long kDay = 24 * 3600;

KeyPtr NewKey() { return KeyPtr(EVP_RSA_gen(2048), EVP_PKEY_free); }

void AddExtension(X509* cert, X509* issuer, int nid, const char* value) {
    X509V3_CTX ctx;
    X509V3_set_ctx(&ctx, issuer, cert, nullptr, nullptr, 0);
    X509_EXTENSION* ext = X509V3_EXT_conf_nid(nullptr, &ctx, nid, value);
    X509_add_ext(cert, ext, -1);
    X509_EXTENSION_free(ext);
}

// A certificate for `key` named `cn`, valid from `from` to `to` seconds around now, issued by
// `issuer` with `issuerKey` (self-signed when null).
CertPtr MakeCert(EVP_PKEY* key, const char* cn, long from, long to, X509* issuer, EVP_PKEY* issuerKey,
                 bool ca = false, const char* subjectAltName = nullptr) {
    static long serial = 1;
    CertPtr cert(X509_new(), X509_free);
    X509_set_version(cert.get(), 2);
    ASN1_INTEGER_set(X509_get_serialNumber(cert.get()), serial++);
    X509_gmtime_adj(X509_getm_notBefore(cert.get()), from);
    X509_gmtime_adj(X509_getm_notAfter(cert.get()), to);
    X509_set_pubkey(cert.get(), key);
    X509_NAME* name = X509_get_subject_name(cert.get());
    X509_NAME_add_entry_by_txt(name, "C", MBSTRING_ASC, reinterpret_cast<const unsigned char*>("PL"), -1, -1, 0);
    X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_UTF8, reinterpret_cast<const unsigned char*>(cn), -1, -1, 0);
    X509_set_issuer_name(cert.get(), issuer ? X509_get_subject_name(issuer) : name);
    X509* issuing = issuer ? issuer : cert.get();
    AddExtension(cert.get(), issuing, NID_basic_constraints, ca ? "critical,CA:TRUE" : "CA:FALSE");
    AddExtension(cert.get(), issuing, NID_key_usage,
                 ca ? "critical,keyCertSign,cRLSign" : "critical,digitalSignature,nonRepudiation,keyEncipherment");
    AddExtension(cert.get(), issuing, NID_subject_key_identifier, "hash");
    if (subjectAltName) AddExtension(cert.get(), issuing, NID_subject_alt_name, subjectAltName);
    X509_sign(cert.get(), issuerKey ? issuerKey : key, EVP_sha256());
    return cert;
}

void WriteCert(const std::filesystem::path& file, X509* cert, EVP_PKEY* key = nullptr) {
    FILE* out = std::fopen(file.c_str(), "wb");
    if (!out) throw std::runtime_error("cannot write " + file.string());
    PEM_write_X509(out, cert);
    if (key) PEM_write_PrivateKey(out, key, nullptr, nullptr, 0, nullptr, nullptr);
    std::fclose(out);
}

void WriteKey(const std::filesystem::path& file, EVP_PKEY* key) {
    FILE* out = std::fopen(file.c_str(), "wb");
    if (!out) throw std::runtime_error("cannot write " + file.string());
    PEM_write_PrivateKey(out, key, nullptr, nullptr, 0, nullptr, nullptr);
    std::fclose(out);
}

// `certNid` -1 keeps the certificate outside the encrypted parts.
void WritePkcs12(const std::filesystem::path& file, X509* cert, EVP_PKEY* key, const char* password, int certNid) {
    PKCS12* p12 = PKCS12_create(password, "signer", key, cert, nullptr, NID_aes_256_cbc, certNid, 0, 0, 0);
    if (!p12) throw std::runtime_error("cannot make " + file.string());
    FILE* out = std::fopen(file.c_str(), "wb");
    i2d_PKCS12_fp(out, p12);
    std::fclose(out);
    PKCS12_free(p12);
}


// The folder of the program's PKI, removed when the program ends.
class PkiFolder {
public:
    PkiFolder() : dir_(std::filesystem::temp_directory_path() / ("tlxpki-" + std::to_string(::getpid()))) {}
    ~PkiFolder() {
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    const std::filesystem::path& Dir() const { return dir_; }

private:
    std::filesystem::path dir_;
};

void MakePki(const std::filesystem::path& dir);

}  // namespace

const std::filesystem::path& TestPki::Shared() {
    static PkiFolder folder;
    static std::once_flag made;
    std::call_once(made, [] { MakePki(folder.Dir()); });
    return folder.Dir();
}

TestPki::TestPki() { ::setenv("TLX_CERT_STORE", (Dir() / "store").c_str(), 1); }

TestPki::~TestPki() { ::unsetenv("TLX_CERT_STORE"); }

namespace {

void MakePki(const std::filesystem::path& dir) {
    const auto store = dir / "store" / "MY";
    const auto caCert = dir / "ca.pem";
    std::filesystem::create_directories(store);

    KeyPtr caKey = NewKey();
    CertPtr ca = MakeCert(caKey.get(), "TLX Test CA", -kDay, 3650 * kDay, nullptr, nullptr, true);
    WriteCert(caCert, ca.get());

    KeyPtr signerKey = NewKey();
    CertPtr signer = MakeCert(signerKey.get(), "Jan Testowy", -kDay, 365 * kDay, ca.get(), caKey.get());
    WriteCert(store / "signer.pem", signer.get());
    WriteKey(store / "signer.key", signerKey.get());

    KeyPtr otherKey = NewKey();
    WriteCert(store / "expired.pem",
              MakeCert(otherKey.get(), "Przeterminowany", -30 * kDay, -kDay, ca.get(), caKey.get()).get(),
              otherKey.get());
    WriteCert(store / "notyet.pem",
              MakeCert(otherKey.get(), "Jeszcze Nieważny", 10 * kDay, 30 * kDay, ca.get(), caKey.get()).get(),
              otherKey.get());
    WriteCert(store / "keyless.pem",
              MakeCert(otherKey.get(), "Bez Klucza", -kDay, 30 * kDay, ca.get(), caKey.get()).get());
    WriteCert(store / "mismatched.pem",
              MakeCert(otherKey.get(), "Zły Klucz", -kDay, 30 * kDay, ca.get(), caKey.get()).get());
    WriteKey(store / "mismatched.key", signerKey.get());

    KeyPtr annaKey = NewKey();
    CertPtr anna = MakeCert(annaKey.get(), "Anna Testowa", -kDay, 365 * kDay, ca.get(), caKey.get());
    WritePkcs12(store / "signer2.p12", anna.get(), annaKey.get(), "", NID_aes_256_cbc);
    WritePkcs12(store / "locked.p12",
                MakeCert(otherKey.get(), "Zablokowany", -kDay, 30 * kDay, ca.get(), caKey.get()).get(),
                otherKey.get(), "tajne", -1);

    KeyPtr serverKey = NewKey();
    WriteCert(dir / "server.pem", MakeCert(serverKey.get(), "127.0.0.1", -kDay, 30 * kDay, ca.get(), caKey.get(), false,
                                     "IP:127.0.0.1,DNS:localhost").get());
    WriteKey(dir / "server.key", serverKey.get());

}

}  // namespace
