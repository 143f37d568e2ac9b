// The module's roads to the host's process-wide objects: the application object, the session of a host
// object, the host's texts for its error codes, and the scalar query over a session's connections.
#pragma once

#include "hostapi/Login.h"
#include "hostapi/Session.h"
#include "mv_deklaracje/core/Bstr.h"
#include "platform/com/ComPtr.h"
#include "platform/com/Variant.h"

// A lookup or query that found no row.
inline constexpr HRESULT kHostNoRow = static_cast<HRESULT>(0x80050458);
// A linked record that does not exist.
inline constexpr HRESULT kHostMissingRecord = static_cast<HRESULT>(0x80050467);

// The host's application object, created for the caller; a creation failure other than E_NOINTERFACE is
// raised, no object raises E_POINTER.
tlx::ComPtr<IApplication> CreateHostApplication();

// A new session of the current login, so that what the caller reads in it goes with the session; no
// login or no session raises E_POINTER.
tlx::ComPtr<ISession> CreateNewHostSession();

struct IPracownik;

// The employee of that identifier, read by its key in a new host session of the current login, so that
// nothing of one employee's objects stays in the caller's session and the session goes with the
// employee object.
tlx::ComPtr<IPracownik> OpenEmployeeInNewSession(LONG id);

// The second interface of the session that `hostObject` belongs to.
tlx::ComPtr<ISession2> GetHostDbAccess(IDispatch* hostObject);

// The host's user-facing text for an error code, cut before its first "|"; `fallback` when the lookup
// fails.
CBstr GetHostErrorText(HRESULT code, const CBstr& fallback);

// Runs one statement on the company connection of `hostObject`'s session (or its configuration
// connection) and answers the single value of its first row. No recordset or a row of more or fewer
// than one column raises E_INVALIDARG; no row raises 0x80050458. `result` is VT_EMPTY after a failure.
void ExecuteScalarSql(VARIANT* result, IDispatch* hostObject, const OLECHAR* sql, bool configConnection);
