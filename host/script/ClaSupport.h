// Support functions for scripts ("TLX.ClaSupport"): message and dialog go to the host's log (standard
// error) and answer as if the user confirmed; a trace goes to the trace channel, the standard error too
// but only when $TLX_TRACE is 1; Format knows the date picture "@D17".
#pragma once

#include "hostapi/ScriptSupportDispatch.h"

namespace tlx::host {

class CClaSupport final : public ComObject<CClaSupport, Dispatch<IClaSupport>> {
public:
    HRESULT Trace(BSTR text) override;
    HRESULT Message(BSTR text, BSTR caption, LONG* answer) override;
    HRESULT Format(VARIANT value, BSTR picture, BSTR* text) override;
    HRESULT ShowDialogBox(BSTR text, BSTR caption, LONG defaultButton, LONG* answer) override;
};

}  // namespace tlx::host
