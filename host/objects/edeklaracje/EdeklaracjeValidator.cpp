#include "host/objects/edeklaracje/EdeklaracjeValidator.h"

#include <vector>

#include "host/objects/edeklaracje/SchemaStore.h"
#include "platform/xml/XmlTextValidation.h"

namespace tlx::host {

namespace {

constexpr std::u16string_view kLineBreak = u"\r\n";

// The validator's "line N: " becomes the user's "wiersz N: ".
std::u16string InPolish(const std::u16string& line) {
    constexpr std::u16string_view kLine = u"line ";
    if (line.compare(0, kLine.size(), kLine) == 0) return u"wiersz " + line.substr(kLine.size());
    if (line.find(u"document type declaration") != std::u16string::npos)
        return u"Dokument e-deklaracji nie może zawierać deklaracji typu dokumentu (DTD).";
    return line;
}

}  // namespace

HRESULT CEdeklaracjeValidator::ValidateText(const SchemaStore& store, std::u16string_view xml, std::u16string& errors) {
    errors.clear();
    std::vector<std::u16string> found;
    std::optional<XmlCatalog::Scope> imports;
    if (store.Catalog()) imports.emplace(*store.Catalog());
    HRESULT hr = store.Schemas().ValidateText(
        xml, [&](const std::string& namespaceUri) { return store.SchemaFor(namespaceUri); }, found);
    if (FAILED(hr)) return hr;
    for (const auto& line : found) {
        if (!errors.empty()) errors += kLineBreak;
        errors += InPolish(line);
    }
    return S_OK;
}

HRESULT CEdeklaracjeValidator::Validate(BSTR xml, VARIANT /*edeklaracja*/, BSTR* errors) {
    if (!errors) return E_POINTER;
    *errors = nullptr;
    std::u16string found;
    std::u16string_view text = xml ? std::u16string_view(xml, SysStringLen(xml)) : std::u16string_view();
    if (HRESULT hr = ValidateText(SchemaStore::Installed(), text, found); FAILED(hr)) return hr;
    *errors = SysAllocStringLen(found.data(), static_cast<UINT>(found.size()));
    return *errors ? S_OK : E_OUTOFMEMORY;
}

}  // namespace tlx::host
