// The occurrences of one repeated block of a page text (one per person or item), in order, as BlockText
// gives them for n = 1, 2, 3 …, found in one pass: the search for each occurrence starts where the
// previous one was found, so thousands of persons never send a search back to the text's start.
#pragma once

#include <optional>
#include <string>
#include <string_view>

class KeduBlockWalker {
public:
    // The walker reads `text` in place: the text must outlive it and the views it answers.
    KeduBlockWalker(std::u16string_view text, std::u16string_view code);

    // The block text of the next occurrence (an empty block gives an empty view); nothing after the last.
    std::optional<std::u16string_view> Next();

private:
    std::u16string_view text_;
    std::u16string open_;
    std::u16string close_;
    std::size_t from_ = 0;
};
