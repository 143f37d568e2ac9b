#include "mv_deklaracje/forms/DekElementInfo.h"

#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/core/VariantHelpers.h"

HRESULT CDekElementInfo::GetText(const CBstr& text, BSTR* out, const std::source_location& where) {
    return ComBoundary([&] {
        // The empty text goes out as a null string.
        *RequireOut(out) = text.IsEmpty() ? nullptr : text.Copy();
    }, where);
}

HRESULT CDekElementInfo::get_Nazwa(BSTR* name) { return GetText(field_->nazwa, name); }

HRESULT CDekElementInfo::get_Typ(DekElementTypEnum* kind) {
    if (!kind) return E_POINTER;
    *kind = field_->typ;
    return S_OK;
}

HRESULT CDekElementInfo::get_Lp(LONG* number) {
    if (!number) return E_POINTER;
    *number = field_->lp;
    return S_OK;
}

HRESULT CDekElementInfo::get_Lpw(LONG* number) {
    if (!number) return E_POINTER;
    *number = field_->lpw;
    return S_OK;
}

HRESULT CDekElementInfo::get_Lpw2(LONG* number) {
    if (!number) return E_POINTER;
    *number = field_->lpw2;
    return S_OK;
}

HRESULT CDekElementInfo::get_Opis(BSTR* description) { return GetText(field_->opis, description); }

HRESULT CDekElementInfo::get_OnUpdate(BSTR* code) { return GetText(field_->onUpdate, code); }

HRESULT CDekElementInfo::get_Required(LONG* required) {
    if (!required) return E_POINTER;
    *required = field_->required ? 1 : 0;
    return S_OK;
}

HRESULT CDekElementInfo::get_Default(BSTR* expression) { return GetText(field_->defaultValue, expression); }

HRESULT CDekElementInfo::get_OnGet(BSTR* expression) { return GetText(field_->onGet, expression); }

HRESULT CDekElementInfo::get_OnPut(BSTR* code) { return GetText(field_->onPut, code); }

HRESULT CDekElementInfo::get_Obliczane(LONG* computed) {
    if (!computed) return E_POINTER;
    *computed = field_->obliczane ? 1 : 0;
    return S_OK;
}

HRESULT CDekElementInfo::get_DispId(LONG* dispid) {
    if (!dispid) return E_POINTER;
    *dispid = field_->dispId;
    return S_OK;
}

HRESULT CDekElementInfo::get_Bookmark(BSTR* bookmark) { return GetText(Bookmark(), bookmark); }

CBstr CDekElementInfo::Bookmark() const {
    std::u16string_view key(itemKey_.bstrVal, SysStringLen(itemKey_.bstrVal));
    return CBstr(key.substr(1));
}

HRESULT CDekElementInfo::put_Bookmark(BSTR bookmark) {
    return ComBoundary([&] { SetBookmark(CBstr(bookmark)); });
}

void CDekElementInfo::SetBookmark(const CBstr& bookmark) {
    itemKey_ = JoinedText(u"@", bookmark.View());
}
