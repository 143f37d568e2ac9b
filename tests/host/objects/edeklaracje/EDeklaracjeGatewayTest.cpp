// The host's gateway against tlxgate over HTTPS: the bodies it sends, the answers it reads, and the
// failures (no service, an untrusted certificate, an unreachable proxy, a body the service refuses)
// that come back as results with Success false and the reason.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

#include "host/objects/edeklaracje/EDeklaracjeGateway.h"
#include "platform/com/Bstr.h"
#include "platform/text/CodePage.h"
#include "tests/support/GateProcess.h"
#include "tests/support/TestPki.h"

namespace {

std::u16string Text(HRESULT (IGatewaySendResult::*get)(BSTR*), IGatewaySendResult* result) {
    tlx::Bstr text;
    EXPECT_EQ((result->*get)(text.Out()), S_OK);
    return std::u16string(text.View());
}

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

TEST_F(EDeklaracjeGateway, TransportFailuresAreResultsThatSayWhy) {
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
    }
}

TEST_F(EDeklaracjeGateway, NoAddressIsAnError) {
    gateway = tlx::host::CEDeklaracjeGateway::Make();
    tlx::ComPtr<IGatewaySendResult> result;
    EXPECT_EQ(gateway->SendSigned(tlx::Bstr(u"AAAA").Get(), result.Out()), E_INVALIDARG);
    EXPECT_FALSE(result);
}

}  // namespace
