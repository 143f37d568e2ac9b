#include <gtest/gtest.h>

#include "ModuleClassFixture.h"
#include "platform/com/Bstr.h"
#include "platform/text/CodePage.h"

namespace {
class Wnu : public ModuleClassTest {};
}  // namespace

TEST_F(Wnu, DeklIdBindsTheDeclarationAndASecondPutRebinds) {
    const LONG first = InsertDeclarationRow(320, 202403);
    const LONG second = InsertDeclarationRow(320, 202404);
    tlx::ComPtr<IDispatch> object = Create(u"TLXDeklaracje.WNU");
    ASSERT_TRUE(object);
    EXPECT_EQ(AsText(Get(object.Get(), u"DeklId")), u"0") << "unbound";
    ASSERT_EQ(Put(object.Get(), u"DeklId", tlx::Variant::FromLong(first)), S_OK);
    EXPECT_EQ(AsText(Get(object.Get(), u"DeklId")), tlx::Utf8ToUtf16(std::to_string(first)));
    ASSERT_EQ(Put(object.Get(), u"DeklId", tlx::Variant::FromLong(second)), S_OK);
    EXPECT_EQ(AsText(Get(object.Get(), u"DeklId")), tlx::Utf8ToUtf16(std::to_string(second)));
}

TEST_F(Wnu, AnUnboundCalculationFailsAndAnExportNeedsAFolder) {
    tlx::ComPtr<IDispatch> object = Create(u"TLXDeklaracje.WNU");
    ASSERT_TRUE(object);
    EXPECT_EQ(Call(object.Get(), u"Przelicz", {}), E_POINTER);
    const LONG id = InsertDeclarationRow(320, 202403);
    EXPECT_EQ(Call(object.Get(), u"ExportToSOD", {tlx::Variant::FromLong(id), tlx::Variant::FromString(u"")}),
              E_INVALIDARG);
    EXPECT_EQ(Call(object.Get(), u"ExportToSODVC", {tlx::Variant::FromLong(id), tlx::Variant::FromString(u"")}),
              E_INVALIDARG);
}
