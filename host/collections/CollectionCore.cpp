#include "host/collections/CollectionCore.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <set>
#include <unordered_map>

#include "host/Database.h"
#include "host/HostError.h"
#include "host/collections/HostCollection.h"
#include "host/collections/PendingChanges.h"
#include "host/collections/RowCursor.h"
#include "host/session/HostSession.h"
#include "hostapi/Errors.h"
#include "hostapi/Framework.h"
#include "platform/ado/ListGrowth.h"
#include "platform/com/ClassRegistry.h"
#include "platform/com/VariantConversion.h"
#include "platform/text/CodePage.h"

namespace tlx::host {
namespace {

unsigned g_linkSerial = 0;

// The recordset hands its bookmarks out as numbers; anything else goes through the general conversion.
double BookmarkNumber(const VARIANT& bookmark) {
    if (bookmark.vt == VT_R8) return bookmark.dblVal;
    Variant number;
    Check(VariantChangeType(&number, &bookmark, 0, VT_R8));
    return number.dblVal;
}

// The number of a bookmark key's text ("@" dropped). A bookmark written out as a whole number (all that
// the recordset's bookmarks are) is read digit by digit; every other text is read by the user locale's
// conversion, as it always was. nullopt when it is no number.
std::optional<double> BookmarkOfKey(const std::u16string& text) {
    constexpr std::size_t kExactDigits = 15;  // every such whole number is exact in a double
    if (!text.empty() && text.size() <= kExactDigits &&
        std::all_of(text.begin(), text.end(), [](char16_t c) { return c >= u'0' && c <= u'9'; })) {
        double number = 0;
        for (char16_t c : text) number = number * 10 + (c - u'0');
        return number;
    }
    Variant source = Variant::FromString(text);
    Variant number;
    if (FAILED(VariantChangeType(&number, &source, 0, VT_R8))) return std::nullopt;
    return number.dblVal;
}

ComPtr<IUnknown> IdentityOf(IUnknown* object) {
    ComPtr<IUnknown> identity;
    if (object) object->QueryInterface(IID_IUnknown, identity.OutVoid());
    return identity;
}

char16_t Lower(char16_t c) { return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + 32) : c; }

// Replaces the number in "<column> = <number>" of a query (any case, blanks allowed) by `id`.
std::u16string RebindCondition(const std::u16string& sql, const std::u16string& column, LONG id) {
    std::u16string lowerSql(sql), lowerColumn(column);
    std::transform(lowerSql.begin(), lowerSql.end(), lowerSql.begin(), Lower);
    std::transform(lowerColumn.begin(), lowerColumn.end(), lowerColumn.begin(), Lower);
    std::size_t at = 0;
    while ((at = lowerSql.find(lowerColumn, at)) != std::u16string::npos) {
        std::size_t i = at + lowerColumn.size();
        bool wordStart = at == 0 || !(std::isalnum(static_cast<unsigned char>(lowerSql[at - 1] & 0x7F)) ||
                                      lowerSql[at - 1] == u'_');
        while (i < sql.size() && sql[i] == u' ') ++i;
        if (wordStart && i < sql.size() && sql[i] == u'=') {
            ++i;
            while (i < sql.size() && sql[i] == u' ') ++i;
            std::size_t start = i;
            if (i < sql.size() && sql[i] == u'-') ++i;
            while (i < sql.size() && sql[i] >= u'0' && sql[i] <= u'9') ++i;
            if (i > start) return sql.substr(0, start) + Utf8ToUtf16(std::to_string(id)) + sql.substr(i);
        }
        at += lowerColumn.size();
    }
    return sql;
}

}  // namespace

unsigned NextLinkSerial() { return ++g_linkSerial; }

ComPtr<IDispatch> CollectionCore::ParentObject() const {
    ComPtr<IDispatch> parent;
    if (parentReference) Check(parentReference->GetObject(parent.Out()));
    return parent;
}
unsigned CurrentLinkSerial() { return g_linkSerial; }

std::u16string CollectionCore::SelectText() const {
    if (!settings.sql.empty()) return settings.sql;
    if (settings.table.empty()) Fail(E_INVALIDARG, u"Kolekcja nie ma ani zapytania, ani tabeli");
    return u"select * from TLX." + settings.table;
}

Recordset* CollectionCore::Rows() {
    if (!recordset_) {
        Connection* connection = HostSessionOf(Require(session.Get()))->CompanyConnection();
        recordset_ = OpenRecordset(connection, SelectText());
        pendingProbe_ = recordset_.As<ado::IPendingRows>();
        if (pendingProbe_) {
            pendingProbe_->WatchRows(this);
        } else if (self_) {
            self_->sessionMarks.untold = true;
            RowsChanged();
        }
        if (!settings.sort.empty()) Check(recordset_->put_Sort(Bstr(settings.sort).Get()));
    }
    return recordset_.Get();
}

CollectionCore::~CollectionCore() {
    if (pendingProbe_) pendingProbe_->WatchRows(nullptr);  // the recordset may outlive the collection
}

