// The host's script engine (class CLSID_ScriptEngine): ECMAScript 5.1 on a Duktape heap with the JScript
// habits the module's scripts use, its COM objects seen through the dispatch bridge.
//
// Reset: builds a new heap, binds every named item again to the object it holds, then runs every
// successfully added script text again, in the order added. So it discards all script state (the values of
// global variables, anything the scripts defined through Evaluate, every script object and the COM
// references they held), and keeps the added texts, the named items and the object creator. Reset
// refuses (E_UNEXPECTED) while an evaluation of the same engine is running.
//
// What the scripts get beyond ECMAScript 5.1 (JScript's habits): COM objects as script objects (see
// DispatchBridge: exact property reads and writes, methods, parametrised properties, default members,
// default values in conversions, assignment to a call), VARIANT values as script values (ScriptValues),
// `new ActiveXObject(progId)` through the creator the session sets (else the class registry),
// `Enumerator`, and `Error(number, description)` with `number` and `description` on every error. A thrown
// value's `number` becomes the failing HRESULT of Evaluate (ScriptError).
//
// Nesting: Evaluate may be called again while one of the same engine runs (a script writes a field whose
// own code is evaluated); an evaluation that would leave too little stack fails with kScriptOutOfStack.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "host/script/ScriptEngineSetup.h"
#include "host/script/ScriptRuntime.h"
#include "hostapi/ScriptEngine.h"
#include "platform/com/ComObject.h"
#include "platform/com/Dispatch.h"

const tlx::DispatchTable& DispatchTableOf(IScriptEngine*);

namespace tlx::host {

class CScriptEngine final : public ComObject<CScriptEngine, Dispatch<IScriptEngine>, IScriptEngineSetup> {
public:
    HRESULT Evaluate(BSTR code, VARIANT thisObject, VARIANT* result) override;
    HRESULT AddScriptText(BSTR code) override;
    HRESULT Reset() override;
    HRESULT AddNamedItem(BSTR name, IDispatch* object) override;
    HRESULT GetNamedItem(BSTR name, IDispatch** object) override;

    void SetObjectCreator(ScriptObjectCreator creator) override;

protected:
    HRESULT FinalConstruct() override;

private:
    ScriptObjectCreator creator_;
    std::unique_ptr<ScriptRuntime> runtime_;
    std::vector<std::shared_ptr<const std::u16string>> scripts_;  // shared with engines given the same texts
    std::vector<std::pair<std::u16string, ComPtr<IDispatch>>> namedItems_;
    int running_ = 0;  // evaluations of this engine under way
};

// Registers the engine as a class of this process (ProgID "TLX.ScriptEngine"); revoke the cookie with
// CoRevokeClassObject.
HRESULT RegisterScriptEngineClass(DWORD* cookie);

}  // namespace tlx::host
