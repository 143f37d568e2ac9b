#include <gtest/gtest.h>

#include "ModuleClassFixture.h"
#include "platform/com/Bstr.h"
#include "platform/text/CodePage.h"

namespace {
class Wnu : public ModuleClassTest {
protected:
    LONG Insert(int type, int yearMonth) {
        Execute(u"INSERT INTO TLX.DeklNag (DkN_TypDeklar, DkN_RokMiesiac) VALUES (" +
                tlx::Utf8ToUtf16(std::to_string(type)) + u", " + tlx::Utf8ToUtf16(std::to_string(yearMonth)) + u")");
        return std::stol(tlx::Utf16ToUtf8(Scalar(u"SELECT MAX(DkN_DkNID) FROM TLX.DeklNag")));
    }
};
}  // namespace

TEST_F(Wnu, DeklIdBindsTheDeclarationAndASecondPutRebinds) {
    const LONG first = Insert(320, 202403);
    const LONG second = Insert(320, 202404);
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
    const LONG id = Insert(320, 202403);
    EXPECT_EQ(Call(object.Get(), u"ExportToSOD", {tlx::Variant::FromLong(id), tlx::Variant::FromString(u"")}),
              E_INVALIDARG);
    EXPECT_EQ(Call(object.Get(), u"ExportToSODVC", {tlx::Variant::FromLong(id), tlx::Variant::FromString(u"")}),
              E_INVALIDARG);
}
