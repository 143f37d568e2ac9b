// The calculation scripts of a loaded form: the form's "script" texts joined with the library "Tools",
// run by an engine the host's session creates, and the one routine through which every expression of
// the definition is evaluated with "dokument" (the declaration) and "pole" (the field at hand) bound.
#pragma once

#include "hostapi/ScriptEngine.h"
#include "hostapi/Session.h"
#include "mv_deklaracje/core/Bstr.h"
#include "platform/com/ComPtr.h"
#include "platform/res/Resources.h"
#include "platform/xml/XmlDom.h"

class CFormScripts {
public:
    // The script text of a definition: every "/deklaracja/script" element in document order (a "src"
    // attribute names a JS resource, otherwise the element's own text is code), then the JS resource
    // "Tools". Pieces are joined with a line break, so that a script whose last line is a "//" comment
    // cannot swallow the first line of the next one. A missing resource contributes nothing.
    static CBstr AssembleScriptText(IXMLDOMNode* document, HMODULE resources);

    // Creates the form's engine through `session`, gives it the assembled text, declares "dokument" and
    // "pole" with no object, and keeps the session's reference to the engine (replacing an earlier one).
    // `declaration` (not counted) is what "dokument" is bound to in every evaluation.
    void LoadFormScripts(IXMLDOMNode* document, IDispatch* declaration, ISession* session, HMODULE resources);

    // Evaluates `expression` with "dokument" bound to the declaration and "pole" to `field` (none when
    // null), `this` being the field or else the declaration; the two names are restored afterwards, also
    // when the evaluation fails, so evaluations nest. An empty expression answers empty without touching
    // the engine; without an engine anything else raises E_POINTER. A script error is raised unchanged.
    tlx::Variant EvaluateFormScript(const CBstr& expression, IDispatch* field);

    // The engine, resolved from the kept reference; null while none is kept.
    tlx::ComPtr<IScriptEngine> GetScriptEngine() const;
    // Resets the engine's script state (the host decides what survives); nothing without an engine.
    void ResetScriptEngine();

private:
    tlx::ComPtr<ISessionReference> engineReference_;
    IDispatch* declaration_ = nullptr;
};
