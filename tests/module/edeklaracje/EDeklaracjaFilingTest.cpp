// Filing through the host's real gateway to tlxgate over HTTPS: a signed VAT-7 of the demo company and
// an unsigned one of a natural person, judged by the stand-in service as the tax office judges them; a
// company kept by an accounting office; receipts a hostile gateway answers that must not be kept.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>

#include "DeclarationFixture.h"
#include "EDeklaracjaSupport.h"
#include "ModuleClassFixture.h"
#include "host/session/HostEnvironment.h"
#include "platform/crypto/Certificate.h"
#include "platform/crypto/CryptUi.h"
#include "platform/text/CodePage.h"
#include "platform/ui/Window.h"
#include "tests/support/CannedGateway.h"
#include "tests/support/GateProcess.h"
#include "tests/support/TestPki.h"

namespace {

using edtest::CRecordingSink;

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class EDeklaracjaFiling : public ModuleClassTest {
protected:
    bool WithDemoCompany() const override { return true; }
    bool WithHostDemoData() const override { return true; }

    void SetUp() override {
        ModuleClassTest::SetUp();
        exchange = folder_ / "wymiana";
        std::filesystem::create_directories(exchange);
        gate.emplace(TLX_GATE_PROGRAM, pki, folder_ / "gate", GateOptions());
        Setting(u"eDeklaracjeKatalogWymiany", tlx::Utf8ToUtf16(exchange.string()));
        Setting(u"WebServiceAddress", tlx::Utf8ToUtf16(gate->Url()));
        edeklaracja = CEDeklaracja::Make();
        LONG state = 0;
        ASSERT_EQ(edeklaracja->Initialize(session_.Get(), &state), S_OK);
        ASSERT_EQ(edeklaracja->put_Login(tlx::ComPtr<IDispatch>(tlx::host::CurrentLogin().Get()).Get()), S_OK);
        sink = CRecordingSink::Make();
        ASSERT_EQ(edeklaracja->AdviseProgress(static_cast<_IProgressEvents*>(sink.Get())), S_OK);
        chooser = tlx::SetCertificateChooser({});  // the certificate TLX_CERT_SELECT names
        setenv("TLX_CERT_SELECT", "Jan Testowy", 1);
    }
    void TearDown() override {
        tlx::SetCertificateChooser(chooser);
        unsetenv("TLX_CERT_SELECT");
        edeklaracja.Reset();
        gate.reset();
        ModuleClassTest::TearDown();
    }

    virtual std::vector<std::string> GateOptions() const { return {}; }

    void Setting(std::u16string_view key, std::u16string_view value) {
        Execute(u"UPDATE TLX.Konfiguracja SET Kfg_Wartosc = '" + std::u16string(value) + u"' WHERE Kfg_Klucz = '" +
                std::u16string(key) + u"'");
    }

    // A VAT-7 of March 2024, saved; `person` makes the taxpayer a natural person.
    tlx::ComPtr<IDeklaracja2> SavedVat7(bool person = false) {
        auto collection = Create(u"TLXDeklaracje.Deklaracje").As<ICollection>();
        tlx::ComPtr<IDispatch> item;
        EXPECT_EQ(collection->AddNew(tlx::Variant::Missing(), item.Out()), S_OK);
        auto vat7 = item.As<IDeklaracja2>();
        vat7->put_TypDeklar(1);
        vat7->put_Wersja(17);
        vat7->put_Rok(2024);
        vat7->put_Miesiac(3);
        EXPECT_EQ(Put(vat7.Get(), u"P_1", tlx::Variant::FromString(u"526-025-02-74")), S_OK);
        EXPECT_EQ(Put(vat7.Get(), u"P_6", tlx::Variant::FromString(u"1471")), S_OK);
        EXPECT_EQ(Put(vat7.Get(), u"P_8", tlx::Variant::FromLong(person ? 2 : 1)), S_OK);
        EXPECT_EQ(Put(vat7.Get(), u"P_9", tlx::Variant::FromString(u"Przykładowa Spółka z o.o., 012345675")), S_OK);
        if (person) {
            EXPECT_EQ(Put(vat7.Get(), u"ImiePierwsze", tlx::Variant::FromString(u"Łucja")), S_OK);
            EXPECT_EQ(Put(vat7.Get(), u"Nazwisko", tlx::Variant::FromString(u"Żółkiewska")), S_OK);
            EXPECT_EQ(Put(vat7.Get(), u"DataUrodzenia", tlx::Variant::FromString(u"1980-02-29")), S_OK);
        }
        EXPECT_EQ(vat7->Policz(), S_OK) << tlx::Utf16ToUtf8(LastError());
        EXPECT_EQ(tlx::test::SaveCollection(collection.Get()), S_OK) << tlx::Utf16ToUtf8(LastError());
        return vat7;
    }

    // The CAdES message the service received for `refId` verifies against the CA and holds the filed file.
    void ExpectVerifiedAsFiled(const std::u16string& refId) {
        const auto received = folder_ / "gate" / (tlx::Utf16ToUtf8(refId) + ".p7s");
        const auto content = folder_ / "content.xml";
        const std::string verify = "openssl cms -verify -cades -binary -inform DER -in '" + received.string() +
                                   "' -CAfile '" + pki.CaCert().string() + "' -out '" + content.string() +
                                   "' 2>/dev/null";
        ASSERT_EQ(std::system(verify.c_str()), 0);
        EXPECT_EQ(ReadFile(content), ReadFile(FiledDocument()));
    }

    std::filesystem::path FiledDocument() {
        for (const auto& entry : std::filesystem::recursive_directory_iterator(exchange))
            if (entry.is_regular_file() && entry.path().extension() == ".xml") return entry.path();
        return {};
    }

    std::u16string RefId(IDeklaracja2* declaration) {
        tlx::Bstr reference;
        EXPECT_EQ(declaration->get_EDekl_RefID(reference.Out()), S_OK);
        return std::u16string(reference.View());
    }

    // The service's verdict on a filed document: the receipt request's status and text.
    std::pair<LONG, std::u16string> Verdict(const std::u16string& refId) {
        tlx::ComPtr<IEDeklaracjeGateway> gateway;
        EXPECT_EQ(CoCreateInstance(CLSID_EDeklaracjeGateway, nullptr, CLSCTX_ALL, IEDeklaracjeGateway::kIid,
                                   gateway.OutVoid()),
                  S_OK);
        gateway->SetAddress(tlx::Bstr(tlx::Utf8ToUtf16(gate->Url())).Get());
        tlx::ComPtr<IGatewayUpoResult> result;
        EXPECT_EQ(gateway->RequestUpo(tlx::Bstr(refId).Get(), tlx::Bstr(u"").Get(), tlx::Bstr(u"pl").Get(), result.Out()),
                  S_OK);
        if (!result) return {0, u"(brak wyniku)"};
        LONG status = 0;
        tlx::Bstr text;
        result->StatusCode(&status);
        result->StatusText(text.Out());
        return {status, std::u16string(text.View())};
    }

    TestPki pki;
    std::filesystem::path exchange;
    std::optional<GateProcess> gate;
    tlx::ComPtr<CEDeklaracja> edeklaracja;
    tlx::ComPtr<CRecordingSink> sink;
    tlx::CertificateChooser chooser;
};

TEST_F(EDeklaracjaFiling, ASignedVat7IsTakenByTheServiceAsFiled) {
    auto vat7 = SavedVat7();
    ASSERT_EQ(edeklaracja->WyslijDeklaracje(vat7.Get(), tlx::Bstr(u"").Get()), S_OK) << tlx::Utf16ToUtf8(LastError());
    const std::u16string refId = RefId(vat7.Get());
    ASSERT_EQ(refId.size(), 32u);

    ExpectVerifiedAsFiled(refId);
    EXPECT_EQ(Verdict(refId), (std::pair<LONG, std::u16string>{200, u"Przetwarzanie dokumentu zakończone poprawnie, pobierz UPO"}));
}

TEST_F(EDeklaracjaFiling, AnUnsignedVat7OfANaturalPersonCarriesItsAuthorisationData) {
    auto vat7 = SavedVat7(true);
    CY amount{12345000};  // 1234.5
    const DATE born = CDate(2, 29, 1980).Value();
    ASSERT_EQ(edeklaracja->WyslijDeklaracje_Unsigned(vat7.Get(), tlx::Bstr(u"").Get(), tlx::Bstr(u"526-025-02-74").Get(),
                                                     tlx::Bstr(u"Łucja").Get(), tlx::Bstr(u"Żółkiewska").Get(),
                                                     tlx::Bstr(u"").Get(), born, amount),
              S_OK)
        << tlx::Utf16ToUtf8(LastError());
    const std::u16string refId = RefId(vat7.Get());
    ASSERT_EQ(refId.size(), 32u);
    const std::string received = ReadFile(folder_ / "gate" / (tlx::Utf16ToUtf8(refId) + ".xml"));
    EXPECT_EQ(received, ReadFile(FiledDocument()));
    EXPECT_NE(received.find("<podp:NIP>5260250274</podp:NIP><podp:ImiePierwsze>Łucja</podp:ImiePierwsze>"
                            "<podp:Nazwisko>Żółkiewska</podp:Nazwisko><podp:DataUrodzenia>1980-02-29</podp:DataUrodzenia>"
                            "<podp:Kwota>1234.50</podp:Kwota></podp:DaneAutoryzujace></Deklaracja>"),
              std::string::npos)
        << received;
    EXPECT_EQ(Verdict(refId).first, 200) << tlx::Utf16ToUtf8(Verdict(refId).second);
}


// The service still processing at the first request for the receipt.
class EDeklaracjaReceipt : public EDeklaracjaFiling {
protected:
    std::vector<std::string> GateOptions() const override { return {"--processing", "1"}; }
};

TEST_F(EDeklaracjaReceipt, TheReceiptComesAfterProcessingAndIsKeptAsIssued) {
    auto vat7 = SavedVat7();
    ASSERT_EQ(edeklaracja->WyslijDeklaracje(vat7.Get(), tlx::Bstr(u"").Get()), S_OK) << tlx::Utf16ToUtf8(LastError());
    const std::u16string refId = RefId(vat7.Get());
    LONG id = 0;
    ASSERT_EQ(vat7->get_ID(&id), S_OK);
    const std::u16string row = u" FROM TLX.DeklNag WHERE DkN_DkNID = " + tlx::Utf8ToUtf16(std::to_string(id));

    ASSERT_EQ(edeklaracja->PobierzUPO(vat7.Get()), S_OK) << tlx::Utf16ToUtf8(LastError());
    EXPECT_EQ(Scalar(u"SELECT DkN_EDekl_Status" + row), u"301");
    EXPECT_EQ(gate->Received(".upo.xml"), "");

    ASSERT_EQ(edeklaracja->PobierzUPO(vat7.Get()), S_OK) << tlx::Utf16ToUtf8(LastError());
    EXPECT_EQ(Scalar(u"SELECT DkN_EDekl_Status" + row), u"200");
    EXPECT_EQ(Scalar(u"SELECT DkN_EDekl_DokumentID" + row), refId);
    EXPECT_EQ(Scalar(u"SELECT DkN_EDekl_NIP1" + row), u"5260250274");
    EXPECT_EQ(Scalar(u"SELECT DkN_EDekl_KodUrzedu" + row), u"1471");
    EXPECT_EQ(Scalar(u"SELECT DkN_EDekl_SigningTime" + row).substr(0, 2), u"20");
    const std::string issued = gate->Received(".upo.xml");
    ASSERT_NE(issued, "");
    std::string kept;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(exchange))
        if (entry.path().filename().string().find(tlx::Utf16ToUtf8(refId)) != std::string::npos) kept = ReadFile(entry.path());
    EXPECT_EQ(kept, issued);
}

