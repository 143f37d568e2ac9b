// The KEDU text of stored declarations: page rows joined in page order, the writer chosen by the form,
// the whole document, and the IWA and ZSWA of the demo company's payroll year.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "KeduDeclarationFixture.h"
#include "KeduPageBuilder.h"
#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/kedu/KeduBody.h"
#include "mv_deklaracje/kedu/KeduHeader.h"
#include "tests/support/CompanyDatabase.h"

namespace tlx::test {
namespace {

class KeduBodyTest : public KeduDeclarationTest {
protected:
    HRESULT BodyFailure(LONG id) {
        try {
            WriteKeduBody(session_.Get(), id);
        } catch (const ComError& e) {
            return e.Code();
        }
        return S_OK;
    }
};

TEST_F(KeduBodyTest, PageRowsAreJoinedInPageOrderBeforeBlocksAreSought) {
    // The payer's block spans the second and third pages; the rows are stored third, first, second.
    const LONG id = Insert(dekZUS_ZIUA);
    const std::u16string text = PageBlock(u"DIPL", {u"5261234567", u"012345678"}) + PageBlock(u"DIOP", {u"80010112345"});
    const std::size_t cut1 = 3;
    const std::size_t cut2 = text.find(u"1234567");
    Page(id, 3, text.substr(cut2));
    Page(id, 1, text.substr(0, cut1));
    Page(id, 2, text.substr(cut1, cut2 - cut1));
    const std::u16string body = WriteKeduBody(session_.Get(), id).Str();
    EXPECT_NE(body.find(u"<II><p1>5261234567</p1><p2>012345678</p2></II><III><p1>80010112345</p1></III>"),
              std::u16string::npos) << Utf16ToUtf8(body);
}

TEST_F(KeduBodyTest, ABlockAtTheStartOfThePageTextIsRead) {
    const LONG id = Insert(dekZUS_ZIUA);
    Page(id, 1, PageBlock(u"DOZIUA", {u"K"}));
    EXPECT_NE(WriteKeduBody(session_.Get(), id).Str().find(u"<I><p1>K</p1></I>"), std::u16string::npos);
}

TEST_F(KeduBodyTest, TheFormChoosesTheWriter) {
    for (auto [type, root] : {std::pair{dekZUS_ZUA, u"<ZUSZUA  id_dokumentu=\"5\">"},
                              std::pair{dekZUS_ZZA, u"<ZUSZZA  id_dokumentu=\"6\">"},
                              std::pair{dekZUS_ZIUA, u"<ZUSZIUA  id_dokumentu=\"7\">"},
                              std::pair{dekZUS_ZCNA, u"<ZUSZCNA  id_dokumentu=\"8\">"},
                              std::pair{dekZUS_ZSWA, u"<ZUSZSWA  id_dokumentu=\"9\">"},
                              std::pair{dekZUS_ZWUA, u"<ZUSZWUA  id_dokumentu=\"10\">"}}) {
        // The registration forms carry their document number under either generation's root.
        for (long version : {1L, 3L})
            EXPECT_TRUE(WriteKeduBody(session_.Get(), Insert(type, version)).View().starts_with(root)) << type;
    }
    for (long type : {long(dekZUS_ZCZA), long(dekZUS_RCA), long(dekZUS_RSA), 1L, 300L})
        EXPECT_EQ(WriteKeduBody(session_.Get(), Insert(type)).Str(), u"") << type;
    // The DRA's set, in the generation of its form version.
    EXPECT_TRUE(WriteKeduBody(session_.Get(), Insert(dekZUS_DRA, 4)).View().starts_with(u"<ZUSDRA id_dokumentu=\"1\"><I>"));
    EXPECT_TRUE(WriteKeduBody(session_.Get(), Insert(dekZUS_DRA, 3)).View().starts_with(u"<ZUSDRA><I>"));
}

TEST_F(KeduBodyTest, BadDeclarationsFail) {
    EXPECT_TRUE(FAILED(BodyFailure(987654)));
    const LONG id = Insert(dekZUS_ZUA);
    Page(id, 1, u"<DAU>\r\n");
    Execute(u"insert into TLX.DeklStr (DkS_DkNID, DkS_Lp, DkS_Tekst) values (" + Number(id) + u", 2, NULL)");
    EXPECT_EQ(BodyFailure(id), DISP_E_TYPEMISMATCH);
    EXPECT_THROW(WriteKeduBody(nullptr, id), ComError);
}

TEST_F(KeduBodyTest, TheDocumentIsTheHeaderTheBodyAndTheRootsEnd) {
    const LONG id = Insert(dekZUS_ZCNA, 3);
    const std::u16string document = BuildKeduDocument(session_.Get(), id).Str();
    const std::u16string header = BuildKeduHeader(session_.Get(), id).Str();
    EXPECT_EQ(document, header + WriteKeduBody(session_.Get(), id).Str() + u"</KEDU>");
    EXPECT_NE(header.find(u"KEDU_3"), std::u16string::npos);
    // A form without a writer has no body, and a document of the header and the root's end alone would
    // hold nothing for ZUS: it is refused.
    const LONG zcza = Insert(dekZUS_ZCZA);
    EXPECT_TRUE(WriteKeduBody(session_.Get(), zcza).IsEmpty());
    try {
        BuildKeduDocument(session_.Get(), zcza);
        ADD_FAILURE() << "a document without a body";
    } catch (const ComError& error) {
        EXPECT_EQ(error.Code(), static_cast<HRESULT>(0x8004020C));
    }
}

// The IWA and the ZSWA of the demo company's 2024, calculated and saved as the host does.
class KeduDemoYearTest : public DeclarationTest {
protected:
    bool WithDemoCompany() const override { return true; }

    LONG Calculated(long type, std::u16string_view decision = u"") {
        ComPtr<ICollection> declarations = Declarations();
        ComPtr<IDispatch> item;
        EXPECT_EQ(declarations->AddNew(Variant::Missing(), item.Out()), S_OK) << Utf16ToUtf8(LastError());
        ComPtr<IDeklaracja2> declaration = item.As<IDeklaracja2>();
        EXPECT_EQ(declaration->put_TypDeklar(type), S_OK);
        EXPECT_EQ(declaration->put_Wersja(1), S_OK) << Utf16ToUtf8(LastError());
        EXPECT_EQ(declaration->put_Rok(2024), S_OK);
        EXPECT_EQ(declaration->put_Numer(1), S_OK);
        Put(declaration.Get(), u"OSWIADCZENIE", Variant::FromDate(45677));  // 2025-01-20
        if (!decision.empty()) Put(declaration.Get(), u"NUMERDECYZJI", Variant::FromString(decision));
        EXPECT_EQ(declaration->Policz(), S_OK) << Utf16ToUtf8(LastError());
        EXPECT_EQ(SaveCollection(declarations.Get()), S_OK) << Utf16ToUtf8(LastError());
        LONG id = 0;
        EXPECT_EQ(declaration->get_ID(&id), S_OK);
        return id;
    }
};

TEST_F(KeduDemoYearTest, TheIwaAndTheZswaOfTheYear) {
    EXPECT_EQ(WriteKeduBody(session_.Get(), Calculated(dekZUS_IWA, u"PK&\"12\"/24")).Str(), KeduGolden("demo-iwa.xml"));
    EXPECT_EQ(WriteKeduBody(session_.Get(), Calculated(dekZUS_ZSWA)).Str(), KeduGolden("demo-zswa.xml"));
}

}  // namespace
}  // namespace tlx::test
