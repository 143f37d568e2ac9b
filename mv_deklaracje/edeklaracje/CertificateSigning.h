// Local signing of an e-declaration with a certificate of the current user's personal store. The
// certificate is chosen once (in the selection dialog) and kept for every later signing by the same
// e-declaration object, so a series of declarations is signed with one choice, until Release.
//
// States: no certificate → (first signing: dialog, a certificate chosen) → certificate held →
// (Release) → no certificate. A cancelled dialog leaves none, so the next signing asks again.
#pragma once

#include <string>
#include <string_view>

#include "platform/com/Types.h"
#include "platform/crypto/Crypt.h"

class CertificateSigning {
public:
    // What the signing reports to, and asks of, the e-declaration object it works for.
    class Owner {
    public:
        // Sets the object's message to `text` and fires ActionFailed with it.
        virtual void SigningFailed(std::u16string_view text) = 0;
        // SendMessage with a level (2 information, 3 a failed clean-up).
        virtual void SigningNote(std::u16string_view text, LONG level) = 0;
        virtual bool InSerialMode() const = 0;
        // The name of the host's company database, shown in its main window's title; empty when there
        // is none (the owner has reported why).
        virtual std::u16string CompanyDatabaseName() = 0;

    protected:
        ~Owner() = default;
    };

    explicit CertificateSigning(Owner& owner) : owner_(owner) {}
    ~CertificateSigning();
    CertificateSigning(const CertificateSigning&) = delete;
    CertificateSigning& operator=(const CertificateSigning&) = delete;

    // Signs the document's bytes (UTF-8, exactly as filed) and answers the Base64 text of the signed
    // message; the empty text after a failure, which has been reported. A cancel (E_ABORT) raised by
    // the owner's sink is passed on after the clean-up.
    std::string SignWithCertificate(const std::string& document);
    // The selection dialog over `store`; null when nothing was chosen.
    PCCERT_CONTEXT SelectCertificate(HCERTSTORE store);
    // Shows certificates valid now that have a private key.
    static BOOL CertificateFilter(PCCERT_CONTEXT cert, BOOL* initialSelection, void* callbackData);
    static std::string EncodeBase64(const BYTE* data, std::size_t length);
    // Lets the kept certificate go, so that the next signing asks again.
    void Release();
    bool HoldsCertificate() const { return certificate_ != nullptr; }

private:
    struct Handles;
    std::u16string OwnerWindowTitle();
    void CleanUp(Handles& handles);

    Owner& owner_;
    PCCERT_CONTEXT certificate_ = nullptr;
};
