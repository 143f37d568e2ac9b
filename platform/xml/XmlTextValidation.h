// Validation of documents given as text against the XML Schema of their root element's namespace, for
// callers that do not work with libxml2's trees (the host's e-declaration validator). Each schema file is
// compiled once and kept until the file changes, so a validation costs what the document costs.
#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/com/Types.h"

namespace tlx {

// The schema file of a namespace; nothing when there is none.
using SchemaLookup = std::function<std::optional<std::string>(const std::string& namespaceUri)>;

class XmlSchemaSet {
public:
    XmlSchemaSet();
    ~XmlSchemaSet();
    XmlSchemaSet(const XmlSchemaSet&) = delete;
    XmlSchemaSet& operator=(const XmlSchemaSet&) = delete;

    // Validates `xml` against the schema `schemaFor` names for its root's namespace: S_OK and no errors
    // when the document is valid or its namespace has no schema, S_FALSE with one "line N: message" per
    // error when not. A text that does not parse, or that carries a document type declaration, answers
    // S_FALSE with its one error. A schema that cannot be read answers E_FAIL with the reason. The
    // schema's imports are read as the thread's resource loader finds them (see XmlCatalog::Scope).
    HRESULT ValidateText(std::u16string_view xml, const SchemaLookup& schemaFor, std::vector<std::u16string>& errors);

private:
    struct Compiled;
    std::shared_ptr<Compiled> CompiledFor(const std::string& path, HRESULT& hr);

    std::mutex mutex_;
    std::map<std::string, std::shared_ptr<Compiled>> compiled_;
};

}  // namespace tlx
