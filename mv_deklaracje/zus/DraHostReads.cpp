#include "mv_deklaracje/zus/DraHostReads.h"

#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/core/HostServices.h"
#include "platform/com/ClassRegistry.h"

LONG ReadDeclarationLong(IDeklaracja2* declaration, HRESULT (IDeklaracja::*get)(LONG*)) {
    if (!declaration) RaiseHResult(E_POINTER);
    tlx::ComPtr<IDeklaracja> d = tlx::ComPtr<IDeklaracja2>(declaration).As<IDeklaracja>();
    if (!d) RaiseHResult(E_POINTER);
    LONG value = 0;
    CheckHost((d.Get()->*get)(&value));
    return value;
}

tlx::ComPtr<IKeduDokument> DeclarationDocument(IDeklaracja2* declaration) {
    if (!declaration) RaiseHResult(E_POINTER);
    tlx::Variant value;
    CheckHost(declaration->get_Wartosc(tlx::Bstr(u"Dokument").Get(), value.Out()));
    tlx::ComPtr<IKeduDokument> document;
    if (value.vt == VT_DISPATCH && value.pdispVal) document = tlx::ComPtr<IDispatch>(value.pdispVal).As<IKeduDokument>();
    if (!document) RaiseHResult(E_POINTER);
    return document;
}

tlx::ComPtr<IKeduBlok> DocumentBlock(IKeduDokument* document, const char16_t* name) {
    if (!document) RaiseHResult(E_POINTER);
    tlx::ComPtr<IKeduBloki> blocks;
    CheckHost(document->get_bloki(blocks.Out()));
    if (!blocks) RaiseHResult(E_POINTER);
    tlx::ComPtr<IKeduBlok> block;
    CheckHost(blocks->get_Item(tlx::Variant::FromString(name), block.Out()));
    if (!block) RaiseHResult(E_POINTER);
    return block;
}

tlx::ComPtr<ISession2> OpenLoginSession() {
    tlx::ComPtr<ILogin> login;
    CheckHost(CreateHostApplication()->GetLogin(login.Out()));
    if (!login) RaiseHResult(E_POINTER);
    tlx::ComPtr<ISession> session;
    CheckHost(login->CreateSession(session.Out()));
    tlx::ComPtr<ISession2> session2 = session.As<ISession2>();
    if (!session2) RaiseHResult(E_POINTER);
    return session2;
}

tlx::ComPtr<Recordset> OpenSessionRows(ISession2* session, const std::u16string& sql, CursorLocationEnum location,
                                       CursorTypeEnum cursor, LockTypeEnum lock) {
    if (!session) RaiseHResult(E_POINTER);
    tlx::ComPtr<Connection> connection;
    CheckHost(session->get_Connection(connection.Out()));
    if (!connection) RaiseHResult(E_POINTER);
    tlx::ComPtr<Recordset> rows;
    CheckHost(CoCreateInstance(CLSID_Recordset, nullptr, CLSCTX_ALL, IidOf<Recordset>(), rows.OutVoid()));
    if (!rows) RaiseHResult(E_POINTER);
    CheckHost(rows->put_CursorLocation(location));
    CheckHost(rows->Open(tlx::Variant::FromString(sql), tlx::Variant::FromDispatch(connection.Get()), cursor, lock,
                         adCmdText));
    return rows;
}
