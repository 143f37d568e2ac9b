// The certificate selection dialog. There are no windows here: the certificates the caller's filter
// shows are offered to a chooser — one the host installs, else the one `TLX_CERT_SELECT` names (by
// SHA-1 thumbprint or subject common name; "cancel" chooses none), else the only one shown, else none.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/crypto/Crypt.h"
#include "platform/ui/Window.h"

using PFNCFILTERPROC = BOOL (*)(PCCERT_CONTEXT cert, BOOL* initialSelection, void* callbackData);

struct CRYPTUI_SELECTCERTIFICATE_STRUCTA {
    DWORD dwSize;
    HWND hwndParent;
    DWORD dwFlags;
    LPCSTR szTitle;
    DWORD dwDontUseColumn;
    LPCSTR szDisplayString;
    PFNCFILTERPROC pFilterCallback;
    void* pDisplayCallback;
    void* pvCallbackData;
    DWORD cDisplayStores;
    HCERTSTORE* rghDisplayStores;
    DWORD cStores;
    HCERTSTORE* rghStores;
    DWORD cPropSheetPages;
    const void* rgPropSheetPages;
    HCERTSTORE hSelectedCertStore;
};

inline constexpr DWORD CRYPTUI_SELECT_LOCATION_COLUMN = 0x10;

// The chosen certificate (a context of its own, for CertFreeCertificateContext), null when none.
PCCERT_CONTEXT CryptUIDlgSelectCertificateA(const CRYPTUI_SELECTCERTIFICATE_STRUCTA* select);

namespace tlx {

struct CertificateChoice {
    std::string ownerTitle;                // the owner window's title, empty without an owner
    bool mayAsk = false;                   // an owner window exists, so a person may be asked
    std::vector<PCCERT_CONTEXT> shown;     // what the filter let through, in the store's order
};
// Answers the index of the chosen certificate among `shown`, or -1 for none.
using CertificateChooser = std::function<int(const CertificateChoice&)>;

// Installs the chooser for the process (an empty one restores the default); answers the one replaced.
CertificateChooser SetCertificateChooser(CertificateChooser chooser);

}  // namespace tlx
