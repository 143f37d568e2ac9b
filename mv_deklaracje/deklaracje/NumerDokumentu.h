// Document numbers from the numbering template of a document definition: a text with @-tokens that
// the definition's symbol, the register code, the year, the month and the running number fill.
#pragma once

#include "mv_deklaracje/core/Bstr.h"

// A lower-cased copy, Polish letters included; a null text gives the empty text.
CBstr ToLowerPolish(const CBstr& text);

// The template lower-cased with every token but the running number filled: "@symbol" (left in place
// when the symbol is null), "@rejestr" (the first five characters of the register code), "@rok_kal" and
// "@rok_obr" (the year, four digits), "@miesiac" (the month, two digits); "/@brak" and "@brak/" go.
CBstr FillNumberTemplate(const CBstr& pattern, const CBstr& symbol, const CBstr& registerCode, long month, long year);

// Fills the running number into a text from FillNumberTemplate: "@numers" without padding, "@numer"
// with six digits; with the number 0 the tokens lose their places ("/@numer", "@numer/" and the like).
CBstr FillRunningNumber(const CBstr& text, long number);