TEST_F(EDeklaracjaReceipt, AReceiptWhoseExchangeFolderWasRemovedIsNotFetched) {
    auto vat7 = SavedVat7();
    ASSERT_EQ(edeklaracja->WyslijDeklaracje(vat7.Get(), tlx::Bstr(u"").Get()), S_OK) << tlx::Utf16ToUtf8(LastError());
    std::filesystem::remove_all(exchange);
    EXPECT_EQ(edeklaracja->PobierzUPO(vat7.Get()), static_cast<HRESULT>(0x800577C9));
    EXPECT_EQ(gate->Received(".upo.xml"), "");
}

// A company kept by an accounting office: "BazaFirmowaBiura" names a database of the configuration,
// whose name the host's main window shows.
class EDeklaracjaOfficeFiling : public EDeklaracjaFiling {
protected:
    bool WithConfigDatabase() const override { return true; }

    void SetUp() override {
        EDeklaracjaFiling::SetUp();
        ExecuteConfig(u"INSERT INTO TLX.Bazy (Baz_BazID, Baz_Nazwa, Baz_Plik) VALUES (7, 'Biuro Kowalski', 'firma.db')");
        tlx::SetCertificateChooser([this](const tlx::CertificateChoice& choice) {
            owners.push_back(choice.ownerTitle);
            for (std::size_t i = 0; i < choice.shown.size(); ++i)
                if (tlx::crypto::Certificate::From(choice.shown[i])->SubjectName() == "Jan Testowy")
                    return static_cast<int>(i);
            return -1;
        });
    }

