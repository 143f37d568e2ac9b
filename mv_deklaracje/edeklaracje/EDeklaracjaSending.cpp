// The object's entry points that send a declaration's e-declaration through the host's gateway, and
// the steps they share: the connection settings, the exchange path, the file saved there, the claim of
// the rows the document is built from, the send itself and the status stored.
#include <filesystem>

#include "hostapi/Errors.h"
#include "mv_deklaracje/core/HostServices.h"
#include "mv_deklaracje/core/VariantHelpers.h"
#include "mv_deklaracje/edeklaracje/EDeklaracja.h"
#include "mv_deklaracje/edeklaracje/FilingColumns.h"
#include "mv_deklaracje/edeklaracje/MessageText.h"
#include "mv_deklaracje/edeklaracje/NazwaPlikuXml.h"
#include "mv_deklaracje/edeklaracje/SendClaim.h"
#include "mv_deklaracje/export/ExportFile.h"
#include "platform/com/ClassRegistry.h"
#include "platform/text/CodePage.h"
#include "platform/xml/XmlCanonical.h"

namespace {

constexpr HRESULT kPathNotFound = 3;
constexpr HRESULT kPathNotFoundWin32 = HRESULT_FROM_WIN32(3);
constexpr HRESULT kSaveFailed = static_cast<HRESULT>(0x800577C9);
constexpr char16_t kClaimRefused[] =
    u"Deklaracja jest właśnie wysyłana albo została wysłana w innej sesji; nie wysłano jej ponownie. Odczytaj ją "
    u"ponownie, aby zobaczyć jej stan.";
constexpr char16_t kChangedElsewhere[] =
    u"Deklaracja została zmieniona przez innego użytkownika po jej odczytaniu; nie wysłano jej. Odczytaj ją "
    u"ponownie i wyślij jeszcze raz.";

constexpr char16_t kUnsaved[] = u"Deklaracja ma niezapisane zmiany; zapisz ją przed wysłaniem. Nie wysłano jej.";
constexpr char16_t kMayHaveArrived[] =
    u"Deklaracja mogła dotrzeć do urzędu; sprawdź jej stan, zanim wyślesz ją ponownie.";

// What the user is told before a send of a declaration whose earlier send the office never answered.
std::u16string EarlierSendWarning(const SendClaim::EarlierSend& earlier) {
    const std::u16string who =
        earlier.operatorCode.empty() ? u"nieznanego operatora" : u"operatora " + earlier.operatorCode;
    return u"Wcześniejsze wysyłanie tej deklaracji, rozpoczęte " + earlier.startedAt + u" przez " + who +
           (earlier.unanswered ? u", zakończyło się bez odpowiedzi urzędu" : u", zostało przerwane") +
           u"; deklaracja mogła już dotrzeć do urzędu.";
}

std::u16string_view View(BSTR text) { return text ? std::u16string_view(text, SysStringLen(text)) : std::u16string_view(); }

std::u16string SettingText(IKonfiguracja* configuration, const char16_t* key) {
    tlx::Bstr value;
    CheckHost(configuration->GetValue(tlx::Bstr(key).Get(), value.Out()));
    return std::u16string(value.View());
}

LONG SettingNumber(IKonfiguracja* configuration, const char16_t* key) {
    return static_cast<LONG>(VariantToLong(tlx::Variant::FromString(SettingText(configuration, key))));
}

// A company name made fit to be one folder's name.
std::u16string CompanyFolder(std::u16string name) {
    for (char16_t& c : name)
        if (std::u16string_view(u"\\/?:*\"><|").find(c) != std::u16string_view::npos) c = u'_';
    if (name.empty() || name == u"." || name == u"..") name = u"_";
    return name;
}

}  // namespace

HRESULT CEDeklaracja::WyslijDeklaracje(IDeklaracja2* pDekl, BSTR _sTransformataXsl) {
    return RunSend(true, pDekl, [&] { SendSigned(pDekl, std::u16string(View(_sTransformataXsl))); });
}

