#include "host/script/ScriptEngine.h"

#include <algorithm>
#include <functional>
#include <mutex>
#include <unordered_map>

#include "host/script/ScriptClosures.h"
#include "host/script/ScriptText.h"
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

// Whether running a text may leave state that the pristine reading cannot see: variables kept by a
// closure, or a script proxy of its own.
bool HidesState(std::u16string_view code) {
    return code.find(u"Proxy") != std::u16string_view::npos || MayHideScriptState(ToScriptBytes(code));
}

// The script texts that engines keep to run again, one copy for the process while any engine or pooled
// heap holds it: every declaration of a form adds the same text to an engine of its own. Each is scanned
// once for what may hide state from the pristine reading.
class SharedScriptTexts {
public:
    std::shared_ptr<const ScriptText> Share(std::u16string_view code) {
        std::size_t hash = std::hash<std::u16string_view>{}(code);
        std::lock_guard lock(mutex_);
        auto [first, last] = texts_.equal_range(hash);
        for (auto it = first; it != last; ++it)
            if (auto text = it->second.lock(); text && text->code == code) return text;
        if (texts_.size() >= 2 * liveAtLastSweep_) Sweep();
        auto text = std::make_shared<const ScriptText>(ScriptText{std::u16string(code), HidesState(code)});
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
    std::unordered_multimap<std::size_t, std::weak_ptr<const ScriptText>> texts_;
    std::size_t liveAtLastSweep_ = kFirstSweep;
};

SharedScriptTexts& ScriptTexts() {
    static SharedScriptTexts texts;
    return texts;
}

ScriptSetup With(const ScriptSetup& setup, const SetupStep& step) {
    ScriptSetup longer = setup;
    longer.push_back(step);
    return longer;
}

IUnknown* IdentityOf(IDispatch* object) {
    ComPtr<IUnknown> identity;
    if (FAILED(object->QueryInterface(IID_IUnknown, identity.OutVoid())) || !identity) return object;
    return identity.Get();  // the object stays alive: the engine holds it
}
}  // namespace

// One call of the engine: holds its slot's `use` throughout. A call that is not nested in another of the
// same engine takes it out of the idle list, and when it ends lists it as the newest idle engine (while it
// holds a heap it may lend) and asks the longest unused ones to lend theirs.
class CScriptEngine::Call {
public:
    explicit Call(CScriptEngine& engine) : engine_(engine), use_(engine.slot_->use), outer_(engine.running_ == 0) {
        if (outer_) IdleScriptEngines::Get().Remove(*engine_.slot_);
        ++engine_.running_;
    }
    ~Call() {
        --engine_.running_;
        if (!outer_) return;
        if (engine_.runtime_ && engine_.pooled_) IdleScriptEngines::Get().Add(engine_.slot_);
        use_.unlock();
        IdleScriptEngines::Get().Trim();
    }
    Call(const Call&) = delete;
    Call& operator=(const Call&) = delete;

private:
    CScriptEngine& engine_;
    std::unique_lock<std::recursive_mutex> use_;
    bool outer_;
};

HRESULT CScriptEngine::FinalConstruct() {
    slot_ = std::make_shared<IdleScriptEngines::Slot>();
    slot_->engine = this;
    return S_OK;
}

CScriptEngine::~CScriptEngine() {
    std::lock_guard use(slot_->use);
    slot_->engine = nullptr;
    IdleScriptEngines::Get().Remove(*slot_);
    if (running_ == 0) LendHeap();
}

HRESULT CScriptEngine::Evaluate(BSTR code, VARIANT thisObject, VARIANT* result) {
    if (!result) return E_POINTER;
    VariantInit(result);
    ComPtr<IScriptEngine> keepAlive(this);  // the script may drop the caller's last reference
    Call call(*this);
    ScriptFailure failure;
    if (!EnsureHeap(failure)) return ReportFailure(failure);
    Variant value;
    HRESULT hr = runtime_->Evaluate(View(code), thisObject, value, failure);
    if (FAILED(hr)) return ReportFailure(failure);
    *result = value.Detach();
    return S_OK;
}

HRESULT CScriptEngine::AddScriptText(BSTR code) {
    ComPtr<IScriptEngine> keepAlive(this);
    Call call(*this);
    ScriptFailure failure;
    std::shared_ptr<const ScriptText> text = ScriptTexts().Share(View(code));
    if (pooled_ && (!settingUp_ || text->hidesState || AnyObjectBound())) {
        if (!LeavePool(failure)) return ReportFailure(failure);
    }
    if (pooled_) {
        HRESULT hr = AddSetupText(text, failure);
        return FAILED(hr) ? ReportFailure(failure) : S_OK;
    }
    HRESULT hr = runtime_->RunGlobalCode(text->code, failure);
    if (FAILED(hr)) return ReportFailure(failure);
    scripts_.push_back(std::move(text));
    return S_OK;
}

