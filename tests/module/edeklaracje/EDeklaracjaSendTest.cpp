// WyslijDeklaracje on a VAT-7 of the demo company, with a gateway the test scripts in place of the
// host's: the file in the exchange path, what was signed and sent, the status stored and saved, the
// events, and the failures with and without a sink and in serial mode.
#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>
#include <utility>

#include <openssl/cms.h>
#include <openssl/evp.h>

#include "DeclarationFixture.h"
#include "EDeklaracjaSupport.h"
#include "ModuleClassFixture.h"
#include "host/session/HostEnvironment.h"
#include "platform/ado/SqliteDatabase.h"
#include "platform/com/ErrorInfo.h"
#include "platform/crypto/CryptUi.h"
#include "platform/text/CodePage.h"
#include "tests/support/TestPki.h"

namespace {

using edtest::CRecordingSink;
using edtest::Events;

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class CScriptedSendResult final : public tlx::ComObject<CScriptedSendResult, tlx::Dispatch<IGatewaySendResult>> {
public:
    std::u16string refId, statusText, errorText;
    LONG statusCode = 0;
    bool success = true;

    HRESULT RefId(BSTR* value) override { return Answer(refId, value); }
    HRESULT Reserved8() override { return E_NOTIMPL; }
    HRESULT StatusCode(LONG* value) override {
        *value = statusCode;
        return S_OK;
    }
    HRESULT Reserved10() override { return E_NOTIMPL; }
    HRESULT StatusText(BSTR* value) override { return Answer(statusText, value); }
    HRESULT Reserved12() override { return E_NOTIMPL; }
    HRESULT Success(VARIANT_BOOL* value) override {
        *value = success ? VARIANT_TRUE : VARIANT_FALSE;
        return S_OK;
    }
    HRESULT ErrorText(BSTR* value) override { return Answer(errorText, value); }

private:
    static HRESULT Answer(const std::u16string& text, BSTR* out) {
        *out = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
        return S_OK;
    }
};

class CScriptedUpoResult final : public tlx::ComObject<CScriptedUpoResult, tlx::Dispatch<IGatewayUpoResult>> {
public:
    std::u16string statusText, upo, errorText;
    LONG statusCode = 301;
    bool success = true;

    HRESULT Reserved7() override { return E_NOTIMPL; }
    HRESULT StatusText(BSTR* value) override { return Answer(statusText, value); }
    HRESULT StatusCode(LONG* value) override {
        *value = statusCode;
        return S_OK;
    }
    HRESULT Upo(BSTR* value) override { return Answer(upo, value); }
    HRESULT Success(VARIANT_BOOL* value) override {
        *value = success ? VARIANT_TRUE : VARIANT_FALSE;
        return S_OK;
    }
    HRESULT ErrorText(BSTR* value) override { return Answer(errorText, value); }

private:
    static HRESULT Answer(const std::u16string& text, BSTR* out) {
        *out = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
        return S_OK;
    }
};

// Records its settings and what it was sent; answers the test's result (none when null).
class CScriptedGateway final : public tlx::ComObject<CScriptedGateway, tlx::Dispatch<IEDeklaracjeGateway>> {
public:
    tlx::ComPtr<CScriptedSendResult> result;
    std::vector<std::u16string> settings;
    std::vector<std::u16string> sent;
    tlx::ComPtr<CScriptedUpoResult> upo;
    std::vector<std::u16string> asked;  // the references of the receipt requests
    std::function<void()> onSend;       // run once while the next send is being filed

#define TLX_RESERVED(n) \
    HRESULT Reserved##n() override { return E_NOTIMPL; }
    TLX_RESERVED(7) TLX_RESERVED(9) TLX_RESERVED(10) TLX_RESERVED(11) TLX_RESERVED(12) TLX_RESERVED(14)
    TLX_RESERVED(15) TLX_RESERVED(17) TLX_RESERVED(18) TLX_RESERVED(19) TLX_RESERVED(20) TLX_RESERVED(21)
    TLX_RESERVED(23) TLX_RESERVED(24) TLX_RESERVED(25) TLX_RESERVED(26) TLX_RESERVED(28) TLX_RESERVED(30)
    TLX_RESERVED(32) TLX_RESERVED(34) TLX_RESERVED(36)
#undef TLX_RESERVED
    HRESULT SetAddress(BSTR value) override { return Note(u"address=", value); }
    HRESULT RequestUpo(BSTR refId, BSTR, BSTR, IGatewayUpoResult** out) override {
        asked.emplace_back(refId, SysStringLen(refId));
        *out = upo ? static_cast<IGatewayUpoResult*>(tlx::ComPtr<CScriptedUpoResult>(upo).Detach()) : nullptr;
        return S_OK;
    }
    HRESULT SendUnsigned(BSTR document, LONG, BSTR, IGatewaySendResult** out) override {
        return SendSigned(document, out);
    }
    HRESULT SendSigned(BSTR document, IGatewaySendResult** out) override {
        sent.emplace_back(document, SysStringLen(document));
        if (onSend) std::exchange(onSend, nullptr)();
        *out = result ? static_cast<IGatewaySendResult*>(tlx::ComPtr<CScriptedSendResult>(result).Detach()) : nullptr;
        return S_OK;
    }
    HRESULT SetProxyActive(SHORT value) override { return Note(u"active=", value); }
    HRESULT SetProxyAuthorisation(SHORT value) override { return Note(u"authorisation=", value); }
    HRESULT SetProxyAddress(BSTR value) override { return Note(u"proxy=", value); }
    HRESULT SetProxyPort(BSTR value) override { return Note(u"port=", value); }
    HRESULT SetProxyUser(BSTR value) override { return Note(u"user=", value); }
    HRESULT SetProxyPassword(BSTR value) override { return Note(u"password=", value); }

private:
    HRESULT Note(std::u16string name, BSTR value) {
        settings.push_back(name + std::u16string(value ? value : u"", SysStringLen(value)));
        return S_OK;
    }
    HRESULT Note(std::u16string name, SHORT value) {
        settings.push_back(name + tlx::Utf8ToUtf16(std::to_string(value)));
        return S_OK;
    }
};

class EDeklaracjaSend : public ModuleClassTest {
public:
    bool WithDemoCompany() const override { return true; }
    bool WithHostDemoData() const override { return true; }

