#include "mv_deklaracje/pfron/WnuRun.h"

#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/core/HostServices.h"
#include "mv_deklaracje/core/VariantHelpers.h"
#include "mv_deklaracje/pfron/InfdWorkingTime.h"
#include "mv_deklaracje/pfron/PfronText.h"
#include "mv_deklaracje/pfron/PfronUserError.h"
#include "platform/com/Bstr.h"

namespace {
constexpr const OLECHAR* kOpenEnded = u"na czas nieokreślony";
constexpr LONG kRegularEmployment = 2;   // ROZWSTOSPRACY
constexpr LONG kOpenEndedContract = 2;   // ZATRNACZAS
constexpr LONG kFixedTermContract = 1;
constexpr long kTitleEmployee = 1;       // the four-digit title's two leading digits
constexpr long kTitleHomeworker = 2;
// The period fields of the WN-U, in the order a missing one is named.
constexpr const OLECHAR* kPeriodFields[] = {u"MIESIACOD", u"ROKOD", u"MIESIACDO", u"ROKDO"};

// A date field's value: the empty date as a null value.
tlx::Variant DateValue(CDate day) { return day.IsEmpty() ? tlx::Variant::Null() : tlx::Variant::FromDate(day.Value()); }
}  // namespace

WnuRun::WnuRun(LONG id) : id_(id) {
    PfronRunSession run = OpenPfronRunSession(id);
    session_ = run.session;
    wnu_ = run.declaration;
    configuration_ = run.configuration;
    CheckHost(wnu_->get_Rok(&year_));
    CheckHost(wnu_->get_Miesiac(&month_));
    CheckHost(wnu_->get_Wersja(&version_));
    const CDate periodStart(static_cast<int>(month_), 1, static_cast<int>(year_));
    periodEnd_ = CDate(static_cast<int>(month_) + 1, 0, static_cast<int>(year_));
    refundStatus_ = VariantToLongOr(ReadConfigurationValue(configuration_.Get(), kRefundStatusKey, periodStart).Detach(), 0);
    if (refundStatus_ == kNoRefundKind) RaisePfronUserError(NoRefundKindText());
    // A period left empty would put every payment outside it: the declaration's own required-field text.
    long period[4] = {};
    for (int i = 0; i < 4; ++i) {
        period[i] = VariantToLongOr(ReadField(wnu_.Get(), kPeriodFields[i]).Detach(), 0);
        if (period[i] == 0)
            RaiseComError(kPfronUserError, u"Pole \"" + std::u16string(kPeriodFields[i]) + u"\" musi być wypełnione.");
    }
    periodFrom_ = period[1] * 12 + period[0];
    periodTo_ = period[3] * 12 + period[2];
    qualification_ = WnuQualification(year_, month_);
    workingTime_.emplace(refundStatus_, qualification_);
}

void WnuRun::RemoveAttachments() { RemoveChildDeclarations(wnu_.Get()); }

LONG WnuRun::WriteAttachments() {
    LONG count = 0;
    for (const auto& row : ReadTopCards(session_.Get())) {
        const LONG id = row[0];
        if (row[1] == 0) {
            Card card = OpenPfronCard(id, periodEnd_);
            if (qualification_.IsEmployeeReportable(*card.month)) AddAttachment(card, ++count);
            continue;
        }
        // A group gets one attachment when one of its cards is reported; the test stops at the first.
        const std::vector<LONG> ids = ReadGroupCards(session_.Get(), id);
        bool found = false;
        for (LONG member : ids) {
            Card card = OpenPfronCard(member, periodEnd_);
            if ((found = qualification_.IsEmployeeReportable(*card.month))) break;
        }
        if (found) AddGroupAttachment(ids, ++count);
    }
    return count;
}

tlx::ComPtr<IDeklaracja2> WnuRun::NewAttachment(LONG number) {
    PutTextField(wnu_.Get(), u"OKRESSPRAWOZDAWCZY", FormatReportingPeriod(month_, year_).View());
    return NewPfronAttachment(RunDeclarations(session_.Get(), attachments_), wnu_.Get(), id_, kAttachmentType,
                              version_, number);
}

