#include "mv_deklaracje/forms/FormScripts.h"

#include <string>

#include "hostapi/Configuration.h"
#include "hostapi/ScriptSupport.h"
#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/forms/FormXml.h"
#include "mv_deklaracje/forms/ResourceSnapshot.h"
#include "platform/text/CodePage.h"

namespace {

constexpr char16_t kDokument[] = u"dokument";
constexpr char16_t kPole[] = u"pole";
// The host's session and configuration, bound for the scripts that name them.
constexpr char16_t kSession[] = u"Session";
constexpr char16_t kKonfig[] = u"Konfig";

bool IsNamePart(char16_t c) {
    return c == u'_' || c == u'$' || (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

// Whether the script text names `name` on its own (CFormScripts::NamesHostObjects).
bool NamesGlobal(std::u16string_view text, std::u16string_view name) {
    for (std::size_t at = text.find(name); at != std::u16string_view::npos; at = text.find(name, at + 1)) {
        const char16_t before = at == 0 ? u' ' : text[at - 1];
        const std::size_t end = at + name.size();
        const char16_t after = end < text.size() ? text[end] : u' ';
        if (before != u'.' && !IsNamePart(before) && !IsNamePart(after)) return true;
    }
    return false;
}

void Bind(IScriptEngine* engine, const char16_t* name, IDispatch* object) {
    tlx::Bstr text(name);
    CheckHost(engine->AddNamedItem(text.Get(), object));
}

tlx::ComPtr<IDispatch> Bound(IScriptEngine* engine, const char16_t* name) {
    tlx::Bstr text(name);
    tlx::ComPtr<IDispatch> object;
    CheckHost(engine->GetNamedItem(text.Get(), object.Out()));
    return object;
}

}  // namespace

CBstr CFormScripts::AssembleScriptText(IXMLDOMNode* document, HMODULE resources) {
    ResourceSnapshot snapshot(resources);
    return AssembleScriptText(document, snapshot);
}

CBstr CFormScripts::AssembleScriptText(IXMLDOMNode* document, ResourceSnapshot& resources) {
    std::u16string text;
    auto append = [&](const CBstr& piece) {
        if (piece.IsEmpty()) return;
        if (!text.empty()) text += u'\n';
        text += piece.View();
    };
    for (const tlx::ComPtr<IXMLDOMNode>& script : SelectNodeList(document, u"/deklaracja/script")) {
        if (auto src = ReadAttribute(script.Get(), u"src"))
            append(resources.Read(tlx::Utf16ToUtf8(src->View()), "JS"));
        else
            append(NodeText(script.Get()));
    }
    append(resources.Read("Tools", "JS"));
    return CBstr(text);
}

bool CFormScripts::NamesHostObjects(std::u16string_view text) {
    return NamesGlobal(text, kSession) || NamesGlobal(text, kKonfig);
}

void CFormScripts::Prepare(const CBstr& text, bool namesHost, IDispatch* declaration, ISession* session) {
    if (!session) RaiseHResult(E_POINTER);
    tlx::ComPtr<ISessionReference> reference;
    CheckHost(session->GetReference(nullptr, reference.Out()));
    if (!reference) RaiseHResult(E_POINTER);
    text_ = text;
    bindsHost_ = namesHost;
    sessionReference_ = reference;
    engineReference_.Reset();
    declaration_ = declaration;
}

tlx::ComPtr<IScriptEngine> CFormScripts::CreateEngine() {
    if (!sessionReference_) RaiseHResult(E_POINTER);
    tlx::ComPtr<ISession> session;
    CheckHost(sessionReference_->GetSession(session.Out()));
    if (!session) RaiseHResult(E_POINTER);
    tlx::Bstr engineClass(tlx::GuidToText(CLSID_ScriptEngine));
    tlx::ComPtr<IDispatch> created;
    CheckHost(session->CreateObject(engineClass.Get(), tlx::Variant::Missing(), created.Out()));
    auto engine = created.As<IScriptEngine>();
    if (!engine) RaiseHResult(E_POINTER);
    tlx::Bstr code(text_.View());
    CheckHost(engine->AddScriptText(code.Get()));
    Bind(engine.Get(), kDokument, nullptr);
    Bind(engine.Get(), kPole, nullptr);
    if (bindsHost_) {
        Bind(engine.Get(), kSession, nullptr);
        Bind(engine.Get(), kKonfig, nullptr);
    }
    tlx::ComPtr<ISessionReference> reference;
    CheckHost(session->GetReference(created.Get(), reference.Out()));
    engineReference_ = reference;
    return engine;
}

void CFormScripts::TraceWithoutEngine(std::u16string_view text) {
    if (!sessionReference_) RaiseHResult(E_POINTER);
    tlx::ComPtr<ISession> session;
    CheckHost(sessionReference_->GetSession(session.Out()));
    if (!session) RaiseHResult(E_POINTER);
    tlx::ComPtr<IDispatch> support;
    CheckHost(session->CreateObject(tlx::Bstr(kProgIdClaSupport).Get(), tlx::Variant::Missing(), support.Out()));
    if (!support) RaiseHResult(E_POINTER);
    LPOLESTR name = const_cast<LPOLESTR>(u"Trace");
    DISPID id = DISPID_UNKNOWN;
    CheckHost(support->GetIDsOfNames(IID_NULL, &name, 1, 0, &id));
    tlx::Variant argument = tlx::Variant::FromString(text);
    DISPPARAMS parameters{&argument, nullptr, 1, 0};
    CheckHost(support->Invoke(id, IID_NULL, 0, DISPATCH_METHOD, &parameters, nullptr, nullptr, nullptr));
}

tlx::ComPtr<IScriptEngine> CFormScripts::GetScriptEngine() const {
    if (!engineReference_) return nullptr;
    tlx::ComPtr<IDispatch> object;
    CheckHost(engineReference_->GetObject(object.Out()));
    return object.As<IScriptEngine>();
}

void CFormScripts::ResetScriptEngine() {
    if (!engineReference_) return;
    tlx::ComPtr<IScriptEngine> engine = GetScriptEngine();
    if (!engine) RaiseHResult(E_POINTER);
    CheckHost(engine->Reset());
}

// The host's session and its configuration for an evaluation. They are bound for the outermost
// evaluation only and unbound after it: an engine holding them between evaluations would hold the
// session open and keep its heap from the pool.
void CFormScripts::BindHost(IScriptEngine* engine) {
    tlx::ComPtr<ISession> session;
    CheckHost(sessionReference_->GetSession(session.Out()));
    if (!session) RaiseHResult(E_POINTER);
    tlx::ComPtr<IDispatch> config;
    CheckHost(session->CreateObject(tlx::Bstr(tlx::GuidToText(CLSID_Konfiguracja)).Get(), tlx::Variant::Missing(),
                                    config.Out()));
    tlx::ComPtr<IDispatch> sessionObject;
    CheckHost(session->QueryInterface(IID_IDispatch, sessionObject.OutVoid()));
    Bind(engine, kSession, sessionObject.Get());
    Bind(engine, kKonfig, config.Get());
}

tlx::Variant CFormScripts::EvaluateFormScript(const CBstr& expression, IDispatch* field) {
    tlx::Variant result;
    if (expression.IsEmpty()) return result;
    tlx::ComPtr<IScriptEngine> engine = engineReference_ ? GetScriptEngine() : CreateEngine();
    if (!engine) RaiseHResult(E_POINTER);
    tlx::ComPtr<IDispatch> savedPole = Bound(engine.Get(), kPole);
    tlx::ComPtr<IDispatch> savedDokument = Bound(engine.Get(), kDokument);
    const bool bindHost = bindsHost_ && !savedDokument;  // nested evaluations find them bound
    auto restore = [&] {
        Bind(engine.Get(), kPole, savedPole.Get());
        Bind(engine.Get(), kDokument, savedDokument.Get());
        if (bindHost) {
            Bind(engine.Get(), kSession, nullptr);
            Bind(engine.Get(), kKonfig, nullptr);
        }
    };
    try {
        if (bindHost) BindHost(engine.Get());
        Bind(engine.Get(), kDokument, declaration_);
        Bind(engine.Get(), kPole, field);
        tlx::Variant self = tlx::Variant::FromDispatch(field ? field : declaration_);
        tlx::Bstr code(expression.View());
        CheckHost(engine->Evaluate(code.Get(), self, result.Out()));
    } catch (...) {
        // The error already carries its own error object; a failing restore must not replace it.
        try {
            restore();
        } catch (const ComError&) {
        }
        throw;
    }
    restore();
    return result;
}
