// One calculation of an INF-D declaration: a host session of its own in which the declaration is loaded
// again, its old INF-D-P attachments removed, one new attachment built per qualifying employee and the
// counts written. Nothing reaches the database until Save, which stores all of it in one transaction;
// a run dropped unsaved leaves the database as it was.
#pragma once

#include <array>
#include <optional>

#include "hostapi/Collections.h"
#include "hostapi/Configuration.h"
#include "hostapi/Payroll.h"
#include "hostapi/Session.h"
#include "mv_deklaracje/core/Date.h"
#include "mv_deklaracje_tlb.h"
#include "mv_deklaracje/pfron/InfdQualification.h"
#include "mv_deklaracje/pfron/PfronFields.h"
#include "platform/com/ComPtr.h"

class HostEmployeeMonth;

class InfdRun {
public:
    // Opens the run's session and loads declaration `id` in it; reads the refund status at the month's
    // first day. Refund status 1 raises the PFRON user error before anything is changed.
    explicit InfdRun(LONG id);

    // Removes every child declaration of the INF-D (in the run's session).
    void RemoveAttachments();
    // The employees, by identifier.
    std::vector<LONG> EmployeeIds();
    // Decides for one employee and, when he qualifies, builds his attachment numbered `number`; answers
    // whether he did.
    bool PrzeliczZalacznik(LONG employeeId, LONG number);
    // Writes the counts into the INF-D (once the employees are done).
    void WriteCounts(LONG attachments);
    // Stores the whole run.
    void Save();

    LONG RefundStatus() const { return refundStatus_; }

    static constexpr const OLECHAR* kRefundStatusKey = u"/Firma/Płace/ZUS/Status Refundacji";
    static constexpr const OLECHAR* kMinimumWageKey = u"/Program/Płace/Wskaźniki/Najniższe wynagrodzenie";
    static constexpr LONG kAttachmentType = 301;
    static constexpr LONG kNoRefundKind = 1;

private:
    tlx::Variant ReadParameter(const OLECHAR* key, CDate day);
    tlx::ComPtr<IDeklaracja2> NewAttachment();
    void WritePersonalData(IDeklaracja2* attachment, IPracEtat* record, HostEmployeeMonth& employee);
    void WriteAddress(IDeklaracja2* attachment, IPracEtat* record, HostEmployeeMonth& employee);
    void WriteEmployment(IDeklaracja2* attachment, IPracEtat* record, LONG version);
    void WriteWagesAndTime(IDeklaracja2* attachment, IPracEtat* record, HostEmployeeMonth& employee,
                           bool monthBasis, LONG version);

    tlx::ComPtr<ISession> session_;
    tlx::ComPtr<IDeklaracja2> infd_;
    // The declarations collection the new attachments are added to, made with the first.
    tlx::ComPtr<ICollection> attachments_;
    tlx::ComPtr<IKonfiguracja> configuration_;
    std::optional<PfronAddressWriter> address_;
    LONG id_ = 0;
    LONG year_ = 0;
    LONG month_ = 0;
    CDate periodStart_;
    CDate periodEnd_;
    LONG version_ = 0;
    LONG refundStatus_ = 0;
    // The INF-D's fields every attachment copies, read once its period is written.
    static constexpr std::array<const OLECHAR*, 3> kCopiedFields = {u"OKRESSPRAWOZDAWCZY", u"RODZAJINFORMACJI",
                                                                    u"NRPFRON"};
    std::optional<std::array<tlx::Variant, kCopiedFields.size()>> copied_;
    std::optional<tlx::Variant> minimumWage_;
    InfdQualification qualification_{2000, 1};
};