void CollectionCore::ItemsDropped() {
    if (self_) ++self_->sessionMarks.itemsDropped;
}

void CollectionCore::RowsChanged() {
    ++rowChanges_;
    if (!self_ || self_->sessionMarks.listed || !session) return;
    ComPtr<IHostSession> host;
    if (SUCCEEDED(session->QueryInterface(IidOf<IHostSession>(), host.OutVoid()))) host->CollectionRowsChanged(self_);
}

// A filter that a caller left on the recordset (the pending-rows group, criteria) gives way to the
// collection's own before every walk.
void CollectionCore::ApplyOwnFilter() {
    Variant filter = settings.filter.empty() ? Variant::FromLong(0) : Variant::FromString(settings.filter);
    Check(Rows()->put_Filter(filter));
}

double CollectionCore::CurrentBookmark() {
    Variant bookmark;
    Check(Rows()->get_Bookmark(bookmark.Out()));
    return BookmarkNumber(bookmark);
}

void CollectionCore::MoveTo(double bookmark) { Check(Rows()->put_Bookmark(Variant::FromDouble(bookmark))); }

// Lookups mostly come in the list's order (a save goes up from each child collection to the item that
// made it, those items made one after another): starting where the last one ended makes each one step
// instead of a walk over the items before it, which grew with the square of the list.
template <class Matches>
CollectionCore::Entry* CollectionCore::FindNearLast(Matches matches) {
    std::size_t count = items_.size();
    std::size_t at = lastFound_ < count ? lastFound_ : 0;
    for (std::size_t step = 0; step < count; ++step, at = at + 1 == count ? 0 : at + 1) {
        if (matches(items_[at])) {
            lastFound_ = at;
            return &items_[at];
        }
    }
    return nullptr;
}

CollectionCore::Entry* CollectionCore::FindEntry(double bookmark) {
    if (items_.empty() || bookmark > bookmarkCeiling_) return nullptr;
    return FindNearLast([bookmark](const Entry& entry) { return entry.bookmark == bookmark; });
}

CollectionCore::Entry* CollectionCore::FindEntry(IUnknown* item) {
    ComPtr<IUnknown> identity = IdentityOf(item);
    return FindIdentity(identity.Get());
}

CollectionCore::Entry* CollectionCore::FindIdentity(IUnknown* identity) {
    if (!identity || !heldFilter_.test(FilterBit(identity))) return nullptr;
    return FindNearLast([identity](const Entry& entry) { return entry.identity.Get() == identity; });
}

bool CollectionCore::Holds(IUnknown* item) { return FindEntry(item) != nullptr; }

bool CollectionCore::HoldsIdentity(IUnknown* identity) { return FindIdentity(identity) != nullptr; }

void CollectionCore::RequireWritable() const {
    if (settings.readOnly) Fail(E_ACCESSDENIED, u"Kolekcja jest tylko do odczytu");
}

void CollectionCore::NotFound(const ItemKey& key) const {
    Fail(HOST_E_NOROW, u"Nie znaleziono rekordu: " + (key.text.empty() ? std::u16string(u"(bieżący)") : key.text));
}

ComPtr<IDispatch> CollectionCore::MakeItem(LONG bindMode) {
    if (settings.itemClass.empty())
        Fail(E_NOINTERFACE, u"Kolekcja nie ma klasy elementów; jej wiersze są dostępne przez Recordset");
    if (!itemFactory_ || itemFactoryClass_ != settings.itemClass) {
        CLSID clsid{};
        if (HRESULT hr = CLSIDFromProgID(settings.itemClass.c_str(), &clsid); FAILED(hr))
            Fail(hr, u"Nieznana klasa elementów kolekcji: " + settings.itemClass);
        ComPtr<IClassFactory> factory;
        Check(CoGetClassObject(clsid, CLSCTX_ALL, nullptr, IID_IClassFactory, factory.OutVoid()));
        itemFactory_ = std::move(factory);
        itemFactoryClass_ = settings.itemClass;
    }
    ComPtr<IUnknown> object;
    Check(itemFactory_->CreateInstance(nullptr, IID_IUnknown, object.OutVoid()));
    if (ComPtr<IInitializeSession> init = object.As<IInitializeSession>()) {
        LONG state = 0;
        Check(init->Initialize(session.Get(), &state));
    }
    if (ComPtr<IInitializeRS> bind = object.As<IInitializeRS>()) {
        Bstr prefix(u"");
        ComPtr<CRowCursor> row = CRowCursor::Make(ComPtr<Recordset>(Rows()));
        Check(bind->BindRecordset(row.Get(), bindMode, prefix.Get()));
    }
    if (ComPtr<IDispatch> parentObject = ParentObject())
        if (ComPtr<IInitializeParent> parent = object.As<IInitializeParent>()) Check(parent->InitializeParent(parentObject.Get()));
    ComPtr<IDispatch> item;
    Check(object->QueryInterface(IID_IDispatch, item.OutVoid()));
    return item;
}

