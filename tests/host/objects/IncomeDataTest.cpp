// The host's income data: the flat-rate revenue of a taxpayer's months and the CIT figures of a period.
#include <gtest/gtest.h>

#include "HostFixture.h"
#include "hostapi/IncomeData.h"
#include "platform/com/ClassRegistry.h"
#include "platform/com/Locale.h"
#include "platform/com/VariantConversion.h"

namespace tlx::host::test {
namespace {

class IncomeDataTest : public HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        data_ = Create(GuidToText(CLSID_DaneKsiegowe)).As<IDaneKsiegowe>();
        ASSERT_TRUE(data_);
    }
    // An empty income table as the callers make it.
    static ComPtr<Recordset> IncomeTable() {
        ComPtr<Recordset> rows;
        EXPECT_EQ(CoCreateInstance(CLSID_Recordset, nullptr, CLSCTX_ALL, IidOf<Recordset>(), rows.OutVoid()), S_OK);
        ComPtr<Fields> fields;
        rows->get_Fields(fields.Out());
        for (const char16_t* name : {u"Rok", u"Miesiac"})
            fields->Append(Bstr(name).Get(), adInteger, 0, -1, Variant::Missing());
        for (const char16_t* name : {u"Przychod", u"Koszt", u"Reklama", u"ReklamaKoszt", u"Remanent"})
            fields->Append(Bstr(name).Get(), adCurrency, 0, -1, Variant::Missing());
        rows->put_CursorLocation(adUseClient);
        rows->Open(Variant::Missing(), Variant::Missing(), adOpenUnspecified, adLockUnspecified, -1);
        return rows;
    }
    // Every row as "Rok Miesiac Przychod Koszt Reklama ReklamaKoszt Remanent".
    static std::vector<std::u16string> Lines(Recordset* rows, std::initializer_list<const char16_t*> names) {
        std::vector<std::u16string> lines;
        LONG count = 0;
        rows->get_RecordCount(&count);
        if (count == 0) return lines;
        for (rows->MoveFirst(); !AtEnd(rows); rows->MoveNext()) {
            std::u16string line;
            for (const char16_t* name : names) {
                Variant text;
                Variant value = ReadField(rows, name);
                VariantChangeTypeEx(text.Out(), &value, LANG_ENGLISH_US, 0, VT_BSTR);
                line += (line.empty() ? u"" : u" ") + Bstr(text.bstrVal).Str();
            }
            lines.push_back(line);
        }
        return lines;
    }

    ComPtr<IDaneKsiegowe> data_;
};

TEST_F(IncomeDataTest, FlatRateRevenueFillsOneRowPerMonthWithEntries) {
    Execute(u"insert into TLX.EwidRyczalt (ERy_RokMies, ERy_Przychod) values (202401, 1000), (202401, 250.5), "
            u"(202403, 700), (202404, 9999), (202312, 5000)");
    Execute(u"insert into TLX.EwidRyczalt (ERy_RokMies, ERy_Przychod, ERy_Skreslony) values (202403, 300, 1)");
    Execute(u"insert into TLX.EwidRyczalt (ERy_RokMies, ERy_Przychod, ERy_Bufor) values (202403, 40, 1)");
    ComPtr<Recordset> income = IncomeTable();
    ComPtr<IDispatch> result;
    ASSERT_EQ(data_->WypelnijDochody(income.Get(), 2024, 3, 0, result.Out()), S_OK);
    const auto all = {u"Rok", u"Miesiac", u"Przychod", u"Koszt", u"Reklama", u"ReklamaKoszt", u"Remanent"};
    EXPECT_EQ(Lines(income.Get(), all), (std::vector<std::u16string>{u"2024 1 1250.5 0 0 0 0", u"2024 3 700 0 0 0 0"}))
        << "no February row; April, the year before, crossed-out and buffered entries left out";

    ComPtr<Recordset> withBuffer = IncomeTable();
    ASSERT_EQ(data_->WypelnijDochody(withBuffer.Get(), 2024, 3, 1, result.Out()), S_OK);
    EXPECT_EQ(Lines(withBuffer.Get(), all).back(), u"2024 3 740 0 0 0 0");
    EXPECT_EQ(data_->WypelnijDochody(nullptr, 2024, 3, 0, result.Out()), E_POINTER);
}

