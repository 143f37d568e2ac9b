// The text of one KEDU document element, written element after element with nothing between them: the
// root with its document number, blocks, numbered blocks and value elements, each value element
// written always, only when it holds a value, or only when a date was given.
#pragma once

#include <string>
#include <string_view>

#include "mv_deklaracje/core/Bstr.h"

class KeduXmlWriter {
public:
    KeduXmlWriter() = default;
    // Room for about `expectedLength` characters, so that a long document is not moved as it grows.
    explicit KeduXmlWriter(std::size_t expectedLength) { text_.reserve(expectedLength); }

    // "<NAME  id_dokumentu="N">": two blanks before the attribute.
    void Root(std::u16string_view name, int documentId);
    // "<NAME id_bloku="N">": an occurrence of a repeated block, numbered from 1.
    void NumberedBlock(std::u16string_view name, int number);
    // "<NAME ATTRIBUTE="N">".
    void Numbered(std::u16string_view name, std::u16string_view attribute, int number);
    void Open(std::u16string_view name);
    void Close(std::u16string_view name);

    // The element with its value, also an empty one.
    void Always(std::u16string_view name, const CBstr& value);
    // The element with a text value, escaped for XML as it is written.
    void AlwaysText(std::u16string_view name, std::u16string_view text);
    // The element with a value that is element content already (escaped), as it stands.
    void AlwaysWritten(std::u16string_view name, std::u16string_view content);
    // The element with a text value, escaped, when the escaped text is not empty.
    void IfSetText(std::u16string_view name, std::u16string_view text);
    // The element with a page text's date as a KEDU date (see KeduDate), "null" without one.
    void AlwaysDate(std::u16string_view name, std::u16string_view date, long year, long month);
    // The element when its value is not empty.
    void IfSet(std::u16string_view name, const CBstr& value);
    // The element when `condition` holds.
    void If(bool condition, std::u16string_view name, const CBstr& value);
    // The date element when the date is not "null".
    void IfDate(std::u16string_view name, const CBstr& date);

    // Text written elsewhere, as it is.
    void Append(const CBstr& text) { text_ += text.View(); }

    CBstr Text() const { return CBstr(text_); }

private:
    std::u16string text_;
};

// True unless the KEDU date is "null": a date was given.
bool IsDate(const CBstr& date);
