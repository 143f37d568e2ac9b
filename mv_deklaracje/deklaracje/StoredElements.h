// The stored values of one declaration (the rows of its elements collection, TLX.DeklElem) found by
// number, so that pairing every field of a form with its stored value costs one walk over the rows
// instead of a criteria lookup, itself a walk, for every field.
//
// The rows are read on the first Find: for each number the first live row in the collection's order,
// the row its criteria "Dke_Numer=<n>" answers (numbers compare as numbers; NULL and values of no number
// kind match nothing). A number stored as text follows the collection's own reading of texts, which the
// index does not repeat: when any row holds one, or a row has no bookmark, nothing is indexed and every
// Find asks the collection by criteria, as the pairing always did.
#pragma once

#include <optional>
#include <unordered_map>

#include "hostapi/Collections.h"
#include "mv_deklaracje/core/Bstr.h"
#include "platform/com/ComPtr.h"

class StoredElements {
public:
    explicit StoredElements(ICollection* elements) : elements_(elements) {}

    // The item of the stored row of `number`, or null when there is none and `missingFails` is false.
    // A missing row with `missingFails` fails as the collection fails it ("Nie znaleziono rekordu: ..."
    // with its code); any other failure of the collection is raised.
    tlx::ComPtr<IDispatch> Find(LONG number, bool missingFails);
    // The bookmark text of the indexed stored row of `number`, found without asking the collection for
    // its item; nullopt when the rows are not indexed or hold no row of that number (Find answers then).
    std::optional<CBstr> IndexedBookmark(LONG number);
    // A row added (for a field that had none) with its bookmark text. A form's numbers are its fields'
    // own, so no later field asks for the number of an added row, and the row is not indexed.
    void Added(const CBstr& bookmark);

    // The text of the bookmark of the element's own row; the empty text when it is empty or NULL.
    static CBstr BookmarkText(IDispatch* element);

private:
    // One walk over the live rows; nullopt when the rows cannot be indexed (see above).
    std::optional<std::unordered_map<LONG, CBstr>> ReadRows();
    tlx::ComPtr<IDispatch> FindByCriteria(LONG number, bool missingFails);

    tlx::ComPtr<ICollection> elements_;
    bool read_ = false;
    // The bookmark text of the first row of each number; nullopt when not indexed.
    std::optional<std::unordered_map<LONG, CBstr>> rows_;
};
