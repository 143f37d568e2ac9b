// Texts written into the ZUS documents: identifiers without hyphens and names in capitals.
#pragma once

#include "mv_deklaracje/core/Bstr.h"

// The text with every '-' removed; other characters (blanks) stay; a null text stays null.
CBstr DeformatNIP(const CBstr& text);

// The text in capitals, Polish and other Latin letters included ("Łukasz Żółć" gives "ŁUKASZ ŻÓŁĆ");
// a null text stays null.
CBstr UpperCaseName(const CBstr& text);
