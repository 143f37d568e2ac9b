#include "mv_deklaracje/edeklaracje/CertificateSigning.h"

#include <memory>
#include <vector>

#include "mv_deklaracje/core/ComError.h"
#include "platform/crypto/CryptUi.h"
#include "platform/text/CodePage.h"
#include "platform/ui/Window.h"

namespace {

constexpr char kBase64Alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr DWORD kMessageEncoding = X509_ASN_ENCODING | PKCS_7_ASN_ENCODING;
constexpr std::size_t kBufferSlack = 100;
constexpr LONG kInfo = 2;
constexpr LONG kCleanUpFailure = 3;

// A failure of one step of the signing, with its text.
struct SigningFailure {
    std::u16string text;
};

// A selection failure of its own text.
struct SelectionFailure {
    std::u16string text;
};

std::u16string WithCode(std::u16string_view text) {
    return std::u16string(text) + tlx::Utf8ToUtf16(std::to_string(static_cast<LONG>(GetLastError())));
}

}  // namespace

// What one signing opens; each is closed by CleanUp, also after a failure.
struct CertificateSigning::Handles {
    HCERTSTORE store = nullptr;
    HCRYPTPROV_OR_NCRYPT_KEY_HANDLE key = 0;
    BOOL callerFreesKey = TRUE;
    HCRYPTMSG message = nullptr;
};

CertificateSigning::~CertificateSigning() {
    if (certificate_ != nullptr) CertFreeCertificateContext(certificate_);
}

std::string CertificateSigning::SignWithCertificate(const std::string& document) {
    Handles handles;
    std::string result;
    try {
        handles.store = CertOpenStore(CERT_STORE_PROV_SYSTEM_W, 0, 0,
                                      CERT_SYSTEM_STORE_CURRENT_USER | CERT_STORE_READONLY_FLAG, u"MY");
        if (handles.store == nullptr)
            throw SigningFailure{WithCode(u"Nie można uzyskać dostępu do magazynu certyfikatów: ")};
        if (certificate_ == nullptr) certificate_ = SelectCertificate(handles.store);
        if (certificate_ == nullptr) throw SigningFailure{u"Nie wybrano certyfikatu"};

        DWORD keySpec = 0;
        if (!CryptAcquireCertificatePrivateKey(certificate_, 0, nullptr, &handles.key, &keySpec,
                                               &handles.callerFreesKey))
            throw SigningFailure{WithCode(u"Nie można uzyskać dostępu do klucza prywatnego: ")};

        // SHA-256 with the RSA key; content type, message digest, signing time and the signing
        // certificate are signed attributes; the signer's own certificate goes with it, no CRL.
        CMSG_SIGNER_ENCODE_INFO signer{sizeof signer, certificate_->pCertInfo, handles.key, keySpec,
                                       {szOID_NIST_sha256, {0, nullptr}}};
        CERT_BLOB signerCertificate{certificate_->cbCertEncoded, const_cast<BYTE*>(certificate_->pbCertEncoded)};
        CMSG_SIGNED_ENCODE_INFO info{sizeof info, 1, &signer, 1, &signerCertificate, 0, nullptr};
        const auto dataLength = static_cast<DWORD>(document.size());

        DWORD length = CryptMsgCalculateEncodedLength(kMessageEncoding, CMSG_AUTHENTICATED_ATTRIBUTES_FLAG,
                                                      CMSG_SIGNED, &info, nullptr, dataLength);
        if (length == 0 && GetLastError() == NTE_BAD_KEYSET)
            throw SigningFailure{u"Wybrany certyfikat nie ma poprawnego klucza prywatnego"};
        if (length == 0) throw SigningFailure{WithCode(u"Nie udane pobieranie wielkości podpisanej wiadomości: ")};
        std::vector<BYTE> buffer;
        try {
            buffer.assign(length + kBufferSlack, 0);
        } catch (const std::bad_alloc&) {
            throw SigningFailure{u"Brak pamięci na podpis"};
        }

        handles.message = CryptMsgOpenToEncode(kMessageEncoding, CMSG_AUTHENTICATED_ATTRIBUTES_FLAG, CMSG_SIGNED,
                                               &info, nullptr, nullptr);
        if (handles.message == nullptr) throw SigningFailure{WithCode(u"Błąd tworzenia wiadomości PKCS#7: ")};
        if (!CryptMsgUpdate(handles.message, reinterpret_cast<const BYTE*>(document.data()), dataLength, TRUE))
            throw SigningFailure{WithCode(u"Błąd dodawania deklaracji do wiadomości PKCS#7: ")};
        auto size = static_cast<DWORD>(buffer.size());
        if (!CryptMsgGetParam(handles.message, CMSG_CONTENT_PARAM, 0, buffer.data(), &size))
            throw SigningFailure{WithCode(u"Błąd pobierania utworzonej wiadomości PKCS#7: ")};

        result = EncodeBase64(buffer.data(), size);
        owner_.SigningNote(u"Podpisanie deklaracji", kInfo);
    } catch (const SigningFailure& failure) {
        result.clear();
        CleanUp(handles);
        owner_.SigningFailed(u"Błąd wykonywania podpisu: " + failure.text);
        return result;
    } catch (const ComError& error) {
        CleanUp(handles);
        if (error.Code() == E_ABORT) throw;
        owner_.SigningFailed(u"Błąd wykonywania podpisu");
        return {};
    } catch (...) {
        CleanUp(handles);
        owner_.SigningFailed(u"Błąd wykonywania podpisu");
        return {};
    }
    CleanUp(handles);
    return result;
}

