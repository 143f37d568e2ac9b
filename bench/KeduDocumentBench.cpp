// The ZSWA's KEDU element written from a page text of 10 000 insured persons' entries made here, against
// one pass that only cuts the same text into its lines: the writer's cost beyond reading the text once.
//   build/release/bench/KeduDocumentBench
// RelWithDebInfo, this machine shared with other builds (medians of 5, cpu time): the element 13.8 ms,
// the split 2.6 ms, 5.3 times; the writer's period dates, fractions, names and title code are written
// straight into the document.
#include <benchmark/benchmark.h>

#include <string>

#include "mv_deklaracje/kedu/KeduDocuments.h"
#include "mv_deklaracje/kedu/KeduPage.h"

namespace {

constexpr int kEntries = 10000;

std::u16string Number(long long n) {
    const std::string text = std::to_string(n);
    return std::u16string(text.begin(), text.end());
}

// The page text of a ZSWA as the host's KEDU component lays it out: the payer, the statement, the
// declaration's block, then one entry per person with two periods.
const std::u16string& PageText() {
    static const std::u16string text = [] {
        std::u16string page = u"<ZUSZSWA>\r\n<DIPL>\r\n5260250274\r\n012345675\r\n\r\n\r\n\r\nPRZYKŁADOWA\r\n</DIPL>\r\n"
                              u"<OPLR>\r\n20012025\r\n</OPLR>\r\n<DOZSWA>\r\n\r\n1\r\n2024\r\n</DOZSWA>\r\n";
        for (int i = 0; i < kEntries; ++i) {
            page += u"<DDOZSWA>\r\n" + Number(80010100000LL + i) + u"\r\n\r\n\r\n\r\nKAMIŃSKA\r\nMAGDALENA\r\n"
                    u"22111988\r\n011001\r\n2\r\n01012024\r\n30062024\r\n1\r\n1\r\n3\r\n01072024\r\n31122024\r\n1\r\n2\r\n"
                    u"</DDOZSWA>\r\n";
        }
        return page + u"</ZUSZSWA>\r\n";
    }();
    return text;
}

void ZswaElement(benchmark::State& state) {
    const KeduPage page(PageText(), 2024, 12);
    for (auto _ : state) benchmark::DoNotOptimize(ZSWAToXML(page));
    state.SetItemsProcessed(state.iterations() * kEntries);
}
BENCHMARK(ZswaElement)->Unit(benchmark::kMillisecond);

void SplitIntoLines(benchmark::State& state) {
    const std::u16string& text = PageText();
    for (auto _ : state) {
        std::size_t lines = 0;
        for (std::size_t at = 0, end; (end = text.find(u"\r\n", at)) != std::u16string::npos; at = end + 2) {
            benchmark::DoNotOptimize(text.substr(at, end - at));
            ++lines;
        }
        benchmark::DoNotOptimize(lines);
    }
    state.SetItemsProcessed(state.iterations() * kEntries);
}
BENCHMARK(SplitIntoLines)->Unit(benchmark::kMillisecond);

}  // namespace
