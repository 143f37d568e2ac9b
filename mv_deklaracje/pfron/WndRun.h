// One calculation of a WN-D declaration, either generation: a host session of its own in which the
// declaration is loaded again, its old attachments removed, the employer's employment figures written
// (current generation), one INF-D-P attachment built per eligible employee or group of linked cards,
// and the counts written. Nothing reaches the database until Save, which stores all of it in one
// transaction; a run dropped unsaved leaves the database as it was.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "hostapi/Collections.h"
#include "hostapi/Configuration.h"
#include "hostapi/Payroll.h"
#include "hostapi/Session.h"
#include "mv_deklaracje/core/Date.h"
#include "mv_deklaracje/pfron/HostEmployeeMonth.h"
#include "mv_deklaracje/pfron/PfronCard.h"
#include "mv_deklaracje/pfron/PfronFields.h"
#include "mv_deklaracje/pfron/WndEligibility.h"
#include "mv_deklaracje/pfron/WndWages.h"
#include "mv_deklaracje/pfron/WndWorkingTime.h"
#include "mv_deklaracje_tlb.h"
#include "platform/com/ComPtr.h"

class WndRun {
public:
    // Opens the run's session and loads declaration `id` in it; reads the refund status at the month's
    // first day. Refund status 1 raises the PFRON user error before anything is changed.
    WndRun(WndGeneration generation, LONG id);

    void RemoveAttachments();
    // The employment figures and the employer's status (current generation; the first has none).
    void WriteEmployerFigures();
    // Builds the attachments of every eligible employee or group, numbered from 1; answers their count.
    LONG WriteAttachments();
    // The counts, and the newly employed when there are attachments; none raises the PFRON user error.
    void Finish(LONG attachments);
    // Stores the whole run.
    void Save();

    static constexpr const OLECHAR* kRefundStatusKey = u"/Firma/Płace/ZUS/Status Refundacji";
    static constexpr const OLECHAR* kMinimumWageKey = u"/Program/Płace/Wskaźniki/Najniższe wynagrodzenie";
    static constexpr LONG kAttachmentType = 311;
    static constexpr LONG kFirstGenerationAttachmentVersion = 1;
    static constexpr long kShelteredEmployer = 2;
    static constexpr int kLastYearWithoutRefundBase = 2007;

private:
    using Card = PfronCard;
    bool PensionVersion() const { return version_ >= 4 && version_ <= 6; }

    tlx::ComPtr<IDeklaracja2> NewAttachment(LONG number);
    CBstr PaymentMonthText(LONG id);
    void AddAttachment(Card& card, LONG number);
    void AddGroupAttachment(LONG head, const std::vector<LONG>& ids, LONG number);
    void WriteIdentity(IDeklaracja2* attachment, IPracEtat* record, HostEmployeeMonth& employee, bool group);
    void WriteFlags(IDeklaracja2* attachment, IPracEtat* record, CDate start);
    // The employment end the attachment states, when the contract gives one.
    std::optional<CDate> EmploymentEnd(IPracEtat* record, LONG attachmentVersion);
    void WriteAmounts(IDeklaracja2* attachment, const WndWageSums& sums, bool yearRule, bool group);
    void WriteDegrees(IDeklaracja2* attachment, const WndWorkingTime::Vector& degrees, bool pensionSet);
    CMoney MinimumWage();
    void WriteCounts(LONG attachments);
    double NewHireFte(HostEmployeeMonth& employee, const WndWorkingTime::Vector* degrees);

    WndGeneration generation_;
    tlx::ComPtr<ISession> session_;
    tlx::ComPtr<IDeklaracja2> wnd_;
    // The declarations collection the new attachments are added to, made with the first.
    tlx::ComPtr<ICollection> attachments_;
    tlx::ComPtr<IKonfiguracja> configuration_;
    std::optional<PfronAddressWriter> address_;
    LONG id_ = 0;
    LONG year_ = 0;
    LONG month_ = 0;
    LONG version_ = 0;
    CDate periodStart_;
    CDate periodEnd_;
    LONG refundStatus_ = 0;
    double newHireFte_ = 0.0;
    std::optional<WndEligibility> eligibility_;
    std::optional<WndWorkingTime> workingTime_;
};
