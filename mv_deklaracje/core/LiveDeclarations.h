// The declarations alive in this process, each with the session it was initialised with. An object
// bound to a declaration by its identifier (the PFRON calculators) takes the very declaration its caller
// holds in that session, so that the caller hears the object's progress events and reads what it wrote,
// rather than a second copy loaded from the database.
#pragma once

#include "hostapi/Session.h"
#include "mv_deklaracje_tlb.h"
#include "platform/com/ComPtr.h"

// A declaration registers once it has its session and unregisters when it is destroyed; the list holds
// no reference, so it never keeps a declaration alive.
void AddLiveDeclaration(ISession* session, IDeklaracja2* declaration);
void RemoveLiveDeclaration(IDeklaracja2* declaration);
// The declaration registered last with `session` whose identifier is `id` (a stored one: `id` > 0);
// null when there is none.
tlx::ComPtr<IDeklaracja2> FindLiveDeclaration(ISession* session, LONG id);
