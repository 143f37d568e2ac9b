// The cost of reaching a dual interface's member by name and converting its arguments, as scripts do
// for every property they touch.
#include <benchmark/benchmark.h>

#include "platform/com/Dispatch.h"

namespace {

struct ICounter : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{5A0F3E21-7C44-4B8E-9E61-0C2D4B6A8F10}");
    using Base = IDispatch;
    virtual HRESULT get_Total(CY* value) = 0;
    virtual HRESULT Add(CY amount, LONG times) = 0;

protected:
    ~ICounter() = default;
};

const tlx::DispatchTable& DispatchTableOf(ICounter*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&ICounter::get_Total>(u"Total", 1),
        tlx::DispMethod<&ICounter::Add>(u"Add", 2),
    };
    return table;
}

class CCounter final : public tlx::ComObject<CCounter, tlx::Dispatch<ICounter>> {
public:
    HRESULT get_Total(CY* value) override {
        *value = total_;
        return S_OK;
    }
    HRESULT Add(CY amount, LONG times) override {
        total_.int64 += amount.int64 * times;
        return S_OK;
    }

private:
    CY total_{0};
};

void NameThenInvoke(benchmark::State& state) {
    auto counter = CCounter::Make();
    IDispatch* object = static_cast<ICounter*>(counter.Get());
    LPOLESTR name[] = {const_cast<LPOLESTR>(u"add")};
    for (auto _ : state) {
        DISPID id = 0;
        object->GetIDsOfNames(IID_NULL, name, 1, LOCALE_USER_DEFAULT, &id);
        VARIANT args[2] = {tlx::Variant::FromLong(2).Detach(), tlx::Variant::FromString(u"12,34").Detach()};
        DISPPARAMS params{args, nullptr, 2, 0};
        benchmark::DoNotOptimize(
            object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr));
        VariantClear(&args[0]);
        VariantClear(&args[1]);
    }
}
BENCHMARK(NameThenInvoke);

void TextToCurrency(benchmark::State& state) {
    tlx::Variant text = tlx::Variant::FromString(u"-1 234 567,8912");
    tlx::Variant amount;
    for (auto _ : state) benchmark::DoNotOptimize(VariantChangeType(&amount, &text, 0, VT_CY));
}
BENCHMARK(TextToCurrency);

}  // namespace
