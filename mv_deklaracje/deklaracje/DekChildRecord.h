// What the three kinds of a declaration's child rows share (pages, stored values, printout lines): a
// record bound to one row of its table, attached to its declaration through a session reference (never
// a counted pointer, so a declaration and its children form no cycle), and the check of the parent link
// when a new row is saved.
#pragma once

#include "TlxBus2.h"
#include "hostapi/Errors.h"
#include "tlb/DispatchTables.h"

template <class Derived, class Dual>
class CDekChildRecord
    : public IIdentityImpl<Derived,
                           ISQLObjectImpl<Derived, Dual, IIdentity, IMirvakObjectTypeInfo, IInitializeParent>> {
    using IdentityBase =
        IIdentityImpl<Derived, ISQLObjectImpl<Derived, Dual, IIdentity, IMirvakObjectTypeInfo, IInitializeParent>>;

public:
    HRESULT get_ID(LONG* id) override { return IdentityBase::get_ID(id); }

    // Keeps the session's reference to the parent (replacing an earlier one); no session: E_POINTER.
    HRESULT InitializeParent(IDispatch* parent) override {
        return ComBoundary([&] {
            tlx::ComPtr<ISessionReference> reference;
            CheckHost(this->GetSession()->GetReference(parent, reference.Out()));
            parent_ = reference;
            this->OnParentInitialized();
        });
    }

    LONG ReadIdentifier() { return this->ReadLong(Derived::kIdColumn); }

protected:
    // One text for every row of the kind: a declaration has many child rows, and copies of a CBstr
    // share their text.
    CBstr GetDefaultColumnPrefix() override {
        static const CBstr prefix(Derived::kColumnPrefix);
        return prefix;
    }

    // A live row saved with the prepare mode must already carry its declaration's identifier.
    bool OnStateChange(LONG state, LONG mode) override {
        if (state == this->kStateSaved && mode == hostSavePrepare && this->IsRecordNotDeleted()) {
            tlx::Variant link = this->GetFieldValue(u"DknId");
            if (link.vt <= VT_NULL || (link.vt == VT_I4 ? link.lVal : ConvertVariant(link, VT_I4).lVal) == 0)
                RaiseHResult(HOST_E_ZEROLINK);
        }
        return state == 4;
    }

    // The parent object the reference stands for; E_POINTER without one.
    tlx::ComPtr<IDispatch> GetParent() const {
        if (!parent_) RaiseHResult(E_POINTER);
        tlx::ComPtr<IDispatch> parent;
        CheckHost(parent_->GetObject(parent.Out()));
        if (!parent) RaiseHResult(E_POINTER);
        return parent;
    }

    // Property helpers: each getter and setter is one column.
    HRESULT GetLongColumn(const OLECHAR* column, LONG* out) {
        return ComBoundary([&] { *RequireOut(out) = this->ReadLong(column); });
    }
    HRESULT GetTextColumn(const OLECHAR* column, BSTR* out) {
        return ComBoundary([&] {
            RequireOut(out);
            *out = this->ReadText(column).Copy();
        });
    }
    HRESULT PutLongColumn(const OLECHAR* column, LONG value) {
        return ComBoundary([&] { this->WriteLong(column, value); });
    }
    // A null text is written as the empty text, never as NULL.
    HRESULT PutTextColumn(const OLECHAR* column, BSTR value) {
        return ComBoundary([&] {
            this->SetFieldValue(column, tlx::Variant::FromString(std::u16string_view(value ? value : u"",
                                                                                      SysStringLen(value))));
        });
    }

private:
    tlx::ComPtr<ISessionReference> parent_;
};
