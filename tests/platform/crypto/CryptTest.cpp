// The personal certificate store over its folder, the selection dialog's choosers and CAdES signing.
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <openssl/bio.h>
#include <openssl/cms.h>
#include <openssl/pem.h>
#include <openssl/x509.h>

#include "platform/crypto/Crypt.h"
#include "platform/crypto/CryptUi.h"
#include "platform/ui/Window.h"
#include "tests/support/TestPki.h"

namespace {

class CryptTest : public ::testing::Test {
protected:
    void SetUp() override {
        ::unsetenv("TLX_CERT_SELECT");
        store_ = CertOpenStore(CERT_STORE_PROV_SYSTEM_W, 0, 0, CERT_SYSTEM_STORE_CURRENT_USER | CERT_STORE_READONLY_FLAG,
                               u"MY");
        ASSERT_NE(store_, nullptr);
    }
    void TearDown() override {
        CertCloseStore(store_, 0);
        ::unsetenv("TLX_CERT_SELECT");
    }

    // Subject common name → certificate context (references given back in TearDown's close).
    std::map<std::string, PCCERT_CONTEXT> ByName() {
        std::map<std::string, PCCERT_CONTEXT> found;
        for (PCCERT_CONTEXT cert = CertEnumCertificatesInStore(store_, nullptr); cert != nullptr;
             cert = CertEnumCertificatesInStore(store_, cert)) {
            const BYTE* encoded = cert->pbCertEncoded;
            X509* x509 = d2i_X509(nullptr, &encoded, cert->cbCertEncoded);
            char cn[128] = {};
            X509_NAME_get_text_by_NID(X509_get_subject_name(x509), NID_commonName, cn, sizeof cn);
            X509_free(x509);
            found[cn] = cert;
        }
        return found;
    }

    PCCERT_CONTEXT Select(HWND owner = nullptr) {
        CRYPTUI_SELECTCERTIFICATE_STRUCTA select{};
        select.dwSize = sizeof select;
        select.hwndParent = owner;
        select.pFilterCallback = [](PCCERT_CONTEXT cert, BOOL* initial, void*) -> BOOL {
            *initial = FALSE;
            DWORD size = 0;
            return CertVerifyTimeValidity(nullptr, cert->pCertInfo) == 0 &&
                   CertGetCertificateContextProperty(cert, CERT_KEY_PROV_INFO_PROP_ID, nullptr, &size);
        };
        select.cDisplayStores = 1;
        select.rghDisplayStores = &store_;
        return CryptUIDlgSelectCertificateA(&select);
    }

    // The whole signing sequence the module runs; the DER, or empty with the failing call's error.
    std::vector<BYTE> Sign(PCCERT_CONTEXT cert, const std::string& content, DWORD* error,
                           LPCSTR hash = szOID_NIST_sha256) {
        HCRYPTPROV_OR_NCRYPT_KEY_HANDLE key = 0;
        DWORD keySpec = 0;
        BOOL callerFree = FALSE;
        std::vector<BYTE> der;
        *error = 0;
        if (!CryptAcquireCertificatePrivateKey(cert, 0, nullptr, &key, &keySpec, &callerFree)) {
            *error = GetLastError();
            return der;
        }
        CMSG_SIGNER_ENCODE_INFO signer{sizeof signer, cert->pCertInfo, key, keySpec, {hash, {0, nullptr}}};
        CERT_BLOB certBlob{cert->cbCertEncoded, const_cast<BYTE*>(cert->pbCertEncoded)};
        CMSG_SIGNED_ENCODE_INFO info{sizeof info, 1, &signer, 1, &certBlob, 0, nullptr};
        constexpr DWORD kEncoding = X509_ASN_ENCODING | PKCS_7_ASN_ENCODING;
        DWORD length = CryptMsgCalculateEncodedLength(kEncoding, CMSG_AUTHENTICATED_ATTRIBUTES_FLAG, CMSG_SIGNED, &info,
                                                      nullptr, static_cast<DWORD>(content.size()));
        if (length == 0) {
            *error = GetLastError();
        } else if (HCRYPTMSG msg = CryptMsgOpenToEncode(kEncoding, CMSG_AUTHENTICATED_ATTRIBUTES_FLAG, CMSG_SIGNED,
                                                        &info, nullptr, nullptr)) {
            der.resize(length);
            DWORD size = length;
            if (!CryptMsgUpdate(msg, reinterpret_cast<const BYTE*>(content.data()), static_cast<DWORD>(content.size()),
                                TRUE) ||
                !CryptMsgGetParam(msg, CMSG_CONTENT_PARAM, 0, der.data(), &size)) {
                *error = GetLastError();
                size = 0;
            }
            der.resize(size);
            CryptMsgClose(msg);
        } else {
            *error = GetLastError();
        }
        if (callerFree) CryptReleaseContext(key, 0);
        return der;
    }

