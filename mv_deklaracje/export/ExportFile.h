// The file layer of the XML exports (KEDU documents, PFRON applications): a file written line by line
// in UTF-8 with CR LF line ends. The lines go to a temporary file beside the target, which Commit
// renames over the target, so that a failure never leaves half a file: either the whole new file is
// there, or the target is as it was before.
#pragma once

#include <string>
#include <string_view>

#include "mv_deklaracje/core/Bstr.h"

class ExportFile {
public:
    // Starts the file `path` (taken literally); a temporary file that cannot be created raises
    // E_UNEXPECTED with the path in its description.
    explicit ExportFile(const CBstr& path);
    // Without Commit, the temporary file is removed and the target stays as it was.
    ~ExportFile();
    ExportFile(const ExportFile&) = delete;
    ExportFile& operator=(const ExportFile&) = delete;

    // Writes `count` bytes; a write that stores fewer raises E_UNEXPECTED without a description.
    void Write(int count, const void* bytes);
    // Writes the text, then CR LF: every line, the last one included, ends in CR LF. The narrow form
    // takes UTF-8 bytes as they stand; the wide form is encoded in UTF-8.
    void WriteLine(std::string_view text);
    void WriteLine(const CBstr& text);
    // Puts the written file in place of the target, replacing a file that is there (read-only or not).
    // A failure raises E_UNEXPECTED, removes the temporary file and leaves the target as it was.
    void Commit();

    const std::string& Path() const { return path_; }

private:
    void Discard() noexcept;

    std::string path_;
    std::string temporary_;
    int fd_ = -1;
};

// True when an entry (file or folder) of exactly that path exists; no character of it is a wildcard. A
// path that cannot be examined answers false.
bool FileExists(const CBstr& path);
// Deletes the file of that path when one exists, clearing its read-only state first. A file that cannot
// be deleted is left alone without an error.
void DeleteExistingFile(const CBstr& path);
