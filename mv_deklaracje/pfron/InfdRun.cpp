#include "mv_deklaracje/pfron/InfdRun.h"

#include <cstdlib>

#include "hostapi/Employees.h"
#include "hostapi/Login.h"
#include "hostapi/Subjects.h"
#include "mv_deklaracje/core/CollectionEnumerator.h"
#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/core/HostServices.h"
#include "mv_deklaracje/core/VariantHelpers.h"
#include "mv_deklaracje/pfron/HostEmployeeMonth.h"
#include "mv_deklaracje/pfron/InfdWages.h"
#include "mv_deklaracje/pfron/InfdWorkingTime.h"
#include "mv_deklaracje/pfron/PfronDeclaration.h"
#include "mv_deklaracje/pfron/PfronFields.h"
#include "mv_deklaracje/pfron/PfronText.h"
#include "mv_deklaracje/pfron/PfronUserError.h"
#include "platform/ado/Ado.h"
#include "platform/com/Bstr.h"
#include "platform/text/CodePage.h"

namespace {
constexpr const OLECHAR* kEmployeesSql = u"select pra_praid from tlx.prackod order by pra_praid";
constexpr const OLECHAR* kOpenEnded = u"na czas nieokreślony";
// Title groups of the four-digit insurance title (its two leading digits).
constexpr long kTitleEmployee = 1;
constexpr long kTitleHomeworker = 2;

void Put(IDeklaracja2* declaration, const OLECHAR* field, const VARIANT& value) { PutField(declaration, field, value); }
void PutText(IDeklaracja2* declaration, const OLECHAR* field, const std::u16string_view text) {
    PutTextField(declaration, field, text);
}
void PutLong(IDeklaracja2* declaration, const OLECHAR* field, LONG value) { PutLongField(declaration, field, value); }
tlx::Variant Read(IDeklaracja2* declaration, const OLECHAR* field) { return ReadField(declaration, field); }
std::u16string ReadText(IPracEtat* record, HRESULT (IPracEtat::*member)(BSTR*)) { return ReadRecordText(record, member); }
}  // namespace

InfdRun::InfdRun(LONG id) : id_(id) {
    PfronRunSession run = OpenPfronRunSession(id);
    session_ = run.session;
    infd_ = run.declaration;
    configuration_ = run.configuration;
    CheckHost(infd_->get_Rok(&year_));
    CheckHost(infd_->get_Miesiac(&month_));
    CheckHost(infd_->get_Wersja(&version_));
    periodStart_ = CDate(static_cast<int>(month_), 1, static_cast<int>(year_));
    periodEnd_ = CDate(static_cast<int>(month_) + 1, 0, static_cast<int>(year_));
    qualification_ = InfdQualification(year_, month_);
    refundStatus_ = VariantToLongOr(ReadParameter(kRefundStatusKey, periodStart_).Detach(), 0);
    if (refundStatus_ == kNoRefundKind) RaisePfronUserError(NoRefundKindText());
}

tlx::Variant InfdRun::ReadParameter(const OLECHAR* key, CDate day) {
    return ReadConfigurationValue(configuration_.Get(), key, day);
}

void InfdRun::RemoveAttachments() { RemoveChildDeclarations(infd_.Get()); }

std::vector<LONG> InfdRun::EmployeeIds() {
    std::vector<LONG> ids;
    for (const auto& row : ReadLongRows(session_.Get(), kEmployeesSql, 1)) ids.push_back(row[0]);
    return ids;
}

tlx::ComPtr<IDeklaracja2> InfdRun::NewAttachment() {
    tlx::ComPtr<IDispatch> item;
    CheckHost(RunDeclarations(session_.Get(), attachments_)->AddNew(tlx::Variant::Missing(), item.Out()));
    auto attachment = Require(item).As<IDeklaracja2>();
    Require(attachment);
    CheckHost(attachment->put_ParentId(id_));
    CheckHost(attachment->put_TypDeklar(kAttachmentType));
    CheckHost(attachment->put_Wersja(version_));
    return attachment;
}

