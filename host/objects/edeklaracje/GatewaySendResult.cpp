#include "host/objects/edeklaracje/GatewaySendResult.h"

#include "host/objects/edeklaracje/ResultAnswer.h"

namespace tlx::host {

using result::Answer;
using result::AsBool;

HRESULT CGatewaySendResult::RefId(BSTR* value) { return Answer(refId, value); }
HRESULT CGatewaySendResult::StatusCode(LONG* value) { return Answer(statusCode, value); }
HRESULT CGatewaySendResult::StatusText(BSTR* value) { return Answer(statusText, value); }
HRESULT CGatewaySendResult::Success(VARIANT_BOOL* value) { return Answer(AsBool(success), value); }
HRESULT CGatewaySendResult::ErrorText(BSTR* value) { return Answer(errorText, value); }

}  // namespace tlx::host
