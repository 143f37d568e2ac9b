#include "mv_deklaracje/pfron/WndRun.h"

#include <algorithm>

#include "hostapi/Login.h"
#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/core/HostServices.h"
#include "mv_deklaracje/core/RecordsetValues.h"
#include "mv_deklaracje/core/VariantHelpers.h"
#include "mv_deklaracje/pfron/PfronDeclaration.h"
#include "mv_deklaracje/pfron/PfronText.h"
#include "mv_deklaracje/pfron/PfronUserError.h"
#include "mv_deklaracje/pfron/WndEmployment.h"
#include "platform/ado/Ado.h"
#include "platform/com/Bstr.h"

namespace {
constexpr const OLECHAR* kOpenEnded = u"na czas nieokreślony";
constexpr LONG kInitialiseForCalculation = 1;
constexpr long kFlagSet = 1;

const OLECHAR* YesNo(bool yes) { return yes ? u"T" : u"N"; }

CDate EmploymentStart(IPracEtat* record) {
    tlx::ComPtr<IOkres> employment;
    CheckHost(record->get_OkresZatrudnienia(employment.Out()));
    return HostEmployeeMonth::ReadPeriod(Require(employment).Get()).first;
}

// A date field's value: the empty date as a null value.
tlx::Variant DateValue(CDate day) { return day.IsEmpty() ? tlx::Variant::Null() : tlx::Variant::FromDate(day.Value()); }
}  // namespace

WndRun::WndRun(WndGeneration generation, LONG id) : generation_(generation), id_(id) {
    PfronRunSession run = OpenPfronRunSession(id);
    session_ = run.session;
    wnd_ = run.declaration;
    configuration_ = run.configuration;
    CheckHost(wnd_->get_Rok(&year_));
    CheckHost(wnd_->get_Miesiac(&month_));
    CheckHost(wnd_->get_Wersja(&version_));
    periodStart_ = CDate(static_cast<int>(month_), 1, static_cast<int>(year_));
    periodEnd_ = CDate(static_cast<int>(month_) + 1, 0, static_cast<int>(year_));
    // Both generations read the status valid in the declaration's own month.
    refundStatus_ = VariantToLongOr(ReadConfigurationValue(configuration_.Get(), kRefundStatusKey, periodStart_).Detach(), 0);
    if (refundStatus_ == WndEmployment::kNoRefundKind) {
        RaisePfronUserError(generation_ == WndGeneration::Current ? NoRefundKindInPeriodText() : NoRefundKindText());
    }
    eligibility_.emplace(generation_, year_, month_, version_);
    workingTime_.emplace(generation_, refundStatus_, *eligibility_);
}

void WndRun::RemoveAttachments() { RemoveChildDeclarations(wnd_.Get()); }

void WndRun::WriteEmployerFigures() {
    if (generation_ != WndGeneration::Current) return;
    tlx::ComPtr<Connection> connection;
    CheckHost(Require(GetHostDbAccess(session_.Get()))->get_Connection(connection.Out()));
    WndEmployment employment(connection.Get());
    const FteFigures current = employment.ComputeMonthFte(year_, month_, false);
    const FteFigures preceding = employment.ComputePrecedingYearFte(year_, month_, PensionVersion(), [&](CDate day) {
        return VariantToLongOr(ReadConfigurationValue(configuration_.Get(), kRefundStatusKey, day).Detach(), 0);
    });
    if (version_ == 3) {
        PutTextField(wnd_.Get(), u"CZYPRZYROSTNETTO", YesNo(WndEmployment::NetGrowth(current, preceding)));
    }
    PutTextField(wnd_.Get(), u"WOKRESIEOGOLEM", FormatWymiaru(current.total).View());
    PutTextField(wnd_.Get(), u"WOKRESIENIEPELNOSPRAWNI", FormatWymiaru(current.disabled).View());
    PutTextField(wnd_.Get(), u"POPRZEDZAJACYOKRESOGOLEM", FormatWymiaru(preceding.total).View());
    PutTextField(wnd_.Get(), u"POPRZEDZAJACYOKRESNIEPELNOSPRAWNI", FormatWymiaru(preceding.disabled).View());
    if (PensionVersion()) {
        const FteFigures period = employment.ComputeMonthFte(year_, month_, true);
        PutTextField(wnd_.Get(), u"BIEZACYOKRESOGOLEM", FormatWymiaru(period.total).View());
        PutTextField(wnd_.Get(), u"BIEZACYOKRESNIEPELNOSPRAWNI", FormatWymiaru(period.disabled).View());
        const bool sheltered = refundStatus_ == kShelteredEmployer;
        PutTextField(wnd_.Get(), u"STATUSPRACODAWCYIP", YesNo(!sheltered));
        PutTextField(wnd_.Get(), u"STATUSPRACODAWCYZPC", YesNo(sheltered));
        PutTextField(wnd_.Get(), u"STATUSPRACODAWCYZAZ", YesNo(false));
    }
}