    void SetUp() override {
        ModuleClassTest::SetUp();
        exchange = folder_ / "wymiana";
        std::filesystem::create_directories(exchange);
        Setting(u"eDeklaracjeKatalogWymiany", tlx::Utf8ToUtf16(exchange.string()));
        Setting(u"WebServiceAddress", u"https://127.0.0.1:1/uslugi/");
        edeklaracja = CEDeklaracja::Make();
        LONG state = 0;
        ASSERT_EQ(edeklaracja->Initialize(session_.Get(), &state), S_OK);
        ASSERT_EQ(edeklaracja->put_Login(tlx::ComPtr<IDispatch>(tlx::host::CurrentLogin().Get()).Get()), S_OK);
        sink = CRecordingSink::Make();
        gateway = CScriptedGateway::Make();
        gateway->result = CScriptedSendResult::Make();
        gateway->result->refId = u"0123456789abcdef0123456789abcdef";
        gateway->result->statusCode = 301;
        gateway->result->statusText = u"Dokument w trakcie przetwarzania, sprawdź wynik następnej weryfikacji dokumentu";
        standIn.emplace(CLSID_EDeklaracjeGateway, u"TLX.EDeklaracjeGateway", static_cast<IEDeklaracjeGateway*>(gateway.Get()));
        chooser = tlx::SetCertificateChooser([this](const tlx::CertificateChoice& choice) {
            ++selections;
            return choice.shown.empty() || cancel ? -1 : static_cast<int>(choice.shown.size()) - 2;  // "Jan Testowy"
        });
    }
    void TearDown() override {
        tlx::SetCertificateChooser(chooser);
        standIn.reset();
        edeklaracja.Reset();
        ModuleClassTest::TearDown();
    }

    void Setting(std::u16string_view key, std::u16string_view value) {
        Execute(u"UPDATE TLX.Konfiguracja SET Kfg_Wartosc = '" + std::u16string(value) + u"' WHERE Kfg_Klucz = '" +
                std::u16string(key) + u"'");
    }
    void Advise() { ASSERT_EQ(edeklaracja->AdviseProgress(static_cast<_IProgressEvents*>(sink.Get())), S_OK); }

    tlx::ComPtr<IDeklaracja2> SavedVat7() {
        return edtest::SavedVat7(Create(u"TLXDeklaracje.Deklaracje").As<ICollection>().Get());
    }

    HRESULT Send(IDeklaracja2* declaration) {
        return edeklaracja->WyslijDeklaracje(declaration, tlx::Bstr(u"").Get());
    }

    // The files of the exchange path's month folder.
    std::vector<std::filesystem::path> Files() {
        std::vector<std::filesystem::path> files;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(exchange))
            if (entry.is_regular_file()) files.push_back(entry.path());
        std::sort(files.begin(), files.end());
        return files;
    }

    std::string SignedContent(const std::u16string& base64) {
        std::string text = tlx::Utf16ToUtf8(base64);
        std::vector<unsigned char> der(text.size());
        int length = EVP_DecodeBlock(der.data(), reinterpret_cast<const unsigned char*>(text.data()),
                                     static_cast<int>(text.size()));
        length -= text.ends_with("==") ? 2 : text.ends_with("=") ? 1 : 0;
        const unsigned char* in = der.data();
        CMS_ContentInfo* cms = d2i_CMS_ContentInfo(nullptr, &in, length);
        if (!cms) return "(not CMS)";
        const ASN1_OCTET_STRING* const* content = CMS_get0_content(cms);
        std::string bytes(reinterpret_cast<const char*>(ASN1_STRING_get0_data(*content)),
                          static_cast<std::size_t>(ASN1_STRING_length(*content)));
        CMS_ContentInfo_free(cms);
        return bytes;
    }

    TestPki pki;
    std::filesystem::path exchange;
    tlx::ComPtr<CEDeklaracja> edeklaracja;
    tlx::ComPtr<CRecordingSink> sink;
    tlx::ComPtr<CScriptedGateway> gateway;
    std::optional<edtest::StandIn> standIn;
    tlx::CertificateChooser chooser;
    int selections = 0;
    bool cancel = false;
};

TEST_F(EDeklaracjaSend, ASignedSendFilesTheCanonicalDocumentAndStoresTheStatus) {
    Advise();
    auto vat7 = SavedVat7();
    ASSERT_EQ(Send(vat7.Get()), S_OK) << tlx::Utf16ToUtf8(LastError());

    auto files = Files();
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(files[0].parent_path().filename(), "202403");
    EXPECT_EQ(files[0].parent_path().parent_path().parent_path(), exchange);
    const std::string filed = ReadFile(files[0]);
    EXPECT_EQ(filed.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?><Deklaracja", 0), 0u) << filed;
    ASSERT_EQ(gateway->sent.size(), 1u);
    EXPECT_EQ(SignedContent(gateway->sent[0]), filed);
    EXPECT_EQ(gateway->settings, (std::vector<std::u16string>{u"address=https://127.0.0.1:1/uslugi/", u"active=0",
                                                              u"authorisation=0", u"proxy=", u"port=", u"user=",
                                                              u"password="}));

    // Stored and saved: the row in the database holds it.
    LONG id = 0;
    ASSERT_EQ(vat7->get_ID(&id), S_OK);
    const std::u16string row = u" FROM TLX.DeklNag WHERE DkN_DkNID = " + tlx::Utf8ToUtf16(std::to_string(id));
    EXPECT_EQ(Scalar(u"SELECT DkN_EDekl_RefID" + row), u"0123456789abcdef0123456789abcdef");
    EXPECT_EQ(Scalar(u"SELECT DkN_EDekl_Status" + row), u"301");
    EXPECT_EQ(Scalar(u"SELECT DkN_EDekl_StatusOpis" + row), gateway->result->statusText);
    EXPECT_NE(Scalar(u"SELECT DkN_EDekl_DataWyslania" + row), u"NULL");

    const Events& events = sink->events;
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.front(), (edtest::Event{edtest::kWillAction, {u"Wysyłanie deklaracji"}}));
    EXPECT_EQ(events.back(), (edtest::Event{edtest::kActionCompleted, {u""}}));
    auto has = [&](const edtest::Event& event) { return std::find(events.begin(), events.end(), event) != events.end(); };
    EXPECT_TRUE(has({edtest::kSendMessage, {u"#2", u"Podpisanie deklaracji"}}));
    EXPECT_TRUE(has({edtest::kSendMessage, {u"#2", u"Wysłanie podpisanej deklaracji do serwera"}}));
    EXPECT_TRUE(has({edtest::kSendMessage, {u"#2", u"Status deklaracji: " + gateway->result->statusText}}));

    // The second send keeps the certificate and does not overwrite the first file.
    ASSERT_EQ(Send(vat7.Get()), S_OK) << tlx::Utf16ToUtf8(LastError());
    EXPECT_EQ(selections, 1);
    EXPECT_EQ(Files().size(), 2u);
}

