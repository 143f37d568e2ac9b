// Reading what a PFRON export wrote: files and folders, the golden documents beside the tests, and the
// documents parsed and validated by the platform's XML layer.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/com/Bstr.h"
#include "platform/com/ClassRegistry.h"
#include "platform/com/ComPtr.h"
#include "platform/text/CodePage.h"
#include "platform/xml/XmlDom.h"

namespace pfron_test {

inline std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

inline std::filesystem::path GoldenFolder() {
    const char* root = std::getenv("TLX_SOURCE_DIR");
    return std::filesystem::path(root ? root : ".") / "tests/module/pfron/golden";
}
inline std::string Golden(const std::string& name) { return ReadFile(GoldenFolder() / name); }

// The names in a folder, sorted; none for a folder that does not exist.
inline std::vector<std::string> Listing(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    if (std::filesystem::exists(folder))
        for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

inline tlx::ComPtr<IXMLDOMDocument2> Parse(const std::string& bytes) {
    tlx::ComPtr<IXMLDOMDocument2> doc;
    EXPECT_EQ(CoCreateInstance(CLSID_DOMDocument, nullptr, CLSCTX_INPROC_SERVER, IID_IXMLDOMDocument2, doc.OutVoid()),
              S_OK);
    VARIANT_BOOL ok = VARIANT_FALSE;
    EXPECT_EQ(doc->loadXML(tlx::Bstr(tlx::Utf8ToUtf16(bytes)).Get(), &ok), S_OK);
    return ok ? doc : tlx::ComPtr<IXMLDOMDocument2>();
}

// Parses a file and validates it against a structural schema of the golden folder: the errors, or "".
inline std::u16string SchemaErrors(const std::string& bytes, const char* schema = "wniosek.xsd") {
    tlx::ComPtr<IXMLDOMDocument2> doc = Parse(bytes);
    if (!doc) return u"not parsed";
    tlx::Bstr errors;
    EXPECT_EQ(doc->validateWithSchema(tlx::Variant::FromString(tlx::Utf8ToUtf16((GoldenFolder() / schema).string())),
                                      errors.Out()),
              S_OK);
    return errors.Str();
}

// The value of attribute `name` of the first element `element` of a document, read by the XML parser.
inline std::u16string ParsedAttribute(const std::string& bytes, const char16_t* element, const char16_t* name) {
    tlx::ComPtr<IXMLDOMDocument2> doc = Parse(bytes);
    if (!doc) return u"(not parsed)";
    tlx::ComPtr<IXMLDOMNode> node;
    if (doc->selectSingleNode(tlx::Bstr(std::u16string(u"//") + element).Get(), node.Out()) != S_OK || !node)
        return u"(no element)";
    tlx::Variant value;
    EXPECT_EQ(node.As<IXMLDOMElement>()->getAttribute(tlx::Bstr(name).Get(), value.Out()), S_OK);
    return value.vt == VT_BSTR && value.bstrVal ? std::u16string(value.bstrVal) : u"(no attribute)";
}

// True when the bytes are one line of valid UTF-8 ended by CR LF.
inline bool IsOneUtf8Line(const std::string& bytes) {
    if (bytes.size() < 2 || bytes.compare(bytes.size() - 2, 2, "\r\n") != 0) return false;
    if (bytes.find_first_of("\r\n") != bytes.size() - 2) return false;
    return tlx::Utf16ToUtf8(tlx::Utf8ToUtf16(bytes)) == bytes;
}

}  // namespace pfron_test
