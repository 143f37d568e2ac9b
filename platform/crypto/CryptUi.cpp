#include "platform/crypto/CryptUi.h"

#include <cstdlib>
#include <mutex>
#include <strings.h>

#include "platform/crypto/Certificate.h"

namespace {

std::mutex chooserLock;
tlx::CertificateChooser installedChooser;

// The default chooser: the certificate `TLX_CERT_SELECT` names, else the only one shown.
int ChooseFromEnvironment(const tlx::CertificateChoice& choice) {
    const char* wanted = std::getenv("TLX_CERT_SELECT");
    if (wanted == nullptr || *wanted == '\0') return choice.shown.size() == 1 ? 0 : -1;
    if (strcasecmp(wanted, "cancel") == 0) return -1;
    for (std::size_t i = 0; i < choice.shown.size(); ++i) {
        const auto* certificate = tlx::crypto::Certificate::From(choice.shown[i]);
        if (strcasecmp(certificate->Thumbprint().c_str(), wanted) == 0 || certificate->SubjectName() == wanted)
            return static_cast<int>(i);
    }
    return -1;
}

}  // namespace

PCCERT_CONTEXT CryptUIDlgSelectCertificateA(const CRYPTUI_SELECTCERTIFICATE_STRUCTA* select) {
    if (select == nullptr || select->dwSize != sizeof(CRYPTUI_SELECTCERTIFICATE_STRUCTA)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    tlx::CertificateChoice choice;
    choice.ownerTitle = tlx::WindowTitle(select->hwndParent);
    choice.mayAsk = select->hwndParent != nullptr;
    for (DWORD s = 0; s < select->cDisplayStores; ++s) {
        for (PCCERT_CONTEXT cert = CertEnumCertificatesInStore(select->rghDisplayStores[s], nullptr); cert != nullptr;
             cert = CertEnumCertificatesInStore(select->rghDisplayStores[s], cert)) {
            BOOL initial = FALSE;
            if (select->pFilterCallback == nullptr || select->pFilterCallback(cert, &initial, select->pvCallbackData))
                choice.shown.push_back(CertDuplicateCertificateContext(cert));
        }
    }
    tlx::CertificateChooser chooser;
    {
        std::lock_guard lock(chooserLock);
        chooser = installedChooser;
    }
    int chosen = chooser ? chooser(choice) : ChooseFromEnvironment(choice);
    PCCERT_CONTEXT result = nullptr;
    for (std::size_t i = 0; i < choice.shown.size(); ++i) {
        if (static_cast<int>(i) == chosen) result = choice.shown[i];
        else CertFreeCertificateContext(choice.shown[i]);
    }
    return result;
}

namespace tlx {

CertificateChooser SetCertificateChooser(CertificateChooser chooser) {
    std::lock_guard lock(chooserLock);
    std::swap(installedChooser, chooser);
    return chooser;
}

}  // namespace tlx
