#include "mv_deklaracje/edeklaracje/TransformSheets.h"

#include "mv_deklaracje/core/TextResources.h"
#include "platform/text/CodePage.h"

namespace {
constexpr const char* kStylesheetType = "XSL";
}  // namespace

std::u16string_view TransformSheets::ResourceText(HMODULE resources, std::u16string_view name) {
    if (!resources) return {};
    const std::string key = tlx::Utf16ToUtf8(name);
    const auto bytes = tlx::FindResourceBytes(resources, kStylesheetType, key);
    if (!bytes) return {};
    auto kept = resources_.find(name);
    if (kept != resources_.end() && kept->second.bytes == *bytes) return kept->second.text;
    Resource read{std::string(*bytes), LoadTextResource(key.c_str(), kStylesheetType, resources).Str()};
    return resources_.insert_or_assign(std::u16string(name), std::move(read)).first->second.text;
}

tlx::ComPtr<IXMLDOMDocument2> TransformSheets::Sheet(std::u16string_view name, std::u16string_view text,
                                                     const Parse& parse) {
    auto kept = sheets_.find(name);
    if (kept != sheets_.end() && kept->second.text == text) return kept->second.sheet;
    Parsed parsed{std::u16string(text), parse(text)};
    return sheets_.insert_or_assign(std::u16string(name), std::move(parsed)).first->second.sheet;
}
