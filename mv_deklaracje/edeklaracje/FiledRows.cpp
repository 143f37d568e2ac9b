#include "mv_deklaracje/edeklaracje/FiledRows.h"

#include <algorithm>

#include "hostapi/Accounting.h"
#include "hostapi/Framework.h"
#include "mv_deklaracje/core/Bstr.h"
#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/core/RecordsetValues.h"
#include "mv_deklaracje/core/VariantHelpers.h"
#include "mv_deklaracje/edeklaracje/FilingColumns.h"
#include "mv_deklaracje/edeklaracje/MessageText.h"
#include "platform/com/VariantConversion.h"

namespace {

constexpr char16_t kStampColumn[] = u"DkN_TS_Mod";
constexpr char16_t kRefIdColumn[] = u"DkN_EDekl_RefID";

// A time as the database keeps it; the empty text for no time.
std::u16string TimeText(const VARIANT& value) {
    if (value.vt == VT_EMPTY || value.vt == VT_NULL) return u"";
    tlx::Variant date;
    if (FAILED(VariantChangeType(&date, &value, 0, VT_DATE))) RaiseHResult(E_INVALIDARG);
    return StoredTimeText(date.date);
}

// What the database held in the column when the row was read (changes not yet saved aside).
tlx::Variant ReadValue(Recordset* row, const char16_t* column) {
    tlx::Variant value;
    CheckHost(RecordsetField(row, column)->get_UnderlyingValue(value.Out()));
    return value;
}

// The stamp and reference number a declaration was read with.
std::pair<std::u16string, std::u16string> AsRead(IDeklaracja2* declaration) {
    if (tlx::ComPtr<Recordset> row = BoundRow(declaration))
        return {TimeText(ReadValue(row.Get(), kStampColumn)), VariantToBstr(ReadValue(row.Get(), kRefIdColumn)).Str()};
    // A declaration of another kind answers its stamp through the host's stamp object.
    tlx::ComPtr<IDispatch> object;
    CheckHost(declaration->get_Stempel(object.Out()));
    tlx::ComPtr<IStempel> stamp = object ? object.As<IStempel>() : nullptr;
    if (!stamp) RaiseHResult(E_POINTER);
    DATE changed = 0;
    CheckHost(stamp->get_TS_Mod(&changed));
    return {changed == 0 ? u"" : TimeText(tlx::Variant::FromDate(changed)),
            ReadText<IDeklaracja2>(declaration, &IDeklaracja2::get_EDekl_RefID)};
}

// Every row of the recordset from where it stands, each as the texts of all its columns, sorted: the same
// rows in another order compare equal.
std::vector<std::u16string> RowTexts(Recordset* rows) {
    std::vector<std::u16string> texts;
    tlx::ComPtr<Fields> fields;
    CheckHost(rows->get_Fields(fields.Out()));
    LONG columns = 0;
    CheckHost(fields->get_Count(&columns));
    for (VARIANT_BOOL eof = VARIANT_FALSE; CheckHost(rows->get_EOF(&eof)), !eof; CheckHost(rows->MoveNext())) {
        std::u16string text;
        for (LONG c = 0; c < columns; ++c) {
            tlx::ComPtr<Field> field;
            CheckHost(fields->get_Item(tlx::Variant::FromLong(c), field.Out()));
            tlx::Variant value;
            CheckHost(field->get_Value(value.Out()));
            text += value.vt == VT_EMPTY || value.vt == VT_NULL ? std::u16string(1, u'\x1') : VariantToBstr(value).Str();
            text += u'\x0';
        }
        texts.push_back(std::move(text));
    }
    std::sort(texts.begin(), texts.end());
    return texts;
}

}  // namespace

void FiledRows::AddDeclaration(IDeklaracja2* declaration) {
    if (!declaration) RaiseHResult(E_POINTER);
    Declaration noted;
    CheckHost(declaration->get_ID(&noted.id));
    if (noted.id == 0) return;
    for (const Declaration& each : declarations_)
        if (each.id == noted.id) return;
    CheckHost(declaration->get_TypDeklar(&noted.type));
    CheckHost(declaration->get_Numer(&noted.number));
    std::tie(noted.stamp, noted.reference) = AsRead(declaration);
    declarations_.push_back(std::move(noted));
}

void FiledRows::AddList(std::u16string table, std::u16string condition, Recordset* rows) {
    if (!rows) RaiseHResult(E_POINTER);
    // Every row of the list, whatever a caller left filtered.
    CheckHost(rows->put_Filter(tlx::Variant::FromLong(adFilterNone)));
    LONG count = 0;
    CheckHost(rows->get_RecordCount(&count));
    if (count != 0) CheckHost(rows->MoveFirst());
    lists_.push_back(List{std::move(table), std::move(condition), count == 0 ? std::vector<std::u16string>{} : RowTexts(rows)});
}

std::vector<LONG> FiledRows::Ids() const {
    std::vector<LONG> ids;
    for (const Declaration& each : declarations_) ids.push_back(each.id);
    return ids;
}

std::optional<LONG> FiledRows::Find(LONG type, LONG number) const {
    for (const Declaration& each : declarations_)
        if (each.type == type && each.number == number) return each.id;
    return std::nullopt;
}

std::vector<LONG> FiledRows::OfType(LONG type) const {
    std::vector<LONG> ids;
    for (const Declaration& each : declarations_)
        if (each.type == type) ids.push_back(each.id);
    return ids;
}

FiledRows::Comparison FiledRows::Compare(Connection* connection) const {
    for (const Declaration& each : declarations_) {
        tlx::ComPtr<Recordset> row = OpenRows(
            connection, u"SELECT ISNULL(CONVERT(VARCHAR(20), DkN_TS_Mod, 120), '') AS S, ISNULL(DkN_EDekl_RefID, '') "
                        u"AS R FROM TLX.DeklNag WHERE DkN_DkNID = " + LongToString(each.id).Str());
        VARIANT_BOOL eof = VARIANT_FALSE;
        CheckHost(row->get_EOF(&eof));
        if (eof) return Comparison::Changed;
        if (&each == &declarations_.front() &&
            VariantToBstr(ReadRecordsetValue(row.Get(), u"R")).View() != each.reference)
            return Comparison::Filed;
        if (VariantToBstr(ReadRecordsetValue(row.Get(), u"S")).View() != each.stamp) return Comparison::Changed;
    }
    for (const List& list : lists_)
        if (RowTexts(OpenRows(connection, u"SELECT * FROM TLX." + list.table + u" WHERE " + list.condition).Get()) !=
            list.rows)
            return Comparison::Changed;
    return Comparison::Same;
}
