#include "host/collections/QueryCollection.h"

#include <algorithm>
#include <memory>
#include <unordered_map>

#include "host/Database.h"
#include "host/HostError.h"
#include "host/collections/ItemEnumerator.h"
#include "host/collections/ItemKey.h"
#include "hostapi/Errors.h"
#include "platform/com/VariantConversion.h"
#include "platform/text/CodePage.h"

namespace tlx::host {
namespace {

std::u16string TextOf(BSTR text) { return std::u16string(text ? text : u"", SysStringLen(text)); }

Variant IdKey(LONG id) { return Variant::FromString(Utf8ToUtf16(std::to_string(id))); }

LONG IdentityOf(IUnknown* item) {
    ComPtr<IIdentity> identity = ComPtr<IUnknown>(item).As<IIdentity>();
    LONG id = 0;
    if (!identity || FAILED(identity->get_ID(&id))) return 0;
    return id;
}

}  // namespace

CQueryCollection::~CQueryCollection() {
    if (host_) host_->UnregisterCollection(this);
}

void CQueryCollection::ReadIdentifiers() {
    if (sql_.empty()) Fail(E_INVALIDARG, u"Kolekcja nie ma zapytania");
    Connection* connection = Require(host_.Get())->CompanyConnection();
    if (recordset_) {
        Check(recordset_->Close());
        Check(recordset_->Open(Variant::FromString(sql_), Variant::FromDispatch(connection), adOpenStatic,
                               adLockBatchOptimistic, adCmdText));
    } else {
        recordset_ = OpenRecordset(connection, sql_);
    }
    ids_.clear();
    LONG count = 0;
    Check(recordset_->get_RecordCount(&count));
    if (count > 0) {
        Check(recordset_->MoveFirst());
        for (VARIANT_BOOL eof = VARIANT_FALSE; Check(recordset_->get_EOF(&eof)), !eof; Check(recordset_->MoveNext())) {
            if (idColumn_.empty() || !FindField(recordset_.Get(), idColumn_)) {
                ComPtr<Fields> fields;
                Check(recordset_->get_Fields(fields.Out()));
                ComPtr<Field> first;
                Check(fields->get_Item(Variant::FromLong(0), first.Out()));
                Variant value, number;
                Check(first->get_Value(value.Out()));
                Check(VariantChangeType(&number, &value, 0, VT_I4));
                ids_.push_back(number.lVal);
            } else {
                ids_.push_back(ReadLong(recordset_.Get(), idColumn_));
            }
        }
        Check(recordset_->MoveFirst());
    }
    read_ = true;
}

const std::vector<LONG>& CQueryCollection::Identifiers() {
    if (!read_) {
        ReadIdentifiers();
        // A source that read the rows of the former query's identifiers reads those of the new one.
        if (sourceRows_) {
            sourceRows_->ServeIdentifiers(ids_);
            Check(source_->Resync(Variant::Missing()));
        }
    }
    return ids_;
}

ICollection* CQueryCollection::Source() {
    if (!source_) {
        if (sourceClass_.empty()) Fail(E_INVALIDARG, u"Kolekcja nie ma źródła elementów");
        ComPtr<IDispatch> object;
        Bstr classText(sourceClass_);
        std::size_t collectionsBefore = Require(host_.Get())->Collections().size();
        Check(Require(session_.Get())->CreateObject(classText.Get(), Variant::Missing(), object.Out()));
        source_ = object.As<ICollection>();
        if (!source_) Fail(E_NOINTERFACE, u"Źródło elementów nie jest kolekcją: " + sourceClass_);
        // The one host collection made for the source (itself, or the one a module collection stands in
        // front of) reads only the rows of the identifiers.
        std::vector<HostCollection*> collections = host_->Collections();
        sourceRows_ = nullptr;
        if (!sql_.empty() && collections.size() == collectionsBefore + 1 &&
            collections.back()->ServeIdentifiers(Identifiers()))
            sourceRows_ = collections.back();
    }
    return source_.Get();
}

ComPtr<IDispatch> CQueryCollection::SourceItem(LONG id) {
    ComPtr<IDispatch> item;
    Check(Source()->Item(IdKey(id), item.Out()));
    return item;
}

// When the source reads only the rows of the identifiers, its items are taken in one walk over them;
// otherwise each is asked of the source by its identifier.
std::vector<ComPtr<IDispatch>> CQueryCollection::ItemsInOrder() {
    const std::vector<LONG>& ids = Identifiers();
    ICollection* source = Source();
    std::unordered_map<LONG, ComPtr<IDispatch>> byId;
    if (sourceRows_ && !ids.empty()) {
        ComPtr<IUnknown> walk;
        Check(source->get__NewEnum(walk.Out()));
        ComPtr<IEnumVARIANT> each = walk.As<IEnumVARIANT>();
        if (!each) Fail(E_NOINTERFACE, u"Źródło elementów nie wylicza elementów: " + sourceClass_);
        for (Variant next; each->Next(1, next.Out(), nullptr) == S_OK;) {
            if (next.vt != VT_DISPATCH || !next.pdispVal) continue;
            if (LONG id = IdentityOf(next.pdispVal)) byId.emplace(id, ComPtr<IDispatch>(next.pdispVal));
        }
    }
    std::vector<ComPtr<IDispatch>> items;
    items.reserve(ids.size());
    for (LONG id : ids) {
        auto found = byId.find(id);
        items.push_back(found != byId.end() ? found->second : SourceItem(id));
    }
    return items;
}

HRESULT CQueryCollection::get__NewEnum(IUnknown** enumerator) {
    return Boundary([&] {
        Require(enumerator);
        auto items = std::make_shared<const std::vector<ComPtr<IDispatch>>>(ItemsInOrder());
        std::vector<EnumeratedItem> listed;
        listed.reserve(items->size());
        for (std::size_t i = 0; i < items->size(); ++i) listed.push_back(EnumeratedItem{static_cast<double>(i), (*items)[i]});
        ComPtr<ICollection> source(Source());
        auto move = [source, items](double place) {  // asking the source for the item moves its recordset to the row
            ComPtr<IDispatch> again;
            return source->Item(Variant::FromDispatch((*items)[static_cast<std::size_t>(place)].Get()), again.Out());
        };
        *enumerator = static_cast<IEnumVARIANT*>(
            CItemEnumerator::Make(ComPtr<IUnknown>(static_cast<IAdoCollection*>(this)), move, std::move(listed)).Detach());
    });
}

HRESULT CQueryCollection::Item(VARIANT key, IDispatch** item) {
    return Boundary([&] {
        Require(item);
        ItemKey parsed;
        Check(ParseItemKey(key, parsed));
        const std::vector<LONG>& ids = Identifiers();
        switch (parsed.kind) {
            case ItemKey::Kind::Position:
                if (parsed.position < 0 || parsed.position >= static_cast<LONG>(ids.size()))
                    Fail(HOST_E_NOROW, u"Nie znaleziono rekordu: " + parsed.text);
                *item = SourceItem(ids[parsed.position]).Detach();
                return;
            case ItemKey::Kind::Identifier:
                if (std::find(ids.begin(), ids.end(), parsed.identifier) == ids.end())
                    Fail(HOST_E_NOROW, u"Nie znaleziono rekordu: " + parsed.text);
                *item = SourceItem(parsed.identifier).Detach();
                return;
            default:
                Check(Source()->Item(key, item));
        }
    });
}

HRESULT CQueryCollection::get_Count(LONG* count) {
    return Boundary([&] { *Require(count) = static_cast<LONG>(Identifiers().size()); });
}

HRESULT CQueryCollection::AddNew(VARIANT pattern, IDispatch** item) {
    return Boundary([&] { Check(Source()->AddNew(pattern, item)); });
}

HRESULT CQueryCollection::Delete(VARIANT item) {
    return Boundary([&] {
        ItemKey parsed;
        Check(ParseItemKey(item, parsed));
        ComPtr<IDispatch> target;
        if (parsed.kind == ItemKey::Kind::Object) {
            Check(parsed.object->QueryInterface(IID_IDispatch, target.OutVoid()));
        } else {
            Check(Item(item, target.Out()));
        }
        LONG id = IdentityOf(target.Get());
        Check(Source()->Delete(Variant::FromDispatch(target.Get())));
        ids_.erase(std::remove(ids_.begin(), ids_.end(), id), ids_.end());
    });
}

HRESULT CQueryCollection::Resync(VARIANT options) {
    return Boundary([&] {
        ReadIdentifiers();
        if (sourceRows_) sourceRows_->ServeIdentifiers(ids_);
        if (source_) Check(source_->Resync(options));
    });
}

HRESULT CQueryCollection::putref_Collection(IDispatch*) {
    return SetErrorText(E_NOTIMPL, u"Kolekcja hosta przechowuje własne wiersze");
}

HRESULT CQueryCollection::get_ParentObject(IDispatch** parent) {
    if (!parent) return E_POINTER;
    *parent = nullptr;
    return S_OK;
}

HRESULT CQueryCollection::get_IdColumn(BSTR* column) {
    return Boundary([&] { *Require(column) = Bstr(idColumn_).Detach(); });
}

HRESULT CQueryCollection::get_Recordset(Recordset** recordset) {
    return Boundary([&] {
        Require(recordset);
        Identifiers();
        *recordset = ComPtr<Recordset>(recordset_).Detach();
    });
}

HRESULT CQueryCollection::CloneFromRecordset(Recordset*) {
    return SetErrorText(E_NOTIMPL, u"Kolekcja identyfikatorów nie kopiuje wierszy");
}

HRESULT CQueryCollection::get_Filter(BSTR* criteria) {
    return Boundary([&] { *Require(criteria) = Bstr(u"").Detach(); });
}

HRESULT CQueryCollection::put_Filter(BSTR) { return SetErrorText(E_NOTIMPL, u"Kolekcja identyfikatorów nie filtruje"); }

HRESULT CQueryCollection::get_Sort(BSTR* order) {
    return Boundary([&] { *Require(order) = Bstr(u"").Detach(); });
}

HRESULT CQueryCollection::put_Sort(BSTR) { return SetErrorText(E_NOTIMPL, u"Kolekcja identyfikatorów nie sortuje"); }

HRESULT CQueryCollection::put_IdColumn(BSTR column) {
    idColumn_ = TextOf(column);
    return S_OK;
}

HRESULT CQueryCollection::put_SQL(BSTR sql) {
    sql_ = TextOf(sql);
    read_ = false;
    return S_OK;
}

HRESULT CQueryCollection::put_ItemSource(VARIANT classText) {
    return Boundary([&] {
        Variant text;
        Check(VariantChangeType(&text, &classText, 0, VT_BSTR));
        sourceClass_ = TextOf(text.bstrVal);
        sourceRows_ = nullptr;
        source_.Reset();
    });
}

HRESULT CQueryCollection::Initialize(ISession* session, LONG* state) {
    return Boundary([&] {
        Require(session);
        Require(state);
        if (host_) host_->UnregisterCollection(this);
        session_ = ComPtr<ISession>(session);
        host_ = HostSessionOf(session);
        host_->RegisterCollection(this);
        *state = hostStateCollection;
    });
}

HRESULT CQueryCollection::get_Session(ISession** session) { return session_.CopyTo(session); }

HRESULT CQueryCollection::get_ROSaveMode(LONG* mode) {
    if (!mode) return E_POINTER;
    *mode = roSaveMode_;
    return S_OK;
}

HRESULT CQueryCollection::put_ROSaveMode(LONG mode) {
    roSaveMode_ = mode;
    return S_OK;
}

HRESULT CQueryCollection::Save(LONG mode) {
    return Boundary([&] {
        if (!source_) return;
        ComPtr<ISaveable> saveable = source_.As<ISaveable>();
        if (saveable) Check(saveable->Save(mode));
    });
}

void CQueryCollection::SaveRows() { Check(Save(hostSavePrepare)); }

HRESULT CQueryCollection::get_ItemClass(BSTR* classText) {
    return Boundary([&] { *Require(classText) = Bstr(sourceClass_).Detach(); });
}

bool CQueryCollection::Holds(IUnknown* item) {
    LONG id = IdentityOf(item);
    return id != 0 && std::find(ids_.begin(), ids_.end(), id) != ids_.end();
}

void CQueryCollection::DeleteItem(IUnknown* item) { Check(Delete(Variant::FromUnknown(item))); }

void CQueryCollection::ReleaseItems() {
    sourceRows_ = nullptr;
    source_.Reset();
}

}  // namespace tlx::host
