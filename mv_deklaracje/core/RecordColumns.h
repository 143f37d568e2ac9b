// The plain column properties of the record classes: each get or put is one column access of the record
// framework inside the error boundary, whose unexpected-error report names the calling member's file
// and line. Reads give the framework's defaults for NULL (0, the empty text, the empty date, the amount
// 0); writes go through the framework's field write (texts cut to the column, then the column-changed
// notification).
#pragma once

#include <source_location>

#include "TlxBus2.h"

// The text of a BSTR argument as the module's text; a null BSTR is the empty text, so it is written as
// an empty value and never as NULL.
inline CBstr TextArgument(BSTR value) { return CBstr(std::u16string_view(value ? value : u"", SysStringLen(value))); }

template <class Record>
HRESULT GetLongColumn(const Record& record, const OLECHAR* column, LONG* out,
                      std::source_location where = std::source_location::current()) {
    return ComBoundary([&] { *RequireOut(out) = static_cast<LONG>(record.ReadLong(column)); }, where);
}

template <class Record>
HRESULT PutLongColumn(Record& record, const OLECHAR* column, LONG value,
                      std::source_location where = std::source_location::current()) {
    return ComBoundary([&] { record.WriteLong(column, value); }, where);
}

template <class Record>
HRESULT GetTextColumn(const Record& record, const OLECHAR* column, BSTR* out,
                      std::source_location where = std::source_location::current()) {
    return ComBoundary(
        [&] {
            RequireOut(out);
            CBstr text = record.ReadText(column);
            *out = text.Copy();
            if (!*out) RaiseHResult(E_OUTOFMEMORY);
        },
        where);
}

template <class Record>
HRESULT PutTextColumn(Record& record, const OLECHAR* column, BSTR value,
                      std::source_location where = std::source_location::current()) {
    return ComBoundary([&] { record.WriteText(column, TextArgument(value)); }, where);
}

// Dates read and written as whole days between 1900-01-01 and 3000-01-01 (the empty date stays 0).
template <class Record>
HRESULT GetDateColumn(const Record& record, const OLECHAR* column, DATE* out,
                      std::source_location where = std::source_location::current()) {
    return ComBoundary([&] { *RequireOut(out) = record.ReadDate(column).Value(); }, where);
}

template <class Record>
HRESULT PutDateColumn(Record& record, const OLECHAR* column, DATE value,
                      std::source_location where = std::source_location::current()) {
    return ComBoundary([&] { record.WriteDate(column, CDate(value)); }, where);
}

// Amounts read rounded to hundredths and written as given (no rounding on writing).
template <class Record>
HRESULT GetMoneyColumn(const Record& record, const OLECHAR* column, CY* out,
                       std::source_location where = std::source_location::current()) {
    return ComBoundary([&] { *RequireOut(out) = record.ReadMoney(column).AsCurrency(); }, where);
}

template <class Record>
HRESULT PutMoneyColumn(Record& record, const OLECHAR* column, CY value,
                       std::source_location where = std::source_location::current()) {
    return ComBoundary([&] { record.SetFieldValue(column, tlx::Variant::FromCurrency(value)); }, where);
}
