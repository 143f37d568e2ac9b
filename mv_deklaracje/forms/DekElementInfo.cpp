#include "mv_deklaracje/forms/DekElementInfo.h"

#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/forms/FormXml.h"
#include "mv_deklaracje/core/ModuleResources.h"
#include "mv_deklaracje/core/VariantHelpers.h"

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

void CDekElementInfo::LoadFromNode(IXMLDOMNode* element, LONG dispId) {
    nazwa_ = NodeName(element);
    dispId_ = dispId;
    tlx::ComPtr<IXMLDOMNode> parametry = SelectOptionalNode(element, u"parametry");
    if (!parametry)
        RaiseComErrorFormat(E_FAIL, u"Pole(\"%s\")/Loader: Błąd wyszukania węzła \"%s\".", nazwa_.c_str(), u"parametry");
    if (auto computed = ReadAttribute(parametry.Get(), u"obliczane")) obliczane_ = ToBool(*computed);
    if (obliczane_) {
        // A computed field has no stored value: only its code is read, and, when it names a box of the
        // printed form (lpw), that box and its description, so that it gets a printout line.
        if (auto get = ReadAttribute(parametry.Get(), u"get")) onGet_ = *get;
        if (auto put = ReadAttribute(parametry.Get(), u"put")) onPut_ = *put;
        if (auto lpw = ReadAttribute(parametry.Get(), u"lpw")) {
            lpw_ = ToLong(*lpw);
            if (auto lpw2 = ReadAttribute(parametry.Get(), u"lpw2")) lpw2_ = ToLong(*lpw2);
            if (auto opis = ReadAttribute(parametry.Get(), u"opis")) opis_ = *opis;
        }
        return;
    }
    auto typ = ReadAttribute(parametry.Get(), u"typ");
    typ_ = typ ? KindOfLetter(*typ) : detCurrency;
    if (auto lp = ReadAttribute(parametry.Get(), u"lp")) lp_ = ToLong(*lp);
    if (auto lpw = ReadAttribute(parametry.Get(), u"lpw")) lpw_ = ToLong(*lpw);
    if (auto lpw2 = ReadAttribute(parametry.Get(), u"lpw2")) lpw2_ = ToLong(*lpw2);
    if (auto opis = ReadAttribute(parametry.Get(), u"opis")) opis_ = *opis;
    if (auto onUpdate = ReadAttribute(parametry.Get(), u"onupdate")) onUpdate_ = *onUpdate;
    if (auto req = ReadAttribute(parametry.Get(), u"req")) required_ = ToBool(*req);
    if (auto def = ReadAttribute(parametry.Get(), u"default")) default_ = *def;
}

HRESULT CDekElementInfo::GetText(const CBstr& text, BSTR* out, const std::source_location& where) {
    return ComBoundary([&] {
        // The empty text goes out as a null string.
        *RequireOut(out) = text.IsEmpty() ? nullptr : text.Copy();
    }, where);
}

HRESULT CDekElementInfo::get_Nazwa(BSTR* name) { return GetText(nazwa_, name); }

HRESULT CDekElementInfo::get_Typ(DekElementTypEnum* kind) {
    if (!kind) return E_POINTER;
    *kind = typ_;
    return S_OK;
}

HRESULT CDekElementInfo::get_Lp(LONG* number) {
    if (!number) return E_POINTER;
    *number = lp_;
    return S_OK;
}

HRESULT CDekElementInfo::get_Lpw(LONG* number) {
    if (!number) return E_POINTER;
    *number = lpw_;
    return S_OK;
}

HRESULT CDekElementInfo::get_Lpw2(LONG* number) {
    if (!number) return E_POINTER;
    *number = lpw2_;
    return S_OK;
}

HRESULT CDekElementInfo::get_Opis(BSTR* description) { return GetText(opis_, description); }

HRESULT CDekElementInfo::get_OnUpdate(BSTR* code) { return GetText(onUpdate_, code); }

HRESULT CDekElementInfo::get_Required(LONG* required) {
    if (!required) return E_POINTER;
    *required = required_ ? 1 : 0;
    return S_OK;
}

HRESULT CDekElementInfo::get_Default(BSTR* expression) { return GetText(default_, expression); }

HRESULT CDekElementInfo::get_OnGet(BSTR* expression) { return GetText(onGet_, expression); }

HRESULT CDekElementInfo::get_OnPut(BSTR* code) { return GetText(onPut_, code); }

HRESULT CDekElementInfo::get_Obliczane(LONG* computed) {
    if (!computed) return E_POINTER;
    *computed = obliczane_ ? 1 : 0;
    return S_OK;
}

HRESULT CDekElementInfo::get_DispId(LONG* dispid) {
    if (!dispid) return E_POINTER;
    *dispid = dispId_;
    return S_OK;
}

HRESULT CDekElementInfo::get_Bookmark(BSTR* bookmark) { return GetText(bookmark_, bookmark); }

HRESULT CDekElementInfo::put_Bookmark(BSTR bookmark) {
    return ComBoundary([&] { bookmark_ = CBstr(bookmark); });
}