LONG WndRun::WriteAttachments() {
    LONG count = 0;
    for (const auto& row : ReadTopCards(session_.Get())) {
        const LONG id = row[0];
        if (row[1] == 0) {
            Card card = OpenPfronCard(id, periodEnd_);
            if (generation_ == WndGeneration::Current) CheckHost(card.employee->Inicjuj(kInitialiseForCalculation));
            if (eligibility_->IsEmployeeEligible(*card.month)) AddAttachment(card, ++count);
            continue;
        }
        const std::vector<LONG> ids = ReadGroupCards(session_.Get(), id);
        // The group gets one attachment when one of its cards is eligible; the test stops at the first.
        const bool found = std::any_of(ids.begin(), ids.end(), [&](LONG member) {
            Card card = OpenPfronCard(member, periodEnd_);
            return eligibility_->IsEmployeeEligible(*card.month);
        });
        if (found) AddGroupAttachment(id, ids, ++count);
    }
    return count;
}

tlx::ComPtr<IDeklaracja2> WndRun::NewAttachment(LONG number) {
    PutTextField(wnd_.Get(), u"OKRESSPRAWOZDAWCZY", FormatReportingPeriod(month_, year_).View());
    // WN-D versions 3 to 6 take attachment versions 5 to 8; the first generation's attachments are version 1.
    LONG version = 0;
    if (generation_ == WndGeneration::First) version = kFirstGenerationAttachmentVersion;
    else if (version_ >= 3 && version_ <= 6) version = version_ + 2;
    return NewPfronAttachment(RunDeclarations(session_.Get(), attachments_), wnd_.Get(), id_, kAttachmentType, version,
                              number);
}

// The latest payroll month of the card's and its linked cards' payments on lists that begin in the
// declaration's month; the declaration's own month when there is none.
CBstr WndRun::PaymentMonthText(LONG id) {
    const std::u16string i = LongToString(id).Str();
    const std::u16string sql =
        u"select wpl_rok,wpl_miesiac from tlx.wyplaty join tlx.listyplac on wpl_lplid=lpl_lplid where wpl_praid in "
        u"(select pra_praid from tlx.prackod where pra_praid=" + i + u" or pra_parentid=" + i +
        u") and Year(lpl_dataod)=" + LongToString(year_).Str() + u" and Month(lpl_dataod)=" + LongToString(month_).Str() +
        u" order by wpl_rok desc,wpl_miesiac desc;";
    const auto rows = ReadLongRows(session_.Get(), sql, 2);
    if (rows.empty()) return FormatReportingPeriod(month_, year_);
    return FormatReportingPeriod(rows.front()[1], rows.front()[0]);
}

void WndRun::WriteIdentity(IDeklaracja2* attachment, IPracEtat* record, HostEmployeeMonth& employee, bool group) {
    const bool current = generation_ == WndGeneration::Current;
    if (current && !group) PutTextField(attachment, u"POMOCPUBLICZNAPFRON", YesNo(ReadLong(record, &IPracEtat::get_PomocPubliczna) == kFlagSet));
    WritePfronIdentity(attachment, record, employee.Name());
    if (current && group) {
        PutTextField(attachment, u"POMOCPUBLICZNAPFRON", YesNo(ReadLong(record, &IPracEtat::get_PomocPubliczna) == kFlagSet));
    }
}

