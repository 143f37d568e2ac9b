// The key grammar of ICollection::Item (written down in hostapi/Collections.h): parsing a key VARIANT and
// testing a row's values against criteria.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/com/ComPtr.h"
#include "platform/com/Variant.h"

namespace tlx::host {

// One "Col=value" clause. A quoted value is text; an unquoted one is a number when it reads as one.
struct CriteriaClause {
    std::u16string column;
    std::u16string text;
    std::optional<double> number;
};

struct ItemKey {
    enum class Kind { Current, Position, Bookmark, Criteria, Identifier, Object };
    Kind kind = Kind::Current;
    LONG position = 0;                  // Position
    std::u16string bookmark;            // Bookmark: the text after "@"
    std::vector<CriteriaClause> criteria;
    LONG identifier = 0;                // Identifier
    ComPtr<IUnknown> object;            // Object
    std::u16string text;                // the key as given, for messages
};

// E_INVALIDARG with an error text for a key of no kind of the grammar (malformed criteria, a text that
// is neither criteria nor a decimal number, a value of a type no key has).
HRESULT ParseItemKey(const VARIANT& key, ItemKey& out);

// Parses criteria text alone ("Dke_Numer=12 AND Dke_Typ='A'"); false when it is malformed.
bool ParseCriteria(std::u16string_view text, std::vector<CriteriaClause>& out);

// Whether a column's value equals the clause's: numbers compare as numbers, texts without regard to
// ASCII case; NULL and EMPTY equal nothing.
bool ValueMatches(const VARIANT& value, const CriteriaClause& clause);

// The parameter of ISession::CreateObject as the key its collection's Item reads. A script writer who
// passes a number means the record of that identifier, never a place in the table, so a whole number
// becomes its decimal text (which Item reads as the identifier); every other parameter is passed on as
// given. Item itself keeps reading a number as a position.
Variant ObjectKey(const VARIANT& parameter);

// A decimal integer text (optional sign, blanks around); nullopt for anything else.
std::optional<LONG> ParseDecimal(std::u16string_view text);

}  // namespace tlx::host
