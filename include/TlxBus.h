// The business-object framework, first half: session initialisation, identity descriptors and the
// collection shells. Every public class of the module stands on these templates; each supplies only
// its hooks.
#pragma once

#include "hostapi/Collections.h"
#include "hostapi/Framework.h"
#include "hostapi/Session.h"
#include "mv_deklaracje/core/Bstr.h"
#include "mv_deklaracje/core/ComError.h"
#include "platform/com/ComObject.h"
#include "platform/com/Dispatch.h"

// The interfaces every object root of the framework carries.
template <class Derived, class... Interfaces>
using TlxObjectRoot = tlx::ComObject<Derived, Interfaces..., IInitializeSession, ISessionable, ISupportErrorInfo>;

// Session initialisation: the object keeps a reference obtained from the session, never the session
// itself. `InitialState` is what Initialize reports (2 for business objects, 5 for collections).
template <class Derived, class Root, LONG InitialState>
class IInitializeSessionImpl : public Root {
public:
    HRESULT Initialize(ISession* session, LONG* state) override {
        return ComBoundary([&] {
            if (!session || !state) RaiseHResult(E_POINTER);
            tlx::ComPtr<ISessionReference> reference;
            CheckHost(session->GetReference(nullptr, reference.Out()));
            reference_ = reference;
            *state = InitialState;
            OnInitialize();
        });
    }

    HRESULT get_Session(ISession** session) override {
        return ComBoundary([&] {
            RequireOut(session);  // before the session is taken, so a null pointer leaks nothing
            *session = GetSession().Detach();
        });
    }

    // The dual interfaces' Session: the same session, as a dispatch object.
    HRESULT get_Session(IDispatch** session) {
        return ComBoundary([&] {
            RequireOut(session);
            *session = nullptr;
            CheckHost(GetSession()->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(session)));
        });
    }

    HRESULT InterfaceSupportsErrorInfo(REFIID) override { return S_OK; }

    // The session of the kept reference; E_POINTER before Initialize.
    tlx::ComPtr<ISession> GetSession() const {
        if (!reference_) RaiseHResult(E_POINTER);
        tlx::ComPtr<ISession> session;
        CheckHost(reference_->GetSession(session.Out()));
        if (!session) RaiseHResult(E_POINTER);
        return session;
    }
    const tlx::ComPtr<ISessionReference>& SessionReference() const { return reference_; }

protected:
    // Runs at the end of Initialize (the collections' set-up).
    virtual void OnInitialize() {}

private:
    tlx::ComPtr<ISessionReference> reference_;
};

// The identity descriptors of a record object: IIdentity and the fourteen typed descriptors of
// IMirvakObjectTypeInfo, answered by hooks with neutral defaults. The class's interface list must carry
// IIdentity and IMirvakObjectTypeInfo; `ReadIdentifier` gives the object's identifier.
template <class Derived, class Base>
class IIdentityImpl : public Base {
public:
    using Base::Base;

