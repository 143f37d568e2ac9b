// The host's store of form schemas: the folder the installation names in TLX_SCHEMA_DIR, holding the
// schemas downloaded from the tax authority and a "catalog.xml" that maps their official addresses to the
// files. A form's schema is found by its namespace: the official address of a form's schema is the
// namespace followed by "schemat.xsd". Nothing is ever fetched from the network.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/xml/XmlCatalog.h"
#include "platform/xml/XmlTextValidation.h"

namespace tlx::host {

class SchemaStore {
public:
    // The store of TLX_SCHEMA_DIR; an empty store when the variable is unset or the folder has no catalog.
    static const SchemaStore& Installed();
    // A store over `folder` (its "catalog.xml"); a catalog that cannot be read is raised as its HRESULT.
    static HRESULT Open(const std::string& folder, std::unique_ptr<SchemaStore>& store);

    // The schema file of a namespace; nothing when the store holds none.
    std::optional<std::string> SchemaFor(const std::string& namespaceUri) const;
    // The catalog the imports of a schema resolve through; null for an empty store.
    const XmlCatalog* Catalog() const { return catalog_.get(); }
    // The store's schemas, each compiled once and kept for the validations that follow.
    XmlSchemaSet& Schemas() const { return *schemas_; }

private:
    std::unique_ptr<XmlCatalog> catalog_;
    std::unique_ptr<XmlSchemaSet> schemas_ = std::make_unique<XmlSchemaSet>();
};

}  // namespace tlx::host
