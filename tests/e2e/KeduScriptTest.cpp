// A ZUS document as the form scripts build it through the host's KEDU component: blocks filled by name
// and position, persons appended, the text printed and saved, and under --remote handed to the
// components that deliver files to the user's machine (here the folder $TLX_CLIENT_ROOT).
#include "TlxhostFixture.h"

#include <cstdlib>
#include <string>

namespace {

class KeduScript : public TlxhostDemoTest {
protected:
    void SetUp() override {
        TlxhostDemoTest::SetUp();
        ::setenv("TLX_CLIENT_ROOT", Path("klient").c_str(), 1);
    }
    void TearDown() override {
        ::unsetenv("TLX_CLIENT_ROOT");
        TlxhostDemoTest::TearDown();
    }
    int RunKedu(const std::string& options) {
        std::ofstream(Path("rca.js"), std::ios::binary)
            << "var plik = '" << Path("rca.kdu") << "';\n"
            << "var kedu = new ActiveXObject('TlxKedu.KEDU');\n"
               "var dok = kedu.Dokumenty.Add('ZUSRCA');\n"
               "var bloki = dok.bloki;\n"
               "bloki('DIPL')(1, 0) = '5261234567';\n"
               "bloki('DIPL')(6, 0) = 'PRZEDSIĘBIORSTWO ŁĄKA';\n"
               "bloki.Add();\n"
               "bloki('DDORCA1')(1, 0) = 'NOWAK';\n"
               "bloki('DDORCA1')(2, 0) = 'ANNA';\n"
               "bloki('DDORCA1')(6, 0) = 5000;\n"
               "bloki('DDORCA1')(8, 0) = 685.5;\n"
               "bloki.Add();\n"
               "bloki('DDORCA2')(1, 0) = 'WÓJCIK';\n"
               "bloki('DDORCA2')(2, 0) = 'ŁUKASZ';\n"
               "bloki('DDORCA2')(7, 1) = 1;\n"
               "bloki('DDORCA2')(7, 2) = 2;\n"
               "bloki('OPLR')(1, 0) = new Date(2016, 2, 31);\n"
               "print(dok.ToString());\n"
               "kedu.Save(plik, dok.ToString(), 121, 1);\n"
               "var operator = Application.GetLogin().GetOperatorObject();\n"
               "print('zdalny eksport: ' + operator.ZdalnyEksport);\n"
               "if (operator.ZdalnyEksport) {\n"
               "    var kanal = new ActiveXObject('TLX.RemoteFileTransfer');\n"
               "    kanal.AppPath = ''; kanal.FilePath = 'C:\\\\KEDU\\\\rca.kdu'; kanal.Open('file');\n"
               "    kanal.Send(kedu.BeginText(2) + dok.ToString() + kedu.EndText()); kanal.Close();\n"
               "    new ActiveXObject('TLX.RemoteFileCopy').SendFile('C:\\\\KEDU\\\\kopia.kdu', plik);\n"
               "    print('przekazano na komputer użytkownika');\n"
               "}\n";
        return Run("run '" + Path("rca.js") + "' --db '" + Path("firma.db") + "'" + options);
    }
};

TEST_F(KeduScript, ADocumentIsBuiltPrintedSavedAndHandedToTheUsersMachine) {
    ASSERT_EQ(RunKedu(" --remote"), 0) << err_;
    EXPECT_EQ(out_, Golden("kedu-rca-remote.out"));
    EXPECT_EQ(Read(Path("rca.kdu")), Golden("kedu-rca.kdu"));
    EXPECT_EQ(Read(Path("klient/C/KEDU/kopia.kdu")), Golden("kedu-rca.kdu"));
    EXPECT_EQ(Read(Path("klient/C/KEDU/rca.kdu")), Golden("kedu-rca-transfer.kdu"));
}

TEST_F(KeduScript, TheRemoteFlagAlsoComesFromTheEnvironment) {
    ::setenv("TLX_REMOTE_SESSION", "1", 1);
    int remoteRun = RunKedu("");
    std::string remoteOut = out_;
    ::setenv("TLX_REMOTE_SESSION", "0", 1);
    int localRun = RunKedu("");
    ::unsetenv("TLX_REMOTE_SESSION");
    ASSERT_EQ(remoteRun, 0) << err_;
    EXPECT_EQ(remoteOut, Golden("kedu-rca-remote.out"));
    ASSERT_EQ(localRun, 0) << err_;
    EXPECT_EQ(out_, Golden("kedu-rca-local.out"));
}

TEST_F(KeduScript, WithoutRemoteNothingGoesToTheUsersMachine) {
    ASSERT_EQ(RunKedu(""), 0) << err_;
    EXPECT_EQ(out_, Golden("kedu-rca-local.out"));
    EXPECT_EQ(Read(Path("rca.kdu")), Golden("kedu-rca.kdu"));
    EXPECT_FALSE(std::filesystem::exists(Path("klient")));
}

}  // namespace
