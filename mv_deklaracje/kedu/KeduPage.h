// A declaration's page text as the KEDU writers read it: its blocks by code, their lines and words,
// and dates completed with the year of the declaration's own period.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "mv_deklaracje/core/Bstr.h"
#include "mv_deklaracje/kedu/KeduBlockWalker.h"

class KeduPage {
public:
    // The text of one block occurrence, its line breaks found once.
    class Block {
    public:
        // A block text the block keeps a copy of.
        explicit Block(const CBstr& text);
        // A block text that stays where it is (a part of the page's text) while the block is used.
        explicit Block(std::u16string_view text);
        // Line k, trimmed, escaped for XML.
        CBstr Line(int line) const;
        // Line k, trimmed, as it stands in the text (not escaped).
        std::u16string_view TrimmedLine(int line) const;
        // Word `word` (from 1) of line k, escaped for XML.
        CBstr Word(int line, int word = 1) const;
        // Word `word` of line k as it stands in the text (not escaped).
        std::u16string_view RawWord(int line, int word = 1) const;
        // True when the block holds no value: nothing, or only line breaks and blanks.
        bool IsEmpty() const;

    private:
        void FindLines();
        std::u16string_view RawLine(int line) const;

        CBstr owned_;
        std::u16string_view text_;
        // The position of the CR of each line's CR LF, line 1 first.
        std::vector<std::size_t> ends_;
    };

    // `year` and `month` are the period of the declaration written: a four-character date "DDMM" takes
    // its year from them.
    KeduPage(std::u16string text, long year, long month);

    // The first occurrence of the block (empty when there is none).
    Block First(std::u16string_view code) const;
    // The occurrences of a repeated block, in the order of the text.
    KeduBlockWalker Repeated(std::u16string_view code) const { return KeduBlockWalker(text_, code); }
    // The value as a KEDU date "YYYY-MM-DD", or "null".
    CBstr Date(const CBstr& value) const;

    const std::u16string& Text() const { return text_; }
    long Year() const { return year_; }
    long Month() const { return month_; }

private:
    std::u16string text_;
    long year_;
    long month_;
};