HRESULT CScriptEngine::AddSetupText(const std::shared_ptr<const ScriptText>& text, ScriptFailure& failure) {
    SetupStep step{text, {}};
    ScriptHeapPool* pool = ScriptHeapPool::OfThisThread();
    if (!runtime_ && pool) runtime_ = pool->Take(With(steps_, step), false, heapSteps_);
    if (runtime_ && heapSteps_.size() > steps_.size()) {
        if (heapSteps_[steps_.size()] == step) {  // the pooled heap ran this text already
            runtime_->SetCreator(creator_);
            steps_.push_back(step);
            scripts_.push_back(text);
            return S_OK;
        }
        DropHeap();
    }
    HRESULT hr = S_OK;
    if (!runtime_) runtime_ = MakeHeap(steps_, failure, hr);
    if (FAILED(hr)) return hr;
    std::size_t contacts = runtime_->Bridge().ProxiesMade();
    hr = runtime_->RunGlobalCode(text->code, failure);
    if (FAILED(hr)) {
        // What it did before failing would not be done again.
        ScriptFailure ignored;
        LeavePool(ignored);
        return hr;
    }
    steps_.push_back(step);
    heapSteps_.push_back(step);
    scripts_.push_back(text);
    if (runtime_->Bridge().ProxiesMade() != contacts) {
        ScriptFailure ignored;
        LeavePool(ignored);  // it reached a COM object: running it again might not do the same
    }
    return S_OK;
}

HRESULT CScriptEngine::Reset() {
    if (running_ > 0) return Fail(E_UNEXPECTED, u"Nie można zresetować skryptu w trakcie jego wykonywania");
    ComPtr<IScriptEngine> keepAlive(this);
    Call call(*this);
    if (pooled_ && !settingUp_ && runtime_) {
        --running_;  // lent as between calls
        LendHeap();
        ++running_;
    }
    if (pooled_) {  // its heap lent (or still its setup's pristine one): its state is what it keeps
        if (!settingUp_) DropHeap();
        kept_.clear();
        settingUp_ = true;
        return S_OK;
    }
    auto fresh = std::make_unique<ScriptRuntime>(creator_);
    HRESULT first = S_OK;
    ScriptFailure failure;
    for (const auto& [name, object] : namedItems_) {
        if (HRESULT hr = fresh->BindGlobal(name, object.Get(), failure); FAILED(hr) && SUCCEEDED(first)) first = hr;
    }
    for (const auto& script : scripts_) {
        if (HRESULT hr = fresh->RunGlobalCode(script->code, failure); FAILED(hr) && SUCCEEDED(first)) first = hr;
    }
    runtime_ = std::move(fresh);
    return FAILED(first) ? ReportFailure(failure) : S_OK;
}

HRESULT CScriptEngine::AddNamedItem(BSTR name, IDispatch* object) {
    if (View(name).empty()) return Fail(E_INVALIDARG, u"Pusta nazwa elementu skryptu");
    std::lock_guard use(slot_->use);
    ScriptFailure failure;
    bool known = std::any_of(namedItems_.begin(), namedItems_.end(),
                             [&](const auto& item) { return item.first == View(name); });
    if (pooled_ && !known && !settingUp_ && !LeavePool(failure)) return ReportFailure(failure);
    if (pooled_ && !known) {
        if (HRESULT hr = AddSetupName(View(name), failure); FAILED(hr)) return ReportFailure(failure);
    } else if (runtime_ && !(pooled_ && settingUp_)) {
        if (HRESULT hr = runtime_->BindGlobal(View(name), object, failure); FAILED(hr)) return ReportFailure(failure);
    }
    for (auto& [itemName, itemObject] : namedItems_) {
        if (itemName == View(name)) {
            itemObject = ComPtr<IDispatch>(object);
            return S_OK;
        }
    }
    namedItems_.emplace_back(std::u16string(View(name)), ComPtr<IDispatch>(object));
    return S_OK;
}

HRESULT CScriptEngine::AddSetupName(std::u16string_view name, ScriptFailure& failure) {
    SetupStep step{nullptr, std::u16string(name)};
    if (runtime_ && heapSteps_.size() > steps_.size()) {
        if (heapSteps_[steps_.size()] == step) {
            steps_.push_back(step);
            return S_OK;
        }
        DropHeap();
    }
    if (runtime_) {
        // Bound to nothing while the heap is pristine; its object is bound at the first evaluation.
        if (HRESULT hr = runtime_->BindGlobal(name, nullptr, failure); FAILED(hr)) return hr;
        heapSteps_.push_back(step);
    }
    steps_.push_back(step);
    return S_OK;
}

HRESULT CScriptEngine::GetNamedItem(BSTR name, IDispatch** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    std::lock_guard use(slot_->use);
    for (const auto& [itemName, itemObject] : namedItems_) {
        if (itemName == View(name)) return itemObject.CopyTo(object);
    }
    return Fail(E_INVALIDARG, u"Brak elementu skryptu o nazwie '" + std::u16string(View(name)) + u"'");
}

