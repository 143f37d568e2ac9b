#include "mv_deklaracje/pfron/HostEmployeeMonth.h"

#include "hostapi/Collections.h"
#include "mv_deklaracje/core/CollectionEnumerator.h"
#include "mv_deklaracje/core/ComError.h"
#include "platform/com/Bstr.h"

namespace {
template <class T>
T* Require(const tlx::ComPtr<T>& object) {
    if (!object) RaiseHResult(E_POINTER);
    return object.Get();
}

template <class T>
long ReadLong(T* object, HRESULT (T::*member)(LONG*)) {
    LONG value = 0;
    CheckHost((object->*member)(&value));
    return value;
}

using AmountMember = HRESULT (ITypWyplaty::*)(CY*);
template <std::size_t N>
std::array<LONGLONG, N> ReadAmounts(ITypWyplaty* type, const AmountMember (&members)[N]) {
    std::array<LONGLONG, N> counts{};
    for (std::size_t i = 0; i < N; ++i) {
        CY amount{};
        CheckHost((type->*members[i])(&amount));
        counts[i] = amount.int64;
    }
    return counts;
}
constexpr AmountMember kDeductions[6] = {
    &ITypWyplaty::get_Potracenie1, &ITypWyplaty::get_Potracenie2, &ITypWyplaty::get_Potracenie3,
    &ITypWyplaty::get_Potracenie4, &ITypWyplaty::get_Potracenie5, &ITypWyplaty::get_Potracenie6};
constexpr AmountMember kCosts[5] = {&ITypWyplaty::get_Koszt1, &ITypWyplaty::get_Koszt2, &ITypWyplaty::get_Koszt3,
                                    &ITypWyplaty::get_Koszt4, &ITypWyplaty::get_Koszt5};

PayoutComponent ReadComponent(IWypElement* element) {
    PayoutComponent component;
    tlx::ComPtr<ITypWyplaty> type;
    CheckHost(element->get_Typ(type.Out()));
    component.typeCode = ReadLong(Require(type), &ITypWyplaty::get_Kod);
    component.deductions = ReadAmounts(type.Get(), kDeductions);
    component.costs = ReadAmounts(type.Get(), kCosts);
    tlx::ComPtr<IWypElementDane> definition;
    CheckHost(element->get_Dane(definition.Out()));
    component.definitionKind = ReadLong(Require(definition), &IWypElementDane::get_Rodzaj);
    // The category and the benefit code are two values of the host: a category-2 wage may be paid under
    // a benefit code too.
    component.category = ReadLong(definition.Get(), &IWypElementDane::get_RodzajSkladnika);
    tlx::ComPtr<IKodSwiadczenia> benefit;
    CheckHost(definition->get_KodPrzerwy(benefit.Out()));
    if (benefit) component.benefitCode = ReadLong(benefit.Get(), &IKodSwiadczenia::get_Kod);
    CY amount{};
    CheckHost(element->get_Kwota(&amount));
    component.amount = amount.int64;
    return component;
}
}  // namespace

HostEmployeeMonth::HostEmployeeMonth(IPracownik* employee, CDate namesAt, std::optional<ListMonths> payoutMonths)
    : employee_(employee), namesAt_(namesAt), payoutMonths_(payoutMonths) {
    if (!employee) RaiseHResult(E_POINTER);
}

DayPeriod HostEmployeeMonth::ReadPeriod(IOkres* period) {
    if (!period) RaiseHResult(E_POINTER);
    DATE first = 0, last = 0;
    VARIANT_BOOL open = VARIANT_FALSE;
    CheckHost(period->get_DataOd(&first));
    CheckHost(period->get_DataDo(&last));
    CheckHost(period->get_Otwarty(&open));
    // A period without a last day runs on: it is open whatever the host's flag says.
    return {CDate(first), CDate(last), open != VARIANT_FALSE || last == 0};
}

tlx::ComPtr<IPracEtat> HostEmployeeMonth::RecordObjectAt(CDate day) {
    tlx::ComPtr<IPracEtat> record;
    CheckHost(employee_->GetEtat(day.Value(), tlx::Variant::FromLong(0), record.Out()));
    return record;
}

