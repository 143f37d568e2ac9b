// The PFRON WN-D of the demo company's March 2024 as a host script makes it, in both generations: a
// version 6 calculated by TLXDeklaracje.WND3 and a version 1 by TLXDeklaracje.WND, each through its
// form's Policz, read back in a new session with the employment figures and the INF-D-P attachments.
//
// The employer figures are the host's SOD3/SOD4 averages (SOD4 leaves out of the disabled those with a
// pension right). The first generation counts the four disabled employees of the INF-D of the same month
// (refund status 3, the minimum wage of 2023-12-31, 3 600.00); the current generation refuses, from March
// 2010 on, employees of a light or moderate degree whose month was paid only in components of tens digit
// 1, and the demo's basic wage has component code 10: only Tomasz Lewandowski (significant) remains.
// The refund base sums the cost amounts and limits of January to March: Lewandowski's limit is 3 × (3600
// × 0.9 × 0.7 + his contributions), Wójcik's under the first generation 3 × 3600 × 0.4 × 0.75 × 0.7
// without a light degree's own costs under refund status 3.
#include "TlxhostFixture.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/com/Bstr.h"
#include "platform/com/ClassRegistry.h"
#include "platform/com/ComPtr.h"
#include "platform/text/CodePage.h"
#include "platform/xml/XmlDom.h"