CollectionCore::Entry& CollectionCore::EntryOfCurrentRow(LONG bindMode, std::optional<LONG> knownId) {
    double bookmark = CurrentBookmark();
    if (Entry* entry = FindEntry(bookmark)) return *entry;
    LONG id = 0;
    if (knownId) {
        id = *knownId;
    } else if (!settings.idColumn.empty()) {
        if (ComPtr<Field> idField = FindField(Rows(), settings.idColumn)) id = ReadLong(idField.Get());
    }
    ComPtr<IDispatch> item = MakeItem(bindMode);
    MoveTo(bookmark);  // the item's own set-up may have walked the recordset
    if (items_.empty()) heldFilter_.reset();
    ado::ReserveOneMore(items_);
    items_.push_back(Entry{bookmark, id, item, IdentityOf(item.Get())});
    bookmarkCeiling_ = std::max(bookmarkCeiling_, bookmark);
    heldFilter_.set(FilterBit(items_.back().identity.Get()));
    return items_.back();
}

bool CollectionCore::MoveToCriteria(const std::vector<CriteriaClause>& criteria) {
    Recordset* rows = Rows();
    for (const CriteriaClause& clause : criteria)
        if (!FindField(rows, clause.column)) Fail(E_INVALIDARG, u"Kolekcja nie ma kolumny " + clause.column);
    LONG count = 0;
    Check(rows->get_RecordCount(&count));
    if (count == 0) return false;
    Check(rows->MoveFirst());
    for (VARIANT_BOOL eof = VARIANT_FALSE; Check(rows->get_EOF(&eof)), !eof; Check(rows->MoveNext())) {
        bool all = true;
        for (std::size_t i = 0; i < criteria.size() && all; ++i)
            all = ValueMatches(ReadField(rows, criteria[i].column), criteria[i]);
        if (all) return true;
    }
    return false;
}

bool CollectionCore::MoveToKey(const ItemKey& key) {
    Recordset* rows = Rows();
    switch (key.kind) {
        case ItemKey::Kind::Current:
            return !AtEnd(rows);
        case ItemKey::Kind::Position: {
            ApplyOwnFilter();
            LONG count = 0;
            Check(rows->get_RecordCount(&count));
            if (key.position < 0 || key.position >= count) return false;
            Check(rows->MoveFirst());
            for (LONG i = 0; i < key.position; ++i) Check(rows->MoveNext());
            return true;
        }
        case ItemKey::Kind::Bookmark: {
            ApplyOwnFilter();
            std::optional<double> number = BookmarkOfKey(key.bookmark);
            return number && SUCCEEDED(rows->put_Bookmark(Variant::FromDouble(*number)));
        }
        case ItemKey::Kind::Criteria:
            ApplyOwnFilter();
            return MoveToCriteria(key.criteria);
        case ItemKey::Kind::Identifier: {
            if (settings.idColumn.empty()) Fail(E_INVALIDARG, u"Kolekcja nie ma kolumny identyfikatora");
            ApplyOwnFilter();
            CriteriaClause clause{settings.idColumn, {}, static_cast<double>(key.identifier)};
            return MoveToCriteria({clause});
        }
        case ItemKey::Kind::Object: {
            if (Entry* entry = FindEntry(key.object.Get())) {
                ApplyOwnFilter();
                return SUCCEEDED(rows->put_Bookmark(Variant::FromDouble(entry->bookmark)));
            }
            ComPtr<IIdentity> identity = key.object.As<IIdentity>();
            LONG id = 0;
            if (!identity || FAILED(identity->get_ID(&id)) || settings.idColumn.empty()) return false;
            ApplyOwnFilter();
            return MoveToCriteria({CriteriaClause{settings.idColumn, {}, static_cast<double>(id)}});
        }
    }
    return false;
}

bool CollectionCore::OpensOnServedKey(const ItemKey& key) const {
    return !recordset_ && key.kind == ItemKey::Kind::Identifier && servedId_ == key.identifier &&
           settings.sql == servedSql_ && settings.filter.empty() && settings.sort.empty();
}

ComPtr<IDispatch> CollectionCore::Item(const VARIANT& key, LONG* identifier) {
    ItemKey parsed;
    Check(ParseItemKey(key, parsed));
    std::optional<LONG> knownId;
    if (OpensOnServedKey(parsed)) {
        // Every row the query answers has the identifier asked for, and a recordset opens on its first
        // row: there is no filter to put back, no criteria to test, no identifier to read.
        if (AtEnd(Rows())) NotFound(parsed);
        knownId = parsed.identifier;
    } else if (!MoveToKey(parsed)) {
        NotFound(parsed);
    }
    Entry& entry = EntryOfCurrentRow(hostBindRead, knownId);
    if (identifier) *identifier = entry.id;
    return entry.item;
}

LONG CollectionCore::Count() {
    ApplyOwnFilter();
    LONG count = 0;
    Check(Rows()->get_RecordCount(&count));
    return count;
}

