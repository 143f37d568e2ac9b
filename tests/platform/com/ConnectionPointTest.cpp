#include <gtest/gtest.h>

#include <functional>

#include "platform/com/ConnectionPointContainer.h"
#include "platform/com/ProvideClassInfo.h"

namespace {

using V = tlx::Variant;
using FireMode = tlx::ConnectionPoint::FireMode;

constexpr IID kProgressEvents = tlx::MakeGuid(u"{6E0B1C3A-2D4F-4A51-8B7C-9D0E1F2A3B40}");
constexpr IID kDisplayEvents = tlx::MakeGuid(u"{6E0B1C3A-2D4F-4A51-8B7C-9D0E1F2A3B41}");
constexpr DISPID kSendMessage = 0x47F;

// An object with two outgoing interfaces.
class CSource final
    : public tlx::ComObject<CSource, tlx::ConnectionPointContainer, tlx::ProvideClassInfo2<&kProgressEvents>> {
public:
    CSource() {
        AddConnectionPoint(kProgressEvents);
        AddConnectionPoint(kDisplayEvents);
    }
    tlx::ConnectionPoint& Progress() { return *PointFor(kProgressEvents); }
    ULONG Count() {
        AddRef();
        return Release();
    }
};

// A sink of the progress events that records what reaches it and answers what the test says.
class CSink final : public tlx::ComObject<CSink, IDispatch> {
public:
    HRESULT GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    HRESULT GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT*, EXCEPINFO* exception,
                   UINT*) override {
        std::u16string call = std::u16string(flags == DISPATCH_METHOD ? u"M" : u"?") + u"#" +
                              std::u16string(1, static_cast<char16_t>(u'0' + id % 10));
        for (UINT i = 0; i < params->cArgs; ++i) {
            VARIANT& arg = params->rgvarg[i];
            call += u" ";
            call += arg.vt == VT_BSTR ? std::u16string(arg.bstrVal) : arg.vt == VT_I4 ? u"i" + std::u16string(1, u'0' + arg.lVal) : u"?";
        }
        calls.push_back(call);
        if (onCall) onCall();
        if (answer == DISP_E_EXCEPTION && exception) {
            exception->scode = scode;
            exception->bstrDescription = SysAllocString(u"błąd odbiorcy");
        }
        return answer;
    }
    HRESULT QueryExtraInterface(REFIID iid, void** out) override {
        if (iid != kProgressEvents) return E_NOINTERFACE;
        *out = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    ULONG Count() {
        AddRef();
        return Release();
    }

    std::vector<std::u16string> calls;
    HRESULT answer = S_OK;
    SCODE scode = S_OK;
    std::function<void()> onCall;
};

class ConnectionPoints : public ::testing::Test {
protected:
    tlx::ComPtr<CSource> source = CSource::Make();
    tlx::ComPtr<CSink> first = CSink::Make();
    tlx::ComPtr<CSink> second = CSink::Make();

