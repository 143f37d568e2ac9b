// The business-object framework, second half: saving, state and checking of business objects, and the
// record objects whose properties are the columns of one row of a recordset.
#pragma once

#include "TlxBus.h"
#include "hostapi/Accounting.h"
#include "mv_deklaracje/core/Date.h"
#include "mv_deklaracje/core/Money.h"
#include "mv_deklaracje/core/RecordsetValues.h"
#include "mv_deklaracje/core/VariantHelpers.h"
#include "platform/ado/Ado.h"
#include "platform/com/ClassRegistry.h"

// A business object: it is saved through ISaveable and runs its class's hooks. The framework keeps the
// host's ROSaveMode and never interprets it.
template <class Derived, class Root>
class IBusinessObjectImpl : public IInitializeSessionImpl<Derived, Root, hostStateBusinessObject> {
public:
    HRESULT get_ROSaveMode(LONG* mode) override {
        return ComBoundary([&] { *RequireOut(mode) = roSaveMode_; });
    }
    HRESULT put_ROSaveMode(LONG mode) override {
        roSaveMode_ = mode;
        return S_OK;
    }
    HRESULT Save(LONG mode) override {
        return ComBoundary([&] {
            if (!CanSave(mode)) return;
            OnSave(mode);
            OnStateChange(kStateSaved, mode);
        });
    }

    // States notified to OnStateChange.
    static constexpr LONG kStateBound = 1;
    static constexpr LONG kStateSaved = 2;
    static constexpr LONG kStateChecked = 3;

protected:
    // After each column write through SetFieldValue, with the column's short name.
    virtual void OnFieldChanged(const OLECHAR* /*column*/) {}
    // Run last by the child records' InitializeParent, after they keep their parent.
    virtual void OnParentInitialized() {}
    virtual void OnSave(LONG /*mode*/) {}
    // Whether Save proceeds.
    virtual bool CanSave(LONG /*mode*/) { return true; }
    virtual void OnVerify() {}
    virtual bool OnStateChange(LONG state, LONG /*mode*/) { return state == 4; }

    // The check of Verify: the class's check, then the notification.
    void RunVerify() {
        OnVerify();
        OnStateChange(kStateChecked, 0);
    }

private:
    LONG roSaveMode_ = -1;
};

// A business object without a record (the scripts' data service, the configuration views): it has no
// state object, and its check is the class's check alone.
template <class Derived, class Dual, class... Extra>
class ISimpleObjectImpl
    : public IBusinessObjectImpl<
          Derived, TlxObjectRoot<Derived, tlx::Dispatch<Dual>, ISaveable, IStateable, IVerifiable, Extra...>> {
public:
    HRESULT get_State(IDispatch**) override { return E_NOTIMPL; }
    HRESULT putref_State(IDispatch*) override { return E_NOTIMPL; }
    HRESULT Verify() override {
        return ComBoundary([&] { this->RunVerify(); });
    }
};

