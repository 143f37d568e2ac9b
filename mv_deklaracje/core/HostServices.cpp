#include "mv_deklaracje/core/HostServices.h"

#include "hostapi/Employees.h"
#include "mv_deklaracje/core/ComError.h"
#include "platform/com/Guid.h"
#include "platform/ado/Ado.h"
#include "platform/com/ClassRegistry.h"

tlx::ComPtr<IApplication> CreateHostApplication() {
    tlx::ComPtr<IApplication> application;
    HRESULT hr = CoCreateInstance(CLSID_CApplication, nullptr, CLSCTX_ALL, IidOf<IApplication>(), application.OutVoid());
    if (FAILED(hr) && hr != E_NOINTERFACE) RaiseHostFailure(hr);
    if (!application) RaiseHResult(E_POINTER);
    return application;
}

tlx::ComPtr<ISession> CreateNewHostSession() {
    tlx::ComPtr<ILogin> login;
    CheckHost(CreateHostApplication()->GetLogin(login.Out()));
    if (!login) RaiseHResult(E_POINTER);
    tlx::ComPtr<ISession> session;
    CheckHost(login->CreateSession(session.Out()));
    if (!session) RaiseHResult(E_POINTER);
    return session;
}

tlx::ComPtr<IPracownik> OpenEmployeeInNewSession(LONG id) {
    const tlx::ComPtr<ISession> session = CreateNewHostSession();
    // The decimal text of the identifier: the host reads that one row by its key.
    tlx::ComPtr<IDispatch> item;
    CheckHost(session->CreateObject(tlx::Bstr(tlx::GuidToText(CLSID_Pracownicy)).Get(),
                                    tlx::Variant::FromString(LongToString(id).View()), item.Out()));
    tlx::ComPtr<IPracownik> employee = item.As<IPracownik>();
    if (!employee) RaiseHResult(E_POINTER);
    return employee;
}

tlx::ComPtr<ISession2> GetHostDbAccess(IDispatch* hostObject) {
    tlx::ComPtr<IDispatch> keep(hostObject);
    tlx::ComPtr<ISession2> session;
    CheckHost(CreateHostApplication()->GetObjectSession(keep.Get(), session.Out()));
    return session;
}

CBstr GetHostErrorText(HRESULT code, const CBstr& fallback) {
    try {
        tlx::Bstr defaultText(fallback.View());
        tlx::Bstr text;
        if (FAILED(CreateHostApplication()->GetErrorText(code, defaultText.Get(), text.Out())) || text.IsNull())
            return fallback;
        std::u16string_view whole = text.View();
        return CBstr(whole.substr(0, whole.find(u'|')));
    } catch (const ComError&) {
        return fallback;
    }
}

void ExecuteScalarSql(VARIANT* result, IDispatch* hostObject, const OLECHAR* sql, bool configConnection) {
    VariantInit(result);
    tlx::ComPtr<ISession2> session = GetHostDbAccess(hostObject);
    if (!session) RaiseHResult(E_POINTER);
    tlx::ComPtr<Connection> connection;
    CheckHost(configConnection ? session->get_ConfigConnection(connection.Out()) : session->get_Connection(connection.Out()));
    if (!connection) RaiseHResult(E_POINTER);

    tlx::Bstr statement(sql ? sql : u"");
    tlx::ComPtr<Recordset> recordset;
    CheckHost(connection->Execute(statement.Get(), nullptr, adCmdText, recordset.Out()));
    if (!recordset) RaiseHResult(E_INVALIDARG);
    VARIANT_BOOL eof = VARIANT_FALSE;
    CheckHost(recordset->get_EOF(&eof));
    if (eof) RaiseHResult(kHostNoRow);
    tlx::ComPtr<Fields> fields;
    CheckHost(recordset->get_Fields(fields.Out()));
    LONG count = 0;
    if (fields) CheckHost(fields->get_Count(&count));
    if (count != 1) RaiseHResult(E_INVALIDARG);
    tlx::ComPtr<Field> field;
    CheckHost(fields->get_Item(tlx::Variant::FromLong(0), field.Out()));
    tlx::Variant value;
    CheckHost(field->get_Value(value.Out()));
    *result = value.Detach();
}