constexpr std::u16string_view kClaimRefused =
    u"Deklaracja jest właśnie wysyłana albo została wysłana w innej sesji; nie wysłano jej ponownie. Odczytaj ją "
    u"ponownie, aby zobaczyć jej stan.";

// Another session's object of the same stored declaration, read now.
tlx::ComPtr<IDeklaracja2> ReadElsewhere(IDeklaracja2* declaration) {
    LONG id = 0;
    EXPECT_EQ(declaration->get_ID(&id), S_OK);
    tlx::ComPtr<ISession> other;
    EXPECT_EQ(tlx::host::CurrentLogin()->CreateSession(other.Out()), S_OK);
    tlx::ComPtr<IDispatch> found;
    EXPECT_EQ(other->CreateObject(tlx::Bstr(u"TLXDeklaracje.Deklaracje").Get(),
                                  tlx::Variant::FromString(tlx::Utf8ToUtf16(std::to_string(id))), found.Out()),
              S_OK);
    return found.As<IDeklaracja2>();
}

// Two sessions read one declaration; while the first files it, the second sends it too, and once more
// after the filing: the service receives one document, the second session is refused both times.
TEST_F(EDeklaracjaSend, OneDeclarationSentFromTwoSessionsIsFiledOnce) {
    auto vat7 = SavedVat7();
    auto elsewhere = ReadElsewhere(vat7.Get());
    auto other = CEDeklaracja::Make();
    LONG state = 0;
    ASSERT_EQ(other->Initialize(session_.Get(), &state), S_OK);
    ASSERT_EQ(other->put_Login(tlx::ComPtr<IDispatch>(tlx::host::CurrentLogin().Get()).Get()), S_OK);
    const std::pair<const char*, std::function<HRESULT(CEDeklaracja*, IDeklaracja2*)>> sends[] = {
        {"signed", [](CEDeklaracja* object, IDeklaracja2* d) { return object->WyslijDeklaracje(d, tlx::Bstr(u"").Get()); }},
        {"unsigned",
         [](CEDeklaracja* object, IDeklaracja2* d) {
             return object->WyslijDeklaracje_Unsigned(d, tlx::Bstr(u"").Get(), tlx::Bstr(u"5260250274").Get(),
                                                      tlx::Bstr(u"Jan").Get(), tlx::Bstr(u"Kowalski").Get(),
                                                      tlx::Bstr(u"").Get(), CDate(2, 29, 1980).Value(), CY{0});
         }},
    };
    for (const auto& [name, send] : sends) {
        SCOPED_TRACE(name);
        gateway->sent.clear();
        gateway->result->refId = u"0123456789abcdef0123456789" + tlx::Utf8ToUtf16(name).substr(0, 6);  // each filing its own
        elsewhere = ReadElsewhere(vat7.Get());
        HRESULT meanwhile = S_OK;
        std::u16string refusal;
        gateway->onSend = [&] {
            meanwhile = send(other.Get(), elsewhere.Get());
            refusal = LastError();
        };
        ASSERT_EQ(send(edeklaracja.Get(), vat7.Get()), S_OK) << tlx::Utf16ToUtf8(LastError());
        EXPECT_EQ(meanwhile, E_FAIL);
        EXPECT_EQ(refusal, kClaimRefused);
        EXPECT_EQ(send(other.Get(), elsewhere.Get()), E_FAIL) << "read before the filing, it is not filed again";
        EXPECT_EQ(LastError(), kClaimRefused);
        EXPECT_EQ(gateway->sent.size(), 1u);
        LONG id = 0;
        ASSERT_EQ(vat7->get_ID(&id), S_OK);
        const std::u16string row = u" FROM TLX.DeklNag WHERE DkN_DkNID = " + tlx::Utf8ToUtf16(std::to_string(id));
        EXPECT_EQ(Scalar(u"SELECT DkN_EDekl_RefID" + row), gateway->result->refId);
        EXPECT_EQ(Scalar(u"SELECT DkN_EDekl_Status" + row), u"301");
    }
}

// A send the service refused gives its claim back: the row is as it was, and the next send files it.
TEST_F(EDeklaracjaSend, ASendThatFiledNothingLeavesTheDeclarationSendable) {
    auto vat7 = SavedVat7();
    LONG id = 0;
    ASSERT_EQ(vat7->get_ID(&id), S_OK);
    const std::u16string row = u" FROM TLX.DeklNag WHERE DkN_DkNID = " + tlx::Utf8ToUtf16(std::to_string(id));
    auto stored = [&] {
        std::u16string texts;
        for (const char16_t* column : {u"Status", u"StatusOpis", u"DataWyslania", u"OperatorWysylajacy"})
            texts += Scalar(u"SELECT DkN_EDekl_" + std::u16string(column) + row) + u"|";
        return texts;
    };
    const std::u16string before = stored();
    gateway->result->refId.clear();
    EXPECT_EQ(Send(vat7.Get()), E_FAIL);
    EXPECT_EQ(stored(), before);
    gateway->result->refId = u"0123456789abcdef0123456789abcdef";
    auto elsewhere = ReadElsewhere(vat7.Get());
    ASSERT_EQ(Send(elsewhere.Get()), S_OK) << tlx::Utf16ToUtf8(LastError());
    EXPECT_EQ(gateway->sent.size(), 2u);
}

// A row still marked as being sent when no send holds its lock was left by a process that ended during
// its send: the next send takes it over at once, whatever time the mark carries (here one far in the
// future, as a workstation whose clock runs ahead writes it), and says that the earlier send was cut off.
TEST_F(EDeklaracjaSend, AClaimLeftByAnEndedSendIsTakenOverAtOnce) {
    auto vat7 = SavedVat7();
    LONG id = 0;
    ASSERT_EQ(vat7->get_ID(&id), S_OK);
    Execute(u"UPDATE TLX.DeklNag SET DkN_EDekl_Status = -1, DkN_EDekl_OperatorWysylajacy = 1, "
            u"DkN_EDekl_DataWyslania = '2999-01-01 00:00:00' WHERE DkN_DkNID = " + tlx::Utf8ToUtf16(std::to_string(id)));
    Execute(u"create table TLX.Operatorzy as select 1 as Ope_OpeID, 'KSIEG' as Ope_Kod");
    EXPECT_EQ(Send(ReadElsewhere(vat7.Get()).Get()), S_OK) << tlx::Utf16ToUtf8(LastError());
    EXPECT_EQ(gateway->sent.size(), 1u);
    // The company's file serves as the configuration database here.
    tlx::Bstr info;
    ASSERT_EQ(edeklaracja->get_EInfo(info.Out()), S_OK);
    EXPECT_EQ(info.View(), u"Wcześniejsze wysyłanie tej deklaracji, rozpoczęte " +
                               Scalar(u"SELECT datetime('2999-01-01 00:00:00', 'localtime')") +
                               u" przez operatora KSIEG, zostało przerwane; deklaracja mogła już dotrzeć do urzędu.")
        << tlx::Utf16ToUtf8(info.Str());
}