tlx::ComPtr<IPracEtat> WnuRun::RecordObject(HostEmployeeMonth& employee) {
    tlx::ComPtr<IPracEtat> record = employee.RecordObjectAt(periodEnd_);
    if (!record || !employee.RecordAt(periodEnd_)) {
        RaiseComError(E_POINTER, u"Brak zapisu historycznego pracownika " + employee.Name().Str() + u" na dzień " +
                                  periodEnd_.FormatSql().Str());
    }
    return record;
}

void WnuRun::WritePerson(IDeklaracja2* attachment, IPracEtat* record, HostEmployeeMonth& employee) {
    WritePfronIdentity(attachment, record, employee.Name());
    PutTextField(attachment, u"WYKSZTALCENIE", ReadRecordText(record, &IPracEtat::get_KodWyksztal));
    PutTextField(attachment, u"ZAWOD", ReadRecordText(record, &IPracEtat::get_Zawod));
    if (!address_) address_.emplace(session_.Get());
    address_->Write(attachment, record, employee.Name());
    PutLongField(attachment, u"POMINNE", 0);
}

void WnuRun::WriteEmployment(IDeklaracja2* attachment, IPracEtat* record, const EmploymentRecord& reference) {
    PutLongField(attachment, u"ROZWSTOSPRACY", kRegularEmployment);
    tlx::ComPtr<IPracDaneZus> workingTime;
    CheckHost(record->get_WymiarEtatu(workingTime.Out()));
    tlx::Bstr contract;
    CheckHost(Require(workingTime)->get_RodzajUmowy(contract.Out()));
    const bool openEnded = contract.View().empty() || contract.View() == kOpenEnded;
    PutLongField(attachment, u"ZATRNACZAS", openEnded ? kOpenEndedContract : kFixedTermContract);
    // The four-digit ZUS title held as a number: its two leading digits are code / 100.
    const long title = reference.titleCode / 100;
    if (title == kTitleEmployee || title == kTitleHomeworker) PutLongField(attachment, u"PODSTZATRUDNIENIA", title);
}

WnuWages WnuRun::Wages() {
    const CDate yearBefore(12, 31, static_cast<int>(year_) - 1);
    const CMoney minimumWage = ConfigurationMoney(ReadConfigurationValue(configuration_.Get(), kMinimumWageKey, yearBefore));
    return WnuWages(refundStatus_, year_, month_, minimumWage, periodFrom_, periodTo_);
}

void WnuRun::WriteWages(IDeklaracja2* attachment, const WnuSums& sums) {
    PutField(attachment, u"WYNOSIAGANE", sums.earned.ToVariant());
    PutField(attachment, u"WYNWYPLACONE", sums.paid.ToVariant());
    PutField(attachment, u"PRACEMERYTALNE", sums.employerPension.ToVariant());
    PutField(attachment, u"PRACRENTOWE", sums.employerDisability.ToVariant());
    PutField(attachment, u"PRACWYPADKOWE", sums.employerAccident.ToVariant());
    PutField(attachment, u"WYNCHOROBOWE", sums.employeeSickness.ToVariant());
    PutField(attachment, u"WYNEMERYTALNE", sums.employeePension.ToVariant());
    PutField(attachment, u"WYNMINIMALNE", tlx::Variant::FromDouble(0.0));
}

void WnuRun::WriteDays(IDeklaracja2* attachment, const WnuWorkingTime::Days& days) {
    long total = 0;
    for (int k = 0; k < WnuWorkingTime::kCategories; ++k) {
        const long value = static_cast<long>(days[static_cast<std::size_t>(k)]);
        PutTextField(attachment, InfdWorkingTime::kFieldNames[k], PadTwoDigits(value).View());
        total += value;
    }
    PutLongField(attachment, u"OKRESZATR", total);
}