    HRESULT get_ID(LONG* id) override { return Answer(id, [&] { return Self().ReadIdentifier(); }); }
    HRESULT get_ObjectType(LONG* v) override { return Answer(v, [&] { return IdentityObjectType(); }); }
    HRESULT get_ObjectVersion(LONG* v) override { return Answer(v, [&] { return IdentityObjectVersion(); }); }
    HRESULT get_ObjectID(LONG* v) override { return Answer(v, [&] { return Self().ReadIdentifier(); }); }
    HRESULT get_Number(BSTR* v) override { return AnswerText(v, [&] { return IdentityNumber(); }); }
    HRESULT get_Period(BSTR* v) override { return AnswerText(v, [&] { return IdentityPeriod(); }); }
    HRESULT get_DocumentDate(double* v) override { return Answer(v, [&] { return IdentityDocumentDate(); }); }
    HRESULT get_SecondDate(double* v) override { return Answer(v, [&] { return IdentitySecondDate(); }); }
    HRESULT get_SubjectType(LONG* v) override { return Answer(v, [&] { return IdentitySubjectType(); }); }
    HRESULT get_SubjectID(LONG* v) override { return Answer(v, [&] { return IdentitySubjectID(); }); }
    HRESULT get_ThirdValue(double* v) override { return Answer(v, [&] { return IdentityThirdValue(); }); }
    HRESULT get_Description(BSTR* v) override { return AnswerText(v, [&] { return IdentityDescription(); }); }
    HRESULT get_SubjectName(BSTR* v) override { return AnswerText(v, [&] { return IdentitySubjectName(); }); }
    HRESULT get_Note(BSTR* v) override { return AnswerText(v, [&] { return IdentityNote(); }); }
    HRESULT get_Flags(LONG* v) override { return Answer(v, [&] { return IdentityFlags(); }); }

protected:
    // The thirteen descriptor hooks, in the order of the descriptors they answer.
    virtual LONG IdentityObjectType() { return 0; }
    virtual LONG IdentityObjectVersion() { return 0; }
    virtual CBstr IdentityNumber() { return CBstr(u""); }
    virtual CBstr IdentityPeriod() { return CBstr(u""); }
    virtual double IdentityDocumentDate() { return 0.0; }
    virtual double IdentitySecondDate() { return 0.0; }
    virtual LONG IdentitySubjectType() { return 0; }
    virtual LONG IdentitySubjectID() { return 0; }
    virtual double IdentityThirdValue() { return 0.0; }
    virtual CBstr IdentityDescription() { return CBstr(u""); }
    virtual CBstr IdentitySubjectName() { return CBstr(u""); }
    virtual CBstr IdentityNote() { return CBstr(u""); }
    virtual LONG IdentityFlags() { return 0; }

private:
    Derived& Self() { return static_cast<Derived&>(*this); }
    template <class T, class F>
    HRESULT Answer(T* out, F&& value) {
        return ComBoundary([&] {
            RequireOut(out);
            *out = value();
        });
    }
    template <class F>
    HRESULT AnswerText(BSTR* out, F&& value) {
        return ComBoundary([&] {
            RequireOut(out);
            CBstr text = value();
            *out = (text.IsNull() ? CBstr(u"") : text).Copy();
        });
    }
};

// The shell of a module collection: it holds a host collection, attached by the class's set-up
// (OnInitialize), and forwards the host's collection interface to it unchanged.
template <class Derived, class Root = TlxObjectRoot<Derived, IAdoCollection, IItemClass>>
class ICollectionImpl : public IInitializeSessionImpl<Derived, Root, hostStateCollection> {
public:
    HRESULT get__NewEnum(IUnknown** e) override { return Forward([&](IAdoCollection* c) { return c->get__NewEnum(e); }); }
    HRESULT Item(VARIANT key, IDispatch** item) override {
        return Forward([&](IAdoCollection* c) { return c->Item(key, item); });
    }
    HRESULT get_Count(LONG* count) override { return Forward([&](IAdoCollection* c) { return c->get_Count(count); }); }
    HRESULT AddNew(VARIANT pattern, IDispatch** item) override {
        return Forward([&](IAdoCollection* c) { return c->AddNew(pattern, item); });
    }
    HRESULT Delete(VARIANT item) override { return Forward([&](IAdoCollection* c) { return c->Delete(item); }); }
    HRESULT Resync(VARIANT options) override { return Forward([&](IAdoCollection* c) { return c->Resync(options); }); }
    // Attaches the host collection that the calls are forwarded to.
    HRESULT putref_Collection(IDispatch* collection) override {
        return ComBoundary([&] {
            if (!collection) RaiseHResult(E_POINTER);
            held_.Reset();
            tlx::ComPtr<IAdoCollection> attached;
            CheckHost(collection->QueryInterface(IidOf<IAdoCollection>(), attached.OutVoid()));
            held_ = attached;
        });
    }
    HRESULT get_ParentObject(IDispatch** p) override { return Forward([&](IAdoCollection* c) { return c->get_ParentObject(p); }); }
    HRESULT get_IdColumn(BSTR* column) override { return Forward([&](IAdoCollection* c) { return c->get_IdColumn(column); }); }
    HRESULT get_Recordset(Recordset** rs) override { return Forward([&](IAdoCollection* c) { return c->get_Recordset(rs); }); }
    HRESULT CloneFromRecordset(Recordset* s) override {
        return Forward([&](IAdoCollection* c) { return c->CloneFromRecordset(s); });
    }
    HRESULT get_Filter(BSTR* f) override { return Forward([&](IAdoCollection* c) { return c->get_Filter(f); }); }
    HRESULT put_Filter(BSTR f) override { return Forward([&](IAdoCollection* c) { return c->put_Filter(f); }); }
    HRESULT get_Sort(BSTR* s) override { return Forward([&](IAdoCollection* c) { return c->get_Sort(s); }); }
    HRESULT put_Sort(BSTR s) override { return Forward([&](IAdoCollection* c) { return c->put_Sort(s); }); }

