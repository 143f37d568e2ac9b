// Fuzzes the form-definition loader: a definition text and the field sets it includes, as resources.
//
// Input: resources separated by NUL bytes, each "NAME\nTEXT". The first is the definition; its name
// "TYPE/VERSION" gives the form type and version the declaration asks for. The others are field sets
// (type "XML") or, under a name starting with "js:", scripts (type "JS"). The script engine is a stand-in
// that takes any text: the loader is fuzzed here, not the script language.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/forms/DefinicjaDeklaracji.h"
#include "platform/com/Dispatch.h"

namespace {

class CEngine final : public tlx::ComObject<CEngine, IScriptEngine> {
public:
    HRESULT GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    HRESULT GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override { return E_NOTIMPL; }
    HRESULT Evaluate(BSTR, VARIANT, VARIANT* result) override { return VariantClear(result); }
    HRESULT AddScriptText(BSTR) override { return S_OK; }
    HRESULT Reset() override { return S_OK; }
    HRESULT AddNamedItem(BSTR, IDispatch*) override { return S_OK; }
    HRESULT GetNamedItem(BSTR, IDispatch** object) override {
        *object = nullptr;
        return S_OK;
    }
};

class CReference final : public tlx::ComObject<CReference, ISessionReference> {
public:
    tlx::ComPtr<IDispatch> object;
    HRESULT GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    HRESULT GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override { return E_NOTIMPL; }
    HRESULT GetSession(ISession** session) override {
        *session = nullptr;
        return E_NOTIMPL;
    }
    HRESULT GetObject(IDispatch** out) override { return object.CopyTo(out); }
};

class CSession final : public tlx::ComObject<CSession, ISession> {
public:
    HRESULT GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    HRESULT GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override { return E_NOTIMPL; }
    HRESULT CreateObject(BSTR, VARIANT, IDispatch** object) override {
        return CEngine::Make()->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(object));
    }
    HRESULT GetReference(IDispatch* object, ISessionReference** out) override {
        auto reference = CReference::Make();
        reference->object = tlx::ComPtr<IDispatch>(object);
        *out = reference.Detach();
        return S_OK;
    }
    HRESULT Prepare() override { return S_OK; }
    HRESULT SaveChanges() override { return S_OK; }
};

// "TYPE/VERSION" read as the loader's resource name is built; 0 for what is no number.
LONG NumberAt(std::string_view text, std::size_t& at) {
    LONG value = 0;
    bool negative = at < text.size() && text[at] == '-';
    if (negative) ++at;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9' && value < 100000000; ++at)
        value = value * 10 + (text[at] - '0');
    return negative ? -value : value;
}

// Exercises what a declaration reads of a loaded definition.
void ReadLoaded(CDefinicjaDeklaracji& definition) {
    (void)definition.GetEventExpression(u"onload");
    for (std::size_t i = 0; i < definition.FieldCount(); ++i) {
        tlx::ComPtr<CDekElementInfo> field = definition.GetFieldByIndex(i);
        if (definition.GetFieldByDispId(field->DispId()).Get() != field.Get()) __builtin_trap();
        if (!definition.FindFieldByName(field->Nazwa().View())) __builtin_trap();
        (void)definition.GetFieldByNumber(field->Lp());
        (void)definition.FindFieldByLpw(field->Lpw());
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> names;
    std::vector<std::string_view> texts;
    for (std::size_t start = 0; start <= input.size();) {
        std::size_t end = input.find('\0', start);
        if (end == std::string_view::npos) end = input.size();
        std::string_view part = input.substr(start, end - start);
        std::size_t line = part.find('\n');
        if (line == std::string_view::npos) line = part.size();
        names.emplace_back(part.substr(0, line));
        texts.push_back(part.substr(std::min(line + 1, part.size())));
        start = end + 1;
    }
    std::vector<ResourceEntry> entries;
    for (std::size_t i = 0; i < names.size(); ++i) {
        bool script = names[i].rfind("js:", 0) == 0;
        entries.push_back({script ? "JS" : "XML", names[i].c_str() + (script ? 3 : 0),
                           reinterpret_cast<const unsigned char*>(texts[i].data()), texts[i].size()});
    }
    ResourceTable table{entries.data(), entries.size()};

    std::size_t at = 0;
    LONG typDeklar = NumberAt(names[0], at);
    if (at < names[0].size() && names[0][at] == '/') ++at;
    LONG wersja = NumberAt(names[0], at);

    tlx::ComPtr<CSession> session = CSession::Make();
    CDefinicjaDeklaracji definition(&table);
    try {
        definition.LoadFormDefinition(nullptr, typDeklar, wersja, session.Get());
        ReadLoaded(definition);
    } catch (const ComError&) {
        // A definition the loader refuses: refused with a COM error is what is expected.
    }
    SetErrorInfo(0, nullptr);
    return 0;
}
