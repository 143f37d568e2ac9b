// The configuration object: texts by key (with the company settings of TLX.Firma behind them) and
// parameters valid at a date, created through the login as the module creates it.
#include <gtest/gtest.h>

#include "HostFixture.h"
#include "host/config/ConfigurationStore.h"
#include "host/session/HostEnvironment.h"

namespace tlx::host::test {
namespace {

constexpr DATE k2020_01_01 = 43831;
constexpr DATE k2023_06_30 = 45107;
constexpr DATE k2023_07_01 = 45108;

class ConfigurationTest : public HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        ComPtr<ILogin> login;
        ASSERT_EQ(session_.As<ISession2>()->get_Login(login.Out()), S_OK);
        ComPtr<IDispatch> object;
        ASSERT_EQ(login->CreateObject(Bstr(u"{A1E6C62D-2AE2-4D6A-B82B-17EF8DCFB6D1}").Get(), object.Out()), S_OK);
        configuration_ = object.As<IKonfiguracja>();
        ASSERT_TRUE(configuration_);
    }

    std::u16string Value(const char16_t* key) {
        Bstr value;
        EXPECT_EQ(configuration_->GetValue(Bstr(key).Get(), value.Out()), S_OK);
        return value.Str();
    }

    std::u16string ValueAt(const char16_t* key, DATE date, DATE* from = nullptr) {
        ComPtr<IParametr> parametr;
        EXPECT_EQ(configuration_->GetParametr(Bstr(key).Get(), date, parametr.Out()), S_OK);
        Variant value;
        EXPECT_EQ(parametr->get_Value(value.Out()), S_OK);
        if (from) parametr->get_DataOd(from);
        if (value.vt == VT_EMPTY) return u"(pusto)";
        return std::u16string(value.bstrVal, SysStringLen(value.bstrVal));
    }

    ComPtr<IKonfiguracja> configuration_;
};

TEST_F(ConfigurationTest, TextsByKeyPathWithTheCompanySettingsBehind) {
    WriteSetting(Database(), u"FirmaNIP", u"5260250274");
    WriteSetting(Database(), u"/Program/Księgowość/Stawki Podatkowe/Ryczałt 1", u"8,5");
    Execute(u"insert into TLX.Firma (Fir_Numer, Fir_Symbol, Fir_Wartosc) values (1204, 'RodzajKsiegowosci', '3')");

    EXPECT_EQ(Value(u"FirmaNIP"), u"5260250274");
    EXPECT_EQ(Value(u"/Program/Księgowość/Stawki Podatkowe/Ryczałt 1"), u"8,5");
    EXPECT_EQ(Value(u"RodzajKsiegowosci"), u"3");
    EXPECT_EQ(Value(u"firmanip"), u"") << "keys are compared exactly";
    EXPECT_EQ(Value(u"FirmaUrzadSkarbowy"), u"");

    WriteSetting(Database(), u"FirmaNIP", u"1234563218");
    EXPECT_EQ(Value(u"FirmaNIP"), u"1234563218") << "a value is read anew each time";
}

TEST_F(ConfigurationTest, ADatedParameterIsTheValueOfItsLatestStartNotAfterTheDate) {
    WriteDatedSetting(Database(), u"VAT7_Wliczaj0", k2020_01_01, u"0");
    WriteDatedSetting(Database(), u"VAT7_Wliczaj0", k2023_07_01, u"1");

    DATE from = -1;
    EXPECT_EQ(ValueAt(u"VAT7_Wliczaj0", k2023_06_30, &from), u"0");
    EXPECT_EQ(from, k2020_01_01);
    EXPECT_EQ(ValueAt(u"VAT7_Wliczaj0", k2023_07_01 + 0.75, &from), u"1") << "the time of day does not count";
    EXPECT_EQ(from, k2023_07_01);
    EXPECT_EQ(ValueAt(u"VAT7_Wliczaj0", k2020_01_01 - 1), u"(pusto)");

    WriteSetting(Database(), u"UwzgledniacSprzedazNiePodlegajacaVat", u"1");
    EXPECT_EQ(ValueAt(u"UwzgledniacSprzedazNiePodlegajacaVat", k2020_01_01), u"1")
        << "a key without dated values is valid at every date";
    EXPECT_EQ(ValueAt(u"NieMa", k2020_01_01), u"(pusto)");
}

}  // namespace
}  // namespace tlx::host::test
