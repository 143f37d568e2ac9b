// The readers of a ZUS declaration's page text, the text image of the filled-in form that the KEDU
// writers take their values from: blocks "<CODE>" ... "</CODE>" that begin with a line break, one value
// per line ended by CR LF, words separated by whitespace. Then the reshaping of those values into the
// forms a KEDU document wants (dates, amounts, marks, codes). Positions count UTF-16 characters; no
// function keeps state between calls.
#pragma once

#include <string>
#include <string_view>

#include "mv_deklaracje/core/Bstr.h"
#include "platform/com/Variant.h"

// The text between the n-th opening tag "<code>" (counted from 1, the first searched from the start of
// the text) and the closing tag "</code>" after it; without a closing tag, the rest of the text. Empty
// when the text has fewer than n occurrences; n <= 0 takes the text from its start.
CBstr BlockText(std::u16string_view text, std::u16string_view code, int n);

// Line `line` (from 1) of a block text, or its word `word` (from 1; 0 is the whole line trimmed), escaped
// for XML element content. Only CR LF ends a line; a missing line or word gives the empty text.
CBstr LineValue(std::u16string_view block, int line, int word);

// The value of one line cut out as LineValue cuts it (from the LF before it through the CR that ends it):
// the whole line trimmed (`word` 0) or its word `word`, escaped for XML element content.
CBstr RawLineValue(std::u16string_view rawLine, int word);

// Word `word` (from 1) of a line cut out as LineValue cuts it, as it stands (not escaped); empty when
// the line has fewer words.
std::u16string_view LineWord(std::u16string_view rawLine, int word);

// The text without leading LF, blank and CR and without trailing CR and blank (tabs stay).
CBstr TrimLine(std::u16string_view text);
std::u16string_view TrimLineView(std::u16string_view text);

// "true" when the value equals the expected text exactly (case-sensitive), else the empty text.
CBstr TrueIfEqual(const CBstr& value, std::u16string_view expected);

// An amount in hundredths ("12345", "-5") as złoty with a decimal point ("123.45", "-0.05"); the empty
// text, "0" and "00" give "0.00", a value that has its point already keeps it, and leading zeros beyond
// the first of "0.xx" go.
CBstr AmountFromHundredths(const CBstr& value);

// A currency amount with two decimals and a decimal point ("1234.57", "-2.50").
CBstr CurrencyText(CY amount);

// The text without its leading zeros; at least one character stays ("000" gives "0").
CBstr StripLeadingZeros(const CBstr& text);

// The value when it is a non-zero number of at least five characters that reads back unchanged apart
// from its leading zeros ("01234"); otherwise (a dash, a letter, too short, all zeros) the empty text.
CBstr PostalCodeOrEmpty(const CBstr& value);

// A date "DDMMYYYY" as "YYYY-MM-DD". A date "DDMM" takes its year from the reference period: the year
// before it when the month lies after the reference month. An empty or shorter date gives "null". The
// digits are not checked. A date already written "YYYY-MM-DD" stays as it is.
CBstr KeduDate(const CBstr& date, long referenceYear, long referenceMonth);
// The same date appended to `out`.
void AppendKeduDate(std::u16string& out, std::u16string_view date, long referenceYear, long referenceMonth);

// The text with zeros put in front of it up to `width` characters.
CBstr PadLeftZeros(const CBstr& text, unsigned width);

// An insurance title code: four digits of the title, one of the right to a pension, one of the degree
// of disability. The parts are taken from the right ("12" gives "0000", "1", "2"; "5" gives "0000", "0",
// "5"); "0" and the empty code read as "0000". Answers the code padded with zeros to three characters.
CBstr SplitTitleCode(const CBstr& code, CBstr& title, CBstr& right, CBstr& degree);
