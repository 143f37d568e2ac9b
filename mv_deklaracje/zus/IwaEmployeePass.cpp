#include "mv_deklaracje/zus/IwaEmployeePass.h"

#include <set>

#include "hostapi/Collections.h"
#include "mv_deklaracje/core/CollectionEnumerator.h"
#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/core/HostLookups.h"
#include "mv_deklaracje/core/Money.h"
#include "mv_deklaracje/zus/HostReads.h"

namespace {

// Payout kinds that never count, the payroll list of contract payouts, the record kind whose
// exclusion marker applies, the link source that is a contract, absences that continue one of the
// year before.
constexpr LONG kPayoutNeverCounted1 = 1;
constexpr LONG kPayoutNeverCounted2 = 2;
constexpr LONG kContractList = 2;
constexpr LONG kRecordKindExcluding = 1;
constexpr LONG kSourceContract = 8;
constexpr LONG kAbsenceContinued = 3;

// Absence categories: an accident at work, and the three whose days count by the employment mark.
constexpr LONG kCategoryAccident = 200;
constexpr LONG kCategoryOutsideEmployment = 312;
constexpr LONG kCategoryInjuryInEmployment = 401;
constexpr LONG kCategoryInEmployment = 402;

// Contract titles 0400 to 0499.
constexpr LONG kFirstContractTitle = 400;
constexpr LONG kLastContractTitle = 499;

// A walk over dated records visits each record once; more steps than any employee has records means
// the host answers records that do not lead on. An absence chain inside one year steps back at least
// a day at a time.
constexpr int kMaxRecordSteps = 1000;
constexpr int kMaxChainSteps = 400;

bool IsNotEmpty(IDniKalendarza* days) { return !ReadHost(days, &IDniKalendarza::get_Pusty); }

tlx::ComPtr<IDniKalendarza> Common(IDniKalendarza* days, IDispatch* other) {
    if (!days) RaiseHResult(E_POINTER);
    tlx::ComPtr<IDniKalendarza> common;
    CheckHost(days->Iloczyn(other, common.Out()));
    if (!common) RaiseHResult(E_POINTER);
    return common;
}

tlx::ComPtr<IDniKalendarza> DaysOf(IOkres* period) { return RequireHostLink(period, &IOkres::get_Dni); }

bool AccidentInsured(IUbezpieczenie* insurance) { return ReadHost(insurance, &IUbezpieczenie::get_Wypadkowe) != 0; }

CDate Deregistered(IUbezpieczenie* insurance) {
    return CDate(ReadHost(insurance, &IUbezpieczenie::get_DataWyrejestrowania));
}

tlx::ComPtr<IPracEtat> RecordAt(IPracownik* employee, const CDate& day) {
    tlx::ComPtr<IPracEtat> record;
    CheckHost(employee->GetEtat(day.Value(), tlx::Variant::Missing(), record.Out()));
    return record;
}

}  // namespace

CIwaEmployeePass::CIwaEmployeePass(int year, Counts& counts) : year_(year), counts_(counts) {}

void CIwaEmployeePass::Run(IPracownik* card) {
    if (!card) RaiseHResult(E_POINTER);
    employee_ = tlx::ComPtr<IPracownik>(card);
    absences_.Reset();
    if (!QualifiesForYear()) return;
    absences_ = RequireHostLink<IPracownikDane>(employee_.Get(), &IPracownikDane::get_DaneKadrowe);
    tlx::ComPtr<ICollection> payouts = RequireHostLink<IPracownikDane>(employee_.Get(), &IPracownikDane::get_Wyplaty);
    for (CCollectionEnumerator<IWyplata> each(payouts.Get()); !each.AtEnd(); each.MoveNext())
        CountPayout(each.Current().Get());
}

