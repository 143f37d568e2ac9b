// Texts written into the ZUS documents: identifiers without hyphens, names in capitals, and no text
// longer than the KEDU element it goes into.
#pragma once

#include <string_view>

#include "mv_deklaracje/core/Bstr.h"

// The text with every '-' removed; other characters (blanks) stay; a null text stays null.
CBstr DeformatNIP(const CBstr& text);

// The text in capitals, Polish and other Latin letters included ("Łukasz Żółć" gives "ŁUKASZ ŻÓŁĆ");
// a null text stays null.
CBstr UpperCaseName(const CBstr& text);

// The code the form scripts refuse a value with (their ERR_ThrowText), which the ZUS checks share.
inline constexpr HRESULT kOdmowaWartosci = static_cast<HRESULT>(0x80050000 + 30114);

// Refuses a text longer than `najwyzej` characters with the message the form scripts give:
// "<kto> może mieć najwyżej N znaków, a ma M: <text>" (ZUS refuses a whole KEDU file over one such text).
void SprawdzDlugosc(const CBstr& tekst, unsigned najwyzej, std::u16string_view kto);