bool InfdRun::PrzeliczZalacznik(LONG employeeId, LONG number) {
    // Each employee is read in a session of his own, which goes when he is done: the run's memory does
    // not grow with the company.
    tlx::ComPtr<IPracownik> pracownik = OpenEmployeeInNewSession(employeeId);
    // Only the payouts of the month and the month before count: the rest of the year is not read.
    const long monthIndex = year_ * 12L + month_;
    HostEmployeeMonth employee(pracownik.Get(), periodEnd_, ListMonths{monthIndex - 1, monthIndex});
    const QualificationResult answer = qualification_.Qualify(employee);
    if (!answer.qualifies) return false;

    // Identification: the INF-D's period first, then what the attachment copies of it (once a run: it is
    // the same for every employee).
    if (!copied_) {
        PutText(infd_.Get(), u"OKRESSPRAWOZDAWCZY", FormatReportingPeriod(month_, year_).View());
        copied_.emplace();
        for (std::size_t i = 0; i < kCopiedFields.size(); ++i) (*copied_)[i] = Read(infd_.Get(), kCopiedFields[i]);
    }
    tlx::ComPtr<IDeklaracja2> attachment = NewAttachment();
    PutLong(attachment.Get(), u"NRKOLEJNY", number);
    for (std::size_t i = 0; i < kCopiedFields.size(); ++i) Put(attachment.Get(), kCopiedFields[i], (*copied_)[i]);

    tlx::ComPtr<IPracEtat> record = employee.RecordObjectAt(periodEnd_);
    if (!record) {
        RaiseComError(E_POINTER, u"Brak zapisu historycznego pracownika " + employee.Name().Str() + u" na dzień " +
                                  periodEnd_.FormatSql().Str());
    }
    WritePersonalData(attachment.Get(), record.Get(), employee);
    WriteAddress(attachment.Get(), record.Get(), employee);
    WriteEmployment(attachment.Get(), record.Get(), version_);
    WriteWagesAndTime(attachment.Get(), record.Get(), employee, answer.currentMonthBasis, version_);
    return true;
}

void InfdRun::WritePersonalData(IDeklaracja2* attachment, IPracEtat* record, HostEmployeeMonth& employee) {
    PutText(attachment, u"IMIE1", ReadText(record, &IPracEtat::get_Imie1));
    PutText(attachment, u"IMIE2", ReadText(record, &IPracEtat::get_Imie2));
    PutText(attachment, u"NAZWISKO", ReadText(record, &IPracEtat::get_Nazwisko));
    const std::u16string gender = ReadText(record, &IPracEtat::get_Plec);
    if (gender.empty()) RaisePfronUserError(MissingGenderText(employee.Name()));
    PutText(attachment, u"PLEC", gender);
    PutText(attachment, u"NIP", ReplaceAll(ReadText(record, &IPracEtat::get_NipE).c_str(), u"-", u"", false).View());
    PutText(attachment, u"PESEL", ReadText(record, &IPracEtat::get_Pesel));
    PutText(attachment, u"NRDOWODU", ReadText(record, &IPracEtat::get_DowOsobisty));
    PutText(attachment, u"WYKSZTALCENIE", ReadText(record, &IPracEtat::get_KodWyksztal));
    PutText(attachment, u"ZAWOD", ReadText(record, &IPracEtat::get_Zawod));
}

void InfdRun::WriteAddress(IDeklaracja2* attachment, IPracEtat* record, HostEmployeeMonth& employee) {
    if (!address_) address_.emplace(session_.Get());
    address_->Write(attachment, record, employee.Name());
}