    // The office's company database this company is kept as.
    void OfficeDatabase(std::u16string_view id) {
        Execute(u"INSERT INTO TLX.Konfiguracja (Kfg_Klucz, Kfg_Wartosc) VALUES ('BazaFirmowaBiura', '" +
                std::u16string(id) + u"')");
    }

    std::vector<std::string> owners;  // the owner window of every selection
};

TEST_F(EDeklaracjaOfficeFiling, TheOfficesCompanyNamesTheDialogsOwnerAndIsFiled) {
    OfficeDatabase(u"7");
    tlx::TopLevelWindow main("TLX Biuro Rachunkowe [Biuro Kowalski]");
    auto vat7 = SavedVat7();
    ASSERT_EQ(edeklaracja->WyslijDeklaracje(vat7.Get(), tlx::Bstr(u"").Get()), S_OK) << tlx::Utf16ToUtf8(LastError());
    EXPECT_EQ(owners, (std::vector<std::string>{"TLX Biuro Rachunkowe [Biuro Kowalski]"}));
    const std::u16string refId = RefId(vat7.Get());
    ASSERT_EQ(refId.size(), 32u);
    ExpectVerifiedAsFiled(refId);
}

TEST_F(EDeklaracjaOfficeFiling, AnUnknownOfficeDatabaseIsReportedAndTheSigningGoesOn) {
    OfficeDatabase(u"99");
    tlx::TopLevelWindow main("TLX Biuro Rachunkowe");
    auto vat7 = SavedVat7();
    ASSERT_EQ(edeklaracja->WyslijDeklaracje(vat7.Get(), tlx::Bstr(u"").Get()), S_OK) << tlx::Utf16ToUtf8(LastError());
    EXPECT_EQ(owners, (std::vector<std::string>{"TLX Biuro Rachunkowe"}));
    const edtest::Event note{edtest::kSendMessage,
                             {u"#3", u"Nie odczytano nazwy bazy firmowej biura o identyfikatorze 99: nie ma jej w konfiguracji"}};
    EXPECT_NE(std::find(sink->events.begin(), sink->events.end(), note), sink->events.end());
    ExpectVerifiedAsFiled(RefId(vat7.Get()));
}

