#include "mv_deklaracje/edeklaracje/SendClaim.h"

#include <iterator>
#include <utility>

#include "hostapi/Accounting.h"
#include "hostapi/Framework.h"
#include "mv_deklaracje/core/Bstr.h"
#include "mv_deklaracje/core/HostServices.h"
#include "mv_deklaracje/core/RecordsetValues.h"
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
constexpr const char16_t kStampColumn[] = u"DkN_TS_Mod";

// A time as the database keeps it: "YYYY-MM-DD HH:MM:SS"; the empty text for no time.
std::u16string TimeText(const VARIANT& value) {
    if (value.vt == VT_EMPTY || value.vt == VT_NULL) return u"";
    tlx::Variant date;
    if (FAILED(VariantChangeType(&date, &value, 0, VT_DATE))) RaiseHResult(E_INVALIDARG);
    SYSTEMTIME time{};
    if (!VariantTimeToSystemTime(date.date, &time)) RaiseHResult(E_INVALIDARG);
    return FormatString(u"%04d-%02d-%02d %02d:%02d:%02d", time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute,
                        time.wSecond);
}

std::u16string Quoted(std::u16string_view text) { return QuoteSqlText(std::u16string(text).c_str(), true).Str(); }

// A column's value as an SQL value.
std::u16string SqlValue(const VARIANT& value) {
    switch (value.vt) {
    case VT_EMPTY:
    case VT_NULL: return u"NULL";
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
    tlx::Variant value;
    CheckHost(RecordsetField(row, column)->get_UnderlyingValue(value.Out()));
    return value;
}

// The row read again as the database holds it now, the session's unsaved changes kept.
void ReadBack(IDeklaracja2* declaration) {
    if (tlx::ComPtr<Recordset> row = BoundRow(declaration))
        CheckHost(row->Resync(adAffectCurrent, adResyncUnderlyingValues));
}

tlx::ComPtr<Connection> CompanyConnection(IDeklaracja2* declaration) {
    tlx::ComPtr<ISession2> session = GetHostDbAccess(declaration);
    if (!session) RaiseHResult(E_POINTER);
    tlx::ComPtr<Connection> connection;
    CheckHost(session->get_Connection(connection.Out()));
    if (!connection) RaiseHResult(E_POINTER);
    return connection;
}

LONG Execute(Connection* connection, const std::u16string& sql) {
    tlx::Variant affected;
    CheckHost(connection->Execute(tlx::Bstr(sql).Get(), affected.Out(), adCmdText, nullptr));
    return VariantToLongOr(std::move(affected), 0);
}

// The first row of a statement; null when it gives none.
tlx::ComPtr<Recordset> FirstRow(Connection* connection, const std::u16string& sql) {
    tlx::ComPtr<Recordset> rows = OpenRows(connection, sql);
    VARIANT_BOOL eof = VARIANT_FALSE;
    CheckHost(rows->get_EOF(&eof));
    return eof ? nullptr : rows;
}

// The row as this session read it: its version stamp and reference number.
struct ReadCopy {
    std::u16string stamp, reference;
};

ReadCopy ReadByThisSession(IDeklaracja2* declaration) {
    if (tlx::ComPtr<Recordset> row = BoundRow(declaration))
        return {TimeText(ReadValue(row.Get(), kStampColumn)), VariantToBstr(ReadValue(row.Get(), kRefIdColumn)).Str()};
    // A declaration of another kind answers its stamp through the host's stamp object.
    tlx::ComPtr<IDispatch> object;
    CheckHost(declaration->get_Stempel(object.Out()));
    tlx::ComPtr<IStempel> stamp = object ? object.As<IStempel>() : nullptr;
    if (!stamp) RaiseHResult(E_POINTER);
    DATE changed = 0;
    CheckHost(stamp->get_TS_Mod(&changed));
    return {changed == 0 ? u"" : TimeText(tlx::Variant::FromDate(changed)),
            ReadText<IDeklaracja2>(declaration, &IDeklaracja2::get_EDekl_RefID)};
}

// The code of an operator of the configuration database; its identifier when it has none there, the
// empty text for no operator.
std::u16string OperatorCode(IDeklaracja2* declaration, LONG id) {
    if (id == 0) return u"";
    try {
        tlx::Variant code;
        ExecuteScalarSql(code.Out(), declaration,
                         (u"SELECT Ope_Kod FROM TLX.Operatorzy WHERE Ope_OpeID = " + LongToString(id).Str()).c_str(), true);
        if (code.vt != VT_NULL && code.vt != VT_EMPTY) return VariantToBstr(code).Str();
    } catch (const ComError&) {
        // An operator removed since: the identifier still tells who it was.
    }
    return u"o identyfikatorze " + LongToString(id).Str();
}

std::u16string RowCondition(LONG id) { return u" WHERE DkN_DkNID = " + LongToString(id).Str(); }

// Why the claiming write found no row to claim.
SendClaim::Refusal WhyRefused(Connection* connection, LONG id, const std::u16string& reference) {
    if (LiveSendClaimTime(connection, id)) return SendClaim::Refusal::Sending;
    tlx::ComPtr<Recordset> row =
        FirstRow(connection, u"SELECT ISNULL(DkN_EDekl_RefID, '') AS Ref FROM TLX.DeklNag" + RowCondition(id));
    if (row && VariantToBstr(ReadRecordsetValue(row.Get(), u"Ref")).View() != reference)
        return SendClaim::Refusal::Sending;
    return SendClaim::Refusal::Changed;
}

}  // namespace

