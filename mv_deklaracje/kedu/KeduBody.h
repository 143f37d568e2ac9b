// The KEDU text of one stored ZUS declaration: its body, written by the writer of its form, and the
// whole document of header, body and "</KEDU>".
#pragma once

#include "hostapi/Session.h"
#include "mv_deklaracje/core/Bstr.h"

// The body of declaration `declarationId`, looked up through `session`: the element of a registration
// form or of the IWA; the empty text for a form without a KEDU writer (the ZCZA, the DRA's reports,
// tax and PFRON declarations); for a DRA, its set with its reports. A declaration
// that cannot be had raises the collection's error or E_POINTER.
CBstr WriteKeduBody(ISession* session, long declarationId);

// The body as above, refused (message 524) for a form without a KEDU element, which a KEDU XML file
// could only leave out.
CBstr WriteRequiredKeduBody(ISession* session, long declarationId);

// The header of the declaration's schema generation, its required body and "</KEDU>".
CBstr BuildKeduDocument(ISession* session, long declarationId);
