// The WN-D calculation on a generated company of 10 000 cards (the demo's cards copied, a quarter of them
// disabled, with their linked cards and a year of payroll): Przelicz of a March 2024 WN-D of version 6,
// against a baseline that reads every card's month-end record and its year's payments with their
// elements through the same host objects.
//   build/release/bench/WndBench
// First figure (one run of two iterations, on a machine at load average 36 on 8 cores): Przelicz 6.9 s of
// processor time (30.4 s wall, 500 attachments), the baseline 27.6 s (111.6 s wall, 118 500 elements).
// The run's attachments added to one declarations collection instead of one each, which read every
// declaration row of the company (old and new module in turn, two runs each, load 4-6, processor time of
// an iteration): Przelicz 7.79 / 7.75 s -> 7.18 / 7.07 s.
#include "PfronBenchDeclaration.h"

namespace {

using namespace pfronbench;

constexpr int kCards = 10000;

GeneratedCompany& TheCompany() {
    static GeneratedCompany company(kCards);
    return company;
}

// A WN-D of March 2024 in version 6 as the user leaves it before the first calculation; its identifier.
LONG NewWnd() {
    ComPtr<ISession> session = NewSession();
    ComPtr<IDispatch> item = AddMarchDeclaration(session.Get(), 310, 6);
    return SaveDeclaration(session.Get(), item.Get());
}

void BM_Przelicz(benchmark::State& state) {
    TheCompany();
    MeasurePrzelicz<IWND>(state, u"TLXDeklaracje.WND3", NewWnd(), kCards);
}
BENCHMARK(BM_Przelicz)->Unit(benchmark::kMillisecond)->Iterations(2);

// Every card's month-end record and the elements of its payments, one session per card as the
// calculation opens them.
void BM_ReadEveryCard(benchmark::State& state) {
    TheCompany();
    MeasureReadEveryCard(state, kCards, false, "elements");
}
BENCHMARK(BM_ReadEveryCard)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace
