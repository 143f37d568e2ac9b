#include "host/objects/edeklaracje/EdeklaracjeValidator.h"

#include <optional>
#include <vector>

#include "host/objects/edeklaracje/SchemaStore.h"
#include "platform/xml/XmlTextValidation.h"

namespace tlx::host {

namespace {

constexpr std::u16string_view kLineBreak = u"\r\n";

// The schema's answer to a tax office's code outside its list names every code of the list (some 400):
// the user learns which code is not a known office, and no more.
std::optional<std::u16string> UnknownOfficeCode(std::u16string_view finding) {
    constexpr std::u16string_view kOutsideTheList = u"KodUrzedu': [facet 'enumeration'] The value '";
    const auto at = finding.find(kOutsideTheList);
    if (at == std::u16string_view::npos || at == 0 || (finding[at - 1] != u'}' && finding[at - 1] != u'\''))
        return std::nullopt;
    const auto start = at + kOutsideTheList.size();
    const auto end = finding.find(u'\'', start);
    if (end == std::u16string_view::npos) return std::nullopt;
    return u"Kod urzędu skarbowego " + std::u16string(finding.substr(start, end - start)) +
           u" nie jest kodem znanego urzędu skarbowego.";
}

// The validator's "line N: " becomes the user's "wiersz N: ".
std::u16string InPolish(const std::u16string& line) {
    constexpr std::u16string_view kLine = u"line ";
    if (line.compare(0, kLine.size(), kLine) == 0) {
        const auto colon = line.find(u": ");
        if (colon != std::u16string::npos)
            if (std::optional<std::u16string> office = UnknownOfficeCode(std::u16string_view(line).substr(colon + 2)))
                return u"wiersz " + line.substr(kLine.size(), colon + 2 - kLine.size()) + *office;
        return u"wiersz " + line.substr(kLine.size());
    }
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
