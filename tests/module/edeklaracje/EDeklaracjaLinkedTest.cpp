// The declarations filed with a sent one receive its send status and its receipt data, through the
// host's real gateway to tlxgate: a VAT-UE's VAT-UE/A, /B and /C attachments as its counts say (test
// forms), and the demo VAT-7's month's VAT-ZD notice (the module's own forms).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <optional>

#include "DeclarationFixture.h"
#include "EDeklaracjaSupport.h"
#include "EDeklaracjaTestForms.h"
#include "ModuleClassFixture.h"
#include "host/session/HostEnvironment.h"
#include "platform/crypto/CryptUi.h"
#include "platform/text/CodePage.h"
#include "tests/support/GateProcess.h"
#include "tests/support/TestPki.h"

namespace {

std::u16string Number(LONG value) { return tlx::Utf8ToUtf16(std::to_string(value)); }

// A fixture `Base` whose company files through tlxgate: the exchange folder, the service's address and
// the signer's certificate chosen by name.
template <class Base>
class WithGate : public Base {
protected:
    bool WithHostDemoData() const override { return true; }

    void SetUp() override {
        Base::SetUp();
        exchange = this->folder_ / "wymiana";
        std::filesystem::create_directories(exchange);
        gate.emplace(TLX_GATE_PROGRAM, pki, this->folder_ / "gate", GateOptions());
        Setting(u"eDeklaracjeKatalogWymiany", tlx::Utf8ToUtf16(exchange.string()));
        Setting(u"WebServiceAddress", tlx::Utf8ToUtf16(gate->Url()));
        chooser = tlx::SetCertificateChooser({});
        setenv("TLX_CERT_SELECT", "Jan Testowy", 1);
    }
    void TearDown() override {
        tlx::SetCertificateChooser(chooser);
        unsetenv("TLX_CERT_SELECT");
        gate.reset();
        Base::TearDown();
    }

    virtual std::vector<std::string> GateOptions() const { return {}; }

    void Setting(std::u16string_view key, std::u16string_view value) {
        this->Execute(u"UPDATE TLX.Konfiguracja SET Kfg_Wartosc = '" + std::u16string(value) + u"' WHERE Kfg_Klucz = '" +
                      std::u16string(key) + u"'");
    }

    // The e-declaration columns of a declaration's stored row, "|" after each. A date column shows its
    // day: the copy goes through the properties, which read a sending or receipt time as its whole day.
    std::u16string Stored(LONG id, std::initializer_list<const char16_t*> columns) {
        std::u16string texts;
        for (const char16_t* column : columns) {
            std::u16string text = this->Scalar(u"SELECT DkN_EDekl_" + std::u16string(column) +
                                               u" FROM TLX.DeklNag WHERE DkN_DkNID = " + Number(id));
            if (std::u16string_view(column).starts_with(u"Data") && !std::u16string_view(column).ends_with(u"Wplyniecia"))
                text = text.substr(0, text.find(u'.'));
            texts += text + u"|";
        }
        return texts;
    }
    std::u16string SendStatus(LONG id) {
        return Stored(id, {u"RefID", u"Status", u"StatusOpis", u"OperatorWysylajacy", u"DataWyslania"});
    }
    std::u16string ReceiptData(LONG id) {
        return Stored(id, {u"OperatorPobierajacyUPO", u"DataOdebraniaUPO", u"Status", u"StatusOpis", u"KodUrzedu",
                           u"DataWplyniecia"});
    }

    TestPki pki;
    std::filesystem::path exchange;
    std::optional<GateProcess> gate;
    tlx::CertificateChooser chooser;
};

class LinkedVatUe : public WithGate<edtest::TestFormsTest> {
protected:
    // A VAT-UE of March 2024 with these counts, and the attachments that exist, each of its period.
    tlx::ComPtr<IDeklaracja2> VatUe(LONG countA, LONG countB, LONG countC) {
        auto vatue = New(11, 2, 2024, 3, 1);
        Put(vatue.Get(), u"Nip", tlx::Variant::FromString(u"5260250274"));
        Put(vatue.Get(), u"KodUrzedu", tlx::Variant::FromString(u"1471"));
        Put(vatue.Get(), u"ZalacznikVATUEA", tlx::Variant::FromLong(countA));
        Put(vatue.Get(), u"ZalacznikVATUEB", tlx::Variant::FromLong(countB));
        Put(vatue.Get(), u"ZalacznikVATUEC", tlx::Variant::FromLong(countC));
        return vatue;
    }
    void Attachment(LONG type, LONG number) {
        auto attachment = New(type, 1, 2024, 3, number);
        Put(attachment.Get(), u"Kraj", tlx::Variant::FromString(u"DE"));
        attachments.push_back(attachment);
    }
    HRESULT Send(IDeklaracja2* declaration) { return edeklaracja->WyslijDeklaracje(declaration, tlx::Bstr(u"").Get()); }

