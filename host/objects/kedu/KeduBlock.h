// One block of a KEDU document: its name and its cells, addressed by position (from 1) and repeat (from
// 0); a cell never written holds VT_EMPTY.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/com/Variant.h"

namespace tlx::host {

class KeduBlock {
public:
    // Positions and repeats beyond these are refused: no form numbers its lines or columns so far, and a
    // stray index must not make millions of empty lines.
    static constexpr LONG kMaxPosition = 9999;
    static constexpr LONG kMaxRepeat = 99;

    explicit KeduBlock(std::u16string name) : name_(std::move(name)) {}

    const std::u16string& Name() const { return name_; }
    // The value put at the cell, or VT_EMPTY; a bad position or repeat throws KeduError.
    const VARIANT& Get(LONG position, LONG repeat) const;
    // Stores a copy of the value (a by-reference value as the value it points at) after CheckKeduValue.
    void Put(LONG position, LONG repeat, const VARIANT& value);
    // Adds the next position with this text at repeat 0 (reading a document's text, which is line-safe).
    void AddLine(std::u16string_view text);
    // "<NAME>" CR LF, lines 1 to the highest position written, "</NAME>" CR LF.
    void AppendText(std::u16string& out, std::u16string_view tagName) const;

private:
    void CheckCell(LONG position, LONG repeat) const;
    std::u16string Where(LONG position) const;

    std::u16string name_;
    std::vector<std::vector<Variant>> positions_;  // [position - 1][repeat]
};

}  // namespace tlx::host
