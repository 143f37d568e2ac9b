// A stored declaration claimed for one send, with every row its document was built from (FiledRows), so
// that it is filed once and as the sender read it.
//
// The claim takes the process's locks on the declarations of the document (core/SendClaims.h): while
// they hold, no other session or process sends them or saves their rows. Then, in a write transaction
// of its own, it compares the rows with what the database holds now and marks the declaration's row as
// being sent (status kSendingStatus with its text, the sending operator and time), so that a copy older
// than another user's save, or a declaration filed since, is not sent. A send that filed nothing gives
// the row back as it was; one whose document left without an answer coming back leaves the record of
// it (kUnansweredStatus); the office's answer replaces the mark (FilingColumns).
//
// A row still marked as being sent when the locks could be taken was left by a send whose process ended
// during it: that send was cut off, and the office may have its document. The new claim says so
// (Earlier), as it does for a send that ended without an answer.
//
// States: Take → held (locks, row marked) → settled by Release, MarkUnanswered or Answered → the
// object's end lets the locks go. A claim that ends unsettled (a failure before its document left, such
// as a refused signature) gives the row back as Release does.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "mv_deklaracje/core/SendClaims.h"
#include "mv_deklaracje/edeklaracje/FiledRows.h"
#include "mv_deklaracje_tlb.h"
#include "platform/com/ComPtr.h"

class SendClaim {
public:
    static constexpr char16_t kSendingText[] = u"Trwa wysyłanie deklaracji";
    static constexpr char16_t kUnansweredText[] =
        u"Wysyłanie bez odpowiedzi urzędu; deklaracja mogła do niego dotrzeć.";

    // Why no claim was taken.
    enum class Refusal {
        Sending,  // another session is sending the declaration, or has filed it since this one read it
        Changed,  // another user saved one of its rows (or removed it) since this session read it
    };

    // An earlier send of the declaration whose outcome the office never told: cut off (its process
    // ended during it) or ended without an answer.
    struct EarlierSend {
        std::u16string startedAt;     // when it began, in this workstation's local time
        std::u16string operatorCode;  // who began it; empty when the row does not say
        bool unanswered = false;      // it ended without an answer (else it was cut off)
    };

    // The declaration `rows` were read from (the first of them), claimed by the operator; nothing, with the
    // reason in `refusal`, when another session is sending one of them or they are no longer as read.
    static std::optional<SendClaim> Take(IDeklaracja2* declaration, const FiledRows& rows, LONG operatorId,
                                         Refusal& refusal);

    SendClaim(SendClaim&& other) noexcept = default;
    SendClaim& operator=(SendClaim&&) = delete;
    ~SendClaim();

    const std::optional<EarlierSend>& Earlier() const { return earlier_; }

    // Gives the row back as it was, after a send that filed nothing. A failure leaves the row marked, which
    // the next send reads as a cut-off send.
    void Release();
    // Leaves in the row the record that this send's document left without an answer coming back.
    void MarkUnanswered();
    // The office answered: the row is the answer's to fill (FilingColumns); whatever comes of that write,
    // the claim no longer gives the row back.
    void Answered() { settled_ = true; }

private:
    explicit SendClaim(SendLocks locks) : locks_(std::move(locks)) {}
    // Sets the claimed columns to `assignments` while the row is still marked by this claim.
    void RewriteClaimedRow(const std::u16string& assignments);

    SendLocks locks_;
    tlx::ComPtr<IDeklaracja2> declaration_;
    LONG id_ = 0;
    std::u16string claimedAt_;  // the sending time the claim wrote, as the database holds it
    // The SQL values of the claimed columns as the row held them before: status, its text, the sending
    // time and operator.
    std::u16string before_[4];
    std::optional<EarlierSend> earlier_;
    bool settled_ = false;
};