void InfdRun::WriteEmployment(IDeklaracja2* attachment, IPracEtat* record, LONG version) {
    tlx::ComPtr<IOkres> employment;
    CheckHost(record->get_OkresZatrudnienia(employment.Out()));
    DATE first = 0, last = 0;
    CheckHost(Require(employment)->get_DataOd(&first));
    CheckHost(employment->get_DataDo(&last));
    PutLong(attachment, u"POMINNE", 0);
    Put(attachment, u"OKRESZATRODDNIA", tlx::Variant::FromDate(first));
    PutLong(attachment, u"ROZWSTOSPRACY", 2);

    tlx::ComPtr<IPracDaneZus> workingTime;
    CheckHost(record->get_WymiarEtatu(workingTime.Out()));
    tlx::Bstr contract;
    CheckHost(Require(workingTime)->get_RodzajUmowy(contract.Out()));
    const bool openEnded = contract.View().empty() || contract.View() == kOpenEnded;
    bool writeEnd;
    if (openEnded) {
        PutLong(attachment, u"ZATRNACZAS", 2);
        tlx::ComPtr<ICalendarRange> range;
        CheckHost(employment->get_Zakres(range.Out()));
        DATE after = 0;
        CheckHost(Require(range)->get_Do(&after));
        const CDate end(last);
        writeEnd = !end.IsEmpty() && end.GetMonth() == month_ && end.GetYear() == year_ && after < CDate::kLast;
    } else {
        PutLong(attachment, u"ZATRNACZAS", 1);
        writeEnd = last + 1 < CDate::kLast;
    }
    if (writeEnd && version == 1) Put(attachment, u"OKRESZATRDODNIA", tlx::Variant::FromDate(last));

    // The title is the four-digit ZUS title held as a number: its two leading digits are code / 100.
    tlx::ComPtr<IKodTytulu> title;
    CheckHost(record->get_Tytul(title.Out()));
    LONG code = 0;
    if (title) CheckHost(title->get_Kod(&code));
    if (code / 100 == kTitleEmployee) PutLong(attachment, u"PODSTZATRUDNIENIA", 1);
    else if (code / 100 == kTitleHomeworker) PutLong(attachment, u"PODSTZATRUDNIENIA", 2);
}

void InfdRun::WriteWagesAndTime(IDeklaracja2* attachment, IPracEtat* record, HostEmployeeMonth& employee,
                                bool monthBasis, LONG version) {
    InfdWages wages;
    if (monthBasis) wages = InfdWages::Sum(employee.Payouts(), year_, month_);
    Put(attachment, u"WYNOSIAGANE", wages.earned.ToVariant());
    Put(attachment, u"WYNWYPLACONE", wages.paid.ToVariant());
    // The minimum wage of the last day of the year before: one value for the whole run.
    if (!minimumWage_) {
        const CDate yearBefore(12, 31, static_cast<int>(year_) - 1);
        minimumWage_ = ConfigurationMoney(ReadParameter(kMinimumWageKey, yearBefore)).ToVariant();
    }
    Put(attachment, u"WYNMINIMALNE", *minimumWage_);

    LONG degree = 0;
    CheckHost(record->get_StopienNiepelnosprawnosci(&degree));
    wages.ApplyRefundStatus(refundStatus_, degree);
    if (version == 1) Put(attachment, u"POMZUS", wages.reduction.ToVariant());
    else if (version >= 2) Put(attachment, u"POMNIEJSZENIA", wages.reduction.ToVariant());

    InfdWorkingTime::Sums sums{};
    if (monthBasis) {
        tlx::ComPtr<IDaneDodatkowe> residence;
        CheckHost(record->get_DaneDodatkowe(residence.Out()));
        DATE termination = 0;
        CheckHost(Require(residence)->get_DataZwolnienia(&termination));
        sums = InfdWorkingTime(year_, month_, refundStatus_).Calculate(employee, CDate(termination));
    }
    for (int i = 0; i < InfdWorkingTime::kFieldCount; ++i) {
        // The first form version has no fields for the special conditions outside protected posts.
        const bool special = i >= InfdWorkingTime::NORMSZNACZNY;
        if (special && version < 2) continue;
        PutText(attachment, InfdWorkingTime::kFieldNames[i], FormatWymiaru(sums[static_cast<std::size_t>(i)]).View());
    }
}

void InfdRun::WriteCounts(LONG attachments) {
    PutLong(infd_.Get(), u"LICZBAINFDP", attachments);
    PutLong(infd_.Get(), u"LICZBAINFDZ", 0);
}

void InfdRun::Save() { CheckHost(session_->SaveChanges()); }
