// Reads KEDU document texts back into documents: one document for IKeduDokument::FromString, a sequence
// of them for IKeduPlik::Save. Accepts exactly the text form that KeduContent::Text writes.
#pragma once

#include <string>
#include <string_view>

#include "host/objects/kedu/KeduContent.h"

namespace tlx::host {

class KeduTextReader {
public:
    explicit KeduTextReader(std::u16string_view text) : text_(text) {}

    bool AtEnd() const { return at_ == text_.size(); }
    // The next document of the text; a text out of the form throws KeduError (E_INVALIDARG) naming its
    // line, counted from 1 over the whole text.
    KeduContent ReadDocument();
    // Refuses anything after the documents read (the line after the last one is named).
    void RequireEnd();

private:
    std::u16string_view NextLine();
    KeduContent ReadOpening(std::u16string_view line);
    void ReadBlock(KeduContent& content, std::u16string_view tag);
    [[noreturn]] void Malformed(std::u16string_view what) const;

    std::u16string_view text_;
    std::size_t at_ = 0;
    std::size_t line_ = 0;
};

}  // namespace tlx::host