    TestPki pki_;
    HCERTSTORE store_ = nullptr;
};

TEST_F(CryptTest, ListsEveryCertificateWithItsValidityAndWhetherItHasAKey) {
    struct Row {
        const char* name;
        LONG validity;
        bool hasKey;
    };
    const Row rows[] = {
        {"Jan Testowy", 0, true},      {"Anna Testowa", 0, true}, {"Przeterminowany", 1, true},
        {"Jeszcze Nieważny", -1, true}, {"Bez Klucza", 0, false},  {"Zły Klucz", 0, true},
        {"Zablokowany", 0, false},
    };
    auto found = ByName();
    EXPECT_EQ(found.size(), std::size(rows));
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_TRUE(found.count(row.name));
        PCCERT_CONTEXT cert = found[row.name];
        EXPECT_EQ(CertVerifyTimeValidity(nullptr, cert->pCertInfo), row.validity);
        DWORD size = 0;
        EXPECT_EQ(CertGetCertificateContextProperty(cert, CERT_KEY_PROV_INFO_PROP_ID, nullptr, &size) != FALSE,
                  row.hasKey);
        if (!row.hasKey) {
            EXPECT_EQ(GetLastError(), CRYPT_E_NOT_FOUND);
        }
    }
}

TEST_F(CryptTest, AMissingStoreFolderIsAnEmptyStore) {
    ::setenv("TLX_CERT_STORE", (pki_.Dir() / "nowhere").c_str(), 1);
    HCERTSTORE empty = CertOpenStore(CERT_STORE_PROV_SYSTEM_W, 0, 0, CERT_SYSTEM_STORE_CURRENT_USER, u"MY");
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(CertEnumCertificatesInStore(empty, nullptr), nullptr);
    CertCloseStore(empty, 0);
}

TEST_F(CryptTest, SignsCadesBesWithSha256AndTheSignersCertificateOnly) {
    const std::string content = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<a>zażółć\tgęślą</a>";
    DWORD error = 0;
    PCCERT_CONTEXT signer = ByName()["Jan Testowy"];
    std::vector<BYTE> der = Sign(signer, content, &error);
    ASSERT_FALSE(der.empty()) << error;

    const unsigned char* in = der.data();
    std::unique_ptr<CMS_ContentInfo, decltype(&CMS_ContentInfo_free)> cms(
        d2i_CMS_ContentInfo(nullptr, &in, static_cast<long>(der.size())), CMS_ContentInfo_free);
    ASSERT_TRUE(cms);
    X509_STORE* trust = X509_STORE_new();
    X509_STORE_load_file(trust, pki_.CaCert().c_str());
    BIO* out = BIO_new(BIO_s_mem());
    EXPECT_EQ(CMS_verify(cms.get(), nullptr, trust, nullptr, out, CMS_BINARY | CMS_CADES), 1);
    char* data = nullptr;
    long length = BIO_get_mem_data(out, &data);
    EXPECT_EQ(std::string(data, static_cast<std::size_t>(length)), content);
    BIO_free(out);
    X509_STORE_free(trust);

    STACK_OF(CMS_SignerInfo)* signers = CMS_get0_SignerInfos(cms.get());
    ASSERT_EQ(sk_CMS_SignerInfo_num(signers), 1);
    CMS_SignerInfo* info = sk_CMS_SignerInfo_value(signers, 0);
    X509_ALGOR* digest = nullptr;
    CMS_SignerInfo_get0_algs(info, nullptr, nullptr, &digest, nullptr);
    EXPECT_EQ(OBJ_obj2nid(digest->algorithm), NID_sha256);
    EXPECT_GE(CMS_signed_get_attr_by_NID(info, NID_id_smime_aa_signingCertificateV2, -1), 0);
    EXPECT_GE(CMS_signed_get_attr_by_NID(info, NID_pkcs9_signingTime, -1), 0);
    EXPECT_GE(CMS_signed_get_attr_by_NID(info, NID_pkcs9_messageDigest, -1), 0);
    STACK_OF(X509)* certs = CMS_get1_certs(cms.get());
    EXPECT_EQ(sk_X509_num(certs), 1);
    sk_X509_pop_free(certs, X509_free);
    STACK_OF(X509_CRL)* crls = CMS_get1_crls(cms.get());
    EXPECT_EQ(crls == nullptr ? 0 : sk_X509_CRL_num(crls), 0);
    sk_X509_CRL_pop_free(crls, X509_CRL_free);
}