// The text as the content of an XML element.
std::string Escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '&') out += "&amp;";
        else if (c == '<') out += "&lt;";
        else if (c == '>') out += "&gt;";
        else out += c;
    }
    return out;
}

// A receipt of the reference `refId`, with every field the module requires.
std::string ReceiptOf(const std::string& refId, const std::string& padding = {}) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?><ds:Signature xmlns:ds=\"http://www.w3.org/2000/09/xmldsig#\">"
           "<ds:Object><Potwierdzenie><NazwaPodmiotuPrzyjmujacego>Ministerstwo Finansów</NazwaPodmiotuPrzyjmujacego>"
           "<NumerReferencyjny>" + refId + "</NumerReferencyjny><SkrotDokumentu>abc=</SkrotDokumentu>"
           "<SkrotZlozonejStruktury>AB</SkrotZlozonejStruktury><NazwaStrukturyLogicznej>x</NazwaStrukturyLogicznej>"
           "<DataWplyniecia>2024-04-02T10:00:00.000Z</DataWplyniecia><StempelCzasu>MjA=</StempelCzasu>"
           "<NIP1>5260250274</NIP1><Uwagi>" + padding + "</Uwagi></Potwierdzenie></ds:Object><ds:Object>"
           "<xades:QualifyingProperties xmlns:xades=\"http://uri.etsi.org/01903/v1.3.2#\"><xades:SignedProperties>"
           "<xades:SignedSignatureProperties><xades:SigningTime>2024-04-02T10:00:00Z</xades:SigningTime>"
           "</xades:SignedSignatureProperties></xades:SignedProperties></xades:QualifyingProperties></ds:Object>"
           "</ds:Signature>";
}

