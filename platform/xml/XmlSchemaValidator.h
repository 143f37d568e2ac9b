// Validation of a document against an XML Schema (XSD 1.0). Includes and imports of the schema are read
// from local files relative to the schema; nothing is fetched from the network.
#pragma once

#include <libxml/tree.h>

#include <string>
#include <vector>

#include "platform/com/Types.h"

namespace tlx {

class XmlSchemaValidator {
public:
    // The schema in a file.
    static HRESULT ValidateWithFile(xmlDocPtr document, const std::string& schemaPath,
                                    std::vector<std::u16string>& errors);
    // The schema as a loaded document (its includes resolve against the document's own location).
    static HRESULT ValidateWithDocument(xmlDocPtr document, xmlDocPtr schema, std::vector<std::u16string>& errors);
};

}  // namespace tlx
