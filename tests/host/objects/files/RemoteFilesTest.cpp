// The components that deliver files to a remote user's machine (here a local folder): where a name lands,
// the transfer channel and the file copy, every dispatch name they answer to, and the operator's flag
// that chooses between them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "ScriptFixture.h"
#include "host/HostClasses.h"
#include "host/objects/files/ClientFolder.h"
#include "host/session/OperatorObject.h"
#include "hostapi/FilesDispatch.h"
#include "platform/com/ClassRegistry.h"

namespace tlx::host::test {
namespace {

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::string TakeDescription() { return Utf16ToUtf8(TakeErrorDescription()); }

// A client folder of its own for each test ($TLX_CLIENT_ROOT), and a scratch folder for local files.
class RemoteFiles : public ScriptTest {
protected:
    void SetUp() override {
        std::random_device random;
        base_ = std::filesystem::temp_directory_path() / ("tlx-remote-" + std::to_string(random()));
        root_ = base_ / "klient";
        std::filesystem::create_directories(base_ / "lokalne");
        ::setenv("TLX_CLIENT_ROOT", root_.c_str(), 1);
        ASSERT_EQ(RegisterHostClasses(), S_OK);
        ASSERT_EQ(CoCreateInstance(CLSID_CRemoteFileTransfer, nullptr, CLSCTX_ALL, IID_IRemoteFileTransfer,
                                   transfer_.OutVoid()),
                  S_OK);
        ASSERT_EQ(CoCreateInstance(CLSID_CRemoteFileCopy, nullptr, CLSCTX_ALL, IID_IRemoteFileCopy, copy_.OutVoid()),
                  S_OK);
    }
    void TearDown() override {
        ::unsetenv("TLX_CLIENT_ROOT");
        std::error_code ignored;
        std::filesystem::remove_all(base_, ignored);
    }
    std::filesystem::path Local(const std::string& name, const std::string& bytes) {
        std::filesystem::path path = base_ / "lokalne" / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    // Every file under the client folder, as "relative/path=bytes" lines.
    std::string ClientFiles() const {
        std::string listing;
        if (!std::filesystem::exists(root_)) return listing;
        std::vector<std::string> lines;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root_))
            if (entry.is_regular_file())
                lines.push_back(std::filesystem::relative(entry.path(), root_).string() + "=" + ReadFile(entry.path()));
        std::sort(lines.begin(), lines.end());
        for (const std::string& line : lines) listing += line + "\n";
        return listing;
    }
    HRESULT Send(std::u16string_view name, std::u16string_view kind, std::u16string_view content) {
        EXPECT_EQ(transfer_->SetFileName(Bstr(name).Get()), S_OK);
        EXPECT_EQ(transfer_->SetKind(Bstr(kind).Get()), S_OK);
        EXPECT_EQ(transfer_->SetContent(Bstr(content).Get()), S_OK);
        return transfer_->Transfer();
    }

