// The object's entry point that fetches a sent declaration's official receipt (UPO) through the host's
// gateway, stores its data in the declaration and keeps the receipt as a file in the exchange path.
#include <filesystem>

#include "mv_deklaracje/core/HostServices.h"
#include "mv_deklaracje/edeklaracje/EDeklaracja.h"
#include "mv_deklaracje/edeklaracje/MessageText.h"
#include "mv_deklaracje/edeklaracje/ReceiptReader.h"
#include "mv_deklaracje/export/ExportFile.h"
#include "platform/com/ClassRegistry.h"
#include "platform/text/CodePage.h"

namespace {

constexpr HRESULT kPathNotFound = 3;
constexpr HRESULT kPathNotFoundWin32 = HRESULT_FROM_WIN32(3);
constexpr HRESULT kNoExchangePath = static_cast<HRESULT>(0x800577C9);
constexpr HRESULT kMissingField = static_cast<HRESULT>(0x800575A2);
constexpr LONG kReceiptIssued = 200;

// A piece of a file name made from the service's data: letters, digits, '.', '-' and '_' stay, anything
// else (a path separator above all) becomes '_', so the file stays inside the exchange path.
std::u16string FileNamePart(std::u16string_view text) {
    std::u16string out;
    for (char16_t c : text) {
        const bool plain = (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') ||
                           c == u'.' || c == u'-' || c == u'_';
        out += plain ? c : u'_';
    }
    return out;
}

void StoreReceipt(const Receipt& r, IDeklaracja2* declaration) {
    auto put = [&](HRESULT (IDeklaracja2::*setter)(BSTR), const std::u16string& value) {
        CheckHost((declaration->*setter)(tlx::Bstr(value).Get()));
    };
    put(&IDeklaracja2::put_EDekl_Podmiot, r.podmiot);
    put(&IDeklaracja2::put_EDekl_DokumentID, r.numer);
    put(&IDeklaracja2::put_EDekl_SkrotDokumentu, r.skrotDokumentu);
    put(&IDeklaracja2::put_EDekl_SkrotStruktury, r.skrotStruktury);
    put(&IDeklaracja2::put_EDekl_StrukturaLogiczna, r.struktura);
    put(&IDeklaracja2::put_EDekl_DataWplyniecia, r.dataWplyniecia);
    put(&IDeklaracja2::put_EDekl_StempelCzasu, r.stempel);
    put(&IDeklaracja2::put_EDekl_NIP1, r.nip1);
    if (r.nip2) put(&IDeklaracja2::put_EDekl_NIP2, *r.nip2);
    if (r.kodUrzedu) put(&IDeklaracja2::put_EDekl_KodUrzedu, *r.kodUrzedu);
    put(&IDeklaracja2::put_EDekl_SigningTime, r.signingTime);
}

}  // namespace

bool CEDeklaracja::GetElementText(IXMLDOMDocument2* document, std::u16string_view name, std::u16string& text,
                                  bool required) {
    tlx::ComPtr<IXMLDOMNodeList> found;
    CheckHost(document->getElementsByTagName(tlx::Bstr(name).Get(), found.Out()));
    LONG count = 0;
    if (found) CheckHost(found->get_length(&count));
    if (count > 0) {
        tlx::ComPtr<IXMLDOMNode> first;
        CheckHost(found->get_item(0, first.Out()));
        tlx::Bstr value;
        CheckHost(first->get_text(value.Out()));
        text = value.View();
        return true;
    }
    if (required)
        RaiseComError(kMissingField,
                      GetHostErrorText(kMissingField, CBstr(u"Brak wymaganego pola " + std::u16string(name))).Str());
    return false;
}

HRESULT CEDeklaracja::PobierzUPO(IDeklaracja2* pDekl) {
    return ComBoundary([&] {
        StartEntryPoint(pDekl);
        try {
            WillAction(u"Pobieranie UPO");
            ReadConnectionSettings(pDekl);
            if (gateway_.exchangePath.empty() ||
                !std::filesystem::is_directory(tlx::Utf16ToUtf8(gateway_.exchangePath))) {
                const std::u16string text = u"Nie znaleziono katalogu, w którym miał nastąpić zapis dokumentów UPO [" +
                                            gateway_.exchangePath +
                                            u"]. Mógł zostać usunięty. Dokumenty UPO nie zostały pobrane.";
                RaiseComError(kNoExchangePath, GetHostErrorText(kNoExchangePath, CBstr(text)).Str());
            }
            const std::u16string reference = ReadText<IDeklaracja2>(pDekl, &IDeklaracja2::get_EDekl_RefID);
            if (!reference.empty()) {
                tlx::ComPtr<IEDeklaracjeGateway> gateway = ConfiguredGateway();
                gateway->SetAddress(tlx::Bstr(gateway_.webServiceAddress).Get());
                tlx::ComPtr<IGatewayUpoResult> result;
                CheckHost(gateway->RequestUpo(tlx::Bstr(reference).Get(), tlx::Bstr(u"").Get(), tlx::Bstr(u"pl").Get(),
                                              result.Out()));
                ParseReceipt(result.Get(), pDekl);
            }
            ActionCompleted(u"");
        } catch (const ComError& error) {
            if (error.Code() == E_ABORT) return;
            const std::u16string text = BlanksForLineBreaks(error.Description());
            if (serialMode_) {
                info_ = text;
                failure_ = 1;
                return;
            }
            ActionFailed(text);
            throw;
        }
        if (message_.empty()) return;
        if (serialMode_) {
            info_ = message_;
            failure_ = 1;
            return;
        }
        RaiseComError(E_FAIL, message_);
    });
}

// A receipt the service could not be asked for leaves the request on record: the fetching operator and
// time are stored and passed on to the linked declarations with the status they had. A receipt that
// came is read and checked whole first; a malformed one stores nothing and passes nothing on, so an
// earlier receipt stays whole in the declaration and in its linked declarations.
// The file holds the receipt's bytes as received, so that its signature still verifies.
void CEDeklaracja::ParseReceipt(IGatewayUpoResult* result, IDeklaracja2* declaration) {
    try {
        if (!declaration) RaiseHResult(E_POINTER);
        const LONG operatorId = OperatorId();
        const DATE now = GetLocalNow();
        auto notFetched = [&](const std::u16string& why) {
            CheckHost(declaration->put_EDekl_OperatorPobierajacyUPO(operatorId));
            CheckHost(declaration->put_EDekl_DataOdebraniaUPO(now));
            StoreReceiptColumns(declaration);
            message_ = u"Błąd komunikacji z Web Service-em Ministerstwa Finansów: " + why;
            ActionFailed(message_);
        };
        if (!result) return notFetched(u"brak odpowiedzi usługi");
        VARIANT_BOOL success = VARIANT_FALSE;
        LONG status = 0;
        CheckHost(result->Success(&success));
        CheckHost(result->StatusCode(&status));
        std::u16string text = ReadText<IGatewayUpoResult>(result, &IGatewayUpoResult::StatusText);
        if (success == VARIANT_FALSE) return notFetched(ReadText<IGatewayUpoResult>(result, &IGatewayUpoResult::ErrorText));
        std::optional<Receipt> receipt;
        std::string bytes;
        std::u16string file;
        if (status == kReceiptIssued) {
            text = u"Przetwarzanie dokumentu zakończone poprawnie, pobrano UPO.";
            const std::u16string xml = ReadText<IGatewayUpoResult>(result, &IGatewayUpoResult::Upo);
            receipt = ReadReceipt(xml);
            const std::u16string asked = ReadText<IDeklaracja2>(declaration, &IDeklaracja2::get_EDekl_RefID);
            if (receipt->numer != asked)
                RaiseComError(E_FAIL, u"potwierdzenie dotyczy dokumentu o numerze referencyjnym " + receipt->numer +
                                          u", a pobierano je dla numeru " + asked);
            bytes = tlx::Utf16ToUtf8(xml);
            file = gateway_.exchangePath + FileNamePart(ReadText<IDeklaracja2>(declaration, &IDeklaracja2::get_Symbol)) +
                   u"_" + FileNamePart(receipt->numer) + u".xml";
            if (!std::filesystem::is_directory(tlx::Utf16ToUtf8(gateway_.exchangePath))) RaiseHResult(kPathNotFoundWin32);
            ExportFile out{CBstr(file)};
            out.Write(static_cast<int>(bytes.size()), bytes.data());
            out.Commit();
        }
        CheckHost(declaration->put_EDekl_OperatorPobierajacyUPO(operatorId));
        CheckHost(declaration->put_EDekl_DataOdebraniaUPO(now));
        CheckHost(declaration->put_EDekl_Status(status));
        CheckHost(declaration->put_EDekl_StatusOpis(tlx::Bstr(text).Get()));
        if (receipt) StoreReceipt(*receipt, declaration);
        StoreReceiptColumns(declaration);
        SendMessage(u"Status deklaracji: " + text, receipt ? kInfo : kStepFailure);
    } catch (const ComError& error) {
        if (error.Code() == E_ABORT) throw;
        if (error.Code() == kPathNotFound || error.Code() == kPathNotFoundWin32)
            message_ = u"Katalog " + gateway_.exchangeFolder + u" nie istnieje";
        else
            message_ = u"Nieprawidłowa wiadomość UPO: " + error.Description();
        ActionFailed(message_);
    } catch (const std::exception&) {
        message_ = u"Nieprawidłowa wiadomość UPO";
        ActionFailed(message_);
    }
}
