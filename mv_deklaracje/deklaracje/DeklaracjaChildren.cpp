// The declaration's child collections (child declarations, pages, stored values, printout lines), built
// on first use with their queries bound to the declaration's identifier, and the single objects its row
// links to (employee, parent declaration, KEDU package).
#include <array>

#include "hostapi/Employees.h"
#include "hostapi/Errors.h"
#include "mv_deklaracje/core/CollectionEnumerator.h"
#include "mv_deklaracje/core/HostServices.h"
#include "mv_deklaracje/core/VariantHelpers.h"
#include "mv_deklaracje/deklaracje/DeclarationWalk.h"
#include "mv_deklaracje/deklaracje/Deklaracja.h"
#include "mv_deklaracje/core/ModuleResources.h"
#include "platform/com/Enumerators.h"

namespace {

// "Nie można przypinać deklaracji do zablokowanego pliku KEDU."
constexpr UINT kMsgPackageLocked = 519;

struct ChildSetup {
    const OLECHAR* idColumn;
    const OLECHAR* sql;  // the declaration's identifier is appended
    const OLECHAR* sqlEnd;
    CLSID itemClass;
    const OLECHAR* linkColumn;  // the column new rows take the declaration's identifier in
};

// Indexed by CDeklaracja::Child.
const std::array<ChildSetup, 4> kChildren{{
    {u"Dkn_DknId",
     u"select dkn_dknid from TLX.deklnag where dkn_typDeklar not in (25,26,27,28,29,30,36,37,38,39) AND "
     u"dkn_parentid=",
     u"", CLSID_Deklaracje, nullptr},
    {u"Dks_DksId", u"select * from TLX.deklstr where dks_dknid=", u" order by dks_lp", CLSID_DekStrona,
     u"Dks_DknId"},
    {u"Dke_DkeId", u"select * from TLX.deklelem where dke_dknid=", u"", CLSID_DekElement, u"Dke_DknId"},
    {u"Dkw_DkwId", u"select * from TLX.deklwydr where dkw_dknid=", u"", CLSID_DekWydruk, u"Dkw_DknId"},
}};

constexpr OLECHAR kMissingRecord[] = u"Rekord 0 nieznaleziony. Pole '%s'";

// The query of a child collection of the declaration with that identifier.
tlx::Bstr ChildQuery(const ChildSetup& setup, LONG id) {
    return tlx::Bstr((CBstr(setup.sql) + LongToString(id) + std::u16string_view(setup.sqlEnd)).View());
}

}  // namespace

tlx::ComPtr<IDispatch> CDeklaracja::Self() {
    tlx::ComPtr<IDispatch> self;
    CheckHost(QueryInterface(IID_IDispatch, self.OutVoid()));
    return self;
}

tlx::ComPtr<ICollection> CDeklaracja::ChildCollection(Child which) {
    tlx::ComPtr<ICollection>& member = children_[static_cast<int>(which)];
    if (member) return member;
    const ChildSetup& setup = kChildren[static_cast<std::size_t>(which)];
    bool query = which == Child::Declarations;
    tlx::Bstr hostClass(tlx::GuidToText(query ? CLSID_CQueryCollection : CLSID_CChildCollection));
    tlx::ComPtr<IDispatch> object;
    CheckHost(GetSession()->CreateObject(hostClass.Get(), tlx::Variant::Missing(), object.Out()));
    if (!object) RaiseHResult(E_POINTER);
    member = object.As<ICollection>();
    if (!member) RaiseHResult(E_POINTER);

    tlx::Bstr idColumn(setup.idColumn);
    tlx::Bstr sql = ChildQuery(setup, ReadIdentifier());
    tlx::Bstr itemClass(tlx::GuidToText(setup.itemClass));
    if (query) {
        tlx::ComPtr<IQueryCollectionSetup> configure = object.As<IQueryCollectionSetup>();
        if (!configure) RaiseHResult(E_POINTER);
        CheckHost(configure->put_IdColumn(idColumn.Get()));
        CheckHost(configure->put_SQL(sql.Get()));
        CheckHost(configure->put_ItemSource(tlx::Variant::FromString(itemClass.View())));
    } else {
        tlx::ComPtr<ICollectionSetup> configure = object.As<ICollectionSetup>();
        if (!configure) RaiseHResult(E_POINTER);
        CheckHost(configure->put_IdColumn(idColumn.Get()));
        CheckHost(configure->put_SQL(sql.Get()));
        CheckHost(configure->put_ItemClass(itemClass.Get()));
        CheckHost(configure->putref_ParentObject(Self().Get()));
    }
    return member;
}

