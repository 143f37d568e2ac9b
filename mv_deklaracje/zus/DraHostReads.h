// What the ZUS declarations (the DRA's steps, the IWA, the ZSWA) read of a declaration and of the host alike:
// a number of the declaration, its KEDU document and a block of it, a new session of the login and rows.
#pragma once

#include <string>

#include "hostapi/Kedu.h"
#include "hostapi/Session.h"
#include "mv_deklaracje_tlb.h"
#include "platform/ado/Ado.h"
#include "platform/com/ComPtr.h"

// A number of the declaration (`Rok`, `Miesiac`, `Wersja`, `TypDeklar`); a null declaration raises E_POINTER.
LONG ReadDeclarationLong(IDeklaracja2* declaration, HRESULT (IDeklaracja::*get)(LONG*));
// The declaration's KEDU document (its field "Dokument"); none raises E_POINTER.
tlx::ComPtr<IKeduDokument> DeclarationDocument(IDeklaracja2* declaration);
// The document's block of that name; none raises E_POINTER.
tlx::ComPtr<IKeduBlok> DocumentBlock(IKeduDokument* document, const char16_t* name);
// A new session of the current login, so that nothing read there stays in the caller's session.
tlx::ComPtr<ISession2> OpenLoginSession();
// The rows of a statement run on the session's company connection, opened as asked.
tlx::ComPtr<Recordset> OpenSessionRows(ISession2* session, const std::u16string& sql, CursorLocationEnum location,
                                       CursorTypeEnum cursor, LockTypeEnum lock);
