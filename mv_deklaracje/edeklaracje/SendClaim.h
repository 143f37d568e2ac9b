// A stored declaration claimed for one send, so that it is filed once and as the sender read it.
//
// The claim is one conditional write of the declaration's row, committed on its own: it marks the row as
// being sent (status kSendingStatus with its text, the sending operator and the database's time) only
// while no other session is sending it and the row is still the one this session read (its version
// stamp DkN_TS_Mod and its reference number unchanged), so that neither a copy older than another
// user's save nor a declaration filed since is sent. While the claim holds, the declaration's save
// writes the row only from the object that claimed it (core/SendClaims.h); the row read by this session
// is brought up to date, so that storing the send's status does not take the claim for another user's
// change. A send that filed nothing gives the claim back: the four columns return to what the row held
// before. A claim left by a process that ended during its send lapses after kSendClaimLapseMinutes; the
// send that takes the row over then knows that an earlier send was cut off (CutOffSend).
//
// States: Take → held (listed as the declaration's claim) → the status stored or Release → gone (the
// object's end takes it off the list).
#pragma once

#include <optional>
#include <string>

#include "mv_deklaracje/core/SendClaims.h"
#include "mv_deklaracje_tlb.h"
#include "platform/com/ComPtr.h"

class SendClaim {
public:
    static constexpr char16_t kSendingText[] = u"Trwa wysyłanie deklaracji";

    // Why no claim was taken.
    enum class Refusal {
        Sending,  // another session is sending the declaration, or has filed it since this one read it
        Changed,  // another user saved the declaration (or removed it) since this session read it
    };

    // A lapsed claim the new one took the row from: a send that never stored what came of it.
    struct CutOffSend {
        std::u16string startedAt;     // when the earlier send began, in this workstation's local time
        std::u16string operatorCode;  // who began it; empty when the row does not say
    };

    // The declaration claimed by the operator; nothing, with the reason in `refusal`, when another session
    // is sending it or it is no longer as this session read it. A declaration never stored is no other
    // session's: its claim is empty.
    static std::optional<SendClaim> Take(IDeklaracja2* declaration, LONG operatorId, Refusal& refusal);

    SendClaim(SendClaim&& other) noexcept;
    SendClaim& operator=(SendClaim&&) = delete;
    ~SendClaim();

    // The earlier send cut off, when the claim took the row over from one.
    const std::optional<CutOffSend>& CutOff() const { return cutOff_; }

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
    std::optional<CutOffSend> cutOff_;
};
