// The PFRON benchmarks' declarations on a generated company: a declaration of March 2024 added as the
// user leaves it before the first calculation, a calculation measured with its attachments counted
// aside, and the baseline that reads every card through the host objects the calculation opens.
#pragma once

#include "ZusBenchCompany.h"

#include <cstdlib>
#include <memory>

#include "hostapi/Employees.h"
#include "hostapi/Payroll.h"
#include "mv_deklaracje_tlb.h"
#include "platform/ado/DateText.h"
#include "platform/com/Guid.h"

namespace pfronbench {

using namespace zusbench;

// The generated company of `cards` cards, made once for the benchmarks of that size; the company of
// another size is dropped first (the host serves one company at a time). Register the benchmarks of
// one size together.
inline GeneratedCompany& CompanyOf(int cards) {
    static std::unique_ptr<GeneratedCompany> company;
    static int made = 0;
    if (!company || made != cards) {
        company.reset();
        company = std::make_unique<GeneratedCompany>(cards);
        made = cards;
        // The host's own statics were made as the first company started, after `company`: stop the host
        // before they go at exit, not after.
        [[maybe_unused]] static const bool stopsAtExit = (std::atexit([] { company.reset(); }), true);
    }
    return *company;
}

inline ComPtr<ISession> NewSession() {
    ComPtr<ISession> session;
    Check(tlx::host::CurrentLogin()->CreateSession(session.Out()), "CreateSession");
    return session;
}

inline ComPtr<IDispatch> Create(ISession* session, const char16_t* progId,
                                const Variant& parameter = Variant::Missing()) {
    ComPtr<IDispatch> object;
    Check(session->CreateObject(Bstr(progId).Get(), parameter, object.Out()), "CreateObject");
    return object;
}

// A new declaration of the type and version for March 2024, filled in 2024-04-10 as a first filing; not
// saved yet.
inline ComPtr<IDispatch> AddMarchDeclaration(ISession* session, LONG type, LONG version) {
    ComPtr<IDispatch> item;
    Check(Create(session, u"TLXDeklaracje.Deklaracje").As<ICollection>()->AddNew(Variant::Missing(), item.Out()),
          "AddNew");
    Put(item.Get(), u"TypDeklar", Variant::FromLong(type));
    Put(item.Get(), u"Wersja", Variant::FromLong(version));
    Put(item.Get(), u"Rok", Variant::FromLong(2024));
    Put(item.Get(), u"Miesiac", Variant::FromLong(3));
    Put(item.Get(), u"DATAWYPELNIENIA", Variant::FromDate(45392));
    Put(item.Get(), u"RODZAJINFORMACJI", Variant::FromString(u"Z"));
    return item;
}

// The PFRON applications the benchmarks calculate and export, each of March 2024: the WN-D of the first
// generation (version 1) and of the current one (version 6), and the WN-U.
enum class Application { Wnd1, Wnd6, Wnu };

inline const char16_t* CalculatorOf(Application kind) {
    switch (kind) {
        case Application::Wnd1: return u"TLXDeklaracje.WND";
        case Application::Wnd6: return u"TLXDeklaracje.WND3";
        case Application::Wnu: return u"TLXDeklaracje.WNU";
    }
    return nullptr;
}

inline const char* NameOf(Application kind) {
    switch (kind) {
        case Application::Wnd1: return "WN-D 1";
        case Application::Wnd6: return "WN-D 6";
        case Application::Wnu: return "WN-U";
    }
    return nullptr;
}

inline LONG SaveDeclaration(ISession* session, IDispatch* declaration);

// A new application of the kind as the user leaves it before the first calculation (a WN-U for the
// period 3/2024); its identifier.
inline LONG NewApplication(Application kind) {
    ComPtr<ISession> session = NewSession();
    const bool wnu = kind == Application::Wnu;
    ComPtr<IDispatch> item = AddMarchDeclaration(session.Get(), wnu ? 320 : 310, kind == Application::Wnd6 ? 6 : 1);
    if (wnu) {
        for (const char16_t* month : {u"MIESIACOD", u"MIESIACDO"}) Put(item.Get(), month, Variant::FromLong(3));
        for (const char16_t* year : {u"ROKOD", u"ROKDO"}) Put(item.Get(), year, Variant::FromLong(2024));
    }
    return SaveDeclaration(session.Get(), item.Get());
}

// Saves the session's changes; the declaration's identifier.
inline LONG SaveDeclaration(ISession* session, IDispatch* declaration) {
    Check(session->SaveChanges(), "SaveChanges");
    LONG id = 0;
    Check(ComPtr<IDispatch>(declaration).As<IDeklaracja2>()->get_ID(&id), "ID");
    return id;
}

// Przelicz of the declaration `id` through a new calculation object of `progId` at every iteration; the
// attachments it leaves are counted outside the timing.
template <class Calculation>
void MeasurePrzelicz(benchmark::State& state, const char16_t* progId, LONG id, int cards) {
    ComPtr<ISession> session = NewSession();
    LONG attachments = 0;
    for (auto _ : state) {
        ComPtr<Calculation> calculation = Create(session.Get(), progId).template As<Calculation>();
        Check(calculation->put_DeklId(id), "DeklId");
        Check(calculation->Przelicz(), "Przelicz");
        state.PauseTiming();
        ComPtr<IDispatch> children;
        const Variant declaration = Variant::FromString(tlx::Utf8ToUtf16(std::to_string(id)));
        Check(Create(session.Get(), u"TLXDeklaracje.Deklaracje", declaration).As<IDeklaracja2>()->get_Deklaracje(
                  children.Out()),
              "Deklaracje");
        Check(children.As<ICollection>()->get_Count(&attachments), "Count");
        state.ResumeTiming();
    }
    state.counters["cards"] = benchscale::Employees(cards);
    state.counters["attachments"] = attachments;
}

// The amounts of a card's year of payments, element by element; how many elements.
inline long ReadPayments(IPracownik* card) {
    long elements = 0;
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
    return elements;
}

// Whether the card's record at the day states a degree of disability.
inline bool DisabledAt(IPracownik* card, DATE day) {
    ComPtr<IPracEtat> record;
    Check(card->GetEtat(day, Variant::FromLong(0), record.Out()), "GetEtat");
    LONG degree = 0;
    if (record) Check(record->get_StopienNiepelnosprawnosci(&degree), "StopienNiepelnosprawnosci");
    return degree != 0;
}

// Every one of the first `cards` cards read as the PFRON calculations read it, each row once: the card
// opened by its key in a session of its own, its record at the month's end and at the first day of
// the month before, its absences, and, for a card disabled at either day (the only cards whose pay the
// calculations look at), its payouts with their elements. How many elements and absences were read.
inline long ReadEveryCardsMonth(int cards) {
    const DATE march31 = *tlx::ado::MakeOleDate(2024, 3, 31);
    const DATE february1 = *tlx::ado::MakeOleDate(2024, 2, 1);
    const Bstr employees(tlx::GuidToText(CLSID_Pracownicy));
    long read = 0;
    for (int i = 1; i <= cards; ++i) {
        ComPtr<IDispatch> object;
        if (FAILED(NewSession()->CreateObject(employees.Get(), Variant::FromString(tlx::Utf8ToUtf16(std::to_string(i))),
                                              object.Out())) ||
            !object)
            continue;
        auto card = object.As<IPracownik>();
        const bool disabled = DisabledAt(card.Get(), march31) || DisabledAt(card.Get(), february1);
        ComPtr<ICollection> absences;
        Check(card->get_Nieobecnosci(absences.Out()), "Nieobecnosci");
        LONG absent = 0;
        absences->get_Count(&absent);
        read += absent;
        if (disabled) read += ReadPayments(card.Get());
    }
    return read;
}

// The baseline: every card read at each iteration, how many things were read under `counter`.
inline void MeasureReadEveryCard(benchmark::State& state, int cards, const char* counter) {
    for (auto _ : state) {
        long read = ReadEveryCardsMonth(cards);
        benchmark::DoNotOptimize(read);
        state.counters[counter] = static_cast<double>(read);
    }
    state.counters["cards"] = benchscale::Employees(cards);
}

}  // namespace pfronbench
