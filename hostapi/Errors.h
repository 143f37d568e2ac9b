// The host's error codes that callers test for or pass to IApplication::GetErrorText. The host's
// texts for them (host/objects/ErrorTexts.cpp) have the form "message|details": the part before the
// first "|" is what the user reads (the caller's own text when it passed one to GetErrorText), the rest
// is for the log.
#pragma once

#include "platform/com/Types.h"

// A lookup, key, filter or query found no row.
inline constexpr HRESULT HOST_E_NOROW = static_cast<HRESULT>(0x80050458);
// A linked record is missing ("Rekord 0 nieznaleziony. Pole '%s'").
inline constexpr HRESULT HOST_E_RECORDZERO = static_cast<HRESULT>(0x80050467);
// A linked record has the identifier 0 when its link is written.
inline constexpr HRESULT HOST_E_ZEROLINK = static_cast<HRESULT>(0x80050468);
// A blocked payment form chosen for a document.
inline constexpr HRESULT HOST_E_PAYMENTFORMBLOCKED = static_cast<HRESULT>(0x800561F6);
// Missing data of a calculation or an e-declaration (office code, tax number, period of a form).
inline constexpr HRESULT HOST_E_MISSINGDATA = static_cast<HRESULT>(0x800575A2);
// Foreign databases of an accounting office.
inline constexpr HRESULT HOST_E_FOREIGNDB = static_cast<HRESULT>(0x80057603);
inline constexpr HRESULT HOST_E_FOREIGNDBCONNECT = static_cast<HRESULT>(0x800565F5);
// The CIT form is not available in this kind of accounting.
inline constexpr HRESULT HOST_E_CITNOTALLOWED = static_cast<HRESULT>(0x800576FD);
// Regional settings unfit for e-declarations.
inline constexpr HRESULT HOST_E_REGIONALSETTINGS = static_cast<HRESULT>(0x80057783);
// VAT-UE and VAT-ZD data.
inline constexpr HRESULT HOST_E_VATUEDATA = static_cast<HRESULT>(0x80057787);
// A clone of a declaration that was never saved.
inline constexpr HRESULT HOST_E_CLONEUNSAVED = static_cast<HRESULT>(0x800577C4);
// The e-declaration exchange folder or file.
inline constexpr HRESULT HOST_E_EXCHANGEFOLDER = static_cast<HRESULT>(0x800577C9);
inline constexpr HRESULT HOST_E_VATZDDATA = static_cast<HRESULT>(0x800577DA);
inline constexpr HRESULT HOST_E_VATZDNOTICE = static_cast<HRESULT>(0x800577DC);
// The e-declaration gateway handed a document over but no answer came: it may have reached the office.
inline constexpr HRESULT HOST_E_GATEWAYNOANSWER = static_cast<HRESULT>(0x800577E5);