EmploymentRecord HostEmployeeMonth::ReadRecord(IPracEtat* record) {
    EmploymentRecord r;
    r.id = ReadLong(record, &IPracEtat::get_ID);
    r.status = ReadLong(record, &IPracEtat::get_RodzajZapisu);
    r.disabilityDegree = ReadLong(record, &IPracEtat::get_StopienNiepelnosprawnosci);
    tlx::ComPtr<IOkres> employment, validity;
    CheckHost(record->get_OkresZatrudnienia(employment.Out()));
    r.employment = ReadPeriod(employment.Get());
    CheckHost(record->get_OkresWaznosci(validity.Out()));
    r.validity = ReadPeriod(validity.Get());
    tlx::ComPtr<IDaneDodatkowe> staff;
    CheckHost(record->get_DaneDodatkowe(staff.Out()));
    DATE termination = 0;
    CheckHost(Require(staff)->get_DataZwolnienia(&termination));
    r.terminationDate = CDate(termination);
    tlx::ComPtr<IKodTytulu> title;
    CheckHost(record->get_Tytul(title.Out()));
    if (title) r.titleCode = ReadLong(title.Get(), &IKodTytulu::get_Kod);
    tlx::ComPtr<IPracDaneZus> workingTime;
    CheckHost(record->get_WymiarEtatu(workingTime.Out()));
    r.fullTimeNumerator = ReadLong(Require(workingTime), &IPracDaneZus::get_Licznik);
    r.fullTimeDenominator = ReadLong(workingTime.Get(), &IPracDaneZus::get_Mianownik);
    tlx::ComPtr<IWymiarAlternatywny> alternative;
    CheckHost(record->get_WymiarAlternatywny(alternative.Out()));
    if (alternative) {
        r.alternativeActive = ReadLong(alternative.Get(), &IWymiarAlternatywny::get_Aktywny) == 1;
        r.alternativeNumerator = ReadLong(alternative.Get(), &IWymiarAlternatywny::get_Licznik);
        r.alternativeDenominator = ReadLong(alternative.Get(), &IWymiarAlternatywny::get_Mianownik);
    }
    r.pensionRight = ReadLong(record, &IPracEtat::get_PrawoEmerRent);
    r.publicAid = ReadLong(record, &IPracEtat::get_PomocPubliczna);
    r.netGrowth = ReadLong(record, &IPracEtat::get_ZatrWzrostNetto);
    r.terminatedContract = ReadLong(record, &IPracEtat::get_ZatrRozwUmowy);
    r.fullInformation = ReadLong(record, &IPracEtat::get_PelneInformacje);
    DATE boundary = 0;
    CheckHost(staff->get_DataGraniczna(&boundary));
    r.boundaryDate = CDate(boundary);
    return r;
}

const EmploymentRecord* HostEmployeeMonth::Keep(IPracEtat* record) {
    const long id = ReadLong(record, &IPracEtat::get_ID);
    auto found = records_.find(id);
    if (found == records_.end()) found = records_.emplace(id, ReadRecord(record)).first;
    return &found->second;
}

const EmploymentRecord* HostEmployeeMonth::RecordAt(CDate day) {
    tlx::ComPtr<IPracEtat> record = RecordObjectAt(day);
    return record ? Keep(record.Get()) : nullptr;
}

// The card's records come in start order: the first that begins after the day is the one.
const EmploymentRecord* HostEmployeeMonth::RecordBegunAfter(CDate day) {
    tlx::ComPtr<ICollection> history;
    CheckHost(employee_->get_historia(history.Out()));
    for (CCollectionEnumerator<IPracEtat> each(Require(history)); auto record = each.Current(); each.MoveNext()) {
        tlx::ComPtr<IOkres> validity;
        CheckHost(record->get_OkresWaznosci(validity.Out()));
        DATE first = 0;
        CheckHost(Require(validity)->get_DataOd(&first));
        if (CDate(first) > day) return Keep(record.Get());
    }
    return nullptr;
}