bool CIwaEmployeePass::QualifiesForYear() {
    tlx::ComPtr<ICalendarRange> year = CreateDateRangeObject(CDate(1, 1, year_), CDate(1, 1, year_ + 1));
    if (!year) RaiseHResult(E_POINTER);
    std::set<LONG> visitedIds;
    std::set<double> visitedStarts;
    tlx::ComPtr<IPracEtat> record = RecordAt(employee_.Get(), CDate(1, 1, year_));
    for (int step = 0; record; ++step) {
        if (step == kMaxRecordSteps) RaiseLoop(u"zapisy pracownika", CDate(1, 1, year_));
        tlx::ComPtr<IOkres> employment = RequireHostLink(record.Get(), &IPracEtat::get_OkresZatrudnienia);
        if (IsNotEmpty(Common(DaysOf(employment.Get()).Get(), year.Get()).Get())) return true;
        tlx::ComPtr<IUbezpieczenie> insurance = RequireHostLink(record.Get(), &IPracEtat::get_Ubezpieczenie);
        if (AccidentInsured(insurance.Get())) {
            CDate deregistered = Deregistered(insurance.Get());
            if (deregistered.IsEmpty() || deregistered.GetYear() >= year_) return true;
        }

        // The next record is the one valid on the first day after this one's validity.
        tlx::ComPtr<IOkres> validity = RequireHostLink(record.Get(), &IPracEtat::get_OkresWaznosci);
        tlx::ComPtr<ICalendarRange> range = RequireHostLink(validity.Get(), &IOkres::get_Zakres);
        const LONG id = ReadHost(record.Get(), &IPracEtat::get_ID);
        const double start = ReadHost(validity.Get(), &IOkres::get_DataOd);
        visitedIds.insert(id);
        visitedStarts.insert(start);
        tlx::ComPtr<IPracEtat> next = RecordAt(employee_.Get(), CDate(ReadHost(range.Get(), &ICalendarRange::get_Do)));
        if (!next || next == record) break;
        tlx::ComPtr<IOkres> nextValidity = RequireHostLink(next.Get(), &IPracEtat::get_OkresWaznosci);
        const LONG nextId = ReadHost(next.Get(), &IPracEtat::get_ID);
        const double nextStart = ReadHost(nextValidity.Get(), &IOkres::get_DataOd);
        if (nextId == id || nextStart == start) break;  // the same record again: the walk is over
        if (visitedIds.count(nextId) || visitedStarts.count(nextStart))
            RaiseLoop(u"zapisy pracownika", CDate(nextStart));
        record = next;
    }
    return HasAccidentInsuredContract(year.Get());
}

bool CIwaEmployeePass::HasAccidentInsuredContract(ICalendarRange* year) {
    tlx::ComPtr<ICollection> contracts = RequireHostLink<IPracownikDane>(employee_.Get(), &IPracownikDane::get_Umowy);
    for (CCollectionEnumerator<IUmowa> each(contracts.Get()); !each.AtEnd(); each.MoveNext()) {
        tlx::ComPtr<IUmowa> contract = each.Current();
        tlx::ComPtr<IUbezpieczenie> insurance = RequireHostLink(contract.Get(), &IUmowa::get_Ubezpieczenie);
        if (ReadHost(insurance.Get(), &IUbezpieczenie::get_Wypadkowe) != 1) continue;
        tlx::ComPtr<IOkres> period = RequireHostLink(contract.Get(), &IUmowa::get_Okres);
        if (!IsNotEmpty(Common(DaysOf(period.Get()).Get(), year).Get())) continue;
        tlx::ComPtr<IKodTytulu> title = RequireHostLink(insurance.Get(), &IUbezpieczenie::get_KodTytulu);
        const LONG code = ReadHost(title.Get(), &IKodTytulu::get_Kod);
        if (code >= kFirstContractTitle && code <= kLastContractTitle) return true;
    }
    return false;
}