// Answers to a receipt request that are no receipt of the declaration: each is a failure, and the
// declaration keeps what its send stored; an answer that is no answer of the service leaves the request
// on record (who asked and when).
TEST_F(EDeklaracjaFiling, ABrokenOrForeignReceiptIsRefusedAndKeepsWhatTheSendStored) {
    auto vat7 = SavedVat7();
    ASSERT_EQ(edeklaracja->WyslijDeklaracje(vat7.Get(), tlx::Bstr(u"").Get()), S_OK) << tlx::Utf16ToUtf8(LastError());
    const std::string refId = tlx::Utf16ToUtf8(RefId(vat7.Get()));
    LONG id = 0;
    ASSERT_EQ(vat7->get_ID(&id), S_OK);
    auto stored = [&] {
        std::u16string columns;
        for (const char16_t* column : {u"RefID", u"Status", u"StatusOpis", u"DokumentID", u"NIP1", u"SigningTime"})
            columns += Scalar(u"SELECT DkN_EDekl_" + std::u16string(column) + u" FROM TLX.DeklNag WHERE DkN_DkNID = " +
                              tlx::Utf8ToUtf16(std::to_string(id))) + u"|";
        return columns;
    };
    const std::u16string sent = stored();
    ASSERT_NE(sent.find(u"|301|"), std::u16string::npos) << tlx::Utf16ToUtf8(sent);

    CannedGateway canned(pki);
    Setting(u"WebServiceAddress", tlx::Utf8ToUtf16(canned.Url()));
    const std::u16string failure = u"Błąd komunikacji z Web Service-em Ministerstwa Finansów: ";
    const std::string issued = "<statusOpis>Przetwarzanie dokumentu zakończone poprawnie, pobierz UPO</statusOpis>";
    struct Row {
        const char* name;
        int http;
        std::string body;
        std::u16string message;
    };
    const Row rows[] = {
        {"not XML", 200, "to nie jest odpowiedź", failure + u"odpowiedź usługi nie jest poprawnym dokumentem XML (wiersz 1)"},
        {"no envelope", 200, "<odpowiedz/>", failure + u"odpowiedź usługi nie jest komunikatem SOAP"},
        {"no status", 200, CannedGateway::UpoResponse("<upo>" + Escaped(ReceiptOf(refId)) + "</upo>" + issued),
         failure + u"odpowiedź usługi nie zawiera statusu"},
        {"a status that is no number", 200, CannedGateway::UpoResponse("<status>dwieście</status>" + issued),
         failure + u"status w odpowiedzi usługi nie jest liczbą"},
        {"a receipt too large to read", 200,
         CannedGateway::UpoResponse("<upo>" + Escaped(ReceiptOf(refId, std::string(10'000'001, 'x'))) +
                                    "</upo><status>200</status>" + issued),
         failure + u"odpowiedź usługi jest dłuższa niż 8388608 bajtów i nie została odczytana"},
        {"another declaration's receipt", 200,
         CannedGateway::UpoResponse("<upo>" + Escaped(ReceiptOf("ffffffffffffffffffffffffffffffff")) +
                                    "</upo><status>200</status>" + issued),
         u"Nieprawidłowa wiadomość UPO: potwierdzenie dotyczy dokumentu o numerze referencyjnym "
         u"ffffffffffffffffffffffffffffffff, a pobierano je dla numeru " + tlx::Utf8ToUtf16(refId)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        canned.Answer(row.http, row.body);
        EXPECT_EQ(edeklaracja->PobierzUPO(vat7.Get()), E_FAIL);
        EXPECT_EQ(LastError(), row.message);
        EXPECT_EQ(stored(), sent);
        std::size_t files = 0;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(exchange))
            files += entry.is_regular_file() ? 1 : 0;
        EXPECT_EQ(files, 1u) << "only the filed document";
    }
    EXPECT_NE(Scalar(u"SELECT DkN_EDekl_OperatorPobierajacyUPO FROM TLX.DeklNag WHERE DkN_DkNID = " +
                     tlx::Utf8ToUtf16(std::to_string(id))),
              u"NULL")
        << "the requests are on record";
    // The same receipt for this reference is taken.
    canned.Answer(200, CannedGateway::UpoResponse("<upo>" + Escaped(ReceiptOf(refId)) + "</upo><status>200</status>" +
                                                  issued));
    ASSERT_EQ(edeklaracja->PobierzUPO(vat7.Get()), S_OK) << tlx::Utf16ToUtf8(LastError());
    EXPECT_EQ(Scalar(u"SELECT DkN_EDekl_DokumentID FROM TLX.DeklNag WHERE DkN_DkNID = " +
                     tlx::Utf8ToUtf16(std::to_string(id))),
              tlx::Utf8ToUtf16(refId));
}

