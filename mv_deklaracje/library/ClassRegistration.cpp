#include "mv_deklaracje/library/ClassRegistration.h"

#include <filesystem>

#include "mv_deklaracje_tlb.h"
#include "platform/text/CodePage.h"

namespace {
constexpr char16_t kVersionSuffix[] = u".1";
constexpr char16_t kTypeLibDescription[] = u"MV_Deklaracje 1.0 Type Library";
// The universal marshaller of OLE Automation interfaces.
constexpr char16_t kAutomationProxyStub[] = u"{00020424-0000-0000-C000-000000000046}";

std::u16string ClassKey(const ObjectMapEntry& entry) { return u"CLSID\\" + tlx::GuidToText(entry.clsid); }

std::u16string TypeLibKey() { return u"TypeLib\\" + tlx::GuidToText(LIBID_MV_DEKLARACJELib); }

std::u16string InterfaceKey(const TypeLibInterface& entry) { return u"Interface\\" + tlx::GuidToText(entry.iid); }

std::u16string TypeLibVersion() {
    return tlx::Utf8ToUtf16(std::to_string(kTypeLibMajorVersion) + "." + std::to_string(kTypeLibMinorVersion));
}

void SetDefault(tlx::RegistryTree& tree, const std::u16string& path, const std::u16string& value) {
    tree.Create(path).defaultValue = value;
}
}  // namespace

void WriteClassRegistration(tlx::RegistryTree& tree, const ObjectMapEntry& entry, const std::u16string& modulePath) {
    const std::u16string clsid = tlx::GuidToText(entry.clsid);
    const std::u16string progId = entry.progId;
    const std::u16string versioned = progId + kVersionSuffix;

    SetDefault(tree, versioned, entry.description);
    SetDefault(tree, versioned + u"\\CLSID", clsid);

    SetDefault(tree, progId, entry.description);
    SetDefault(tree, progId + u"\\CLSID", clsid);
    SetDefault(tree, progId + u"\\CurVer", versioned);

    const std::u16string key = ClassKey(entry);
    tree.DeleteTree(key);
    SetDefault(tree, key, entry.description);
    SetDefault(tree, key + u"\\ProgID", versioned);
    SetDefault(tree, key + u"\\VersionIndependentProgID", progId);
    tree.Create(key + u"\\Programmable");
    tlx::RegistryKey& server = tree.Create(key + u"\\InprocServer32");
    server.defaultValue = modulePath;
    server.values[u"ThreadingModel"] = u"Free";
    SetDefault(tree, key + u"\\TypeLib", tlx::GuidToText(LIBID_MV_DEKLARACJELib));
}

void RemoveClassRegistration(tlx::RegistryTree& tree, const ObjectMapEntry& entry) {
    const std::u16string progId = entry.progId;
    tree.DeleteTree(progId + kVersionSuffix);
    tree.DeleteTree(progId);
    tree.DeleteTree(ClassKey(entry));
}

void WriteTypeLibRegistration(tlx::RegistryTree& tree, const std::u16string& modulePath) {
    const std::u16string version = TypeLibKey() + u"\\" + TypeLibVersion();
    tree.DeleteTree(version);
    SetDefault(tree, version, kTypeLibDescription);
    SetDefault(tree, version + u"\\0\\win32", modulePath);
    SetDefault(tree, version + u"\\FLAGS", u"0");
    std::filesystem::path folder = std::filesystem::path(tlx::Utf16ToUtf8(modulePath)).parent_path();
    SetDefault(tree, version + u"\\HELPDIR", tlx::Utf8ToUtf16(folder.string()));

    for (const TypeLibInterface& entry : kTypeLibInterfaces) {
        const std::u16string key = InterfaceKey(entry);
        tree.DeleteTree(key);
        SetDefault(tree, key, entry.name);
        SetDefault(tree, key + u"\\ProxyStubClsid", kAutomationProxyStub);
        SetDefault(tree, key + u"\\ProxyStubClsid32", kAutomationProxyStub);
        tlx::RegistryKey& typeLib = tree.Create(key + u"\\TypeLib");
        typeLib.defaultValue = tlx::GuidToText(LIBID_MV_DEKLARACJELib);
        typeLib.values[u"Version"] = TypeLibVersion();
    }
}

// Removes this version and the library's interfaces; the library's key goes with them when no other
// version is registered.
void RemoveTypeLibRegistration(tlx::RegistryTree& tree) {
    for (const TypeLibInterface& entry : kTypeLibInterfaces) tree.DeleteTree(InterfaceKey(entry));
    tree.DeleteTree(TypeLibKey() + u"\\" + TypeLibVersion());
    if (tree.Find(TypeLibKey()) && tree.Subkeys(TypeLibKey()).empty()) tree.DeleteTree(TypeLibKey());
}
