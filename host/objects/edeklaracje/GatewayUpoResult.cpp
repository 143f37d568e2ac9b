#include "host/objects/edeklaracje/GatewayUpoResult.h"

#include "host/objects/edeklaracje/ResultAnswer.h"

namespace tlx::host {

using result::Answer;
using result::AsBool;

HRESULT CGatewayUpoResult::StatusText(BSTR* value) { return Answer(statusText, value); }
HRESULT CGatewayUpoResult::StatusCode(LONG* value) { return Answer(statusCode, value); }
HRESULT CGatewayUpoResult::Upo(BSTR* value) { return Answer(upo, value); }
HRESULT CGatewayUpoResult::Success(VARIANT_BOOL* value) { return Answer(AsBool(success), value); }
HRESULT CGatewayUpoResult::ErrorText(BSTR* value) { return Answer(errorText, value); }

}  // namespace tlx::host
