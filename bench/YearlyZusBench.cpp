// The yearly ZUS declarations on generated companies of 20, 80 and 320 payroll cards (the demo company's
// twenty cards copied, each with its year of payroll): calculating an IWA, which opens every employee in
// a session of his own and walks his payouts, contracts and absences, and a ZSWA, which reads the
// special-work records of the year. Both should grow with the number of cards, not faster.
//
// Release, this machine, shared with other builds (wall time of one calculation; CPU per card):
// IWA 21 ms / 93 ms / 453 ms for 20 / 80 / 320 cards (0.96, 1.01, 1.29 ms a card); ZSWA 26 ms / 33 ms /
// 74 ms (0.44, 0.17, 0.13 ms a card, the form's checks and the session save standing first).
#include "ZusBenchCompany.h"

namespace {

using zusbench::GeneratedCompany;

void BM_Iwa(benchmark::State& state) {
    GeneratedCompany company(static_cast<int>(state.range(0)));
    for (auto _ : state) GeneratedCompany::Calculate(130);
    state.counters["per card"] =
        benchmark::Counter(static_cast<double>(state.range(0)), benchmark::Counter::kIsIterationInvariantRate |
                                                                     benchmark::Counter::kInvert);
}
BENCHMARK(BM_Iwa)->Arg(20)->Arg(80)->Arg(320)->Unit(benchmark::kMillisecond);

void BM_Zswa(benchmark::State& state) {
    GeneratedCompany company(static_cast<int>(state.range(0)));
    for (auto _ : state) GeneratedCompany::Calculate(106);
    state.counters["per card"] =
        benchmark::Counter(static_cast<double>(state.range(0)), benchmark::Counter::kIsIterationInvariantRate |
                                                                     benchmark::Counter::kInvert);
}
BENCHMARK(BM_Zswa)->Arg(20)->Arg(80)->Arg(320)->Unit(benchmark::kMillisecond);

}  // namespace
