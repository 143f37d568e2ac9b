// The lexical steps that the host's small script scanners share: what a name and a blank are, and where
// a quoted text, a comment and a regular expression literal end. Each scanner keeps its own state (what
// may follow, what was closed); these only find ends.
#pragma once

#include <cstddef>
#include <string_view>

namespace tlx::host::lexing {

inline bool IsNameChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '$' ||
           static_cast<unsigned char>(c) >= 0x80;
}

inline bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Just past the text quoted by `quote` that opens at `at`: a backquoted text may span lines, the others
// end at the line's end when left open.
inline std::size_t EndOfQuoted(std::string_view code, std::size_t at, char quote) {
    std::size_t i = at + 1;
    while (i < code.size() && code[i] != quote && (quote == '`' || code[i] != '\n')) i += code[i] == '\\' ? 2 : 1;
    return i + 1;
}

// Just past the first `end` after the two characters that open a comment at `at`; the code's end when none.
inline std::size_t EndOfComment(std::string_view code, std::size_t at, std::string_view end) {
    std::size_t found = code.find(end, at + 2);
    return found == std::string_view::npos ? code.size() : found + end.size();
}

// Just past the regular expression literal that opens at `at`, with its flags.
inline std::size_t EndOfRegex(std::string_view code, std::size_t at) {
    std::size_t i = at + 1;
    bool inClass = false;
    while (i < code.size() && code[i] != '\n') {
        char c = code[i];
        if (c == '\\') {
            i += 2;
            continue;
        }
        ++i;
        if (c == '[') inClass = true;
        if (c == ']') inClass = false;
        if (c == '/' && !inClass) break;
    }
    while (i < code.size() && IsNameChar(code[i])) ++i;  // flags
    return i;
}

}  // namespace tlx::host::lexing
