// Text values of the XML export files (KEDU documents, PFRON applications): the escaper that makes any
// text safe as element content or as a double-quoted attribute value.
#pragma once

#include <string>
#include <string_view>

#include "mv_deklaracje/core/Bstr.h"

// The text with `&`, `<`, `>` and `"` written as entity references, tab, line feed and carriage return
// as the character references `&#9;`, `&#10;` and `&#13;` (so that a value reads back as stored and
// a document stays on one line), and every character XML cannot carry (the other control characters,
// unpaired surrogates, U+FFFE and U+FFFF) left out. Every other character stays as it is: the export file is written in
// UTF-8, so letters of any alphabet need no treatment. `variant` is the form the KEDU writers ask for;
// both forms give the same text.
CBstr EscapeXmlText(const CBstr& text, bool variant = false);
// The same escaped text appended to `out`.
void AppendEscapedXml(std::u16string& out, std::u16string_view text);
// True when the escaper would write the text otherwise than as it is.
bool NeedsXmlEscaping(std::u16string_view text);

// Appends `tail` to `text`.
void AppendString(CBstr& text, const CBstr& tail);
