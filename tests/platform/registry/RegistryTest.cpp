#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>
#include <vector>

#include "tests/support/TempRegistry.h"
#include "platform/com/ErrorInfo.h"
#include "platform/registry/Registry.h"
#include "platform/text/CodePage.h"

namespace {
std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}
}  // namespace

TEST(Registry, WrittenKeysAndValuesReadBack) {
    TempRegistry temp;
    ASSERT_EQ(tlx::UpdateRegistry([](tlx::RegistryTree& tree) {
                  auto& key = tree.Create(u"CLSID\\{A}\\InprocServer32");
                  key.defaultValue = u"/opt/lib \"x\"\\ żółw";
                  key.values[u"ThreadingModel"] = u"Free";
                  tree.Create(u"Prog.Id").defaultValue = u"";
              }),
              S_OK);
    tlx::RegistryTree tree;
    ASSERT_EQ(tlx::ReadRegistry(tree), S_OK);
    EXPECT_EQ(tree.Value(u"clsid\\{a}\\inprocserver32"), u"/opt/lib \"x\"\\ żółw") << "paths ignore case";
    EXPECT_EQ(tree.Value(u"CLSID\\{A}\\InprocServer32", u"threadingmodel"), u"Free");
    EXPECT_EQ(tree.Value(u"Prog.Id"), u"") << "an empty default value is kept apart from none";
    EXPECT_EQ(tree.Value(u"CLSID\\{A}"), std::nullopt) << "a parent created on the way has no default";
    EXPECT_EQ(tree.Subkeys(u"CLSID"), std::vector<std::u16string>{u"{A}"});
}

TEST(Registry, DeleteTreeRemovesTheKeyAndItsChildrenOnly) {
    tlx::RegistryTree tree;
    tree.Create(u"CLSID\\{A}\\ProgID");
    tree.Create(u"CLSID\\{AB}");
    tree.DeleteTree(u"CLSID\\{A}");
    EXPECT_FALSE(tree.Find(u"CLSID\\{A}"));
    EXPECT_FALSE(tree.Find(u"CLSID\\{A}\\ProgID"));
    EXPECT_TRUE(tree.Find(u"CLSID\\{AB}")) << "a sibling sharing the prefix stays";
    EXPECT_TRUE(tree.Find(u"CLSID"));
}

TEST(Registry, DeepKeysReadBackFromWhatIsWritten) {
    // The written file lists each of a deep key's parents on its own line: reading it back makes each key
    // once, rather than making all its parents again for every line.
    std::string path;
    for (int level = 0; level < 400; ++level) path += "k\\";
    tlx::RegistryTree tree = tlx::RegistryTree::Parse("[" + path + "leaf]\n@=\"x\"\n");
    std::string written = tree.Serialize();
    tlx::RegistryTree again = tlx::RegistryTree::Parse(written);
    EXPECT_EQ(again.Serialize(), written);
    EXPECT_EQ(again.Value(tlx::Utf8ToUtf16(path + "LEAF")), u"x");
    EXPECT_EQ(again.Subkeys(u"k\\k"), std::vector<std::u16string>{u"k"});
}

TEST(Registry, CorruptFileIsReportedAndLeftAsItWas) {
    TempRegistry temp;
    const std::string corrupt = "[CLSID\\{A}]\n@=\"unterminated\n";
    std::ofstream(temp.Path(), std::ios::binary) << corrupt;

    tlx::RegistryTree tree;
    EXPECT_EQ(tlx::ReadRegistry(tree), REGDB_E_READREGDB);
    std::u16string why = tlx::TakeErrorDescription();
    EXPECT_NE(why.find(u"line 2"), std::u16string::npos) << "the message names the faulty line";

    EXPECT_EQ(tlx::UpdateRegistry([](tlx::RegistryTree& t) { t.Create(u"X"); }), REGDB_E_READREGDB);
    EXPECT_EQ(ReadFile(temp.Path()), corrupt) << "a corrupt registry is never overwritten";
}

TEST(Registry, FailedWriteLeavesTheFileAsItWas) {
    TempRegistry temp;
    ASSERT_EQ(tlx::UpdateRegistry([](tlx::RegistryTree& t) { t.Create(u"Kept").defaultValue = u"1"; }), S_OK);
    const std::string before = ReadFile(temp.Path());
    EXPECT_EQ(tlx::UpdateRegistry([](tlx::RegistryTree& t) {
                  t.Create(u"Other");
                  t.Create(u"\\");  // a key without a name: the change is refused
              }),
              REGDB_E_INVALIDVALUE);
    EXPECT_EQ(ReadFile(temp.Path()), before);
}

TEST(Registry, ParsedOnceAndAgainOnlyWhenTheFileChanges) {
    TempRegistry temp;
    ASSERT_EQ(tlx::UpdateRegistry([](tlx::RegistryTree& t) { t.Create(u"Prog.A\\CLSID").defaultValue = u"{A}"; }),
              S_OK);
    std::shared_ptr<const tlx::RegistryTree> first, second;
    ASSERT_EQ(tlx::ReadRegistry(first), S_OK);
    ASSERT_EQ(tlx::ReadRegistry(second), S_OK);
    EXPECT_EQ(first, second) << "an unchanged file is not parsed again";
    EXPECT_EQ(first->Value(u"Prog.A\\CLSID"), u"{A}") << "the tree a registration wrote is read back";

    // Another process registers a class: the file is replaced behind this process's back.
    std::ofstream(temp.Path() + ".new", std::ios::binary) << "[Prog.B\\CLSID]\n@=\"{B}\"\n";
    std::filesystem::rename(temp.Path() + ".new", temp.Path());
    std::shared_ptr<const tlx::RegistryTree> third;
    ASSERT_EQ(tlx::ReadRegistry(third), S_OK);
    EXPECT_EQ(third->Value(u"Prog.B\\CLSID"), u"{B}");
    EXPECT_EQ(third->Value(u"Prog.A\\CLSID"), std::nullopt);

    std::filesystem::remove(temp.Path());
    std::shared_ptr<const tlx::RegistryTree> fourth;
    ASSERT_EQ(tlx::ReadRegistry(fourth), S_OK);
    EXPECT_EQ(fourth->Value(u"Prog.B\\CLSID"), std::nullopt) << "a removed file is an empty registry";
}

TEST(Registry, ConcurrentRegistrationsLoseNothing) {
    TempRegistry temp;
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([t] {
            for (int i = 0; i < 10; ++i)
                tlx::UpdateRegistry([&](tlx::RegistryTree& tree) {
                    tree.Create(u"Key" + tlx::Utf8ToUtf16(std::to_string(t * 100 + i)));
                });
        });
    for (auto& thread : threads) thread.join();
    tlx::RegistryTree tree;
    ASSERT_EQ(tlx::ReadRegistry(tree), S_OK);
    int found = 0;
    for (int t = 0; t < 4; ++t)
        for (int i = 0; i < 10; ++i) found += tree.Find(u"Key" + tlx::Utf8ToUtf16(std::to_string(t * 100 + i))) != nullptr;
    EXPECT_EQ(found, 40);
}
