#include "host/objects/kedu/KeduDokumenty.h"

#include "host/objects/kedu/KeduError.h"

namespace tlx::host {

HRESULT CKeduDokumenty::Add(BSTR form, IKeduDokument** document) { return AddV(form, 1, document); }

HRESULT CKeduDokumenty::AddV(BSTR form, LONG version, IKeduDokument** document) {
    return KeduBoundary(IID_IKeduDokumenty, [&] {
        Require(document);
        *document = nullptr;
        ComPtr<CKeduDokument> added =
            CKeduDokument::Make(KeduContent(std::u16string(form ? form : u"", SysStringLen(form)), version));
        documents_.push_back(added);
        *document = added.Detach();
    });
}

HRESULT CKeduDokumenty::get_Count(LONG* count) {
    return KeduBoundary(IID_IKeduDokumenty, [&] { *Require(count) = static_cast<LONG>(documents_.size()); });
}

HRESULT CKeduDokumenty::get_Item(LONG index, IKeduDokument** document) {
    return KeduBoundary(IID_IKeduDokumenty, [&] {
        Require(document);
        *document = nullptr;
        if (index < 1 || static_cast<std::size_t>(index) > documents_.size()) {
            std::string number = std::to_string(index);
            RefuseKedu(u"Nie ma dokumentu numer " + std::u16string(number.begin(), number.end()) +
                       u" (dokumenty liczy się od 1).");
        }
        *document = ComPtr<CKeduDokument>(documents_[static_cast<std::size_t>(index) - 1]).Detach();
    });
}

}  // namespace tlx::host