    std::filesystem::path base_, root_;
    ComPtr<IRemoteFileTransfer> transfer_;
    ComPtr<IRemoteFileCopy> copy_;
};

TEST_F(RemoteFiles, ANameOnTheUsersMachineMapsIntoTheClientFolder) {
    const std::pair<const char16_t*, const char*> rows[] = {
        {u"C:\\Eksport\\a.xml", "C/Eksport/a.xml"},
        {u"Z:/TEMP001.KDU", "Z/TEMP001.KDU"},
        {u"\\\\serwer\\udział\\b.xml", "serwer/udział/b.xml"},
        {u"C:\\Eksport\\\\.\\c.xml", "C/Eksport/c.xml"},
        {u"d.xml", "d.xml"},
    };
    for (const auto& [name, relative] : rows)
        EXPECT_EQ(MapClientPath(name, IID_IRemoteFileTransfer), root_ / relative) << relative;
}

TEST_F(RemoteFiles, TheTransferWritesTheContentUnderTheMappedName) {
    ASSERT_EQ(transfer_->Reset(Bstr(u"").Get()), S_OK);
    ASSERT_EQ(Send(u"C:\\Eksport\\dra.xml", u"file", u"<KEDU>zażółć</KEDU>"), S_OK);
    ASSERT_EQ(Send(u"C:\\Eksport\\dra.xml", u"FILE", u"nowa treść"), S_OK) << TakeDescription();
    ASSERT_EQ(Send(u"C:\\Eksport\\infd_2024.xml", u"file", u""), S_OK);
    EXPECT_EQ(ClientFiles(), "C/Eksport/dra.xml=nowa treść\nC/Eksport/infd_2024.xml=\n")
        << "a file is replaced whole, and no temporary file is left";
}

TEST_F(RemoteFiles, KindAppAlsoLogsTheApplicationThatOpensTheFile) {
    ASSERT_EQ(transfer_->Reset(Bstr(u"C:\\Program Files\\Płatnik\\platnik.exe").Get()), S_OK);
    ASSERT_EQ(Send(u"C:\\Eksport\\dra.xml", u"app", u"<KEDU/>"), S_OK);
    ASSERT_EQ(transfer_->Reset(Bstr(u"").Get()), S_OK);
    ASSERT_EQ(Send(u"C:\\Eksport\\b.xml", u"file", u"b"), S_OK);
    EXPECT_EQ(ClientFiles(),
              "C/Eksport/b.xml=b\nC/Eksport/dra.xml=<KEDU/>\n"
              "aplikacje.log=C:\\Program Files\\Płatnik\\platnik.exe\tC:\\Eksport\\dra.xml\n\n");
}

TEST_F(RemoteFiles, AnIncompleteOrEscapingTransferWritesNothing) {
    EXPECT_EQ(transfer_->Transfer(), E_INVALIDARG);
    EXPECT_EQ(TakeDescription(), "Nie podano nazwy pliku do przesłania (SetFileName).");
    ASSERT_EQ(transfer_->SetFileName(Bstr(u"C:\\a.xml").Get()), S_OK);
    EXPECT_EQ(transfer_->Transfer(), E_INVALIDARG);
    EXPECT_EQ(TakeDescription(), "Nie podano sposobu przesłania pliku \"C:\\a.xml\" (SetKind).");
    EXPECT_EQ(transfer_->SetKind(Bstr(u"mail").Get()), E_INVALIDARG);
    TakeDescription();
    ASSERT_EQ(transfer_->SetKind(Bstr(u"file").Get()), S_OK);
    ASSERT_EQ(transfer_->Reset(Bstr(u"").Get()), S_OK);
    EXPECT_EQ(transfer_->Transfer(), E_INVALIDARG) << "Reset forgets the file name";
    TakeDescription();

    for (const char16_t* name : {u"C:\\Eksport\\..\\..\\etc\\passwd", u"..\\a.xml", u"C:/x/../a.xml"}) {
        EXPECT_EQ(Send(name, u"file", u"x"), E_ACCESSDENIED) << Utf16ToUtf8(name);
        EXPECT_NE(TakeDescription().find("wychodzi poza folder użytkownika"), std::string::npos);
    }
    for (const char16_t* name : {u"\\\\", u"C:"}) {
        EXPECT_EQ(Send(name, u"file", u"x"), E_INVALIDARG) << Utf16ToUtf8(name);
        TakeDescription();
    }
    EXPECT_EQ(ClientFiles(), "");
    EXPECT_FALSE(std::filesystem::exists(base_ / "etc"));
}

TEST_F(RemoteFiles, TheCopyPutsALocalFileOnTheUsersMachineAndLeavesTheSource) {
    std::filesystem::path source = Local("dra.xml", "<KEDU>ŁĄKA</KEDU>\r\n");
    ASSERT_EQ(copy_->Copy(Bstr(u"C:\\Eksport\\dra.xml").Get(), Bstr(Utf8ToUtf16(source.string())).Get()), S_OK);
    EXPECT_EQ(ClientFiles(), "C/Eksport/dra.xml=<KEDU>ŁĄKA</KEDU>\r\n\n");
    EXPECT_TRUE(std::filesystem::exists(source)) << "the caller deletes the source";
    std::filesystem::remove(source);
    EXPECT_FALSE(std::filesystem::exists(source)) << "and it was left closed";

    EXPECT_EQ(copy_->Copy(Bstr(u"C:\\Eksport\\b.xml").Get(), Bstr(Utf8ToUtf16(source.string())).Get()),
              HRESULT_FROM_WIN32(2));
    EXPECT_EQ(TakeDescription(), "Brak pliku \"" + source.string() + "\" do skopiowania na komputer użytkownika.");
    std::filesystem::path other = Local("b.xml", "b");
    EXPECT_EQ(copy_->Copy(Bstr(u"C:\\..\\b.xml").Get(), Bstr(Utf8ToUtf16(other.string())).Get()), E_ACCESSDENIED);
    TakeDescription();
    EXPECT_EQ(ClientFiles(), "C/Eksport/dra.xml=<KEDU>ŁĄKA</KEDU>\r\n\n");
}

TEST_F(RemoteFiles, ScriptsReachEveryMemberByEachOfItsNames) {
    ASSERT_EQ(Bind(u"kanal", transfer_.Get()), S_OK);
    ASSERT_EQ(Bind(u"kopia", copy_.Get()), S_OK);
    std::string local = Local("c.xml", "kopia").string();
    ASSERT_EQ(AddScript(u"kanal.AppPath = ''; kanal.FilePath = 'C:\\\\1.xml'; kanal.Open('file'); kanal.Send('1');"
                        u" kanal.Close();\n"
                        u"kanal.SetAppPath('p.exe'); kanal.SetFileName('C:\\\\2.xml'); kanal.SetMode('app');"
                        u" kanal.SetContent('2'); kanal.Run();\n"
                        u"kanal.Prepare(''); kanal.SetFileName('C:\\\\3.xml'); kanal.SetKind('file');"
                        u" kanal.PutText('3'); kanal.Transfer();\n"
                        u"kanal.Reset(''); kanal.SetFileName('C:\\\\4.xml'); kanal.SetKind('file'); kanal.Transfer();\n"
                        u"var zrodlo = '" + Utf8ToUtf16(local) + u"';\n"
                        u"kopia.Copy('D:\\\\a.xml', zrodlo); kopia.SendFile('D:\\\\b.xml', zrodlo);"
                        u" kopia.Deliver('D:\\\\c.xml', zrodlo);\n"),
              S_OK)
        << TakeError().first;
    EXPECT_EQ(ClientFiles(),
              "C/1.xml=1\nC/2.xml=2\nC/3.xml=3\nC/4.xml=\nD/a.xml=kopia\nD/b.xml=kopia\nD/c.xml=kopia\n"
              "aplikacje.log=p.exe\tC:\\2.xml\n\n");
}

TEST_F(RemoteFiles, TheOperatorsRemoteFlagAnswersUnderEachOfItsNames) {
    for (LONG remote : {0, 1}) {
        OperatorSettings settings;
        settings.remote = remote;
        auto op = COperatorObject::Make(settings, std::string());
        ComPtr<IOperatorObject> asInterface;
        ASSERT_EQ(op->QueryInterface(IidOf<IOperatorObject>(), asInterface.OutVoid()), S_OK);
        EXPECT_EQ(IidOf<IOperatorObject>(), MakeGuid(u"{31B87CF8-92E3-4912-9472-2AB270A56CC6}"));
        ASSERT_EQ(Bind(remote ? u"zdalny" : u"lokalny", asInterface.Get()), S_OK);
        std::u16string name = remote ? u"zdalny" : u"lokalny";
        EXPECT_EQ(EvalText(name + u".IsRemoteSession() + ' ' + " + name + u".ZdalnyEksport + ' ' + " + name +
                           u".OperatorRemoteFlag"),
                  remote ? "1 1 1" : "0 0 0");
    }
}

}  // namespace
}  // namespace tlx::host::test
