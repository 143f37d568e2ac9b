#include "mv_deklaracje/pfron/Infd.h"

#include "mv_deklaracje/pfron/PfronDeclaration.h"

HRESULT CINFD::Przelicz() { return E_NOTIMPL; }

HRESULT CINFD::ExportToSOD(LONG, BSTR) { return E_NOTIMPL; }

HRESULT CINFD::ExportToSODVC(LONG, BSTR) { return E_NOTIMPL; }

HRESULT CINFD::get_DeklId(LONG* pVal) {
    return ComBoundary([&] {
        LONG id = 0;
        if (tlx::ComPtr<IDeklaracja2> declaration = GetDeklaracja()) CheckHost(declaration->get_ID(&id));
        *RequireOut(pVal) = id;
    });
}

HRESULT CINFD::put_DeklId(LONG value) {
    return ComBoundary([&] {
        tlx::ComPtr<ISession> session = GetSession();
        tlx::ComPtr<IDeklaracja2> declaration = OpenDeclaration(session.Get(), value);
        declaration_ = AttachDeclaration(session.Get(), declaration.Get());
    });
}

tlx::ComPtr<IDeklaracja2> CINFD::GetDeklaracja() const { return ::GetDeklaracja(declaration_.Get()); }
