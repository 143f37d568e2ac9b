// Text values of the XML export files (KEDU documents, PFRON applications): the escaper that makes any
// text safe as element content or as a double-quoted attribute value.
#pragma once

#include "mv_deklaracje/core/Bstr.h"

// The text with `&`, `<`, `>` and `"` written as entity references and every character XML cannot
// carry (control characters other than tab, line feed and carriage return, unpaired surrogates,
// U+FFFE and U+FFFF) left out. Every other character stays as it is: the export file is written in
// UTF-8, so letters of any alphabet need no treatment. `variant` is the form the KEDU writers ask for;
// both forms give the same text.
CBstr EscapeXmlText(const CBstr& text, bool variant = false);

// Appends `tail` to `text`.
void AppendString(CBstr& text, const CBstr& tail);
