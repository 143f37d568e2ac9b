#include <gtest/gtest.h>

#include "platform/com/ComObject.h"
#include "platform/com/Dispatch.h"
#include "platform/com/Enumerators.h"

namespace {

using V = tlx::Variant;

std::vector<V> ThreeTexts() { return {V::FromString(u"a"), V::FromString(u"b"), V::FromString(u"c")}; }

std::u16string Texts(VARIANT* items, ULONG count) {
    std::u16string joined;
    for (ULONG i = 0; i < count; ++i) {
        joined += items[i].vt == VT_BSTR ? std::u16string(items[i].bstrVal) : u"?";
        VariantClear(&items[i]);
    }
    return joined;
}

TEST(EnumVARIANT, HandsOutCopiesInOrderAndReportsTheEnd) {
    auto items = ThreeTexts();
    auto enumerator = tlx::MakeVariantEnumerator(items);
    items[0] = V::FromString(u"zmienione");  // the enumerator works on its snapshot

    VARIANT out[2];
    ULONG fetched = 9;
    ASSERT_EQ(enumerator->Next(2, out, &fetched), S_OK);
    EXPECT_EQ(Texts(out, fetched), u"ab");
    ASSERT_EQ(enumerator->Next(2, out, &fetched), S_FALSE);
    EXPECT_EQ(fetched, 1u);
    EXPECT_EQ(Texts(out, fetched), u"c");
    EXPECT_EQ(enumerator->Next(1, out, nullptr), S_FALSE);
    EXPECT_EQ(enumerator->Next(2, out, nullptr), E_POINTER) << "more than one item needs a count";

    EXPECT_EQ(enumerator->Reset(), S_OK);
    EXPECT_EQ(enumerator->Skip(2), S_OK);
    ASSERT_EQ(enumerator->Next(1, out, nullptr), S_OK);
    EXPECT_EQ(Texts(out, 1), u"c");
    EXPECT_EQ(enumerator->Skip(1), S_FALSE);
}

TEST(EnumVARIANT, ACloneContinuesFromItsOwnPosition) {
    auto enumerator = tlx::MakeVariantEnumerator(ThreeTexts());
    ASSERT_EQ(enumerator->Skip(1), S_OK);
    tlx::ComPtr<IEnumVARIANT> clone;
    ASSERT_EQ(enumerator->Clone(clone.Out()), S_OK);
    VARIANT out[3];
    ULONG fetched = 0;
    ASSERT_EQ(clone->Next(3, out, &fetched), S_FALSE);
    EXPECT_EQ(Texts(out, fetched), u"bc");
    ASSERT_EQ(enumerator->Next(1, out, nullptr), S_OK);
    EXPECT_EQ(Texts(out, 1), u"b") << "the original did not move with the clone";
}

// Counts its references so that the test sees what the enumerator holds.
class CItem final : public tlx::ComObject<CItem, IErrorInfo> {
public:
    HRESULT GetGUID(GUID*) override { return E_NOTIMPL; }
    HRESULT GetSource(BSTR*) override { return E_NOTIMPL; }
    HRESULT GetDescription(BSTR*) override { return E_NOTIMPL; }
    HRESULT GetHelpFile(BSTR*) override { return E_NOTIMPL; }
    HRESULT GetHelpContext(DWORD*) override { return E_NOTIMPL; }
    ULONG Count() {
        AddRef();
        return Release();
    }
};

TEST(EnumUnknown, HoldsItsItemsAndHandsOutReferences) {
    auto item = CItem::Make();
    {
        auto enumerator = tlx::MakeUnknownEnumerator({tlx::ComPtr<IUnknown>(item.As<IUnknown>())});
        EXPECT_EQ(item->Count(), 2u);
        IUnknown* out = nullptr;
        ASSERT_EQ(enumerator->Next(1, &out, nullptr), S_OK);
        auto taken = tlx::ComPtr<IUnknown>::Attach(out);
        EXPECT_EQ(item->Count(), 3u);
        EXPECT_EQ(enumerator->Next(1, &out, nullptr), S_FALSE);
    }
    EXPECT_EQ(item->Count(), 1u);
}

// A collection whose _NewEnum is a table member.
struct IList : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{3C1D9A60-5E2B-4F7A-9D41-2A6B8C0E1F02}");
    using Base = IDispatch;
    virtual HRESULT get__NewEnum(IUnknown** enumerator) = 0;

protected:
    ~IList() = default;
};

const tlx::DispatchTable& DispatchTableOf(IList*) {
    static const tlx::DispatchTable table{tlx::DispGet<&IList::get__NewEnum>(u"_NewEnum", DISPID_NEWENUM)};
    return table;
}

class CList final : public tlx::ComObject<CList, tlx::Dispatch<IList>> {
public:
    HRESULT get__NewEnum(IUnknown** enumerator) override { return tlx::NewVariantEnumerator(ThreeTexts(), enumerator); }
};

TEST(EnumVARIANT, IsReachedThroughNewEnum) {
    auto list = CList::Make();
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    V result;
    ASSERT_EQ(list->Invoke(DISPID_NEWENUM, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, result.Out(),
                           nullptr, nullptr),
              S_OK);
    ASSERT_EQ(result.vt, VT_UNKNOWN);
    auto enumerator = tlx::ComPtr<IUnknown>(result.punkVal).As<IEnumVARIANT>();
    ASSERT_TRUE(enumerator);
    VARIANT out[3];
    ULONG fetched = 0;
    ASSERT_EQ(enumerator->Next(3, out, &fetched), S_OK);
    EXPECT_EQ(Texts(out, fetched), u"abc");
}

}  // namespace
