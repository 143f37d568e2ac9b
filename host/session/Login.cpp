#include "host/session/Login.h"

#include <algorithm>

#include "host/HostError.h"
#include "host/session/HostEnvironment.h"
#include "host/session/LoginContext.h"
#include "host/session/OperatorObject.h"
#include "host/session/Session.h"
#include "hostapi/Framework.h"
#include "platform/com/ClassRegistry.h"

namespace tlx::host {

CLogin::CLogin(LoginSettings settings)
    : settings_(std::move(settings)),
      sessionFiles_(std::make_shared<const SessionFiles>(settings_.companyDatabase, settings_.configDatabase)) {}

HRESULT CLogin::CreateSession(ISession** session) {
    return Boundary([&] {
        Require(session);
        CloseUnheldSessions();
        ComPtr<CSession> created = CSession::Make(ComPtr<ILogin>(this), sessionFiles_);
        *session = ComPtr<ISession>(created.Get()).Detach();
    });
}

// A host object of the login is initialised with a session of its own.
HRESULT CLogin::CreateObject(BSTR classText, IDispatch** object) {
    return Boundary([&] {
        Require(object);
        *object = nullptr;
        CLSID clsid{};
        Check(CLSIDFromProgID(classText ? classText : u"", &clsid));
        ComPtr<IUnknown> created;
        Check(CoCreateInstance(clsid, nullptr, CLSCTX_ALL, IID_IUnknown, created.OutVoid()));
        if (ComPtr<IInitializeSession> init = created.As<IInitializeSession>()) {
            ComPtr<ISession> session;
            Check(CreateSession(session.Out()));
            LONG state = 0;
            Check(init->Initialize(session.Get(), &state));
        }
        Check(created->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(object)));
    });
}

HRESULT CLogin::GetOperatorObject(IOperatorObject** op) {
    if (!op) return E_POINTER;
    *op = COperatorObject::Make(settings_.op, sessionFiles_->Config()).Detach();
    return S_OK;
}

HRESULT CLogin::IsModuleAvailable(LONG module, VARIANT_BOOL* available) {
    if (!available) return E_POINTER;
    bool inUse = std::find(settings_.modules.begin(), settings_.modules.end(), module) != settings_.modules.end();
    *available = inUse ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
}

HRESULT CLogin::GetContext(ILoginContext** context) {
    if (!context) return E_POINTER;
    *context = CLoginContext::Make(settings_.companyName).Detach();
    return S_OK;
}

}  // namespace tlx::host
