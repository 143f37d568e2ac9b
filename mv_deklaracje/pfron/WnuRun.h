// One calculation of a WN-U declaration: a host session of its own in which the declaration is loaded
// again, its old attachments removed, one INF-U-P attachment built per reported employee or group of
// linked cards, and the counts written. Nothing reaches the database until Save, which stores all of it
// in one transaction; a run dropped unsaved leaves the database as it was.
#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "hostapi/Configuration.h"
#include "hostapi/Payroll.h"
#include "hostapi/Session.h"
#include "mv_deklaracje/core/Date.h"
#include "mv_deklaracje/pfron/HostEmployeeMonth.h"
#include "mv_deklaracje/pfron/PfronCard.h"
#include "mv_deklaracje/pfron/PfronFields.h"
#include "mv_deklaracje/pfron/WnuQualification.h"
#include "mv_deklaracje/pfron/WnuWages.h"
#include "mv_deklaracje/pfron/WnuWorkingTime.h"
#include "mv_deklaracje_tlb.h"
#include "platform/com/ComPtr.h"

class WnuRun {
public:
    // Opens the run's session and loads declaration `id` in it; reads the refund status at the month's
    // first day and the declaration's period. Refund status 1, or a period month or year left 0, raises
    // the PFRON user error before anything is changed.
    explicit WnuRun(LONG id);

    void RemoveAttachments();
    // Builds the attachments of every reported employee or group, numbered from 1; answers their count.
    LONG WriteAttachments();
    // None raises the PFRON user error.
    void Finish(LONG attachments);
    // Stores the whole run.
    void Save();

    static constexpr const OLECHAR* kRefundStatusKey = u"/Firma/Płace/ZUS/Status Refundacji";
    static constexpr const OLECHAR* kMinimumWageKey = u"/Program/Płace/Wskaźniki/Najniższe wynagrodzenie";
    static constexpr LONG kAttachmentType = 321;
    static constexpr long kNoRefundKind = 1;
    static constexpr int kLastYearWithoutRefundBase = 2007;

private:
    using Card = PfronCard;
    tlx::ComPtr<IDeklaracja2> NewAttachment(LONG number);
    tlx::ComPtr<IPracEtat> RecordObject(HostEmployeeMonth& employee);
    void WritePerson(IDeklaracja2* attachment, IPracEtat* record, HostEmployeeMonth& employee);
    void WriteEmployment(IDeklaracja2* attachment, IPracEtat* record, const EmploymentRecord& reference);
    void WriteWages(IDeklaracja2* attachment, const WnuSums& sums);
    void WriteDays(IDeklaracja2* attachment, const WnuWorkingTime::Days& days);
    void AddAttachment(Card& card, LONG number);
    void AddGroupAttachment(const std::vector<LONG>& ids, LONG number);
    WnuWages Wages();
    void WriteCounts(LONG attachments);

    tlx::ComPtr<ISession> session_;
    tlx::ComPtr<IDeklaracja2> wnu_;
    // The declarations collection the new attachments are added to, made with the first.
    tlx::ComPtr<ICollection> attachments_;
    tlx::ComPtr<IKonfiguracja> configuration_;
    std::optional<PfronAddressWriter> address_;
    LONG id_ = 0;
    LONG year_ = 0;
    LONG month_ = 0;
    LONG version_ = 0;
    CDate periodEnd_;
    long refundStatus_ = 0;
    long periodFrom_ = 0;
    long periodTo_ = 0;
    WnuQualification qualification_{0, 0};
    std::optional<WnuWorkingTime> workingTime_;
};
