#include "host/objects/accounting/PlatnoscPozycje.h"

#include <string>

#include "host/HostError.h"
#include "host/collections/ItemEnumerator.h"
#include "platform/com/VariantConversion.h"
#include "host/objects/accounting/PlatnoscPozycja.h"
#include "hostapi/Errors.h"

namespace tlx::host {

HRESULT CPlatnoscPozycje::get__NewEnum(IUnknown** enumerator) {
    return Boundary([&] {
        Require(enumerator);
        std::vector<EnumeratedItem> items;
        for (const auto& item : items_) items.push_back({0, item});
        auto created = CItemEnumerator::Make(ComPtr<IUnknown>(static_cast<ICollection*>(this)),
                                                   [](double) { return S_OK; }, std::move(items));
        *enumerator = created.As<IUnknown>().Detach();
    });
}

std::size_t CPlatnoscPozycje::Find(const VARIANT& key) {
    const VARIANT& value = key.vt == (VT_BYREF | VT_VARIANT) ? *key.pvarVal : key;
    if (value.vt == VT_DISPATCH || value.vt == VT_UNKNOWN) {
        ComPtr<IUnknown> wanted;
        if (value.punkVal) value.punkVal->QueryInterface(IID_IUnknown, wanted.OutVoid());
        for (std::size_t i = 0; i < items_.size(); ++i)
            if (items_[i].As<IUnknown>().Get() == wanted.Get()) return i;
    } else {
        Variant position;
        if (SUCCEEDED(VariantChangeType(position.Out(), &value, 0, VT_I4)) && position.lVal >= 0 &&
            static_cast<std::size_t>(position.lVal) < items_.size())
            return static_cast<std::size_t>(position.lVal);
    }
    Fail(HOST_E_NOROW, u"Nie znaleziono rekordu: pozycja płatności");
}

HRESULT CPlatnoscPozycje::Item(VARIANT key, IDispatch** item) {
    return Boundary([&] {
        *Require(item) = nullptr;
        *item = ComPtr<IDispatch>(items_[Find(key)]).Detach();
    });
}

HRESULT CPlatnoscPozycje::get_Count(LONG* count) {
    return Boundary([&] { *Require(count) = static_cast<LONG>(items_.size()); });
}

HRESULT CPlatnoscPozycje::AddNew(VARIANT, IDispatch** item) {
    return Boundary([&] {
        *Require(item) = nullptr;
        items_.push_back(CPlatnoscPozycja::Make().As<IDispatch>());
        *item = ComPtr<IDispatch>(items_.back()).Detach();
    });
}

HRESULT CPlatnoscPozycje::Delete(VARIANT item) {
    return Boundary([&] { items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(Find(item))); });
}

HRESULT CPlatnoscPozycje::Resync(VARIANT) { return S_OK; }

}  // namespace tlx::host
