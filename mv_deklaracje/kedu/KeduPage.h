// A declaration's page text as the KEDU writers read it: its blocks by code, their lines and words,
// and dates completed with the year of the declaration's own period.
#pragma once

#include <string>
#include <string_view>

#include "mv_deklaracje/core/Bstr.h"
#include "mv_deklaracje/kedu/KeduBlockWalker.h"

class KeduPage {
public:
    // The text of one block occurrence.
    class Block {
    public:
        explicit Block(std::u16string_view text) : text_(text) {}
        // Line k, trimmed, escaped for XML.
        CBstr Line(int line) const;
        // The first word of line k, escaped for XML.
        CBstr Word(int line) const;
        // True when the block holds no value: nothing, or only line breaks and blanks.
        bool IsEmpty() const;

    private:
        std::u16string text_;
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

private:
    std::u16string text_;
    long year_;
    long month_;
};