const std::vector<Absence>& HostEmployeeMonth::Absences() {
    if (absences_) return *absences_;
    std::vector<Absence> list;
    tlx::ComPtr<ICollection> absences;
    CheckHost(employee_->get_Nieobecnosci(absences.Out()));
    for (CCollectionEnumerator<INieobecnosc> each(Require(absences)); auto absence = each.Current(); each.MoveNext()) {
        Absence a;
        tlx::ComPtr<IKodSwiadczenia> code;
        CheckHost(absence->get_Rodzaj(code.Out()));
        if (code) a.kindCode = ReadLong(code.Get(), &IKodSwiadczenia::get_Kod);
        tlx::ComPtr<IOkres> period;
        CheckHost(absence->get_Okres(period.Out()));
        a.period = ReadPeriod(period.Get());
        a.marker = ReadLong(absence.Get(), &INieobecnosc::get_Znacznik);
        list.push_back(a);
    }
    return *(absences_ = std::move(list));
}

const std::vector<Payout>& HostEmployeeMonth::Payouts() {
    if (payouts_) return *payouts_;
    std::vector<Payout> list;
    tlx::ComPtr<ICollection> payouts;
    CheckHost(employee_->get_Wyplaty(payouts.Out()));
    for (CCollectionEnumerator<IWyplata> each(Require(payouts)); auto payout = each.Current(); each.MoveNext()) {
        Payout p;
        p.kind = ReadLong(payout.Get(), &IWyplata::get_Tryb);
        tlx::ComPtr<IListaPlac> payrollList;
        CheckHost(payout->get_ListaPlac(payrollList.Out()));
        tlx::ComPtr<ICalendarRange> range;
        CheckHost(Require(payrollList)->get_Okres(range.Out()));
        DATE after = 0;
        CheckHost(Require(range)->get_Do(&after));
        p.listLastDay = CDate(after).AddDays(-1);
        if (payoutMonths_) {
            const long listMonth = p.listLastDay.GetYear() * 12L + p.listLastDay.GetMonth();
            if (listMonth < payoutMonths_->first || listMonth > payoutMonths_->last) continue;
        }
        tlx::ComPtr<IOkresowy> declared;
        CheckHost(payrollList->get_RokMiesiac(declared.Out()));
        if (declared) p.declarationMonth = ReadLong(declared.Get(), &IOkresowy::get_Rok) * 12 + ReadLong(declared.Get(), &IOkresowy::get_Miesiac);
        tlx::ComPtr<IOkres> own;
        CheckHost(payout->get_Okres(own.Out()));
        if (own) {
            DATE first = 0;
            CheckHost(own->get_DataOd(&first));
            p.periodStart = CDate(first);
        }
        tlx::ComPtr<ICollection> elements;
        CheckHost(payout->get_Elementy(elements.Out()));
        for (CCollectionEnumerator<IWypElement> e(Require(elements)); auto element = e.Current(); e.MoveNext())
            p.components.push_back(ReadComponent(element.Get()));
        list.push_back(std::move(p));
    }
    return *(payouts_ = std::move(list));
}

const std::vector<DatedEntry>& HostEmployeeMonth::DatedEntries() {
    if (entries_) return *entries_;
    std::vector<DatedEntry> list;
    tlx::ComPtr<ICollection> entries;
    CheckHost(employee_->get_OkresyPracownika(entries.Out()));
    for (CCollectionEnumerator<IOkresPracownika> each(Require(entries)); auto entry = each.Current(); each.MoveNext()) {
        DatedEntry d;
        tlx::ComPtr<ITypOkresu> type;
        CheckHost(entry->get_Typ(type.Out()));
        if (type) d.kindCode = ReadLong(type.Get(), &ITypOkresu::get_Rodzaj);
        tlx::ComPtr<IOkres> period;
        CheckHost(entry->get_Okres(period.Out()));
        d.period = ReadPeriod(period.Get());
        list.push_back(d);
    }
    return *(entries_ = std::move(list));
}

CBstr HostEmployeeMonth::Name() {
    tlx::Bstr code, first, surname;
    CheckHost(employee_->get_Kod(code.Out()));
    if (tlx::ComPtr<IPracEtat> record = RecordObjectAt(namesAt_)) {
        CheckHost(record->get_Imie1(first.Out()));
        CheckHost(record->get_Nazwisko(surname.Out()));
    }
    return CBstr(u"[" + code.Str() + u"] " + first.Str() + u" " + surname.Str());
}
