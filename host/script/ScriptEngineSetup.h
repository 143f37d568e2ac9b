// What the host's session sets on an engine it creates: how `new ActiveXObject(progId)` creates its
// objects (through the session, so that they share its database and login).
#pragma once

#include <functional>
#include <string_view>

#include "platform/com/Unknown.h"

namespace tlx::host {
// Creates the object behind `new ActiveXObject(progId)`.
using ScriptObjectCreator = std::function<HRESULT(std::u16string_view progId, IDispatch** object)>;
}  // namespace tlx::host

struct IScriptEngineSetup : IUnknown {
    static constexpr IID kIid = tlx::MakeGuid(u"{262A1320-C3E2-4F37-A3B8-F521FA183CD0}");
    using Base = IUnknown;
    // An empty creator returns to creation through the class registry.
    virtual void SetObjectCreator(tlx::host::ScriptObjectCreator creator) = 0;

protected:
    ~IScriptEngineSetup() = default;
};
