// Local signing: the certificate chosen once per object, what the dialog shows, the failures and their
// texts, and the Base64 text of a CAdES message that verifies against the issuing CA.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include <openssl/bio.h>
#include <openssl/cms.h>
#include <openssl/evp.h>
#include <openssl/x509.h>

#include "mv_deklaracje/edeklaracje/CertificateSigning.h"
#include "mv_deklaracje/edeklaracje/EDeklaracja.h"
#include "platform/com/ErrorInfo.h"
#include "platform/crypto/CryptUi.h"
#include "platform/text/CodePage.h"
#include "platform/ui/Window.h"
#include "tests/support/TestPki.h"

namespace {

std::string CommonName(PCCERT_CONTEXT cert) {
    const BYTE* encoded = cert->pbCertEncoded;
    X509* x509 = d2i_X509(nullptr, &encoded, cert->cbCertEncoded);
    char cn[128] = {};
    X509_NAME_get_text_by_NID(X509_get_subject_name(x509), NID_commonName, cn, sizeof cn);
    X509_free(x509);
    return cn;
}

// Records what the signing reports and chooses the certificate named `choose` among those shown.
class SigningTest : public ::testing::Test, protected CertificateSigning::Owner {
protected:
    void SetUp() override {
        ::unsetenv("TLX_CERT_SELECT");
        previous_ = tlx::SetCertificateChooser([this](const tlx::CertificateChoice& choice) {
            ++selections;
            lastChoice = choice;
            shownNames.clear();
            int chosen = -1;
            for (std::size_t i = 0; i < choice.shown.size(); ++i) {
                shownNames.push_back(CommonName(choice.shown[i]));
                if (shownNames.back() == choose) chosen = static_cast<int>(i);
            }
            return chosen;
        });
    }
    void TearDown() override { tlx::SetCertificateChooser(previous_); }

    void SigningFailed(std::u16string_view text) override { failures.emplace_back(text); }
    void SigningNote(std::u16string_view text, LONG level) override {
        notes.push_back(std::u16string(text) + u" #" + static_cast<char16_t>(u'0' + level));
    }
    bool InSerialMode() const override { return serial; }
    std::u16string CompanyDatabaseName() override { return u"Biuro Demo"; }

    // The signed content of a Base64 CMS message that verifies against the test CA; empty otherwise.
    std::string VerifiedContent(const std::string& base64) {
        std::vector<unsigned char> der(base64.size());
        int length = EVP_DecodeBlock(der.data(), reinterpret_cast<const unsigned char*>(base64.data()),
                                     static_cast<int>(base64.size()));
        if (length < 0) return {};
        length -= base64.ends_with("==") ? 2 : base64.ends_with("=") ? 1 : 0;
        const unsigned char* in = der.data();
        std::unique_ptr<CMS_ContentInfo, decltype(&CMS_ContentInfo_free)> cms(d2i_CMS_ContentInfo(nullptr, &in, length),
                                                                             CMS_ContentInfo_free);
        if (!cms) return {};
        X509_STORE* trust = X509_STORE_new();
        X509_STORE_load_file(trust, pki_.CaCert().c_str());
        BIO* out = BIO_new(BIO_s_mem());
        std::string content;
        if (CMS_verify(cms.get(), nullptr, trust, nullptr, out, CMS_BINARY | CMS_CADES) == 1) {
            char* data = nullptr;
            long size = BIO_get_mem_data(out, &data);
            content.assign(data, static_cast<std::size_t>(size));
        }
        BIO_free(out);
        X509_STORE_free(trust);
        return content;
    }

