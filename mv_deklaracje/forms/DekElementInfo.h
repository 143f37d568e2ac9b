// One field of a form definition: its name, value kind, numbers, description and script code, and the
// dispatch identifier under which the declaration exposes it. Made only by the definition loader.
#pragma once

#include <source_location>

#include "mv_deklaracje/core/Bstr.h"
#include "platform/xml/XmlDom.h"
#include "tlb/DispatchTables.h"

class CDekElementInfo final : public tlx::ComObject<CDekElementInfo, tlx::Dispatch<IDekElementInfo>> {
public:
    // Fills the field from its element (the tag is the name, the attributes of its "parametry" child
    // the rest) and gives it `dispId`. A missing "parametry", a kind letter outside c/f/t/d/i or an
    // attribute that does not convert raises.
    void LoadFromNode(IXMLDOMNode* element, LONG dispId);

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
    const CBstr& Nazwa() const { return nazwa_; }
    DekElementTypEnum Typ() const { return typ_; }
    LONG Lp() const { return lp_; }
    LONG Lpw() const { return lpw_; }
    LONG Lpw2() const { return lpw2_; }
    const CBstr& Opis() const { return opis_; }
    const CBstr& OnUpdate() const { return onUpdate_; }
    const CBstr& Default() const { return default_; }
    bool Required() const { return required_; }
    bool Obliczane() const { return obliczane_; }
    const CBstr& OnGet() const { return onGet_; }
    const CBstr& OnPut() const { return onPut_; }
    LONG DispId() const { return dispId_; }
    const CBstr& Bookmark() const { return bookmark_; }
    void SetBookmark(const CBstr& bookmark) { bookmark_ = bookmark; }

private:
    void LoadStoredField(IXMLDOMElement* parametry);
    HRESULT GetText(const CBstr& text, BSTR* out, const std::source_location& where = std::source_location::current());

    CBstr nazwa_;
    DekElementTypEnum typ_ = detUndefined;
    LONG lp_ = 0;
    LONG lpw_ = 0;
    LONG lpw2_ = 0;
    CBstr opis_;
    CBstr onUpdate_;
    CBstr default_;
    bool required_ = false;
    bool obliczane_ = false;
    CBstr onGet_;
    CBstr onPut_;
    LONG dispId_ = 0;
    CBstr bookmark_;
};