// A record object: bound to the current row of a recordset with a column prefix; each property is the
// column prefix + its short column name.
template <class Derived, class Dual, class... Extra>
class ISQLObjectImpl
    : public IBusinessObjectImpl<Derived, TlxObjectRoot<Derived, tlx::Dispatch<Dual>, ISaveable, IInitializeRS,
                                                        IStateable, IVerifiable, IOnDeleteObject, Extra...>> {
    using BusinessBase = IBusinessObjectImpl<Derived, TlxObjectRoot<Derived, tlx::Dispatch<Dual>, ISaveable,
                                                                    IInitializeRS, IStateable, IVerifiable,
                                                                    IOnDeleteObject, Extra...>>;

public:
    HRESULT BindRecordset(Recordset* recordset, LONG mode, BSTR prefix) override {
        return ComBoundary([&] {
            if (!recordset || !prefix) RaiseHResult(E_POINTER);
            recordset_ = tlx::ComPtr<Recordset>(recordset);
            prefix_ = SysStringLen(prefix) > 0 ? CBstr(std::u16string_view(prefix, SysStringLen(prefix)))
                                               : GetDefaultColumnPrefix();
            // A row deleted in the batch or in the database is not loaded; the status is tested by its
            // bits, as every other check of a deleted row does.
            if (!AtBofOrEof() && !RowIsDeleted()) OnLoadRecord(mode);
            this->OnStateChange(BusinessBase::kStateBound, mode);
        });
    }
    HRESULT GetRecordset(Recordset** recordset) override {
        return ComBoundary([&] {
            RequireOut(recordset);
            *recordset = tlx::ComPtr<Recordset>(recordset_).Detach();
        });
    }

    HRESULT get_State(IDispatch** state) override {
        return ComBoundary([&] {
            RequireOut(state);
            *state = nullptr;
            tlx::ComPtr<IObjectState> object;
            HRESULT hr = CoCreateInstance(CLSID_CObjectState, nullptr, CLSCTX_ALL, IidOf<IObjectState>(), object.OutVoid());
            if (FAILED(hr) && hr != E_NOINTERFACE) RaiseHostFailure(hr);
            if (!object) RaiseHResult(E_POINTER);
            CheckHost(object->SaveState(recordset_.Get()));
            CheckHost(object->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(state)));
        });
    }
    HRESULT putref_State(IDispatch* state) override {
        return ComBoundary([&] {
            tlx::ComPtr<IObjectState> object;
            if (!state || FAILED(state->QueryInterface(IidOf<IObjectState>(), object.OutVoid())) || !object)
                RaiseHResult(E_POINTER);
            CheckHost(object->RestoreState(recordset_.Get()));
        });
    }

    HRESULT Verify() override {
        return ComBoundary([&] {
            if (recordset_ && !IsRecordNotDeleted())
                this->OnStateChange(BusinessBase::kStateChecked, 0);
            else
                this->RunVerify();
        });
    }

    HRESULT BeforeDelete(LONG mode) override {
        return ComBoundary([&] { OnDelete1(mode); });
    }
    HRESULT AfterDelete(LONG) override {
        return ComBoundary([&] { OnDelete2(); });
    }

    // The value of a column of the current row, as stored (a database NULL stays VT_NULL).
    tlx::Variant GetFieldValue(const OLECHAR* column) const {
        tlx::Variant value;
        CheckHost(FindField(column)->get_Value(value.Out()));
        return value;
    }
    // What the database held in the column when the row was read, the object's unsaved change aside.
    tlx::Variant GetStoredFieldValue(const OLECHAR* column) const {
        tlx::Variant value;
        CheckHost(FindField(column)->get_UnderlyingValue(value.Out()));
        return value;
    }
    // Writes a column: text into a character column is cut to the column's defined size (whole text, NULs
    // included, never inside a surrogate pair); other values are written unchanged. Then OnFieldChanged runs with the short name.
    void SetFieldValue(const OLECHAR* column, const VARIANT& value) {
        tlx::ComPtr<Field> field = FindField(column);
        DataTypeEnum type{};
        CheckHost(field->get_Type(&type));
        if ((type == adVarChar || type == adVarWChar) && value.vt > VT_NULL) {
            LONG size = 0;
            CheckHost(field->get_DefinedSize(&size));
            if (value.vt == VT_BSTR && value.bstrVal && SysStringLen(value.bstrVal) <= static_cast<UINT>(size)) {
                CheckHost(field->put_Value(value));  // a text that fits is written as it is
            } else {
                CBstr text = CutToSize(VariantToBstr(value).View(), static_cast<unsigned>(size));
                CheckHost(field->put_Value(tlx::Variant::FromString(text.View())));
            }
        } else {
            CheckHost(field->put_Value(value));
        }
        this->OnFieldChanged(column);
    }
    // True unless the current row is deleted in the batch or in the database.
    bool IsRecordNotDeleted() const {
        if (!recordset_) RaiseHResult(E_POINTER);
        return !RowIsDeleted();
    }

    // Typed column access with the module's rules: NULL reads as 0, the empty text, the empty date or the
    // amount 0; dates are written as whole days in a VT_R8 (the empty date as 0, never NULL), amounts
    // as VT_CY.
    long ReadLong(const OLECHAR* column) const { return VariantToLong(GetFieldValue(column)); }
    CBstr ReadText(const OLECHAR* column) const { return VariantToBstr(GetFieldValue(column)); }
    CDate ReadDate(const OLECHAR* column) const { return CDate(static_cast<const VARIANT&>(GetFieldValue(column))); }
    CMoney ReadMoney(const OLECHAR* column) const { return VariantToMoney(GetFieldValue(column)); }
    void WriteLong(const OLECHAR* column, long value) { SetFieldValue(column, tlx::Variant::FromLong(value)); }
    void WriteText(const OLECHAR* column, const CBstr& value) {
        SetFieldValue(column, tlx::Variant::FromString(value.View()));
    }
    void WriteDate(const OLECHAR* column, const CDate& value) {
        SetFieldValue(column, tlx::Variant::FromDouble(value.Value()));
    }
    void WriteMoney(const OLECHAR* column, const CMoney& value) { SetFieldValue(column, value.ToVariant()); }

    // Accessors shared by several record classes.
    CBstr GetNazwa() const { return ReadText(u"Nazwa"); }
    CBstr GetOpis() const { return ReadText(u"Opis"); }
    void PutOpis(BSTR text) { SetFieldValue(u"Opis", tlx::Variant::FromString(tlx::Bstr(text).View())); }
    // The record's audit stamp, created and tied to the bound row on first use.
    tlx::ComPtr<IDispatch> GetStempel() {
        if (!stamp_) SetUpStamp(1);
        return stamp_;
    }

    const tlx::ComPtr<Recordset>& BoundRecordset() const { return recordset_; }
    const CBstr& ColumnPrefix() const { return prefix_; }

