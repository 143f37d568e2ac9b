// The host's script engine (class CLSID_ScriptEngine): ECMAScript 5.1 on a Duktape heap with the JScript
// habits the module's scripts use, its COM objects seen through the dispatch bridge.
//
// Reset: builds a new heap, binds every named item again to the object it holds, then runs every
// successfully added script text again, in the order added. So it discards all script state (the values of
// global variables, anything the scripts defined through Evaluate, every script object and the COM
// references they held), and keeps the added texts, the named items and the object creator. Reset
// refuses (E_UNEXPECTED) while an evaluation of the same engine is running. An engine whose heaps come
// from the pool (below) lends its heap instead and forgets its kept globals: its next evaluation takes a
// pristine heap of its setup, which is what running its texts again would make.
//
// What the scripts get beyond ECMAScript 5.1 (JScript's habits): COM objects as script objects (see
// DispatchBridge: exact property reads and writes, methods, parametrised properties, default members,
// default values in conversions, assignment to a call), VARIANT values as script values (ScriptValues),
// `new ActiveXObject(progId)` through the creator the session sets (else the class registry),
// `Enumerator`, and `Error(number, description)` with `number` and `description` on every error. A thrown
// value's `number` becomes the failing HRESULT of Evaluate (ScriptError).
//
// Heaps from a pool: an engine whose setup is its texts and named items, added before its first
// evaluation, does not make a heap of its own. It takes a pristine heap of the same setup from this
// thread's pool (ScriptHeapPool), or makes one and reads it as pristine (PristineHeap); at its first
// evaluation it binds its named items' objects, and its state is the heap's from then on. When it is
// idle among the longest unused (IdleScriptEngines), or goes, it checks its heap against the pristine
// reading: when the heap differs only in globals holding primitive values (the variables its scripts
// set), it keeps those names and values, binds its named items to nothing again, gives those globals
// their pristine values and lends the heap to the pool. Its next call takes a pooled heap again and puts
// its named items and kept globals back, so what the scripts see is the same as with a heap of its own.
// Any doubt keeps the heap as the engine's own for good: a global holding an object, an object changed,
// a COM object or enumerator still held, a text that may keep state in a closure (ScriptClosures) or that
// reached a COM object while it ran, a text that failed, a text or name added after an evaluation. Reset
// of such an engine lends its heap and drops its kept globals.
//
// Nesting: Evaluate may be called again while one of the same engine runs (a script writes a field whose
// own code is evaluated); an evaluation that would leave too little stack fails with kScriptOutOfStack.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "host/script/IdleScriptEngines.h"
#include "host/script/PristineHeap.h"
#include "host/script/ScriptEngineSetup.h"
#include "host/script/ScriptHeapPool.h"
#include "host/script/ScriptRuntime.h"
#include "hostapi/ScriptEngine.h"
#include "platform/com/ComObject.h"
#include "platform/com/Dispatch.h"

const tlx::DispatchTable& DispatchTableOf(IScriptEngine*);

namespace tlx::host {

class CScriptEngine final : public ComObject<CScriptEngine, Dispatch<IScriptEngine>, IScriptEngineSetup> {
public:
    ~CScriptEngine() override;

    HRESULT Evaluate(BSTR code, VARIANT thisObject, VARIANT* result) override;
    HRESULT AddScriptText(BSTR code) override;
    HRESULT Reset() override;
    HRESULT AddNamedItem(BSTR name, IDispatch* object) override;
    HRESULT GetNamedItem(BSTR name, IDispatch** object) override;

    void SetObjectCreator(ScriptObjectCreator creator) override;

    // Gives the heap to the pool when its state can be kept as globals (see above); false when it keeps
    // it. Called between calls, with the engine's slot held.
    bool LendHeap();
    bool HoldsHeap() const { return static_cast<bool>(runtime_); }

protected:
    HRESULT FinalConstruct() override;

private:
    class Call;

    HRESULT AddSetupText(const std::shared_ptr<const ScriptText>& text, ScriptFailure& failure);
    HRESULT AddSetupName(std::u16string_view name, ScriptFailure& failure);
    // Makes the heap ready for an evaluation: the heap of the setup, the named items' objects bound, the
    // kept globals put back; a heap made for the pool is read as pristine first (`forPool`).
    bool EnsureHeap(ScriptFailure& failure, bool forPool = true);
    // Leaves the pool for good: the engine's heap, with its whole state, is its own from now on.
    bool LeavePool(ScriptFailure& failure);
    std::unique_ptr<ScriptRuntime> MakeHeap(const ScriptSetup& setup, ScriptFailure& failure, HRESULT& hr);
    void DropHeap();
    void KeepHeap();
    bool AnyObjectBound() const;

    ScriptObjectCreator creator_;
    std::unique_ptr<ScriptRuntime> runtime_;
    std::vector<std::shared_ptr<const ScriptText>> scripts_;  // shared with engines given the same texts
    std::vector<std::pair<std::u16string, ComPtr<IDispatch>>> namedItems_;
    int running_ = 0;  // evaluations of this engine under way
    bool pooled_ = true;     // its heaps come from the pool and go back to it
    bool settingUp_ = true;  // no evaluation yet (or since Reset): the heap, if any, is a pristine one
    ScriptSetup steps_;      // its setup, while pooled
    ScriptSetup heapSteps_;  // while setting up: the setup of the heap held, which may run ahead of steps_
    std::vector<KeptGlobal> kept_;  // while its heap is lent: the globals to put back
    std::shared_ptr<IdleScriptEngines::Slot> slot_;
};

// Registers the engine as a class of this process (ProgID "TLX.ScriptEngine"); revoke the cookie with
// CoRevokeClassObject.
HRESULT RegisterScriptEngineClass(DWORD* cookie);

}  // namespace tlx::host
