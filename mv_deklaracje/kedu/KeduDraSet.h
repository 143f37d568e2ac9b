// The KEDU body of a DRA: its document set, the ZUSDRA document followed by the documents of its first
// RCA, RSA and RZA reports, each report framed by the DRA's identifier, payer and statement blocks.
#pragma once

#include "mv_deklaracje/core/Bstr.h"
#include "mv_deklaracje/kedu/KeduDeclaration.h"
#include "mv_deklaracje/kedu/KeduHeader.h"

// The set in the 2009 generation (a DRA of any version but 4) or the 2016 one (version 4). The reports
// and their pages are read over a host session of their own; a report without pages gives its frame
// alone. A DRA of one person and no report carries that person in the ZUSDRA's block X. A report of
// another kind is refused, naming it. Every failure ends the set: nothing is answered in part.
CBstr WriteDraSetKedu3(const KeduDeclaration& dra);
CBstr WriteDraSetKedu43(const KeduDeclaration& dra);
CBstr WriteDraSet(KeduGeneration generation, const KeduDeclaration& dra);

// True when the DRA has a report that no document of its set carries (an RNA, a hand-filled RGA).
// Writing its set refuses such a DRA (message 524, naming the report) rather than leave the report out.
bool HasReportWithoutKeduXml(long draId);