protected:
    // The prefix used when the binder passes an empty one; null means the columns' full names.
    virtual CBstr GetDefaultColumnPrefix() { return CBstr(); }
    // Reads the bound row (not run for a deleted row or an empty recordset).
    virtual void OnLoadRecord(LONG /*mode*/) {}
    virtual void OnDelete1(LONG /*mode*/) {}
    virtual void OnDelete2() {}

    // Binds the audit stamp to the record's row (creating it when none is held); the state hooks of the
    // stamped classes call it after every binding so the stamp follows the bound row.
    void SetUpStamp(LONG mode) {
        bool created = false;
        if (!stamp_) {
            tlx::Variant missing = tlx::Variant::Missing();
            tlx::Bstr stampClass(tlx::GuidToText(CLSID_Stempel));
            CheckHost(this->GetSession()->CreateObject(stampClass.Get(), missing, stamp_.Out()));
            if (!stamp_) RaiseHResult(E_POINTER);
            created = true;
        }
        tlx::ComPtr<IInitializeRS> bind = stamp_.template As<IInitializeRS>();
        if (!bind) RaiseHResult(E_NOINTERFACE);
        tlx::Bstr prefix(prefix_.View());
        CheckHost(bind->BindRecordset(recordset_.Get(), mode, prefix.Get()));
        if (created) {
            if (auto parent = stamp_.template As<IInitializeParent>()) {
                tlx::ComPtr<IDispatch> self;
                this->QueryInterface(IID_IDispatch, self.OutVoid());
                HRESULT hr = parent->InitializeParent(self.Get());
                if (FAILED(hr) && hr != DISP_E_MEMBERNOTFOUND) RaiseHostFailure(hr);
            }
        }
    }

    // The state hook of the records that keep an audit stamp (establishments, KEDU packages): the stamp
    // follows every binding of the record and is written after the row in the save that prepares it
    // (mode 7). Answers whether the state is 4, as every state hook does.
    bool StampStateChange(LONG state, LONG mode) {
        if (state == BusinessBase::kStateBound) {
            SetUpStamp(mode);
        } else if (state == BusinessBase::kStateSaved && mode == hostSavePrepare && stamp_) {
            tlx::ComPtr<ISaveable> saveable = stamp_.template As<ISaveable>();
            if (!saveable) RaiseHResult(E_POINTER);
            CheckHost(saveable->Save(hostSavePrepare));
        }
        return state == 4;
    }

    bool CanSave(LONG mode) override {
        if (deleted_) return false;
        if (!recordset_ || mode != hostSaveDeleted) return true;
        if (RowIsDeleted()) deleted_ = true;
        return true;
    }

private:
    static constexpr LONG kDeletedBits = adRecDeleted | adRecDBDeleted;

    bool AtBofOrEof() const {
        VARIANT_BOOL bof = VARIANT_FALSE, eof = VARIANT_FALSE;
        CheckHost(recordset_->get_BOF(&bof));
        CheckHost(recordset_->get_EOF(&eof));
        return bof || eof;
    }
    bool RowIsDeleted() const {
        LONG status = 0;
        CheckHost(recordset_->get_Status(&status));
        return (status & kDeletedBits) != 0;
    }
    tlx::ComPtr<Field> FindField(const OLECHAR* column) const {
        if (!recordset_) RaiseHResult(E_POINTER);
        return RecordsetField(recordset_.Get(), JoinedText(prefix_.View(), column ? column : u""));
    }

    // First, where the base leaves room after its last member: a declaration has many record objects.
    bool deleted_ = false;
    tlx::ComPtr<Recordset> recordset_;
    CBstr prefix_;
    tlx::ComPtr<IDispatch> stamp_;
};
