// The rows and items of a host collection: its recordset (opened on first use), the item objects it
// has handed out, the key grammar of Item, and the save protocol (hostapi/Collections.h, Framework.h).
#pragma once

#include <bitset>
#include <cstdint>
#include <functional>
#include <optional>
#include <set>

#include <string>
#include <vector>

#include "host/collections/ItemKey.h"
#include "host/session/IdentityCounts.h"
#include "hostapi/Session.h"
#include "platform/ado/Ado.h"
#include "platform/ado/RecordsetState.h"
#include "platform/ado/RowsWatcher.h"
#include "platform/com/ComPtr.h"
#include "platform/com/Variant.h"

namespace tlx::host {

class HostCollection;
class PendingChanges;

struct CollectionSettings {
    std::u16string itemClass;
    std::u16string idColumn;
    std::u16string table;   // without schema
    std::u16string sql;     // empty: every row of the table
    std::u16string filter;  // IAdoCollection::Filter
    std::u16string sort;
    bool readOnly = false;
    bool autoSave = false;
};

// Watches its recordset's rows, so that the session lists the collection once they change (`self` is the
// collection the core works for).
class CollectionCore final : private ado::RowsWatcher {
public:
    CollectionCore(IUnknown* owner, HostCollection* self) : owner_(owner), self_(self) {}
    ~CollectionCore();
    CollectionCore(const CollectionCore&) = delete;
    CollectionCore& operator=(const CollectionCore&) = delete;

    CollectionSettings settings;
    ComPtr<ISession> session;
    // The parent object, held through the session (ISessionReference) so that a parent that keeps this
    // collection forms no cycle with it; parentIdentity is its IUnknown, for comparisons only.
    ComPtr<ISessionReference> parentReference;
    IUnknown* parentIdentity = nullptr;
    ComPtr<IDispatch> ParentObject() const;
    std::u16string parentColumn;
    LONG parentId = 0;

    // The recordset, opened on first use (throws HostError).
    Recordset* Rows();
    bool IsOpen() const { return static_cast<bool>(recordset_); }

    // `identifier`, when given: the identifier the collection read from the item's row when it made
    // the item (0 for a collection without an identifier column or a row that had none then).
    ComPtr<IDispatch> Item(const VARIANT& key, LONG* identifier = nullptr);
    LONG Count();
    ComPtr<IDispatch> AddNew(const VARIANT& pattern);
    void Delete(const VARIANT& key);
    void Resync();
    // The save protocol; `self` is the collection, left out when its session's collections are asked
    // for the children of the saved items.
    void Save(class HostCollection* self);
    // The check step for the items with work to store, before the unit of database work opens (the
    // outermost save runs it itself); ForgetCheck drops it when the save failed before the protocol ran.
    void CheckBeforeWork();
    void ForgetCheck() { checkedBeforeWork_.clear(); }
    // The items of the live rows, in order, with their rows' bookmarks.
    std::vector<std::pair<double, ComPtr<IDispatch>>> AllItems();
    // Moves the recordset to a row (the enumerator's Next); the collection's own filter applies.
    HRESULT MoveToRow(double bookmark);
    bool Holds(IUnknown* item);
    // Holds, for an item's identity (IUnknown).
    bool HoldsIdentity(IUnknown* identity);
    // Whether a row was added, changed or deleted and not stored yet.
    bool HasPendingRows();
    std::vector<IUnknown*> ItemIdentities() const;
    void ReleaseItems() {
        items_.clear();
        ItemsDropped();
    }
    // Gives every live row the parent's identifier in the link column and rebinds the query.
    void SetParentLink(LONG id, std::u16string column);
    void CloneFromRecordset(Recordset* source);
    void ServeOneKey(const VARIANT& key);
    bool ServeIdentifiers(const std::vector<LONG>& ids);

private:
    struct Entry {
        double bookmark;
        LONG id;
        ComPtr<IDispatch> item;
        ComPtr<IUnknown> identity;
    };

