#include "platform/crypto/CertStore.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include <openssl/err.h>
#include <openssl/pem.h>
#include <openssl/pkcs12.h>

namespace tlx::crypto {

namespace {

struct FileClose {
    void operator()(FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<FILE, FileClose>;

bool HasPemKey(const std::filesystem::path& file) {
    FilePtr in(std::fopen(file.c_str(), "rb"));
    if (!in) return false;
    char line[256];
    while (std::fgets(line, sizeof line, in.get()))
        if (std::string_view(line).starts_with("-----BEGIN") && std::string_view(line).find("PRIVATE KEY") != std::string_view::npos)
            return true;
    return false;
}

// The certificates of a PKCS#12 whose key needs a password: those kept outside the encrypted parts.
std::vector<X509Ptr> PlainCertificates(PKCS12* p12) {
    std::vector<X509Ptr> found;
    STACK_OF(PKCS7)* safes = PKCS12_unpack_authsafes(p12);
    for (int i = 0; safes && i < sk_PKCS7_num(safes); ++i) {
        PKCS7* safe = sk_PKCS7_value(safes, i);
        if (OBJ_obj2nid(safe->type) != NID_pkcs7_data) continue;
        STACK_OF(PKCS12_SAFEBAG)* bags = PKCS12_unpack_p7data(safe);
        for (int j = 0; bags && j < sk_PKCS12_SAFEBAG_num(bags); ++j) {
            const PKCS12_SAFEBAG* bag = sk_PKCS12_SAFEBAG_value(bags, j);
            if (PKCS12_SAFEBAG_get_nid(bag) != NID_certBag) continue;
            if (X509* x509 = PKCS12_SAFEBAG_get1_cert(bag)) found.emplace_back(x509);
        }
        sk_PKCS12_SAFEBAG_pop_free(bags, PKCS12_SAFEBAG_free);
    }
    sk_PKCS7_pop_free(safes, PKCS7_free);
    return found;
}

}  // namespace

std::filesystem::path CertStore::FolderOf(const std::string& name) {
    if (const char* root = std::getenv("TLX_CERT_STORE"); root && *root) return std::filesystem::path(root) / name;
    const char* home = std::getenv("HOME");
    return std::filesystem::path(home ? home : "") / ".local/share/tlx/certs" / name;
}

CertStore::CertStore(const std::filesystem::path& folder) {
    std::error_code ec;
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec))
        if (entry.is_regular_file(ec)) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    for (const auto& file : files) {
        if (file.extension() == ".pem") LoadPem(file);
        else if (file.extension() == ".p12") LoadPkcs12(file);
    }
    ERR_clear_error();
}

CertStore::~CertStore() {
    for (const Certificate* certificate : certificates_) certificate->Release();
}

void CertStore::LoadPem(const std::filesystem::path& file) {
    FilePtr in(std::fopen(file.c_str(), "rb"));
    if (!in) return;
    X509Ptr x509(PEM_read_X509(in.get(), nullptr, nullptr, nullptr));
    if (!x509) return;
    KeySource key;
    auto keyFile = std::filesystem::path(file).replace_extension(".key");
    if (HasPemKey(file)) key = {KeySource::Kind::PemFile, file, nullptr};
    else if (std::filesystem::exists(keyFile)) key = {KeySource::Kind::PemFile, keyFile, nullptr};
    Add(std::move(x509), std::move(key));
}

void CertStore::LoadPkcs12(const std::filesystem::path& file) {
    FilePtr in(std::fopen(file.c_str(), "rb"));
    if (!in) return;
    std::unique_ptr<PKCS12, decltype(&PKCS12_free)> p12(d2i_PKCS12_fp(in.get(), nullptr), PKCS12_free);
    if (!p12) return;
    EVP_PKEY* key = nullptr;
    X509* x509 = nullptr;
    if (PKCS12_parse(p12.get(), "", &key, &x509, nullptr) == 1 && x509) {
        KeySource source;
        if (key) source = {KeySource::Kind::Loaded, {}, KeyPtr(key)};
        Add(X509Ptr(x509), std::move(source));
        return;
    }
    EVP_PKEY_free(key);
    X509_free(x509);
    for (auto& plain : PlainCertificates(p12.get())) Add(std::move(plain), KeySource{});
}

void CertStore::Add(X509Ptr x509, KeySource key) {
    certificates_.push_back(new Certificate(std::move(x509), std::move(key), nullptr));
}

}  // namespace tlx::crypto