void WndRun::WriteFlags(IDeklaracja2* attachment, IPracEtat* record, CDate start) {
    if (!start.IsEmpty() && start.GetYear() == periodEnd_.GetYear() && start.GetMonth() == periodEnd_.GetMonth()) {
        PutTextField(attachment, u"ZATRWZROSTNETTO", YesNo(ReadLong(record, &IPracEtat::get_ZatrWzrostNetto) == kFlagSet));
        PutTextField(attachment, u"ZATRROZWUMOWY", YesNo(ReadLong(record, &IPracEtat::get_ZatrRozwUmowy) == kFlagSet));
    }
    PutTextField(attachment, u"PELNEINFORMACJE", YesNo(ReadLong(record, &IPracEtat::get_PelneInformacje) == kFlagSet));
}

std::optional<CDate> WndRun::EmploymentEnd(IPracEtat* record, LONG attachmentVersion) {
    if (attachmentVersion != kFirstGenerationAttachmentVersion) return std::nullopt;
    tlx::ComPtr<IOkres> employment;
    CheckHost(record->get_OkresZatrudnienia(employment.Out()));
    DATE last = 0;
    CheckHost(Require(employment)->get_DataDo(&last));
    tlx::ComPtr<IPracDaneZus> workingTime;
    CheckHost(record->get_WymiarEtatu(workingTime.Out()));
    tlx::Bstr contract;
    CheckHost(Require(workingTime)->get_RodzajUmowy(contract.Out()));
    const CDate end(last);
    if (contract.View().empty() || contract.View() == kOpenEnded) {
        if (end.IsEmpty() || end.GetMonth() != month_ || end.GetYear() != year_) return std::nullopt;
        tlx::ComPtr<ICalendarRange> range;
        CheckHost(employment->get_Zakres(range.Out()));
        DATE after = 0;
        CheckHost(Require(range)->get_Do(&after));
        if (after < CDate::kLast) return end;
        return std::nullopt;
    }
    if (last + 1 < CDate::kLast) return end;
    return std::nullopt;
}

CMoney WndRun::MinimumWage() {
    const CDate yearBefore(12, 31, static_cast<int>(year_) - 1);
    return ConfigurationMoney(ReadConfigurationValue(configuration_.Get(), kMinimumWageKey, yearBefore));
}

// The working-time fraction of an employee whose employment began in the declaration's month, or the
// sum of his figures when they are given; 0 for one employed earlier.
double WndRun::NewHireFte(HostEmployeeMonth& employee, const WndWorkingTime::Vector* degrees) {
    const EmploymentRecord* record = employee.RecordAt(periodEnd_);
    if (!record || record->employment.first.IsEmpty() || record->employment.first < periodStart_) return 0.0;
    if (degrees) {
        double sum = 0.0;
        for (int i = 0; i < WndWorkingTime::kDegreeEntries; ++i) sum += (*degrees)[static_cast<std::size_t>(i)];
        return sum;
    }
    if (record->fullTimeDenominator == 0) RaisePfronUserError(ZeroWorkingTimeText(employee.Name()));
    return static_cast<double>(record->fullTimeNumerator) / record->fullTimeDenominator;
}

void WndRun::WriteAmounts(IDeklaracja2* attachment, const WndWageSums& sums, bool yearRule, bool group) {
    PutField(attachment, u"WYNOSIAGANE", sums.earned.ToVariant());
    PutField(attachment, u"WYNWYPLACONE", sums.paid.ToVariant());
    PutField(attachment, u"KWDOFWYPLATA", CMoney().ToVariant());
    PutField(attachment, u"KOSZTYPLACY", sums.wageCosts.ToVariant());
    const bool noBase = yearRule && year_ <= kLastYearWithoutRefundBase;
    PutField(attachment, u"PODWKOSZTY", (noBase ? CMoney() : sums.RefundBase()).ToVariant());
    if (group) PutField(attachment, u"POMNIEJSZENIA", sums.reduction.ToVariant());
    PutField(attachment, u"WYNMINIMALNE", CMoney().ToVariant());
    if (!group && generation_ == WndGeneration::First) PutField(attachment, u"POMNIEJSZENIA", sums.reduction.ToVariant());
}

