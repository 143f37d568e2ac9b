// Every member of the module that takes an object, called by a script with null and with undefined (which
// the bridge hands over as a null object): an error or the member's documented meaning of "none", never
// a crash of the host.
#include "TlxhostFixture.h"

#include <string>

namespace {

class NullObjectScript : public TlxhostDemoTest {};

// Calls each member with `v` and prints its outcome: "ok" or the error's number in hex.
constexpr const char* kCalls =
    "function proba(opis, f) {\n"
    "    try { f(); print(opis + ': ok'); }\n"
    "    catch (e) { print(opis + ': ' + (e.number >>> 0).toString(16)); }\n"
    "}\n"
    "function wywolaj(v) {\n"
    "    var e = new ActiveXObject('TLX.EDeklaracja');\n"
    "    e.Login = Session.Login;\n"
    "    proba('ZapiszXml', function () { e.ZapiszXml(v, '', 'nic.xml'); });\n"
    "    proba('WyslijDeklaracje', function () { e.WyslijDeklaracje(v, ''); });\n"
    "    proba('WyslijDeklaracje_Unsigned', function () {\n"
    "        e.WyslijDeklaracje_Unsigned(v, '', '5260250274', 'Jan', 'Kowalski', '', new Date(1980, 1, 1), 0);\n"
    "    });\n"
    "    proba('PobierzUPO', function () { e.PobierzUPO(v); });\n"
    "    proba('EDeklaracja.AdviseProgress', function () { e.AdviseProgress(v); });\n"
    "    proba('EDeklaracja.Login', function () { e.Login = v; });\n"
    "    var d = Session.CreateObject('TLXDeklaracje.Deklaracje').AddNew();\n"
    "    d.TypDeklar = 1; d.Wersja = 17; d.Rok = 2024; d.Miesiac = 3;\n"
    "    proba('Kedu', function () { d.Kedu = v; });\n"
    "    proba('Deklaracja', function () { d.Deklaracja = v; });\n"
    "    proba('Podatnik', function () { d.Podatnik = v; });\n"
    "    proba('Pracownik', function () { d.Pracownik = v; });\n"
    "    proba('Deklaracja.AdviseProgress', function () { d.AdviseProgress(v); });\n"
    "    proba('DekretLink', function () { d.DekretLink = v; });\n"
    "    proba('InitializeClone', function () { d.InitializeClone(v); });\n"
    "    proba('FormaPlatnosci', function () { d.FormaPlatnosci = v; });\n"
    "    proba('State', function () { d.State = v; });\n"
    "    proba('IWA.Przelicz', function () { Session.CreateObject('TLXDeklaracje.IWA').Przelicz(v); });\n"
    "    proba('IWA.RegisterPrac', function () {\n"
    "        Session.CreateObject('TLXDeklaracje.IWA').RegisterPrac(v, new Date(2024, 1, 1), 1);\n"
    "    });\n"
    "    proba('ZSWA.Przelicz', function () { Session.CreateObject('TLXDeklaracje.ZSWA').Przelicz(v); });\n"
    "    var rekordy = ['DekStrona', 'DekElement', 'DekWydruk', 'VatZd', 'Vat27'];\n"
    "    for (var i = 0; i < rekordy.length; ++i) {\n"
    "        var r = Session.CreateObject('TLXDeklaracje.' + rekordy[i]);\n"
    "        proba(rekordy[i] + '.InitializeParent', function () { r.InitializeParent(v); });\n"
    "        proba(rekordy[i] + '.State', function () { r.State = v; });\n"
    "    }\n"
    "}\n";

TEST_F(NullObjectScript, NullIsATypeMismatchOfTheBridge) {
    ASSERT_EQ(RunScript(std::string(kCalls) + "wywolaj(null);\nprint('koniec');\n"), 0) << err_;
    // A null is no object: the bridge refuses it before any member runs.
    std::string expected;
    for (const char* member :
         {"ZapiszXml", "WyslijDeklaracje", "WyslijDeklaracje_Unsigned", "PobierzUPO", "EDeklaracja.AdviseProgress",
          "EDeklaracja.Login", "Kedu", "Deklaracja", "Podatnik", "Pracownik", "Deklaracja.AdviseProgress",
          "DekretLink", "InitializeClone", "FormaPlatnosci", "State", "IWA.Przelicz", "IWA.RegisterPrac",
          "ZSWA.Przelicz", "DekStrona.InitializeParent", "DekStrona.State", "DekElement.InitializeParent",
          "DekElement.State", "DekWydruk.InitializeParent", "DekWydruk.State", "VatZd.InitializeParent",
          "VatZd.State", "Vat27.InitializeParent", "Vat27.State"})
        expected += std::string(member) + ": 80020005\n";
    EXPECT_EQ(out_, expected + "koniec\n");
}

TEST_F(NullObjectScript, UndefinedIsRefusedOrMeansNone) {
    ASSERT_EQ(RunScript(std::string(kCalls) +
                        "wywolaj(undefined);\n"
                        "var e = new ActiveXObject('TLX.EDeklaracja');\n"
                        "try { e.WyslijDeklaracje(undefined, ''); } catch (err) { print(err.description); }\n"
                        "print('koniec');\n"),
              0)
        << err_;
    // 80004003 is E_POINTER; "ok" where a missing object has a meaning (no login, no link, no parent
    // yet, a member that ignores it).
    EXPECT_EQ(out_,
              "ZapiszXml: 80004003\n"
              "WyslijDeklaracje: 80004003\n"
              "WyslijDeklaracje_Unsigned: 80004003\n"
              "PobierzUPO: 80004003\n"
              "EDeklaracja.AdviseProgress: 80004003\n"
              "EDeklaracja.Login: ok\n"
              "Kedu: ok\n"
              "Deklaracja: ok\n"
              "Podatnik: 80004001\n"
              "Pracownik: ok\n"
              "Deklaracja.AdviseProgress: 80004003\n"
              "DekretLink: ok\n"
              "InitializeClone: 80004003\n"
              "FormaPlatnosci: ok\n"
              "State: 80004003\n"
              "IWA.Przelicz: 80004003\n"
              "IWA.RegisterPrac: ok\n"
              "ZSWA.Przelicz: 80004003\n"
              "DekStrona.InitializeParent: ok\n"
              "DekStrona.State: 80004003\n"
              "DekElement.InitializeParent: ok\n"
              "DekElement.State: 80004003\n"
              "DekWydruk.InitializeParent: ok\n"
              "DekWydruk.State: 80004003\n"
              "VatZd.InitializeParent: ok\n"
              "VatZd.State: 80004003\n"
              "Vat27.InitializeParent: ok\n"
              "Vat27.State: 80004003\n"
              "Nie przekazano obiektu: deklaracja.\n"
              "koniec\n");
}

}  // namespace
