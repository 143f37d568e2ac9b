// Field values of a PFRON declaration read for its application document, each in the text form the
// document writes: a NULL or empty value reads as the empty text (or 0, or the zero amount), a date as
// "YYYY-MM-DD", an amount from its currency value with a decimal comma.
#pragma once

#include <string>

#include "mv_deklaracje_tlb.h"
#include "platform/com/Variant.h"

// The field as text: a text as stored, a number's digits, a date "YYYY-MM-DD" (the empty date: the
// empty text); NULL and empty give the empty text.
std::u16string FieldText(IDeklaracja2* declaration, const OLECHAR* field);
// The same for a field the declaration's form may lack: a field it does not define reads as empty.
std::u16string OptionalFieldText(IDeklaracja2* declaration, const OLECHAR* field);
// The field read as a day, "YYYY-MM-DD"; `empty` for the empty date, NULL or nothing.
std::u16string FieldDate(IDeklaracja2* declaration, const OLECHAR* field, std::u16string_view empty = u"");
// The field as an amount with two decimals and a decimal comma ("1234,50"); NULL gives "0,00".
std::u16string FieldAmount(IDeklaracja2* declaration, const OLECHAR* field);
// The field as a whole number's digits; NULL gives the empty text.
std::u16string FieldNumber(IDeklaracja2* declaration, const OLECHAR* field);
// The declaration's form version and month.
long DeclarationVersion(IDeklaracja2* declaration);
long DeclarationMonth(IDeklaracja2* declaration);
long DeclarationYear(IDeklaracja2* declaration);

// The first `length` characters of the text (a surrogate pair is never split).
std::u16string Cut(unsigned length, const std::u16string& text);
// The text followed by `fill` up to `length` characters; a longer text stays whole.
std::u16string PadRight(std::u16string text, std::size_t length, char16_t fill);
// `fallback` when the text is empty, else the text.
std::u16string OrDefault(std::u16string text, std::u16string_view fallback);

// The file key of the `number`-th attachment without a PESEL in an export: eleven digits, leading zeros.
std::u16string SubstituteKey(long number);
