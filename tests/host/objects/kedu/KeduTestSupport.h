// Short ways to reach the KEDU component from a test: a new component object by its ProgID, a document,
// a block, the document's text, and the error object a refused call left.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "host/HostClasses.h"
#include "hostapi/Kedu.h"
#include "platform/com/ClassRegistry.h"
#include "platform/com/ComPtr.h"
#include "platform/com/ErrorInfo.h"
#include "platform/text/CodePage.h"

namespace tlx::host::test {

inline ComPtr<IKeduPlik> NewKedu() {
    EXPECT_EQ(RegisterHostClasses(), S_OK);
    CLSID clsid{};
    EXPECT_EQ(CLSIDFromProgID(u"TlxKedu.KEDU", &clsid), S_OK);
    ComPtr<IKeduPlik> kedu;
    EXPECT_EQ(CoCreateInstance(clsid, nullptr, CLSCTX_ALL, IID_IKeduPlik, kedu.OutVoid()), S_OK);
    return kedu;
}

inline ComPtr<IKeduDokument> NewDocument(IKeduPlik* kedu, std::u16string_view form, LONG version = 1) {
    ComPtr<IKeduDokumenty> documents;
    EXPECT_EQ(kedu->get_Dokumenty(documents.Out()), S_OK);
    ComPtr<IKeduDokument> document;
    EXPECT_EQ(documents->AddV(Bstr(form).Get(), version, document.Out()), S_OK);
    return document;
}

inline ComPtr<IKeduBloki> BlocksOf(IKeduDokument* document) {
    ComPtr<IKeduBloki> blocks;
    EXPECT_EQ(document->get_bloki(blocks.Out()), S_OK);
    return blocks;
}

inline ComPtr<IKeduBlok> BlockOf(IKeduDokument* document, std::u16string_view name) {
    ComPtr<IKeduBlok> block;
    EXPECT_EQ(BlocksOf(document)->get_Item(Variant::FromString(name), block.Out()), S_OK);
    return block;
}

inline std::string TextOf(IKeduDokument* document) {
    Bstr text;
    EXPECT_EQ(document->ToString(text.Out()), S_OK);
    return Utf16ToUtf8(text.View());
}

struct RaisedError {
    GUID guid{};
    std::string description;
};

// The thread's error object, taken from it.
inline RaisedError TakeRaised() {
    RaisedError raised;
    ComPtr<IErrorInfo> info;
    if (GetErrorInfo(0, info.Out()) != S_OK) return {GUID{}, "<no error object>"};
    Bstr description;
    info->GetGUID(&raised.guid);
    info->GetDescription(description.Out());
    raised.description = Utf16ToUtf8(description.View());
    return raised;
}

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// A golden file beside the tests of `folder` (tests/host/objects/<folder>/golden/<name>).
inline std::string Golden(const std::string& folder, const std::string& name) {
    const char* root = std::getenv("TLX_SOURCE_DIR");
    EXPECT_NE(root, nullptr) << "TLX_SOURCE_DIR names the source tree";
    std::string path = std::string(root ? root : ".") + "/tests/host/objects/" + folder + "/golden/" + name;
    std::string bytes = ReadBytes(path);
    EXPECT_FALSE(bytes.empty()) << path;
    return bytes;
}

}  // namespace tlx::host::test
