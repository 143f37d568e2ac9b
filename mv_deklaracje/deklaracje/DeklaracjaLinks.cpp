// The single objects a declaration's row links to by their identifiers (KEDU package, parent
// declaration, employee, posting decree): each link follows its column, is written once through its
// property, and is kept, restored and written into its column through the host's save steps.
#include <array>

#include "hostapi/Accounting.h"
#include "hostapi/Employees.h"
#include "hostapi/Errors.h"
#include "mv_deklaracje/deklaracje/Deklaracja.h"

namespace {

struct LinkSetup {
    const OLECHAR* column;
    CLSID objectClass;
    const OLECHAR* name;  // in the message of a missing record
};

// Indexed by CDeklaracja::Link, in the order the save steps walk them.
const std::array<LinkSetup, 4> kLinks{{
    {u"DkkId", CLSID_KeduKolekcja, u"Kedu"},
    {u"ParentId", CLSID_Deklaracje, u"Deklaracja"},
    {u"PraId", CLSID_Pracownicy, u"Pracownik"},
    {u"DekId", CLSID_Dekrety, u"DekretLink"},
}};

constexpr OLECHAR kMissingRecord[] = u"Rekord 0 nieznaleziony. Pole '%s'";

LONG IdentifierOf(IDispatch* object) {
    tlx::ComPtr<IIdentity> identity = tlx::ComPtr<IDispatch>(object).As<IIdentity>();
    if (!identity) RaiseHResult(E_POINTER);
    LONG id = 0;
    CheckHost(identity->get_ID(&id));
    return id;
}

}  // namespace

tlx::ComPtr<ISessionReference>& CDeklaracja::LinkReference(Link which) {
    switch (which) {
    case Link::Kedu:
        return kedu_;
    case Link::Parent:
        return parent_;
    case Link::Employee:
        return employee_;
    default:
        return dekret_;
    }
}

tlx::ComPtr<IDispatch> CDeklaracja::LinkedObject(Link which) {
    tlx::ComPtr<IDispatch> object;
    if (const auto& reference = LinkReference(which)) CheckHost(reference->GetObject(object.Out()));
    return object;
}

void CDeklaracja::LoadLink(Link which) {
    const LinkSetup& setup = kLinks[static_cast<std::size_t>(which)];
    LinkReference(which).Reset();
    LinkReference(which) = CreateLinkedObject(setup.objectClass, setup.column);
}

// The linked object, null when the row links to none; loaded again whenever the column names another
// one than the object held (the column may be written directly, or the row be another one).
tlx::ComPtr<IDispatch> CDeklaracja::FindLink(Link which) {
    const LinkSetup& setup = kLinks[static_cast<std::size_t>(which)];
    if (!LinkReference(which)) {
        LoadLink(which);
    } else {
        tlx::ComPtr<IDispatch> held = LinkedObject(which);
        if (!held) RaiseHResult(E_POINTER);
        tlx::Variant column = GetFieldValue(setup.column);
        if (column.vt <= VT_NULL || VariantToLong(column) != IdentifierOf(held.Get())) LoadLink(which);
    }
    return LinkedObject(which);
}

// The linked object; a row that links to none fails with HOST_E_RECORDZERO naming the link.
tlx::ComPtr<IDispatch> CDeklaracja::ReadLink(Link which) {
    tlx::ComPtr<IDispatch> object = FindLink(which);
    if (!object) RaiseComErrorFormat(HOST_E_RECORDZERO, kMissingRecord, kLinks[static_cast<std::size_t>(which)].name);
    return object;
}

// A link is written once: an existing link is neither replaced nor cleared through its property.
void CDeklaracja::WriteLink(Link which, IDispatch* object) {
    const LinkSetup& setup = kLinks[static_cast<std::size_t>(which)];
    if (!LinkReference(which)) LoadLink(which);
    if (LinkReference(which)) RaiseHResult(E_INVALIDARG);
    if (!object) {
        SetFieldValue(setup.column, tlx::Variant::Null());
        return;
    }
    CheckHost(GetSession()->GetReference(object, LinkReference(which).Out()));
    WriteLinkColumn(which, IdentifierOf(object));
}

void CDeklaracja::WriteLinkColumn(Link which, LONG id) {
    const OLECHAR* column = kLinks[static_cast<std::size_t>(which)].column;
    tlx::Variant stored = GetFieldValue(column);
    if (stored.vt <= VT_NULL || VariantToLong(stored) != id) WriteLong(column, id);
}

// hostSaveCheck keeps every link, hostSaveRollback (a failed save) puts the kept ones back,
// hostSaveDeleted forgets them, and hostSavePrepare writes each linked object's identifier into its
// column; a linked object without one (not stored yet) fails the save.
void CDeklaracja::CarryLinksThroughSave(LONG mode) {
    for (Link which : {Link::Kedu, Link::Parent, Link::Employee, Link::Dekret}) {
        tlx::ComPtr<ISessionReference>& current = LinkReference(which);
        tlx::ComPtr<ISessionReference>& saved = savedLinks_[static_cast<std::size_t>(which)];
        if (mode == hostSaveCheck) {
            saved = current;
        } else if (mode == hostSaveRollback) {
            current = saved;
            saved.Reset();
        } else if (mode == hostSaveDeleted) {
            saved.Reset();
        } else if (mode == hostSavePrepare && current && IsRecordNotDeleted()) {
            tlx::ComPtr<IDispatch> object = LinkedObject(which);
            if (!object) RaiseHResult(E_POINTER);
            LONG id = IdentifierOf(object.Get());
            if (id == 0) RaiseHResult(HOST_E_ZEROLINK);
            WriteLinkColumn(which, id);
        }
    }
}

HRESULT CDeklaracja::get_Kedu(IKedu** package) {
    return ComBoundary([&] {
        RequireOut(package);
        *package = nullptr;
        ReadLink(Link::Kedu)->QueryInterface(IidOf<IKedu>(), reinterpret_cast<void**>(package));
    });
}

HRESULT CDeklaracja::get_Deklaracja(IDeklaracja** parent) {
    return ComBoundary([&] {
        RequireOut(parent);
        *parent = nullptr;
        ReadLink(Link::Parent)->QueryInterface(IidOf<IDeklaracja>(), reinterpret_cast<void**>(parent));
    });
}

HRESULT CDeklaracja::put_Deklaracja(IDeklaracja* parent) {
    return ComBoundary([&] { WriteLink(Link::Parent, parent); });
}

HRESULT CDeklaracja::get_DekretLink(IDispatch** entry) {
    return ComBoundary([&] {
        RequireOut(entry);
        *entry = nullptr;
        *entry = ReadLink(Link::Dekret).Detach();
    });
}

HRESULT CDeklaracja::put_DekretLink(IDispatch* entry) {
    return ComBoundary([&] { WriteLink(Link::Dekret, entry); });
}
