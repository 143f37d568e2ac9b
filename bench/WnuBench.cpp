// The WN-U calculation on a generated company of 10 000 cards (the demo's cards copied, a quarter of them
// disabled, with their linked cards and a year of payroll): Przelicz of a March 2024 WN-U, against a
// baseline that reads every card's month-end record, its absences and its year's payments with their
// elements through the same host objects. The calculation should stay within four times the baseline.
//   build/release/bench/WnuBench
// First figure (one run of two iterations, on a machine at load average 28 on 8 cores): Przelicz 17.6 s of
// processor time (85.2 s wall, 2 000 attachments), the baseline 33.2 s (41.4 s wall, 121 500 elements and
// absences): the calculation takes about half the baseline's processor time.
#include "ZusBenchCompany.h"

#include "hostapi/Employees.h"
#include "hostapi/Payroll.h"
#include "mv_deklaracje_tlb.h"
#include "platform/ado/DateText.h"

namespace {

using namespace zusbench;

constexpr int kCards = 10000;

GeneratedCompany& TheCompany() {
    static GeneratedCompany company(kCards);
    return company;
}

ComPtr<ISession> NewSession() {
    ComPtr<ISession> session;
    Check(tlx::host::CurrentLogin()->CreateSession(session.Out()), "CreateSession");
    return session;
}

ComPtr<IDispatch> Create(ISession* session, const char16_t* progId, const Variant& parameter = Variant::Missing()) {
    ComPtr<IDispatch> object;
    Check(session->CreateObject(Bstr(progId).Get(), parameter, object.Out()), "CreateObject");
    return object;
}

// A WN-U of March 2024 for the period 3/2024 as the user leaves it before the first calculation; its
// identifier.
LONG NewWnu() {
    ComPtr<ISession> session = NewSession();
    ComPtr<IDispatch> item;
    Check(Create(session.Get(), u"TLXDeklaracje.Deklaracje").As<ICollection>()->AddNew(Variant::Missing(), item.Out()),
          "AddNew");
    Put(item.Get(), u"TypDeklar", Variant::FromLong(320));
    Put(item.Get(), u"Wersja", Variant::FromLong(1));
    Put(item.Get(), u"Rok", Variant::FromLong(2024));
    Put(item.Get(), u"Miesiac", Variant::FromLong(3));
    Put(item.Get(), u"DATAWYPELNIENIA", Variant::FromDate(45392));
    Put(item.Get(), u"RODZAJINFORMACJI", Variant::FromString(u"Z"));
    for (const char16_t* month : {u"MIESIACOD", u"MIESIACDO"}) Put(item.Get(), month, Variant::FromLong(3));
    for (const char16_t* year : {u"ROKOD", u"ROKDO"}) Put(item.Get(), year, Variant::FromLong(2024));
    Check(session->SaveChanges(), "SaveChanges");
    LONG id = 0;
    Check(item.As<IDeklaracja2>()->get_ID(&id), "ID");
    return id;
}

void BM_Przelicz(benchmark::State& state) {
    TheCompany();
    const LONG id = NewWnu();
    ComPtr<ISession> session = NewSession();
    LONG attachments = 0;
    for (auto _ : state) {
        ComPtr<IWNU> wnu = Create(session.Get(), u"TLXDeklaracje.WNU").As<IWNU>();
        Check(wnu->put_DeklId(id), "DeklId");
        Check(wnu->Przelicz(), "Przelicz");
        state.PauseTiming();
        ComPtr<IDispatch> children;
        Check(Create(session.Get(), u"TLXDeklaracje.Deklaracje", Variant::FromString(tlx::Utf8ToUtf16(std::to_string(id))))
                  .As<IDeklaracja2>()->get_Deklaracje(children.Out()),
              "Deklaracje");
        Check(children.As<ICollection>()->get_Count(&attachments), "Count");
        state.ResumeTiming();
    }
    state.counters["cards"] = kCards;
    state.counters["attachments"] = attachments;
}
BENCHMARK(BM_Przelicz)->Unit(benchmark::kMillisecond)->Iterations(2);

// Every card's month-end record, its absences and the elements of its payments, one session per card as
// the calculation opens them.
void BM_ReadEveryCard(benchmark::State& state) {
    TheCompany();
    const DATE march31 = *tlx::ado::MakeOleDate(2024, 3, 31);
    for (auto _ : state) {
        long elements = 0;
        for (int i = 1; i <= kCards; ++i) {
            ComPtr<ISession> session = NewSession();
            ComPtr<ICollection> cards = Create(session.Get(), u"TLX.Pracownicy").As<ICollection>();
            ComPtr<IDispatch> item;
            if (FAILED(cards->Item(Variant::FromString(tlx::Utf8ToUtf16(std::to_string(i))), item.Out())) || !item)
                continue;
            auto card = item.As<IPracownik>();
            ComPtr<IPracEtat> record;
            Check(card->GetEtat(march31, Variant::FromLong(0), record.Out()), "GetEtat");
            ComPtr<ICollection> absences;
            Check(card->get_Nieobecnosci(absences.Out()), "Nieobecnosci");
            LONG absent = 0;
            absences->get_Count(&absent);
            elements += absent;
            ComPtr<ICollection> payouts;
            Check(card->get_Wyplaty(payouts.Out()), "Wyplaty");
            LONG count = 0;
            payouts->get_Count(&count);
            for (LONG p = 0; p < count; ++p) {
                ComPtr<IDispatch> payout;
                payouts->Item(Variant::FromLong(p), payout.Out());
                ComPtr<ICollection> items;
                payout.As<IWyplata>()->get_Elementy(items.Out());
                LONG n = 0;
                items->get_Count(&n);
                for (LONG e = 0; e < n; ++e) {
                    ComPtr<IDispatch> element;
                    items->Item(Variant::FromLong(e), element.Out());
                    CY amount{};
                    element.As<IWypElement>()->get_Kwota(&amount);
                    ++elements;
                }
            }
        }
        benchmark::DoNotOptimize(elements);
        state.counters["elements and absences"] = static_cast<double>(elements);
    }
}
BENCHMARK(BM_ReadEveryCard)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace
