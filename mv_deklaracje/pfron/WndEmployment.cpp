#include "mv_deklaracje/pfron/WndEmployment.h"

#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/core/Date.h"
#include "mv_deklaracje/core/RecordsetValues.h"
#include "mv_deklaracje/core/VariantHelpers.h"
#include "platform/com/Bstr.h"

namespace {
constexpr std::u16string_view kTotalColumn = u"TMP_ET_P";
constexpr std::u16string_view kDisabledColumn = u"TMP_ET_N";

// A column's value as a double; a database NULL counts as 0.
double ReadNumber(Recordset* rows, std::u16string_view column) {
    const tlx::Variant value = ReadRecordsetValue(rows, column);
    if (value.vt == VT_NULL || value.vt == VT_EMPTY) return 0.0;
    return ConvertVariant(value, VT_R8).dblVal;
}

bool AtEnd(Recordset* rows) {
    VARIANT_BOOL eof = VARIANT_TRUE;
    CheckHost(rows->get_EOF(&eof));
    return eof != VARIANT_FALSE;
}
}  // namespace

WndEmployment::WndEmployment(Connection* connection) : connection_(connection) {
    if (!connection_) RaiseHResult(E_POINTER);
}

CBstr WndEmployment::BatchText(long year, long month, bool sod4) {
    const int m = static_cast<int>(month), y = static_cast<int>(year);
    const CDate first(m, 1, y);
    const CDate last(m, DaysInMonth(m, y), y);
    std::u16string text = u"DECLARE @DataOd DATETIME,@DataDo DATETIME; SET @DataOd= " + first.FormatSqlDateTime().Str() +
                          u"; SET @DataDo=" + last.FormatSqlDateTime().Str() + u"; ";
    text += sod4 ? u"exec TLX.SOD4 @DataOd, @DataDo;" : u"exec TLX.SOD3 @DataOd, @DataDo, 1;";
    return CBstr(text);
}

// The averages divide by the rows read, so that a row count the recordset does not know (or gets wrong)
// never divides by zero nor skews the figure.
FteFigures WndEmployment::ComputeMonthFte(long year, long month, bool sod4) {
    tlx::ComPtr<Recordset> rows;
    CheckHost(connection_->Execute(tlx::Bstr(BatchText(year, month, sod4).View()).Get(), nullptr, adCmdText,
                                   rows.Out()));
    if (!rows) RaiseHResult(E_POINTER);
    FteFigures sums;
    long count = 0;
    for (; !AtEnd(rows.Get()); CheckHost(rows->MoveNext())) {
        sums.total += ReadNumber(rows.Get(), kTotalColumn);
        sums.disabled += ReadNumber(rows.Get(), kDisabledColumn);
        ++count;
    }
    CheckHost(rows->Close());
    if (count == 0) return {};
    return {sums.total / count, sums.disabled / count};
}

FteFigures WndEmployment::ComputePrecedingYearFte(long year, long month, bool sod4,
                                                  const RefundStatusAt& refundStatusAt) {
    FteFigures sums;
    long counted = 0;
    int y = static_cast<int>(year), m = static_cast<int>(month);
    while (counted < kPrecedingMonths) {
        if (--m == 0) m = 12, --y;
        if (refundStatusAt(CDate(m, DaysInMonth(m, y), y)) == kNoRefundKind) break;
        const FteFigures figures = ComputeMonthFte(y, m, sod4);
        sums.total += figures.total;
        sums.disabled += figures.disabled;
        ++counted;
    }
    if (counted == 0) return {};
    return {sums.total / counted, sums.disabled / counted};
}