HRESULT CollectionCore::MoveToRow(double bookmark) {
    if (!recordset_) return E_UNEXPECTED;
    Variant filter = settings.filter.empty() ? Variant::FromLong(0) : Variant::FromString(settings.filter);
    if (HRESULT hr = recordset_->put_Filter(filter); FAILED(hr)) return hr;
    return recordset_->put_Bookmark(Variant::FromDouble(bookmark));
}

std::vector<std::pair<double, ComPtr<IDispatch>>> CollectionCore::AllItems() {
    std::vector<double> bookmarks;
    ApplyOwnFilter();
    Recordset* rows = Rows();
    if (Count() == 0) return {};
    Check(rows->MoveFirst());
    for (VARIANT_BOOL eof = VARIANT_FALSE; Check(rows->get_EOF(&eof)), !eof; Check(rows->MoveNext()))
        bookmarks.push_back(CurrentBookmark());
    std::vector<std::pair<double, ComPtr<IDispatch>>> items;
    for (double bookmark : bookmarks) {
        MoveTo(bookmark);
        items.emplace_back(bookmark, ItemOfCurrentRow(hostBindRead));
    }
    if (!bookmarks.empty()) MoveTo(bookmarks.front());
    return items;
}

ComPtr<IDispatch> CollectionCore::AddNew(const VARIANT& pattern) {
    RequireWritable();
    Recordset* rows = Rows();
    ApplyOwnFilter();
    Check(rows->AddNew(Variant::Missing(), Variant::Missing()));
    if (ComPtr<Field> link = parentColumn.empty() ? nullptr : FindField(rows, parentColumn))
        Check(link->put_Value(Variant::FromLong(parentId)));
    const VARIANT* p = pattern.vt == (VT_BYREF | VT_VARIANT) && pattern.pvarVal ? pattern.pvarVal : &pattern;
    bool clone = (p->vt == VT_DISPATCH || p->vt == VT_UNKNOWN) && p->punkVal;
    if (settings.itemClass.empty()) return nullptr;
    double added = CurrentBookmark();
    ComPtr<IDispatch> item = ItemOfCurrentRow(clone ? hostBindClone : hostBindNew);
    if (clone) {
        ComPtr<IInitializeClone> target = item.As<IInitializeClone>();
        ComPtr<Recordset> patternRows;
        if (Entry* own = FindEntry(p->punkVal)) {
            // A pattern of this collection shares its recordset: it is handed over as a copy of its row.
            patternRows = SnapshotRow(own->bookmark);
            MoveTo(added);
        } else if (ComPtr<IInitializeRS> source = ComPtr<IUnknown>(p->punkVal).As<IInitializeRS>()) {
            Check(source->GetRecordset(patternRows.Out()));
        }
        if (target && patternRows) Check(target->InitializeClone(patternRows.Get()));
        MoveTo(added);
    }
    return item;
}

ComPtr<Recordset> CollectionCore::SnapshotRow(double bookmark) {
    MoveTo(bookmark);
    Recordset* rows = Rows();
    ComPtr<Fields> fields;
    Check(rows->get_Fields(fields.Out()));
    LONG count = 0;
    Check(fields->get_Count(&count));
    struct Column {
        Bstr name;
        DataTypeEnum type;
        LONG size;
        Variant value;
    };
    std::vector<Column> columns;
    for (LONG i = 0; i < count; ++i) {
        ComPtr<Field> field;
        Check(fields->get_Item(Variant::FromLong(i), field.Out()));
        Column column{Bstr(), adEmpty, 0, Variant()};
        Check(field->get_Name(column.name.Out()));
        Check(field->get_Type(&column.type));
        Check(field->get_DefinedSize(&column.size));
        Check(field->get_Value(column.value.Out()));
        columns.push_back(std::move(column));
    }
    ComPtr<Recordset> copy;
    Check(CoCreateInstance(CLSID_Recordset, nullptr, CLSCTX_ALL, IidOf<Recordset>(), copy.OutVoid()));
    ComPtr<Fields> copyFields;
    Check(copy->get_Fields(copyFields.Out()));
    for (const Column& column : columns)
        Check(copyFields->Append(column.name.Get(), column.type, column.size, adFldIsNullable, Variant::Missing()));
    Check(copy->Open(Variant::Missing(), Variant::Missing(), adOpenStatic, adLockBatchOptimistic, -1));
    Check(copy->AddNew(Variant::Missing(), Variant::Missing()));
    for (const Column& column : columns) WriteField(copy.Get(), column.name.View(), column.value);
    return copy;
}

void CollectionCore::Delete(const VARIANT& key) {
    RequireWritable();
    ItemKey parsed;
    Check(ParseItemKey(key, parsed));
    if (!MoveToKey(parsed)) NotFound(parsed);
    ComPtr<IDispatch> item = settings.itemClass.empty() ? nullptr : ItemOfCurrentRow(hostBindRead);
    double bookmark = CurrentBookmark();
    ComPtr<IOnDeleteObject> hooks = item ? item.As<IOnDeleteObject>() : nullptr;
    if (hooks) {
        Check(hooks->BeforeDelete(0));
        MoveTo(bookmark);
    }
    Check(Rows()->Delete(adAffectCurrent));
    if (hooks) Check(hooks->AfterDelete(0));
}

