// The host's support object for scripts.
#pragma once

#include "platform/com/Variant.h"

// Support functions for scripts ("TLX.ClaSupport"). Nothing is interactive: messages and dialogs are
// written to the host's log (stderr of tlxhost) and answer as if the user confirmed. A trace goes to the
// host's trace channel, which is off unless asked for ($TLX_TRACE=1, `tlxhost run --trace`).
struct IClaSupport : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{624134A8-DD22-4DB1-9B11-DBF932121002}");
    using Base = IDispatch;
    virtual HRESULT Trace(BSTR text) = 0;
    virtual HRESULT Message(BSTR text, BSTR caption, LONG* answer) = 0;
    // "@D17": an OLE date as DD.MM.YYYY (the empty date as the empty text); any other picture: the
    // value converted to text.
    virtual HRESULT Format(VARIANT value, BSTR picture, BSTR* text) = 0;
    // Answers the default button (0 when there is none).
    virtual HRESULT ShowDialogBox(BSTR text, BSTR caption, LONG defaultButton, LONG* answer) = 0;

protected:
    ~IClaSupport() = default;
};
inline constexpr CLSID CLSID_ClaSupport = tlx::MakeGuid(u"{08F5F23F-B258-44D9-8351-0860439A3F3E}");
inline constexpr char16_t kProgIdClaSupport[] = u"TLX.ClaSupport";
