// The KEDU component object ("TlxKedu.KEDU"): its documents, and the KEDU file written from document
// texts between a header and a footer line.
#pragma once

#include "host/objects/kedu/KeduDokumenty.h"

namespace tlx::host {

class CKeduPlik final : public ComObject<CKeduPlik, Dispatch<IKeduPlik>> {
public:
    HRESULT get_Dokumenty(IKeduDokumenty** documents) override;
    HRESULT Save(BSTR file, BSTR text, LONG type, LONG version) override;
    HRESULT BeginText(LONG version, BSTR* text) override;
    HRESULT EndText(BSTR* text) override;

    // The file's header and footer lines.
    static std::u16string Header(LONG version);
    static std::u16string Footer();

protected:
    HRESULT FinalConstruct() override;

private:
    ComPtr<CKeduDokumenty> documents_;
};

}  // namespace tlx::host
