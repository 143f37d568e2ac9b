// The start of every KEDU document this module writes: the XML declaration, the open root element of
// one of the two schema generations and the header naming the program and the day; and the route by
// which a ZUS declaration reaches its KEDU file.
#pragma once

#include "hostapi/Session.h"
#include "mv_deklaracje/core/Bstr.h"
#include "mv_deklaracje/core/Date.h"
#include "tlb/Enumerations.h"

// The schema generation of a document's root element.
enum class KeduGeneration {
    Kedu3,   // the 2009 schema, of declarations of version 3
    Kedu43,  // the 2016 schema, of every other declaration and of packages
};

// The generation a declaration of that `Wersja` is written in.
KeduGeneration KeduGenerationOf(long version);

// The header of a document, without a line break and with the root element left open: the body's writer
// closes it with "</KEDU>". `version` is the program's four-part version, empty when it is not known.
// The names of the host's three products are written in capitals, any other as given.
CBstr KeduHeaderText(KeduGeneration generation, const CBstr& productName, const CBstr& version, const CDate& today);

// The host library's four-part file version ("1.0.0.0"), or the empty text when it registered none.
CBstr HostLibraryVersion();

// The header of the document of declaration `declarationId` (read through `session`), or of a package
// (`declarationId` 0: the 2016 root), with the host's product and today's date. A declaration that
// cannot be had raises the collection's error or E_POINTER.
CBstr BuildKeduHeader(ISession* session, long declarationId);

// The route of a declaration of that type and version: the host's KEDU component for the ZCZA and for
// a DRA of version 2 or lower, the module's XML writers for everything else.
FormatEksportuZUSEnum ExportRouteOf(long typDeklar, long version);

// The route of the stored declaration `id` of that type and version: as above, except that a DRA with a
// report its KEDU XML set cannot carry takes the host component's road, whose file carries every report.
FormatEksportuZUSEnum ExportRouteOfStored(long id, long typDeklar, long version);
