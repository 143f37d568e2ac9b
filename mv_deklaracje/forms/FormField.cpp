#include "mv_deklaracje/forms/FormField.h"

#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/core/ModuleResources.h"
#include "mv_deklaracje/core/VariantHelpers.h"
#include "mv_deklaracje/forms/FormXml.h"

namespace {

constexpr UINT kMsgBadFieldKind = 517;  // "Błąd odczytu typu pola."

// Attribute conversions by the OLE Automation rules; text that does not convert raises (type mismatch).
bool ToBool(const CBstr& text) {
    tlx::Variant value = ConvertVariant(tlx::Variant::FromString(text.View()), VT_BOOL);
    return value.boolVal != VARIANT_FALSE;
}

LONG ToLong(const CBstr& text) { return ConvertVariant(tlx::Variant::FromString(text.View()), VT_I4).lVal; }

DekElementTypEnum KindOfLetter(const CBstr& letter) {
    CBstr lower = letter.ToLower();
    if (lower == u"c") return detCurrency;
    if (lower == u"t") return detText;
    if (lower == u"f") return detFraction;
    if (lower == u"d") return detDate;
    if (lower == u"i") return detInteger;
    RaiseResourceError(kMsgBadFieldKind, CLSID_DekElementInfo, ModuleResources());
}

}  // namespace

FormField FormField::Read(IXMLDOMNode* element, LONG dispId) {
    FormField field;
    field.nazwa = NodeName(element);
    field.dispId = dispId;
    tlx::ComPtr<IXMLDOMNode> parametry = SelectOptionalNode(element, u"parametry");
    if (!parametry)
        RaiseComErrorFormat(E_FAIL, u"Pole(\"%s\")/Loader: Błąd wyszukania węzła \"%s\".", field.nazwa.c_str(),
                            u"parametry");
    if (auto computed = ReadAttribute(parametry.Get(), u"obliczane")) field.obliczane = ToBool(*computed);
    if (field.obliczane) {
        // A computed field has no stored value: only its code is read, and, when it names a box of the
        // printed form (lpw), that box and its description, so that it gets a printout line.
        if (auto get = ReadAttribute(parametry.Get(), u"get")) field.onGet = *get;
        if (auto put = ReadAttribute(parametry.Get(), u"put")) field.onPut = *put;
        if (auto lpw = ReadAttribute(parametry.Get(), u"lpw")) {
            field.lpw = ToLong(*lpw);
            if (auto lpw2 = ReadAttribute(parametry.Get(), u"lpw2")) field.lpw2 = ToLong(*lpw2);
            if (auto opis = ReadAttribute(parametry.Get(), u"opis")) field.opis = *opis;
        }
        field.opisText = tlx::Variant::FromString(field.opis.View());
        return field;
    }
    auto typ = ReadAttribute(parametry.Get(), u"typ");
    field.typ = typ ? KindOfLetter(*typ) : detCurrency;
    if (auto lp = ReadAttribute(parametry.Get(), u"lp")) field.lp = ToLong(*lp);
    if (auto lpw = ReadAttribute(parametry.Get(), u"lpw")) field.lpw = ToLong(*lpw);
    if (auto lpw2 = ReadAttribute(parametry.Get(), u"lpw2")) field.lpw2 = ToLong(*lpw2);
    if (auto opis = ReadAttribute(parametry.Get(), u"opis")) field.opis = *opis;
    if (auto onUpdate = ReadAttribute(parametry.Get(), u"onupdate")) field.onUpdate = *onUpdate;
    if (auto req = ReadAttribute(parametry.Get(), u"req")) field.required = ToBool(*req);
    if (auto def = ReadAttribute(parametry.Get(), u"default")) field.defaultValue = *def;
    field.opisText = tlx::Variant::FromString(field.opis.View());
    return field;
}