void CollectionCore::Resync() {
    if (!recordset_) return;
    linkedAtChange_.reset();
    Check(recordset_->Close());
    Check(recordset_->Open(Variant::FromString(SelectText()),
                           Variant::FromDispatch(HostSessionOf(session.Get())->CompanyConnection()), adOpenStatic,
                           adLockBatchOptimistic, adCmdText));
    if (!settings.sort.empty()) Check(recordset_->put_Sort(Bstr(settings.sort).Get()));
    // Where each identifier stands, read in one walk over the rows: looking each kept item up by its
    // identifier walked the rows once per item, which grew with the square of the collection.
    std::unordered_map<LONG, double> places;
    const bool identified = !settings.idColumn.empty() &&
                            std::any_of(items_.begin(), items_.end(), [](const Entry& entry) { return entry.id != 0; });
    if (identified) {
        ApplyOwnFilter();
        ComPtr<Field> idField = FindField(recordset_.Get(), settings.idColumn);
        if (!idField) Fail(E_INVALIDARG, u"Kolekcja nie ma kolumny " + settings.idColumn);
        if (Count() > 0) {
            Check(recordset_->MoveFirst());
            for (VARIANT_BOOL eof = VARIANT_FALSE; Check(recordset_->get_EOF(&eof)), !eof; Check(recordset_->MoveNext()))
                places.emplace(ReadLong(idField.Get()), CurrentBookmark());
        }
    }
    std::vector<Entry> kept;
    for (Entry& entry : items_) {
        if (entry.id == 0 || settings.idColumn.empty()) continue;
        auto place = places.find(entry.id);
        if (place == places.end()) continue;
        MoveTo(place->second);
        entry.bookmark = place->second;
        if (ComPtr<IInitializeRS> bind = entry.item.As<IInitializeRS>()) {
            Bstr prefix(u"");
            ComPtr<CRowCursor> row = CRowCursor::Make(recordset_);
            Check(bind->BindRecordset(row.Get(), hostBindRefresh, prefix.Get()));
        }
        kept.push_back(std::move(entry));
    }
    items_ = std::move(kept);
    bookmarkCeiling_ = 0;
    for (const Entry& entry : items_) bookmarkCeiling_ = std::max(bookmarkCeiling_, entry.bookmark);
    ItemsDropped();
}

void CollectionCore::SetParentLink(LONG id, std::u16string column) {
    linkedAtChange_.reset();
    parentId = id;
    parentColumn = std::move(column);
    if (parentColumn.empty()) return;
    if (!settings.sql.empty()) settings.sql = RebindCondition(settings.sql, parentColumn, id);
    if (!recordset_) return;
    ApplyOwnFilter();
    if (Count() == 0) return;
    ComPtr<Field> link = FindField(recordset_.Get(), parentColumn);
    if (!link) return;
    Check(recordset_->MoveFirst());
    for (VARIANT_BOOL eof = VARIANT_FALSE; Check(recordset_->get_EOF(&eof)), !eof; Check(recordset_->MoveNext())) {
        if (ReadLong(link.Get()) != id) Check(link->put_Value(Variant::FromLong(id)));
    }
    // Only a watched recordset tells its changes, and only the collection's own filter hides none of its rows.
    if (pendingProbe_ && settings.filter.empty()) linkedAtChange_ = rowChanges_;
}

void CollectionCore::ServeOneKey(const VARIANT& key) {
    if (recordset_ || !settings.sql.empty() || settings.table.empty()) return;
    ItemKey parsed;
    if (FAILED(ParseItemKey(key, parsed))) {
        TakeErrorDescription();
        return;
    }
    const bool byIdentifier = parsed.kind == ItemKey::Kind::Identifier && !settings.idColumn.empty();
    if (byIdentifier)
        parsed.criteria = {CriteriaClause{settings.idColumn, {}, static_cast<double>(parsed.identifier)}};
    else if (parsed.kind != ItemKey::Kind::Criteria)
        return;
    // Only whole numbers: texts compare without regard to case in the key grammar, which SQL would not.
    std::u16string sql = u"select * from TLX." + settings.table;
    for (const CriteriaClause& clause : parsed.criteria) {
        if (!clause.number || *clause.number != static_cast<double>(static_cast<long long>(*clause.number))) return;
        sql += &clause == &parsed.criteria.front() ? u" where " : u" and ";
        // Column names passed the key grammar (letters, digits, "_" and ".").
        sql += clause.column;
        sql += u" = ";
        sql += Utf8ToUtf16(std::to_string(static_cast<long long>(*clause.number)));
    }
    settings.sql = std::move(sql);
    if (byIdentifier) {
        servedId_ = parsed.identifier;
        servedSql_ = settings.sql;
    }
}

