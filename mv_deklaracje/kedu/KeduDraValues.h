// The values of a DRA declaration's fields as its KEDU documents write them, each read by name once and
// kept in the form the documents want: text escaped for XML, an amount with two decimals, a date
// "YYYY-MM-DD" or "null". Every value is read before an element is written, so that a failing read leaves
// no half-written document.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "mv_deklaracje/core/Bstr.h"
#include "mv_deklaracje/core/Money.h"
#include "platform/com/Variant.h"
#include "tlb/Deklaracja.h"

// The value of a field by name, as the declaration's `Wartosc` answers it; a failure raises it (a field
// the form does not define: "Brak definicji pola o nazwie '%s'").
using KeduFieldReader = std::function<tlx::Variant(std::u16string_view name)>;

// The fields of a declaration through its `Wartosc`.
KeduFieldReader DeclarationFields(IDeklaracja2* declaration);

class KeduDraValues {
public:
    explicit KeduDraValues(KeduFieldReader reader) : reader_(std::move(reader)) {}

    // The field's value as text, escaped for XML; a value without a text form (NULL) raises the
    // conversion's error.
    void ReadText(std::u16string_view field);
    // The field's value as złoty rounded half away from zero to grosze, "1234.50"; the empty value is 0.
    void ReadAmount(std::u16string_view field);
    // The field's value as a date, "null" for the empty date.
    void ReadDate(std::u16string_view field);
    // A date that is "null" also when the value's text is empty.
    void ReadDateIfSet(std::u16string_view field);
    // The amount alone, not kept.
    CMoney Money(std::u16string_view field) const;
    // Keeps a value made of others under `name`.
    void Put(std::u16string_view name, const CBstr& value);

    // The value read under that name; one never read raises E_UNEXPECTED.
    const CBstr& operator[](std::u16string_view name) const;

private:
    tlx::Variant Read(std::u16string_view field) const { return reader_(field); }

    KeduFieldReader reader_;
    std::map<std::u16string, CBstr, std::less<>> values_;
};