    std::vector<tlx::ComPtr<IDeklaracja2>> attachments;
};

TEST_F(LinkedVatUe, TheStatusAndTheReceiptReachExactlyTheCountedAttachments) {
    auto vatue = VatUe(2, 0, 1);
    Attachment(13, 1);
    Attachment(13, 2);
    Attachment(14, 1);
    Attachment(23, 1);
    Save();
    const LONG a1 = IdOf(attachments[0].Get()), a2 = IdOf(attachments[1].Get()), b1 = IdOf(attachments[2].Get()),
               c1 = IdOf(attachments[3].Get());

    ASSERT_EQ(Send(vatue.Get()), S_OK) << tlx::Utf16ToUtf8(LastError());
    const std::u16string sent = SendStatus(IdOf(vatue.Get()));
    ASSERT_EQ(sent.substr(32, 5), u"|301|") << tlx::Utf16ToUtf8(sent);
    EXPECT_EQ(SendStatus(a1), sent);
    EXPECT_EQ(SendStatus(a2), sent);
    EXPECT_EQ(SendStatus(c1), sent);
    EXPECT_EQ(SendStatus(b1), u"NULL|0|NULL|NULL|NULL|") << "a VAT-UE/B the VAT-UE does not count";

    ASSERT_EQ(edeklaracja->PobierzUPO(vatue.Get()), S_OK) << tlx::Utf16ToUtf8(LastError());
    const std::u16string received = ReceiptData(IdOf(vatue.Get()));
    ASSERT_NE(received.find(u"|200|Przetwarzanie dokumentu zakończone poprawnie, pobrano UPO.|1471|20"), std::u16string::npos)
        << tlx::Utf16ToUtf8(received);
    for (LONG id : {a1, a2, c1}) {
        EXPECT_EQ(ReceiptData(id), received);
        EXPECT_EQ(Stored(id, {u"RefID", u"DokumentID"}), sent.substr(0, 33) + u"NULL|")
            << "the reference stays, the receipt's own fields are the VAT-UE's";
    }
    EXPECT_EQ(Stored(b1, {u"Status"}), u"0|");

    // A send the service never hears changes nothing, neither in the VAT-UE nor in its attachments.
    const std::u16string before = ReceiptData(a1) + SendStatus(a1);
    gate.reset();
    EXPECT_EQ(Send(vatue.Get()), E_FAIL);
    EXPECT_EQ(ReceiptData(a1) + SendStatus(a1), before);
    EXPECT_EQ(Stored(IdOf(vatue.Get()), {u"RefID"}), sent.substr(0, 33));
}

// A count above the attachments that exist: the send is taken and kept, the attachments found before
// the missing one keep their copy, and the call answers the session's failure.
TEST_F(LinkedVatUe, AMissingCountedAttachmentFailsTheStepAfterTheEarlierOnesGotTheirCopy) {
    auto vatue = VatUe(3, 0, 0);
    Attachment(13, 1);
    Attachment(13, 2);
    Save();
    EXPECT_EQ(Send(vatue.Get()), E_FAIL);
    const std::u16string failure = LastError();
    const std::u16string sent = SendStatus(IdOf(vatue.Get()));
    // The failure names the reference number the service gave, which the VAT-UE keeps.
    EXPECT_EQ(failure.rfind(u"Deklaracja została wysłana, jej numer referencyjny to " + sent.substr(0, 32) +
                                u". Błąd zapisu statusu deklaracji do bazy: ",
                            0),
              0u)
        << tlx::Utf16ToUtf8(failure);
    ASSERT_EQ(sent.substr(32, 5), u"|301|") << "the VAT-UE's own status is saved";
    EXPECT_EQ(SendStatus(IdOf(attachments[0].Get())), sent);
    EXPECT_EQ(SendStatus(IdOf(attachments[1].Get())), sent);
    const edtest::Event failed{edtest::kActionFailed, {failure}};
    EXPECT_NE(std::find(sink->events.begin(), sink->events.end(), failed), sink->events.end());
}

// The demo VAT-7 of March 2024 with its locked, final VAT-ZD notice; the service still processes it
// at the first receipt request.
class LinkedVatZd : public WithGate<ModuleClassTest> {
protected:
    bool WithDemoCompany() const override { return true; }
    std::vector<std::string> GateOptions() const override { return {"--processing", "1"}; }

    void SetUp() override {
        WithGate<ModuleClassTest>::SetUp();
        // Each case makes the month's notice it needs: the demo company's own goes.
        Execute(u"delete from TLX.VATZD");
        Execute(u"delete from TLX.DeklNag where DkN_TypDeklar = 403");
        edeklaracja = CEDeklaracja::Make();
        LONG state = 0;
        ASSERT_EQ(edeklaracja->Initialize(session_.Get(), &state), S_OK);
        ASSERT_EQ(edeklaracja->put_Login(tlx::ComPtr<IDispatch>(tlx::host::CurrentLogin().Get()).Get()), S_OK);
    }
    void TearDown() override {
        edeklaracja.Reset();
        WithGate<ModuleClassTest>::TearDown();
    }

