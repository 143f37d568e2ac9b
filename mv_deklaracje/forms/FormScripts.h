// The calculation scripts of one declaration: the form's "script" texts joined with the library
// "Tools", run by an engine the host's session creates, and the one routine through which every
// expression of the definition is evaluated with "dokument" (the declaration) and "pole" (the field at
// hand) bound, and for scripts that name them "Session" (the declaration's host session) and "Konfig"
// (the host's configuration object of that session).
//
// How a declaration's script state is kept apart from the shared definition: the script text is part
// of the form's definition, read once per process and shared read-only by every declaration of the form
// (CFormDefinition), and the host compiles each text once for the process; everything a script can
// change lives in the declaration's own engine, created for that declaration alone. Its global
// variables (those the form's events set), the objects the scripts made and the "dokument" and "pole"
// bindings are that engine's, so two declarations of one form, calculating at once or one inside the
// other's script, never see each other's state. The engine is created when the declaration first
// evaluates an expression, not when the definition is loaded: a declaration that is only opened, read
// and saved runs no script and has no engine. The engine's script heap need not be its own for the
// declaration's whole life: between its calls the host may lend it to a pool of pristine heaps of the
// same form, when what the declaration's events left in it is no more than globals holding primitive
// values (the variables they set), which the engine then keeps; the next evaluation takes a pristine
// heap of the form and puts "dokument" and those values back. A heap whose objects an event changed, or
// that holds an object in a global, stays the declaration's own. Either way the state is the
// declaration's and no other declaration of the form sees it.
#pragma once

#include "hostapi/ScriptEngine.h"
#include "hostapi/Session.h"
#include "mv_deklaracje/core/Bstr.h"
#include "platform/com/ComPtr.h"
#include "platform/res/Resources.h"
#include "platform/xml/XmlDom.h"

class ResourceSnapshot;

class CFormScripts {
public:
    // The script text of a definition: every "/deklaracja/script" element in document order (a "src"
    // attribute names a JS resource, otherwise the element's own text is code), then the JS resource
    // "Tools". Pieces are joined with a line break, so that a script whose last line is a "//" comment
    // cannot swallow the first line of the next one. A missing resource contributes nothing.
    static CBstr AssembleScriptText(IXMLDOMNode* document, HMODULE resources);
    // The same, reading the resources through `resources` (which keeps what it read).
    static CBstr AssembleScriptText(IXMLDOMNode* document, ResourceSnapshot& resources);
    // Whether script text `text` names "Session" or "Konfig" on its own (not as a member, as in
    // "dokument.Session", nor as part of a longer name). Comments and strings count too: binding an item
    // no script reads costs nothing but the binding. The answer depends on the text alone, so a
    // definition finds it once and hands it to every Prepare.
    static bool NamesHostObjects(std::u16string_view text);

    // Makes ready for `declaration` (not counted; what "dokument" is bound to in every evaluation) the
    // scripts `text`, whose engine is created through `session` at the first evaluation; `namesHost` is
    // NamesHostObjects(text). Only a reference to the session is kept, which does not keep the session open.
    void Prepare(const CBstr& text, bool namesHost, IDispatch* declaration, ISession* session);

    // Evaluates `expression` with "dokument" bound to the declaration and "pole" to `field` (none when
    // null), `this` being the field or else the declaration; the two names are restored afterwards, also
    // when the evaluation fails, so evaluations nest. An empty expression answers empty without touching
    // the engine. Before Prepare anything else raises E_POINTER. The first evaluation creates the engine
    // through the session, gives it the script text and declares "dokument" and "pole" with no object,
    // and keeps the session's reference to it; a failure of that raises, keeps no engine, and the next
    // evaluation tries again. A script error is raised unchanged.
    tlx::Variant EvaluateFormScript(const CBstr& expression, IDispatch* field);

    // Writes `text` as the scripts' library traces it, through a new "TLX.ClaSupport" created by the
    // session, without an engine. Before Prepare E_POINTER.
    void TraceWithoutEngine(std::u16string_view text);

    // An engine was created (and is kept by reference).
    bool HasEngine() const { return static_cast<bool>(engineReference_); }
    // The engine, resolved from the kept reference; null while none is kept (no script ran yet).
    tlx::ComPtr<IScriptEngine> GetScriptEngine() const;
    // Resets the engine's script state (the host decides what survives); nothing without an engine.
    void ResetScriptEngine();

private:
    tlx::ComPtr<IScriptEngine> CreateEngine();
    void BindHost(IScriptEngine* engine);

    CBstr text_;
    // The scripts name "Session" or "Konfig" (the host's session and configuration object), which
    // then are bound for each outermost evaluation as "dokument" is.
    bool bindsHost_ = false;
    tlx::ComPtr<ISessionReference> sessionReference_;
    tlx::ComPtr<ISessionReference> engineReference_;
    IDispatch* declaration_ = nullptr;
};
