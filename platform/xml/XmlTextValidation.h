// Validation of a document given as text against the XML Schema of its root element's namespace, for
// callers that do not work with libxml2's trees (the host's e-declaration validator).
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/com/Types.h"

namespace tlx {

// The schema file of a namespace; nothing when there is none.
using SchemaLookup = std::function<std::optional<std::string>(const std::string& namespaceUri)>;

// Validates `xml` against the schema `schemaFor` names for its root's namespace: S_OK and no errors
// when the document is valid or its namespace has no schema, S_FALSE with one "line N: message" per
// error when not. A text that does not parse, or that carries a document type declaration, answers
// S_FALSE with its one error. A schema that cannot be read answers E_FAIL with the reason.
HRESULT ValidateXmlText(std::u16string_view xml, const SchemaLookup& schemaFor, std::vector<std::u16string>& errors);

}  // namespace tlx