    LONG LockedNotice() {
        auto notices = Create(u"TLXDeklaracje.Deklaracje").As<ICollection>();
        tlx::ComPtr<IDispatch> item;
        EXPECT_EQ(notices->AddNew(tlx::Variant::Missing(), item.Out()), S_OK) << tlx::Utf16ToUtf8(LastError());
        auto notice = item.As<IDeklaracja2>();
        notice->put_TypDeklar(403);
        notice->put_Wersja(1);
        notice->put_Rok(2024);
        notice->put_Miesiac(3);
        EXPECT_EQ(tlx::test::SaveCollection(notices.Get()), S_OK) << tlx::Utf16ToUtf8(LastError());
        LONG id = 0;
        notice->get_ID(&id);
        Execute(u"update TLX.DeklNag set DkN_Finalna = 1, DkN_Zablokowana = 1 where DkN_DkNID = " + Number(id));
        Execute(u"insert into TLX.VATZD (VaZ_DkNId, VaZ_KntNazwa1, VaZ_KntNipE, VaZ_Dokument, VaZ_DataWys, VaZ_Termin, "
                u"VaZ_Netto, VaZ_KorektaNetto, VaZ_KorektaVAT) values (" + Number(id) +
                u", 'Hurtownia Beta', '526-025-02-74', 'FV/1', '2024-01-05', '2024-02-05', 1000, 500, 115)");
        return id;
    }

    // The demo VAT-7 of March 2024 that says one VAT-ZD notice goes with it.
    tlx::ComPtr<IDeklaracja2> Vat7WithNotice() {
        return edtest::SavedVat7(Create(u"TLXDeklaracje.Deklaracje").As<ICollection>().Get(),
                                 {{u"P_68", tlx::Variant::FromLong(1)}, {u"P_69", tlx::Variant::FromLong(1)}});
    }

    tlx::ComPtr<CEDeklaracja> edeklaracja;
};

TEST_F(LinkedVatZd, TheNoticeReceivesTheVat7sStatusAndEachReceiptAnswer) {
    const LONG notice = LockedNotice();
    auto vat7 = Vat7WithNotice();
    LONG id = 0;
    ASSERT_EQ(vat7->get_ID(&id), S_OK);

    ASSERT_EQ(edeklaracja->WyslijDeklaracje(vat7.Get(), tlx::Bstr(u"").Get()), S_OK) << tlx::Utf16ToUtf8(LastError());
    const std::u16string sent = SendStatus(id);
    ASSERT_EQ(sent.substr(32, 5), u"|301|") << tlx::Utf16ToUtf8(sent);
    EXPECT_EQ(SendStatus(notice), sent);
    EXPECT_NE(gate->Received(".p7s"), "");

    ASSERT_EQ(edeklaracja->PobierzUPO(vat7.Get()), S_OK) << tlx::Utf16ToUtf8(LastError());
    const auto processing = {u"OperatorPobierajacyUPO", u"DataOdebraniaUPO", u"Status", u"StatusOpis"};
    EXPECT_EQ(Stored(notice, processing), Stored(id, processing));
    EXPECT_EQ(Stored(notice, {u"Status"}), u"301|");

    ASSERT_EQ(edeklaracja->PobierzUPO(vat7.Get()), S_OK) << tlx::Utf16ToUtf8(LastError());
    const std::u16string received = ReceiptData(id);
    ASSERT_NE(received.find(u"|200|"), std::u16string::npos) << tlx::Utf16ToUtf8(received);
    EXPECT_EQ(ReceiptData(notice), received);
    EXPECT_EQ(Stored(notice, {u"RefID", u"DokumentID"}), sent.substr(0, 33) + u"NULL|");

    // A notice unlocked since is refused before anything is copied into it; the VAT-7 keeps its receipt.
    Execute(u"update TLX.DeklNag set DkN_Zablokowana = 0 where DkN_DkNID = " + Number(notice));
    Execute(u"update TLX.DeklNag set DkN_EDekl_Status = 0 where DkN_DkNID = " + Number(notice));
    EXPECT_EQ(edeklaracja->PobierzUPO(vat7.Get()), E_FAIL);
    EXPECT_EQ(LastError().rfind(u"Nieprawidłowa wiadomość UPO: ", 0), 0u) << tlx::Utf16ToUtf8(LastError());
    EXPECT_EQ(Stored(notice, {u"Status"}), u"0|");
    EXPECT_EQ(Stored(id, {u"Status"}), u"200|");
}

}  // namespace
