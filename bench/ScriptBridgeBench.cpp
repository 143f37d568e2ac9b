// Cost of reading a COM object's property through the script bridge, against reading a plain script
// object's property: each benchmark evaluates a loop of 1000 reads.
#include <benchmark/benchmark.h>

#include "host/script/ScriptEngine.h"
#include "platform/com/Dispatch.h"

namespace {

struct ICounter : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{8D4C2B1A-0F3E-4A5B-9C6D-7E8F90A1B2C3}");
    using Base = IDispatch;
    virtual HRESULT get_Value(LONG* value) = 0;

protected:
    ~ICounter() = default;
};

const tlx::DispatchTable& DispatchTableOf(ICounter*) {
    static const tlx::DispatchTable table{tlx::DispGet<&ICounter::get_Value>(u"Value", 1)};
    return table;
}

class CCounter final : public tlx::ComObject<CCounter, tlx::Dispatch<ICounter>> {
public:
    HRESULT get_Value(LONG* value) override {
        *value = 1;
        return S_OK;
    }
};

constexpr char16_t kLoops[] =
    u"var plain = { Value: 1 };\n"
    u"function readPlain(n) { var s = 0; for (var i = 0; i < n; i++) s += plain.Value; return s; }\n"
    u"function readBridge(n) { var s = 0; for (var i = 0; i < n; i++) s += counter.Value; return s; }\n";

void RunLoop(benchmark::State& state, const char16_t* call) {
    auto engine = tlx::ComPtr<IScriptEngine>(tlx::host::CScriptEngine::Make().Get());
    auto counter = CCounter::Make();
    tlx::Bstr name(u"counter"), loops(kLoops), code(call);
    engine->AddNamedItem(name.Get(), static_cast<ICounter*>(counter.Get()));
    engine->AddScriptText(loops.Get());
    for (auto _ : state) {
        tlx::Variant result;
        engine->Evaluate(code.Get(), tlx::Variant(), result.Out());
        if (result.vt != VT_I4 || result.lVal != 1000) state.SkipWithError("the loop did not read 1000 ones");
    }
    state.SetItemsProcessed(state.iterations() * 1000);
}

void PlainPropertyRead(benchmark::State& state) { RunLoop(state, u"readPlain(1000)"); }
void BridgePropertyRead(benchmark::State& state) { RunLoop(state, u"readBridge(1000)"); }

}  // namespace

BENCHMARK(PlainPropertyRead);
BENCHMARK(BridgePropertyRead);
