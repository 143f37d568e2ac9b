// What a host script's Session.Save stores, checked in the demo company's tables: rows of a collection
// the script only created (establishments) are stored or the save fails, never reported saved unwritten.
#include "TlxhostFixture.h"

#include <string>

namespace {

class SessionSaveScript : public TlxhostDemoTest {};

TEST_F(SessionSaveScript, EstablishmentsAddedByAScriptAreStored) {
    ASSERT_EQ(RunScript("var zaklady = Session.CreateObject('TLXDeklaracje.DeklZaklady');\n"
                        "var przed = zaklady.Count;\n"
                        "var z = zaklady.AddNew();\n"
                        "z.NazwaPelna = 'Zakład w Radomiu';\n"
                        "z.NIP = '7960000000';\n"
                        "Session.Save();\n"
                        "print('identyfikator nadany:', z.ID > 0);\n"
                        "var inna = Session.Login.CreateSession();\n"
                        "var odczytane = inna.CreateObject('TLXDeklaracje.DeklZaklady');\n"
                        "print('w bazie:', odczytane.Count - przed);\n"
                        "print('nazwa:', inna.CreateObject('TLXDeklaracje.DeklZaklady', String(z.ID)).NazwaPelna);\n"),
              0)
        << err_;
    EXPECT_EQ(out_,
              "identyfikator nadany: true\n"
              "w bazie: 1\n"
              "nazwa: Zakład w Radomiu\n");
}

}  // namespace
