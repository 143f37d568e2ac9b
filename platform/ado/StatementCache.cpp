#include "platform/ado/StatementCache.h"

#include <sqlite3.h>

namespace tlx::ado {

struct StatementCache::Entry {
    struct Kept {
        sqlite3_stmt* statement;
        std::shared_ptr<const StatementColumns> columns;
    };
    std::string_view text;    // the entry's key in the map
    std::vector<Kept> kept;   // oldest first
    std::size_t users = 0;    // statements taken and not yet given back
    std::list<Entry*>::iterator place;  // in recent_, while it keeps statements
};

StatementCache::StatementCache(std::size_t capacity) : capacity_(capacity) {}

StatementCache::~StatementCache() { Clear(); }

void StatementCache::Clear() {
    while (!recent_.empty()) Evict();
}

StatementCache::Taken StatementCache::Take(std::string_view sql) {
    auto found = entries_.find(sql);
    if (found == entries_.end()) {
        found = entries_.emplace(std::string(sql), std::make_unique<Entry>()).first;
        found->second->text = found->first;
    }
    Entry& entry = *found->second;
    ++entry.users;
    Taken taken{&entry, nullptr, nullptr};
    if (!entry.kept.empty()) {
        taken.statement = entry.kept.back().statement;
        taken.columns = std::move(entry.kept.back().columns);
        entry.kept.pop_back();
        --size_;
        if (entry.kept.empty()) Unlist(entry);
        else recent_.splice(recent_.begin(), recent_, entry.place);
    }
    return taken;
}

void StatementCache::Give(Entry* entry, sqlite3_stmt* statement, std::shared_ptr<const StatementColumns> columns) {
    sqlite3_reset(statement);
    sqlite3_clear_bindings(statement);
    --entry->users;
    if (entry->kept.empty()) entry->place = recent_.insert(recent_.begin(), entry);
    else recent_.splice(recent_.begin(), recent_, entry->place);
    entry->kept.push_back({statement, std::move(columns)});
    ++size_;
    while (size_ > capacity_) Evict();
}

void StatementCache::Abandon(Entry* entry) {
    --entry->users;
    DropIfUnused(*entry);
}

// Finalizes the oldest statement of the text used least recently.
void StatementCache::Evict() {
    Entry& entry = *recent_.back();
    sqlite3_finalize(entry.kept.front().statement);
    entry.kept.erase(entry.kept.begin());
    --size_;
    if (entry.kept.empty()) {
        Unlist(entry);
        DropIfUnused(entry);
    }
}

void StatementCache::Unlist(Entry& entry) { recent_.erase(entry.place); }

void StatementCache::DropIfUnused(Entry& entry) {
    if (entry.users == 0 && entry.kept.empty()) entries_.erase(entries_.find(entry.text));
}

}  // namespace tlx::ado