void CertificateSigning::CleanUp(Handles& handles) {
    auto note = [&](std::u16string_view text) {
        try {
            owner_.SigningNote(text, kCleanUpFailure);
        } catch (...) {  // a refusing sink cannot stop the clean-up
        }
    };
    if (handles.message != nullptr && !CryptMsgClose(handles.message))
        note(u"Błąd usuwania wiadomości PKCS#7 z pamięci");
    if (handles.key != 0 && handles.callerFreesKey && !CryptReleaseContext(handles.key, 0))
        note(u"Błąd zamykania połączenia z kartą kryptograficzną");
    if (handles.store != nullptr && !CertCloseStore(handles.store, 0)) note(u"Błąd zamykania magazynu certyfikatów");
    handles = Handles{};
}

PCCERT_CONTEXT CertificateSigning::SelectCertificate(HCERTSTORE store) {
    try {
        if (store == nullptr) throw SelectionFailure{u"Nie można uzyskać dostępu do magazynu certyfikatów"};
        HWND ownerWindow = nullptr;
        if (!owner_.InSerialMode()) {
            ownerWindow = FindWindowA(nullptr, "Wysyłanie deklaracji");
            if (ownerWindow == nullptr) ownerWindow = FindWindowA(nullptr, tlx::Utf16ToUtf8(OwnerWindowTitle()).c_str());
        }
        const std::string title = "Wybierz certyfikat";
        const std::string prompt = "Wybierz certyfikat, którego chcesz użyć do podpisania deklaracji:";
        CRYPTUI_SELECTCERTIFICATE_STRUCTA select{};
        select.dwSize = sizeof select;
        select.hwndParent = ownerWindow;
        select.szTitle = title.c_str();
        select.dwDontUseColumn = CRYPTUI_SELECT_LOCATION_COLUMN;
        select.szDisplayString = prompt.c_str();
        select.pFilterCallback = &CertificateFilter;
        select.cDisplayStores = 1;
        select.rghDisplayStores = &store;
        return CryptUIDlgSelectCertificateA(&select);
    } catch (const SelectionFailure& failure) {
        owner_.SigningFailed(u"Błąd wybierania certyfikatu: " + failure.text);
        return nullptr;
    }
}

// The host's main window names its company database; without a name it is the plain title.
std::u16string CertificateSigning::OwnerWindowTitle() {
    const std::u16string name = owner_.CompanyDatabaseName();
    return name.empty() ? std::u16string(u"TLX Biuro Rachunkowe") : u"TLX Biuro Rachunkowe [" + name + u"]";
}

BOOL CertificateSigning::CertificateFilter(PCCERT_CONTEXT cert, BOOL* initialSelection, void* /*callbackData*/) {
    if (initialSelection != nullptr) *initialSelection = FALSE;
    if (CertVerifyTimeValidity(nullptr, cert->pCertInfo) != 0) return FALSE;
    DWORD size = 0;
    return CertGetCertificateContextProperty(cert, CERT_KEY_PROV_INFO_PROP_ID, nullptr, &size) ? TRUE : FALSE;
}

std::string CertificateSigning::EncodeBase64(const BYTE* data, std::size_t length) {
    std::string text;
    text.reserve((length + 2) / 3 * 4);
    std::size_t i = 0;
    for (; i + 3 <= length; i += 3) {
        const unsigned group = (data[i] << 16) | (data[i + 1] << 8) | data[i + 2];
        text += kBase64Alphabet[(group >> 18) & 63];
        text += kBase64Alphabet[(group >> 12) & 63];
        text += kBase64Alphabet[(group >> 6) & 63];
        text += kBase64Alphabet[group & 63];
    }
    if (length - i == 1) {
        const unsigned group = data[i] << 16;
        text += kBase64Alphabet[(group >> 18) & 63];
        text += kBase64Alphabet[(group >> 12) & 63];
        text += "==";
    } else if (length - i == 2) {
        const unsigned group = (data[i] << 16) | (data[i + 1] << 8);
        text += kBase64Alphabet[(group >> 18) & 63];
        text += kBase64Alphabet[(group >> 12) & 63];
        text += kBase64Alphabet[(group >> 6) & 63];
        text += '=';
    }
    return text;
}

void CertificateSigning::Release() {
    if (certificate_ == nullptr) return;
    if (!CertFreeCertificateContext(certificate_)) owner_.SigningNote(u"Błąd zamykania certyfikatu", kCleanUpFailure);
    certificate_ = nullptr;
}
