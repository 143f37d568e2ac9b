#include "host/objects/edeklaracje/SchemaStore.h"

#include <cstdlib>
#include <filesystem>

namespace tlx::host {

const SchemaStore& SchemaStore::Installed() {
    static const SchemaStore installed = [] {
        std::unique_ptr<SchemaStore> store;
        const char* folder = std::getenv("TLX_SCHEMA_DIR");
        if (folder && *folder && SUCCEEDED(Open(folder, store))) return std::move(*store);
        return SchemaStore{};
    }();
    return installed;
}

HRESULT SchemaStore::Open(const std::string& folder, std::unique_ptr<SchemaStore>& store) {
    auto opened = std::make_unique<SchemaStore>();
    std::filesystem::path catalog = std::filesystem::absolute(std::filesystem::path(folder) / "catalog.xml");
    std::error_code error;
    if (std::filesystem::exists(catalog, error))
        if (HRESULT hr = XmlCatalog::Open(catalog.string(), opened->catalog_); FAILED(hr)) return hr;
    store = std::move(opened);
    return S_OK;
}

std::optional<std::string> SchemaStore::SchemaFor(const std::string& namespaceUri) const {
    if (!catalog_ || namespaceUri.empty()) return std::nullopt;
    auto path = catalog_->Resolve(namespaceUri + "schemat.xsd");
    std::error_code error;
    if (!path || !std::filesystem::is_regular_file(*path, error)) return std::nullopt;
    return path;
}

}  // namespace tlx::host
