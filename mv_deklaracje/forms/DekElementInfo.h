// One field of a declaration's form: the shared, read-only field of the form definition (name, value
// kind, numbers, description, script code, dispatch identifier) with what this declaration keeps of it
// for itself, the bookmark of its stored value's row. Made only by the declaration's definition.
#pragma once

#include <memory>
#include <source_location>
#include <utility>

#include "mv_deklaracje/core/Bstr.h"
#include "mv_deklaracje/forms/FormField.h"
#include "tlb/DispatchTables.h"

class CDekElementInfo final : public tlx::ComObject<CDekElementInfo, tlx::Dispatch<IDekElementInfo>> {
public:
    // `field` is the shared field (its owner, the shared definition, is kept alive with it).
    explicit CDekElementInfo(std::shared_ptr<const FormField> field)
        : field_(std::move(field)), itemKey_(tlx::Variant::FromString(u"@")) {}

    HRESULT get_Nazwa(BSTR* name) override;
    HRESULT get_Typ(DekElementTypEnum* kind) override;
    HRESULT get_Lp(LONG* number) override;
    HRESULT get_Lpw(LONG* number) override;
    HRESULT get_Lpw2(LONG* number) override;
    HRESULT get_Opis(BSTR* description) override;
    HRESULT get_OnUpdate(BSTR* code) override;
    HRESULT get_Required(LONG* required) override;
    HRESULT get_Default(BSTR* expression) override;
    HRESULT get_OnGet(BSTR* expression) override;
    HRESULT get_OnPut(BSTR* code) override;
    HRESULT get_Obliczane(LONG* computed) override;
    HRESULT get_DispId(LONG* dispid) override;
    HRESULT get_Bookmark(BSTR* bookmark) override;
    HRESULT put_Bookmark(BSTR bookmark) override;

    // The same values for the module's own code.
    const CBstr& Nazwa() const { return field_->nazwa; }
    DekElementTypEnum Typ() const { return field_->typ; }
    LONG Lp() const { return field_->lp; }
    LONG Lpw() const { return field_->lpw; }
    LONG Lpw2() const { return field_->lpw2; }
    const CBstr& Opis() const { return field_->opis; }
    const VARIANT& OpisText() const { return field_->opisText; }
    const CBstr& OnUpdate() const { return field_->onUpdate; }
    const CBstr& Default() const { return field_->defaultValue; }
    bool Required() const { return field_->required; }
    bool Obliczane() const { return field_->obliczane; }
    const CBstr& OnGet() const { return field_->onGet; }
    const CBstr& OnPut() const { return field_->onPut; }
    LONG DispId() const { return field_->dispId; }
    // The bookmark is kept only inside the item key (a declaration has a field of its own for every
    // field of its form, so a second copy of every bookmark would cost as much again).
    CBstr Bookmark() const;
    void SetBookmark(const CBstr& bookmark);
    // The key of the stored value's row in the elements collection ("@" and the bookmark), made when
    // the bookmark is set rather than at every read of the value.
    const VARIANT& ItemKey() const { return itemKey_; }

private:
    HRESULT GetText(const CBstr& text, BSTR* out, const std::source_location& where = std::source_location::current());

    std::shared_ptr<const FormField> field_;  // shared by every declaration of the form, never written
    tlx::Variant itemKey_;                    // "@" + this declaration's own bookmark
};
