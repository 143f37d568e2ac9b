// The host's script engine: runs the calculation scripts of a form against the module's objects, which
// the scripts see as named global items. A dual interface (members 1..5 in this order), so that the
// session can create and hold it as any other object.
#pragma once

#include "platform/com/Variant.h"

inline constexpr CLSID CLSID_ScriptEngine = tlx::MakeGuid(u"{DB7FAD44-950A-410A-A9FF-510D98FE0F49}");

struct IScriptEngine : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{25EA395D-34DB-4B1F-A68B-BA11047BCCA9}");
    using Base = IDispatch;
    // Runs an expression or a statement list with every added script and named item in scope and
    // `thisObject` (a dispatch object, or empty for the global object) as `this`; answers the completion
    // value. A script error fails with the script's HRESULT and an error object describing it.
    virtual HRESULT Evaluate(BSTR code, VARIANT thisObject, VARIANT* result) = 0;
    // Runs global code whose functions and variables stay defined for every later evaluation.
    virtual HRESULT AddScriptText(BSTR code) = 0;
    // Returns the scripts' state to the one right after their texts were added (see the engine's header).
    virtual HRESULT Reset() = 0;
    // Binds a global name to an object (null binds it to null); binding an existing name rebinds it.
    virtual HRESULT AddNamedItem(BSTR name, IDispatch* object) = 0;
    // The object currently bound to the name (null when bound to none).
    virtual HRESULT GetNamedItem(BSTR name, IDispatch** object) = 0;

protected:
    ~IScriptEngine() = default;
};

inline constexpr IID IID_IScriptEngine = IScriptEngine::kIid;
