// Who is sending a stored declaration now, so that no other session files it or changes what it is
// filed from while the service is being asked (edeklaracje/SendClaim takes the claim).
//
// A live send is known by an operating-system lock, never by a time: the sending process holds an
// open-file-description lock (F_OFD_SETLK) on one byte per declaration of its document, the byte at the
// declaration's identifier in a lock file beside the company database. The kernel lets the locks go when
// the process ends however it ends, so a send cut off leaves no claim behind; workstations' clocks play
// no part. Two sessions of one process meet through the same locks (each lock file opened on its own is
// a description of its own), and the objects that hold a claim are listed, so that a save from the object
// that claimed a row goes through and a save from any other object is refused.
//
// A company database that is no file (an in-memory one, which no other process can open) has no lock
// file: the list of this process's claims alone tells a live send.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/ado/Ado.h"
#include "platform/com/ComPtr.h"

// The status of a declaration being sent: no status the service gives.
inline constexpr LONG kSendingStatus = -1;
// The status of a declaration whose document was handed to the service without an answer coming back:
// the office may have it.
inline constexpr LONG kUnansweredStatus = -2;

// The locks of one send on the declarations of its document, held until the object goes.
class SendLocks {
public:
    // The locks on every declaration `ids` names; nothing when another session or process holds any of
    // them (then none is taken). A lock file that cannot be opened raises its error.
    static std::optional<SendLocks> Take(Connection* connection, const std::vector<LONG>& ids);

    SendLocks(SendLocks&& other) noexcept;
    SendLocks& operator=(SendLocks&&) = delete;
    ~SendLocks();

    // Lists `holder` (a declaration object, told by its identity) as the one that may save the claimed
    // rows of this process until the locks go.
    void HeldBy(IUnknown* holder);

private:
    SendLocks() = default;

    int file_ = -1;  // the lock file, open while the locks hold; -1 for a database that is no file
    std::vector<LONG> ids_;
    std::string lockFile_;
};

// Whether a send other than one `object` holds has the declaration `id` now: by another process, or by
// another session of this one.
bool SentElsewhere(Connection* connection, IUnknown* object, LONG id);

// Refuses, as a conflict with another user, a save or delete by `object` of a row that belongs to the
// declaration `id` while a send it does not hold has that declaration. Called inside the save's
// transaction, which holds the database's write lock: a send claims its rows only inside a write
// transaction of its own, after taking its locks, so none comes between this check and the write.
void RefuseWhileSentElsewhere(Connection* connection, IUnknown* object, LONG id);

// The same for a row of a declaration's side list (a VAT-27 or VAT-ZD item), its declaration told by the
// row's link column as read, or as set for a row not stored yet.
void RefuseListRowWhileSent(IDispatch* session, Recordset* row, std::u16string_view linkColumn, IUnknown* object);