void CIwaEmployeePass::CountPayout(IWyplata* payout) {
    const LONG kind = ReadHost(payout, &IWyplata::get_Tryb);
    if (kind == kPayoutNeverCounted1 || kind == kPayoutNeverCounted2) return;
    tlx::ComPtr<IListaPlac> list = RequireHostLink(payout, &IWyplata::get_ListaPlac);
    tlx::ComPtr<ICalendarRange> listPeriod = RequireHostLink(list.Get(), &IListaPlac::get_Okres);
    const CDate lastDay(ReadHost(listPeriod.Get(), &ICalendarRange::get_Do) - 1.0);
    if (lastDay.IsEmpty() || lastDay.GetYear() != year_) return;
    const int month = lastDay.GetMonth();
    if (monthDone_[month - 1]) return;

    tlx::ComPtr<ICalendarRange> monthRange =
        CreateDateRangeObject(CDate(month, 1, year_), CDate(month, DaysInMonth(month, year_) + 1, year_));
    if (!monthRange) RaiseHResult(E_POINTER);
    tlx::ComPtr<IDniKalendarza> monthDays;
    CheckHost(monthRange->Dni(tlx::Variant::Missing(), monthDays.Out()));
    if (!monthDays) RaiseHResult(E_POINTER);

    // The accident-insurance contributions of the payout, the insured's and the payer's.
    tlx::ComPtr<IDaneZUS> zus = RequireHostLink(payout, &IWyplata::get_DaneZUS);
    CMoney amount = CMoney::FromCurrency(ReadHost(zus.Get(), &IDaneZUS::get_WypadkowaPracownik));
    amount += CMoney::FromCurrency(ReadHost(zus.Get(), &IDaneZUS::get_WypadkowaPlatnik)).AsDouble();

    if (ReadHost(list.Get(), &IListaPlac::get_Typ) != kContractList)
        CountEmploymentPayout(month, monthDays.Get(), amount.AsDouble());
    else
        CountContractPayout(month, monthDays.Get(), amount.AsDouble(), payout);
}

void CIwaEmployeePass::CountEmploymentPayout(int month, IDniKalendarza* monthDays, double amount) {
    const CDate firstDay(month, 1, year_);
    tlx::ComPtr<IPracEtat> record = RecordAt(employee_.Get(), firstDay);
    if (!record) RaiseHResult(E_POINTER);
    bool employment = false, insured = false, counted = false, decided = false;
    if (ReadHost(record.Get(), &IPracEtat::get_RodzajZapisu) == kRecordKindExcluding) {
        employment = true;
        if (ReadHost(record.Get(), &IPracEtat::get_Wylaczony) != 0) decided = true;
    }
    if (!decided && amount != 0.0) {
        CountMonth(month);
        counted = decided = true;
    }
    if (!decided) {
        tlx::ComPtr<IUbezpieczenie> insurance = RequireHostLink(record.Get(), &IPracEtat::get_Ubezpieczenie);
        const CDate deregistered = Deregistered(insurance.Get());
        if (AccidentInsured(insurance.Get()) && (deregistered.IsEmpty() || deregistered > firstDay))
            insured = counted = true;
    }
    const LONG absent = AbsenceDays(employment, monthDays, counted);

    tlx::ComPtr<IOkres> period = RequireHostLink(record.Get(), &IPracEtat::get_OkresZatrudnienia);
    const CDate from(ReadHost(period.Get(), &IOkres::get_DataOd));
    const CDate to(ReadHost(period.Get(), &IOkres::get_DataDo));
    auto inMonth = [&](const CDate& day) { return !day.IsEmpty() && day.GetYear() == year_ && day.GetMonth() == month; };
    const int employed = (inMonth(to) ? to.GetDay() : DaysInMonth(month, year_)) - (inMonth(from) ? from.GetDay() - 1 : 0);
    if (insured && absent < employed) CountMonth(month);
}