std::unique_ptr<ScriptRuntime> CScriptEngine::MakeHeap(const ScriptSetup& setup, ScriptFailure& failure,
                                                       HRESULT& hr) {
    auto heap = std::make_unique<ScriptRuntime>(creator_);
    hr = S_OK;
    for (const SetupStep& step : setup) {
        hr = step.text ? heap->RunGlobalCode(step.text->code, failure) : heap->BindGlobal(step.name, nullptr, failure);
        if (FAILED(hr)) return nullptr;
    }
    heapSteps_ = setup;
    return heap;
}

void CScriptEngine::DropHeap() {
    runtime_.reset();
    heapSteps_.clear();
}

bool CScriptEngine::AnyObjectBound() const {
    return std::any_of(namedItems_.begin(), namedItems_.end(), [](const auto& item) { return item.second; });
}

bool CScriptEngine::EnsureHeap(ScriptFailure& failure, bool forPool) {
    if (!pooled_ || (runtime_ && !settingUp_)) return true;
    if (runtime_ && heapSteps_ != steps_) DropHeap();
    if (ScriptHeapPool* pool = ScriptHeapPool::OfThisThread(); !runtime_ && pool) {
        runtime_ = pool->Take(steps_, true, heapSteps_);
        if (runtime_) runtime_->SetCreator(creator_);
    }
    if (!runtime_) {
        HRESULT hr = S_OK;
        runtime_ = MakeHeap(steps_, failure, hr);
        if (!runtime_) return false;
    }
    if (forPool && !runtime_->Pristine() && !runtime_->ReadPristine()) {
        pooled_ = false;  // it holds what the reading cannot see into
    }
    settingUp_ = false;
    for (const auto& [name, object] : namedItems_) {
        if (!object) continue;
        if (FAILED(runtime_->BindGlobal(name, object.Get(), failure))) return false;
    }
    if (!PristineHeap::PutBack(*runtime_, kept_)) {
        failure = {E_UNEXPECTED, u"Nie można odtworzyć stanu skryptu", 0};
        return false;
    }
    kept_.clear();
    return true;
}

bool CScriptEngine::LeavePool(ScriptFailure& failure) {
    if (!pooled_) return true;
    if (settingUp_ && runtime_ && heapSteps_ != steps_) DropHeap();
    if (settingUp_ && !runtime_) {
        HRESULT hr = S_OK;
        runtime_ = MakeHeap(steps_, failure, hr);
        if (!runtime_) return false;
    }
    if (!EnsureHeap(failure, false)) return false;
    KeepHeap();
    return true;
}

void CScriptEngine::KeepHeap() {
    pooled_ = false;
    settingUp_ = false;
    steps_.clear();
    heapSteps_.clear();
    if (runtime_) runtime_->ForgetPristine();
    IdleScriptEngines::Get().Remove(*slot_);
}

bool CScriptEngine::LendHeap() {
    if (!pooled_ || !runtime_ || running_ > 0) return false;
    ScriptHeapPool* pool = ScriptHeapPool::OfThisThread();
    if (settingUp_) {  // pristine as it is, its named items bound to nothing
        if (pool) pool->Put(heapSteps_, std::move(runtime_));
        runtime_.reset();
        heapSteps_.clear();
        return true;
    }
    PristineHeap* pristine = runtime_->Pristine();
    std::vector<IUnknown*> bound;
    std::vector<std::string> names;
    for (const auto& [name, object] : namedItems_) {
        names.push_back(ToScriptBytes(name));
        if (object) bound.push_back(IdentityOf(object.Get()));
    }
    auto holdsOthers = [&] {
        return runtime_->Bridge().HoldsOtherThan(bound) || runtime_->Enumerators().Live() > 0;
    };
    if (holdsOthers()) duk_gc(runtime_->Context(), 0);  // what only garbage holds lets go
    std::optional<std::vector<KeptGlobal>> kept;
    if (pristine && !runtime_->Disturbed() && !holdsOthers()) kept = pristine->Compare(*runtime_, names);
    if (!kept) {
        KeepHeap();
        return false;
    }
    // Freeing the objects the heap held may release what holds this engine: the heap is taken first.
    std::unique_ptr<ScriptRuntime> heap = std::move(runtime_);
    kept_ = std::move(*kept);
    ScriptSetup setup = std::move(heapSteps_);
    heapSteps_.clear();
    ScriptFailure ignored;
    bool reset = true;
    for (const std::string& name : names)
        reset = reset && SUCCEEDED(heap->BindGlobal(FromScriptBytes(name), nullptr, ignored));
    reset = reset && pristine->Restore(*heap, kept_) && !heap->Bridge().HoldsOtherThan({}) && !heap->Disturbed();
    if (reset && pool) pool->Put(setup, std::move(heap));
    return true;
}

void CScriptEngine::SetObjectCreator(ScriptObjectCreator creator) { creator_ = std::move(creator); }

HRESULT RegisterScriptEngineClass(DWORD* cookie) {
    ComPtr<IClassFactory> factory;
    if (HRESULT hr = ClassFactory<CScriptEngine>::Get(IID_IClassFactory, factory.OutVoid()); FAILED(hr)) return hr;
    return RegisterProcessClass(CLSID_ScriptEngine, u"TLX.ScriptEngine", factory.Get(), cookie);
}

}  // namespace tlx::host
