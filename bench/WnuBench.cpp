// The WN-U calculation on generated companies of 1 000 and 10 000 cards (the demo's cards copied, a
// quarter of them disabled, with their linked cards and a year of payroll): Przelicz of a March 2024
// WN-U, against a baseline that reads what the calculation reads of the cards through the same host
// objects, each row once: every card's records and absences, and the payouts with their elements of the
// cards disabled in the months it looks at. The calculation should stay within four times the baseline.
// (The figures below up to the next note are of 10 000 cards, against a baseline that read every card's
// year of payments.)
//   build/release/bench/WnuBench
// First figure (one run of two iterations, on a machine at load average 28 on 8 cores): Przelicz 17.6 s of
// processor time (85.2 s wall, 2 000 attachments), the baseline 33.2 s (41.4 s wall, 121 500 elements and
// absences): the calculation takes about half the baseline's processor time.
// The run's attachments added to one declarations collection instead of one each, which read every
// declaration row of the company (old and new module in turn, two runs each, load 4-5, processor time of
// an iteration): Przelicz 12.8 / 12.8 s -> 7.5 / 7.1 s (the program's user and system time 22.3 + 4.8 /
// 23.1 + 4.1 s -> 15.3 + 0.9 / 14.5 + 1.0 s).
// Against the baseline of what it reads (33 000 absences and elements), with the full-time routines
// reading the records once a month (load 35-45, processor time of an iteration): Przelicz 3.0 s, the
// baseline 0.67 s, so the WN-U stands at 4.5 times what it reads, not within 4.
// Then at 1 000 and 10 000 cards side by side, with the connection's cache of prepared statements keeping
// the texts used most (it had refused new texts once full, so that every statement of the save was
// prepared anew). Instructions (callgrind, two iterations each), old module -> this one: Przelicz 2.61 /
// 34.8 -> 2.62 / 26.0 billion (13.4 -> 9.95 times the 1 000 run; its save 0.86 / 18.0 -> 0.87 / 9.2), the
// baseline 0.55 / 5.6 billion: the WN-U at 4.8 / 6.2 -> 4.8 / 4.65 times what it reads. Of the 10 000
// run, the reads the baseline makes too (cards in sessions of their own, records, absences, payouts)
// are about 9 billion; the 2 000 attachments take most of the rest: their save 9.2 billion (35 %; the host's
// batch writes of their element rows 4.9), made new with their form loaded and a value element bound to
// each field 4.8 billion (18 %), their fields written 2.1 billion (8 %).
#include "PfronBenchDeclaration.h"

namespace {

using namespace pfronbench;

void BM_Przelicz(benchmark::State& state) {
    const int cards = static_cast<int>(state.range(0));
    CompanyOf(cards);
    MeasurePrzelicz<IWNU>(state, CalculatorOf(Application::Wnu), NewApplication(Application::Wnu), cards);
}

// What the calculation reads of the cards, each row once: every card's records and absences in a
// session of its own, and the payouts with their elements of the cards disabled in the months it
// looks at.
void BM_ReadEveryCard(benchmark::State& state) {
    const int cards = static_cast<int>(state.range(0));
    CompanyOf(cards);
    MeasureReadEveryCard(state, cards, "elements and absences");
}

// The benchmarks of one company size run together.
const bool kRegistered = [] {
    for (int cards : {1000, 10000}) {
        for (auto* b : {benchmark::RegisterBenchmark("BM_Przelicz", BM_Przelicz),
                        benchmark::RegisterBenchmark("BM_ReadEveryCard", BM_ReadEveryCard)})
            b->Arg(cards)->Unit(benchmark::kMillisecond)->Iterations(2);
    }
    return true;
}();

}  // namespace
