// The claim a send puts on a stored declaration's row, so that no other session files it or saves it
// while the service is being asked (edeklaracje/SendClaim takes it): the row holds the sending status
// with the time the database's clock gave the claim. A claim older than kSendClaimLapseMinutes was left
// by a send that ended without giving it back (its process killed) and no longer holds the row. Every
// time is the database's, compared in the database: workstations' clocks and time zones play no part.
//
// The declaration objects of this process that hold a claim are listed here, so that the declaration's
// save writes a claimed row from the object that claimed it and from no other.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/ado/Ado.h"
#include "platform/com/ComPtr.h"

// The status of a declaration being sent: no status the service gives.
inline constexpr LONG kSendingStatus = -1;
inline constexpr int kSendClaimLapseMinutes = 10;

// The SQL condition that a send holds a TLX.DeklNag row now.
std::u16string LiveSendClaimCondition();

// The sending time of the claim that holds the declaration row `id` now ("YYYY-MM-DD hh:mm:ss", the
// database's time), or nothing when no send holds it.
std::optional<std::u16string> LiveSendClaimTime(Connection* connection, LONG id);

// `declaration` holds the claim written with the sending time `claimedAt` until ForgetSendClaim; a
// declaration is told by its identity (its IUnknown).
void HoldSendClaim(IUnknown* declaration, std::u16string claimedAt);
void ForgetSendClaim(IUnknown* declaration);
bool HoldsSendClaim(IUnknown* declaration, std::u16string_view claimedAt);