// The declaration saved through its session, as a script saves it: the save's answer.
HRESULT SaveSessionOf(IDeklaracja2* declaration) {
    tlx::Variant session = Get(declaration, u"Session");
    return session.vt == VT_DISPATCH ? Call(session.pdispVal, u"Save", {}) : E_POINTER;
}

// While the service is being asked, a session that read the declaration before the send and one that read
// it during the send cannot save it; the sender stores the reference it was given.
TEST_F(EDeklaracjaSend, WhileTheDeclarationIsSentNoOtherSessionSavesIt) {
    auto vat7 = SavedVat7();
    auto before = ReadElsewhere(vat7.Get());
    ASSERT_EQ(Put(before.Get(), u"P_19", tlx::Variant::FromLong(200000)), S_OK);
    HRESULT savedBefore = S_OK, savedDuring = S_OK;
    std::u16string refusal;
    gateway->onSend = [&] {
        savedBefore = SaveSessionOf(before.Get());
        refusal = LastError();
        auto during = ReadElsewhere(vat7.Get());
        EXPECT_EQ(Put(during.Get(), u"P_19", tlx::Variant::FromLong(300000)), S_OK);
        savedDuring = SaveSessionOf(during.Get());
    };
    ASSERT_EQ(Send(vat7.Get()), S_OK) << tlx::Utf16ToUtf8(LastError());
    EXPECT_EQ(savedBefore, adErrConcurrencyViolation);
    EXPECT_EQ(savedDuring, adErrConcurrencyViolation);
    EXPECT_TRUE(refusal.starts_with(u"Dane zostały zmienione lub usunięte przez innego użytkownika")) << tlx::Utf16ToUtf8(refusal);
    LONG id = 0;
    ASSERT_EQ(vat7->get_ID(&id), S_OK);
    const std::u16string row = u" FROM TLX.DeklNag WHERE DkN_DkNID = " + tlx::Utf8ToUtf16(std::to_string(id));
    EXPECT_EQ(Scalar(u"SELECT DkN_EDekl_RefID" + row), gateway->result->refId);
    EXPECT_EQ(Scalar(u"SELECT DkN_EDekl_Status" + row), u"301");
    // Once the status is stored, the sender's own session saves as before.
    ASSERT_EQ(Put(vat7.Get(), u"P_19", tlx::Variant::FromLong(400000)), S_OK);
    EXPECT_EQ(SaveSessionOf(vat7.Get()), S_OK) << tlx::Utf16ToUtf8(LastError());
}

// A copy read before another save of the same second is as stale as any: its send is refused, nothing
// is sent. The saves are repeated until both fall within one second of the clock.
TEST_F(EDeklaracjaSend, ACopyReadBeforeASaveOfTheSameSecondIsNotSent) {
    for (int attempt = 0; attempt < 10; ++attempt) {
        const std::time_t start = std::time(nullptr);
        auto vat7 = SavedVat7();
        auto stale = ReadElsewhere(vat7.Get());
        Get(stale.Get(), u"P_20");  // its values read now
        ASSERT_EQ(Put(vat7.Get(), u"P_20", tlx::Variant::FromLong(55555)), S_OK);
        ASSERT_EQ(SaveSessionOf(vat7.Get()), S_OK) << tlx::Utf16ToUtf8(LastError());
        if (std::time(nullptr) != start) continue;
        EXPECT_EQ(Send(stale.Get()), E_FAIL);
        EXPECT_EQ(LastError(), u"Deklaracja została zmieniona przez innego użytkownika po jej odczytaniu; nie wysłano "
                               u"jej. Odczytaj ją ponownie i wyślij jeszcze raz.");
        EXPECT_TRUE(gateway->sent.empty());
        return;
    }
    GTEST_SKIP() << "no two saves fell within one second";
}

// The service took the document but the database refuses its status: the reference number is not lost,
// the failure names it in the call's message, its event and EInfo, and the row keeps the mark of the send,
// so that the next send says the office may have the document already.
TEST_F(EDeklaracjaSend, AStatusThatCannotBeStoredNamesTheReferenceNumber) {
    Advise();
    auto vat7 = SavedVat7();
    LONG id = 0;
    ASSERT_EQ(vat7->get_ID(&id), S_OK);
    // A trigger is beyond the statements the company's connection runs: it is made on the file itself.
    auto company = [&] { return tlx::ado::SqliteDatabase((folder_ / "firma.db").string()); };
    gateway->onSend = [&] {
        company().Run("CREATE TRIGGER TLX.NoReference BEFORE UPDATE OF DkN_EDekl_RefID ON DeklNag "
                      "BEGIN SELECT RAISE(ABORT, 'zapis zablokowany'); END");
    };
    EXPECT_EQ(Send(vat7.Get()), E_FAIL);
    const std::u16string named = u"Deklaracja została wysłana, jej numer referencyjny to 0123456789abcdef0123456789abcdef. "
                                 u"Błąd zapisu statusu deklaracji do bazy: ";
    EXPECT_TRUE(LastError().starts_with(named)) << tlx::Utf16ToUtf8(LastError());
    tlx::Bstr info;
    edeklaracja->get_EInfo(info.Out());
    EXPECT_TRUE(info.View().starts_with(named)) << tlx::Utf16ToUtf8(info.Str());
    EXPECT_NE(std::find(sink->events.begin(), sink->events.end(), edtest::Event{edtest::kActionFailed, {info.Str()}}),
              sink->events.end());
    const std::u16string row = u" FROM TLX.DeklNag WHERE DkN_DkNID = " + tlx::Utf8ToUtf16(std::to_string(id));
    EXPECT_EQ(Scalar(u"SELECT DkN_EDekl_Status" + row), u"-1");

    company().Run("DROP TRIGGER TLX.NoReference");
    ASSERT_EQ(Send(vat7.Get()), S_OK) << tlx::Utf16ToUtf8(LastError());
    ASSERT_EQ(edeklaracja->get_EInfo(info.Out()), S_OK);
    EXPECT_TRUE(info.View().ends_with(u", zostało przerwane; deklaracja mogła już dotrzeć do urzędu.")) << tlx::Utf16ToUtf8(info.Str());
    EXPECT_EQ(Scalar(u"SELECT DkN_EDekl_Status" + row), u"301");
}

