#include "mv_deklaracje/edeklaracje/SendClaim.h"

#include <iterator>
#include <utility>

#include "hostapi/Framework.h"
#include "mv_deklaracje/core/Bstr.h"
#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/core/HostServices.h"
#include "mv_deklaracje/core/RecordsetValues.h"
#include "mv_deklaracje/core/VariantHelpers.h"
#include "mv_deklaracje/edeklaracje/FilingColumns.h"
#include "platform/ado/Ado.h"

namespace {

// The claimed columns, in the order of SendClaim::before_.
constexpr const char16_t* kColumns[] = {u"DkN_EDekl_Status", u"DkN_EDekl_StatusOpis", u"DkN_EDekl_DataWyslania",
                                        u"DkN_EDekl_OperatorWysylajacy"};
std::u16string Quoted(std::u16string_view text) { return QuoteSqlText(std::u16string(text).c_str(), true).Str(); }
std::u16string Decimal(LONG value) { return LongToString(value).Str(); }

// The code of an operator of the configuration database; its identifier when it has none there, the
// empty text for no operator.
std::u16string OperatorCode(IDeklaracja2* declaration, LONG id) {
    if (id == 0) return u"";
    try {
        tlx::Variant code;
        ExecuteScalarSql(code.Out(), declaration,
                         (u"SELECT Ope_Kod FROM TLX.Operatorzy WHERE Ope_OpeID = " + Decimal(id)).c_str(), true);
        if (code.vt != VT_NULL && code.vt != VT_EMPTY) return VariantToBstr(code).Str();
    } catch (const ComError&) {
        // An operator removed since: the identifier still tells who it was.
    }
    return u"o identyfikatorze " + Decimal(id);
}

std::u16string RowCondition(LONG id) { return u" WHERE DkN_DkNID = " + Decimal(id); }

}  // namespace

std::optional<SendClaim> SendClaim::Take(IDeklaracja2* declaration, const FiledRows& rows, LONG operatorId,
                                         Refusal& refusal) {
    if (!declaration) RaiseHResult(E_POINTER);
    const LONG id = rows.SentId();
    if (id == 0) RaiseHResult(E_INVALIDARG);
    tlx::ComPtr<Connection> connection = CompanyConnection(declaration);
    std::optional<SendLocks> locks = SendLocks::Take(connection.Get(), rows.Ids());
    if (!locks) {
        refusal = Refusal::Sending;
        return std::nullopt;
    }
    SendClaim claim(std::move(*locks));
    claim.id_ = id;
    tlx::ComPtr<Recordset> before;
    {
        WriteTransaction work(connection.Get());
        switch (rows.Compare(connection.Get())) {
        case FiledRows::Comparison::Same: break;
        case FiledRows::Comparison::Changed: refusal = Refusal::Changed; return std::nullopt;
        case FiledRows::Comparison::Filed: refusal = Refusal::Sending; return std::nullopt;
        }
        // The claimed columns as the row holds them now: what a send that files nothing puts back, and the
        // trace of an earlier send whose outcome the office never told.
        before = OpenRows(connection.Get(),
                          u"SELECT DkN_EDekl_Status AS S, DkN_EDekl_StatusOpis AS O, "
                          u"CONVERT(VARCHAR(20), DkN_EDekl_DataWyslania, 120) AS W, DkN_EDekl_OperatorWysylajacy AS P, "
                          u"datetime(DkN_EDekl_DataWyslania, 'localtime') AS L FROM TLX.DeklNag" + RowCondition(id));
        const char16_t* const names[] = {u"S", u"O", u"W", u"P"};
        for (std::size_t i = 0; i < std::size(names); ++i)
            claim.before_[i] = SqlValue(ReadRecordsetValue(before.Get(), names[i]));
        ExecuteSql(connection.Get(), u"UPDATE TLX.DeklNag SET DkN_EDekl_Status = " + Decimal(kSendingStatus) +
                                      u", DkN_EDekl_StatusOpis = " + Quoted(kSendingText) +
                                      u", DkN_EDekl_DataWyslania = datetime('now'), DkN_EDekl_OperatorWysylajacy = " +
                                      Decimal(operatorId) + RowCondition(id));
        tlx::Variant claimedAt;
        ExecuteScalarSql(claimedAt.Out(), declaration,
                         (u"SELECT CONVERT(VARCHAR(20), DkN_EDekl_DataWyslania, 120) FROM TLX.DeklNag" + RowCondition(id))
                             .c_str(),
                         false);
        claim.claimedAt_ = VariantToBstr(claimedAt).Str();
        work.Commit();
    }
    claim.declaration_ = tlx::ComPtr<IDeklaracja2>(declaration);
    claim.locks_.HeldBy(declaration);
    const LONG earlierStatus = VariantToLongOr(ReadRecordsetValue(before.Get(), u"S"), 0);
    if (earlierStatus == kSendingStatus || earlierStatus == kUnansweredStatus)
        claim.earlier_ = EarlierSend{VariantToBstr(ReadRecordsetValue(before.Get(), u"L")).Str(),
                                     OperatorCode(declaration, VariantToLongOr(ReadRecordsetValue(before.Get(), u"P"), 0)),
                                     earlierStatus == kUnansweredStatus};
    ReadBack(declaration);
    return claim;
}

SendClaim::~SendClaim() {
    if (!settled_) Release();
}

void SendClaim::RewriteClaimedRow(const std::u16string& assignments) {
    settled_ = true;
    if (!declaration_) return;
    try {
        ExecuteSql(CompanyConnection(declaration_.Get()).Get(),
                u"UPDATE TLX.DeklNag SET " + assignments + RowCondition(id_) + u" AND DkN_EDekl_Status = " +
                    Decimal(kSendingStatus) + u" AND CONVERT(VARCHAR(20), DkN_EDekl_DataWyslania, 120) = " +
                    Quoted(claimedAt_));
        ReadBack(declaration_.Get());
    } catch (const ComError&) {
        // The row stays marked as being sent: the next send reads it as cut off, which is as much as is known.
    }
}

void SendClaim::Release() {
    std::u16string assignments;
    for (std::size_t i = 0; i < std::size(kColumns); ++i)
        assignments += (i ? u", " : u"") + std::u16string(kColumns[i]) + u" = " + before_[i];
    RewriteClaimedRow(assignments);
}

void SendClaim::MarkUnanswered() {
    RewriteClaimedRow(u"DkN_EDekl_Status = " + Decimal(kUnansweredStatus) + u", DkN_EDekl_StatusOpis = " +
                      Quoted(kUnansweredText));
}