TEST_F(IncomeDataTest, CitFiguresAreTheSumsOfThePeriodInOneRow) {
    ComPtr<Recordset> rows;
    ASSERT_EQ(data_->DaneCIT2(2024, 6, 0, rows.Out()), S_OK);
    const auto figures = {u"Przychod", u"PrzUzpTRP", u"KosztyReprezentacji", u"KosztyBezReklamy", u"KosztyPozaRP"};
    EXPECT_EQ(Lines(rows.Get(), figures), (std::vector<std::u16string>{u"0 0 0 0 0"})) << "no figures: zeros";

    Execute(u"insert into TLX.DaneCIT (DCi_RokMies, DCi_Przychod, DCi_PrzUzpTRP, DCi_KosztyReprezentacji, "
            u"DCi_KosztyBezReklamy, DCi_KosztyPozaRP) values (202401, 100, 10, 1, 50, 5), "
            u"(202406, 200.25, 20, 2, 60, 6), (202407, 1000, 1000, 1000, 1000, 1000)");
    Execute(u"insert into TLX.DaneCIT (DCi_RokMies, DCi_Przychod, DCi_Bufor) values (202405, 7, 1)");
    ASSERT_EQ(data_->DaneCIT2(2024, 6, 0, rows.Out()), S_OK);
    EXPECT_EQ(Lines(rows.Get(), figures), (std::vector<std::u16string>{u"300.25 30 3 110 11"}));
    ASSERT_EQ(data_->DaneCIT2(2024, 6, 1, rows.Out()), S_OK);
    EXPECT_EQ(Lines(rows.Get(), {u"Przychod"}), (std::vector<std::u16string>{u"307.25"})) << "buffered figures count";
}

TEST_F(IncomeDataTest, FlatRateRevenueByRateSumsEachRateOfThePeriodHighestFirst) {
    ComPtr<Recordset> rows;
    ASSERT_EQ(data_->PrzychodyWgStawek(2024, 12, 0, rows.Out()), S_OK);
    EXPECT_TRUE(Lines(rows.Get(), {u"Stawka", u"Przychod"}).empty()) << "no entries: no rows";

    Execute(u"insert into TLX.EwidRyczalt (ERy_RokMies, ERy_Przychod, ERy_Stawka) values (202401, 1000, 3), "
            u"(202402, 500.5, 8.5), (202406, 250, 3), (202407, 99, 3), (202312, 5000, 8.5)");
    Execute(u"insert into TLX.EwidRyczalt (ERy_RokMies, ERy_Przychod, ERy_Stawka, ERy_Skreslony) values (202403, 300, 3, 1)");
    Execute(u"insert into TLX.EwidRyczalt (ERy_RokMies, ERy_Przychod, ERy_Stawka, ERy_Bufor) values (202404, 40, 17, 1)");
    ASSERT_EQ(data_->PrzychodyWgStawek(2024, 6, 0, rows.Out()), S_OK);
    EXPECT_EQ(Lines(rows.Get(), {u"Stawka", u"Przychod"}), (std::vector<std::u16string>{u"8.5 500.5", u"3 1250"}))
        << "July, the year before, crossed-out and buffered entries left out";
    ASSERT_EQ(data_->PrzychodyWgStawek(2024, 6, 1, rows.Out()), S_OK);
    EXPECT_EQ(Lines(rows.Get(), {u"Stawka"}), (std::vector<std::u16string>{u"17", u"8.5", u"3"})) << "buffered entries count";
    EXPECT_EQ(data_->PrzychodyWgStawek(2024, 6, 0, nullptr), E_POINTER);
}

}  // namespace
}  // namespace tlx::host::test
