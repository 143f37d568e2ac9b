// The KEDU body of a stored DRA: its ZUSDRA and the documents of its first RCA, RSA and RZA reports,
// read from the database in both generations.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "KeduDeclarationFixture.h"
#include "KeduPageBuilder.h"
#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/kedu/KeduBody.h"
#include "tlb/Kedu.h"

namespace tlx::test {
namespace {

// The persons of the reports as the host's KEDU component stores them.
std::u16string RcaPerson(std::u16string_view surname, std::u16string_view name, std::u16string_view pesel) {
    return PageBlock(u"DDORCA", {surname, name, u"P", pesel, u"011000", u"", u"1 1", u"500000", u"", u"500000",
                                 u"48800", u"7500", u"", u"12250", u"41500", u"", u"", u"", u"", u"", u"", u"",
                                 u"38831", u"", u"", u"", u"", u"", u"500000", u"", u"", u"", u"", u"", u"", u"",
                                 u"", u"", u"", u""});
}

class KeduDraSetTest : public KeduDeclarationTest {
protected:
    // A DRA of March 2016, number 3, saved; answers its identifier.
    LONG NewDra(LONG version, bool withPerson = false) {
        auto declarations = Declarations();
        ComPtr<IDispatch> item;
        EXPECT_EQ(declarations->AddNew(Variant::Missing(), item.Out()), S_OK) << Utf16ToUtf8(LastError());
        auto dra = item.As<IDeklaracja2>();
        EXPECT_EQ(dra->put_TypDeklar(dekZUS_DRA), S_OK);
        EXPECT_EQ(dra->put_Wersja(version), S_OK);
        EXPECT_EQ(dra->put_Numer(3), S_OK);
        EXPECT_EQ(dra->put_Rok(2016), S_OK);
        EXPECT_EQ(dra->put_Miesiac(3), S_OK);
        if (withPerson) {
            ComPtr<IDispatch> employee;
            EXPECT_EQ(session_.As<ISession2>()->CreateObject(Bstr(u"TLX.Pracownicy").Get(), Variant::FromString(u"1"),
                                                             employee.Out()),
                      S_OK);
            EXPECT_EQ(dra->put_Pracownik(employee.Get()), S_OK) << Utf16ToUtf8(LastError());
        }
        Put(dra.Get(), u"DADRAIDENT", Variant::FromLong(3032016));
        Put(dra.Get(), u"DADRATERMIN", Variant::FromLong(3));
        Put(dra.Get(), u"OSWIADCZENIE", Variant::FromDate(42450));  // 2016-03-21
        Put(dra.Get(), u"DIPLNIP", Variant::FromString(u"526-123-45-67"));
        Put(dra.Get(), u"DIPLREGON", Variant::FromString(u"012345678"));
        Put(dra.Get(), u"DIPLNAZWA", Variant::FromString(u"Łąka & Syn"));
        Put(dra.Get(), u"INN7UBEZP", Variant::FromLong(5));
        Put(dra.Get(), u"INN7PROCWYPAD", Variant::FromDouble(1.8));
        Put(dra.Get(), u"ZSDRAISE", Variant::FromDouble(1234.56));
        Put(dra.Get(), u"ZSDRAIKWOTA", Variant::FromDouble(2000.5));
        Put(dra.Get(), u"ZSDRAPWYNAGR", Variant::FromDouble(100.10));
        Put(dra.Get(), u"ZSDRAKKWOTA", Variant::FromDouble(20.05));
        Put(dra.Get(), u"ZSDRAKWOTA", Variant::FromDouble(388.31));
        Put(dra.Get(), u"RIVDRAZAPLATA", Variant::FromDouble(2388.81));
        EXPECT_EQ(SaveCollection(declarations.Get()), S_OK) << Utf16ToUtf8(LastError());
        LONG id = 0;
        EXPECT_EQ(dra->get_ID(&id), S_OK);
        return id;
    }
    // A report of the DRA, of March 2016, without pages.
    LONG Report(LONG dra, long type) {
        Execute(u"insert into TLX.DeklNag (DkN_TypDeklar, DkN_Wersja, DkN_RokMiesiac, DkN_ParentID) values (" +
                Number(type) + u", 1, 201603, " + Number(dra) + u")");
        return std::stol(Utf16ToUtf8(Scalar(u"select max(DkN_DkNID) from TLX.DeklNag")));
    }
    void Reports(LONG dra) {
        Page(Report(dra, dekZUS_RCA), 1,
             FormPage(u"ZUSRCA", {RcaPerson(u"NOWAK", u"JAN", u"80010112345"),
                                  RcaPerson(u"ŻÓŁKIEWSKA & SYN", u"ŁUCJA", u"85021554321"),
                                  RcaPerson(u"KOWALSKI", u"PIOTR", u"90030367890")}));
        Page(Report(dra, dekZUS_RSA), 1,
             FormPage(u"ZUSRSA", {PageBlock(u"DDORSA", {u"NOWAK", u"JAN", u"P", u"80010112345", u"011000", u"331",
                                                         u"2016-03-01", u"2016-03-08", u"8", u"Wynagrodzenie",
                                                         u"101248"})}));
        Page(Report(dra, dekZUS_RZA), 1,
             FormPage(u"ZUSRZA", {PageBlock(u"DDORZA", {u"WIŚNIEWSKA", u"ANNA", u"P", u"75121298765", u"221100",
                                                         u"300000", u"27000", u"", u"", u""})}));
    }
    std::u16string Body(LONG id) { return WriteKeduBody(session_.Get(), id).Str(); }
};

TEST_F(KeduDraSetTest, ADraWithItsThreeReportsInBothGenerations) {
    for (auto [version, golden] : {std::pair{4L, "dra-kedu43.xml"}, std::pair{3L, "dra-kedu3.xml"}}) {
        const LONG dra = NewDra(version);
        Reports(dra);
        EXPECT_EQ(Utf16ToUtf8(Body(dra)), Utf16ToUtf8(KeduGolden(golden))) << golden;
    }
}

TEST_F(KeduDraSetTest, OnlyTheReportsThereAreEachTheFirstOfItsType) {
    const LONG dra = NewDra(4);
    const LONG older = Report(dra, dekZUS_RCA);
    Page(older, 1, FormPage(u"ZUSRCA", {RcaPerson(u"STARSZY", u"A", u"1")}));
    Page(Report(dra, dekZUS_RCA), 1, FormPage(u"ZUSRCA", {RcaPerson(u"MŁODSZY", u"B", u"2")}));
    const LONG rza = Report(dra, dekZUS_RZA);
    // A person block split across pages that are stored out of order.
    const std::u16string text = FormPage(u"ZUSRZA", {PageBlock(u"DDORZA", {u"NOWAK", u"JAN"})});
    Page(rza, 2, text.substr(20));
    Page(rza, 1, text.substr(0, 20));
    const std::string body = Utf16ToUtf8(Body(dra));
    const std::size_t rca = body.find("<ZUSRCA id_dokumentu=\"2\">");
    const std::size_t rzaAt = body.find("<ZUSRZA id_dokumentu=\"4\">");
    EXPECT_EQ(body.find("<ZUSDRA id_dokumentu=\"1\">"), 0u) << body;
    ASSERT_NE(rca, std::string::npos) << body;
    ASSERT_NE(rzaAt, std::string::npos) << body;
    EXPECT_LT(rca, rzaAt);
    EXPECT_EQ(body.find("ZUSRSA"), std::string::npos);
    EXPECT_NE(body.find("<A><p1>STARSZY</p1>"), std::string::npos);
    EXPECT_EQ(body.find("MŁODSZY"), std::string::npos);
    EXPECT_NE(body.find("<III id_bloku=\"1\"><A><p1>NOWAK</p1><p2>JAN</p2>"), std::string::npos) << body;
    EXPECT_NE(body.find("</II><III id_bloku=\"1\"><A><p1>STARSZY"), std::string::npos) << "after block II";
    EXPECT_NE(body.find("</III><VIII><p1>2016-03-21</p1></VIII></ZUSRZA>"), std::string::npos) << body;
}

// A report that no document of the set carries (a hand-filled RGA, an RNA) is never left out in
// silence: the set is refused naming it, and the DRA takes the host component's road, whose file
// carries every report, when saved through its form or sent to the user's machine.
TEST_F(KeduDraSetTest, AReportTheSetCannotCarryIsRefusedByNameAndTakesTheComponentsRoad) {
    namespace fs = std::filesystem;
    constexpr HRESULT kNoKeduElement = static_cast<HRESULT>(0x8004020C);  // 524
    setenv("TLX_CLIENT_ROOT", (folder_ / "klient").c_str(), 1);
    ComPtr<IKeduDocuments> documents;
    ASSERT_EQ(CreateKeduDocuments(session_.Get(), documents.Out()), S_OK);
    for (LONG version : {4L, 3L}) {
        const LONG dra = NewDra(version);
        Reports(dra);
        const LONG rga = Report(dra, dekZUS_RGA);
        Page(rga, 1, FormPage(u"ZUSRGA", {PageBlock(u"DDORGA", {u"KOWALSKI", u"JAN", u"P", u"80010112340", u"011000"})}));
        try {
            Body(dra);
            ADD_FAILURE() << "a set without its RGA";
        } catch (const ComError& e) {
            EXPECT_EQ(e.Code(), kNoKeduElement);
            EXPECT_NE(e.Description().find(u"Raport ZUSRGA (identyfikator " + Number(rga) + u")"), std::u16string::npos)
                << Utf16ToUtf8(e.Description());
        }
        FormatEksportuZUSEnum route = expXML;
        ASSERT_EQ(documents->FormatEksportu(dra, &route), S_OK);
        EXPECT_EQ(route, expKEDU) << version;
        const fs::path xml = folder_ / "dra.xml";
        EXPECT_EQ(documents->ExportToXML(dra, Bstr(Utf8ToUtf16(xml.string())).Get()), kNoKeduElement);
        EXPECT_FALSE(fs::exists(xml));
        Bstr body;
        EXPECT_EQ(documents->ToXML(dra, body.Out()), kNoKeduElement);

        // Through the form, the component's file holds the DRA's reports, the RGA with them.
        ComPtr<IDispatch> form;
        ASSERT_EQ(Declarations()->Item(Variant::FromString(Number(dra)), form.Out()), S_OK);
        const fs::path kdu = folder_ / ("dra" + std::to_string(version) + ".kdu");
        Put(form.Get(), u"SAVETO", Variant::FromString(Utf8ToUtf16(kdu.string())));
        Put(form.Get(), u"SENDTONET", Variant::FromString(u"C:\\Kadry\\dra" + Number(version) + u".kdu"));
        for (const fs::path& file : {kdu, folder_ / "klient" / "C" / "Kadry" / kdu.filename()}) {
            std::ifstream in(file, std::ios::binary);
            const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            EXPECT_TRUE(text.starts_with("<TLXKEDU wersja=\"2\"")) << file << ": " << text.substr(0, 100);
            EXPECT_NE(text.find("<DDORGA>\r\nKOWALSKI\r\nJAN\r\n"), std::string::npos) << file;
            EXPECT_NE(text.find("<ZUSRCA>"), std::string::npos) << file;
        }
    }
    // An RNA is named the same way.
    const LONG dra = NewDra(4);
    const LONG rna = Report(dra, dekZUS_RNA);
    try {
        Body(dra);
        ADD_FAILURE() << "a set without its RNA";
    } catch (const ComError& e) {
        EXPECT_NE(e.Description().find(u"Raport ZUSRNA (identyfikator " + Number(rna) + u")"), std::u16string::npos);
    }
    unsetenv("TLX_CLIENT_ROOT");
}

// The demo company has the employees a DRA of one person names.
class KeduDraSetDemoTest : public KeduDraSetTest {
protected:
    bool WithDemoCompany() const override { return true; }
};

TEST_F(KeduDraSetDemoTest, APersonsBlockXOnlyWithoutReports) {
    const LONG alone = NewDra(4, true);
    EXPECT_NE(Body(alone).find(u"<X><p1>"), std::u16string::npos) << "a person without reports";
    const LONG withRza = NewDra(4, true);
    Report(withRza, dekZUS_RZA);
    const std::u16string body = Body(withRza);
    EXPECT_EQ(body.find(u"<X>"), std::u16string::npos) << "a person with a report";
    // A report without pages is its frame alone.
    EXPECT_NE(body.find(u"<ZUSRZA id_dokumentu=\"4\"><I><p1><p1>03</p1><p2>2016-03</p2></p1></I><II>"),
              std::u16string::npos) << Utf16ToUtf8(body);
    EXPECT_NE(body.find(u"</p6></II><VIII><p1>2016-03-21</p1></VIII></ZUSRZA>"), std::u16string::npos);
    EXPECT_EQ(Body(NewDra(4)).find(u"<X>"), std::u16string::npos) << "no person";
}

TEST_F(KeduDraSetTest, AnEarlyFormHasNotTheFieldsOfTheDocument) {
    const LONG dra = NewDra(1);
    try {
        Body(dra);
        ADD_FAILURE() << "a DRA of version 1 written";
    } catch (const ComError& e) {
        EXPECT_EQ(e.Code(), static_cast<HRESULT>(0x80020003));
        const std::u16string message = e.Description();
        bool named = false;
        for (std::u16string_view field : {u"SKLADKAZDROWOTNAFIRMA", u"LICZBAPRACFEP", u"LICZBAPRACSZCZEG", u"KWOTAFEP"})
            named = named || message == u"Brak definicji pola o nazwie '" + std::u16string(field) + u"'";
        EXPECT_TRUE(named) << Utf16ToUtf8(message);
    }
}

}  // namespace
}  // namespace tlx::test
