#include "mv_deklaracje/kedu/KeduDraValues.h"

#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/core/Date.h"
#include "mv_deklaracje/core/VariantHelpers.h"
#include "mv_deklaracje/export/XmlEscape.h"
#include "mv_deklaracje/kedu/KeduPageText.h"
#include "platform/com/Bstr.h"

namespace {

CBstr TextOf(const tlx::Variant& value) {
    if (value.vt == VT_BSTR) return CBstr(value);
    return CBstr(ConvertVariant(value, VT_BSTR));
}

}  // namespace

KeduFieldReader DeclarationFields(IDeklaracja2* declaration) {
    if (!declaration) RaiseHResult(E_POINTER);
    return [declaration](std::u16string_view name) {
        tlx::Variant value;
        CheckHost(declaration->get_Wartosc(tlx::Bstr(name).Get(), value.Out()));
        return value;
    };
}

void KeduDraValues::ReadText(std::u16string_view field) { Put(field, EscapeXmlText(TextOf(Read(field)), true)); }

void KeduDraValues::ReadAmount(std::u16string_view field) { Put(field, CurrencyText(Money(field).AsCurrency())); }

void KeduDraValues::ReadDate(std::u16string_view field) { Put(field, CDate(Read(field)).FormatSql()); }

void KeduDraValues::ReadDateIfSet(std::u16string_view field) {
    const tlx::Variant value = Read(field);
    const bool set = value.vt != VT_EMPTY && value.vt != VT_NULL && !TextOf(value).IsEmpty();
    Put(field, set ? CDate(value).FormatSql() : CBstr(u"null"));
}

CMoney KeduDraValues::Money(std::u16string_view field) const { return CMoney(Read(field)); }

void KeduDraValues::Put(std::u16string_view name, const CBstr& value) { values_.insert_or_assign(std::u16string(name), value); }

const CBstr& KeduDraValues::operator[](std::u16string_view name) const {
    const auto found = values_.find(name);
    if (found == values_.end()) RaiseHResult(E_UNEXPECTED);
    return found->second;
}