// The signing component on the user's machine, tlxsigner, listening on the channel's socket in a
// folder of the test's; stopped by its process id.
class SignerProcess {
public:
    explicit SignerProcess(const std::string& program) {
        int out[2];
        if (::pipe(out) != 0) return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::dup2(out[1], 1);
            ::close(out[0]);
            ::close(out[1]);
            ::execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(out[1]);
        FILE* output = ::fdopen(out[0], "r");
        char line[1024] = {};
        if (output && std::fgets(line, sizeof line, output)) socket_ = line;
        if (output) std::fclose(output);
    }
    ~SignerProcess() {
        if (pid_ <= 0) return;
        ::kill(pid_, SIGTERM);
        ::waitpid(pid_, nullptr, 0);
    }
    SignerProcess(const SignerProcess&) = delete;
    SignerProcess& operator=(const SignerProcess&) = delete;
    // The socket's path as the component printed it ("" when it did not start).
    const std::string& Socket() const { return socket_; }

private:
    pid_t pid_ = -1;
    std::string socket_;
};

// An operator in a remote-desktop session: tlxsigner signs on the user's machine with its own store.
class EDeklaracjaRemoteFiling : public EDeklaracjaFiling {
protected:
    LONG RemoteSession() const override { return 1; }
    void SetUp() override {
        EDeklaracjaFiling::SetUp();
        setenv("TLX_VIRTUAL_CHANNEL_DIR", (folder_ / "kanal").c_str(), 1);
        signer.emplace(TLX_SIGNER_PROGRAM);
        ASSERT_NE(signer->Socket(), "");
    }
    void TearDown() override {
        signer.reset();
        edtest::LetChannelClientGo();
        unsetenv("TLX_VIRTUAL_CHANNEL_DIR");
        EDeklaracjaFiling::TearDown();
    }

    std::optional<SignerProcess> signer;
};

