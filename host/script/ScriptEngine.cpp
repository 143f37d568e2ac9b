#include "host/script/ScriptEngine.h"

#include <algorithm>
#include <functional>
#include <mutex>
#include <unordered_map>

#include "platform/com/ClassRegistry.h"
#include "platform/com/ErrorInfo.h"

const tlx::DispatchTable& DispatchTableOf(IScriptEngine*) {
    static const tlx::DispatchTable table{
        tlx::DispMethod<&IScriptEngine::Evaluate>(u"Evaluate", 1, 1),
        tlx::DispMethod<&IScriptEngine::AddScriptText>(u"AddScriptText", 2),
        tlx::DispMethod<&IScriptEngine::Reset>(u"Reset", 3),
        tlx::DispMethod<&IScriptEngine::AddNamedItem>(u"AddNamedItem", 4),
        tlx::DispMethod<&IScriptEngine::GetNamedItem>(u"GetNamedItem", 5),
    };
    return table;
}

namespace tlx::host {

namespace {
std::u16string_view View(BSTR text) { return {text ? text : u"", SysStringLen(text)}; }

HRESULT Fail(HRESULT hr, std::u16string_view description) {
    return ReportFailure({hr, std::u16string(description), 0});
}

// The script texts that engines keep to run again at Reset, one copy for the process while any engine
// holds it: every declaration of a form adds the same text to an engine of its own.
class SharedScriptTexts {
public:
    std::shared_ptr<const std::u16string> Share(std::u16string_view code) {
        std::size_t hash = std::hash<std::u16string_view>{}(code);
        std::lock_guard lock(mutex_);
        auto [first, last] = texts_.equal_range(hash);
        for (auto it = first; it != last; ++it)
            if (auto text = it->second.lock(); text && *text == code) return text;
        if (texts_.size() >= 2 * liveAtLastSweep_) Sweep();
        auto text = std::make_shared<const std::u16string>(code);
        texts_.emplace(hash, text);
        return text;
    }

private:
    // Forgets the texts no engine holds any longer.
    void Sweep() {
        std::erase_if(texts_, [](const auto& entry) { return entry.second.expired(); });
        liveAtLastSweep_ = std::max<std::size_t>(texts_.size(), kFirstSweep);
    }

    static constexpr std::size_t kFirstSweep = 32;
    std::mutex mutex_;
    std::unordered_multimap<std::size_t, std::weak_ptr<const std::u16string>> texts_;
    std::size_t liveAtLastSweep_ = kFirstSweep;
};

SharedScriptTexts& ScriptTexts() {
    static SharedScriptTexts texts;
    return texts;
}
}  // namespace

HRESULT CScriptEngine::FinalConstruct() {
    runtime_ = std::make_unique<ScriptRuntime>(creator_);
    return S_OK;
}

HRESULT CScriptEngine::Evaluate(BSTR code, VARIANT thisObject, VARIANT* result) {
    if (!result) return E_POINTER;
    VariantInit(result);
    ComPtr<IScriptEngine> keepAlive(this);  // the script may drop the caller's last reference
    ScriptFailure failure;
    Variant value;
    ++running_;
    HRESULT hr = runtime_->Evaluate(View(code), thisObject, value, failure);
    --running_;
    if (FAILED(hr)) return ReportFailure(failure);
    *result = value.Detach();
    return S_OK;
}

HRESULT CScriptEngine::AddScriptText(BSTR code) {
    ComPtr<IScriptEngine> keepAlive(this);
    ScriptFailure failure;
    ++running_;
    HRESULT hr = runtime_->RunGlobalCode(View(code), failure);
    --running_;
    if (FAILED(hr)) return ReportFailure(failure);
    scripts_.push_back(ScriptTexts().Share(View(code)));
    return S_OK;
}

HRESULT CScriptEngine::Reset() {
    if (running_ > 0) return Fail(E_UNEXPECTED, u"Nie można zresetować skryptu w trakcie jego wykonywania");
    ComPtr<IScriptEngine> keepAlive(this);
    auto fresh = std::make_unique<ScriptRuntime>(creator_);
    HRESULT first = S_OK;
    ScriptFailure failure;
    ++running_;
    for (const auto& [name, object] : namedItems_) {
        if (HRESULT hr = fresh->BindGlobal(name, object.Get(), failure); FAILED(hr) && SUCCEEDED(first)) first = hr;
    }
    for (const auto& script : scripts_) {
        if (HRESULT hr = fresh->RunGlobalCode(*script, failure); FAILED(hr) && SUCCEEDED(first)) first = hr;
    }
    --running_;
    runtime_ = std::move(fresh);
    return FAILED(first) ? ReportFailure(failure) : S_OK;
}

HRESULT CScriptEngine::AddNamedItem(BSTR name, IDispatch* object) {
    if (View(name).empty()) return Fail(E_INVALIDARG, u"Pusta nazwa elementu skryptu");
    ScriptFailure failure;
    if (HRESULT hr = runtime_->BindGlobal(View(name), object, failure); FAILED(hr)) return ReportFailure(failure);
    for (auto& [itemName, itemObject] : namedItems_) {
        if (itemName == View(name)) {
            itemObject = ComPtr<IDispatch>(object);
            return S_OK;
        }
    }
    namedItems_.emplace_back(std::u16string(View(name)), ComPtr<IDispatch>(object));
    return S_OK;
}

HRESULT CScriptEngine::GetNamedItem(BSTR name, IDispatch** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    for (const auto& [itemName, itemObject] : namedItems_) {
        if (itemName == View(name)) return itemObject.CopyTo(object);
    }
    return Fail(E_INVALIDARG, u"Brak elementu skryptu o nazwie '" + std::u16string(View(name)) + u"'");
}

void CScriptEngine::SetObjectCreator(ScriptObjectCreator creator) { creator_ = std::move(creator); }

HRESULT RegisterScriptEngineClass(DWORD* cookie) {
    ComPtr<IClassFactory> factory;
    if (HRESULT hr = ClassFactory<CScriptEngine>::Get(IID_IClassFactory, factory.OutVoid()); FAILED(hr)) return hr;
    return RegisterProcessClass(CLSID_ScriptEngine, u"TLX.ScriptEngine", factory.Get(), cookie);
}

}  // namespace tlx::host