TEST_F(CryptTest, RefusesKeysThatDoNotSignAndDigestsOtherThanSha256) {
    auto found = ByName();
    DWORD error = 0;
    EXPECT_TRUE(Sign(found["Zły Klucz"], "x", &error).empty());
    EXPECT_EQ(error, NTE_BAD_KEYSET);
    EXPECT_TRUE(Sign(found["Bez Klucza"], "x", &error).empty());
    EXPECT_EQ(error, CRYPT_E_NOT_FOUND);
    EXPECT_TRUE(Sign(found["Jan Testowy"], "x", &error, "1.2.840.113549.1.1.5").empty());
    EXPECT_EQ(error, NTE_BAD_ALGID);
    EXPECT_FALSE(Sign(found["Anna Testowa"], "x", &error).empty()) << error;
}

TEST_F(CryptTest, TheEnvironmentChoosesByThumbprintOrNameAndTwoShownWithoutItChooseNone) {
    EXPECT_EQ(Select(), nullptr);  // two valid certificates with keys are shown, none is named

    ::setenv("TLX_CERT_SELECT", "Anna Testowa", 1);
    PCCERT_CONTEXT anna = Select();
    ASSERT_NE(anna, nullptr);
    EXPECT_EQ(anna, ByName()["Anna Testowa"]);

    unsigned char sha1[20];
    unsigned int length = 0;
    const BYTE* encoded = anna->pbCertEncoded;
    X509* x509 = d2i_X509(nullptr, &encoded, anna->cbCertEncoded);
    X509_digest(x509, EVP_sha1(), sha1, &length);
    X509_free(x509);
    std::string hex;
    for (unsigned char byte : sha1) {
        hex += "0123456789abcdef"[byte >> 4];
        hex += "0123456789abcdef"[byte & 15];
    }
    ::setenv("TLX_CERT_SELECT", hex.c_str(), 1);
    PCCERT_CONTEXT byThumbprint = Select();
    EXPECT_EQ(byThumbprint, anna);

    ::setenv("TLX_CERT_SELECT", "Bez Klucza", 1);  // not shown, so not chosen
    EXPECT_EQ(Select(), nullptr);
    ::setenv("TLX_CERT_SELECT", "cancel", 1);
    EXPECT_EQ(Select(), nullptr);

    // A chosen certificate outlives the store it came from.
    CertCloseStore(store_, 0);
    store_ = nullptr;
    DWORD error = 0;
    EXPECT_FALSE(Sign(anna, "x", &error).empty()) << error;
    CertFreeCertificateContext(anna);
    CertFreeCertificateContext(byThumbprint);
}

TEST_F(CryptTest, AnInstalledChooserSeesTheOwnersTitleAndWhatTheFilterShows) {
    tlx::TopLevelWindow main("TLX Biuro Rachunkowe [Demo]");
    tlx::CertificateChoice seen;
    auto previous = tlx::SetCertificateChooser([&](const tlx::CertificateChoice& choice) {
        seen = choice;
        return 1;
    });
    PCCERT_CONTEXT chosen = Select(FindWindowA(nullptr, "TLX Biuro Rachunkowe [Demo]"));
    EXPECT_EQ(seen.ownerTitle, "TLX Biuro Rachunkowe [Demo]");
    EXPECT_TRUE(seen.mayAsk);
    ASSERT_EQ(seen.shown.size(), 3u);  // valid now, with a key (whether it signs shows only when it does)
    EXPECT_EQ(chosen, seen.shown[1]);
    CertFreeCertificateContext(chosen);

    CertFreeCertificateContext(Select(nullptr));
    EXPECT_FALSE(seen.mayAsk);
    EXPECT_EQ(seen.ownerTitle, "");
    tlx::SetCertificateChooser(previous);
    EXPECT_EQ(FindWindowA(nullptr, "Wysyłanie deklaracji"), nullptr);
}

}  // namespace