    tlx::ComPtr<IConnectionPoint> Point(const IID& iid) {
        tlx::ComPtr<IConnectionPoint> point;
        source->FindConnectionPoint(iid, point.Out());
        return point;
    }
    DWORD Advise(CSink* sink) {
        DWORD cookie = 0;
        EXPECT_EQ(Point(kProgressEvents)->Advise(static_cast<IDispatch*>(sink), &cookie), S_OK);
        return cookie;
    }
};

TEST_F(ConnectionPoints, TheContainerListsItsPointsInDeclaredOrder) {
    auto point = Point(kProgressEvents);
    ASSERT_TRUE(point);
    IID iid{};
    ASSERT_EQ(point->GetConnectionInterface(&iid), S_OK);
    EXPECT_EQ(iid, kProgressEvents);
    tlx::ComPtr<IConnectionPointContainer> container;
    ASSERT_EQ(point->GetConnectionPointContainer(container.Out()), S_OK);
    EXPECT_EQ(container.Get(), static_cast<IConnectionPointContainer*>(source.Get()));

    tlx::ComPtr<IConnectionPoint> none;
    EXPECT_EQ(source->FindConnectionPoint(GUID_NULL, none.Out()), CONNECT_E_NOCONNECTION);
    EXPECT_FALSE(none);

    tlx::ComPtr<IEnumConnectionPoints> points;
    ASSERT_EQ(source->EnumConnectionPoints(points.Out()), S_OK);
    IConnectionPoint* listed[3] = {};
    ULONG fetched = 0;
    EXPECT_EQ(points->Next(3, listed, &fetched), S_FALSE);
    ASSERT_EQ(fetched, 2u);
    IID order[2];
    for (int i = 0; i < 2; ++i) {
        listed[i]->GetConnectionInterface(&order[i]);
        tlx::ComPtr<IConnectionPoint>::Attach(listed[i]);
    }
    EXPECT_EQ(order[0], kProgressEvents);
    EXPECT_EQ(order[1], kDisplayEvents);
    EXPECT_TRUE(source.As<IConnectionPointContainer>());
}

TEST_F(ConnectionPoints, APointKeepsItsObjectAlive) {
    auto point = Point(kDisplayEvents);
    const ULONG withPoint = source->Count();
    point.Reset();
    EXPECT_EQ(source->Count(), withPoint - 1) << "a point counts on its object";
    point = Point(kDisplayEvents);
    source.Reset();
    tlx::ComPtr<IConnectionPointContainer> container;
    EXPECT_EQ(point->GetConnectionPointContainer(container.Out()), S_OK);
    EXPECT_TRUE(container);
}

TEST_F(ConnectionPoints, AdviseAndUnadviseKeepCookiesAndReusePlaces) {
    auto point = Point(kProgressEvents);
    DWORD cookie = 0;
    EXPECT_EQ(point->Advise(nullptr, &cookie), E_POINTER);
    EXPECT_EQ(point->Advise(static_cast<IDispatch*>(first.Get()), nullptr), E_POINTER);
    EXPECT_EQ(Point(kDisplayEvents)->Advise(static_cast<IDispatch*>(first.Get()), &cookie), CONNECT_E_CANNOTCONNECT);
    EXPECT_EQ(cookie, 0u);

    const DWORD a = Advise(first.Get());
    const DWORD b = Advise(second.Get());
    EXPECT_NE(a, 0u);
    EXPECT_NE(a, b);
    EXPECT_EQ(first->Count(), 2u) << "the point holds the sink";

    EXPECT_EQ(point->Unadvise(a), S_OK);
    EXPECT_EQ(first->Count(), 1u);
    EXPECT_EQ(point->Unadvise(a), CONNECT_E_NOCONNECTION);
    EXPECT_EQ(point->Unadvise(0), CONNECT_E_NOCONNECTION);
    EXPECT_EQ(point->Unadvise(77), CONNECT_E_NOCONNECTION);
    EXPECT_EQ(Advise(first.Get()), a) << "an empty place is reused";

    tlx::ComPtr<IEnumConnections> connections;
    ASSERT_EQ(point->EnumConnections(connections.Out()), S_OK);
    CONNECTDATA data[3];
    ULONG fetched = 0;
    connections->Next(3, data, &fetched);
    ASSERT_EQ(fetched, 2u);
    EXPECT_EQ(data[0].dwCookie, a);
    EXPECT_EQ(data[1].dwCookie, b);
    for (ULONG i = 0; i < fetched; ++i) tlx::ComPtr<IUnknown>::Attach(data[i].pUnk);
}

TEST_F(ConnectionPoints, EveryAttachedSinkReceivesTheEventWithReversedArguments) {
    EXPECT_EQ(source->Progress().Fire(kSendMessage, {V::FromLong(3), V::FromString(u"abc")}), S_OK)
        << "no sink: nothing to call";
    Advise(first.Get());
    Advise(second.Get());
    ASSERT_EQ(source->Progress().Fire(kSendMessage, {V::FromLong(3), V::FromString(u"abc")}), S_OK);
    ASSERT_EQ(first->calls.size(), 1u);
    EXPECT_EQ(first->calls[0], u"M#1 abc i3") << "rgvarg holds the text first";
    EXPECT_EQ(second->calls, first->calls);
}

TEST_F(ConnectionPoints, ASinkThatUnadvisesItselfDuringTheFireDoesNotStopTheOthers) {
    const DWORD a = Advise(first.Get());
    Advise(second.Get());
    first->onCall = [&] { EXPECT_EQ(Point(kProgressEvents)->Unadvise(a), S_OK); };
    ASSERT_EQ(source->Progress().Fire(0xB0, {V::FromString(u"Wyliczanie deklaracji")}), S_OK);
    EXPECT_EQ(first->calls.size(), 1u);
    EXPECT_EQ(second->calls.size(), 1u);
    EXPECT_EQ(first->Count(), 1u) << "released once the fire let go of it";

    first->onCall = nullptr;
    ASSERT_EQ(source->Progress().Fire(0xB1, {V::FromString(u"")}), S_OK);
    EXPECT_EQ(first->calls.size(), 1u);
    EXPECT_EQ(second->calls.size(), 2u);
}

TEST_F(ConnectionPoints, ASinkDetachedOrAttachedDuringTheFireIsNotCalledByIt) {
    Advise(first.Get());
    const DWORD b = Advise(second.Get());
    auto third = CSink::Make();
    first->onCall = [&] {
        Point(kProgressEvents)->Unadvise(b);
        Advise(third.Get());
    };
    ASSERT_EQ(source->Progress().Fire(0xB0, {V::FromString(u"x")}), S_OK);
    EXPECT_TRUE(second->calls.empty());
    EXPECT_TRUE(third->calls.empty());
    first->onCall = nullptr;
    ASSERT_EQ(source->Progress().Fire(0xB0, {V::FromString(u"y")}), S_OK);
    EXPECT_EQ(third->calls.size(), 1u) << "it took the emptied place and hears the next fire";
}

TEST_F(ConnectionPoints, AFailingSinkEndsTheFireOrIsPassedByAsAsked) {
    Advise(first.Get());
    Advise(second.Get());
    first->answer = S_FALSE;
    EXPECT_EQ(source->Progress().Fire(0xB0, {V::FromString(u"x")}), S_FALSE);
    EXPECT_TRUE(second->calls.empty());

    first->answer = DISP_E_EXCEPTION;
    first->scode = static_cast<SCODE>(0x80040202);
    EXPECT_EQ(source->Progress().Fire(0xB0, {V::FromString(u"x")}), static_cast<HRESULT>(0x80040202));

    first->scode = S_OK;
    EXPECT_EQ(source->Progress().Fire(0xB0, {V::FromString(u"x")}), DISP_E_EXCEPTION)
        << "an exception without a code is still a failure";

    second->calls.clear();
    first->answer = E_FAIL;
    second->answer = E_ABORT;
    EXPECT_EQ(source->Progress().Fire(0xB2, {V::FromString(u"x")}, FireMode::CallEverySink), E_FAIL);
    EXPECT_EQ(second->calls.size(), 1u);
}

TEST_F(ConnectionPoints, ClassInfoNamesTheDefaultEventInterface) {
    auto info = source.As<IProvideClassInfo2>();
    ASSERT_TRUE(info);
    EXPECT_TRUE(source.As<IProvideClassInfo>());
    GUID guid{};
    ASSERT_EQ(info->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &guid), S_OK);
    EXPECT_EQ(guid, kProgressEvents);
    EXPECT_EQ(info->GetGUID(7, &guid), E_INVALIDARG);
    ITypeInfo* type = nullptr;
    EXPECT_EQ(info->GetClassInfo(&type), E_NOTIMPL);
    EXPECT_EQ(type, nullptr);
}

}  // namespace
