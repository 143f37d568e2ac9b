// A throw-away PKI made at run time in a temporary folder (no keys live in the repository): a CA, the
// certificates of a personal store and a TLS server certificate for 127.0.0.1. It is made once per test
// program (making RSA keys is slow) and removed when the program ends; while a TestPki object lives,
// `TLX_CERT_STORE` points at its store root, whose "MY" folder holds:
//   signer.pem (+ signer.key)       valid, with its key, CN "Jan Testowy"
//   expired.pem, notyet.pem         outside their validity, with keys
//   keyless.pem                     no key
//   mismatched.pem (+ .key)         a key that belongs to another certificate
//   signer2.p12                     valid, PKCS#12 with the empty password, CN "Anna Testowa"
//   locked.p12                      PKCS#12 whose key needs a password ("tajne")
#pragma once

#include <filesystem>
#include <string>

class TestPki {
public:
    TestPki();
    ~TestPki();
    TestPki(const TestPki&) = delete;
    TestPki& operator=(const TestPki&) = delete;

    const std::filesystem::path& Dir() const { return Shared(); }
    std::filesystem::path Store() const { return Dir() / "store" / "MY"; }
    std::filesystem::path CaCert() const { return Dir() / "ca.pem"; }
    std::filesystem::path ServerCert() const { return Dir() / "server.pem"; }
    std::filesystem::path ServerKey() const { return Dir() / "server.key"; }

private:
    static const std::filesystem::path& Shared();
};
