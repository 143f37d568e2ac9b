// The host's gateway against tlxgate over HTTPS: the bodies it sends, the answers it reads, the
// failures before anything left (no service, an untrusted certificate, an unreachable proxy) that come
// back as results with Success false and the reason, and a sent document without an answer, which is
// HOST_E_GATEWAYNOANSWER.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "host/objects/edeklaracje/EDeklaracjeGateway.h"
#include "hostapi/Errors.h"
#include "platform/com/Bstr.h"
#include "platform/com/ErrorInfo.h"
#include "platform/text/CodePage.h"
#include "tests/support/CannedGateway.h"
#include "tests/support/GateProcess.h"
#include "tests/support/TestPki.h"

namespace {

std::u16string Text(HRESULT (IGatewaySendResult::*get)(BSTR*), IGatewaySendResult* result) {
    tlx::Bstr text;
    EXPECT_EQ((result->*get)(text.Out()), S_OK);
    return std::u16string(text.View());
}

// Sets an environment variable for one test's scope, then unsets it.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const char* value) : name_(name) { setenv(name, value, 1); }
    ~ScopedVariable() { unsetenv(name_); }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    const char* name_;
};

const std::u16string kNoAnswerStart = u"Usługa e-Deklaracji nie odpowiedziała na wysłany dokument (";
const std::u16string kNoAnswerEnd = u"); dokument mógł do niej dotrzeć.";

class EDeklaracjeGateway : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("TLX_SCHEMA_DIR", TLX_SCHEMA_DIR, 0);
        state = std::filesystem::temp_directory_path() / ("tlxgate-" + std::to_string(getpid()));
        std::filesystem::remove_all(state);
        gate.emplace(TLX_GATE_PROGRAM, pki, state);
        gateway = tlx::host::CEDeklaracjeGateway::Make();
        gateway->SetAddress(tlx::Bstr(tlx::Utf8ToUtf16(gate->Url())).Get());
    }
    void TearDown() override {
        gate.reset();
        std::filesystem::remove_all(state);
    }

    struct Sent {
        bool success = false;
        std::u16string refId, statusText, errorText;
        LONG status = 0;
    };
    Sent SendSigned(std::u16string_view base64) {
        tlx::ComPtr<IGatewaySendResult> result;
        EXPECT_EQ(gateway->SendSigned(tlx::Bstr(base64).Get(), result.Out()), S_OK);
        return Read(result.Get());
    }
    static Sent Read(IGatewaySendResult* result) {
        Sent sent;
        if (!result) return sent;
        VARIANT_BOOL success = VARIANT_FALSE;
        result->Success(&success);
        sent.success = success != VARIANT_FALSE;
        result->StatusCode(&sent.status);
        sent.refId = Text(&IGatewaySendResult::RefId, result);
        sent.statusText = Text(&IGatewaySendResult::StatusText, result);
        sent.errorText = Text(&IGatewaySendResult::ErrorText, result);
        return sent;
    }

    TestPki pki;
    std::filesystem::path state;
    std::optional<GateProcess> gate;
    tlx::ComPtr<tlx::host::CEDeklaracjeGateway> gateway;
};

TEST_F(EDeklaracjeGateway, ASignedSendGetsAReferenceAndTheServiceKeepsTheDecodedDocument) {
    const Sent sent = SendSigned(u"AAECAwQF");  // bytes 0..5
    ASSERT_TRUE(sent.success) << tlx::Utf16ToUtf8(sent.errorText);
    EXPECT_EQ(sent.refId.size(), 32u);
    EXPECT_EQ(sent.refId.find_first_not_of(u"0123456789abcdef"), std::u16string::npos);
    EXPECT_EQ(sent.status, 301);
    EXPECT_EQ(gate->Received(".p7s"), std::string("\0\1\2\3\4\5", 6));
}

TEST_F(EDeklaracjeGateway, AnUnsignedSendGoesOutAsTheUtf8BytesOfTheText) {
    const std::u16string document = u"<?xml version=\"1.0\" encoding=\"UTF-8\"?><a>Zażółć gęślą jaźń</a>";
    tlx::ComPtr<IGatewaySendResult> result;
    ASSERT_EQ(gateway->SendUnsigned(tlx::Bstr(document).Get(), 0, tlx::Bstr(u"").Get(), result.Out()), S_OK);
    const Sent sent = Read(result.Get());
    ASSERT_TRUE(sent.success) << tlx::Utf16ToUtf8(sent.errorText);
    EXPECT_EQ(gate->Received(".xml"), tlx::Utf16ToUtf8(document));
}

TEST_F(EDeklaracjeGateway, AReceiptOfAnUnknownReferenceIsStatus300) {
    tlx::ComPtr<IGatewayUpoResult> result;
    ASSERT_EQ(gateway->RequestUpo(tlx::Bstr(u"0123").Get(), tlx::Bstr(u"").Get(), tlx::Bstr(u"pl").Get(), result.Out()),
              S_OK);
    ASSERT_TRUE(result);
    LONG status = 0;
    VARIANT_BOOL success = VARIANT_FALSE;
    result->StatusCode(&status);
    result->Success(&success);
    EXPECT_EQ(status, 300);
    EXPECT_NE(success, VARIANT_FALSE);
}

TEST_F(EDeklaracjeGateway, ABodyTheServiceSchemaRefusesIsStatus100) {
    const Sent sent = SendSigned(u"to nie jest base64!");
    EXPECT_TRUE(sent.success);
    EXPECT_EQ(sent.status, 100);
    EXPECT_EQ(sent.refId, u"");
}

