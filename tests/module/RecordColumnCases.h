// The column mapping of a record class as a table: each property with its column and value kind. One
// walk over the table checks, on a row of NULLs, that each property reads its kind's default, that a
// written value lands in its own column, and that it reads back as the module rounds it.
#pragma once

#include <gtest/gtest.h>

#include <span>
#include <string>

#include "ModuleClassFixture.h"

enum class ColumnKind { Long, Text, Date, Money };

struct ColumnCase {
    const char16_t* property;
    const char16_t* column;
    ColumnKind kind;
};

inline std::string Narrow(std::u16string_view text) {
    std::string out;
    for (char16_t c : text) out += c < 0x80 ? static_cast<char>(c) : '?';
    return out;
}

// The sample written for a kind, the column's value afterwards and the value read back (as AsText).
struct ColumnSample {
    tlx::Variant written;
    std::u16string stored, readBack, nullDefault;
};

inline ColumnSample SampleOf(ColumnKind kind) {
    switch (kind) {
        case ColumnKind::Long:
            return {tlx::Variant::FromLong(1234567), u"1234567", u"1234567", u"0"};
        case ColumnKind::Text:
            return {tlx::Variant::FromString(u"Łódź 7"), u"Łódź 7", u"Łódź 7", u""};
        case ColumnKind::Date:  // a time of day is dropped
            return {tlx::Variant::FromDate(45000.75), u"45000.0000", u"45000.0000", u"0.0000"};
        case ColumnKind::Money:  // written as given, read rounded half away from zero to grosze
            return {tlx::Variant::FromCurrency(CY{123450}), u"12.3450", u"12.3500", u"0.0000"};
    }
    return {};
}

// `rows` stands on the row `record` is bound to. Columns that are not NULL to begin with (NOT NULL
// defaults of the table) skip the default check.
inline void CheckColumnCases(IDispatch* record, Recordset* rows, std::span<const ColumnCase> cases) {
    for (const ColumnCase& c : cases) {
        SCOPED_TRACE(Narrow(c.property));
        ColumnSample sample = SampleOf(c.kind);
        if (ColumnValue(rows, c.column).vt == VT_NULL) {
            EXPECT_EQ(AsText(Get(record, c.property)), sample.nullDefault);
        }
        ASSERT_EQ(Put(record, c.property, sample.written), S_OK);
        EXPECT_EQ(AsText(ColumnValue(rows, c.column)), sample.stored);
        EXPECT_EQ(AsText(Get(record, c.property)), sample.readBack);
    }
}