void CIwaEmployeePass::CountContractPayout(int month, IDniKalendarza* monthDays, double amount, IWyplata* payout) {
    const bool counted = amount != 0.0 || LinksAccidentInsuredContract(payout);
    if (counted) CountMonth(month);
    AbsenceDays(false, monthDays, counted);  // only its injury counting matters here
}

// A payout without contributions counts when an element carrying contribution data comes from an
// accident-insured contract of the employee; its month counts once however many elements, links and
// contracts match.
bool CIwaEmployeePass::LinksAccidentInsuredContract(IWyplata* payout) {
    tlx::ComPtr<ICollection> elements = RequireHostLink(payout, &IWyplata::get_Elementy);
    for (CCollectionEnumerator<IWypElement> element(elements.Get()); !element.AtEnd(); element.MoveNext()) {
        tlx::ComPtr<IDaneZUS> zus = RequireHostLink(element.Current().Get(), &IWypElement::get_DaneZUS);
        if (ReadHost(zus.Get(), &IDaneZUS::get_Znacznik) == 0) continue;
        tlx::ComPtr<ICollection> links = RequireHostLink(element.Current().Get(), &IWypElement::get_Linki);
        for (CCollectionEnumerator<IWypElementLink> link(links.Get()); !link.AtEnd(); link.MoveNext()) {
            tlx::ComPtr<ISourceRef> source = RequireHostLink(link.Current().Get(), &IWypElementLink::get_Zrodlo);
            if (ReadHost(source.Get(), &ISourceRef::get_Rodzaj) == kSourceContract &&
                IsAccidentInsuredContract(ReadHost(source.Get(), &ISourceRef::get_ID)))
                return true;
        }
    }
    return false;
}

bool CIwaEmployeePass::IsAccidentInsuredContract(LONG contractId) {
    tlx::ComPtr<ICollection> contracts = RequireHostLink<IPracownikDane>(employee_.Get(), &IPracownikDane::get_Umowy);
    for (CCollectionEnumerator<IUmowa> contract(contracts.Get()); !contract.AtEnd(); contract.MoveNext()) {
        if (ReadHost(contract.Current().Get(), &IUmowa::get_ID) != contractId) continue;
        tlx::ComPtr<IUbezpieczenie> insurance = RequireHostLink(contract.Current().Get(), &IUmowa::get_Ubezpieczenie);
        if (AccidentInsured(insurance.Get())) return true;
    }
    return false;
}

void CIwaEmployeePass::CountMonth(int month) {
    counts_.months[month - 1] += 1.0;
    monthDone_[month - 1] = true;
}

LONG CIwaEmployeePass::AbsenceDays(bool employment, IDniKalendarza* monthDays, bool counted) {
    LONG total = 0;
    tlx::ComPtr<ICollection> absences = RequireHostLink(absences_.Get(), &IPracKadry::get_Nieobecnosci);
    for (CCollectionEnumerator<INieobecnosc> each(absences.Get()); !each.AtEnd(); each.MoveNext()) {
        tlx::ComPtr<INieobecnosc> absence = each.Current();
        if (ReadHost(absence.Get(), &INieobecnosc::get_Znacznik) == 1 ||
            ReadHost(absence.Get(), &INieobecnosc::get_Znacznik2) == 1)
            continue;
        // An absence counts when it overlaps the year, also when it starts before it and ends after it.
        tlx::ComPtr<IOkres> period = RequireHostLink(absence.Get(), &INieobecnosc::get_Okres);
        const CDate from(ReadHost(period.Get(), &IOkres::get_DataOd));
        const CDate to(ReadHost(period.Get(), &IOkres::get_DataDo));
        if (from.GetYear() > year_ || (!to.IsEmpty() && to.GetYear() < year_)) continue;
        tlx::ComPtr<ITypNieobecnosci> type = RequireHostLink(absence.Get(), &INieobecnosc::get_Typ);
        const LONG category = ReadHost(type.Get(), &ITypNieobecnosci::get_Kategoria);
        if (category == kCategoryAccident && ContinuesChainFromBeforeYear(absence.Get())) continue;

        const LONG days = ReadHost(Common(monthDays, DaysOf(period.Get()).Get()).Get(), &IDniKalendarza::get_LiczbaDni);
        tlx::ComPtr<IKodSwiadczenia> benefit = ReadHostLink(type.Get(), &ITypNieobecnosci::get_KodSwiadczenia);
        switch (benefit ? ReadHost(benefit.Get(), &IKodSwiadczenia::get_Kod) : 0) {
            case 311: case 319: case 325: case 327:
                total += days;
                break;
            case 111: case 112: case 121: case 122:
                if (!employment) total += days;
                break;
            default:
                break;
        }
        bool injury = false;
        switch (category) {
            case kCategoryAccident:
                injury = counted && !accident_ &&
                         (ReadHost(absence.Get(), &INieobecnosc::get_Tryb) == kAbsenceContinued || employment);
                break;
            case kCategoryOutsideEmployment:
                if (!employment) total += days;
                break;
            case kCategoryInjuryInEmployment:
                injury = employment && counted && !accident_;
                break;
            case kCategoryInEmployment:
                if (employment) total += days;
                break;
            default:
                break;
        }
        if (injury) {
            counts_.injured += 1.0;
            accident_ = true;
        }
    }
    return total;
}