TEST_F(EDeklaracjeGateway, FailuresBeforeTheDocumentLeftAreResultsThatSayWhy) {
    struct Row {
        const char* name;
        std::function<void()> arrange;
    };
    const Row rows[] = {
        {"untrusted certificate", [] { unsetenv("TLX_GATEWAY_CA"); }},
        {"nothing listens", [&] { gateway->SetAddress(tlx::Bstr(u"https://127.0.0.1:1/uslugi/dokumenty").Get()); }},
        {"unreachable proxy",
         [&] {
             gateway->SetProxyActive(1);
             gateway->SetProxyAddress(tlx::Bstr(u"127.0.0.1").Get());
             gateway->SetProxyPort(tlx::Bstr(u"1").Get());
         }},
        {"plain http", [&] { gateway->SetAddress(tlx::Bstr(u"http://127.0.0.1:1/").Get()); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        gateway = tlx::host::CEDeklaracjeGateway::Make();
        gateway->SetAddress(tlx::Bstr(tlx::Utf8ToUtf16(gate->Url())).Get());
        setenv("TLX_GATEWAY_CA", pki.CaCert().c_str(), 1);
        row.arrange();
        const Sent sent = SendSigned(u"AAECAwQF");
        EXPECT_FALSE(sent.success);
        EXPECT_NE(sent.errorText, u"");
        EXPECT_EQ(sent.refId, u"");
        EXPECT_EQ(gate->Received(".p7s"), "") << "nothing was filed";
    }
}

TEST_F(EDeklaracjeGateway, ASendTheServiceTookButDidNotAnswerInTimeMayHaveReachedIt) {
    gate.reset();
    gate.emplace(TLX_GATE_PROGRAM, pki, state, std::vector<std::string>{"--delay", "3000"});
    gateway->SetAddress(tlx::Bstr(tlx::Utf8ToUtf16(gate->Url())).Get());
    const ScopedVariable timeout("TLX_GATEWAY_TIMEOUT", "1");

    tlx::ComPtr<IGatewaySendResult> result;
    EXPECT_EQ(gateway->SendSigned(tlx::Bstr(u"AAECAwQF").Get(), result.Out()), HOST_E_GATEWAYNOANSWER);
    EXPECT_FALSE(result);
    const std::u16string text = tlx::TakeErrorDescription();
    EXPECT_TRUE(text.starts_with(kNoAnswerStart + u"Operation timed out")) << tlx::Utf16ToUtf8(text);
    EXPECT_TRUE(text.ends_with(kNoAnswerEnd)) << tlx::Utf16ToUtf8(text);
    EXPECT_EQ(gate->Received(".p7s"), std::string("\0\1\2\3\4\5", 6)) << "the service kept the document";

    // Nothing listening is still no more than a failed send, under the same short time-out.
    gateway->SetAddress(tlx::Bstr(u"https://127.0.0.1:1/uslugi/dokumenty").Get());
    const Sent refused = SendSigned(u"AAECAwQF");
    EXPECT_FALSE(refused.success);
    EXPECT_NE(refused.errorText, u"");
}

TEST_F(EDeklaracjeGateway, AnAnswerTooLongToReadIsNoAnswerToASendButAFailedReceiptRequest) {
    CannedGateway canned(pki);
    canned.Answer(200, CannedGateway::Envelope(std::string(tlx::host::SoapTransport::kMaxAnswerBytes + 1, 'x')));
    gateway->SetAddress(tlx::Bstr(tlx::Utf8ToUtf16(canned.Url())).Get());
    const std::u16string tooLong = u"odpowiedź usługi jest dłuższa niż 8388608 bajtów i nie została odczytana";

    tlx::ComPtr<IGatewaySendResult> sent;
    EXPECT_EQ(gateway->SendUnsigned(tlx::Bstr(u"<a/>").Get(), 0, tlx::Bstr(u"").Get(), sent.Out()),
              HOST_E_GATEWAYNOANSWER);
    EXPECT_FALSE(sent);
    EXPECT_EQ(tlx::TakeErrorDescription(), kNoAnswerStart + tooLong + kNoAnswerEnd);
    EXPECT_NE(canned.LastRequest().find("sendUnsignDocument"), std::string::npos);

    tlx::ComPtr<IGatewayUpoResult> receipt;
    ASSERT_EQ(gateway->RequestUpo(tlx::Bstr(u"0123").Get(), tlx::Bstr(u"").Get(), tlx::Bstr(u"pl").Get(),
                                  receipt.Out()),
              S_OK);
    ASSERT_TRUE(receipt);
    VARIANT_BOOL success = VARIANT_TRUE;
    tlx::Bstr why;
    receipt->Success(&success);
    receipt->ErrorText(why.Out());
    EXPECT_EQ(success, VARIANT_FALSE);
    EXPECT_EQ(why.View(), tooLong);

    // An HTTP error is an answer: a result that says so.
    canned.Answer(500, "");
    const Sent refused = SendSigned(u"AAECAwQF");
    EXPECT_FALSE(refused.success);
    EXPECT_EQ(refused.errorText, u"HTTP 500");
}


TEST_F(EDeklaracjeGateway, NoAddressIsAnError) {
    gateway = tlx::host::CEDeklaracjeGateway::Make();
    tlx::ComPtr<IGatewaySendResult> result;
    EXPECT_EQ(gateway->SendSigned(tlx::Bstr(u"AAAA").Get(), result.Out()), E_INVALIDARG);
    EXPECT_FALSE(result);
}

}  // namespace
