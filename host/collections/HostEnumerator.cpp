#include "host/collections/HostEnumerator.h"

#include "host/HostError.h"

namespace tlx::host {

HRESULT CHostEnumerator::Initialize(IDispatch* collection) {
    return Boundary([&] {
        enumerator_.Reset();
        current_.Reset();
        DISPPARAMS none{nullptr, nullptr, 0, 0};
        Variant result;
        Check(Require(collection)->Invoke(DISPID_NEWENUM, IID_NULL, LOCALE_USER_DEFAULT,
                                          DISPATCH_PROPERTYGET | DISPATCH_METHOD, &none, &result, nullptr, nullptr));
        if ((result.vt != VT_UNKNOWN && result.vt != VT_DISPATCH) || !result.punkVal)
            Fail(E_NOINTERFACE, u"Kolekcja nie podaje wyliczenia elementów");
        Check(result.punkVal->QueryInterface(IID_IEnumVARIANT, enumerator_.OutVoid()));
        Check(Fetch());
    });
}

HRESULT CHostEnumerator::Fetch() {
    current_.Reset();
    Variant next;
    ULONG fetched = 0;
    HRESULT hr = enumerator_->Next(1, next.Out(), &fetched);
    if (FAILED(hr)) return hr;
    if (hr != S_OK || fetched == 0) return S_OK;
    if ((next.vt == VT_DISPATCH || next.vt == VT_UNKNOWN) && next.punkVal)
        next.punkVal->QueryInterface(IID_IDispatch, current_.OutVoid());
    return S_OK;
}

HRESULT CHostEnumerator::IsEnd(VARIANT_BOOL* end) {
    if (!end) return E_POINTER;
    *end = current_ ? VARIANT_FALSE : VARIANT_TRUE;
    return S_OK;
}

HRESULT CHostEnumerator::get_Current(IDispatch** item) { return current_.CopyTo(item); }

HRESULT CHostEnumerator::MoveNext() {
    if (!enumerator_) return E_POINTER;
    return current_ ? Fetch() : S_FALSE;
}

}  // namespace tlx::host