bool CIwaEmployeePass::ContinuesChainFromBeforeYear(INieobecnosc* absence) {
    tlx::ComPtr<ITypNieobecnosci> type = RequireHostLink(absence, &INieobecnosc::get_Typ);
    const LONG category = ReadHost(type.Get(), &ITypNieobecnosci::get_Kategoria);
    const LONG kind = ReadHost(absence, &INieobecnosc::get_Tryb);
    tlx::ComPtr<IPracKadry> registry = RequireHostLink(absence, &INieobecnosc::get_Rejestr);
    tlx::ComPtr<IOkres> period = RequireHostLink(absence, &INieobecnosc::get_Okres);
    const CDate start(ReadHost(period.Get(), &IOkres::get_DataOd));
    std::set<LONG> visited{ReadHost(absence, &INieobecnosc::get_ID)};
    CDate day = start.AddDays(-1);
    for (int step = 0; step < kMaxChainSteps; ++step) {
        tlx::ComPtr<INieobecnosc> covering;
        CheckHost(registry->NieobecnoscWDniu(day.Value(), covering.Out()));
        if (!covering) return false;
        tlx::ComPtr<ITypNieobecnosci> coveringType = RequireHostLink(covering.Get(), &INieobecnosc::get_Typ);
        if (ReadHost(coveringType.Get(), &ITypNieobecnosci::get_Kategoria) != category ||
            ReadHost(covering.Get(), &INieobecnosc::get_Tryb) != kind)
            return false;
        tlx::ComPtr<IOkres> coveringPeriod = RequireHostLink(covering.Get(), &INieobecnosc::get_Okres);
        const CDate coveringStart(ReadHost(coveringPeriod.Get(), &IOkres::get_DataOd));
        if (coveringStart.GetYear() != year_) return true;
        if (!visited.insert(ReadHost(covering.Get(), &INieobecnosc::get_ID)).second)
            RaiseLoop(u"nieobecności pracownika", start);
        day = coveringStart.AddDays(-1);
    }
    RaiseLoop(u"nieobecności pracownika", start);
}

void CIwaEmployeePass::RaiseLoop(const char16_t* what, const CDate& from) {
    const LONG id = ReadHost<IPracownikDane>(employee_.Get(), &IPracownikDane::get_ID);
    RaiseComError(E_FAIL, FormatString(u"%s (id %ld) wskazują na siebie nawzajem od dnia %s; popraw daty zapisów.",
                                       what, static_cast<long>(id), from.FormatSql().Str().c_str()));
}
