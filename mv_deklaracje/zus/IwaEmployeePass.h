// One person's share of the IWA count of a year, over each of his cards (his main card and its
// secondary cards): whether a card belongs to the year at all (its records and contracts), in which
// months its payouts make him an insured person subject to accident insurance, and whether an accident
// at work makes him one of the year's injured persons. A month counts once for the person, and he is
// injured at most once, whichever cards bring them.
#pragma once

#include <array>

#include "hostapi/Payroll.h"
#include "mv_deklaracje/core/Date.h"
#include "platform/com/ComPtr.h"

class CIwaEmployeePass {
public:
    // What the passes over every employee of the company add up.
    struct Counts {
        std::array<double, 12> months{};  // index 0 = January
        double injured = 0.0;
    };

    CIwaEmployeePass(int year, Counts& counts);
    CIwaEmployeePass(const CIwaEmployeePass&) = delete;
    CIwaEmployeePass& operator=(const CIwaEmployeePass&) = delete;

    // Adds the months and the injury that one card of the person brings and that his cards before it
    // did not. Host failures are raised; what was added before a failure stays.
    void Run(IPracownik* card);

private:
    // Stage 1: a record overlapping the year, accident insurance not ended before it, or an
    // accident-insured contract of the titles 0400-0499 overlapping it.
    bool QualifiesForYear();
    bool HasAccidentInsuredContract(ICalendarRange* year);
    // Stage 2: one payout.
    void CountPayout(IWyplata* payout);
    void CountEmploymentPayout(int month, IDniKalendarza* monthDays, double amount);
    void CountContractPayout(int month, IDniKalendarza* monthDays, double amount, IWyplata* payout);
    bool LinksAccidentInsuredContract(IWyplata* payout);
    bool IsAccidentInsuredContract(LONG contractId);
    void CountMonth(int month);
    // Stage 3: the month's absence days that keep an insured person from counting, and the injury.
    LONG AbsenceDays(bool employment, IDniKalendarza* monthDays, bool counted);
    // Whether an absence of accident category continues, without a gap, one begun before the year.
    bool ContinuesChainFromBeforeYear(INieobecnosc* absence);
    [[noreturn]] void RaiseLoop(const char16_t* what, const CDate& from);

    tlx::ComPtr<IPracownik> employee_;  // the card being counted
    int year_;
    Counts& counts_;
    tlx::ComPtr<IPracKadry> absences_;
    std::array<bool, 12> monthDone_{};  // the person's, over all his cards
    bool accident_ = false;
};