TEST_F(EDeklaracjaSend, ARefusedSendKeepsTheEarlierStatusAndAnswersItsFailure) {
    auto vat7 = SavedVat7();
    ASSERT_EQ(Send(vat7.Get()), S_OK) << tlx::Utf16ToUtf8(LastError());
    gateway->result->success = false;
    gateway->result->errorText = u"Could not connect to server";
    EXPECT_EQ(Send(vat7.Get()), E_FAIL);
    EXPECT_EQ(LastError(), u"Błąd komunikacji z Web Service-em Ministerstwa Finansów: Could not connect to server");
    tlx::Bstr reference;
    vat7->get_EDekl_RefID(reference.Out());
    EXPECT_EQ(reference.View(), u"0123456789abcdef0123456789abcdef");
}

TEST_F(EDeklaracjaSend, FailuresEndTheSendWithTheirTexts) {
    struct Row {
        const char* name;
        std::function<void(EDeklaracjaSend&)> arrange;
        std::u16string message;
    };
    const Row rows[] = {
        {"no result", [](EDeklaracjaSend& t) { t.gateway->result.Reset(); },
         u"Błąd wysyłania e-Deklaracji: błąd komunikacji z serwerem e-Deklaracji."},
        {"no reference with a status",
         [](EDeklaracjaSend& t) {
             t.gateway->result->refId.clear();
             t.gateway->result->statusText = u"Odrzucony";
             t.gateway->result->errorText = u"Błąd";
         },
         u"Błąd wysyłania e-Deklaracji: nie został nadany numer referencyjny (Błąd|Odrzucony)."},
        {"no reference without a status",
         [](EDeklaracjaSend& t) {
             t.gateway->result->refId.clear();
             t.gateway->result->statusText.clear();
             t.gateway->result->errorText = u"Błąd";
         },
         u"Błąd wysyłania e-Deklaracji: nie został nadany numer referencyjny (Błąd)."},
        {"cancelled selection", [](EDeklaracjaSend& t) { t.cancel = true; },
         u"Błąd wykonywania podpisu: Nie wybrano certyfikatu"},
        {"no exchange folder", [](EDeklaracjaSend& t) { t.Setting(u"eDeklaracjeKatalogWymiany", u""); },
         u"W menu System->Konfiguracja->Stanowisko->Ogólne->e-Deklaracje nie ustawiono katalogu dla plików wymiany "
         u"danych."},
    };
    auto vat7 = SavedVat7();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_EQ(edeklaracja->UsunCertyfikat(), S_OK);
        cancel = false;
        gateway->result = CScriptedSendResult::Make();
        gateway->result->refId = u"0123456789abcdef0123456789abcdef";
        Setting(u"eDeklaracjeKatalogWymiany", tlx::Utf8ToUtf16(exchange.string()));
        row.arrange(*this);
        EXPECT_EQ(Send(vat7.Get()), E_FAIL);
        EXPECT_EQ(LastError(), row.message) << tlx::Utf16ToUtf8(LastError());
        // In serial mode the same failure is the object's EInfo and EBlad, and the call succeeds.
        ASSERT_EQ(edeklaracja->put_ETrybSeryjny(1), S_OK);
        EXPECT_EQ(Send(vat7.Get()), S_OK);
        tlx::Bstr info;
        LONG failed = 0;
        edeklaracja->get_EInfo(info.Out());
        edeklaracja->get_EBlad(&failed);
        EXPECT_EQ(info.View(), row.message);
        EXPECT_EQ(failed, 1);
        ASSERT_EQ(edeklaracja->put_ETrybSeryjny(0), S_OK);
    }
}


// A receipt as the service signs it: the fields inside an enveloping signature with its signing time.
std::u16string Receipt(std::u16string_view fields, bool signingTime = true) {
    return u"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ds:Signature xmlns:ds=\"http://www.w3.org/2000/09/xmldsig#\">"
           u"<ds:Object><Potwierdzenie>" + std::u16string(fields) + u"</Potwierdzenie></ds:Object>" +
           (signingTime ? u"<ds:Object><xades:QualifyingProperties xmlns:xades=\"http://uri.etsi.org/01903/v1.3.2#\">"
                          u"<xades:SignedProperties><xades:SignedSignatureProperties><xades:SigningTime>"
                          u"2024-04-02T10:00:00Z</xades:SigningTime></xades:SignedSignatureProperties>"
                          u"</xades:SignedProperties></xades:QualifyingProperties></ds:Object>"
                        : u"") +
           u"</ds:Signature>";
}

