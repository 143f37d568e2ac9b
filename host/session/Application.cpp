#include "host/session/Application.h"

#include "host/Database.h"
#include "host/HostError.h"
#include "host/objects/ErrorTexts.h"
#include "host/session/HostEnvironment.h"
#include "hostapi/Framework.h"

namespace tlx::host {

bool IsIdentityColumnName(std::u16string_view name) {
    std::size_t underscore = name.find(u'_');
    if (underscore == std::u16string_view::npos || underscore == 0) return false;
    std::u16string_view prefix = name.substr(0, underscore);
    std::u16string_view rest = name.substr(underscore + 1);
    if (rest.size() != prefix.size() + 2) return false;
    auto lower = [](char16_t c) { return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + 32) : c; };
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (lower(prefix[i]) != lower(rest[i])) return false;
    return lower(rest[prefix.size()]) == u'i' && lower(rest[prefix.size() + 1]) == u'd';
}

HRESULT CApplication::Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                             EXCEPINFO* exception, UINT* argError) {
    DISPID errorText = Table().IdOfName(u"GetErrorText");
    if (id == errorText && params && params->cArgs >= 1 && params->cNamedArgs == 0) {
        VARIANT& code = params->rgvarg[params->cArgs - 1];  // arguments come in reverse order
        if (code.vt == VT_R8 && code.dblVal >= 2147483648.0 && code.dblVal < 4294967296.0 &&
            code.dblVal == static_cast<double>(static_cast<unsigned>(code.dblVal))) {
            VARIANT wrapped = code;
            wrapped.vt = VT_I4;
            wrapped.lVal = static_cast<LONG>(static_cast<unsigned>(code.dblVal));
            VARIANT saved = code;
            code = wrapped;
            HRESULT hr = Dispatch::Invoke(id, iid, lcid, flags, params, result, exception, argError);
            code = saved;
            return hr;
        }
    }
    return Dispatch::Invoke(id, iid, lcid, flags, params, result, exception, argError);
}

HRESULT CApplication::GetObjectSession(IDispatch* object, ISession2** session) {
    return Boundary([&] {
        Require(session);
        *session = nullptr;
        // A session stands for itself (the e-declaration path passes one it created through the login).
        if (ComPtr<ISession2> itself = ComPtr<IDispatch>(Require(object)).As<ISession2>()) {
            *session = itself.Detach();
            return;
        }
        ComPtr<ISessionable> sessionable = ComPtr<IDispatch>(object).As<ISessionable>();
        if (!sessionable) Fail(E_NOINTERFACE, u"Obiekt nie należy do sesji");
        ComPtr<ISession> own;
        Check(sessionable->get_Session(own.Out()));
        Check(Require(own.Get())->QueryInterface(IidOf<ISession2>(), reinterpret_cast<void**>(session)));
    });
}

HRESULT CApplication::GetLogin(ILogin** login) {
    return Boundary([&] {
        Require(login);
        ComPtr<ILogin> current = CurrentLogin();
        if (!current) Fail(E_FAIL, u"Żaden operator nie jest zalogowany");
        *login = current.Detach();
    });
}

HRESULT CApplication::GetErrorText(LONG code, BSTR defaultText, BSTR* text) {
    return Boundary([&] {
        Require(text);
        std::u16string callerText(defaultText ? defaultText : u"", SysStringLen(defaultText));
        std::optional<std::u16string> known = HostErrorText(code, callerText);
        *text = Bstr(known ? *known : callerText).Detach();
    });
}

HRESULT CApplication::CopyRecord(Recordset* source, Recordset* target) {
    return Boundary([&] {
        Require(source);
        Require(target);
        ForEachField(source, [&](Field* field, std::u16string_view name) {
            if (IsIdentityColumnName(name) || !FindField(target, name)) return;
            Variant value;
            Check(field->get_Value(value.Out()));
            WriteField(target, name, value);
        });
    });
}

}  // namespace tlx::host