HRESULT CEDeklaracja::WyslijDeklaracje_Unsigned(IDeklaracja2* pDekl, BSTR _sTransformataXsl, BSTR NIP, BSTR imie,
                                                BSTR nazwisko, BSTR PESEL, DATE dataUr, CY kwota) {
    return RunSend(false, pDekl, [&] {
        WillAction(u"Wysyłanie deklaracji");
        std::optional<FiledDocument> filed = PrepareDocument(pDekl, std::u16string(View(_sTransformataXsl)));
        if (!filed) return ActionCompleted(u"");
        std::optional<SendClaim> claim = ClaimFiledRows(pDekl);
        if (!claim) return;
        const std::string text = BuildAuthorisationData(filed->document.Get(), View(NIP), View(imie), View(nazwisko),
                                                         View(PESEL), CDate(dataUr), CMoney::FromCurrency(kwota));
        SaveFiledText(text, filed->path);
        SendClaimed(*claim, pDekl, text, false);
    });
}

// The failure handling both sends share. `serialHandling`: in serial mode a failure becomes EInfo and
// EBlad and the call answers S_OK. A failure reported only through the events is also the call's
// answer, with a sink attached or not, so that a send is never taken for done when it was not.
HRESULT CEDeklaracja::RunSend(bool serialHandling, IDeklaracja2* declaration, const SendBody& body) {
    return ComBoundary([&] {
        StartEntryPoint(declaration);
        const bool serial = serialHandling && serialMode_;
        auto failInSeries = [&](const std::u16string& text) {
            info_ = text;
            failure_ = 1;
        };
        struct EndOfSend {
            std::optional<FiledRows>& filing;
            ~EndOfSend() { filing.reset(); }
        } endOfSend{filing_};
        try {
            body();
        } catch (const ComError& error) {
            if (error.Code() == E_ABORT) return;
            if (error.Code() == kPathNotFound || error.Code() == kPathNotFoundWin32) {
                message_ = u"Katalog " + gateway_.exchangeFolder + u" nie istnieje";
                if (serial) return failInSeries(message_);
                ActionFailed(message_);
                RaiseComError(E_FAIL, message_);
            }
            const std::u16string text = BlanksForLineBreaks(error.Description());
            if (serial) return failInSeries(text.empty() ? FormatString(u"0x%x", static_cast<unsigned>(error.Code())) : text);
            ActionFailed(text);
            throw;
        }
        if (message_.empty()) return;
        if (serial) return failInSeries(message_);
        RaiseComError(E_FAIL, message_);
    });
}

// Steps up to the validated document: settings, build, the first save in the exchange path, validation.
std::optional<CEDeklaracja::FiledDocument> CEDeklaracja::PrepareDocument(IDeklaracja2* declaration,
                                                                       std::u16string transform) {
    ReadConnectionSettings(declaration);
    if (transform.empty()) transform = ReadText<IDeklaracja2>(declaration, &IDeklaracja2::get_Transformata);
    if (gateway_.exchangePath.empty()) return std::nullopt;
    filing_.emplace();
    NoteFiled(declaration);
    FormParameters form = ReadFormParameters(declaration);
    tlx::ComPtr<IXMLDOMDocument2> document = BuildDocument(form, declaration, transform);
    if (!document) return std::nullopt;
    FiledDocument filed{document, gateway_.exchangePath + UniqueFileName(NazwaPlikuXml(declaration, document.Get()))};
    CheckHost(document->save(tlx::Variant::FromString(filed.path)));
    if (!ValidateDocument(document.Get())) return std::nullopt;
    return filed;
}

