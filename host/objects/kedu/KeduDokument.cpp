#include "host/objects/kedu/KeduDokument.h"

#include "host/objects/kedu/KeduBloki.h"
#include "host/objects/kedu/KeduError.h"
#include "host/objects/kedu/KeduTextReader.h"

namespace tlx::host {

HRESULT CKeduDokument::get_bloki(IKeduBloki** blocks) {
    return KeduBoundary(IID_IKeduDokument, [&] { *Require(blocks) = CKeduBloki::Make(ComPtr<CKeduDokument>(this)).Detach(); });
}

HRESULT CKeduDokument::ToString(BSTR* text) {
    return KeduBoundary(IID_IKeduDokument, [&] {
        Require(text);
        *text = nullptr;
        *text = Bstr(content_.Text()).Detach();
    });
}

HRESULT CKeduDokument::FromString(BSTR text) {
    return KeduBoundary(IID_IKeduDokument, [&] {
        KeduTextReader reader(std::u16string_view(text ? text : u"", SysStringLen(text)));
        KeduContent read = reader.ReadDocument();
        reader.RequireEnd();
        content_ = std::move(read);
    });
}

HRESULT CKeduDokument::get_Formularz(BSTR* form) {
    return KeduBoundary(IID_IKeduDokument, [&] { *Require(form) = Bstr(content_.Form()).Detach(); });
}

}  // namespace tlx::host