    // The module's collections do not name their item class.
    HRESULT get_ItemClass(BSTR*) override { return E_POINTER; }

    // IDispatch of the collection: the host collection's own.
    HRESULT GetTypeInfoCount(UINT* count) override { return Forward([&](IAdoCollection* c) { return c->GetTypeInfoCount(count); }); }
    HRESULT GetTypeInfo(UINT i, LCID l, ITypeInfo** t) override {
        return Forward([&](IAdoCollection* c) { return c->GetTypeInfo(i, l, t); });
    }
    HRESULT GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT n, LCID l, DISPID* ids) override {
        return Forward([&](IAdoCollection* c) { return c->GetIDsOfNames(iid, names, n, l, ids); });
    }
    HRESULT Invoke(DISPID id, REFIID iid, LCID l, WORD f, DISPPARAMS* p, VARIANT* r, EXCEPINFO* e, UINT* a) override {
        return Forward([&](IAdoCollection* c) { return c->Invoke(id, iid, l, f, p, r, e, a); });
    }

protected:
    IAdoCollection* HeldCollection() const { return held_.Get(); }

private:
    // No held collection answers E_POINTER; otherwise the host's answer, unchanged.
    template <class F>
    HRESULT Forward(F&& call) {
        if (!held_) return E_POINTER;
        return call(held_.Get());
    }
    tlx::ComPtr<IAdoCollection> held_;
};

// A collection shell that also saves: Save and State go to the held host collection, which saves its
// items. Collections keep no save mode of their own.
template <class Derived>
class ISaveableCollectionImpl
    : public ICollectionImpl<Derived, TlxObjectRoot<Derived, IAdoCollection, IItemClass, ISaveable, IStateable>> {
public:
    HRESULT get_ROSaveMode(LONG*) override { return E_POINTER; }
    HRESULT put_ROSaveMode(LONG) override { return E_POINTER; }
    HRESULT Save(LONG mode) override {
        tlx::ComPtr<ISaveable> saveable = HeldAs<ISaveable>();
        return saveable ? saveable->Save(mode) : E_POINTER;
    }
    HRESULT get_State(IDispatch** state) override {
        if (!state) return E_POINTER;
        tlx::ComPtr<IStateable> stateable = HeldAs<IStateable>();
        if (!stateable) {
            *state = nullptr;
            return S_OK;
        }
        return stateable->get_State(state);
    }
    HRESULT putref_State(IDispatch* state) override {
        tlx::ComPtr<IStateable> stateable = HeldAs<IStateable>();
        return stateable ? stateable->putref_State(state) : S_OK;
    }

private:
    template <class I>
    tlx::ComPtr<I> HeldAs() const {
        return tlx::ComPtr<IAdoCollection>(this->HeldCollection()).template As<I>();
    }
};
