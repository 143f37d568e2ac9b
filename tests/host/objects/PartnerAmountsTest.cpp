// A partner's monthly tax amounts reached through the employee.
#include <gtest/gtest.h>

#include "HostFixture.h"
#include "host/session/HostEnvironment.h"
#include "platform/com/ErrorInfo.h"
#include "platform/text/CodePage.h"

namespace tlx::host::test {
namespace {

class PartnerAmountsTest : public HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        Execute(u"insert into TLX.PracKod (Pra_PraID, Pra_Kod) values (4, 'WSP'), (5, 'INNY')");
        Execute(u"insert into TLX.PracPitMies (PPM_PPMId, PPM_PraId, PPM_Rok, PPM_Miesiac) values "
                u"(10, 4, 2024, 3), (11, 4, 2024, 6), (12, 5, 2024, 6)");
        Execute(u"insert into TLX.PracPitKwoty (PPK_PPMId, PPK_Numer, PPK_Wartosc) values "
                u"(11, 44100, 'T'), (11, 45100, 'Najem'), (11, 47101, '1500.5'), (12, 44100, 'N')");
    }
    // The amounts of the partner's month, found as the data service finds them.
    ComPtr<IPracPitMies> Month(ISession* session, LONG partner, const char16_t* criteria) {
        ComPtr<IDispatch> object;
        EXPECT_EQ(session->CreateObject(Bstr(u"TLX.Pracownicy").Get(),
                                        Variant::FromString(u"Pra_PraID=" + Utf8ToUtf16(std::to_string(partner))),
                                        object.Out()),
                  S_OK);
        ComPtr<IPracownikDane> employee = object.As<IPracownikDane>();
        if (!employee) return {};
        ComPtr<ICollection> months;
        EXPECT_EQ(employee->get_PitMiesiace(months.Out()), S_OK);
        ComPtr<IDispatch> item;
        if (FAILED(months->Item(Variant::FromString(criteria), item.Out()))) return {};
        return item.As<IPracPitMies>();
    }
    static Variant Value(IPracPitMies* month, const char16_t* name) {
        Variant value;
        EXPECT_EQ(month->get_wartosc(Bstr(name).Get(), value.Out()), S_OK) << "reading " << Utf16ToUtf8(name);
        return value;
    }
};

TEST_F(PartnerAmountsTest, NamedValuesReadTheMonthOfTheEmployee) {
    ComPtr<IPracPitMies> june = Month(session_.Get(), 4, u"PPM_Rok=2024 AND PPM_Miesiac=6");
    ASSERT_TRUE(june);
    LONG id = 0;
    ASSERT_EQ(june->get_ID(&id), S_OK);
    EXPECT_EQ(id, 11) << "not the other employee's June";
    Variant flag = Value(june.Get(), u"NAJEM1_Z_BAZY");
    ASSERT_EQ(flag.vt, VT_BSTR);
    EXPECT_EQ(Bstr(flag.bstrVal).Str(), u"T");
    EXPECT_EQ(Bstr(Value(june.Get(), u"najem1_baza").bstrVal).Str(), u"Najem") << "names without regard to case";
    Variant costs = Value(june.Get(), u"NAJEM2_KOSZTY");
    ASSERT_EQ(costs.vt, VT_CY) << "the costs of NAJEM2 are number 44101 + 3000";
    EXPECT_EQ(costs.cyVal.int64, 15005000);
    EXPECT_EQ(Value(june.Get(), u"DZIAL1_PRZYCHOD").vt, VT_NULL) << "never written";

    Variant value;
    EXPECT_EQ(june->get_wartosc(Bstr(u"DZIAL5_PRZYCHOD").Get(), value.Out()), E_INVALIDARG);
    EXPECT_EQ(TakeErrorDescription(), u"Nieznana kwota miesięczna: DZIAL5_PRZYCHOD");
    EXPECT_FALSE(Month(session_.Get(), 4, u"PPM_Rok=2024 AND PPM_Miesiac=9")) << "no such month";
}

TEST_F(PartnerAmountsTest, WrittenValuesAreStoredWhenTheSessionSaves) {
    ComPtr<ISession> session;
    ASSERT_EQ(CurrentLogin()->CreateSession(session.Out()), S_OK);
    ComPtr<IPracPitMies> june = Month(session.Get(), 4, u"PPM_Rok=2024 AND PPM_Miesiac=6");
    ASSERT_TRUE(june);
    CY amount{12345678};  // 1234.5678
    ASSERT_EQ(june->put_wartosc(Bstr(u"DZIAL2_PRZYCHOD").Get(), Variant::FromCurrency(amount)), S_OK);
    ASSERT_EQ(june->put_wartosc(Bstr(u"NAJEM2_KOSZTY").Get(), Variant::FromDouble(0)), S_OK);
    ASSERT_EQ(june->put_wartosc(Bstr(u"NAJEM1_BAZA").Get(), Variant::FromString(u"Inna")), S_OK);
    EXPECT_EQ(Value(june.Get(), u"DZIAL2_PRZYCHOD").cyVal.int64, 12345678) << "the record reads its own writes";
    EXPECT_EQ(Scalar(u"select count(*) from TLX.PracPitKwoty where PPK_Numer = 46001"), u"0") << "not before Save";

    ASSERT_EQ(session.As<ISession2>()->Save(), S_OK);
    EXPECT_EQ(Scalar(u"select PPK_Wartosc from TLX.PracPitKwoty where PPK_PPMId = 11 and PPK_Numer = 46001"),
              u"1234.5678");
    EXPECT_EQ(Scalar(u"select PPK_Wartosc from TLX.PracPitKwoty where PPK_PPMId = 11 and PPK_Numer = 47101"),
              u"0.00");
    EXPECT_EQ(Scalar(u"select PPK_Wartosc from TLX.PracPitKwoty where PPK_PPMId = 11 and PPK_Numer = 45100"), u"Inna")
        << "an existing value is changed in place";
    EXPECT_EQ(Scalar(u"select count(*) from TLX.PracPitKwoty where PPK_PPMId = 11"), u"4");
}

TEST_F(PartnerAmountsTest, ADroppedSessionStoresNothing) {
    {
        ComPtr<ISession> session;
        ASSERT_EQ(CurrentLogin()->CreateSession(session.Out()), S_OK);
        ComPtr<IPracPitMies> june = Month(session.Get(), 4, u"PPM_Rok=2024 AND PPM_Miesiac=6");
        ASSERT_TRUE(june);
        ASSERT_EQ(june->put_wartosc(Bstr(u"DZIAL1_PRZYCHOD").Get(), Variant::FromDouble(10)), S_OK);
    }
    EXPECT_EQ(Scalar(u"select count(*) from TLX.PracPitKwoty where PPK_PPMId = 11"), u"3");
}

}  // namespace
}  // namespace tlx::host::test
