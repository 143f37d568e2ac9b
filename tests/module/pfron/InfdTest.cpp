#include <gtest/gtest.h>

#include "ModuleClassFixture.h"
#include "hostapi/Errors.h"
#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/pfron/PfronDeclaration.h"
#include "platform/text/CodePage.h"

namespace {
class Infd : public ModuleClassTest {};
}  // namespace

TEST_F(Infd, DeklIdBindsAnyDeclarationAndAnswersTheBoundIdentifier) {
    const LONG infd = InsertDeclarationRow(300, 202403);
    const LONG vat = InsertDeclarationRow(1, 202402);
    tlx::ComPtr<IDispatch> object = Create(u"TLXDeklaracje.INFD");
    ASSERT_TRUE(object);
    EXPECT_EQ(AsText(Get(object.Get(), u"DeklId")), u"0") << "unbound";
    ASSERT_EQ(Put(object.Get(), u"DeklId", tlx::Variant::FromLong(infd)), S_OK);
    EXPECT_EQ(AsText(Get(object.Get(), u"DeklId")), tlx::Utf8ToUtf16(std::to_string(infd)));
    ASSERT_EQ(Put(object.Get(), u"DeklId", tlx::Variant::FromLong(vat)), S_OK) << "no check of the form type";
    EXPECT_EQ(AsText(Get(object.Get(), u"DeklId")), tlx::Utf8ToUtf16(std::to_string(vat)));
}

TEST_F(Infd, TheReportingPeriodIsTheBoundDeclarationsMonth) {
    const LONG id = InsertDeclarationRow(300, 202403);
    tlx::ComPtr<IDeklaracja2> declaration = OpenDeclaration(session_.Get(), id);
    ASSERT_TRUE(declaration);
    EXPECT_EQ(OkresSprawozdawczyTekst(AttachDeclaration(session_.Get(), declaration.Get()).Get()).Str(), u"03-2024");
    EXPECT_EQ(ComBoundary([&] { (void)OkresSprawozdawczyTekst(nullptr); }), E_POINTER);
}

TEST_F(Infd, ADeclarationOpenedByItsIdentifierReadsItsOwnRowOnly) {
    InsertDeclarationRow(300, 202401);
    const LONG id = InsertDeclarationRow(300, 202402);
    InsertDeclarationRow(300, 202403);
    tlx::ComPtr<IDeklaracja2> declaration = OpenDeclaration(session_.Get(), id);
    ASSERT_TRUE(declaration);
    LONG read = 0;
    ASSERT_EQ(declaration->get_ID(&read), S_OK);
    EXPECT_EQ(read, id);
    tlx::ComPtr<Recordset> rows;
    ASSERT_EQ(declaration.As<IInitializeRS>()->GetRecordset(rows.Out()), S_OK);
    LONG count = 0;
    ASSERT_EQ(rows->get_RecordCount(&count), S_OK);
    EXPECT_EQ(count, 1) << "not every declaration of the company";
    EXPECT_EQ(ComBoundary([&] { (void)OpenDeclaration(session_.Get(), id + 100); }), HOST_E_NOROW);
}
