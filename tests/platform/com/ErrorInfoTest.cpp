#include <gtest/gtest.h>

#include "platform/com/ComPtr.h"
#include "platform/com/ErrorInfo.h"

TEST(ErrorInfo, ThreadHoldsOneErrorUntilTaken) {
    EXPECT_EQ(tlx::SetErrorText(E_FAIL, u"Błąd pierwszy"), E_FAIL);
    tlx::SetErrorText(E_FAIL, u"Błąd drugi");
    EXPECT_EQ(tlx::TakeErrorDescription(), u"Błąd drugi") << "the newest error replaces the older";
    IErrorInfo* none = reinterpret_cast<IErrorInfo*>(1);
    EXPECT_EQ(GetErrorInfo(0, &none), S_FALSE) << "taking the error clears it";
    EXPECT_EQ(none, nullptr);
}

TEST(ErrorInfo, CarriesGuidSourceAndHelp) {
    tlx::ComPtr<ICreateErrorInfo> create;
    ASSERT_EQ(CreateErrorInfo(create.Out()), S_OK);
    constexpr GUID kIid = tlx::MakeGuid(u"{12345678-9ABC-DEF0-1234-56789ABCDEF0}");
    create->SetGUID(kIid);
    create->SetSource(const_cast<LPOLESTR>(u"Źródło"));
    create->SetHelpContext(7);
    ASSERT_EQ(SetErrorInfo(0, create.As<IErrorInfo>().Get()), S_OK);

    tlx::ComPtr<IErrorInfo> info;
    ASSERT_EQ(GetErrorInfo(0, info.Out()), S_OK);
    GUID guid;
    info->GetGUID(&guid);
    EXPECT_EQ(guid, kIid);
    tlx::Bstr source, description;
    info->GetSource(source.Out());
    info->GetDescription(description.Out());
    EXPECT_EQ(source.View(), u"Źródło");
    EXPECT_TRUE(description.IsNull());
    DWORD context = 0;
    info->GetHelpContext(&context);
    EXPECT_EQ(context, 7u);
}
