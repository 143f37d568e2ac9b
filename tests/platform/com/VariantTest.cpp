#include <gtest/gtest.h>

#include "platform/com/ComObject.h"
#include "platform/com/Variant.h"

namespace {
// Counts its references so the tests can see what a VARIANT holds.
class CProbe final : public tlx::ComObject<CProbe, IDispatch> {
public:
    HRESULT GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    HRESULT GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        return E_NOTIMPL;
    }
    ULONG Count() {
        AddRef();
        return Release();
    }
};
}  // namespace

TEST(Variant, CopyDuplicatesTextAndClearFreesIt) {
    tlx::Variant a = tlx::Variant::FromString(u"tekst");
    tlx::Variant b(a);
    ASSERT_EQ(b.vt, VT_BSTR);
    EXPECT_NE(a.bstrVal, b.bstrVal) << "a copy owns its own text";
    EXPECT_EQ(std::u16string_view(b.bstrVal), u"tekst");
    a.Clear();
    EXPECT_EQ(a.vt, VT_EMPTY);
    EXPECT_EQ(std::u16string_view(b.bstrVal), u"tekst");
}

TEST(Variant, InterfacesAreCountedByCopiesAndReleasedByClear) {
    auto probe = CProbe::Make();
    ASSERT_EQ(probe->Count(), 1u);
    {
        tlx::Variant v = tlx::Variant::FromDispatch(probe.Get());
        tlx::Variant copy = v;
        EXPECT_EQ(probe->Count(), 3u);
        tlx::Variant moved = std::move(copy);
        EXPECT_EQ(probe->Count(), 3u) << "moving hands over the reference";
        EXPECT_EQ(copy.vt, VT_EMPTY);
    }
    EXPECT_EQ(probe->Count(), 1u);
}

TEST(Variant, CopyOntoItselfKeepsTheValue) {
    tlx::Variant v = tlx::Variant::FromString(u"x");
    EXPECT_EQ(VariantCopy(&v, &v), S_OK);
    EXPECT_EQ(std::u16string_view(v.bstrVal), u"x");
}

TEST(Variant, CopyIndFollowsReferences) {
    BSTR text = SysAllocString(u"ref");
    VARIANT byRef;
    VariantInit(&byRef);
    byRef.vt = VT_BSTR | VT_BYREF;
    byRef.pbstrVal = &text;
    tlx::Variant value;
    ASSERT_EQ(VariantCopyInd(&value, &byRef), S_OK);
    ASSERT_EQ(value.vt, VT_BSTR);
    EXPECT_NE(value.bstrVal, text);
    EXPECT_EQ(std::u16string_view(value.bstrVal), u"ref");
    SysFreeString(text);
}
