// The binding of a PFRON calculator (INF-D, WN-D, WN-U) to the declaration it works on: the object keeps
// the session's reference for the declaration, never the declaration itself.
#pragma once

#include "hostapi/Collections.h"
#include "hostapi/Session.h"
#include <functional>
#include <string_view>

#include "mv_deklaracje/core/Bstr.h"
#include "mv_deklaracje_tlb.h"
#include "platform/com/ComPtr.h"

// The declaration of identifier `id`, loaded through the module's declaration collection of `session`.
tlx::ComPtr<IDeklaracja2> OpenDeclaration(ISession* session, LONG id);
// The declaration of identifier `id` that a caller of `session` holds (the form's own declaration),
// or, when nobody holds one, the declaration loaded through `session`.
tlx::ComPtr<IDeklaracja2> BindDeclaration(ISession* session, LONG id);
// The session's reference for `declaration`; null for a null declaration.
tlx::ComPtr<ISessionReference> AttachDeclaration(ISession* session, IDeklaracja2* declaration);
// The declaration a reference stands for; null when unbound.
tlx::ComPtr<IDeklaracja2> GetDeklaracja(ISessionReference* bound);
// The bound declaration; E_POINTER when unbound.
tlx::ComPtr<IDeklaracja2> RequireDeklaracja(ISessionReference* bound);
// "MM-YYYY" of the bound declaration's month and year; E_POINTER when unbound.
CBstr OkresSprawozdawczyTekst(ISessionReference* bound);

// After a calculation stored the declaration in a session of its own, the caller's declaration reads back
// what was stored: its child collections and its own row (see the definition for a row with changes).
void ReadBackCalculation(IDeklaracja2* declaration);

// Runs a calculation of the declaration named `name` ("INFD", "WND") with its progress events on the
// caller's declaration: "Wyliczanie deklaracji <name>" before `prepare`, the initialisation pair after
// it, then `calculate`, and the completion, or the failure events when anything fails.
void RunPfronCalculation(IDeklaracja2* declaration, std::u16string_view name, const std::function<void()>& prepare,
                         const std::function<void()>& calculate);
