// The content of one KEDU document: its form, schema version and blocks in the order they were made,
// with the form's repeated block (see hostapi/Kedu.h for the names and the text form).
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "host/objects/kedu/KeduBlock.h"

namespace tlx::host {

class KeduContent {
public:
    // Refuses (KeduError, E_INVALIDARG) a form that is not "ZUS" followed by letters and a version below 1.
    KeduContent(std::u16string form, LONG version);

    static bool IsFormName(std::u16string_view form);
    static bool IsBlockName(std::u16string_view name);

    const std::u16string& Form() const { return form_; }
    LONG Version() const { return version_; }
    // The form's repeated block ("DDORCA" for ZUSRCA), empty when it has none.
    std::u16string_view RepeatedName() const { return repeated_; }
    std::size_t Count() const { return blocks_.size(); }

    // The block of that name, made on first use; the repeated name followed by n is the n-th appended
    // block and the bare name the first (appended when there is none). Bad names throw KeduError.
    std::shared_ptr<KeduBlock> Block(std::u16string_view name);
    // Appends a repeated block; a form without one throws KeduError.
    std::shared_ptr<KeduBlock> Append();
    // A block read from a document's text under its tag: the repeated name appends, another name makes
    // a new block. Null for a name the text form never writes (a numbered repeated name, a second block
    // of one name, a name that is not letters and digits).
    std::shared_ptr<KeduBlock> BlockOfTag(std::u16string_view tag);

    std::u16string Text() const;

private:
    struct Entry {
        std::shared_ptr<KeduBlock> block;
        bool appended;
    };

    std::shared_ptr<KeduBlock> Make(std::u16string name, bool appended);
    // For a name made of the repeated name and digits: the digits (empty for the bare name); else null.
    std::optional<std::u16string_view> RepeatSuffix(std::u16string_view name) const;

    std::u16string form_;
    LONG version_;
    std::u16string_view repeated_;
    std::vector<Entry> blocks_;
    std::unordered_map<std::u16string, std::shared_ptr<KeduBlock>> byName_;  // ASCII-lower name
    std::vector<std::shared_ptr<KeduBlock>> appended_;
};

}  // namespace tlx::host
