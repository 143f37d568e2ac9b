// The host's KEDU component on a ZUSRCA document of 10 000 person blocks of 40 positions: the document
// built through IKeduBlok puts, its ToString and its FromString, against writing the same text with a
// plain string builder.
#include <benchmark/benchmark.h>

#include <charconv>
#include <cstdlib>
#include <string>

#include "host/HostClasses.h"
#include "hostapi/Kedu.h"
#include "platform/com/ClassRegistry.h"
#include "platform/com/ComPtr.h"
#include "platform/com/Variant.h"

namespace {

constexpr int kPersons = 10000;
constexpr int kPositions = 40;

// The value at a person's position: texts, whole numbers and amounts in turn.
tlx::Variant ValueAt(int person, int position) {
    switch (position % 3) {
        case 0: return tlx::Variant::FromString(u"NOWAK");
        case 1: return tlx::Variant::FromLong(person * 100 + position);
        default: {
            tlx::Variant amount;
            amount.vt = VT_CY;
            amount.cyVal.int64 = (static_cast<LONGLONG>(person) * 7919 + position) * 100;  // whole grosze
            return amount;
        }
    }
}

tlx::ComPtr<IKeduDokument> NewDocument() {
    static const bool registered = [] { return SUCCEEDED(tlx::host::RegisterHostClasses()); }();
    if (!registered) std::abort();
    CLSID clsid{};
    tlx::ComPtr<IKeduPlik> kedu;
    tlx::ComPtr<IKeduDokumenty> documents;
    tlx::ComPtr<IKeduDokument> document;
    if (FAILED(CLSIDFromProgID(u"TlxKedu.KEDU", &clsid)) ||
        FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_ALL, IID_IKeduPlik, kedu.OutVoid())) ||
        FAILED(kedu->get_Dokumenty(documents.Out())) ||
        FAILED(documents->Add(tlx::Bstr(u"ZUSRCA").Get(), document.Out())))
        std::abort();
    return document;
}

tlx::ComPtr<IKeduDokument> BuiltDocument() {
    tlx::ComPtr<IKeduDokument> document = NewDocument();
    tlx::ComPtr<IKeduBloki> blocks;
    if (FAILED(document->get_bloki(blocks.Out()))) std::abort();
    for (int person = 1; person <= kPersons; ++person) {
        tlx::ComPtr<IKeduBlok> block;
        if (FAILED(blocks->Add(block.Out()))) std::abort();
        for (int position = 1; position <= kPositions; ++position)
            if (FAILED(block->put_Item(position, 0, ValueAt(person, position)))) std::abort();
    }
    return document;
}

std::u16string TextOf(IKeduDokument* document) {
    tlx::Bstr text;
    if (FAILED(document->ToString(text.Out()))) std::abort();
    return std::u16string(text.View());
}

void AppendNumber(std::u16string& text, long long value) {
    char digits[24];
    char* end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    text.append(digits, end);
}

// The same text written straight into a string.
std::u16string PlainText() {
    std::u16string text = u"<ZUSRCA>\r\n";
    for (int person = 1; person <= kPersons; ++person) {
        text += u"<DDORCA>\r\n";
        for (int position = 1; position <= kPositions; ++position) {
            tlx::Variant value = ValueAt(person, position);
            if (value.vt == VT_BSTR) {
                text += value.bstrVal;
            } else if (value.vt == VT_I4) {
                AppendNumber(text, value.lVal);
            } else {
                LONGLONG grosze = value.cyVal.int64 / 100;
                AppendNumber(text, grosze / 100);
                text += u'.';
                text += static_cast<char16_t>(u'0' + grosze % 100 / 10);
                text += static_cast<char16_t>(u'0' + grosze % 10);
            }
            text += u"\r\n";
        }
        text += u"</DDORCA>\r\n";
    }
    return text + u"</ZUSRCA>\r\n";
}

void KeduPuts(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(BuiltDocument().Get());
    state.SetItemsProcessed(state.iterations() * kPersons * kPositions);
}
BENCHMARK(KeduPuts)->Unit(benchmark::kMillisecond);

void KeduToString(benchmark::State& state) {
    tlx::ComPtr<IKeduDokument> document = BuiltDocument();
    for (auto _ : state) benchmark::DoNotOptimize(TextOf(document.Get()));
}
BENCHMARK(KeduToString)->Unit(benchmark::kMillisecond);

void KeduFromString(benchmark::State& state) {
    tlx::Bstr text(TextOf(BuiltDocument().Get()));
    tlx::ComPtr<IKeduDokument> document = NewDocument();
    for (auto _ : state)
        if (FAILED(document->FromString(text.Get()))) std::abort();
    if (TextOf(document.Get()) != text.View()) state.SkipWithError("FromString did not read back its text");
}
BENCHMARK(KeduFromString)->Unit(benchmark::kMillisecond);

void PlainStringBuilder(benchmark::State& state) {
    if (PlainText() != TextOf(BuiltDocument().Get())) state.SkipWithError("the plain text differs");
    for (auto _ : state) benchmark::DoNotOptimize(PlainText());
}
BENCHMARK(PlainStringBuilder)->Unit(benchmark::kMillisecond);

}  // namespace
