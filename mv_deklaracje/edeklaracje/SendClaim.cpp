#include "mv_deklaracje/edeklaracje/SendClaim.h"

#include <iterator>

#include "hostapi/Framework.h"
#include "mv_deklaracje/core/Bstr.h"
#include "mv_deklaracje/core/HostServices.h"
#include "mv_deklaracje/core/VariantHelpers.h"
#include "mv_deklaracje/edeklaracje/EDeklaracja.h"
#include "mv_deklaracje/edeklaracje/MessageText.h"
#include "platform/ado/Ado.h"
#include "platform/com/OleDate.h"

namespace {

// The claimed columns, in the order of SendClaim::before_.
constexpr const char16_t* kColumns[] = {u"DkN_EDekl_Status", u"DkN_EDekl_StatusOpis", u"DkN_EDekl_DataWyslania",
                                        u"DkN_EDekl_OperatorWysylajacy"};
constexpr const char16_t kRefIdColumn[] = u"DkN_EDekl_RefID";

// A time as the database keeps it: "YYYY-MM-DD HH:MM:SS".
std::u16string TimeText(DATE date) {
    SYSTEMTIME time{};
    if (!VariantTimeToSystemTime(date, &time)) RaiseHResult(E_INVALIDARG);
    return FormatString(u"%04d-%02d-%02d %02d:%02d:%02d", time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute,
                        time.wSecond);
}

std::u16string Quoted(std::u16string_view text) { return QuoteSqlText(std::u16string(text).c_str(), true).Str(); }

// A column's value as an SQL value.
std::u16string SqlValue(const VARIANT& value) {
    switch (value.vt) {
    case VT_EMPTY:
    case VT_NULL: return u"NULL";
    case VT_DATE: return Quoted(TimeText(value.date));
    case VT_BSTR: return Quoted(VariantToBstr(value).View());
    default: return FormatString(u"%ld", VariantToLongOr(value, 0));
    }
}

// The recordset row the declaration is bound to; null for a declaration bound to none.
tlx::ComPtr<Recordset> BoundRow(IDeklaracja2* declaration) {
    tlx::ComPtr<IInitializeRS> bound = tlx::ComPtr<IDeklaracja2>(declaration).As<IInitializeRS>();
    if (!bound) return nullptr;
    tlx::ComPtr<Recordset> row;
    CheckHost(bound->GetRecordset(row.Out()));
    return row;
}

// What the database held in the column when this session read the row (its changes not yet saved aside).
tlx::Variant ReadValue(Recordset* row, const char16_t* column) {
    tlx::ComPtr<Fields> fields;
    CheckHost(row->get_Fields(fields.Out()));
    if (!fields) RaiseHResult(E_POINTER);
    tlx::ComPtr<Field> field;
    CheckHost(fields->get_Item(tlx::Variant::FromString(column), field.Out()));
    if (!field) RaiseHResult(E_POINTER);
    tlx::Variant value;
    CheckHost(field->get_UnderlyingValue(value.Out()));
    return value;
}

// The row read again as the database holds it now, the session's unsaved changes kept.
void ReadBack(IDeklaracja2* declaration) {
    if (tlx::ComPtr<Recordset> row = BoundRow(declaration))
        CheckHost(row->Resync(adAffectCurrent, adResyncUnderlyingValues));
}

LONG Execute(IDeklaracja2* declaration, const std::u16string& sql) {
    tlx::ComPtr<ISession2> session = GetHostDbAccess(declaration);
    if (!session) RaiseHResult(E_POINTER);
    tlx::ComPtr<Connection> connection;
    CheckHost(session->get_Connection(connection.Out()));
    if (!connection) RaiseHResult(E_POINTER);
    tlx::Variant affected;
    CheckHost(connection->Execute(tlx::Bstr(sql).Get(), affected.Out(), adCmdText, nullptr));
    return VariantToLongOr(std::move(affected), 0);
}

}  // namespace

std::optional<SendClaim> SendClaim::Take(IDeklaracja2* declaration, LONG operatorId) {
    if (!declaration) RaiseHResult(E_POINTER);
    SendClaim claim;
    CheckHost(declaration->get_ID(&claim.id_));
    if (claim.id_ == 0) return claim;
    claim.declaration_ = tlx::ComPtr<IDeklaracja2>(declaration);
    tlx::ComPtr<Recordset> row = BoundRow(declaration);
    std::u16string reference;
    if (row) {
        for (std::size_t i = 0; i < std::size(kColumns); ++i) claim.before_[i] = SqlValue(ReadValue(row.Get(), kColumns[i]));
        reference = VariantToBstr(ReadValue(row.Get(), kRefIdColumn)).Str();
    } else {
        LONG status = 0, sender = 0;
        DATE sent = 0;
        CheckHost(declaration->get_EDekl_Status(&status));
        CheckHost(declaration->get_EDekl_DataWyslania(&sent));
        CheckHost(declaration->get_EDekl_OperatorWysylajacy(&sender));
        claim.before_[0] = SqlValue(tlx::Variant::FromLong(status));
        claim.before_[1] = Quoted(ReadText<IDeklaracja2>(declaration, &IDeklaracja2::get_EDekl_StatusOpis));
        claim.before_[2] = sent == 0 ? u"NULL" : Quoted(TimeText(sent));
        claim.before_[3] = SqlValue(tlx::Variant::FromLong(sender));
        reference = ReadText<IDeklaracja2>(declaration, &IDeklaracja2::get_EDekl_RefID);
    }
    const DATE now = GetLocalNow();
    claim.claimedAt_ = TimeText(now);
    const std::u16string sending = LongToString(kSendingStatus).Str();
    const std::u16string sql =
        u"UPDATE TLX.DeklNag SET DkN_EDekl_Status = " + sending +
        u", DkN_EDekl_StatusOpis = " + Quoted(kSendingText) + u", DkN_EDekl_DataWyslania = " + Quoted(claim.claimedAt_) +
        u", DkN_EDekl_OperatorWysylajacy = " + LongToString(operatorId).Str() +
        u" WHERE DkN_DkNID = " + LongToString(claim.id_).Str() +
        u" AND ISNULL(DkN_EDekl_RefID, '') = " + Quoted(reference) +
        u" AND NOT (ISNULL(DkN_EDekl_Status, 0) = " + sending +
        u" AND ISNULL(CONVERT(VARCHAR(20), DkN_EDekl_DataWyslania, 120), '') > " +
        Quoted(TimeText(now - kLapseMinutes / (24.0 * 60.0))) + u")";
    if (Execute(declaration, sql) != 1) return std::nullopt;
    ReadBack(declaration);
    return claim;
}

void SendClaim::Release() {
    if (id_ == 0) return;
    std::u16string assignments;
    for (std::size_t i = 0; i < std::size(kColumns); ++i)
        assignments += (i ? u", " : u"") + std::u16string(kColumns[i]) + u" = " + before_[i];
    try {
        Execute(declaration_.Get(), u"UPDATE TLX.DeklNag SET " + assignments + u" WHERE DkN_DkNID = " +
                                        LongToString(id_).Str() + u" AND DkN_EDekl_Status = " +
                                        LongToString(kSendingStatus).Str() +
                                        u" AND CONVERT(VARCHAR(20), DkN_EDekl_DataWyslania, 120) = " + Quoted(claimedAt_));
        ReadBack(declaration_.Get());
    } catch (const ComError&) {
        // The claim lapses on its own; the send's own failure is what the caller reports.
    }
}