std::optional<SendClaim> SendClaim::Take(IDeklaracja2* declaration, LONG operatorId, Refusal& refusal) {
    if (!declaration) RaiseHResult(E_POINTER);
    SendClaim claim;
    CheckHost(declaration->get_ID(&claim.id_));
    if (claim.id_ == 0) return claim;
    const ReadCopy read = ReadByThisSession(declaration);
    tlx::ComPtr<Connection> connection = CompanyConnection(declaration);

    // The claimed columns as the row holds them now: what a send that files nothing puts back, and the
    // trace of an earlier send that never ended.
    tlx::ComPtr<Recordset> before = FirstRow(
        connection.Get(), u"SELECT DkN_EDekl_Status AS S, DkN_EDekl_StatusOpis AS O, "
                          u"CONVERT(VARCHAR(20), DkN_EDekl_DataWyslania, 120) AS W, DkN_EDekl_OperatorWysylajacy AS P, "
                          u"datetime(DkN_EDekl_DataWyslania, 'localtime') AS L FROM TLX.DeklNag" + RowCondition(claim.id_));
    if (!before) {
        refusal = Refusal::Changed;
        return std::nullopt;
    }
    const char16_t* const names[] = {u"S", u"O", u"W", u"P"};
    for (std::size_t i = 0; i < std::size(names); ++i) claim.before_[i] = SqlValue(ReadRecordsetValue(before.Get(), names[i]));
    const bool wasSending = VariantToLongOr(ReadRecordsetValue(before.Get(), u"S"), 0) == kSendingStatus;

    // The time is the database's, and so is the lapse of another session's claim, compared here.
    const std::u16string sql =
        u"UPDATE TLX.DeklNag SET DkN_EDekl_Status = " + LongToString(kSendingStatus).Str() +
        u", DkN_EDekl_StatusOpis = " + Quoted(kSendingText) + u", DkN_EDekl_DataWyslania = datetime('now')" +
        u", DkN_EDekl_OperatorWysylajacy = " + LongToString(operatorId).Str() + RowCondition(claim.id_) +
        u" AND ISNULL(CONVERT(VARCHAR(20), " + kStampColumn + u", 120), '') = " + Quoted(read.stamp) +
        u" AND ISNULL(" + kRefIdColumn + u", '') = " + Quoted(read.reference) + u" AND NOT (" + LiveSendClaimCondition() +
        u")";
    if (Execute(connection.Get(), sql) != 1) {
        refusal = WhyRefused(connection.Get(), claim.id_, read.reference);
        return std::nullopt;
    }
    claim.declaration_ = tlx::ComPtr<IDeklaracja2>(declaration);
    claim.claimedAt_ = LiveSendClaimTime(connection.Get(), claim.id_).value_or(u"");
    HoldSendClaim(declaration, claim.claimedAt_);
    if (wasSending)
        claim.cutOff_ = CutOffSend{VariantToBstr(ReadRecordsetValue(before.Get(), u"L")).Str(),
                                   OperatorCode(declaration, VariantToLongOr(ReadRecordsetValue(before.Get(), u"P"), 0))};
    ReadBack(declaration);
    return claim;
}

SendClaim::SendClaim(SendClaim&& other) noexcept
    : declaration_(std::move(other.declaration_)),
      id_(std::exchange(other.id_, 0)),
      claimedAt_(std::move(other.claimedAt_)),
      cutOff_(std::move(other.cutOff_)) {
    for (std::size_t i = 0; i < std::size(before_); ++i) before_[i] = std::move(other.before_[i]);
}

SendClaim::~SendClaim() {
    if (declaration_) ForgetSendClaim(declaration_.Get());
}

void SendClaim::Release() {
    if (!declaration_) return;
    std::u16string assignments;
    for (std::size_t i = 0; i < std::size(kColumns); ++i)
        assignments += (i ? u", " : u"") + std::u16string(kColumns[i]) + u" = " + before_[i];
    try {
        Execute(CompanyConnection(declaration_.Get()).Get(),
                u"UPDATE TLX.DeklNag SET " + assignments + RowCondition(id_) + u" AND DkN_EDekl_Status = " +
                    LongToString(kSendingStatus).Str() +
                    u" AND CONVERT(VARCHAR(20), DkN_EDekl_DataWyslania, 120) = " + Quoted(claimedAt_));
        ForgetSendClaim(declaration_.Get());
        ReadBack(declaration_.Get());
    } catch (const ComError&) {
        // The claim lapses on its own; the send's own failure is what the caller reports.
    }
}