void WnuRun::AddAttachment(Card& card, LONG number) {
    HostEmployeeMonth& employee = *card.month;
    tlx::ComPtr<IDeklaracja2> attachment = NewAttachment(number);
    tlx::ComPtr<IPracEtat> record = RecordObject(employee);
    const EmploymentRecord& reference = *employee.RecordAt(periodEnd_);
    WritePerson(attachment.Get(), record.Get(), employee);
    PutField(attachment.Get(), u"OKRESZATRODDNIA", DateValue(reference.employment.first));
    WriteEmployment(attachment.Get(), record.Get(), reference);

    WnuWages::MonthFlags months{};
    const WnuSums sums = Wages().Walk(
        employee, qualification_,
        [&](long m, long y, const EmploymentRecord&) { return workingTime_->CategoryDays(m, y, employee); }, nullptr,
        months);
    WriteWages(attachment.Get(), sums);
    const bool noBase = year_ <= kLastYearWithoutRefundBase;
    PutField(attachment.Get(), u"PODWKOSZTY", (noBase ? CMoney() : sums.RefundBase()).ToVariant());
    PutField(attachment.Get(), u"POMNIEJSZENIA", sums.reduction.ToVariant());
    WriteDays(attachment.Get(), workingTime_->CategoryDays(month_, year_, employee));
    WriteCounts(number);
}

void WnuRun::AddGroupAttachment(const std::vector<LONG>& ids, LONG number) {
    tlx::ComPtr<IDeklaracja2> attachment = NewAttachment(number);
    // The cards stay open for the group: the top card's days take those of its linked cards.
    std::vector<Card> cards;
    for (LONG id : ids) cards.push_back(OpenPfronCard(id, periodEnd_));
    std::vector<EmployeeMonthSource*> all;
    for (Card& c : cards) all.push_back(c.month.get());

    const WnuWages wages = Wages();
    WnuWages::MonthFlags months{};
    WnuSums totals;
    WnuWorkingTime::Days days{};
    CDate start(CDate::kLast);
    for (std::size_t n = 0; n < cards.size(); ++n) {
        HostEmployeeMonth& employee = *cards[n].month;
        tlx::ComPtr<IPracEtat> record = RecordObject(employee);
        const EmploymentRecord& reference = *employee.RecordAt(periodEnd_);
        if (n == 0) WritePerson(attachment.Get(), record.Get(), employee);
        // Cards without a start date do not make the group's start empty.
        const CDate from = reference.employment.first;
        if (!from.IsEmpty() && from <= start) start = from;
        WriteEmployment(attachment.Get(), record.Get(), reference);

        const auto related = n == 0 ? std::span<EmployeeMonthSource* const>(all)
                                    : std::span<EmployeeMonthSource* const>(&all[n], 1);
        // Each card's walk starts counting: a card tested on the month before does not drop the next.
        qualification_.countDays = true;
        totals += wages.Walk(
            employee, qualification_,
            [&](long m, long y, const EmploymentRecord& r) { return workingTime_->MergedCategoryDays(m, y, related, r); },
            [&](long m, long y) { return qualification_.QualifiesForMonth(m, y, employee); }, months, &days);
    }
    PutField(attachment.Get(), u"OKRESZATRODDNIA", DateValue(start.Value() == CDate::kLast ? CDate() : start));
    WriteWages(attachment.Get(), totals);
    WriteDays(attachment.Get(), days);
    const bool noBase = year_ <= kLastYearWithoutRefundBase;
    PutField(attachment.Get(), u"PODWKOSZTY", (noBase ? CMoney() : totals.RefundBase()).ToVariant());
    PutField(attachment.Get(), u"POMNIEJSZENIA", totals.reduction.ToVariant());
    WriteCounts(number);
}

void WnuRun::WriteCounts(LONG attachments) {
    PutLongField(wnu_.Get(), u"LICZBAINFUPGA", attachments);
    PutLongField(wnu_.Get(), u"LICZBAINFUZ", 0);
}

void WnuRun::Finish(LONG attachments) {
    if (attachments == 0) RaisePfronUserError(NoAttachmentText());
}

void WnuRun::Save() { CheckHost(session_->SaveChanges()); }