TEST_F(EDeklaracjaRemoteFiling, TheUsersMachineSignsTheFiledTextAndTheServiceTakesIt) {
    auto vat7 = SavedVat7();
    ASSERT_EQ(edeklaracja->WyslijDeklaracje(vat7.Get(), tlx::Bstr(u"").Get()), S_OK) << tlx::Utf16ToUtf8(LastError());
    const std::u16string refId = RefId(vat7.Get());
    ASSERT_EQ(refId.size(), 32u);
    ExpectVerifiedAsFiled(refId);
    EXPECT_EQ(Verdict(refId), (std::pair<LONG, std::u16string>{200, u"Przetwarzanie dokumentu zakończone poprawnie, pobierz UPO"}));

    // The component cannot sign without a certificate: the send answers its refusal and sends nothing.
    ASSERT_EQ(edeklaracja->UsunCertyfikat(), S_OK);
    setenv("TLX_CERT_SELECT", "cancel", 1);
    signer.emplace(TLX_SIGNER_PROGRAM);  // a component that chooses none
    edtest::LetChannelClientGo();
    EXPECT_EQ(edeklaracja->WyslijDeklaracje(vat7.Get(), tlx::Bstr(u"").Get()), E_FAIL);
    EXPECT_EQ(LastError(), u"Błąd po stronie klienta: Nie wybrano certyfikatu");
    EXPECT_EQ(RefId(vat7.Get()), refId);
}

// Nothing listens on the user's machine: the user is told to install the signing component, not the
// system's reason, by the send (which sends nothing) and by UsunCertyfikat (which still releases the
// object's certificate).
TEST_F(EDeklaracjaRemoteFiling, WithoutTheComponentTheUserIsToldToInstallIt) {
    signer.reset();
    edtest::LetChannelClientGo();
    const std::u16string hint =
        u"Błąd połączenia kanału wirtualnego, spawdź czy zainstalowano komponent do lokalnego podpisywania dokumentów.";
    auto vat7 = SavedVat7();
    EXPECT_EQ(edeklaracja->WyslijDeklaracje(vat7.Get(), tlx::Bstr(u"").Get()), E_FAIL);
    EXPECT_EQ(LastError(), hint);
    EXPECT_EQ(RefId(vat7.Get()), u"");
    EXPECT_EQ(edeklaracja->UsunCertyfikat(), S_OK);
}

// Documents of 1 590, 3 180 and 3 181 code units, one with a character of two units split between two
// pieces: what tlxsigner signed is the document's UTF-8 text. An empty one reaches the component, which
// refuses to sign nothing.
TEST_F(EDeklaracjaRemoteFiling, EveryLengthArrivesWholeThroughTheHostsChannel) {
    VirtualChannelSigning empty;
    try {
        empty.SignOverVirtualChannel(u"", false);
        ADD_FAILURE() << "an empty document was signed";
    } catch (const VirtualChannelSigning::Failure& failure) {
        EXPECT_EQ(failure.text, u"Błąd po stronie klienta: Podpisanie dokumentu nie powiodło się");
    }
    const std::u16string smile = u"\U0001F600";
    for (const std::u16string& document : {std::u16string(1590, u'ą'), std::u16string(3180, u'x'),
                                           std::u16string(3181, u'ż'), std::u16string(1589, u'a') + smile + u"koniec"}) {
        SCOPED_TRACE(document.size());
        VirtualChannelSigning signing;
        std::string base64;
        try {
            base64 = signing.SignOverVirtualChannel(document, false);
        } catch (const VirtualChannelSigning::Failure& failure) {
            FAIL() << tlx::Utf16ToUtf8(failure.text);
        }
        std::ofstream(folder_ / "podpis.b64", std::ios::binary) << base64;
        const std::string verify = "openssl base64 -d -A -in '" + (folder_ / "podpis.b64").string() + "' -out '" +
                                   (folder_ / "podpis.der").string() + "' && openssl cms -verify -cades -binary -inform DER -in '" +
                                   (folder_ / "podpis.der").string() + "' -CAfile '" + pki.CaCert().string() + "' -out '" +
                                   (folder_ / "tresc").string() + "' 2>/dev/null";
        ASSERT_EQ(std::system(verify.c_str()), 0);
        EXPECT_EQ(ReadFile(folder_ / "tresc"), tlx::Utf16ToUtf8(document));
    }
}

}  // namespace