bool CollectionCore::ServeIdentifiers(const std::vector<LONG>& ids) {
    if (!servesIdentifiers_ && (recordset_ || !settings.sql.empty() || settings.table.empty())) return false;
    if (settings.idColumn.empty()) return false;
    std::u16string list;
    for (LONG id : ids) list += (list.empty() ? u"" : u",") + Utf8ToUtf16(std::to_string(id));
    settings.sql = u"select * from TLX." + settings.table + u" where " +
                   (list.empty() ? std::u16string(u"1 = 0") : settings.idColumn + u" in (" + list + u")");
    servesIdentifiers_ = true;
    return true;
}

void CollectionCore::CloneFromRecordset(Recordset* source) {
    RequireWritable();
    Require(source);
    Recordset* rows = Rows();
    ComPtr<Fields> sourceFields;
    Check(source->get_Fields(sourceFields.Out()));
    LONG fieldCount = 0;
    Check(sourceFields->get_Count(&fieldCount));
    if (AtEnd(source)) {
        LONG count = 0;
        Check(source->get_RecordCount(&count));
        if (count == 0) return;
    }
    Check(source->MoveFirst());
    for (VARIANT_BOOL eof = VARIANT_FALSE; Check(source->get_EOF(&eof)), !eof; Check(source->MoveNext())) {
        Check(rows->AddNew(Variant::Missing(), Variant::Missing()));
        for (LONG i = 0; i < fieldCount; ++i) {
            ComPtr<Field> field;
            Check(sourceFields->get_Item(Variant::FromLong(i), field.Out()));
            Bstr name;
            Check(field->get_Name(name.Out()));
            std::u16string_view n = name.View();
            auto same = [](std::u16string_view a, std::u16string_view b) {
                if (a.size() != b.size()) return false;
                for (std::size_t k = 0; k < a.size(); ++k)
                    if (Lower(a[k]) != Lower(b[k])) return false;
                return true;
            };
            if (same(n, settings.idColumn) || same(n, parentColumn) || !FindField(rows, n)) continue;
            Variant value;
            Check(field->get_Value(value.Out()));
            WriteField(rows, n, value);
        }
        if (!parentColumn.empty() && FindField(rows, parentColumn))
            WriteField(rows, parentColumn, Variant::FromLong(parentId));
    }
}

// Rows added through the recordset (by scripts) get the parent link the collection holds when the
// column is still empty.
void CollectionCore::LinkNewRows() {
    if (parentColumn.empty() || parentId == 0 || linkedAtChange_ == rowChanges_) return;
    ComPtr<Field> link = FindField(Rows(), parentColumn);
    if (!link) return;
    ForEachPendingRow([&](LONG status) {
        if ((status & adRecNew) && !(status & adRecDeleted) && ReadLong(link.Get()) == 0)
            Check(link->put_Value(Variant::FromLong(parentId)));
    });
}

void CollectionCore::ForEachPendingRow(const std::function<void(LONG status)>& visit) {
    Recordset* rows = Rows();
    Check(rows->put_Filter(Variant::FromLong(adFilterPendingRecords)));
    LONG count = 0;
    Check(rows->get_RecordCount(&count));
    if (count > 0) {
        Check(rows->MoveFirst());
        for (VARIANT_BOOL eof = VARIANT_FALSE; Check(rows->get_EOF(&eof)), !eof; Check(rows->MoveNext())) {
            LONG status = 0;
            Check(rows->get_Status(&status));
            visit(status);
        }
    }
    ApplyOwnFilter();
}

bool CollectionCore::HasPendingRows() {
    if (!recordset_) return false;
    // Our recordsets answer without moving the cursor or filtering.
    if (pendingProbe_) return pendingProbe_->HasPendingRows();
    // The walk leaves the recordset where it stood.
    std::optional<double> current;
    if (!AtEnd(recordset_.Get())) current = CurrentBookmark();
    Check(recordset_->put_Filter(Variant::FromLong(adFilterPendingRecords)));
    LONG count = 0;
    Check(recordset_->get_RecordCount(&count));
    ApplyOwnFilter();
    if (current) recordset_->put_Bookmark(Variant::FromDouble(*current));
    return count > 0;
}

std::vector<IUnknown*> CollectionCore::ItemIdentities() const {
    std::vector<IUnknown*> identities;
    for (const Entry& entry : items_) identities.push_back(entry.identity.Get());
    return identities;
}

void CollectionCore::SaveChildren(HostCollection* self, const std::vector<Entry*>& saved, unsigned serialBefore) {
    std::vector<IUnknown*> parents;
    parents.reserve(saved.size());
    for (const Entry* entry : saved) parents.push_back(entry->identity.Get());
    for (HostCollection* child : HostSessionOf(session.Get())->ChildrenToSave(parents, serialBefore)) {
        if (child == self) continue;
        child->SaveRows();
    }
}