void CEDeklaracja::NoteFiled(IDeklaracja2* declaration) {
    if (!filing_) return;
    LONG id = 0;
    CheckHost(declaration->get_ID(&id));
    tlx::ComPtr<IUnsavedChanges> unsaved = tlx::ComPtr<IDeklaracja2>(declaration).As<IUnsavedChanges>();
    VARIANT_BOOL pending = VARIANT_FALSE;
    if (unsaved) CheckHost(unsaved->HasUnsavedChanges(&pending));
    if (id == 0 || pending != VARIANT_FALSE) RaiseComError(E_FAIL, kUnsaved);
    CheckHost(declaration->Verify());
    filing_->AddDeclaration(declaration);
}

void CEDeklaracja::NoteFiledList(IDeklaracja2* declaration, std::u16string_view table, std::u16string_view condition,
                                 Recordset* rows) {
    if (!filing_) return;
    LONG id = 0;
    CheckHost(declaration->get_ID(&id));
    filing_->AddList(std::u16string(table), std::u16string(condition) + FormatString(u"%ld", static_cast<long>(id)), rows);
}

void CEDeklaracja::SendSigned(IDeklaracja2* declaration, std::u16string transform) {
    if (!serialMode_) WillAction(u"Wysyłanie deklaracji");
    std::optional<FiledDocument> filed = PrepareDocument(declaration, std::move(transform));
    if (!filed) return ActionCompleted(u"");
    std::string text;
    CheckHost(tlx::CanonicalDocumentText(filed->document.Get(), &text));
    SaveFiledText(text, filed->path);
    // Kept as it was: a series of documents marked signed is saved and validated but not sent.
    if (serialMode_ && signed_) return ActionCompleted(u"");
    std::optional<SendClaim> claim = ClaimFiledRows(declaration);
    if (!claim) return;
    const std::string signedText =
        IsRemoteSigning() ? SignOverVirtualChannel(text, u"") : signing_.SignWithCertificate(text);
    if (signedText.empty()) return ActionCompleted(u"");
    SendClaimed(*claim, declaration, signedText, true);
}

// Only the session that claims the rows the document was built from, as it read them, signs and sends it;
// the claim is taken before the signature, so that a copy another user changed is refused before the
// user is asked to sign it. A send after an earlier one whose outcome the office never told says so
// first, in its messages and in EInfo.
std::optional<SendClaim> CEDeklaracja::ClaimFiledRows(IDeklaracja2* declaration) {
    SendClaim::Refusal refusal{};
    std::optional<SendClaim> claim = SendClaim::Take(declaration, *filing_, OperatorId(), refusal);
    if (!claim) {
        message_ = refusal == SendClaim::Refusal::Changed ? kChangedElsewhere : kClaimRefused;
        ActionFailed(message_);
        return claim;
    }
    if (claim->Earlier()) {
        info_ = EarlierSendWarning(*claim->Earlier());
        SendMessage(info_, kStepFailure);
    }
    return claim;
}

// A send whose document never left gives the claim back, also when it failed (the claim does so itself
// when it goes unsettled); one whose document left without an answer coming back leaves the record of it
// in the row and tells the user the office may have it.
void CEDeklaracja::SendClaimed(SendClaim& claim, IDeklaracja2* declaration, const std::string& text, bool isSigned) {
    tlx::ComPtr<IGatewaySendResult> result;
    try {
        result = SendToGateway(text, isSigned);
    } catch (const ComError& error) {
        if (error.Code() != HOST_E_GATEWAYNOANSWER) throw;
        claim.MarkUnanswered();
        RaiseComError(error.Code(), u"Błąd wysyłania e-Deklaracji: brak odpowiedzi serwera e-Deklaracji (" +
                                        error.Description() + u"). " + kMayHaveArrived);
    }
    if (!result) {
        // The service took the request but its answer carried nothing to read: the failure keeps its
        // own text, and a note before it says what the row now records.
        claim.MarkUnanswered();
        SendMessage(kMayHaveArrived, kStepFailure);
        message_ = u"Błąd wysyłania e-Deklaracji: błąd komunikacji z serwerem e-Deklaracji.";
        return ActionFailed(message_);
    }
    bool filed = false;
    try {
        filed = ReportSend(result, declaration, claim);
    } catch (...) {
        claim.MarkUnanswered();
        throw;
    }
    if (!filed) claim.Release();
}

