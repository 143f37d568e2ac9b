// CCollectionEnumerator: a for-each over a host collection, through the enumerator its _NewEnum
// (DISPID_NEWENUM) hands out, answering each element as the item interface `Item`:
//
//     for (CCollectionEnumerator<IPracownik> each(employees); auto employee = each.Current(); each.MoveNext())
//     for (CCollectionEnumerator<IUmowa> each(contracts); !each.AtEnd(); each.MoveNext()) use(each.Current());
//
// The walk ends at the end of the collection or at the first element that is not an `Item`.
#pragma once

#include "mv_deklaracje/core/ComError.h"
#include "platform/com/ComPtr.h"
#include "platform/com/Enumerators.h"
#include "platform/com/Variant.h"

template <class Item>
class CCollectionEnumerator {
public:
    // Starts on the first item; a collection whose enumerator cannot be read raises the failure.
    explicit CCollectionEnumerator(IDispatch* collection) {
        if (!collection) RaiseHResult(E_POINTER);
        tlx::ComPtr<IUnknown> enumerator = ReadEnumerator(collection);
        if (!enumerator) RaiseHResult(E_POINTER);
        unknowns_ = enumerator.template As<IEnumUnknown>();
        if (!unknowns_) variants_ = enumerator.template As<IEnumVARIANT>();
        MoveNext();
    }

    // Steps to the next item; at the end Current() becomes null. An enumerator of neither kind raises
    // E_POINTER.
    void MoveNext() {
        current_.Reset();
        tlx::ComPtr<IUnknown> element;
        if (variants_) {
            tlx::Variant value;
            if (variants_->Next(1, value.Out(), nullptr) != S_OK) return;
            element = ObjectOf(value);
        } else if (unknowns_) {
            if (unknowns_->Next(1, element.Out(), nullptr) != S_OK) return;
        } else {
            RaiseHResult(E_POINTER);
        }
        if (!element) return;
        const HRESULT hr = element->QueryInterface(IidOf<Item>(), current_.OutVoid());
        if (FAILED(hr) && hr != E_NOINTERFACE) RaiseHostFailure(hr);
    }

    // The current item with a reference of its own, or null at the end.
    tlx::ComPtr<Item> Current() const { return current_; }
    bool AtEnd() const { return !current_; }

private:
    static tlx::ComPtr<IUnknown> ReadEnumerator(IDispatch* collection) {
        DISPPARAMS none{nullptr, nullptr, 0, 0};
        tlx::Variant result;
        CheckHost(collection->Invoke(DISPID_NEWENUM, IID_NULL, LOCALE_USER_DEFAULT,
                                     DISPATCH_METHOD | DISPATCH_PROPERTYGET, &none, result.Out(), nullptr, nullptr));
        return ObjectOf(result);
    }
    // The object a VT_UNKNOWN or VT_DISPATCH element holds; null for any other value.
    static tlx::ComPtr<IUnknown> ObjectOf(const VARIANT& value) {
        if (value.vt == VT_UNKNOWN) return tlx::ComPtr<IUnknown>(value.punkVal);
        if (value.vt == VT_DISPATCH) return tlx::ComPtr<IUnknown>(value.pdispVal);
        return nullptr;
    }

    // Released in the reverse order of their declaration: the item, then the IEnumVARIANT, then the
    // IEnumUnknown.
    tlx::ComPtr<IEnumUnknown> unknowns_;
    tlx::ComPtr<IEnumVARIANT> variants_;
    tlx::ComPtr<Item> current_;
};
