#include "host/objects/kedu/KeduBloki.h"

#include "host/objects/kedu/KeduBlok.h"
#include "host/objects/kedu/KeduError.h"
#include "platform/com/Locale.h"
#include "platform/com/VariantConversion.h"

namespace tlx::host {

HRESULT CKeduBloki::get_Item(VARIANT name, IKeduBlok** block) {
    return KeduBoundary(IID_IKeduBloki, [&] {
        Require(block);
        *block = nullptr;
        Variant text;
        if (FAILED(VariantChangeTypeEx(&text, &name, LANG_ENGLISH_US, 0, VT_BSTR))) {
            TakeErrorDescription();
            RefuseKedu(u"Blok wskazuje się nazwą (tekstem).");
        }
        std::u16string_view view(text.bstrVal ? text.bstrVal : u"", SysStringLen(text.bstrVal));
        *block = CKeduBlok::Make(document_->Content().Block(view)).Detach();
    });
}

HRESULT CKeduBloki::Add(IKeduBlok** block) {
    return KeduBoundary(IID_IKeduBloki, [&] {
        Require(block);
        *block = nullptr;
        *block = CKeduBlok::Make(document_->Content().Append()).Detach();
    });
}

HRESULT CKeduBloki::get_Count(LONG* count) {
    return KeduBoundary(IID_IKeduBloki, [&] { *Require(count) = static_cast<LONG>(document_->Content().Count()); });
}

}  // namespace tlx::host