HRESULT CDeklaracja::get_Deklaracje(IDispatch** children) {
    return ComBoundary([&] {
        *RequireOut(children) = tlx::ComPtr<IDispatch>(ChildCollection(Child::Declarations)).Detach();
    });
}

HRESULT CDeklaracja::ResyncKolekcje() {
    return ComBoundary([&] {
        for (Child which : {Child::Declarations, Child::Elements, Child::Pages})
            if (const auto& collection = children_[static_cast<int>(which)])
                CheckHost(collection->Resync(tlx::Variant::Missing()));
    });
}

// After the row is saved, every built child collection takes the declaration's identifier, so that the
// rows it adds are stored under a new declaration too.
bool CDeklaracja::OnStateChange(LONG state, LONG mode) {
    // The audit stamp follows every binding of the row and is written with it in the prepare
    // step, as the establishment record's is.
    if (state == kStateBound || (state == kStateSaved && mode == hostSavePrepare)) StampStateChange(state, mode);
    if (state == kStateSaved && mode == hostSavePrepare && IsRecordNotDeleted()) AdvanceVersionStamp();
    if (state == kStateSaved && mode == hostSaveWritten && IsRecordNotDeleted()) {
        LONG id = ReadIdentifier();
        for (Child which : {Child::Pages, Child::Elements, Child::Printouts}) {
            const auto& collection = children_[static_cast<int>(which)];
            if (!collection) continue;
            tlx::ComPtr<ICollectionSetup> configure = collection.As<ICollectionSetup>();
            if (!configure) RaiseHResult(E_POINTER);
            tlx::Bstr column(kChildren[static_cast<std::size_t>(which)].linkColumn);
            CheckHost(configure->SetParentLink(id, column.Get()));
        }
        GiveSubListsTheirParent(id);
        // The child declarations added under this one (a DRA's reports) are stored with it: the host's
        // collection of children is not reached by the parent's save, so it is saved here, as the host
        // saves a child collection, once the row has its identifier for the children to link to.
        if (const auto& declarations = children_[static_cast<int>(Child::Declarations)]) {
            if (tlx::ComPtr<ISaveable> saveable = declarations.As<ISaveable>()) CheckHost(saveable->Save(hostSavePrepare));
            // Its query was made with the identifier the row had before it was first stored (none): from
            // now on it reads the children stored under this one, so a later walk (a DRA calculated
            // again removes its earlier reports) finds them.
            tlx::ComPtr<IQueryCollectionSetup> configure = declarations.As<IQueryCollectionSetup>();
            if (!configure) RaiseHResult(E_POINTER);
            CheckHost(configure->put_SQL(ChildQuery(kChildren[static_cast<std::size_t>(Child::Declarations)], id).Get()));
        }
    }
    if (state == kStateSaved) CarryLinksThroughSave(mode);
    if (state == kStateSaved && mode == hostSavePrepare && IsRecordNotDeleted()) RefuseLockedPackage();
    // Asked with 4 whether nothing hangs on the row unsaved.
    if (state == 4) return !ChildrenHavePendingChanges();
    return false;
}

tlx::ComPtr<ISessionReference> CDeklaracja::CreateLinkedObject(const CLSID& objectClass, const OLECHAR* column) {
    tlx::Variant value = GetFieldValue(column);
    if (value.vt <= VT_NULL) return nullptr;
    LONG id = VariantToLong(value);
    if (id == 0) return nullptr;
    tlx::ComPtr<ISession> session = GetSession();
    tlx::Bstr objectText(tlx::GuidToText(objectClass));
    tlx::ComPtr<IDispatch> object;
    CheckHost(session->CreateObject(objectText.Get(), tlx::Variant::FromString(LongToString(id).View()), object.Out()));
    tlx::ComPtr<ISessionReference> reference;
    CheckHost(session->GetReference(object.Get(), reference.Out()));
    return reference;
}

void CDeklaracja::ReloadEmployee() {
    employee_.Reset();
    employee_ = CreateLinkedObject(CLSID_Pracownicy, u"PraId");
}

