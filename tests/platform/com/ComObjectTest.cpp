#include <gtest/gtest.h>

#include "platform/com/ComObject.h"

using tlx::ComPtr;

namespace {
struct IFirst : IUnknown {
    static constexpr IID kIid = tlx::MakeGuid(u"{0C4F9E10-1111-4A6B-8C11-000000000001}");
    using Base = IUnknown;
    virtual int First() = 0;
};
struct ISecond : IFirst {  // extends IFirst: one object answers both
    static constexpr IID kIid = tlx::MakeGuid(u"{0C4F9E10-1111-4A6B-8C11-000000000002}");
    using Base = IFirst;
    virtual int Second() = 0;
};
struct IThird : IUnknown {
    static constexpr IID kIid = tlx::MakeGuid(u"{0C4F9E10-1111-4A6B-8C11-000000000003}");
    using Base = IUnknown;
    virtual int Third() = 0;
};
constexpr IID kUnknownIid = tlx::MakeGuid(u"{0C4F9E10-1111-4A6B-8C11-0000000000FF}");

class CInner final : public tlx::ComObject<CInner, ISecond> {
public:
    int First() override { return 1; }
    int Second() override { return 2; }
};

// Exposes CInner's interfaces as its own by aggregating it.
class COuter final : public tlx::ComObject<COuter, IThird> {
public:
    int Third() override { return 3; }

protected:
    HRESULT FinalConstruct() override { return CInner::CreateObject(ControllingUnknown(), IID_IUnknown, inner_.OutVoid()); }
    HRESULT QueryExtraInterface(REFIID iid, void** out) override { return inner_->QueryInterface(iid, out); }

private:
    ComPtr<IUnknown> inner_;
};

ComPtr<IUnknown> Identity(IUnknown* p) {
    ComPtr<IUnknown> id;
    EXPECT_EQ(p->QueryInterface(IID_IUnknown, id.OutVoid()), S_OK);
    return id;
}
}  // namespace

TEST(ComObject, QueryInterfaceKeepsIdentityAndSymmetry) {
    ComPtr<ISecond> second;
    ASSERT_EQ(CInner::CreateObject(nullptr, ISecond::kIid, second.OutVoid()), S_OK);
    ComPtr<IFirst> first = second.As<IFirst>();
    ASSERT_TRUE(first);
    EXPECT_EQ(first->First(), 1);
    EXPECT_EQ(Identity(first.Get()), Identity(second.Get())) << "every interface answers the same IUnknown";
    EXPECT_TRUE(first.As<ISecond>()) << "symmetric: back from IFirst to ISecond";
    EXPECT_TRUE(Identity(first.Get()).As<IFirst>()) << "reflexive through IUnknown";
}

TEST(ComObject, RefusesUnknownInterfaceAndNullOut) {
    auto object = CInner::Make();
    void* out = reinterpret_cast<void*>(1);
    EXPECT_EQ(object->QueryInterface(kUnknownIid, &out), E_NOINTERFACE);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(object->QueryInterface(IFirst::kIid, nullptr), E_POINTER);
}

TEST(ComObject, AggregatedObjectSpeaksForItsOuter) {
    ComPtr<IThird> third;
    ASSERT_EQ(COuter::CreateObject(nullptr, IThird::kIid, third.OutVoid()), S_OK);
    ComPtr<ISecond> second = third.As<ISecond>();
    ASSERT_TRUE(second) << "the outer object answers the inner's interfaces";
    EXPECT_EQ(second->Second(), 2);
    EXPECT_EQ(Identity(second.Get()), Identity(third.Get())) << "the inner's interfaces carry the outer's identity";
    EXPECT_TRUE(second.As<IThird>()) << "and lead back to the outer's own interfaces";
}

TEST(ComObject, AggregationAsksForIUnknownOnly) {
    auto outer = COuter::Make();
    void* out = nullptr;
    EXPECT_EQ(CInner::CreateObject(outer.Get(), IFirst::kIid, &out), CLASS_E_NOAGGREGATION);
    EXPECT_EQ(out, nullptr);
}

TEST(ComObject, ObjectsAndServerLocksHoldTheModule) {
    long before = tlx::ThisModule().Count();
    {
        auto object = CInner::Make();
        EXPECT_EQ(tlx::ThisModule().Count(), before + 1);
        ComPtr<IClassFactory> factory;
        ASSERT_EQ(tlx::ClassFactory<CInner>::Get(IID_IClassFactory, factory.OutVoid()), S_OK);
        factory->LockServer(TRUE);
        factory.Reset();
        EXPECT_EQ(tlx::ThisModule().Count(), before + 2) << "a server lock outlives its factory";
        ComPtr<IClassFactory> again;
        ASSERT_EQ(tlx::ClassFactory<CInner>::Get(IID_IClassFactory, again.OutVoid()), S_OK);
        again->LockServer(FALSE);
    }
    EXPECT_EQ(tlx::ThisModule().Count(), before);
}
