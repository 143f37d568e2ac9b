// The host session: one company-database connection, one unit of work, object creation for scripts and
// business objects (see hostapi/Session.h for the contract).
#pragma once

#include <map>
#include <memory>
#include <unordered_map>
#include <string>
#include <vector>

#include "host/config/SessionSettings.h"
#include "host/session/HostSession.h"
#include "host/session/SessionFiles.h"
#include "hostapi/CollectionsDispatch.h"
#include "hostapi/LoginDispatch.h"
#include "hostapi/SessionDispatch.h"
#include "platform/com/Dispatch.h"

namespace tlx::host {

class CSession final : public ComObject<CSession, Dispatch<ISession>, Dispatch<ISession2>, IHostSession> {
public:
    CSession(ComPtr<ILogin> login, std::shared_ptr<const SessionFiles> files);
    ~CSession() override;

    // Scripts see one object: names of ISession first, then those of ISession2 (DISPIDs + 1000).
    HRESULT GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids) override;
    HRESULT Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                   EXCEPINFO* exception, UINT* argError) override;
    HRESULT GetMemberKinds(DISPID id, WORD* kinds, UINT* arguments, UINT* required) override;

    // ISession and ISession2 (CreateObject has one signature in both).
    HRESULT CreateObject(BSTR classText, VARIANT parameter, IDispatch** object) override;
    HRESULT GetReference(IDispatch* object, ISessionReference** reference) override;
    HRESULT Prepare() override;
    HRESULT SaveChanges() override;
    HRESULT OpenObject(BSTR classText, LONG mode, BSTR filter, IDispatch** object) override;
    HRESULT get_Connection(Connection** connection) override;
    HRESULT get_ConfigConnection(Connection** connection) override;
    HRESULT get_Login(ILogin** login) override;
    HRESULT Save() override;
    HRESULT GetObjectReference(IDispatch* object, ISessionReference** reference) override;
    HRESULT AddObject(IDispatch* object) override;
    HRESULT RemoveObject(IDispatch* object) override;

    // IHostSession
    Connection* CompanyConnection() override;
    ILogin* LoginObject() override;
    SessionSettings& Settings() override { return settings_; }
    void AddToUnitOfWork(IUnknown* object) override;
    void RegisterCollection(HostCollection* collection) override;
    void UnregisterCollection(HostCollection* collection) override;
    std::vector<HostCollection*> Collections() override;
    void CollectionRowsChanged(HostCollection* collection) override;
    std::vector<HostCollection*> CollectionsWithPendingRows() override;
    HostCollection* MakerOf(IUnknown* item, unsigned long* registration) override;
    bool Registered(HostCollection* collection, unsigned long registration) override;
    void CollectionParentChanged(HostCollection* collection, IUnknown* parent) override;
    void CollectionLinked(HostCollection* collection, unsigned serial) override;
    std::vector<HostCollection*> ChildrenToSave(const std::vector<IUnknown*>& parents, unsigned linkedAfter) override;
    DWORD KeepObject(IDispatch* object) override;
    ComPtr<IDispatch> KeptObject(DWORD cookie) override;
    void BeginWork() override;
    bool InWork() const override { return workDepth_ > 0; }
    void CommitWork() override;
    void RollbackWork() override;
    void Close() override;
    bool CloseIfUnheld(unsigned long sweep) override;
    void CountReference(int change) override { references_ += change; }
    void ReferenceGone(DWORD cookie, ISessionReference* reference) override;

private:
    void RequireOpen() const;
    ComPtr<IDispatch> Create(BSTR classText, const VARIANT& parameter);
    bool HeldFromOutside();
    void SaveUnitOfWork();
    void RequireNothingLeftUnsaved(const std::vector<ComPtr<IUnknown>>& work);
    std::size_t ParentBit(IUnknown* parent) const;
    void MarkParent(IUnknown* parent);

    ComPtr<ILogin> login_;
    std::shared_ptr<const SessionFiles> files_;
    ComPtr<Connection> connection_;
    ComPtr<Connection> configConnection_;
    std::vector<ComPtr<IUnknown>> unitOfWork_;
    std::vector<ComPtr<IUnknown>> removed_;
    std::vector<HostCollection*> collections_;
    // The collections whose rows changed since they were last found without pending rows, each once
    // (its sessionMarks.listed says so).
    std::vector<HostCollection*> changed_;
    // The registered collections' creation order, their parents (identities) and the collections of each
    // parent, and the parent links given (serial, collection), latest last: so that a save finds the
    // children of what it wrote without walking every collection of the session.
    std::unordered_map<HostCollection*, unsigned long> order_;
    unsigned long nextOrder_ = 0;
    std::unordered_map<HostCollection*, IUnknown*> parentOf_;
    std::unordered_multimap<IUnknown*, HostCollection*> byParent_;
    // A bit for each parent in byParent_, at least kBitsPerParent bits a parent (a power of two, made
    // anew from byParent_ when their number outgrows it; a parent that left keeps its bit until then):
    // most items a save writes have no collection below them (a declaration's elements), and a clear
    // bit says so without a lookup in byParent_.
    static constexpr std::size_t kBitsPerParent = 16;
    std::vector<bool> parentBits_;
    struct Linked {
        unsigned serial;
        HostCollection* collection;
        unsigned long order;  // the collection's, so that another one made at the same address is not taken
    };
    std::vector<Linked> linked_;
    // The host collection made inside a module collection that stands in front of it (by identity).
    std::map<HostCollection*, IUnknown*> fronts_;
    // Live references of the session (each keeps the session).
    long references_ = 0;
    // When CloseIfUnheld looks next (a round number) and how long it waited the last time.
    unsigned long nextLook_ = 0;
    unsigned long lookInterval_ = 1;
    // The objects references stand for, at their cookie less one (cookies are handed out in turn from 1
    // and none is given back before the session closes), and the cookie of each one's identity: every
    // item a declaration adds asks for its parent's cookie and every parent lookup reads it back.
    std::vector<ComPtr<IDispatch>> kept_;
    std::unordered_map<IUnknown*, DWORD> keptCookies_;
    // The live reference handed out for each cookie, at the cookie (0: the session's own), not counted:
    // every object that asks for a reference to the same object shares it (a reference holds only the
    // session and the cookie), and a reference leaves the list (null) when it is destroyed.
    std::vector<ISessionReference*> handedOut_;
    SessionSettings settings_;
    int workDepth_ = 0;
    bool workFailed_ = false;
    bool closed_ = false;
};

}  // namespace tlx::host