// A text of more than 10 000 000 characters in short runs between references, as an escaped document is.
std::u16string LongText() {
    std::u16string text;
    for (int run = 0; run < 320'000; ++run) text += u"xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx&amp;";
    return text;
}

std::u16string Replaced(std::u16string text, std::u16string_view what, std::u16string_view with) {
    text.replace(text.find(what), what.size(), with);
    return text;
}

constexpr std::u16string_view kReceiptHead =
    u"<NazwaPodmiotuPrzyjmujacego>Ministerstwo Finansów</NazwaPodmiotuPrzyjmujacego>"
    u"<NumerReferencyjny>../../ucieczka</NumerReferencyjny><SkrotDokumentu>abc= [DEF]</SkrotDokumentu>"
    u"<SkrotZlozonejStruktury>AB</SkrotZlozonejStruktury><NazwaStrukturyLogicznej>x</NazwaStrukturyLogicznej>"
    u"<DataWplyniecia>2024-04-02T10:00:00.000Z</DataWplyniecia>";

TEST_F(EDeklaracjaSend, AReceiptIsStoredAndKeptAsReceivedUnderASafeName) {
    auto vat7 = SavedVat7();
    gateway->result->refId = u"../../ucieczka";  // the service's reference, as its receipt repeats it
    ASSERT_EQ(Send(vat7.Get()), S_OK) << tlx::Utf16ToUtf8(LastError());
    const std::u16string receipt =
        Receipt(std::u16string(kReceiptHead) + u"<StempelCzasu>MjA=</StempelCzasu><PESEL1>80022912345</PESEL1>");
    gateway->upo = CScriptedUpoResult::Make();
    gateway->upo->statusCode = 200;
    gateway->upo->upo = receipt;
    ASSERT_EQ(edeklaracja->PobierzUPO(vat7.Get()), S_OK) << tlx::Utf16ToUtf8(LastError());
    EXPECT_EQ(gateway->asked, (std::vector<std::u16string>{u"../../ucieczka"}));

    auto text = [&](HRESULT (IDeklaracja2::*get)(BSTR*)) {
        tlx::Bstr value;
        EXPECT_EQ((vat7.Get()->*get)(value.Out()), S_OK);
        return std::u16string(value.View());
    };
    EXPECT_EQ(text(&IDeklaracja2::get_EDekl_NIP1), u"80022912345");
    EXPECT_EQ(text(&IDeklaracja2::get_EDekl_NIP2), u"");
    EXPECT_EQ(text(&IDeklaracja2::get_EDekl_DokumentID), u"../../ucieczka");
    EXPECT_EQ(text(&IDeklaracja2::get_EDekl_SigningTime), u"2024-04-02T10:00:00Z");
    EXPECT_EQ(text(&IDeklaracja2::get_EDekl_StatusOpis), u"Przetwarzanie dokumentu zakończone poprawnie, pobrano UPO.");
    // The file lies in the month's folder, its name made safe, its bytes those received.
    std::vector<std::filesystem::path> receipts;
    for (const auto& file : Files())
        if (file.filename().string().find("ucieczka") != std::string::npos) receipts.push_back(file);
    ASSERT_EQ(receipts.size(), 1u);
    EXPECT_EQ(receipts[0].parent_path().filename(), "202403");
    EXPECT_TRUE(receipts[0].filename().string().ends_with("_.._.._ucieczka.xml")) << receipts[0];
    EXPECT_EQ(ReadFile(receipts[0]), tlx::Utf16ToUtf8(receipt));
}

// The receipt reaches the declaration's row alone: a second declaration the session holds changed and a
// new one that cannot be saved neither keep the receipt from the row nor are stored with it.
TEST_F(EDeklaracjaSend, AReceiptIsStoredWhateverElseTheSessionHolds) {
    auto Id = [](IDeklaracja2* declaration) {
        LONG id = 0;
        EXPECT_EQ(declaration->get_ID(&id), S_OK);
        return tlx::Utf8ToUtf16(std::to_string(id));
    };
    auto declarations = Create(u"TLXDeklaracje.Deklaracje").As<ICollection>();
    auto vat7 = edtest::SavedVat7(declarations.Get());
    auto other = edtest::SavedVat7(declarations.Get());
    gateway->result->refId = u"../../ucieczka";  // as the receipt repeats it
    ASSERT_EQ(Send(vat7.Get()), S_OK) << tlx::Utf16ToUtf8(LastError());
    const std::u16string otherStamp = Scalar(u"SELECT DkN_TS_Mod FROM TLX.DeklNag WHERE DkN_DkNID = " + Id(other.Get()));
    const std::u16string rows = Scalar(u"SELECT COUNT(*) FROM TLX.DeklNag");
    ASSERT_EQ(Put(other.Get(), u"P_19", tlx::Variant::FromLong(300000)), S_OK);
    tlx::ComPtr<IDispatch> item;
    ASSERT_EQ(declarations->AddNew(tlx::Variant::Missing(), item.Out()), S_OK);
    auto incomplete = item.As<IDeklaracja2>();  // without its taxpayer: its own check refuses it
    incomplete->put_TypDeklar(1);
    incomplete->put_Wersja(17);
    incomplete->put_Rok(2024);
    incomplete->put_Miesiac(4);

    gateway->upo = CScriptedUpoResult::Make();
    gateway->upo->statusCode = 200;
    gateway->upo->upo =
        Receipt(std::u16string(kReceiptHead) + u"<StempelCzasu>MjA=</StempelCzasu><PESEL1>80022912345</PESEL1>");
    ASSERT_EQ(edeklaracja->PobierzUPO(vat7.Get()), S_OK) << tlx::Utf16ToUtf8(LastError());
    const std::u16string row = u" FROM TLX.DeklNag WHERE DkN_DkNID = " + Id(vat7.Get());
    EXPECT_EQ(Scalar(u"SELECT DkN_EDekl_Status" + row), u"200");
    EXPECT_EQ(Scalar(u"SELECT DkN_EDekl_DokumentID" + row), gateway->result->refId);
    EXPECT_EQ(Scalar(u"SELECT COUNT(*) FROM TLX.DeklNag"), rows);
    EXPECT_EQ(Scalar(u"SELECT DkN_TS_Mod FROM TLX.DeklNag WHERE DkN_DkNID = " + Id(other.Get())), otherStamp);
}

TEST_F(EDeklaracjaSend, AMalformedReceiptStoresNothing) {
    struct Row {
        const char* name;
        std::u16string receipt;
        std::u16string message;
    };
    const std::u16string withStamp = std::u16string(kReceiptHead) + u"<StempelCzasu>MjA=</StempelCzasu>";
    const Row rows[] = {
        {"not XML", u"<Potwierdzenie", u"Nieprawidłowa wiadomość UPO: potwierdzenie nie jest poprawnym dokumentem XML"},
        {"no stamp", Receipt(std::u16string(kReceiptHead) + u"<NIP1>5260250274</NIP1>"),
         u"Nieprawidłowa wiadomość UPO: Brak wymaganego pola StempelCzasu"},
        {"no NIP or PESEL", Receipt(withStamp), u"Nieprawidłowa wiadomość UPO: Brak NIPu lub PESELu podmiotu."},
        {"no signing time", Receipt(withStamp + u"<NIP1>5260250274</NIP1>", false),
         u"Nieprawidłowa wiadomość UPO: Brak wymaganego pola SigningTime"},
        // Every field is read before the text the parser cannot hold: the receipt is still not taken.
        {"a text too long to read",
         Replaced(Receipt(withStamp + u"<NIP1>5260250274</NIP1>"), u"</ds:Signature>",
                  u"<ds:Object>" + LongText() + u"</ds:Object></ds:Signature>"),
         u"Nieprawidłowa wiadomość UPO: potwierdzenie nie zostało odczytane: Dokument zawiera tekst dłuższy niż "
         u"10000000 znaków, a tyle najwyżej odczytuje parser XML."},
    };
    auto vat7 = SavedVat7();
    ASSERT_EQ(Send(vat7.Get()), S_OK) << tlx::Utf16ToUtf8(LastError());
    const std::size_t filesBefore = Files().size();
    gateway->upo = CScriptedUpoResult::Make();
    gateway->upo->statusCode = 200;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        gateway->upo->upo = row.receipt;
        EXPECT_EQ(edeklaracja->PobierzUPO(vat7.Get()), E_FAIL);
        EXPECT_EQ(LastError(), row.message);
        LONG status = 0;
        tlx::Bstr number;
        vat7->get_EDekl_Status(&status);
        vat7->get_EDekl_DokumentID(number.Out());
        EXPECT_EQ(status, 301);
        EXPECT_EQ(number.View(), u"");
        EXPECT_EQ(Files().size(), filesBefore);
    }
}

