// The schema store of the end-to-end tests for forms whose official schema is not to be had: the project's
// own schemas (schemas/catalog.xml) chained before the official ones (TLX_SCHEMA_DIR), as an installation
// chains them, in a catalog written into a test's folder.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/text/CodePage.h"
#include "platform/xml/XmlCatalog.h"
#include "platform/xml/XmlTextValidation.h"

class ProjectSchemaStore {
public:
    // Writes the chaining catalog into `folder` and opens it; check `Opened()`.
    explicit ProjectSchemaStore(const std::filesystem::path& folder) {
        const char* root = std::getenv("TLX_SOURCE_DIR");
        const std::filesystem::path own = std::filesystem::absolute(std::string(root ? root : ".") + "/schemas/catalog.xml");
        const std::string path = (folder / "catalog.xml").string();
        std::ofstream(path) << "<?xml version=\"1.0\"?>\n<catalog xmlns=\"urn:oasis:names:tc:entity:xmlns:xml:catalog\">\n"
                            << "  <nextCatalog catalog=\"" << own.string() << "\"/>\n"
                            << "  <nextCatalog catalog=\"" << TLX_SCHEMA_DIR << "/catalog.xml\"/>\n</catalog>\n";
        EXPECT_EQ(tlx::XmlCatalog::Open(path, catalog_), S_OK);
    }
    static bool OfficialSchemasHere() { return std::filesystem::exists(std::string(TLX_SCHEMA_DIR) + "/catalog.xml"); }
    bool Opened() const { return catalog_ != nullptr; }
    // Whether the store holds the schema of a namespace.
    bool Holds(const std::string& namespaceUri) const { return catalog_->Resolve(namespaceUri + "schemat.xsd").has_value(); }
    // The schema errors of a document: none when it is valid.
    std::vector<std::string> Errors(const std::string& xml) {
        tlx::XmlCatalog::Scope scope(*catalog_);
        auto lookup = [&](const std::string& uri) { return catalog_->Resolve(uri + "schemat.xsd"); };
        std::vector<std::u16string> errors;
        EXPECT_NE(schemas_.ValidateText(tlx::Utf8ToUtf16(xml), lookup, errors), E_FAIL);
        std::vector<std::string> texts;
        for (const auto& error : errors) texts.push_back(tlx::Utf16ToUtf8(error));
        return texts;
    }

    // The schema errors of a document checked against the schema file `schema`, whatever its namespace
    // (for the variants whose documents carry none, which no catalog entry can name).
    std::vector<std::string> ErrorsAgainst(const std::string& xml, const std::filesystem::path& schema) {
        tlx::XmlCatalog::Scope scope(*catalog_);
        auto lookup = [&](const std::string&) { return std::optional<std::string>(schema.string()); };
        std::vector<std::u16string> errors;
        EXPECT_NE(schemas_.ValidateText(tlx::Utf8ToUtf16(xml), lookup, errors), E_FAIL);
        std::vector<std::string> texts;
        for (const auto& error : errors) texts.push_back(tlx::Utf16ToUtf8(error));
        return texts;
    }

private:
    std::unique_ptr<tlx::XmlCatalog> catalog_;
    tlx::XmlSchemaSet schemas_;
};
