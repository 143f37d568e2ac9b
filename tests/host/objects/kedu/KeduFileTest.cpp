// The KEDU component's file: header and footer lines, Save replacing a file whole or leaving it as it
// was, and the component driven by a script the way the ZUS form scripts drive it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "ScriptFixture.h"
#include "KeduTestSupport.h"

namespace tlx::host::test {
namespace {

class KeduFile : public ::testing::Test {
protected:
    void SetUp() override {
        std::random_device random;
        folder_ = std::filesystem::temp_directory_path() / ("tlx-kedu-" + std::to_string(random()));
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    std::string Path(const std::string& name) const { return (folder_ / name).string(); }
    std::size_t FilesInFolder() const {
        return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder_), {}));
    }

    std::filesystem::path folder_;
    ComPtr<IKeduPlik> kedu = NewKedu();
};

std::string Text(const Bstr& text) { return Utf16ToUtf8(text.View()); }

TEST_F(KeduFile, BeginAndEndTextAreTheFilesHeaderAndFooterLines) {
    Bstr text;
    ASSERT_EQ(kedu->BeginText(2, text.Out()), S_OK);
    EXPECT_EQ(Text(text), "<TLXKEDU wersja=\"2\">\r\n");
    ASSERT_EQ(kedu->EndText(text.Out()), S_OK);
    EXPECT_EQ(Text(text), "</TLXKEDU>\r\n");
}

TEST_F(KeduFile, SaveWritesTheDocumentsBetweenHeaderAndFooterReplacingTheFile) {
    std::ofstream(Path("rca.kdu"), std::ios::binary) << "an older and much longer file of another program";
    std::string dra = "<ZUSDRA>\r\n<DIPL>\r\nŁÓDŹ SP. Z O.O.\r\n</DIPL>\r\n</ZUSDRA>\r\n";
    std::string rca = Golden("kedu", "rca-three-persons.txt");
    ASSERT_EQ(kedu->Save(Bstr(Utf8ToUtf16(Path("rca.kdu"))).Get(), Bstr(Utf8ToUtf16(dra + rca)).Get(), 120, 3), S_OK);
    EXPECT_EQ(ReadBytes(Path("rca.kdu")),
              "<TLXKEDU wersja=\"2\" typ=\"120\" wersjaDeklaracji=\"3\">\r\n" + dra + rca + "</TLXKEDU>\r\n");
    EXPECT_EQ(FilesInFolder(), 1u) << "no temporary file is left";

    ASSERT_EQ(kedu->Save(Bstr(Utf8ToUtf16(Path("pusty.kdu"))).Get(), Bstr(u"").Get(), 0, 1), S_OK);
    EXPECT_EQ(ReadBytes(Path("pusty.kdu")), "<TLXKEDU wersja=\"2\" typ=\"0\" wersjaDeklaracji=\"1\">\r\n</TLXKEDU>\r\n")
        << "a package without declarations";
}

TEST_F(KeduFile, AFailingSaveLeavesTheOldFileAsItWas) {
    const std::string old = "the file as it was";
    std::ofstream(Path("stary.kdu"), std::ios::binary) << old;
    Bstr file(Utf8ToUtf16(Path("stary.kdu")));

    EXPECT_EQ(kedu->Save(file.Get(), Bstr(u"<ZUSDRA>\r\n<DIPL>\r\n1\r\n").Get(), 120, 1), E_INVALIDARG);
    RaisedError raised = TakeRaised();
    EXPECT_EQ(raised.guid, IID_IKeduPlik);
    EXPECT_NE(raised.description.find("wiersz 4"), std::string::npos) << raised.description;
    EXPECT_EQ(ReadBytes(Path("stary.kdu")), old);

    std::filesystem::create_directory(Path("katalog.kdu"));
    std::ofstream(Path("katalog.kdu/x"), std::ios::binary) << "x";
    EXPECT_TRUE(FAILED(kedu->Save(Bstr(Utf8ToUtf16(Path("katalog.kdu"))).Get(), Bstr(u"").Get(), 0, 1)));
    EXPECT_NE(TakeRaised().description.find("Nie można zapisać pliku " + Path("katalog.kdu")), std::string::npos);
    EXPECT_EQ(kedu->Save(Bstr(Utf8ToUtf16(Path("brak/plik.kdu"))).Get(), Bstr(u"").Get(), 0, 1), HRESULT_FROM_WIN32(3));
    TakeRaised();
    EXPECT_EQ(kedu->Save(Bstr(u"").Get(), Bstr(u"").Get(), 0, 1), E_INVALIDARG);
    TakeRaised();
    EXPECT_EQ(FilesInFolder(), 2u) << "only the old file and the folder: nothing half-written is left";
}

class KeduFromScript : public ScriptTest {
protected:
    ComPtr<IKeduPlik> kedu_ = NewKedu();
};

TEST_F(KeduFromScript, AScriptFillsBlocksByNameAndPositionAndReadsThemBack) {
    ASSERT_EQ(Bind(u"kedu", kedu_.Get()), S_OK);
    ASSERT_EQ(AddScript(u"var dok = kedu.Dokumenty.Add('ZUSRCA');\n"
                        u"var bloki = dok.Bloki;\n"
                        u"bloki('DIPL')(1, 0) = '5261234567';\n"
                        u"bloki.Add()(1, 0) = 'NOWAK';\n"
                        u"var osoba = bloki.Add(); osoba(1, 0) = 'KOWALSKA'; osoba(7, 1) = 1; osoba(7, 2) = 2;\n"),
              S_OK)
        << TakeError().first;
    EXPECT_EQ(EvalText(u"bloki('DDORCA2')(7, 2) + ' ' + bloki.Item('dipl').Item(1, 0) + ' ' + bloki.Count"),
              "2 5261234567 3");
    EXPECT_EQ(EvalText(u"dok.bloki('DDORCA')(1, 0) + ' ' + bloki('DDORCA2').Nazwa + ' ' + dok.Formularz"),
              "NOWAK DDORCA2 ZUSRCA");
    EXPECT_EQ(EvalText(u"dok.ToString()"),
              "<ZUSRCA>\r\n<DIPL>\r\n5261234567\r\n</DIPL>\r\n<DDORCA>\r\nNOWAK\r\n</DDORCA>\r\n"
              "<DDORCA>\r\nKOWALSKA\r\n\r\n\r\n\r\n\r\n\r\n1 2\r\n</DDORCA>\r\n</ZUSRCA>\r\n");
    EXPECT_EQ(EvalText(u"kedu.Dokumenty(1).Formularz + kedu.Dokumenty.Count + kedu.BeginText(2).length"), "ZUSRCA122");

    Variant result;
    EXPECT_EQ(Run(u"bloki('DIPL')(2, 0) = 'a\\r\\nb'", result), E_INVALIDARG);
    EXPECT_EQ(TakeError().first, "Tekst w bloku DIPL na pozycji 2 zawiera znak końca wiersza albo znacznik (\"<\" z literą lub \"/\").");
}

}  // namespace
}  // namespace tlx::host::test