// Two sends of one declaration within a minute would make the same name: the later one gets "_2",
// "_3", ... before its extension.
std::u16string CEDeklaracja::UniqueFileName(const std::u16string& name) const {
    namespace fs = std::filesystem;
    const fs::path folder(tlx::Utf16ToUtf8(gateway_.exchangePath));
    if (!fs::exists(folder / tlx::Utf16ToUtf8(name))) return name;
    const auto dot = name.rfind(u'.');
    const std::u16string stem = name.substr(0, dot), extension = dot == std::u16string::npos ? u"" : name.substr(dot);
    for (int n = 2;; ++n) {
        std::u16string candidate = stem + u"_" + tlx::Utf8ToUtf16(std::to_string(n)) + extension;
        if (!fs::exists(folder / tlx::Utf16ToUtf8(candidate))) return candidate;
    }
}

// The second save: the text as it is signed or sent (UTF-8, canonical), written over the first save
// byte for byte. A failure is the host's worded 0x800577C9.
std::string CEDeklaracja::SaveFiledText(const std::string& text, const std::u16string& path) {
    try {
        ExportFile file{CBstr(path)};
        file.Write(static_cast<int>(text.size()), text.data());
        file.Commit();
    } catch (const ComError& error) {
        const std::u16string failure =
            error.Description() + FormatString(u" (0x%x)", static_cast<unsigned>(error.Code()));
        RaiseComError(kSaveFailed, GetHostErrorText(kSaveFailed, CBstr(failure)).Str());
    } catch (const std::exception&) {
        RaiseComError(kSaveFailed, GetHostErrorText(kSaveFailed, CBstr(u"nieokreślony błąd")).Str());
    }
    return text;
}

bool CEDeklaracja::ReportSend(tlx::ComPtr<IGatewaySendResult> result, IDeklaracja2* declaration, SendClaim& claim) {
    auto fail = [&](std::u16string text) {
        message_ = std::move(text);
        ActionFailed(message_);
        return false;
    };
    const std::u16string reference = ReadText<IGatewaySendResult>(result.Get(), &IGatewaySendResult::RefId);
    if (!reference.empty()) {
        const bool filed = StoreSendStatus(result.Get(), declaration, claim);
        ActionCompleted(u"");
        return filed;
    }
    const std::u16string status = ReadText<IGatewaySendResult>(result.Get(), &IGatewaySendResult::StatusText);
    const std::u16string error = ReadText<IGatewaySendResult>(result.Get(), &IGatewaySendResult::ErrorText);
    if (!status.empty())
        return fail(u"Błąd wysyłania e-Deklaracji: nie został nadany numer referencyjny (" + error + u"|" + status + u").");
    return fail(u"Błąd wysyłania e-Deklaracji: nie został nadany numer referencyjny (" + error + u").");
}

