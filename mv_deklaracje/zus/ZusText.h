// Texts written into the ZUS documents: identifiers without hyphens, names in capitals, and no text
// longer than the KEDU element it goes into.
#pragma once

#include <string_view>

#include "mv_deklaracje/core/Bstr.h"
#include "mv_deklaracje/core/TextLimits.h"

// The text with every '-' removed; other characters (blanks) stay; a null text stays null.
CBstr DeformatNIP(const CBstr& text);

// The text in capitals, Polish and other Latin letters included ("Łukasz Żółć" gives "ŁUKASZ ŻÓŁĆ");
// a null text stays null.
CBstr UpperCaseName(const CBstr& text);