tlx::ComPtr<IDispatch> CDeklaracja::Employee() { return ReadLink(Link::Employee); }

HRESULT CDeklaracja::get_Pracownik(IDispatch** employee) {
    return ComBoundary([&] {
        RequireOut(employee);
        *employee = nullptr;
        CheckHost(Employee()->QueryInterface(IidOf<IPracownik>(), reinterpret_cast<void**>(employee)));
    });
}

// A new employee is linked through the session's reference and its identifier written when it
// differs; null clears the link. PIT forms that depend on the employee recalculate their data.
HRESULT CDeklaracja::put_Pracownik(IDispatch* employee) {
    return ComBoundary([&] {
        LONG before = ReadLong(u"PraID");
        if (employee) {
            tlx::ComPtr<IPracownik> pracownik;
            CheckHost(employee->QueryInterface(IidOf<IPracownik>(), pracownik.OutVoid()));
            LONG id = 0;
            CheckHost(pracownik->get_ID(&id));
            tlx::ComPtr<ISessionReference> reference;
            CheckHost(GetSession()->GetReference(employee, reference.Out()));
            employee_ = reference;
            if (id != before || GetFieldValue(u"PraID").vt == VT_NULL) WriteLong(u"PraID", id);
        } else {
            SetFieldValue(u"PraID", tlx::Variant::Null());
            employee_.Reset();
        }
        LONG type = ReadLong(u"TypDeklar");
        if (ReadLong(u"PraID") != before && (type == dekPIT36 || type == dekPIT28))
            FireFormEvent(CBstr(u"onZmianaPracownika"));
    });
}

void CDeklaracja::SetKeduPackage(IKedu* package) {
    if (!package) {
        SetFieldValue(u"DkkId", tlx::Variant::Null());
        kedu_.Reset();
        return;
    }
    LONG locked = 0;
    CheckHost(package->get_Zablokowana(&locked));
    if (locked) RaiseResourceError(kMsgPackageLocked, CLSID_Deklaracja, ModuleResources());
    LONG id = 0;
    CheckHost(package->get_ID(&id));
    tlx::ComPtr<ISessionReference> reference;
    CheckHost(GetSession()->GetReference(package, reference.Out()));
    kedu_ = reference;
    WriteLong(u"DkkId", id);
}

// The package object a declaration was attached to may have been read before another session locked
// the package. So the save that attaches it reads the package's lock again inside its transaction, where
// the write lock keeps another session from locking the package until this save ends, and refuses a
// locked one. A declaration staying in the package it was stored in is not attached again.
void CDeklaracja::RefuseLockedPackage() {
    const tlx::Variant package = GetFieldValue(u"DkkId");
    if (package.vt <= VT_NULL) return;
    const LONG id = VariantToLong(package);
    if (id == 0) return;
    const tlx::Variant stored = GetStoredFieldValue(u"DkkId");
    if (stored.vt > VT_NULL && VariantToLong(stored) == id) return;
    const CBstr sql = CBstr(u"select dkk_zablokowana from tlx.deklkedu where dkk_dkkid=") + LongToString(id);
    tlx::Variant locked;
    ExecuteScalarSql(locked.Out(), Self().Get(), sql.c_str(), false);
    if (locked.vt > VT_NULL && VariantToLong(locked) != 0)
        RaiseResourceError(kMsgPackageLocked, CLSID_Deklaracja, ModuleResources());
}

HRESULT CDeklaracja::put_Kedu(IKedu* package) {
    return ComBoundary([&] { SetKeduPackage(package); });
}

// The lock is written into the row and handed to every child declaration, and so down the whole tree.
// A declaration the walk has locked already (parent links that form a cycle) is not entered again.
void CDeklaracja::WriteLock(LONG value) {
    CDeclarationWalk walk(DeclarationWalkKind::Lock, ReadIdentifier());
    if (!walk.Entered()) return;
    Payment();
    WriteLong(u"Zablokowana", value);
    tlx::ComPtr<IDispatch> children(ChildCollection(Child::Declarations));
    for (CCollectionEnumerator<IDeklaracja> each(children.Get()); auto child = each.Current(); each.MoveNext())
        CheckHost(child->put_Zablokowana(value));
}
