// The ZUSDRA document of a DRA in either schema generation, written from the declaration's fields by
// name, and the identification blocks the DRA's reports repeat from it.
#pragma once

#include <string_view>

#include "mv_deklaracje/core/Bstr.h"
#include "mv_deklaracje/kedu/KeduDraValues.h"
#include "mv_deklaracje/kedu/KeduHeader.h"
#include "mv_deklaracje/kedu/KeduXmlWriter.h"

// The whole "<ZUSDRA>" element: blocks I to XI, every value read before the first element is written.
// `withoutReports` (a DRA of one person without any report) adds the person's block X. The 2009
// generation needs the fields of form version 3, the 2016 one those of version 4: a field the form does
// not define fails the document.
CBstr WriteZusDraKedu3(const KeduFieldReader& fields, bool withoutReports);
CBstr WriteZusDraKedu43(const KeduFieldReader& fields, bool withoutReports);
CBstr WriteZusDra(KeduGeneration generation, const KeduFieldReader& fields, bool withoutReports);

// Reads what the payer's block and the declaration's identifier write: the identifier's number, year
// and month, the payer's identifiers and names, his date of birth.
void ReadDraPayer(KeduDraValues& values);
// `<element><p1>number</p1><p2>year-month</p2></element>`.
void WriteDraIdentifier(KeduXmlWriter& xml, std::u16string_view element, const KeduDraValues& values);
// Block II, the payer: each element only with a value; the document's kind only beside its number.
void WriteDraPayer(KeduXmlWriter& xml, const KeduDraValues& values);
