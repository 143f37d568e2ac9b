#include "host/session/Session.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <unordered_map>
#include <unordered_set>

#include "host/Database.h"
#include "host/HostError.h"
#include "host/collections/HostCollection.h"
#include "host/collections/ItemKey.h"
#include "host/session/HostEnvironment.h"
#include "host/session/IdentityCounts.h"
#include "host/session/SessionReference.h"
#include "host/script/ScriptEngineSetup.h"
#include "hostapi/Errors.h"
#include "hostapi/Framework.h"
#include "platform/com/ClassRegistry.h"
#include "platform/com/VariantConversion.h"
#include "platform/text/CodePage.h"

namespace tlx::host {
namespace {

bool IsMissing(const VARIANT& value) {
    const VARIANT* v = value.vt == (VT_BYREF | VT_VARIANT) && value.pvarVal ? value.pvarVal : &value;
    switch (v->vt) {
        case VT_EMPTY:
        case VT_NULL: return true;
        case VT_ERROR: return v->scode == DISP_E_PARAMNOTFOUND_SCODE;
        case VT_BSTR: return SysStringLen(v->bstrVal) == 0;
        default: return false;
    }
}

std::u16string TextOf(BSTR text) { return std::u16string(text ? text : u"", SysStringLen(text)); }

IUnknown* IdentityOf(IUnknown* object) {
    ComPtr<IUnknown> identity;
    if (!object || FAILED(object->QueryInterface(IID_IUnknown, identity.OutVoid()))) return nullptr;
    return identity.Get();  // still held by the object it was asked of
}

// The object's reference count, as its own AddRef and Release answer it.
ULONG ReferencesOn(IUnknown* object) {
    object->AddRef();
    return object->Release();
}

constexpr DISPID kSecondInterface = 1000;

const DispatchTable& FirstTable() { return DispatchTableOf(static_cast<ISession*>(nullptr)); }
const DispatchTable& SecondTable() { return DispatchTableOf(static_cast<ISession2*>(nullptr)); }

}  // namespace

HRESULT CSession::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
    if (iid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
    if (!names || !ids) return E_POINTER;
    HRESULT answer = S_OK;
    for (UINT i = 0; i < count; ++i) {
        DISPID id = FirstTable().IdOfName(names[i] ? names[i] : u"");
        if (id == DISPID_UNKNOWN) {
            id = SecondTable().IdOfName(names[i] ? names[i] : u"");
            if (id != DISPID_UNKNOWN) id += kSecondInterface;
        }
        ids[i] = id;
        if (id == DISPID_UNKNOWN) answer = DISP_E_UNKNOWNNAME;
    }
    return answer;
}

HRESULT CSession::Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                         EXCEPINFO* exception, UINT* argError) {
    if (iid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
    if (id >= kSecondInterface)
        return SecondTable().Invoke(static_cast<ISession2*>(this), id - kSecondInterface, lcid, flags, params, result,
                                    exception, argError);
    return FirstTable().Invoke(static_cast<ISession*>(this), id, lcid, flags, params, result, exception, argError);
}

HRESULT CSession::GetMemberKinds(DISPID id, WORD* kinds, UINT* arguments, UINT* required) {
    if (id >= kSecondInterface) return SecondTable().GetMemberKinds(id - kSecondInterface, kinds, arguments, required);
    return FirstTable().GetMemberKinds(id, kinds, arguments, required);
}

ComPtr<IHostSession> HostSessionOf(IUnknown* session) {
    ComPtr<IHostSession> host;
    if (!session || FAILED(session->QueryInterface(IidOf<IHostSession>(), host.OutVoid()))) throw HostError{E_POINTER};
    return host;
}

CSession::CSession(ComPtr<ILogin> login, std::shared_ptr<const SessionFiles> files)
    : login_(std::move(login)), files_(std::move(files)) {
    TrackSession(this);
}

CSession::~CSession() {
    UntrackSession(this);
    Close();
}

void CSession::RequireOpen() const {
    if (closed_) Fail(E_UNEXPECTED, u"Sesja została zamknięta");
}

ComPtr<IDispatch> CSession::Create(BSTR classText, const VARIANT& parameter) {
    RequireOpen();
    CLSID clsid{};
    if (HRESULT hr = CLSIDFromProgID(classText ? classText : u"", &clsid); FAILED(hr))
        Fail(hr, u"Nieznana klasa obiektu: " + TextOf(classText));
    std::size_t collectionsBefore = collections_.size();
    ComPtr<IUnknown> object;
    if (HRESULT hr = CoCreateInstance(clsid, nullptr, CLSCTX_ALL, IID_IUnknown, object.OutVoid()); FAILED(hr)) {
        std::u16string why = TakeErrorDescription();
        Fail(hr, u"Nie można utworzyć obiektu klasy " + TextOf(classText) + (why.empty() ? u"" : u": " + why));
    }
    if (ComPtr<IInitializeSession> init = object.As<IInitializeSession>()) {
        LONG state = 0;
        Check(init->Initialize(static_cast<ISession*>(this), &state));
    }
    // A module collection that made one host collection to stand in front of holds it.
    if (collections_.size() == collectionsBefore + 1 && IdentityOf(collections_.back()->Unknown()) != object.Get())
        fronts_[collections_.back()] = object.Get();
    if (ComPtr<IScriptEngineSetup> engine = object.As<IScriptEngineSetup>()) {
        // `new ActiveXObject(...)` in the engine's scripts creates through this session. The engine
        // keeps the session through a reference, as the session's other objects do.
        ComPtr<ISessionReference> self;
        Check(GetReference(nullptr, self.Out()));
        engine->SetObjectCreator([self](std::u16string_view progId, IDispatch** created) {
            ComPtr<ISession> session;
            if (HRESULT hr = self->GetSession(session.Out()); FAILED(hr)) return hr;
            Bstr text(progId);
            return session->CreateObject(text.Get(), Variant::Missing(), created);
        });
    }
    if (!IsMissing(parameter)) {
        ComPtr<ICollection> collection = object.As<ICollection>();
        if (!collection) Fail(E_INVALIDARG, u"Klasa " + TextOf(classText) + u" nie wskazuje rekordu parametrem");
        Variant key = ObjectKey(parameter);
        // The one host collection made for this object (itself, or the one a module collection stands
        // in front of) reads only the rows of the key.
        if (collections_.size() == collectionsBefore + 1) collections_.back()->ServeOneKey(key);
        ComPtr<IDispatch> item;
        Check(collection->Item(key, item.Out()));
        AddToUnitOfWork(collection.Get());
        return item;
    }
    ComPtr<IDispatch> dispatch;
    Check(object->QueryInterface(IID_IDispatch, dispatch.OutVoid()));
    return dispatch;
}

HRESULT CSession::CreateObject(BSTR classText, VARIANT parameter, IDispatch** object) {
    return Boundary([&] {
        Require(object);
        *object = Create(classText, parameter).Detach();
    });
}

HRESULT CSession::OpenObject(BSTR classText, LONG /*mode*/, BSTR filter, IDispatch** object) {
    return Boundary([&] {
        Require(object);
        *object = nullptr;
        Variant key = Variant::FromString(TextOf(filter));
        *object = Create(classText, key).Detach();
    });
}

HRESULT CSession::GetReference(IDispatch* object, ISessionReference** reference) {
    return Boundary([&] {
        Require(reference);
        RequireOpen();
        DWORD cookie = object ? KeepObject(object) : 0;
        if (cookie < handedOut_.size() && handedOut_[cookie]) {
            *reference = ComPtr<ISessionReference>(handedOut_[cookie]).Detach();
            return;
        }
        auto made = CSessionReference::Make(ComPtr<ISession>(static_cast<ISession*>(this)), cookie);
        if (cookie >= handedOut_.size()) handedOut_.resize(cookie + 1, nullptr);
        handedOut_[cookie] = made.Get();
        *reference = made.Detach();
    });
}

void CSession::ReferenceGone(DWORD cookie, ISessionReference* reference) {
    if (cookie < handedOut_.size() && handedOut_[cookie] == reference) handedOut_[cookie] = nullptr;
}

HRESULT CSession::GetObjectReference(IDispatch* object, ISessionReference** reference) {
    return GetReference(object, reference);
}

HRESULT CSession::Prepare() {
    return Boundary([&] { CompanyConnection(); });
}

// A save reports success only for rows it wrote: a collection of the unit of work still holding rows not
// stored fails it.
void CSession::RequireNothingLeftUnsaved(const std::vector<ComPtr<IUnknown>>& work) {
    for (HostCollection* collection : CollectionsWithPendingRows()) {
        bool ofWork = std::any_of(work.begin(), work.end(),
                                  [&](const ComPtr<IUnknown>& object) { return object.Get() == IdentityOf(collection->Unknown()); });
        if (!ofWork) continue;
        Fail(E_FAIL, u"Zapis sesji nie objął wszystkich zmian: kolekcja ma wiersze, których nie zapisano; nic nie "
                     u"zapisano.");
    }
}

void CSession::SaveUnitOfWork() {
    std::vector<ComPtr<IUnknown>> work = unitOfWork_;  // a save may add to the unit of work
    // The checks and scripts run first, before the unit of database work takes the write lock: a long
    // save holds other users' saves up only while it writes.
    try {
        for (const ComPtr<IUnknown>& object : work) {
            if (object.As<ICollection>()) {
                for (HostCollection* collection : std::vector<HostCollection*>(collections_))
                    if (IdentityOf(collection->Unknown()) == object.Get()) collection->CheckBeforeWork();
            } else if (ComPtr<ISaveable> saveable = object.As<ISaveable>()) {
                Check(saveable->Save(hostSaveCheck));
            }
        }
    } catch (...) {
        for (HostCollection* collection : std::vector<HostCollection*>(collections_)) collection->ForgetCheck();
        throw;
    }
    BeginWork();
    try {
        for (const ComPtr<IUnknown>& object : work) {
            ComPtr<ISaveable> saveable = object.As<ISaveable>();
            if (!saveable) continue;
            if (object.As<ICollection>()) {
                Check(saveable->Save(hostSavePrepare));
            } else {
                Check(saveable->Save(hostSavePrepare));
                Check(saveable->Save(hostSaveWritten));
            }
        }
        RequireNothingLeftUnsaved(work);
        CommitWork();
    } catch (...) {
        RollbackWork();
        for (HostCollection* collection : std::vector<HostCollection*>(collections_)) collection->ForgetCheck();
        throw;
    }
    removed_.clear();
}

HRESULT CSession::SaveChanges() {
    return Boundary([&] {
        RequireOpen();
        SaveUnitOfWork();
    });
}

HRESULT CSession::Save() { return SaveChanges(); }

HRESULT CSession::get_Connection(Connection** connection) {
    return Boundary([&] {
        Require(connection);
        *connection = ComPtr<Connection>(CompanyConnection()).Detach();
    });
}

HRESULT CSession::get_ConfigConnection(Connection** connection) {
    return Boundary([&] {
        Require(connection);
        RequireOpen();
        if (!configConnection_)
            configConnection_ = OpenConnection(files_->Config());
        *connection = ComPtr<Connection>(configConnection_).Detach();
    });
}

HRESULT CSession::get_Login(ILogin** login) {
    return Boundary([&] {
        Require(login);
        RequireOpen();
        *login = ComPtr<ILogin>(login_).Detach();
    });
}

HRESULT CSession::AddObject(IDispatch* object) {
    return Boundary([&] {
        RequireOpen();
        Require(object);
        for (HostCollection* collection : collections_) {
            if (collection->Holds(object)) {
                AddToUnitOfWork(collection->Unknown());
                return;
            }
        }
        AddToUnitOfWork(object);
    });
}

HRESULT CSession::RemoveObject(IDispatch* object) {
    return Boundary([&] {
        RequireOpen();
        Require(object);
        for (HostCollection* collection : collections_) {
            if (collection->Holds(object)) {
                // The caller has usually removed it from the collection already (its row no longer
                // found); the collection then only has to be saved.
                try {
                    collection->DeleteItem(object);
                } catch (const HostError& e) {
                    if (e.hr != HOST_E_NOROW) throw;
                }
                AddToUnitOfWork(collection->Unknown());
                return;
            }
        }
        removed_.push_back(ComPtr<IUnknown>(object));
    });
}

Connection* CSession::CompanyConnection() {
    RequireOpen();
    if (!connection_) connection_ = OpenConnection(files_->CompanyConnectionText());
    return connection_.Get();
}

ILogin* CSession::LoginObject() {
    RequireOpen();
    return login_.Get();
}

void CSession::AddToUnitOfWork(IUnknown* object) {
    ComPtr<IUnknown> identity;
    Check(object->QueryInterface(IID_IUnknown, identity.OutVoid()));
    for (const ComPtr<IUnknown>& held : unitOfWork_)
        if (held == identity) return;
    unitOfWork_.push_back(identity);
}

void CSession::RegisterCollection(HostCollection* collection) {
    collections_.push_back(collection);
    order_[collection] = nextOrder_++;
    // A collection moved from another session brings the rows it changed there.
    collection->sessionMarks.listed = false;
    if (collection->sessionMarks.untold || collection->HasPendingRows()) CollectionRowsChanged(collection);
}

void CSession::UnregisterCollection(HostCollection* collection) {
    collections_.erase(std::remove(collections_.begin(), collections_.end(), collection), collections_.end());
    if (collection->sessionMarks.listed) {
        changed_.erase(std::remove(changed_.begin(), changed_.end(), collection), changed_.end());
        collection->sessionMarks.listed = false;
    }
    fronts_.erase(collection);
    CollectionParentChanged(collection, nullptr);
    order_.erase(collection);  // its entries in linked_ are passed over from now on
}

void CSession::CollectionParentChanged(HostCollection* collection, IUnknown* parent) {
    if (auto known = parentOf_.find(collection); known != parentOf_.end()) {
        auto [first, last] = byParent_.equal_range(known->second);
        for (auto it = first; it != last; ++it)
            if (it->second == collection) {
                byParent_.erase(it);
                break;
            }
        parentOf_.erase(known);
    }
    if (!parent) return;
    parentOf_[collection] = parent;
    byParent_.emplace(parent, collection);
    MarkParent(parent);
}

std::size_t CSession::ParentBit(IUnknown* parent) const {
    return IdentityHash(parent, std::countr_zero(parentBits_.size()));
}

void CSession::MarkParent(IUnknown* parent) {
    if (byParent_.size() * kBitsPerParent <= parentBits_.size()) {
        parentBits_[ParentBit(parent)] = true;
        return;
    }
    // Twice what the parents need: made anew only when their number has doubled since.
    parentBits_.assign(std::bit_ceil(byParent_.size() * kBitsPerParent * 2), false);
    for (const auto& [known, child] : byParent_) parentBits_[ParentBit(known)] = true;
}

void CSession::CollectionLinked(HostCollection* collection, unsigned serial) {
    if (auto order = order_.find(collection); order != order_.end())
        linked_.push_back(Linked{serial, collection, order->second});
}

std::vector<HostCollection*> CSession::ChildrenToSave(const std::vector<IUnknown*>& parents, unsigned linkedAfter) {
    std::vector<std::pair<unsigned long, HostCollection*>> found;
    auto add = [&](HostCollection* collection) {
        auto order = order_.find(collection);
        if (order == order_.end()) return;  // no longer registered
        for (const auto& [known, c] : found)
            if (c == collection) return;
        found.emplace_back(order->second, collection);
    };
    for (IUnknown* parent : parents) {
        if (parentBits_.empty() || !parentBits_[ParentBit(parent)]) continue;
        auto [first, last] = byParent_.equal_range(parent);
        for (auto it = first; it != last; ++it) add(it->second);
    }
    for (auto it = linked_.rbegin(); it != linked_.rend() && it->serial > linkedAfter; ++it) {
        auto order = order_.find(it->collection);
        if (order != order_.end() && order->second == it->order) add(it->collection);
    }
    std::sort(found.begin(), found.end());
    std::vector<HostCollection*> children;
    for (const auto& [order, collection] : found) children.push_back(collection);
    return children;
}

std::vector<HostCollection*> CSession::Collections() { return collections_; }

void CSession::CollectionRowsChanged(HostCollection* collection) {
    if (collection->sessionMarks.listed || !order_.count(collection)) return;
    changed_.push_back(collection);
    collection->sessionMarks.listed = true;
}

std::vector<HostCollection*> CSession::CollectionsWithPendingRows() {
    // Asked first, then the list closes up: a failed answer leaves it as it was.
    std::vector<HostCollection*> pending;
    std::vector<bool> stays;
    for (HostCollection* collection : changed_) {
        bool has = collection->HasPendingRows();
        if (has) pending.push_back(collection);
        stays.push_back(has || collection->sessionMarks.untold);
    }
    std::size_t kept = 0;
    for (std::size_t i = 0; i < changed_.size(); ++i) {
        if (stays[i])
            changed_[kept++] = changed_[i];
        else
            changed_[i]->sessionMarks.listed = false;
    }
    changed_.resize(kept);
    return pending;
}

HostCollection* CSession::MakerOf(IUnknown* item, unsigned long* registration) {
    auto answer = [&](HostCollection* collection) {
        *registration = order_.at(collection);
        return collection;
    };
    for (HostCollection* collection : changed_)
        if (collection->MadeItem(item)) return answer(collection);
    for (HostCollection* collection : collections_)
        if (!collection->sessionMarks.listed && collection->MadeItem(item)) return answer(collection);
    return nullptr;
}

bool CSession::Registered(HostCollection* collection, unsigned long registration) {
    auto known = order_.find(collection);
    return known != order_.end() && known->second == registration;
}

DWORD CSession::KeepObject(IDispatch* object) {
    RequireOpen();
    ComPtr<IUnknown> identity;
    Check(object->QueryInterface(IID_IUnknown, identity.OutVoid()));
    if (auto known = keptCookies_.find(identity.Get()); known != keptCookies_.end()) return known->second;
    kept_.emplace_back(object);
    DWORD cookie = static_cast<DWORD>(kept_.size());
    keptCookies_.emplace(identity.Get(), cookie);  // the kept object holds its identity alive
    return cookie;
}

ComPtr<IDispatch> CSession::KeptObject(DWORD cookie) {
    RequireOpen();
    if (cookie > 0 && cookie <= kept_.size()) return kept_[cookie - 1];
    Fail(E_UNEXPECTED, u"Referencja nie wskazuje obiektu sesji");
}

void CSession::BeginWork() {
    if (workDepth_ == 0) {
        Connection* connection = CompanyConnection();
        // How long to wait for another user's save to finish writing: longer than a normal save writes.
        LONG seconds = 60;
        if (auto text = settings_.Setting(connection, u"CzasOczekiwaniaNaZapis")) {
            Variant given = Variant::FromString(*text), number;
            if (SUCCEEDED(VariantChangeType(&number, &given, 0, VT_I4)) && number.lVal > 0 && number.lVal <= 3600)
                seconds = number.lVal;
        }
        ExecuteSql(connection, u"PRAGMA busy_timeout = " + Utf8ToUtf16(std::to_string(seconds * 1000)));
        LONG level = 0;
        Check(connection->BeginTrans(&level));
        workFailed_ = false;
    }
    ++workDepth_;
}

void CSession::CommitWork() {
    if (workDepth_ == 0) return;
    --workDepth_;
    if (workFailed_) Fail(E_ABORT, u"Transakcja sesji została wycofana");
    if (workDepth_ == 0) Check(connection_->CommitTrans());
}

void CSession::RollbackWork() {
    if (workDepth_ == 0) return;
    --workDepth_;
    if (!workFailed_) {
        workFailed_ = true;
        if (connection_) connection_->RollbackTrans();
    }
}

// What the session and its objects hold of each other is known: the unit of work, the kept
// objects; each host collection's items (twice: the item and its identity); a host collection held by the
// module collection in front of it, or by its parent, when that object is the session's too; the
// references on the session that its collections, host records and references keep. A reference beyond
// those comes from outside. An object whose holders the session cannot tell (a module object kept by
// another one, a script engine) counts as held from outside, so the session stays.
bool CSession::HeldFromOutside() {
    // Object identity -> references the session's side keeps on it; every collection of the session is
    // listed, so that one kept by something unknown is seen as held.
    std::vector<std::vector<IUnknown*>> items;
    items.reserve(collections_.size());
    std::size_t expected = unitOfWork_.size() + kept_.size() + collections_.size();
    for (HostCollection* collection : collections_) {
        items.push_back(collection->ItemIdentities());
        expected += items.back().size();
    }
    IdentityCounts known(expected);
    for (const ComPtr<IUnknown>& object : unitOfWork_) known.Add(object.Get(), 1);
    for (const ComPtr<IDispatch>& object : kept_) known.Add(IdentityOf(object.Get()), 1);
    for (const std::vector<IUnknown*>& list : items)
        for (IUnknown* item : list) known.Add(item, 2);
    std::unordered_set<IUnknown*> collections;
    collections.reserve(collections_.size());
    ULONG onSession = 1 + static_cast<ULONG>(references_);  // 1: the caller, who keeps the session while it asks
    for (HostCollection* collection : collections_) {
        IUnknown* identity = IdentityOf(collection->Unknown());
        collections.insert(identity);
        onSession += collection->HoldsOnSession();
        IUnknown* owner = collection->ParentIdentity();
        if (auto front = fronts_.find(collection); !owner && front != fronts_.end()) owner = front->second;
        known.Add(identity, owner && known.Contains(owner) ? 1 : 0);
    }
    bool held = known.Any([&](IUnknown* object, ULONG count) {
        if (ReferencesOn(object) > count) return true;
        ComPtr<ISessionHolder> holder;
        if (!collections.count(object) && SUCCEEDED(object->QueryInterface(IidOf<ISessionHolder>(), holder.OutVoid())))
            onSession += holder->HoldsOnSession();
        return false;
    });
    return held || ReferencesOn(static_cast<ISession*>(this)) != onSession;
}

bool CSession::CloseIfUnheld(unsigned long sweep) {
    if (closed_ || workDepth_ > 0 || !removed_.empty() || sweep < nextLook_) return false;
    if (HeldFromOutside()) {
        // Twice as long each time, without a ceiling: a large session a caller works in through
        // thousands of new sessions (a run adding an attachment per employee) is walked a few times in
        // all, and once let go it waits no longer than it had been held.
        nextLook_ = sweep + lookInterval_;
        lookInterval_ *= 2;
        return false;
    }
    // Changes no one can save any longer would be lost silently: such a session stays.
    if (!CollectionsWithPendingRows().empty()) return false;
    for (const ComPtr<IUnknown>& object : unitOfWork_)
        if (!object.As<ICollection>()) return false;  // an object added to be saved
    Close();
    return true;
}

void CSession::Close() {
    if (closed_) return;
    closed_ = true;
    std::vector<ComPtr<IUnknown>> work = std::move(unitOfWork_);
    std::vector<ComPtr<IUnknown>> removed = std::move(removed_);
    auto kept = std::move(kept_);
    keptCookies_.clear();
    // Releasing one collection's items may destroy other collections (an item's own child collections),
    // which leave the list as they go: only collections still listed are asked.
    for (HostCollection* collection : std::vector<HostCollection*>(collections_))
        if (std::find(collections_.begin(), collections_.end(), collection) != collections_.end())
            collection->ReleaseItems();
    work.clear();
    removed.clear();
    kept.clear();
    if (connection_) connection_->Close();
    if (configConnection_) configConnection_->Close();
    connection_.Reset();
    configConnection_.Reset();
    login_.Reset();
}

}  // namespace tlx::host
