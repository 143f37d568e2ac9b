#include <gtest/gtest.h>

#include <vector>

#include "ModuleClassFixture.h"
#include "hostapi/Subjects.h"
#include "mv_deklaracje/core/CollectionEnumerator.h"
#include "platform/com/ComObject.h"

namespace {

// The item interface of these tests, and an object that has it and one that has not.
struct ITestItem : IUnknown {
    static constexpr IID kIid = tlx::MakeGuid(u"{5D0C8E61-3F0B-4C55-9E6B-0A5B7D8E2F11}");
    using Base = IUnknown;
    virtual LONG Number() = 0;

protected:
    ~ITestItem() = default;
};

class CTestItem final : public tlx::ComObject<CTestItem, ITestItem> {
public:
    LONG number = 0;
    LONG Number() override { return number; }
};

class COtherObject final : public tlx::ComObject<COtherObject, IEnumUnknown> {
public:
    HRESULT Next(ULONG, IUnknown**, ULONG*) override { return S_FALSE; }
    HRESULT Skip(ULONG) override { return S_FALSE; }
    HRESULT Reset() override { return S_OK; }
    HRESULT Clone(IEnumUnknown**) override { return E_NOTIMPL; }
};

// A collection that hands out the enumerator it was given through DISPID_NEWENUM.
class CTestCollection final : public tlx::ComObject<CTestCollection, IDispatch> {
public:
    tlx::ComPtr<IUnknown> enumerator;
    HRESULT failure = S_OK;

    HRESULT GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    HRESULT GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result, EXCEPINFO*, UINT*) override {
        if (id != DISPID_NEWENUM) return DISP_E_MEMBERNOTFOUND;
        if (FAILED(failure)) return failure;
        *result = tlx::Variant::FromUnknown(enumerator.Get()).Detach();
        return S_OK;
    }
};

tlx::ComPtr<IUnknown> Item(LONG number) {
    auto item = CTestItem::Make();
    item->number = number;
    return tlx::ComPtr<IUnknown>(static_cast<ITestItem*>(item.Get()));
}

tlx::ComPtr<CTestCollection> CollectionOfVariants(const std::vector<tlx::ComPtr<IUnknown>>& objects) {
    std::vector<tlx::Variant> items;
    for (const auto& object : objects) items.push_back(tlx::Variant::FromUnknown(object.Get()));
    auto collection = CTestCollection::Make();
    collection->enumerator = tlx::ComPtr<IUnknown>(tlx::MakeVariantEnumerator(std::move(items)).Get());
    return collection;
}

std::vector<LONG> Walk(IDispatch* collection) {
    std::vector<LONG> numbers;
    for (CCollectionEnumerator<ITestItem> each(collection); auto item = each.Current(); each.MoveNext())
        numbers.push_back(item->Number());
    return numbers;
}

}  // namespace

TEST(CollectionEnumerator, WalksEitherKindOfEnumerator) {
    EXPECT_EQ(Walk(CollectionOfVariants({Item(1), Item(2), Item(3)}).Get()), (std::vector<LONG>{1, 2, 3}));

    auto unknowns = CTestCollection::Make();
    unknowns->enumerator = tlx::ComPtr<IUnknown>(tlx::MakeUnknownEnumerator({Item(7), Item(8)}).Get());
    EXPECT_EQ(Walk(unknowns.Get()), (std::vector<LONG>{7, 8}));
}

TEST(CollectionEnumerator, EndsAtTheEndOrAtTheFirstForeignElement) {
    EXPECT_TRUE(Walk(CollectionOfVariants({}).Get()).empty());
    CCollectionEnumerator<ITestItem> empty(CollectionOfVariants({}).Get());
    EXPECT_FALSE(empty.Current()) << "an empty collection has no current item at once";
    EXPECT_TRUE(empty.AtEnd());
    CCollectionEnumerator<ITestItem> one(CollectionOfVariants({Item(4)}).Get());
    EXPECT_FALSE(one.AtEnd());
    one.MoveNext();
    EXPECT_TRUE(one.AtEnd());

    auto other = COtherObject::Make();
    tlx::ComPtr<IUnknown> foreign(static_cast<IEnumUnknown*>(other.Get()));
    EXPECT_EQ(Walk(CollectionOfVariants({Item(1), foreign, Item(3)}).Get()), std::vector<LONG>{1});
}

TEST(CollectionEnumerator, CollectionFailuresAreRaised) {
    auto failing = CTestCollection::Make();
    failing->failure = DISP_E_MEMBERNOTFOUND;
    try {
        CCollectionEnumerator<ITestItem> each(failing.Get());
        FAIL();
    } catch (const ComError& e) {
        EXPECT_EQ(e.Code(), DISP_E_MEMBERNOTFOUND);
    }
    auto noEnumerator = CTestCollection::Make();
    EXPECT_THROW(CCollectionEnumerator<ITestItem>{noEnumerator.Get()}, ComError);
    EXPECT_THROW(CCollectionEnumerator<ITestItem>{nullptr}, ComError);
}

using HostCollectionEnumeratorTest = ModuleClassTest;

TEST_F(HostCollectionEnumeratorTest, WalksTheItemsOfAHostCollection) {
    Execute(u"INSERT INTO TLX.Urzedy (Urz_Kod, Urz_Nazwa1) VALUES ('1471', 'Urząd Skarbowy Warszawa-Mokotów'), "
            u"('1202', 'Urząd Skarbowy w Bochni')");
    tlx::ComPtr<IDispatch> offices;
    ASSERT_EQ(session_->CreateObject(tlx::Bstr(u"TLX.Urzedy").Get(), tlx::Variant::Missing(), offices.Out()), S_OK);
    std::vector<std::u16string> codes;
    for (CCollectionEnumerator<IUrzad> each(offices.Get()); auto office = each.Current(); each.MoveNext()) {
        tlx::Bstr code;
        ASSERT_EQ(office->get_Kod(code.Out()), S_OK);
        codes.emplace_back(code.View());
    }
    EXPECT_EQ(codes, (std::vector<std::u16string>{u"1471", u"1202"}));
}