    std::u16string SelectText() const;
    // Counts, for the session, that items left the list (a holder found before may no longer hold its item).
    void ItemsDropped();
    // Tells the session that the rows changed, unless it has the collection listed already.
    void RowsChanged() override;
    // The items with work to store, in the collection's order: those of the pending rows and those with
    // pending rows below them.
    // `pending`: the bookmarks of the pending rows, in ascending order.
    std::vector<Entry*> EntriesWithWork(const std::vector<double>& pending, PendingChanges& below);
    void DropItems(const std::vector<Entry*>& deleted);
    void ApplyOwnFilter();
    // Visits the rows with pending changes (the recordset standing on each in turn) with their status,
    // then puts the collection's own filter back.
    void ForEachPendingRow(const std::function<void(LONG status)>& visit);
    double CurrentBookmark();
    void MoveTo(double bookmark);
    bool MoveToKey(const ItemKey& key);
    bool MoveToCriteria(const std::vector<CriteriaClause>& criteria);
    Entry* FindEntry(double bookmark);
    Entry* FindEntry(IUnknown* item);
    // The first entry from the last one found, round the list, that `matches`.
    template <class Matches>
    Entry* FindNearLast(Matches matches);
    Entry* FindIdentity(IUnknown* identity);
    // `knownId`: the row's identifier when the caller knows it (else it is read from the row).
    Entry& EntryOfCurrentRow(LONG bindMode, std::optional<LONG> knownId = std::nullopt);
    ComPtr<IDispatch> ItemOfCurrentRow(LONG bindMode) { return EntryOfCurrentRow(bindMode).item; }
    // Whether `key` is the identifier the query was written for (ServeOneKey) and the recordset is not
    // open yet: it will open on that identifier's rows alone, standing on the first.
    bool OpensOnServedKey(const ItemKey& key) const;
    ComPtr<IDispatch> MakeItem(LONG bindMode);
    // A disconnected one-row recordset with the values of a row.
    ComPtr<Recordset> SnapshotRow(double bookmark);
    void RequireWritable() const;
    [[noreturn]] void NotFound(const ItemKey& key) const;
    void RunProtocol(HostCollection* self);
    // The items with work to store: their own row is pending, or a collection below them holds pending
    // rows; items are made first for pending rows that have none.
    void SelectWork(std::vector<Entry*>& live, std::vector<Entry*>& deleted);
    // Saves the collections whose parent is one of `saved`, and those given a parent link since the
    // serial (new rows of a parent that was just written).
    void SaveChildren(HostCollection* self, const std::vector<Entry*>& saved, unsigned serialBefore);
    void LinkNewRows();
    [[noreturn]] void ExplainConflict();

    IUnknown* owner_;
    HostCollection* self_;
    // Its query reads the rows of the identifiers given by ServeIdentifiers.
    bool servesIdentifiers_ = false;
    // The identifier whose rows alone the query written by ServeOneKey reads, with that query.
    std::optional<LONG> servedId_;
    std::u16string servedSql_;
    ComPtr<Recordset> recordset_;
    std::vector<Entry> items_;
    // No entry's bookmark is above it: the row AddNew just made, beyond every row before it, is told to
    // have no item without a walk over the list.
    double bookmarkCeiling_ = 0;
    // Where the last lookup found its entry: the next one starts there (see FindNearLast).
    std::size_t lastFound_ = 0;
    // A bit for every identity the collection has held since its list was last empty: a clear bit
    // answers that an item is not held without walking the list. A save asks every collection of the
    // session whether it holds the items with pending work, so most answers are "no".
    std::bitset<1024> heldFilter_;
    static std::size_t FilterBit(IUnknown* identity) {
        return IdentityHash(identity, 10);  // 2^10: the filter's bits
    }
    // Items whose check ran before the unit of database work (by identity).
    std::set<IUnknown*> checkedBeforeWork_;
    // The recordset's own answer to HasPendingRows and its watcher's road, asked for when it opens (null
    // for a recordset that cannot answer: the collection is then asked at every save).
    ComPtr<ado::IPendingRows> pendingProbe_;
    // The changes the watched recordset told (RowsChanged), and their number when SetParentLink last gave
    // every row the link: while it stands, no row added since waits for the link (a new declaration's
    // elements, linked when the declaration is written, are not walked again when they are saved).
    unsigned long rowChanges_ = 0;
    std::optional<unsigned long> linkedAtChange_;
    // The class object that made the last item and the item class it was found for: a collection makes
    // its items one after another (a new declaration's elements), each would look the class up again.
    ComPtr<IClassFactory> itemFactory_;
    std::u16string itemFactoryClass_;
};

}  // namespace tlx::host