void CEDeklaracja::ReadConnectionSettings(IDeklaracja2* declaration) {
    tlx::ComPtr<ILogin> login = RequireLogin();
    tlx::ComPtr<IDispatch> object;
    CheckHost(login->CreateObject(tlx::Bstr(tlx::GuidToText(CLSID_Konfiguracja)).Get(), object.Out()));
    tlx::ComPtr<IKonfiguracja> configuration = object ? object.As<IKonfiguracja>() : nullptr;
    if (!configuration) RaiseHResult(E_POINTER);
    gateway_.exchangePath = BuildExchangePath(configuration.Get(), declaration);
    gateway_.companyDatabaseId = SettingText(configuration.Get(), u"BazaFirmowaBiura");
    gateway_.webServiceAddress = SettingText(configuration.Get(), u"WebServiceAddress");
    gateway_.proxyActive = SettingNumber(configuration.Get(), u"ProxyAktywny");
    if (gateway_.proxyActive == 0) return;
    gateway_.proxyAddress = SettingText(configuration.Get(), u"ProxyAdresIP");
    gateway_.proxyPort = SettingText(configuration.Get(), u"ProxyPort");
    gateway_.proxyAuthorisation = SettingNumber(configuration.Get(), u"ProxyAutoryzacja");
    if (gateway_.proxyAuthorisation == 0) return;
    gateway_.proxyUser = SettingText(configuration.Get(), u"ProxyUzytkownik");
    gateway_.proxyPassword = SettingText(configuration.Get(), u"ProxyHaslo");
}

std::u16string CEDeklaracja::BuildExchangePath(IKonfiguracja* configuration, IDeklaracja2* declaration) {
    namespace fs = std::filesystem;
    gateway_.exchangeFolder = SettingText(configuration, u"eDeklaracjeKatalogWymiany");
    if (gateway_.exchangeFolder.empty()) {
        message_ = u"W menu System->Konfiguracja->Stanowisko->Ogólne->e-Deklaracje nie ustawiono katalogu dla plików "
                   u"wymiany danych.";
        ActionFailed(message_);
        return {};
    }
    tlx::ComPtr<ILoginContext> context;
    CheckHost(RequireLogin()->GetContext(context.Out()));
    if (!context) RaiseHResult(E_POINTER);
    const std::u16string company = CompanyFolder(ReadText<ILoginContext>(context.Get(), &ILoginContext::GetName));
    LONG year = 0, month = 0;
    CheckHost(declaration->get_Rok(&year));
    CheckHost(declaration->get_Miesiac(&month));
    // Each level is made when missing; a folder that cannot be made shows when the file is written.
    std::u16string folder = gateway_.exchangeFolder;
    if (folder.back() != u'/' && folder.back() != u'\\') folder += u'/';
    std::error_code ignored;
    fs::path path = fs::path(tlx::Utf16ToUtf8(folder)) / tlx::Utf16ToUtf8(company);
    fs::create_directory(path, ignored);
    path /= tlx::Utf16ToUtf8(FormatString(u"%ld%02ld", static_cast<long>(year), static_cast<long>(month)));
    fs::create_directory(path, ignored);
    return tlx::Utf8ToUtf16((path / "").string());
}

tlx::ComPtr<IEDeklaracjeGateway> CEDeklaracja::ConfiguredGateway() {
    tlx::ComPtr<IEDeklaracjeGateway> gateway;
    CheckHost(CoCreateInstance(CLSID_EDeklaracjeGateway, nullptr, CLSCTX_ALL, IEDeklaracjeGateway::kIid,
                               gateway.OutVoid()));
    if (!gateway) RaiseHResult(E_POINTER);
    gateway->SetAddress(tlx::Bstr(gateway_.webServiceAddress).Get());
    gateway->SetProxyActive(static_cast<SHORT>(gateway_.proxyActive));
    gateway->SetProxyAuthorisation(static_cast<SHORT>(gateway_.proxyAuthorisation));
    gateway->SetProxyAddress(tlx::Bstr(gateway_.proxyAddress).Get());
    gateway->SetProxyPort(tlx::Bstr(gateway_.proxyPort).Get());
    gateway->SetProxyUser(tlx::Bstr(gateway_.proxyUser).Get());
    gateway->SetProxyPassword(tlx::Bstr(gateway_.proxyPassword).Get());
    return gateway;
}