void CollectionCore::SelectWork(std::vector<Entry*>& live, std::vector<Entry*>& deleted) {
    Recordset* rows = Rows();
    // The rows added, changed or deleted; items for those that nobody asked for are made, so that their
    // hooks run too (deleted rows too: a deletion put back by a rolled-back save has lost its item).
    std::vector<double> pending;
    std::vector<double> withoutItem;
    ForEachPendingRow([&](LONG) {
        double bookmark = CurrentBookmark();
        pending.push_back(bookmark);
        if (!FindEntry(bookmark)) withoutItem.push_back(bookmark);
    });
    std::sort(pending.begin(), pending.end());  // the view's order may be a sort's
    if (!settings.itemClass.empty()) {
        if (!withoutItem.empty()) Check(rows->put_Filter(Variant::FromLong(adFilterPendingRecords)));
        for (double bookmark : withoutItem) {
            MoveTo(bookmark);
            ItemOfCurrentRow(hostBindRead);
        }
    }
    LinkNewRows();
    ApplyOwnFilter();
    // Only items with work to store are visited: their own row is pending, or a collection below them
    // holds pending rows. Items merely read are left alone, so a save costs what changed.
    PendingChanges below(HostSessionOf(session.Get()).Get());
    for (Entry* entry : EntriesWithWork(pending, below)) {
        if (SUCCEEDED(rows->put_Bookmark(Variant::FromDouble(entry->bookmark))))
            live.push_back(entry);
        else
            deleted.push_back(entry);
    }
}

// A save of a few changes finds their items by the pending rows' bookmarks and the items marked below,
// however many items the collection holds; a save touching many of them walks the list once instead,
// asking what is below only of the items whose own rows are not pending (new rows of new parents are
// all pending, and their collections then need not work it out at all).
std::vector<CollectionCore::Entry*> CollectionCore::EntriesWithWork(const std::vector<double>& pending,
                                                                    PendingChanges& below) {
    constexpr std::size_t kEntriesPerLookup = 8;  // a lookup walks the list too, but stops at its entry
    std::vector<Entry*> chosen;
    auto walk = [&] {
        for (Entry& entry : items_)
            if (std::binary_search(pending.begin(), pending.end(), entry.bookmark) || below.Below(entry.identity.Get()))
                chosen.push_back(&entry);
        return chosen;
    };
    if (pending.size() * kEntriesPerLookup >= items_.size()) return walk();
    const std::vector<IUnknown*>& marked = below.Items();
    if ((pending.size() + marked.size()) * kEntriesPerLookup >= items_.size()) return walk();
    for (double bookmark : pending)
        if (Entry* entry = FindEntry(bookmark)) chosen.push_back(entry);
    for (IUnknown* item : marked)
        if (Entry* entry = FindIdentity(item)) chosen.push_back(entry);
    // Entries of one list: their addresses keep its order.
    std::sort(chosen.begin(), chosen.end(), std::less<Entry*>());
    chosen.erase(std::unique(chosen.begin(), chosen.end()), chosen.end());
    return chosen;
}

// Checks and scripts are the long part of a save: run before the unit of database work, they hold no
// write lock, so another user's save waits only while this one writes.
void CollectionCore::CheckBeforeWork() {
    checkedBeforeWork_.clear();
    if (!recordset_) return;
    std::vector<Entry*> live, deleted;
    SelectWork(live, deleted);
    std::vector<ComPtr<IUnknown>> checked;
    for (Entry* entry : live) checked.push_back(entry->identity);
    try {
        for (const ComPtr<IUnknown>& identity : checked) {
            Entry* entry = FindEntry(identity.Get());  // a check may add items: entries move
            ComPtr<ISaveable> saveable = entry ? entry->item.As<ISaveable>() : nullptr;
            if (!saveable) continue;
            ApplyOwnFilter();
            MoveTo(entry->bookmark);
            checkedBeforeWork_.insert(identity.Get());
            Check(saveable->Save(hostSaveCheck));
        }
    } catch (...) {
        ComPtr<IErrorInfo> failure;
        GetErrorInfo(0, failure.Out());
        for (IUnknown* identity : checkedBeforeWork_) {
            Entry* entry = FindEntry(identity);
            if (!entry) continue;
            ApplyOwnFilter();
            if (SUCCEEDED(Rows()->put_Bookmark(Variant::FromDouble(entry->bookmark))))
                if (ComPtr<ISaveable> saveable = entry->item.As<ISaveable>()) saveable->Save(hostSaveRollback);
        }
        checkedBeforeWork_.clear();
        ApplyOwnFilter();
        SetErrorInfo(0, failure.Get());
        throw;
    }
    ApplyOwnFilter();
}

