// The texts the PFRON declarations write: working-time fractions and amounts with a decimal comma,
// the reporting period "MM-YYYY", and texts cut to a field's width. Shared by the INF-D, WN-D and
// WN-U calculators and their application files.
#pragma once

#include "mv_deklaracje/core/Bstr.h"
#include "mv_deklaracje/core/Money.h"

// x rounded to three decimals with a decimal comma: 0.5 gives "0,500".
CBstr FormatWymiaru(double x);
// A fraction the form keeps as text brought to the same three decimals: read with the decimal comma
// (ParseDecimalString), so "0,4995" gives "0,500", "2" gives "2,000", "" and "0.5" give "0,000".
CBstr FormatDecimal3Text(const CBstr& text);
// The amount in złoty with two decimals and a decimal comma, no thousands separator ("1234,50",
// "0,00", "-12,00"). Rounded half away from zero from the currency count itself, never through a double.
CBstr FormatPfronAmount(const CMoney& amount);
// The same of a currency value as it stands (ten-thousandths), rounded to grosze half away from zero.
CBstr FormatPfronAmount(CY amount);
// "MM-YYYY" of a declaration's month and year ("03-2016").
CBstr FormatReportingPeriod(long month, long year);
// The first `maxLength` characters of `text`; a surrogate pair that the cut would split is left out whole.
CBstr TruncateText(unsigned maxLength, const CBstr& text);
// `count` copies of `c` (none for a count of 0 or less).
CBstr RepeatChar(OLECHAR c, int count);
// A whole number in decimal, with a leading "0" when it is a single digit from 0 to 9 ("07", "123", "-5").
CBstr PadTwoDigits(long value);
