// The host collection object behind each of the module's collections: created, handed the module
// collection's session, and answered through the set-up interface the collection configures it with.
#pragma once

#include "hostapi/Collections.h"
#include "hostapi/Framework.h"
#include "hostapi/Session.h"
#include "mv_deklaracje/core/ComError.h"
#include "platform/com/ClassRegistry.h"
#include "platform/com/ComPtr.h"

// Creates the host collection class `clsid` asking for `Setup` (a failure other than E_NOINTERFACE is
// raised, no object raises E_POINTER) and initialises it with `session` when it takes one.
template <class Setup>
tlx::ComPtr<Setup> CreateHostCollection(REFCLSID clsid, ISession* session) {
    tlx::ComPtr<Setup> setup;
    HRESULT hr = CoCreateInstance(clsid, nullptr, CLSCTX_ALL, IidOf<Setup>(), setup.OutVoid());
    if (FAILED(hr) && hr != E_NOINTERFACE) RaiseHostFailure(hr);
    if (!setup) RaiseHResult(E_POINTER);
    tlx::ComPtr<IInitializeSession> initialize;
    hr = setup.As(initialize);
    if (FAILED(hr) && hr != E_NOINTERFACE) RaiseHostFailure(hr);
    if (initialize) {
        LONG state = 0;
        CheckHost(initialize->Initialize(session, &state));
    }
    return setup;
}

// Hands the host collection to the module collection `owner`, which forwards to it from then on.
template <class Owner, class Setup>
void AttachHostCollection(Owner& owner, const tlx::ComPtr<Setup>& setup) {
    CheckHost(owner.putref_Collection(setup.template As<IDispatch>().Get()));
}
