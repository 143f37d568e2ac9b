// The employer's employment in full-time equivalents, in total and of disabled persons, as the WN-D
// states it: one month at a time from the host database's procedures TLX.SOD3 and TLX.SOD4, and the
// average of the months before the declaration's month. The module counts nothing itself.
#pragma once

#include <functional>

#include "mv_deklaracje/core/Date.h"
#include "platform/ado/Ado.h"
#include "platform/com/ComPtr.h"

struct FteFigures {
    double total = 0.0;     // TMP_ET_P
    double disabled = 0.0;  // TMP_ET_N
};

class WndEmployment {
public:
    // The refund status valid on a day; 1 ends the walk over the preceding months.
    using RefundStatusAt = std::function<long(CDate)>;

    explicit WndEmployment(Connection* connection);

    // The batch that asks the procedure for one calendar month: TLX.SOD4 when `sod4`, else TLX.SOD3.
    static CBstr BatchText(long year, long month, bool sod4);
    // The averages of the month's rows; a month without rows gives zeros.
    FteFigures ComputeMonthFte(long year, long month, bool sod4);
    // The averages over up to twelve months before `month` of `year`, walking back until a month whose
    // last day has refund status 1; zeros when no month counts.
    FteFigures ComputePrecedingYearFte(long year, long month, bool sod4, const RefundStatusAt& refundStatusAt);

    // Whether employment grew, in total and of disabled persons alike, against the preceding months.
    static bool NetGrowth(const FteFigures& current, const FteFigures& preceding) {
        return current.total - preceding.total > 0 && current.disabled - preceding.disabled > 0;
    }

    static constexpr long kPrecedingMonths = 12;
    static constexpr long kNoRefundKind = 1;

private:
    tlx::ComPtr<Connection> connection_;
};