namespace {

std::vector<std::string> Files(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// A file parsed by the platform's XML layer and validated against a structural schema of the module
// tests: the errors, or the empty text.
std::u16string SchemaErrors(const std::string& bytes, const char* schema) {
    tlx::ComPtr<IXMLDOMDocument2> doc;
    if (FAILED(CoCreateInstance(CLSID_DOMDocument, nullptr, CLSCTX_INPROC_SERVER, IID_IXMLDOMDocument2, doc.OutVoid())))
        return u"no XML layer";
    VARIANT_BOOL ok = VARIANT_FALSE;
    if (FAILED(doc->loadXML(tlx::Bstr(tlx::Utf8ToUtf16(bytes)).Get(), &ok)) || !ok) return u"not parsed";
    const char* root = std::getenv("TLX_SOURCE_DIR");
    const std::string path = std::string(root ? root : ".") + "/tests/module/pfron/golden/" + schema;
    tlx::Bstr errors;
    if (FAILED(doc->validateWithSchema(tlx::Variant::FromString(tlx::Utf8ToUtf16(path)), errors.Out())))
        return u"not validated";
    return errors.Str();
}

// A script's body: a new WN-D of March 2024 in `wersja`, calculated by its form and saved, read back as `w`.
const std::string kCalculatedWnd =
    "    var d = Session.CreateObject('TLXDeklaracje.Deklaracje').AddNew();\n"
    "    d.TypDeklar = 310; d.Wersja = wersja; d.Rok = 2024; d.Miesiac = 3;\n"
    "    d.DATAWYPELNIENIA = new Date(2024, 3, 10);\n"
    "    d.RODZAJINFORMACJI = 'Z';\n"
    "    d.Policz();\n"
    "    Session.Save();\n"
    "    var w = Session.Login.CreateSession().CreateObject('TLXDeklaracje.Deklaracje', String(d.ID));\n";

class PfronWndScript : public TlxhostDemoTest {};

TEST_F(PfronWndScript, BothGenerationsOfMarch) {
    ASSERT_EQ(RunScript(
                  "function wnd(wersja) {\n" + kCalculatedWnd +
                  "    print('WN-D', wersja, w.OKRESSPRAWOZDAWCZY, 'NRPFRON', w.NRPFRON, 'INF-D-P:', w.LICZBAINFDP,\n"
                  "          'INF-D-Z:', w.LICZBAINFDZ, 'nowo zatrudnieni:', w.NOWOZATRUDNIENI);\n"
                  "    print('   w miesiącu', w.WOKRESIEOGOLEM, w.WOKRESIENIEPELNOSPRAWNI, 'poprzednio',\n"
                  "          w.POPRZEDZAJACYOKRESOGOLEM, w.POPRZEDZAJACYOKRESNIEPELNOSPRAWNI, 'bieżący',\n"
                  "          w.BIEZACYOKRESOGOLEM, w.BIEZACYOKRESNIEPELNOSPRAWNI, 'status',\n"
                  "          w.STATUSPRACODAWCYIP, w.STATUSPRACODAWCYZPC, w.STATUSPRACODAWCYZAZ);\n"
                  "    for (var e = new Enumerator(w.Deklaracje); !e.atEnd(); e.moveNext()) {\n"
                  "        var a = e.item();\n"
                  "        print(a.NRKOLEJNY, 'wersja', a.Wersja, a.NAZWISKO, a.IMIE1, a.PESEL, 'osiągane', a.WYNOSIAGANE,\n"
                  "              'koszty', a.KOSZTYPLACY, 'podstawa', a.PODWKOSZTY, 'pomniejszenia', a.POMNIEJSZENIA);\n"
                  "        print('   chron', [a.CHRONZNACZNY, a.CHRONUMIARKOWANY, a.CHRONLEKKI, a.CHRONSZNACZNY,\n"
                  "                            a.CHRONSUMIARKOWANY, a.CHRONSLEKKI].join(' '),\n"
                  "              'norm', [a.NORMZNACZNY, a.NORMUMIARKOWANY, a.NORMLEKKI, a.NORMSZNACZNY,\n"
                  "                       a.NORMSUMIARKOWANY, a.NORMSLEKKI].join(' '));\n"
                  "    }\n"
                  "}\n"
                  "wnd(6);\n"
                  "wnd(1);\n"),
              0)
        << err_;
    EXPECT_EQ(out_, Source("golden/pfron-wnd.out"));
}

// Both generations of March written through the forms' SAVETO into a folder each, and the current one
// sent through SENDTONET to the user's machine: one file per document, each one line of UTF-8 that the
// XML layer parses and that fits its document's structure.
TEST_F(PfronWndScript, TheFilesOfBothGenerationsThroughSaveToAndSendToNet) {
    setenv("TLX_CLIENT_ROOT", Path("klient").c_str(), 1);
    for (const char* folder : {"v6", "v1"}) std::filesystem::create_directories(Path(folder));
    ASSERT_EQ(RunScript("function wnd(wersja, folder) {\n" + kCalculatedWnd +
                        "    w.SAVETO = folder;\n"
                        "    if (wersja == 6) w.SENDTONET = 'C:\\\\PFRON';\n"
                        "    print('WN-D', wersja, w.Deklaracje.Count);\n"
                        "}\n"
                        "wnd(6, '" + Path("v6") + "');\n"
                        "wnd(1, '" + Path("v1") + "');\n"),
              0)
        << err_;
    unsetenv("TLX_CLIENT_ROOT");
    EXPECT_EQ(out_, "WN-D 6 1\nWN-D 1 4\n");
    const struct {
        std::filesystem::path folder;
        const char* main;
        const char* attachment;
        const char* schema;
        std::size_t count;
    } sets[] = {{Path("v6"), "wnd6_03-2024.xml", "infdp8_03-2024_", "wnd3.xsd", 2},
                {Path("klient") + "/C/PFRON", "wnd6_03-2024.xml", "infdp8_03-2024_", "wnd3.xsd", 2},
                {Path("v1"), "wnd2_03-2024.xml", "infdp_03-2024_", "gen2.xsd", 5}};
    for (const auto& set : sets) {
        SCOPED_TRACE(set.folder.string());
        const std::vector<std::string> names = Files(set.folder);
        ASSERT_EQ(names.size(), set.count);
        EXPECT_EQ(names.back(), set.main);
        for (const std::string& name : names) {
            if (name != set.main) {
                EXPECT_EQ(name.rfind(set.attachment, 0), 0u) << name;
            }
            const std::string bytes = Read((set.folder / name).string());
            EXPECT_EQ(bytes.find_first_of("\r\n"), bytes.size() - 2) << name << ": one line, then CR LF";
            EXPECT_EQ(SchemaErrors(bytes, set.schema), u"") << name;
        }
    }
    EXPECT_EQ(Read(Path("v6/wnd6_03-2024.xml")), Read(Path("klient/C/PFRON/wnd6_03-2024.xml")));
}

}  // namespace

namespace {

// The demo sends the files of both WN-D generations and of the WN-U to the user's machine and lists them.
TEST_F(PfronWndScript, TheDemoSendsAndListsTheFilesOfBothGenerationsAndTheWnu) {
    ASSERT_EQ(Run("demo"), 0) << err_;
    EXPECT_NE(out_.find("/C/Eksport/PFRON-WNU:\n  infup_03-2024_"), std::string::npos) << out_;
    EXPECT_NE(out_.find("\n  wnu_03-2024.xml ("), std::string::npos) << out_;
    const std::size_t listed = out_.find("/C/Eksport/PFRON-WND:\n");
    ASSERT_NE(listed, std::string::npos) << out_;
    for (const char* file : {"  wnd6_03-2024.xml (", "  infdp8_03-2024_60090876549.xml (", "  wnd2_03-2024.xml (",
                             "  infdp_03-2024_60090876549.xml ("})
        EXPECT_NE(out_.find(file, listed), std::string::npos) << file << "\n" << out_;
    EXPECT_EQ(out_.find("nie powiodło się"), std::string::npos) << out_;
}

}  // namespace

namespace {

// The WN-U of the demo company's March 2024 calculated by its form, written through SAVETO into a folder
// and sent through SENDTONET to the user's machine: the same files on both roads, each one line of UTF-8
// that fits the WN-U's and the INF-U-P's structure.
TEST_F(PfronWndScript, TheWnuOfMarchThroughSaveToAndSendToNet) {
    setenv("TLX_CLIENT_ROOT", Path("klient").c_str(), 1);
    std::filesystem::create_directories(Path("wnu"));
    ASSERT_EQ(RunScript("var d = Session.CreateObject('TLXDeklaracje.Deklaracje').AddNew();\n"
                        "d.TypDeklar = 320; d.Wersja = 1; d.Rok = 2024; d.Miesiac = 3;\n"
                        "d.DATAWYPELNIENIA = new Date(2024, 3, 10);\n"
                        "d.RODZAJINFORMACJI = 'Z';\n"
                        "d.MIESIACOD = 3; d.ROKOD = 2024; d.MIESIACDO = 3; d.ROKDO = 2024;\n"
                        "d.Policz();\n"
                        "Session.Save();\n"
                        "var w = Session.Login.CreateSession().CreateObject('TLXDeklaracje.Deklaracje', String(d.ID));\n"
                        "w.SAVETO = '" + Path("wnu") + "';\n"
                        "w.SENDTONET = 'C:\\\\WNU';\n"
                        "print('WN-U', w.OKRESSPRAWOZDAWCZY, w.Deklaracje.Count);\n"),
              0)
        << err_;
    unsetenv("TLX_CLIENT_ROOT");
    ASSERT_EQ(out_.rfind("WN-U 03-2024 ", 0), 0u) << out_;
    const std::size_t attachments = std::stoul(out_.substr(13));
    EXPECT_GT(attachments, 0u) << out_;
    const std::vector<std::string> names = Files(Path("wnu"));
    ASSERT_EQ(names.size(), attachments + 1);
    EXPECT_EQ(names.back(), "wnu_03-2024.xml");
    EXPECT_EQ(Files(Path("klient") + "/C/WNU"), names);
    for (const std::string& name : names) {
        if (name != names.back()) {
            EXPECT_EQ(name.rfind("infup_03-2024_", 0), 0u) << name;
        }
        const std::string bytes = Read(Path("wnu/" + name));
        EXPECT_EQ(bytes.find_first_of("\r\n"), bytes.size() - 2) << name << ": one line, then CR LF";
        EXPECT_EQ(SchemaErrors(bytes, "gen2.xsd"), u"") << name;
        EXPECT_EQ(Read(Path("klient/C/WNU/" + name)), bytes) << name;
    }
}

// Each PFRON declaration calculated by its form is stored by the calculation in a session of its own; the
// user's declaration reads that back, so that changing it and saving again in the same session stores the
// change instead of failing as changed by another user.
TEST_F(PfronWndScript, ADeclarationCalculatedInTheSessionIsChangedAndSavedAgain) {
    ASSERT_EQ(RunScript("var forms = [[300, 3], [310, 6], [310, 1], [320, 1]];\n"
                        "for (var i = 0; i < forms.length; ++i) {\n"
                        "    var d = Session.CreateObject('TLXDeklaracje.Deklaracje').AddNew();\n"
                        "    d.TypDeklar = forms[i][0]; d.Wersja = forms[i][1]; d.Rok = 2024; d.Miesiac = 3;\n"
                        "    d.DATAWYPELNIENIA = new Date(2024, 3, 10);\n"
                        "    d.RODZAJINFORMACJI = 'Z';\n"
                        "    if (forms[i][0] == 320) { d.MIESIACOD = 3; d.ROKOD = 2024; d.MIESIACDO = 3; d.ROKDO = 2024; }\n"
                        "    d.Policz();\n"
                        "    Session.Save();\n"
                        "    d.EMAIL = 'kadry' + i + '@firma.pl';\n"
                        "    Session.Save();\n"
                        "    var w = Session.Login.CreateSession().CreateObject('TLXDeklaracje.Deklaracje', String(d.ID));\n"
                        "    print(forms[i].join('/'), w.EMAIL, w.Deklaracje.Count == d.Deklaracje.Count);\n"
                        "}\n"),
              0)
        << err_;
    EXPECT_EQ(out_,
              "300/3 kadry0@firma.pl true\n310/6 kadry1@firma.pl true\n310/1 kadry2@firma.pl true\n"
              "320/1 kadry3@firma.pl true\n");
}

}  // namespace

namespace {

// The current WN-D service exports a version-1 WN-D too, named "wnd1_" in a folder here and "wnd2_" on the
// user's machine; the first generation's service refuses a WN-D of the current versions, whose figures
// its file cannot carry. A declaration of another form and an identifier of no declaration are refused
// before any file is written, on both roads. The employer's full name comes from the company's settings
// as the other employer fields do.
TEST_F(PfronWndScript, EachWndServiceExportsTheVersionsItsFileCarriesAndRefusesTheOthers) {
    setenv("TLX_CLIENT_ROOT", Path("klient").c_str(), 1);
    std::filesystem::create_directories(Path("out"));
    ASSERT_EQ(RunScript("function wnd(wersja) {\n" + kCalculatedWnd +
                        "    print('WN-D', wersja, w.PELNANAZWPRACODAWCY);\n"
                        "    return w.ID;\n"
                        "}\n"
                        "var v6 = wnd(6), v1 = wnd(1);\n"
                        "var i = Session.CreateObject('TLXDeklaracje.Deklaracje').AddNew();\n"
                        "i.TypDeklar = 300; i.Wersja = 3; i.Rok = 2024; i.Miesiac = 3;\n"
                        "i.DATAWYPELNIENIA = new Date(2024, 3, 10); i.RODZAJINFORMACJI = 'Z';\n"
                        "Session.Save();\n"
                        "function tryExport(progId, member, id) {\n"
                        "    try {\n"
                        "        Session.CreateObject(progId)[member](id, member == 'ExportToSOD' ? '" + Path("out") +
                        "' : 'C:\\\\PFRON');\n"
                        "        print(progId, member, 'wrote');\n"
                        "    } catch (e) {\n"
                        "        print(progId, member, (e.number >>> 0).toString(16), e.description);\n"
                        "    }\n"
                        "}\n"
                        "var members = ['ExportToSOD', 'ExportToSODVC'];\n"
                        "for (var m = 0; m < 2; ++m) {\n"
                        "    tryExport('TLXDeklaracje.WND3', members[m], v1);\n"
                        "    tryExport('TLXDeklaracje.WND', members[m], v6);\n"
                        "    tryExport('TLXDeklaracje.WND', members[m], i.ID);\n"
                        "    tryExport('TLXDeklaracje.WND3', members[m], 999999);\n"
                        "}\n"),
              0)
        << err_;
    unsetenv("TLX_CLIENT_ROOT");
    const std::string wnd = "nie eksportuje TLXDeklaracje.WND: eksportuje on deklaracje typu 310 w wersji 1.\n";
    std::string expected = "WN-D 6 Przykładowa Spółka z o.o.\nWN-D 1 Przykładowa Spółka z o.o.\n";
    for (const char* member : {"ExportToSOD", "ExportToSODVC"}) {
        const std::string m = member;
        expected += "TLXDeklaracje.WND3 " + m + " wrote\n";
        expected += "TLXDeklaracje.WND " + m + " 80070057 Deklaracji typu 310 w wersji 6 " + wnd;
        expected += "TLXDeklaracje.WND " + m + " 80070057 Deklaracji typu 300 w wersji 3 " + wnd;
        expected += "TLXDeklaracje.WND3 " + m + " 80004003 Wywołanie '" + m + "' nie powiodło się (0x80004003)\n";
    }
    EXPECT_EQ(out_, expected);
    // Only the version-1 WN-D's files, under the names of each road, with the same bytes.
    const std::vector<std::string> here = Files(Path("out")), there = Files(Path("klient") + "/C/PFRON");
    ASSERT_FALSE(here.empty());
    EXPECT_EQ(here.back(), "wnd1_03-2024.xml");
    ASSERT_FALSE(there.empty());
    EXPECT_EQ(there.back(), "wnd2_03-2024.xml");
    EXPECT_EQ(std::vector<std::string>(here.begin(), here.end() - 1),
              std::vector<std::string>(there.begin(), there.end() - 1));
    for (const std::string& name : here) {
        if (name != here.back()) {
            EXPECT_EQ(name.rfind("infdp5_03-2024_", 0), 0u) << name;
        }
    }
    EXPECT_EQ(Read(Path("out/wnd1_03-2024.xml")), Read(Path("klient/C/PFRON/wnd2_03-2024.xml")));
}

}  // namespace

namespace {

// A WN-D given no folder to write its files into is refused before anything is written: no folder
// named "null" appears.
TEST_F(PfronWndScript, ANullOrEmptyFolderIsRefused) {
    ASSERT_EQ(RunScript("var wersja = 6;\n" + kCalculatedWnd +
                        "var targets = [null, '', '   '];\n"
                        "for (var i = 0; i < targets.length; ++i) {\n"
                        "    try { w.SAVETO = targets[i]; print('SAVETO wrote'); } catch (e) { print(e.description); }\n"
                        "    try { w.SENDTONET = targets[i]; print('SENDTONET wrote'); } catch (e) { print(e.description); }\n"
                        "}\n"),
              0)
        << err_;
    std::string expected;
    for (int i = 0; i < 3; ++i)
        expected += "Pole SAVETO wymaga nazwy folderu.\nPole SENDTONET wymaga nazwy folderu.\n";
    EXPECT_EQ(out_, expected);
    EXPECT_FALSE(std::filesystem::exists("null"));
}

// A folder on the user's machine holding a line break or another control character is refused by
// SENDTONET, as by ExportToSODVC, before any folder is made there.
TEST_F(PfronWndScript, AFolderWithAControlCharacterIsNotMadeOnTheUsersMachine) {
    setenv("TLX_CLIENT_ROOT", Path("klient").c_str(), 1);
    ASSERT_EQ(RunScript("var wersja = 6;\n" + kCalculatedWnd +
                        "var targets = ['C:\\\\PF\\r\\nRON', 'C:\\\\PFRON\\t', 'C:\\\\PF\\u0085RON'];\n"
                        "for (var i = 0; i < targets.length; ++i) {\n"
                        "    try { w.SENDTONET = targets[i]; print('SENDTONET wrote'); } catch (e) { print(e.description); }\n"
                        "    try {\n"
                        "        Session.CreateObject('TLXDeklaracje.WND3').ExportToSODVC(w.ID, targets[i]);\n"
                        "        print('ExportToSODVC wrote');\n"
                        "    } catch (e) { print(e.description); }\n"
                        "}\n"),
              0)
        << err_;
    unsetenv("TLX_CLIENT_ROOT");
    std::string expected;
    for (int i = 0; i < 6; ++i) expected += "Folder na komputerze użytkownika zawiera znak sterujący.\n";
    EXPECT_EQ(out_, expected);
    EXPECT_FALSE(std::filesystem::exists(Path("klient"))) << "nothing made on the user's machine";
}

}  // namespace
