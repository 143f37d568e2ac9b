#include "mv_deklaracje/deklaracje/StoredElements.h"

#include <cmath>
#include <cstdint>

#include "hostapi/Errors.h"
#include "hostapi/Framework.h"
#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/core/RecordsetValues.h"
#include "mv_deklaracje/core/VariantHelpers.h"
#include "platform/ado/Ado.h"

namespace {

constexpr std::u16string_view kNumberColumn = u"Dke_Numer";
// How close a stored number must be to a whole number to be that number, as the collection compares.
constexpr double kSameNumber = 1e-9;

// The whole number a stored value equals by the collection's comparison of numbers; nullopt for a value
// that equals no whole number or is of no number kind (NULL and EMPTY among them).
std::optional<LONG> WholeNumberOf(const VARIANT& value) {
    double number = 0;
    switch (value.vt) {
        case VT_I2: number = value.iVal; break;
        case VT_I4:
        case VT_INT: number = value.lVal; break;
        case VT_I8: number = static_cast<double>(value.llVal); break;
        case VT_R8:
        case VT_DATE: number = value.dblVal; break;
        case VT_R4: number = value.fltVal; break;
        case VT_CY: number = static_cast<double>(value.cyVal.int64) / 10000.0; break;
        case VT_BOOL: number = value.boolVal ? -1 : 0; break;
        default: return std::nullopt;
    }
    double whole = std::round(number);
    if (!(std::fabs(number - whole) < kSameNumber) || whole < INT32_MIN || whole > INT32_MAX) return std::nullopt;
    return static_cast<LONG>(whole);
}

}  // namespace

CBstr StoredElements::BookmarkText(IDispatch* element) {
    tlx::ComPtr<IInitializeRS> bound = tlx::ComPtr<IDispatch>(element).As<IInitializeRS>();
    if (!bound) RaiseHResult(E_POINTER);
    tlx::ComPtr<Recordset> rows;
    CheckHost(bound->GetRecordset(rows.Out()));
    if (!rows) RaiseHResult(E_POINTER);
    tlx::Variant bookmark;
    CheckHost(rows->get_Bookmark(bookmark.Out()));
    return bookmark.vt <= VT_NULL ? CBstr(u"") : VariantToBstr(bookmark);
}

std::optional<CBstr> StoredElements::IndexedBookmark(LONG number) {
    if (!read_) {
        rows_ = ReadRows();
        read_ = true;
    }
    if (!rows_) return std::nullopt;
    auto found = rows_->find(number);
    if (found == rows_->end()) return std::nullopt;
    return found->second;
}

tlx::ComPtr<IDispatch> StoredElements::Find(LONG number, bool missingFails) {
    if (!read_) {
        rows_ = ReadRows();
        read_ = true;
    }
    if (!rows_) return FindByCriteria(number, missingFails);
    auto found = rows_->find(number);
    // A missing row that must be there is left to the collection, which fails it in its own words.
    if (found == rows_->end()) return missingFails ? FindByCriteria(number, missingFails) : nullptr;
    tlx::ComPtr<IDispatch> item;
    CheckHost(elements_->Item(JoinedText(u"@", found->second.View()), item.Out()));
    return item;
}

void StoredElements::Added(const CBstr& bookmark) {
    // A row that cannot be asked for by its bookmark is left to the collection's criteria, and so are
    // the rows after it.
    if (bookmark.IsEmpty()) rows_.reset();
}

tlx::ComPtr<IDispatch> StoredElements::FindByCriteria(LONG number, bool missingFails) {
    tlx::ComPtr<IDispatch> item;
    CBstr criteria = CBstr(kNumberColumn) + std::u16string_view(u"=") + LongToString(number);
    HRESULT hr = elements_->Item(tlx::Variant::FromString(criteria.View()), item.Out());
    if (SUCCEEDED(hr)) return item;
    if (hr != HOST_E_NOROW || missingFails) RaiseHostFailure(hr);
    return nullptr;
}

std::optional<std::unordered_map<LONG, CBstr>> StoredElements::ReadRows() {
    // Count puts back the collection's own filter, as its Item does before a walk.
    LONG count = 0;
    CheckHost(elements_->get_Count(&count));
    std::unordered_map<LONG, CBstr> first;
    if (count == 0) return first;
    tlx::ComPtr<IAdoCollection> collection = elements_.As<IAdoCollection>();
    if (!collection) return std::nullopt;
    tlx::ComPtr<Recordset> rows;
    CheckHost(collection->get_Recordset(rows.Out()));
    if (!rows) RaiseHResult(E_POINTER);
    tlx::ComPtr<Field> numberField = RecordsetField(rows.Get(), kNumberColumn);
    CheckHost(rows->MoveFirst());
    for (VARIANT_BOOL eof = VARIANT_FALSE; CheckHost(rows->get_EOF(&eof)), !eof; CheckHost(rows->MoveNext())) {
        tlx::Variant value;
        CheckHost(numberField->get_Value(value.Out()));
        if (value.vt == VT_BSTR) return std::nullopt;
        std::optional<LONG> number = WholeNumberOf(value);
        if (!number || first.contains(*number)) continue;
        tlx::Variant bookmark;
        CheckHost(rows->get_Bookmark(bookmark.Out()));
        if (bookmark.vt <= VT_NULL) return std::nullopt;
        first.emplace(*number, VariantToBstr(bookmark));
    }
    return first;
}
