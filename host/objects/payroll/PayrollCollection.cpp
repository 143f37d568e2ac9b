#include "host/objects/payroll/PayrollCollection.h"

#include "host/HostError.h"
#include "host/collections/ItemKey.h"
#include "hostapi/Errors.h"
#include "platform/com/Enumerators.h"

namespace tlx::host {

HRESULT CPayrollCollection::get__NewEnum(IUnknown** enumerator) {
    std::vector<Variant> items;
    for (const Entry& entry : entries_) items.push_back(Variant::FromDispatch(entry.item.Get()));
    return NewVariantEnumerator(std::move(items), enumerator);
}

ComPtr<IDispatch> CPayrollCollection::Find(const VARIANT& key) {
    if (reader_)
        if (ComPtr<IDispatch> found = reader_(key)) return found;
    ItemKey parsed;
    Check(ParseItemKey(key, parsed));
    switch (parsed.kind) {
        case ItemKey::Kind::Position:
            if (parsed.position >= 0 && static_cast<std::size_t>(parsed.position) < entries_.size())
                return entries_[static_cast<std::size_t>(parsed.position)].item;
            break;
        case ItemKey::Kind::Identifier:
            for (const Entry& entry : entries_)
                if (entry.id == parsed.identifier) return entry.item;
            break;
        case ItemKey::Kind::Criteria:
            for (const Entry& entry : entries_) {
                bool all = entry.row != nullptr;
                for (const CriteriaClause& clause : parsed.criteria)
                    all = all && ValueMatches(entry.row->Value(clause.column), clause);
                if (all) return entry.item;
            }
            break;
        case ItemKey::Kind::Object: {
            ComPtr<IUnknown> wanted;
            Check(parsed.object->QueryInterface(IID_IUnknown, wanted.OutVoid()));
            for (const Entry& entry : entries_) {
                ComPtr<IUnknown> have;
                Check(entry.item->QueryInterface(IID_IUnknown, have.OutVoid()));
                if (have == wanted) return entry.item;
            }
            break;
        }
        default:
            break;
    }
    Fail(HOST_E_NOROW, u"Nie znaleziono rekordu: " + parsed.text);
}

HRESULT CPayrollCollection::Item(VARIANT key, IDispatch** item) {
    return Boundary([&] {
        Require(item);
        *item = nullptr;
        *item = Find(key).Detach();
    });
}

HRESULT CPayrollCollection::get_Count(LONG* count) {
    if (!count) return E_POINTER;
    *count = static_cast<LONG>(entries_.size());
    return S_OK;
}

HRESULT CPayrollCollection::AddNew(VARIANT, IDispatch** item) {
    if (item) *item = nullptr;
    return SetErrorText(E_NOTIMPL, u"Kolekcja danych płacowych jest tylko do odczytu");
}

HRESULT CPayrollCollection::Delete(VARIANT) {
    return SetErrorText(E_NOTIMPL, u"Kolekcja danych płacowych jest tylko do odczytu");
}

HRESULT CPayrollCollection::Resync(VARIANT) { return S_OK; }

bool CPayrollCollection::ItemsHeldOnlyHere() const {
    for (const Entry& entry : entries_) {
        if (!entry.item) continue;
        entry.item->AddRef();
        if (entry.item->Release() > 1) return false;
    }
    return true;
}

}  // namespace tlx::host
