// A parsed registry is answered again only while nothing changed its file: every way the file can be
// changed from outside the process is seen at the next read.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <sys/wait.h>
#include <unistd.h>

#include "tests/support/TempRegistry.h"
#include "platform/registry/Registry.h"

namespace {

std::optional<std::u16string> ReadValue(const std::u16string& key) {
    std::shared_ptr<const tlx::RegistryTree> tree;
    if (tlx::ReadRegistry(tree) != S_OK) return u"(failed)";
    return tree->Value(key);
}

void Replace(const std::string& path, const std::string& text) {
    std::ofstream(path + ".new", std::ios::binary) << text;
    std::filesystem::rename(path + ".new", path);
}

}  // namespace

TEST(RegistryChange, FileRewrittenInPlaceIsSeen) {
    TempRegistry temp;
    std::ofstream(temp.Path(), std::ios::binary) << "[A]\n@=\"1\"\n";
    EXPECT_EQ(ReadValue(u"A"), u"1");
    EXPECT_EQ(ReadValue(u"A"), u"1");
    std::ofstream(temp.Path(), std::ios::binary | std::ios::trunc) << "[A]\n@=\"22\"\n";
    EXPECT_EQ(ReadValue(u"A"), u"22");
}

TEST(RegistryChange, FileMadeWhereThereWasNoneIsSeen) {
    TempRegistry temp;
    EXPECT_EQ(ReadValue(u"A"), std::nullopt);
    EXPECT_EQ(ReadValue(u"A"), std::nullopt);
    Replace(temp.Path(), "[A]\n@=\"1\"\n");
    EXPECT_EQ(ReadValue(u"A"), u"1");
}

TEST(RegistryChange, FolderRemovedAndMadeAgainIsSeen) {
    TempRegistry temp;
    Replace(temp.Path(), "[A]\n@=\"1\"\n");
    EXPECT_EQ(ReadValue(u"A"), u"1");
    std::filesystem::path folder = std::filesystem::path(temp.Path()).parent_path();
    std::filesystem::remove_all(folder);
    EXPECT_EQ(ReadValue(u"A"), std::nullopt);
    std::filesystem::create_directories(folder);
    Replace(temp.Path(), "[A]\n@=\"2\"\n");
    EXPECT_EQ(ReadValue(u"A"), u"2") << "the folder made again is watched again";
}

TEST(RegistryChange, TargetOfALinkChangedElsewhereIsSeen) {
    TempRegistry temp;
    std::filesystem::path elsewhere = std::filesystem::path(temp.Path()).parent_path() / "elsewhere";
    std::filesystem::create_directories(elsewhere);
    std::string target = (elsewhere / "real.reg").string();
    Replace(target, "[A]\n@=\"1\"\n");
    std::filesystem::create_symlink(target, temp.Path());
    EXPECT_EQ(ReadValue(u"A"), u"1");
    EXPECT_EQ(ReadValue(u"A"), u"1");
    Replace(target, "[A]\n@=\"2\"\n");
    EXPECT_EQ(ReadValue(u"A"), u"2") << "nothing changed in the link's folder, only in the target's";
}

TEST(RegistryChange, ChildProcessReadingTheRegistryHidesNoChangeFromItsParent) {
    TempRegistry temp;
    Replace(temp.Path(), "[A]\n@=\"1\"\n");
    EXPECT_EQ(ReadValue(u"A"), u"1");
    pid_t child = ::fork();
    if (child == 0) {
        // The child changes the file and reads it: what tells of the change stays for the parent too.
        Replace(temp.Path(), "[A]\n@=\"2\"\n");
        bool seen = ReadValue(u"A") == u"2";
        std::_Exit(seen ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the child saw its own change";
    EXPECT_EQ(ReadValue(u"A"), u"2");
}
