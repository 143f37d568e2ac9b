// The limits the ZUS documents put on a text: no text longer than the KEDU element it goes into, and a
// PESEL of 11 digits. ZUS refuses a whole KEDU file over one value that breaks them, so the DRA's
// calculation and the KEDU writers refuse it first, naming the person and the value, with the code and
// the wording the form scripts refuse a value with.
#pragma once

#include <string_view>

#include "mv_deklaracje/core/Bstr.h"

// The code the form scripts refuse a value with (their ERR_ThrowText).
inline constexpr HRESULT kOdmowaWartosci = static_cast<HRESULT>(0x80050000 + 30114);

// Refuses a text longer than `najwyzej` characters: "<kto> może mieć najwyżej N znaków, a ma M: <text>".
void SprawdzDlugosc(std::u16string_view tekst, unsigned najwyzej, std::u16string_view kto);
inline void SprawdzDlugosc(const CBstr& tekst, unsigned najwyzej, std::u16string_view kto) {
    SprawdzDlugosc(tekst.View(), najwyzej, kto);
}

// True for 11 digits and for the empty text.
bool IsPeselOrEmpty(std::u16string_view pesel);

// Refuses a PESEL that is not 11 digits (an empty one passes: the person has an identity document):
// "<kto> musi być numerem PESEL z 11 cyfr, a jest "<text>".".
void SprawdzPesel(std::u16string_view pesel, std::u16string_view kto);