TEST_F(EDeklaracjaSend, AReceiptRequestWithoutAReferenceAsksNothing) {
    Advise();
    auto vat7 = SavedVat7();
    gateway->upo = CScriptedUpoResult::Make();
    ASSERT_EQ(edeklaracja->PobierzUPO(vat7.Get()), S_OK) << tlx::Utf16ToUtf8(LastError());
    EXPECT_TRUE(gateway->asked.empty());
    EXPECT_EQ(sink->events, (Events{{edtest::kWillAction, {u"Pobieranie UPO"}}, {edtest::kActionCompleted, {u""}}}));
}

TEST_F(EDeklaracjaSend, AnUnreachedServiceKeepsTheEarlierStatusAndInSeriesIsEBlad) {
    auto vat7 = SavedVat7();
    ASSERT_EQ(Send(vat7.Get()), S_OK) << tlx::Utf16ToUtf8(LastError());
    gateway->upo = CScriptedUpoResult::Make();
    gateway->upo->success = false;
    gateway->upo->errorText = u"Connection refused";
    ASSERT_EQ(edeklaracja->put_ETrybSeryjny(1), S_OK);
    ASSERT_EQ(edeklaracja->PobierzUPO(vat7.Get()), S_OK);
    tlx::Bstr info, reference;
    LONG failed = 0, status = 0;
    edeklaracja->get_EInfo(info.Out());
    edeklaracja->get_EBlad(&failed);
    EXPECT_EQ(info.View(), u"Błąd komunikacji z Web Service-em Ministerstwa Finansów: Connection refused");
    EXPECT_EQ(failed, 1);
    vat7->get_EDekl_RefID(reference.Out());
    vat7->get_EDekl_Status(&status);
    EXPECT_EQ(reference.View(), u"0123456789abcdef0123456789abcdef");
    EXPECT_EQ(status, 301);
    // The request is on record, as stored: who asked for the receipt and when.
    LONG id = 0;
    ASSERT_EQ(vat7->get_ID(&id), S_OK);
    const std::u16string row = u" FROM TLX.DeklNag WHERE DkN_DkNID = " + tlx::Utf8ToUtf16(std::to_string(id));
    EXPECT_NE(Scalar(u"SELECT DkN_EDekl_OperatorPobierajacyUPO" + row), u"NULL");
    EXPECT_NE(Scalar(u"SELECT DkN_EDekl_DataOdebraniaUPO" + row), u"NULL");
    EXPECT_EQ(Scalar(u"SELECT DkN_EDekl_RefID" + row), u"0123456789abcdef0123456789abcdef");
}

// EInfo and EBlad tell a series about the last call only: each entry point clears what an earlier failure
// left, whether it then succeeds or not.
TEST_F(EDeklaracjaSend, EveryEntryPointClearsTheFailureOfAnEarlierCall) {
    auto vat7 = SavedVat7();
    ASSERT_EQ(Send(vat7.Get()), S_OK) << tlx::Utf16ToUtf8(LastError());
    gateway->upo = CScriptedUpoResult::Make();
    auto flags = [&] {
        tlx::Bstr info;
        LONG failed = 0;
        edeklaracja->get_EInfo(info.Out());
        edeklaracja->get_EBlad(&failed);
        return std::u16string(info.View()) + u"|" + tlx::Utf8ToUtf16(std::to_string(failed));
    };
    const std::u16string noResult = u"Błąd wysyłania e-Deklaracji: błąd komunikacji z serwerem e-Deklaracji.|1";
    const std::pair<const char*, std::function<HRESULT()>> calls[] = {
        {"signed send", [&] { return Send(vat7.Get()); }},
        {"unsigned send",
         [&] {
             return edeklaracja->WyslijDeklaracje_Unsigned(vat7.Get(), tlx::Bstr(u"").Get(), tlx::Bstr(u"5260250274").Get(),
                                                           tlx::Bstr(u"Jan").Get(), tlx::Bstr(u"Kowalski").Get(),
                                                           tlx::Bstr(u"").Get(), CDate(2, 29, 1980).Value(), CY{0});
         }},
        {"receipt", [&] { return edeklaracja->PobierzUPO(vat7.Get()); }},
        {"export", [&] {
             return edeklaracja->ZapiszXml(vat7.Get(), tlx::Bstr(u"").Get(),
                                           tlx::Bstr(tlx::Utf8ToUtf16((folder_ / "eksport.xml").string())).Get());
         }},
    };
    for (const auto& [name, call] : calls) {
        SCOPED_TRACE(name);
        // A failed signed send of a series leaves its message and EBlad.
        ASSERT_EQ(edeklaracja->put_ETrybSeryjny(1), S_OK);
        gateway->result.Reset();
        ASSERT_EQ(Send(vat7.Get()), S_OK);
        ASSERT_EQ(flags(), noResult);
        ASSERT_EQ(edeklaracja->put_ETrybSeryjny(0), S_OK);
        gateway->result = CScriptedSendResult::Make();
        gateway->result->refId = u"0123456789abcdef0123456789abcdef";
        EXPECT_EQ(call(), S_OK) << tlx::Utf16ToUtf8(LastError());
        // A send after the one that got no answer tells that the office may have its document (EInfo), and
        // is no failure.
        const std::u16string now = flags();
        if (std::string_view(name).ends_with("send")) {
            EXPECT_TRUE(now.starts_with(u"Wcześniejsze wysyłanie tej deklaracji, rozpoczęte ")) << tlx::Utf16ToUtf8(now);
            EXPECT_TRUE(now.ends_with(u", zakończyło się bez odpowiedzi urzędu; deklaracja mogła już dotrzeć do urzędu.|0"))
                << tlx::Utf16ToUtf8(now);
        } else {
            EXPECT_EQ(now, u"|0");
        }
    }
}