    TestPki pki_;
    tlx::CertificateChooser previous_;
    std::string choose = "Jan Testowy";
    int selections = 0;
    tlx::CertificateChoice lastChoice;
    std::vector<std::string> shownNames;
    std::vector<std::u16string> failures;
    std::vector<std::u16string> notes;
    bool serial = false;
};

const std::string kDocument =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Deklaracja xmlns=\"urn:d\"><P_1>Zażółć\n\tgęślą</P_1></Deklaracja>";

TEST_F(SigningTest, TheFirstSigningChoosesAndLaterOnesKeepTheChoiceUntilReleased) {
    CertificateSigning signing(*this);
    std::string first = signing.SignWithCertificate(kDocument);
    ASSERT_FALSE(first.empty()) << tlx::Utf16ToUtf8(failures.empty() ? u"" : failures[0]);
    EXPECT_EQ(first.find_first_of("\r\n"), std::string::npos);
    EXPECT_EQ(VerifiedContent(first), kDocument);  // line feeds and tabs are signed as they stand
    EXPECT_EQ(selections, 1);
    EXPECT_EQ(shownNames, (std::vector<std::string>{"Zły Klucz", "Jan Testowy", "Anna Testowa"}));
    EXPECT_EQ(notes, std::vector<std::u16string>{u"Podpisanie deklaracji #2"});

    choose = "Anna Testowa";
    EXPECT_EQ(VerifiedContent(signing.SignWithCertificate(kDocument)), kDocument);
    EXPECT_EQ(selections, 1);

    signing.Release();
    EXPECT_FALSE(signing.HoldsCertificate());
    EXPECT_EQ(VerifiedContent(signing.SignWithCertificate(kDocument)), kDocument);
    EXPECT_EQ(selections, 2);
    EXPECT_TRUE(failures.empty());
}

TEST_F(SigningTest, FailuresAreReportedOnceAndSignNothing) {
    struct Row {
        const char* choose;
        const char16_t* failure;
    };
    for (Row row : {Row{"", u"Błąd wykonywania podpisu: Nie wybrano certyfikatu"},
                    Row{"Zły Klucz", u"Błąd wykonywania podpisu: Wybrany certyfikat nie ma poprawnego klucza prywatnego"}}) {
        SCOPED_TRACE(row.choose);
        failures.clear();
        notes.clear();
        choose = row.choose;
        CertificateSigning signing(*this);
        EXPECT_EQ(signing.SignWithCertificate(kDocument), "");
        EXPECT_EQ(failures, std::vector<std::u16string>{row.failure});
        EXPECT_TRUE(notes.empty());
    }
}

TEST_F(SigningTest, TheDialogIsOwnedByTheProgressWindowElseTheMainWindowAndByNoneInSerialMode) {
    CertificateSigning signing(*this);
    HCERTSTORE store = CertOpenStore(CERT_STORE_PROV_SYSTEM_W, 0, 0, CERT_SYSTEM_STORE_CURRENT_USER, u"MY");
    auto select = [&] {
        PCCERT_CONTEXT chosen = signing.SelectCertificate(store);
        CertFreeCertificateContext(chosen);
        return lastChoice.ownerTitle;
    };
    EXPECT_EQ(select(), "");
    EXPECT_FALSE(lastChoice.mayAsk);
    {
        tlx::TopLevelWindow main("TLX Biuro Rachunkowe [Biuro Demo]");
        EXPECT_EQ(select(), "TLX Biuro Rachunkowe [Biuro Demo]");
        EXPECT_TRUE(lastChoice.mayAsk);
        tlx::TopLevelWindow progress("Wysyłanie deklaracji");
        EXPECT_EQ(select(), "Wysyłanie deklaracji");
        serial = true;
        EXPECT_EQ(select(), "");
        EXPECT_FALSE(lastChoice.mayAsk);
    }
    CertCloseStore(store, 0);

    EXPECT_EQ(signing.SelectCertificate(nullptr), nullptr);
    EXPECT_EQ(failures,
              std::vector<std::u16string>{u"Błąd wybierania certyfikatu: Nie można uzyskać dostępu do magazynu certyfikatów"});
}

TEST(CertificateSigningBase64, EncodesGroupsOfThreeWithPadding) {
    struct Row {
        std::string bytes;
        std::string text;
    };
    for (const Row& row : {Row{"", ""}, Row{"f", "Zg=="}, Row{"fo", "Zm8="}, Row{"foo", "Zm9v"},
                           Row{"foobar", "Zm9vYmFy"}, Row{"\xff\xfe", "//4="}, Row{std::string("\0\0\0", 3), "AAAA"}}) {
        EXPECT_EQ(CertificateSigning::EncodeBase64(reinterpret_cast<const BYTE*>(row.bytes.data()), row.bytes.size()),
                  row.text)
            << row.text;
    }
}

TEST(EDeklaracjaSigning, ReleasingTheCertificateNeedsALogin) {
    auto object = CEDeklaracja::Make();
    EXPECT_EQ(object->UsunCertyfikat(), static_cast<HRESULT>(0x800575A2));
    tlx::ComPtr<IErrorInfo> info;
    ASSERT_EQ(GetErrorInfo(0, info.Out()), S_OK);
    ASSERT_TRUE(info);
    tlx::Bstr text;
    info->GetDescription(text.Out());
    EXPECT_FALSE(text.View().empty());
}

}  // namespace
