// A stored declaration claimed for one send, so that sessions sending it at the same moment file it once.
//
// The claim is one conditional write of the declaration's row, committed on its own: it marks the row as
// being sent (status kSendingStatus with its text, the sending operator and time) only while no other
// session is sending it and its reference number is still the one this session read, so that a
// declaration filed by another session since is not filed again. The row read by this session is then
// brought up to date, so that storing the send's status does not take the claim for another user's
// change. A send that filed nothing gives the claim back: the four columns return to what the row held
// before. The claim of a process that ended during its send lapses after kLapseMinutes, so that no
// declaration is left unsendable.
#pragma once

#include <optional>
#include <string>

#include "mv_deklaracje_tlb.h"
#include "platform/com/ComPtr.h"

class SendClaim {
public:
    // The status of a declaration being sent: no status the service gives.
    static constexpr LONG kSendingStatus = -1;
    static constexpr char16_t kSendingText[] = u"Trwa wysyłanie deklaracji";
    static constexpr int kLapseMinutes = 10;

    // The declaration claimed by the operator; nothing when another session is sending it or has filed
    // it since this session read it. A declaration never stored is no other session's: its claim is empty.
    static std::optional<SendClaim> Take(IDeklaracja2* declaration, LONG operatorId);

    // Gives the claim back after a send that filed nothing. A claim that cannot be given back lapses.
    void Release();

private:
    SendClaim() = default;

    tlx::ComPtr<IDeklaracja2> declaration_;
    LONG id_ = 0;
    std::u16string claimedAt_;  // the sending time the claim wrote, as the database holds it
    // The SQL values of the claimed columns as the row held them before: status, its text, the sending
    // time and operator.
    std::u16string before_[4];
};