tlx::ComPtr<IGatewaySendResult> CEDeklaracja::SendToGateway(const std::string& document, bool isSigned) {
    tlx::ComPtr<IEDeklaracjeGateway> gateway = ConfiguredGateway();
    tlx::ComPtr<IGatewaySendResult> result;
    const tlx::Bstr text(tlx::Utf8ToUtf16(document));
    if (isSigned) CheckHost(gateway->SendSigned(text.Get(), result.Out()));
    else CheckHost(gateway->SendUnsigned(text.Get(), 0, tlx::Bstr(u"").Get(), result.Out()));
    if (!result) return nullptr;
    if (!ReadText<IGatewaySendResult>(result.Get(), &IGatewaySendResult::RefId).empty())
        SendMessage(u"Wysłanie podpisanej deklaracji do serwera", kInfo);
    return result;
}

LONG CEDeklaracja::OperatorId() {
    tlx::ComPtr<IOperatorObject> op;
    CheckHost(RequireLogin()->GetOperatorObject(op.Out()));
    if (!op) RaiseHResult(E_POINTER);
    LONG id = 0;
    CheckHost(op->get_ID(&id));
    return id;
}

// A refused send keeps what an earlier send stored (its reference and receipt) and passes nothing on
// to the linked declarations. An accepted one replaces it in the declaration's row and in the attachments
// filed with it, in one write transaction that runs no form check and stores nothing else the session
// holds, so that nothing but a failure of the database keeps the reference number from the row. When the
// status cannot be stored, the message, the failure event and EInfo name the reference, so that the
// receipt can still be asked for, and the row keeps the mark of the send, which the next send reports.
bool CEDeklaracja::StoreSendStatus(IGatewaySendResult* result, IDeklaracja2* declaration, SendClaim& claim) {
    std::u16string reference;
    auto notStored = [&](const std::u16string& text) {
        message_ = reference.empty() ? text
                                     : u"Deklaracja została wysłana, jej numer referencyjny to " + reference + u". " + text;
        ActionFailed(message_);
        info_ = message_;
        failure_ = 1;
    };
    try {
        if (!declaration) RaiseHResult(E_POINTER);
        VARIANT_BOOL success = VARIANT_FALSE;
        CheckHost(result->Success(&success));
        if (success == VARIANT_FALSE) {
            message_ = u"Błąd komunikacji z Web Service-em Ministerstwa Finansów: " +
                       ReadText<IGatewaySendResult>(result, &IGatewaySendResult::ErrorText);
            ActionFailed(message_);
            return false;
        }
        reference = ReadText<IGatewaySendResult>(result, &IGatewaySendResult::RefId);
        const std::u16string status = ReadText<IGatewaySendResult>(result, &IGatewaySendResult::StatusText);
        LONG code = 0;
        CheckHost(result->StatusCode(&code));
        const LONG operatorId = OperatorId();

        claim.Answered();
        CheckHost(declaration->WyczyscPolaEDeklaracji());
        CheckHost(declaration->put_EDekl_OperatorWysylajacy(operatorId));
        CheckHost(declaration->put_EDekl_DataWyslania(GetLocalNow()));
        CheckHost(declaration->put_EDekl_RefID(tlx::Bstr(reference).Get()));
        CheckHost(declaration->put_EDekl_Status(code));
        CheckHost(declaration->put_EDekl_StatusOpis(tlx::Bstr(status).Get()));
        std::u16string missing;
        // Each attachment filed with it gets the declaration's sending data and nothing of an earlier filing.
        FilingColumns::Store(declaration, LinkedAttachments(declaration, missing), FilingColumns::kAll);
        if (!missing.empty()) RaiseComError(HOST_E_NOROW, u"Nie znaleziono rekordu: " + missing);
        SendMessage(u"Status deklaracji: " + status, reference.empty() ? kStepFailure : kInfo);
    } catch (const ComError& error) {
        if (error.Code() == E_ABORT) throw;
        notStored(u"Błąd zapisu statusu deklaracji do bazy: " + error.Description());
    } catch (const std::exception&) {
        notStored(u"Błąd zapisu statusu deklaracji do bazy");
    }
    return !reference.empty();
}
