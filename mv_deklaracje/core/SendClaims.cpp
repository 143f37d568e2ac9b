#include "mv_deklaracje/core/SendClaims.h"

#include <mutex>
#include <unordered_map>

#include "mv_deklaracje/core/Bstr.h"
#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/core/RecordsetValues.h"
#include "mv_deklaracje/core/VariantHelpers.h"

namespace {

std::mutex& Guard() {
    static std::mutex guard;
    return guard;
}
// By the declaration's identity: the sending time of the claim it holds.
std::unordered_map<IUnknown*, std::u16string>& Held() {
    static std::unordered_map<IUnknown*, std::u16string> held;
    return held;
}

IUnknown* IdentityOf(IUnknown* object) {
    if (!object) return nullptr;
    tlx::ComPtr<IUnknown> identity;
    if (FAILED(object->QueryInterface(IID_IUnknown, identity.OutVoid()))) return nullptr;
    return identity.Get();
}

}  // namespace

std::u16string LiveSendClaimCondition() {
    // Stored times and datetime('now') are both "YYYY-MM-DD hh:mm:ss": as texts they compare as times.
    return u"ISNULL(DkN_EDekl_Status, 0) = " + LongToString(kSendingStatus).Str() +
           u" AND ISNULL(CONVERT(VARCHAR(20), DkN_EDekl_DataWyslania, 120), '') > datetime('now', '-" +
           LongToString(kSendClaimLapseMinutes).Str() + u" minutes')";
}

std::optional<std::u16string> LiveSendClaimTime(Connection* connection, LONG id) {
    tlx::ComPtr<Recordset> rows = OpenRows(
        connection, u"SELECT CONVERT(VARCHAR(20), DkN_EDekl_DataWyslania, 120) AS Wysylana FROM TLX.DeklNag "
                    u"WHERE DkN_DkNID = " + LongToString(id).Str() + u" AND " + LiveSendClaimCondition());
    VARIANT_BOOL eof = VARIANT_FALSE;
    CheckHost(rows->get_EOF(&eof));
    if (eof) return std::nullopt;
    return VariantToBstr(ReadRecordsetValue(rows.Get(), u"Wysylana")).Str();
}

void HoldSendClaim(IUnknown* declaration, std::u16string claimedAt) {
    IUnknown* identity = IdentityOf(declaration);
    if (!identity) RaiseHResult(E_POINTER);
    std::lock_guard lock(Guard());
    Held()[identity] = std::move(claimedAt);
}

void ForgetSendClaim(IUnknown* declaration) {
    IUnknown* identity = IdentityOf(declaration);
    std::lock_guard lock(Guard());
    Held().erase(identity);
}

bool HoldsSendClaim(IUnknown* declaration, std::u16string_view claimedAt) {
    IUnknown* identity = IdentityOf(declaration);
    std::lock_guard lock(Guard());
    auto found = Held().find(identity);
    return found != Held().end() && found->second == claimedAt;
}