void WndRun::WriteDegrees(IDeklaracja2* attachment, const WndWorkingTime::Vector& degrees, bool pensionSet) {
    for (int i = 0; i < WndWorkingTime::kDegreeEntries; ++i)
        PutTextField(attachment, InfdWorkingTime::kFieldNames[i], FormatWymiaru(degrees[static_cast<std::size_t>(i)]).View());
    if (!pensionSet) return;
    for (int i = 0; i < WndWorkingTime::kDegreeEntries; ++i) {
        const std::u16string field = std::u16string(InfdWorkingTime::kFieldNames[i]) + u"EMERYT";
        PutTextField(attachment, field.c_str(),
                     FormatWymiaru(degrees[static_cast<std::size_t>(i + WndWorkingTime::kDegreeEntries)]).View());
    }
}

void WndRun::AddAttachment(Card& card, LONG number) {
    HostEmployeeMonth& employee = *card.month;
    tlx::ComPtr<IDeklaracja2> attachment = NewAttachment(number);
    const bool current = generation_ == WndGeneration::Current;
    if (current) PutTextField(attachment.Get(), u"OKRESWYPLATY", PaymentMonthText(ReadLong<IPracownikDane>(card.employee.Get(), &IPracownikDane::get_ID)).View());
    tlx::ComPtr<IPracEtat> record = employee.RecordObjectAt(periodEnd_);
    if (!record) {
        RaiseComError(E_POINTER, u"Brak zapisu historycznego pracownika " + employee.Name().Str() + u" na dzień " +
                                  periodEnd_.FormatSql().Str());
    }
    const EmploymentRecord& reference = *employee.RecordAt(periodEnd_);
    WriteIdentity(attachment.Get(), record.Get(), employee, false);
    PutTextField(attachment.Get(), u"WYKSZTALCENIE", ReadRecordText(record.Get(), &IPracEtat::get_KodWyksztal));
    PutTextField(attachment.Get(), u"ZAWOD", ReadRecordText(record.Get(), &IPracEtat::get_Zawod));
    if (!address_) address_.emplace(session_.Get());
    address_->Write(attachment.Get(), record.Get(), employee.Name());
    PutLongField(attachment.Get(), u"POMINNE", 0);

    LONG attachmentVersion = 0;
    CheckHost(attachment->get_Wersja(&attachmentVersion));
    const bool startFromRecord = !current || version_ == 1 || PensionVersion();
    const CDate start = startFromRecord ? EmploymentStart(record.Get()) : eligibility_->ContinuousEmploymentStart(employee);
    PutField(attachment.Get(), u"OKRESZATRODDNIA", DateValue(start));
    if (current) WriteFlags(attachment.Get(), record.Get(), start);
    if (const std::optional<CDate> end = EmploymentEnd(record.Get(), attachmentVersion))
        PutField(attachment.Get(), u"OKRESZATRDODNIA", tlx::Variant::FromDouble(end->Value()));

    EmployeeMonthSource* self[] = {&employee};
    const WndWages wages(generation_, refundStatus_, year_, month_, MinimumWage());
    std::array<bool, 12> monthFlags{};
    const WndWageSums sums = wages.Sum(
        employee, *eligibility_,
        [&](long m, long y) { return workingTime_->RecordFteVector(m, y, employee, reference, false, self); }, nullptr,
        monthFlags);
    WriteAmounts(attachment.Get(), sums, true, false);

    const bool pensionSet = current && PensionVersion();
    const WndWorkingTime::Vector degrees =
        workingTime_->RecordFteVector(month_, year_, employee, reference, pensionSet, self);
    WriteDegrees(attachment.Get(), degrees, pensionSet);
    if (current) newHireFte_ += NewHireFte(employee, &degrees);
    WriteCounts(number);
}

