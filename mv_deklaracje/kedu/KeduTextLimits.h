// The texts of a registration form's page held to the KEDU elements they are written into: a PESEL of
// 11 digits and no text longer than its element. The form refuses such a text when it is saved; the
// writers refuse it again before anything is written, for a page stored without that check, since ZUS
// refuses a whole KEDU file over one such value.
#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "mv_deklaracje/kedu/KeduPage.h"

// One line of a page block and the element it is written into.
struct KeduTextLimit {
    int line;
    // The longest text the element takes, or kPeselDigits for a PESEL.
    unsigned maxLength;
    // The element within its document block and what it holds: "p1 (PESEL)".
    std::u16string_view element;
    // Only the line's first word is written.
    bool firstWord = false;
};
inline constexpr unsigned kPeselDigits = 0;

// Refuses the first line of `block` that breaks its limit with the message of TextLimits, naming the
// person and the element: "<who()>: <documentBlock>/<element> ...". `who` is asked only for a refusal.
void CheckKeduTexts(const KeduPage::Block& block, std::span<const KeduTextLimit> limits,
                    const std::function<std::u16string()>& who, std::u16string_view documentBlock);

// "<role> SURNAME FIRST-NAME" of a person's block whose surname is line `surnameLine`, the first name
// the line after it.
std::u16string KeduPersonName(std::u16string_view role, const KeduPage::Block& block, int surnameLine);
