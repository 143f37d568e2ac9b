// Which payout elements and links of the payouts around a month the collectors' base hands on: by the
// payout's month, or, for the benefit report, by the end of a benefit's own period.
#include <gtest/gtest.h>

#include <array>

#include "StandInDra.h"
#include "ZusPayrollFixture.h"
#include "mv_deklaracje/zus/BaseInfo.h"
#include "mv_deklaracje/zus/PamiecDRA.h"
#include "mv_deklaracje/zus/RCAInfo.h"
#include "platform/text/CodePage.h"

namespace {

// Records what it is handed: "E" + element id, "L" + the link's element id.
class RecordingInfo final : public CBaseInfo {
public:
    using CBaseInfo::CBaseInfo;
    void PrzetworzLink(long, IWypElementLink* link) override {
        tlx::ComPtr<IWypElement> element;
        link->get_Element(element.Out());
        seen.push_back("L" + Id(element.Get()));
    }
    void PrzetworzElement(long, IWypElement* element) override {
        seen.push_back("E" + Id(element));
        tlx::ComPtr<IWyplata> payout;
        element->get_Wyplata(payout.Out());
        cards.push_back(KartaWyplaty(payout.Get()));
    }
    std::vector<std::string> seen;
    std::vector<LONG> cards;  // the card of each element's payout

private:
    static std::string Id(IWypElement* element) {
        LONG id = 0;
        element->get_ID(&id);
        return std::to_string(id);
    }
};

class BaseInfoTest : public ZusPayrollTest {
protected:
    void TearDown() override {
        raport_.Reset();
        ZusPayrollTest::TearDown();
    }
    std::vector<std::string> Seen(bool dataLinku, CPamiecDRA* pamiec = nullptr, IPracownikDane* osoba = nullptr) {
        raport_ = CStandInRaport::Make();
        raport_->rok = 2016;
        raport_->miesiac = 5;
        tlx::ComPtr<IPracownikDane> employee(osoba ? osoba : Employee(1).Get());
        RecordingInfo info(employee.Get(), raport_.Get(), dataLinku);
        if (pamiec) info.WspolnaPamiec(pamiec);
        info.Zbierz(1);
        cards_ = info.cards;
        return info.seen;
    }
    // Card 1's elements of May 2016: a benefit paid in June for days of May, under a benefit code whose
    // links go by their period's end; wages paid in May; and an owner's element (title 05) paid in May,
    // whose links are walked without report kind. Their identifiers, in that order.
    std::array<LONG, 3> BenefitWagesAndOwner() {
        AddEmployee(1, u"2016-01-01", 110);
        const std::array<double, 20> zus{};
        const LONG benefit = AddElement(AddPayout(1, 2016, 6), 900.0, 11000, zus, 313);
        Execute(u"UPDATE TLX.KodySwiadczen SET Pdz_MiesiacKoncaOkresu = 1 WHERE Pdz_PdzId = 313");
        Execute(u"UPDATE TLX.TypWyplata SET TWP_RodzajRaportu = 1 WHERE TWP_PdzId = 313");
        Link(benefit, u"2016-05-10", u"2016-05-31");
        const LONG wages = AddElement(AddPayout(1, 2016, 5), 5000.0, 11000, zus);
        Link(wages, u"2016-05-01", u"2016-05-31");
        const LONG owner = AddElement(AddPayout(1, 2016, 5), 4000.0, 51000, zus);
        Link(owner, u"2016-05-01", u"2016-05-31");
        return {benefit, wages, owner};
    }
    void Link(LONG element, std::u16string_view from, std::u16string_view to) {
        Execute(u"INSERT INTO TLX.WypElementyLinki (WEL_WpeId, WEL_DataOd, WEL_DataDo) VALUES (" +
                tlx::Utf8ToUtf16(std::to_string(element)) + u", '" + std::u16string(from) + u" 00:00:00', '" +
                std::u16string(to) + u" 00:00:00')");
    }
    tlx::ComPtr<CStandInRaport> raport_;
    std::vector<LONG> cards_;
};

TEST_F(BaseInfoTest, ABenefitOfAnotherMonthsPayoutBelongsToTheMonthItsPeriodEndsInForTheBenefitReport) {
    const auto [benefit, wages, owner] = BenefitWagesAndOwner();
    const auto n = [](LONG id) { return std::to_string(id); };

    EXPECT_EQ(Seen(true), (std::vector<std::string>{"E" + n(benefit), "L" + n(benefit), "E" + n(wages), "E" + n(owner),
                                                    "L" + n(owner)}));
    EXPECT_EQ(Seen(false), (std::vector<std::string>{"E" + n(wages), "E" + n(owner), "L" + n(owner)}));
}

// The person's reports of one DRA share one walk of his payouts: whichever walks first, the benefit
// report and the contribution reports are each handed what they would be handed walking alone.
TEST_F(BaseInfoTest, ReportsSharingAPersonsWalkAreHandedWhatEachWouldBeHandedAlone) {
    BenefitWagesAndOwner();
    const std::vector<std::string> byPeriod = Seen(true), byPayout = Seen(false);
    ASSERT_EQ(byPeriod.size(), 5u);
    ASSERT_EQ(byPayout.size(), 3u);

    tlx::ComPtr<IPracownikDane> person = Employee(1);
    CPamiecDRA benefitFirst;
    EXPECT_EQ(Seen(true, &benefitFirst, person.Get()), byPeriod);
    EXPECT_EQ(Seen(false, &benefitFirst, person.Get()), byPayout);
    EXPECT_EQ(Seen(false, &benefitFirst, person.Get()), byPayout);
    EXPECT_EQ(Seen(true, &benefitFirst, person.Get()), byPeriod);

    CPamiecDRA contributionsFirst;
    EXPECT_EQ(Seen(false, &contributionsFirst, person.Get()), byPayout);
    EXPECT_EQ(Seen(true, &contributionsFirst, person.Get()), byPeriod);
    EXPECT_EQ(Seen(false, &contributionsFirst, person.Get()), byPayout);
}

// The month's payouts walked are the card's own and its secondary cards', in the order of their
// identifiers whichever card they belong to; another card's and corrections are not.
TEST_F(BaseInfoTest, ACardsPayoutsAndItsSecondaryCardsComeInTheOrderOfTheirIdentifiers) {
    AddEmployee(1, u"2016-01-01", 110);
    AddEmployee(2, u"2016-01-01", 411, u"80010112345", 1, 1, 1);
    AddEmployee(3, u"2016-01-01", 110);
    const std::array<double, 20> zus{};
    const LONG secondary = AddElement(AddPayout(2, 2016, 5), 300.0, 41100, zus);
    AddElement(AddPayout(3, 2016, 5), 500.0, 11000, zus);
    AddElement(AddPayout(1, 2016, 5, 1), 700.0, 11000, zus);
    const LONG own = AddElement(AddPayout(1, 2016, 5), 900.0, 11000, zus);
    const LONG secondaryAgain = AddElement(AddPayout(2, 2016, 5), 1100.0, 41100, zus);
    const auto e = [](LONG id) { return "E" + std::to_string(id); };

    EXPECT_EQ(Seen(false), (std::vector<std::string>{e(secondary), e(own), e(secondaryAgain)}));
    EXPECT_EQ(cards_, (std::vector<LONG>{2, 1, 2})) << "each payout's own card";
}

TEST_F(BaseInfoTest, TheMonthOfAPayrollListIsItsDays) {
    auto okres = [&] {
        tlx::ComPtr<IDispatch> lists = Create(u"{78B12835-6A2D-4449-915C-D674EAF365D1}");
        tlx::ComPtr<IDispatch> list;
        EXPECT_EQ(lists.As<ICollection>()->AddNew(tlx::Variant::Missing(), list.Out()), S_OK);
        tlx::ComPtr<IOkresowy> month;
        EXPECT_EQ(list.As<IListaPlac>()->get_RokMiesiac(month.Out()), S_OK);
        month->put_Rok(2024);
        month->put_Miesiac(2);
        return month;
    }();
    auto range = CRCAInfo::MiesiacListy(okres.Get());
    ASSERT_TRUE(range);
    DATE od = 0, doDnia = 0;
    range->get_Od(&od);
    range->get_Do(&doDnia);
    EXPECT_EQ(od, CDate(2, 1, 2024).Value());
    EXPECT_EQ(doDnia, CDate(3, 1, 2024).Value()) << "the day after February's 29th";
}

}  // namespace