void CollectionCore::RunProtocol(HostCollection* self) {
    Recordset* rows = Rows();
    std::set<IUnknown*> checkedBefore;
    checkedBefore.swap(checkedBeforeWork_);
    std::vector<Entry*> live, deleted;
    SelectWork(live, deleted);
    std::vector<Entry*> checked;
    // Items checked before the unit of work get their rollback notice too when it fails.
    for (Entry* entry : live)
        if (checkedBefore.count(entry->identity.Get()) && entry->item.As<ISaveable>()) checked.push_back(entry);
    try {
        for (Entry* entry : live) {
            ComPtr<ISaveable> saveable = entry->item.As<ISaveable>();
            if (!saveable) continue;
            ApplyOwnFilter();
            MoveTo(entry->bookmark);
            if (!checkedBefore.count(entry->identity.Get())) {
                checked.push_back(entry);
                Check(saveable->Save(hostSaveCheck));
                MoveTo(entry->bookmark);
            }
            Check(saveable->Save(hostSavePrepare));
        }
        for (Entry* entry : deleted) {
            ComPtr<ISaveable> saveable = entry->item.As<ISaveable>();
            if (!saveable) continue;
            Check(rows->put_Filter(Variant::FromLong(adFilterPendingRecords)));
            if (FAILED(rows->put_Bookmark(Variant::FromDouble(entry->bookmark)))) continue;  // added, then deleted
            checked.push_back(entry);
            Check(saveable->Save(hostSaveCheck));
            Check(rows->put_Bookmark(Variant::FromDouble(entry->bookmark)));
            Check(saveable->Save(hostSaveDeleted));
        }
        ApplyOwnFilter();
        // A read-only collection writes nothing: rows changed in it fail the save rather than be reported
        // saved.
        if (settings.readOnly && HasPendingRows())
            Fail(E_ACCESSDENIED, u"Kolekcja jest tylko do odczytu; jej zmienionych wierszy nie zapisano");
        if (!settings.readOnly) Check(rows->UpdateBatch(adAffectAll));
        unsigned serialBefore = CurrentLinkSerial();
        ComPtr<Field> idField = settings.idColumn.empty() ? nullptr : FindField(rows, settings.idColumn);
        for (Entry* entry : live) {
            ApplyOwnFilter();
            MoveTo(entry->bookmark);
            if (idField) entry->id = ReadLong(idField.Get());
            if (ComPtr<ISaveable> saveable = entry->item.As<ISaveable>()) Check(saveable->Save(hostSaveWritten));
        }
        std::vector<Entry*> saved(live);
        saved.insert(saved.end(), deleted.begin(), deleted.end());
        SaveChildren(self, saved, serialBefore);
    } catch (...) {
        // Rollback notices go out whatever else fails; the first failure is the one reported.
        ComPtr<IErrorInfo> failure;
        GetErrorInfo(0, failure.Out());
        for (Entry* entry : checked) {
            rows->put_Filter(Variant::FromLong(adFilterPendingRecords));
            if (FAILED(rows->put_Bookmark(Variant::FromDouble(entry->bookmark)))) {
                rows->put_Filter(Variant::FromLong(0));
                rows->put_Bookmark(Variant::FromDouble(entry->bookmark));
            }
            if (ComPtr<ISaveable> saveable = entry->item.As<ISaveable>()) saveable->Save(hostSaveRollback);
        }
        rows->put_Filter(Variant::FromLong(0));
        // The rows written by the batch get back their pending changes when the session's transaction
        // is rolled back (the recordset keeps them until the transaction ends).
        SetErrorInfo(0, failure.Get());
        throw;
    }
    DropItems(deleted);
    ApplyOwnFilter();
}

// Items of rows the batch removed are dropped. The others close up in place, each entry tested where it
// stood before any moved; the dropped items are released once the list is whole again.
void CollectionCore::DropItems(const std::vector<Entry*>& deleted) {
    if (deleted.empty()) return;
    std::vector<Entry> dropped;
    std::size_t kept = 0;
    for (std::size_t i = 0; i < items_.size(); ++i) {
        Entry& entry = items_[i];
        if (std::find(deleted.begin(), deleted.end(), &entry) != deleted.end())
            dropped.push_back(std::move(entry));
        else if (kept++ != i)
            items_[kept - 1] = std::move(entry);
    }
    items_.resize(kept);
    ItemsDropped();
}

// A row changed or deleted by another user since it was read: the save is refused in the user's words,
// with the recordset's account of the row after them.
void CollectionCore::ExplainConflict() {
    std::u16string why = TakeErrorDescription();
    constexpr std::u16string_view kText =
        u"Dane zostały zmienione lub usunięte przez innego użytkownika po ich odczytaniu; nic nie zapisano. "
        u"Odczytaj je ponownie i powtórz zmiany.";
    if (why.starts_with(kText)) Fail(adErrConcurrencyViolation, why);
    Fail(adErrConcurrencyViolation, std::u16string(kText) + (why.empty() ? u"" : u" (" + why + u")"));
}

void CollectionCore::Save(HostCollection* self) {
    if (!recordset_) return;  // never read: nothing to save
    ComPtr<IHostSession> host = HostSessionOf(session.Get());
    if (!host->InWork()) CheckBeforeWork();
    host->BeginWork();
    try {
        RunProtocol(self);
        host->CommitWork();
    } catch (const HostError& e) {
        host->RollbackWork();
        if (e.hr == adErrConcurrencyViolation) ExplainConflict();
        throw;
    } catch (...) {
        host->RollbackWork();
        throw;
    }
}

}  // namespace tlx::host
