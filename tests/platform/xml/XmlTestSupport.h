// Small helpers for the XML DOM tests: documents from text, node texts and selections in one call.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/com/ClassRegistry.h"
#include "platform/com/ComPtr.h"
#include "platform/text/CodePage.h"
#include "platform/xml/XmlDom.h"

namespace xmltest {

using tlx::Bstr;
using tlx::ComPtr;

inline ComPtr<IXMLDOMDocument2> NewDocument() {
    ComPtr<IXMLDOMDocument2> doc;
    EXPECT_EQ(CoCreateInstance(CLSID_DOMDocument, nullptr, CLSCTX_INPROC_SERVER, IID_IXMLDOMDocument2, doc.OutVoid()),
              S_OK);
    return doc;
}

// A document loaded from text that must parse, with XPath selection set as the module sets it.
inline ComPtr<IXMLDOMDocument2> Load(std::u16string_view text) {
    auto doc = NewDocument();
    VARIANT_BOOL ok = VARIANT_FALSE;
    EXPECT_EQ(doc->loadXML(Bstr(text).Get(), &ok), S_OK);
    EXPECT_EQ(ok, VARIANT_TRUE);
    EXPECT_EQ(doc->setProperty(Bstr(u"SelectionLanguage").Get(), tlx::Variant::FromString(u"XPath")), S_OK);
    return doc;
}

inline std::u16string Text(IXMLDOMNode* node) {
    Bstr text;
    EXPECT_EQ(node->get_text(text.Out()), S_OK);
    return text.Str();
}

inline std::u16string Name(IXMLDOMNode* node) {
    Bstr name;
    EXPECT_EQ(node->get_nodeName(name.Out()), S_OK);
    return name.Str();
}

inline std::u16string Xml(IXMLDOMNode* node) {
    Bstr xml;
    EXPECT_EQ(node->get_xml(xml.Out()), S_OK);
    return xml.Str();
}

inline ComPtr<IXMLDOMNode> Select(IXMLDOMNode* node, std::u16string_view query) {
    ComPtr<IXMLDOMNode> found;
    EXPECT_TRUE(SUCCEEDED(node->selectSingleNode(Bstr(query).Get(), found.Out()))) << tlx::Utf16ToUtf8(query);
    return found;
}

inline ComPtr<IXMLDOMNodeList> SelectAll(IXMLDOMNode* node, std::u16string_view query) {
    ComPtr<IXMLDOMNodeList> list;
    EXPECT_EQ(node->selectNodes(Bstr(query).Get(), list.Out()), S_OK) << tlx::Utf16ToUtf8(query);
    return list;
}

// The names of a list's nodes, in list order, joined by blanks.
inline std::u16string Names(IXMLDOMNodeList* list) {
    std::u16string names;
    LONG length = 0;
    EXPECT_EQ(list->get_length(&length), S_OK);
    for (LONG i = 0; i < length; ++i) {
        ComPtr<IXMLDOMNode> node;
        EXPECT_EQ(list->get_item(i, node.Out()), S_OK);
        names += (i ? u" " : u"") + Name(node.Get());
    }
    return names;
}

inline ComPtr<IXMLDOMNode> NewElement(IXMLDOMDocument* doc, std::u16string_view name, std::u16string_view ns = u"") {
    ComPtr<IXMLDOMNode> node;
    EXPECT_EQ(doc->createNode(tlx::Variant::FromLong(NODE_ELEMENT), Bstr(name).Get(), Bstr(ns).Get(), node.Out()),
              S_OK);
    return node;
}

inline void Append(IXMLDOMNode* parent, IXMLDOMNode* child) {
    ComPtr<IXMLDOMNode> appended;
    ASSERT_EQ(parent->appendChild(child, appended.Out()), S_OK);
}

inline ComPtr<IXMLDOMElement> AsElement(const ComPtr<IXMLDOMNode>& node) { return node.As<IXMLDOMElement>(); }

// A scratch folder removed with the object.
class TempFolder {
public:
    TempFolder() {
        path_ = std::filesystem::temp_directory_path() /
                ("tlxxml-" + std::to_string(::getpid()) + "-" + std::to_string(counter_++));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    std::string File(const std::string& name) const { return (path_ / name).string(); }

private:
    static inline int counter_ = 0;
    std::filesystem::path path_;
};

inline std::string SourceFile(const std::string& relative) {
    const char* root = std::getenv("TLX_SOURCE_DIR");
    return std::string(root ? root : ".") + "/" + relative;
}

}  // namespace xmltest
