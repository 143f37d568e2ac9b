#include "host/script/ScriptClasses.h"

#include "host/HostClassRegistration.h"
#include "host/script/ClaSupport.h"
#include "host/script/ScriptEngine.h"

namespace tlx::host {

HRESULT RegisterScriptClasses() {
    DWORD engineCookie = 0;
    return FirstFailure({
        RegisterScriptEngineClass(&engineCookie),
        RegisterHostClass<CClaSupport>(CLSID_ClaSupport, kProgIdClaSupport),
    });
}

}  // namespace tlx::host
