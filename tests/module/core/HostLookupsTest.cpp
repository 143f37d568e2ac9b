#include <gtest/gtest.h>

#include "ModuleClassFixture.h"
#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/core/HostLookups.h"
#include "mv_deklaracje/core/ModuleGlobals.h"
#include "hostapi/CalendarDispatch.h"
#include "hostapi/SubjectsDispatch.h"

namespace {

// An HR component of one of the host's HR editions.
class CEditionHr final : public tlx::ComObject<CEditionHr, tlx::Dispatch<IHrComponent>> {
public:
    LONG kind = 0;
    HRESULT GetProductKind(LONG* answer) override {
        *answer = kind;
        return S_OK;
    }
};

class HostLookupsTest : public ModuleClassTest {
protected:
    HostLookupsTest() { operatorToday_ = 45000.75; }  // 2023-03-15, 18:00
    void TearDown() override {
        Globals().hrComponent.Reset();
        ModuleClassTest::TearDown();
    }
};

LONG DaysOf(ICalendarRange* range) {
    LONG days = -1;
    EXPECT_EQ(range->get_LiczbaDni(&days), S_OK);
    return days;
}

}  // namespace

TEST_F(HostLookupsTest, TodayIsTheOperatorsWorkingDayWithoutTheTime) {
    EXPECT_EQ(GetHostToday(), CDate(45000.0));
}

TEST_F(HostLookupsTest, ProductNameFollowsTheHostEdition) {
    EXPECT_EQ(GetHostProductName(), u"Velmora ERP Mirvak") << "the host's own component is the full product";
    EXPECT_EQ(GetHrComponent(), GetHrComponent()) << "one component for the life of the module";

    auto edition = CEditionHr::Make();
    Globals().hrComponent = tlx::ComPtr<IHrComponent>(edition.Get());
    const std::pair<LONG, const char16_t*> editions[] = {
        {1, u"Velmora ERP ZN HR"}, {2, u"Velmora ERP Sorek HR"}, {3, u"Velmora ERP Mirvak"}, {-1, u"Velmora ERP Mirvak"}};
    for (const auto& [kind, name] : editions) {
        edition->kind = kind;
        EXPECT_EQ(GetHostProductName(), name) << kind;
    }
}

TEST_F(HostLookupsTest, CalendarGetsItsRangeOnlyWhenTheRangeIsForward) {
    const CDate march1(3, 1, 2024), april1(4, 1, 2024);
    auto range = CreateDateRangeObject(march1, april1);
    ASSERT_TRUE(range);
    EXPECT_EQ(DaysOf(range.Get()), 31);
    DATE from = 0;
    range->get_Od(&from);
    EXPECT_EQ(from, march1.Value());

    for (const auto& [first, last] : {std::pair{march1, march1}, {april1, march1}}) {
        auto unset = CreateDateRangeObject(first, last);
        ASSERT_TRUE(unset);
        EXPECT_EQ(DaysOf(unset.Get()), 0) << "the calendar comes without a range";
    }
}
