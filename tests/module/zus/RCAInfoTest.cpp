// The rows an insured person's payout elements of a month form: which payouts and elements are read,
// how they are keyed and what the row's code is.
#include <gtest/gtest.h>

#include "StandInDra.h"
#include "ZusPayrollFixture.h"
#include "mv_deklaracje/zus/RCAInfo.h"
#include "platform/text/CodePage.h"

namespace {

class RCAInfoTest : public ZusPayrollTest {
protected:
    void TearDown() override {
        raport_.Reset();
        ZusPayrollTest::TearDown();
    }
    // The rows of the person for May 2016 as "key:code:elements".
    std::vector<std::string> Rows(LONG card) {
        raport_ = CStandInRaport::Make();
        raport_->rok = 2016;
        raport_->miesiac = 5;
        CRCAInfo info(Employee(card).Get(), raport_.Get());
        info.Zbierz(1);
        std::vector<std::string> rows;
        for (const auto& [key, row] : info.Wiersze()) {
            std::string elements;
            for (const auto& element : row->elementy) {
                LONG id = 0;
                element->get_ID(&id);
                elements += (elements.empty() ? "" : ",") + std::to_string(id);
            }
            rows.push_back(std::to_string(key.first) + (key.second ? "Z" : "") + ":" + std::to_string(row->kod) + ":" + elements);
        }
        return rows;
    }
    tlx::ComPtr<CStandInRaport> raport_;
};

TEST_F(RCAInfoTest, TheProcedureCallNamesYearMonthPersonAndTitle) {
    EXPECT_EQ(CRCAInfo::ZapytanieDRA(2016, 3, 42, 11000), u"exec tlx.DRA 2016,3,42,11000");
}

TEST_F(RCAInfoTest, ElementsOfTheMonthAreFiledByTitleInTheOrderMet) {
    AddEmployee(1, u"2016-01-01", 110);
    const std::array<double, 20> zus{1000.0};
    const LONG may = AddPayout(1, 2016, 5);
    const LONG a = AddElement(may, 1000.0, 11000, zus);
    const LONG b = AddElement(AddPayout(1, 2016, 5), 500.0, 11000, zus);
    const LONG c = AddElement(may, 300.0, 123000, zus);
    AddElement(may, 100.0, 0, zus);                  // no title and no benefit code 329: left out
    const LONG d = AddElement(may, 50.0, 0, zus, 329);  // benefit code 329 counts without a title
    AddElement(AddPayout(1, 2016, 3), 700.0, 11000, zus);     // read, but of March
    AddElement(AddPayout(1, 2016, 2), 700.0, 11000, zus);     // three months away: not read
    AddElement(AddPayout(1, 2016, 5, 1), 700.0, 11000, zus);  // a payout of mode 1 never counts
    const auto n = [](LONG id) { return std::to_string(id); };
    const std::vector<std::string> expected{
        "0:0:" + n(d),
        "11000:11000:" + n(a) + "," + n(b),
        "123000:121100:" + n(c),
    };
    EXPECT_EQ(Rows(1), expected);
}

TEST_F(RCAInfoTest, TheCursorVisitsTheRowsOfOneFlag) {
    AddEmployee(1, u"2016-01-01", 110);
    Execute(u"INSERT INTO TLX.Umowy (UMW_UmwId, UMW_PraId, UMW_DataOd, UMW_UBZTyuId) VALUES (2, 1, '2016-05-01 00:00:00', 411)");
    const LONG payout = AddPayout(1, 2016, 5);
    const std::array<double, 20> zus{1000.0};
    const LONG linked = AddElement(payout, 1000.0, 41100, zus);
    AddElement(payout, 1000.0, 41100, zus);
    AddElement(payout, 1000.0, 11000, zus);
    Execute(u"INSERT INTO TLX.WypElementyLinki (WEL_WpeId, WEL_ZrodloId, WEL_ZrodloRodzaj) VALUES (" +
            tlx::Utf8ToUtf16(std::to_string(linked)) + u", 2, 8)");
    Execute(u"UPDATE TLX.WypElementy SET WPE_Flagi = 128 WHERE WPE_KodTytulu = 41100");
    raport_ = CStandInRaport::Make();
    raport_->rok = 2016;
    raport_->miesiac = 5;
    CRCAInfo info(Employee(1).Get(), raport_.Get());
    info.Zbierz(1);
    std::vector<std::uint32_t> zdrowotne, spoleczne;
    for (info.Reset(true); info.HasCurrent(); info.Next()) zdrowotne.push_back(info.Current()->kod);
    for (info.Reset(false); info.HasCurrent(); info.Next()) spoleczne.push_back(info.Current()->kod);
    EXPECT_EQ(zdrowotne, std::vector<std::uint32_t>{41100});
    EXPECT_EQ(spoleczne, std::vector<std::uint32_t>{11000});
}

}  // namespace
