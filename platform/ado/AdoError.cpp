#include "platform/ado/AdoError.h"

#include "platform/ado/Ado.h"
#include "platform/com/ErrorInfo.h"
#include "platform/text/CodePage.h"

namespace tlx::ado {

void Fail(HRESULT hr, std::u16string description) { throw AdoError(hr, std::move(description)); }

void FailDatabase(std::string_view message, std::string_view statement) {
    std::string text = std::string(message);
    if (!statement.empty()) text += " [" + std::string(statement) + "]";
    throw AdoError(adErrDatabase, Utf8ToUtf16(text));
}

HRESULT ReportError(const AdoError& error) { return SetErrorText(error.Code(), error.Description()); }

}  // namespace tlx::ado