void WndRun::AddGroupAttachment(LONG head, const std::vector<LONG>& ids, LONG number) {
    tlx::ComPtr<IDeklaracja2> attachment = NewAttachment(number);
    const bool current = generation_ == WndGeneration::Current;
    if (current) PutTextField(attachment.Get(), u"OKRESWYPLATY", PaymentMonthText(head).View());
    LONG attachmentVersion = 0;
    CheckHost(attachment->get_Wersja(&attachmentVersion));

    CDate start(CDate::kLast), end(CDate::kFirst);
    const bool earliestStart = !current || version_ == 1;
    const WndWages wages(generation_, refundStatus_, year_, month_, MinimumWage());
    std::array<bool, 12> monthFlags{};
    WndWageSums totals;
    const int entries = current && PensionVersion() ? WndWorkingTime::kPensionEntries : WndWorkingTime::kDegreeEntries;
    WndWorkingTime::Vector groupTable{};

    // The cards stay open for the group: the head's figures take those of its linked cards.
    std::vector<Card> cards;
    for (LONG id : ids) cards.push_back(OpenPfronCard(id, periodEnd_));
    std::vector<EmployeeMonthSource*> all;
    for (Card& c : cards) all.push_back(c.month.get());

    for (std::size_t n = 0; n < cards.size(); ++n) {
        HostEmployeeMonth& employee = *cards[n].month;
        tlx::ComPtr<IPracEtat> record = employee.RecordObjectAt(periodEnd_);
        if (!record) {
            RaiseComError(E_POINTER, u"Brak zapisu historycznego pracownika " + employee.Name().Str() +
                                      u" na dzień " + periodEnd_.FormatSql().Str());
        }
        const EmploymentRecord& reference = *employee.RecordAt(periodEnd_);
        const CDate from = EmploymentStart(record.Get());
        if (earliestStart && !from.IsEmpty() && from <= start) start = from;
        if (n == 0) {
            WriteIdentity(attachment.Get(), record.Get(), employee, true);
            if (current) {
                start = PensionVersion() ? from : eligibility_->ContinuousEmploymentStart(employee);
                WriteFlags(attachment.Get(), record.Get(), start);
            }
            PutTextField(attachment.Get(), u"WYKSZTALCENIE", ReadRecordText(record.Get(), &IPracEtat::get_KodWyksztal));
            PutTextField(attachment.Get(), u"ZAWOD", ReadRecordText(record.Get(), &IPracEtat::get_Zawod));
            if (!address_) address_.emplace(session_.Get());
            address_->Write(attachment.Get(), record.Get(), employee.Name());
            PutLongField(attachment.Get(), u"POMINNE", 0);
            if (current) newHireFte_ += NewHireFte(employee, nullptr);
        }
        const LONG endVersion = current ? attachmentVersion : kFirstGenerationAttachmentVersion;
        if (const std::optional<CDate> last = EmploymentEnd(record.Get(), endVersion); last && *last >= end) end = *last;

        const auto linked = n == 0 ? std::span<EmployeeMonthSource* const>(all)
                                   : std::span<EmployeeMonthSource* const>(&all[n], 1);
        const WndWageSums sums = wages.Sum(
            employee, *eligibility_,
            [&](long m, long y) { return workingTime_->EmployeeFteVector(m, y, linked, reference, entries); },
            [&](long m, long y) { return eligibility_->IsEmployeeEligibleInMonth(m, y, employee); }, monthFlags,
            &groupTable);
        totals += sums;
        PutField(attachment.Get(), u"WYNMINIMALNE", CMoney().ToVariant());
    }
    PutField(attachment.Get(), u"OKRESZATRODDNIA", DateValue(start));
    PutField(attachment.Get(), u"OKRESZATRDODNIA", DateValue(end));
    if (current) totals.reduction = CMoney();
    WriteAmounts(attachment.Get(), totals, !current, true);
    WriteDegrees(attachment.Get(), groupTable, entries == WndWorkingTime::kPensionEntries);
    WriteCounts(number);
}

void WndRun::WriteCounts(LONG attachments) {
    PutLongField(wnd_.Get(), u"LICZBAINFDP", attachments);
    PutLongField(wnd_.Get(), u"LICZBAINFDZ", 0);
}

void WndRun::Finish(LONG attachments) {
    WriteCounts(attachments);
    if (attachments == 0) RaisePfronUserError(NoAttachmentText());
    if (generation_ == WndGeneration::Current)
        PutTextField(wnd_.Get(), u"NOWOZATRUDNIENI", FormatWymiaru(newHireFte_).View());
}

void WndRun::Save() { CheckHost(session_->SaveChanges()); }
