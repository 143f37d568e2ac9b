// The prepared statements a connection keeps by their text for the next use of the same text. It keeps
// at most its capacity of them; past it, the statements of the text used least recently are finalized,
// so that a run of texts used once never crowds out the texts a caller runs again and again.
//
// A text's entry lives while it holds kept statements or while statements taken for it are out in use
// (they come back to it); an entry with neither is dropped.
#pragma once

#include <cstddef>
#include <list>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

struct sqlite3_stmt;

namespace tlx::ado {

struct StatementColumns;

// Hashes a table's text keys as the caller has them (any string or view), so that a lookup copies no text.
struct TextHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>()(text); }
};

class StatementCache {
public:
    struct Entry;

    // What Take hands out: the entry the statement goes back to, and a kept statement with its columns,
    // or a null statement when none of the text is kept (the caller prepares one).
    struct Taken {
        Entry* entry = nullptr;
        sqlite3_stmt* statement = nullptr;
        std::shared_ptr<const StatementColumns> columns;
    };

    static constexpr std::size_t kCapacity = 256;

    explicit StatementCache(std::size_t capacity = kCapacity);
    ~StatementCache();  // finalizes the kept statements
    StatementCache(const StatementCache&) = delete;
    StatementCache& operator=(const StatementCache&) = delete;

    // A kept statement of the text, most recently kept first; the text counts as in use until its
    // statement is given back.
    Taken Take(std::string_view sql);
    // Resets a statement taken for `entry`, clears its bindings and keeps it as the most recently used;
    // finalizes the least recently used past the capacity.
    void Give(Entry* entry, sqlite3_stmt* statement, std::shared_ptr<const StatementColumns> columns);
    // A text taken whose statement will not come back (preparing it failed).
    void Abandon(Entry* entry);
    // Finalizes every kept statement (before the connection closes).
    void Clear();
    // How many statements are kept.
    std::size_t Size() const { return size_; }

private:
    void Evict();
    void Unlist(Entry& entry);
    void DropIfUnused(Entry& entry);

    std::size_t capacity_;
    std::size_t size_ = 0;
    std::unordered_map<std::string, std::unique_ptr<Entry>, TextHash, std::equal_to<>> entries_;
    std::list<Entry*> recent_;  // the entries holding kept statements, most recently used first
};

}  // namespace tlx::ado