// The proxy keys are read only while the proxy is on, and its user only while it asks for one; a key not
// read keeps what the last read gave, and the gateway still gets it with the proxy off.
TEST_F(EDeklaracjaSend, TheProxyKeysAreReadOnlyWhenTheyCount) {
    Setting(u"ProxyAdresIP", u"10.0.0.1");
    Setting(u"ProxyPort", u"3128");
    Setting(u"ProxyUzytkownik", u"jan");
    Setting(u"ProxyHaslo", u"tajne");
    auto vat7 = SavedVat7();
    auto sendWith = [&](std::u16string_view active, std::u16string_view authorisation) {
        Setting(u"ProxyAktywny", active);
        Setting(u"ProxyAutoryzacja", authorisation);
        gateway->settings.clear();
        EXPECT_EQ(Send(vat7.Get()), S_OK) << tlx::Utf16ToUtf8(LastError());
        std::u16string all;
        for (const auto& setting : gateway->settings) all += setting + u" ";
        return all;
    };
    const std::u16string address = u"address=https://127.0.0.1:1/uslugi/ ";
    EXPECT_EQ(sendWith(u"0", u"1"), address + u"active=0 authorisation=0 proxy= port= user= password= ");
    EXPECT_EQ(sendWith(u"1", u"0"), address + u"active=1 authorisation=0 proxy=10.0.0.1 port=3128 user= password= ");
    EXPECT_EQ(sendWith(u"1", u"1"),
              address + u"active=1 authorisation=1 proxy=10.0.0.1 port=3128 user=jan password=tajne ");
    EXPECT_EQ(sendWith(u"0", u"0"),
              address + u"active=0 authorisation=1 proxy=10.0.0.1 port=3128 user=jan password=tajne ");

    Setting(u"ProxyAktywny", u"tak");
    EXPECT_EQ(Send(vat7.Get()), DISP_E_TYPEMISMATCH) << tlx::Utf16ToUtf8(LastError());
}

// A company whose name holds characters a folder's name cannot: its exchange folder has "_" in their places.
class EDeklaracjaSendOfOddName : public EDeklaracjaSend {
protected:
    std::u16string CompanyName() const override { return u"Biuro A/B: \"Oddział\" *1*"; }
};

TEST_F(EDeklaracjaSendOfOddName, TheExchangeFolderReplacesWhatAFolderNameCannotHold) {
    auto vat7 = SavedVat7();
    ASSERT_EQ(Send(vat7.Get()), S_OK) << tlx::Utf16ToUtf8(LastError());
    auto files = Files();
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(files[0].parent_path(), exchange / "Biuro A_B_ _Oddział_ _1_" / "202403");
}

// An operator in a remote-desktop session: the document is signed by the component on the user's
// machine, over the virtual channel the test scripts.
class EDeklaracjaRemoteSend : public EDeklaracjaSend {
protected:
    LONG RemoteSession() const override { return 1; }
    void SetUp() override {
        EDeklaracjaSend::SetUp();
        channel = edtest::CScriptedChannel::Make();
        channel->reply = edtest::SignsAs(u"UE9EUElT");
        channelStandIn.emplace(CLSID_VirtualChannelClient, kProgIdVirtualChannelClient,
                               static_cast<IVirtualChannelClient*>(channel.Get()));
    }
    void TearDown() override {
        channel->failure = E_FAIL;  // the process's client is let go for the tests that follow
        try {
            VirtualChannelSigning::SendOverVirtualChannel(u"clear#");
        } catch (...) {
        }
        channelStandIn.reset();
        EDeklaracjaSend::TearDown();
    }

    tlx::ComPtr<edtest::CScriptedChannel> channel;
    std::optional<edtest::StandIn> channelStandIn;
};

TEST_F(EDeklaracjaRemoteSend, TheComponentSignsTheFiledTextAndItsResultIsSent) {
    auto vat7 = SavedVat7();
    ASSERT_EQ(Send(vat7.Get()), S_OK) << tlx::Utf16ToUtf8(LastError());
    EXPECT_EQ(selections, 0) << "no certificate of the server's store is chosen";
    ASSERT_EQ(gateway->sent, std::vector<std::u16string>{u"UE9EUElT"});
    std::u16string carried;
    for (const auto& command : channel->commands)
        if (command.starts_with(u"put#")) carried += command.substr(4);
    EXPECT_EQ(tlx::Utf16ToUtf8(carried), ReadFile(Files().at(0)));
    EXPECT_EQ(channel->commands.front(), u"clearc#");

    // The second send of the object keeps the component's certificate; UsunCertyfikat makes it forget.
    channel->commands.clear();
    ASSERT_EQ(Send(vat7.Get()), S_OK) << tlx::Utf16ToUtf8(LastError());
    EXPECT_EQ(channel->commands.front(), u"clear#");
    channel->commands.clear();
    ASSERT_EQ(edeklaracja->UsunCertyfikat(), S_OK);
    EXPECT_EQ(channel->commands, std::vector<std::u16string>{u"clearc#"});
}

// The component's refusal to forget its certificate does not keep the object's own: the call releases
// it and tells the user of the refusal as a failed step.
TEST_F(EDeklaracjaRemoteSend, AComponentThatDoesNotForgetItsCertificateIsToldNotAnswered) {
    Advise();
    channel->reply = [](const std::u16string& command) {
        return command == u"clearc#" ? std::u16string(u"err#Brak dostępu do magazynu") : std::u16string(u"ok#");
    };
    EXPECT_EQ(edeklaracja->UsunCertyfikat(), S_OK);
    ASSERT_FALSE(sink->events.empty());
    EXPECT_EQ(sink->events.back(),
              (edtest::Event{edtest::kSendMessage, {u"#3", u"Błąd po stronie klienta: Brak dostępu do magazynu"}}));
}

TEST_F(EDeklaracjaRemoteSend, AComponentsRefusalSendsNothingAndIsTheCallsAnswer) {
    auto vat7 = SavedVat7();
    channel->reply = [](const std::u16string& command) {
        return command.starts_with(u"sign#") ? std::u16string(u"err#Anulowano wybór certyfikatu") : std::u16string(u"ok#");
    };
    EXPECT_EQ(Send(vat7.Get()), E_FAIL);
    EXPECT_EQ(LastError(), u"Błąd po stronie klienta: Anulowano wybór certyfikatu");
    EXPECT_TRUE(gateway->sent.empty());

    // In a series the failure is EBlad and EInfo.
    ASSERT_EQ(edeklaracja->put_ETrybSeryjny(1), S_OK);
    ASSERT_EQ(Send(vat7.Get()), S_OK);
    LONG failed = 0;
    tlx::Bstr info;
    edeklaracja->get_EBlad(&failed);
    edeklaracja->get_EInfo(info.Out());
    EXPECT_EQ(failed, 1);
    EXPECT_EQ(info.View(), u"Błąd po stronie klienta: Anulowano wybór certyfikatu");
    EXPECT_EQ(channel->commands.at(channel->commands.size() - 1), u"sign#s");
}

}  // namespace
