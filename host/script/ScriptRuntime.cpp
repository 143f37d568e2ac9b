#include "host/script/ScriptRuntime.h"

#include <pthread.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>

#include "host/script/CallAssignment.h"
#include "host/script/JScriptLibrary.h"
#include "host/script/PropertyDefinitionWatch.h"
#include "host/script/ScriptText.h"
#include "host/script/ScriptValues.h"
#include "platform/com/ClassRegistry.h"

namespace tlx::host {

namespace {

// Global code compiled once for the process: the bytecode of each script text, loaded into every heap
// that runs the text again (the form scripts of every declaration of a form are the same texts). A
// text that fails to compile is not kept; the store starts afresh when it is full.
class CompiledScripts {
public:
    std::optional<std::string> Find(std::u16string_view code) {
        std::lock_guard lock(mutex_);
        auto found = bytecode_.find(std::u16string(code));
        if (found == bytecode_.end()) return std::nullopt;
        return found->second;
    }
    void Keep(std::u16string_view code, std::string bytecode) {
        std::lock_guard lock(mutex_);
        if (bytecode_.size() >= kMaxScripts) bytecode_.clear();
        bytecode_[std::u16string(code)] = std::move(bytecode);
    }

private:
    static constexpr std::size_t kMaxScripts = 256;
    std::mutex mutex_;
    std::unordered_map<std::u16string, std::string> bytecode_;
};

CompiledScripts& Compiled() {
    static CompiledScripts scripts;
    return scripts;
}

// Leaves the compiled function of `code` on the stack; false with the error there when it does not
// compile.
bool CompileGlobalCode(duk_context* ctx, std::u16string_view code) {
    if (std::optional<std::string> bytecode = Compiled().Find(code)) {
        void* buffer = duk_push_fixed_buffer(ctx, bytecode->size());
        std::memcpy(buffer, bytecode->data(), bytecode->size());
        duk_load_function(ctx);
        return true;
    }
    std::string bytes = RewriteCallAssignments(ToScriptBytes(code));
    if (duk_pcompile_lstring(ctx, 0, bytes.data(), bytes.size()) != DUK_EXEC_SUCCESS) return false;
    duk_dup_top(ctx);
    duk_dump_function(ctx);
    duk_size_t size = 0;
    const void* dumped = duk_get_buffer_data(ctx, -1, &size);
    Compiled().Keep(code, std::string(static_cast<const char*>(dumped), size));
    duk_pop(ctx);
    return true;
}

// The stash's object of compiled eval code by its text; it starts afresh when it holds this many.
constexpr const char* kEvalCodeKey = DUK_HIDDEN_SYMBOL("tlxEvalCode");
constexpr std::size_t kMaxEvalCode = 1024;

// Room left on the thread's stack below which no evaluation starts: a nested evaluation fails with an
// error instead of overflowing the stack.
constexpr std::uintptr_t kMinimumStackHeadroom = 384 * 1024;

std::uintptr_t StackLowEnd() {
    pthread_attr_t attributes;
    void* low = nullptr;
    std::size_t size = 0;
    if (pthread_getattr_np(pthread_self(), &attributes) != 0) return 0;
    pthread_attr_getstack(&attributes, &low, &size);
    pthread_attr_destroy(&attributes);
    return reinterpret_cast<std::uintptr_t>(low);
}

// Evaluations nested deeper than this fail before the heap's own limit of native recursion does (each
// level costs the heap a few native calls).
constexpr int kMaximumNesting = 250;

bool EnoughStack() {
    thread_local const std::uintptr_t low = StackLowEnd();
    auto here = reinterpret_cast<std::uintptr_t>(__builtin_frame_address(0));
    return low == 0 || here - low > kMinimumStackHeadroom;
}

void Fatal(void*, const char* message) {
    std::fprintf(stderr, "script heap: fatal error: %s\n", message ? message : "");
    std::abort();
}

// [... global name value] -> [... global]: (re)defines a read-only global. A safe call runs in its
// caller's frame, so its arguments are addressed from the top.
duk_ret_t DefineGlobal(duk_context* ctx, void*) {
    duk_def_prop(ctx, -3, DUK_DEFPROP_HAVE_VALUE | DUK_DEFPROP_FORCE | DUK_DEFPROP_CLEAR_WRITABLE |
                             DUK_DEFPROP_SET_ENUMERABLE | DUK_DEFPROP_SET_CONFIGURABLE);
    return 0;
}

// Counts one running evaluation for its scope.
class NestingGuard {
public:
    explicit NestingGuard(int& depth) : depth_(depth) { ++depth_; }
    ~NestingGuard() { --depth_; }
    NestingGuard(const NestingGuard&) = delete;
    NestingGuard& operator=(const NestingGuard&) = delete;

private:
    int& depth_;
};

ScriptFailure OutOfStack() {
    return {kScriptOutOfStack, u"Zbyt głęboko zagnieżdżone wywołania skryptu", 0};
}

// Pushes the stash's date helper `name`.
void PushDateHelper(duk_context* ctx, const char* name) {
    duk_push_global_stash(ctx);
    duk_get_prop_string(ctx, -1, kDateHelpersKey);
    duk_get_prop_string(ctx, -1, name);
    duk_remove(ctx, -2);
    duk_remove(ctx, -2);
}

}  // namespace

ScriptRuntime::ScriptRuntime(const ScriptObjectCreator& creator) : creator_(&creator) {
    ctx_ = duk_create_heap(Allocate, Reallocate, Free, this, Fatal);
    if (!ctx_) Fatal(nullptr, "no memory for a script heap");
    bridge_ = std::make_unique<DispatchBridge>(ctx_);
    enumerators_ = std::make_unique<ScriptEnumerators>(ctx_);
    if (!InstallJScriptLibrary(ctx_)) Fatal(nullptr, "the JScript library did not install");
    WatchPropertyDefinitions(ctx_);
}

ScriptRuntime::~ScriptRuntime() {
    enumerators_->ReleaseAll();
    bridge_->ReleaseAll();
    pristine_.reset();
    watched_.clear();
    duk_destroy_heap(ctx_);
}

void* ScriptRuntime::Allocate(void* udata, duk_size_t size) {
    void* block = std::malloc(size);
    auto* self = static_cast<ScriptRuntime*>(udata);
    if (self->recording_ && block) self->recording_->push_back(block);
    return block;
}

void* ScriptRuntime::Reallocate(void* udata, void* block, duk_size_t size) {
    auto* self = static_cast<ScriptRuntime*>(udata);
    if (block) self->Release(block);
    void* moved = std::realloc(block, size);
    if (self->recording_ && moved) self->recording_->push_back(moved);
    return moved;
}

void ScriptRuntime::Free(void* udata, void* block) {
    if (block) static_cast<ScriptRuntime*>(udata)->Release(block);
    std::free(block);
}

std::vector<void*> ScriptRuntime::RecordAllocations(const std::function<void()>& action) {
    std::vector<void*> made;
    recording_ = &made;
    action();
    recording_ = nullptr;
    return made;
}

bool ScriptRuntime::ReadPristine() {
    ForgetPristine();
    pristine_ = PristineHeap::Read(*this);
    if (!pristine_) StopWatching();
    disturbed_ = false;
    return static_cast<bool>(pristine_);
}

void ScriptRuntime::ForgetPristine() {
    if (!pristine_) return;
    pristine_.reset();
    StopWatching();
    PristineHeap::Unpin(*this);
}

void ScriptRuntime::StopWatching() {
    watched_.clear();
    filter_.fill(0);
}

void ScriptRuntime::NoteDefinition(void* object) {
    if (pristine_ && pristine_->Contains(object)) disturbed_ = true;
}

ScriptRuntime& ScriptRuntime::Of(duk_context* ctx) {
    duk_memory_functions functions;
    duk_get_memory_functions(ctx, &functions);
    return *static_cast<ScriptRuntime*>(functions.udata);
}

HRESULT ScriptRuntime::RunCompiled(bool compiled, ScriptFailure& failure) {
    if (!compiled) {
        failure = ReadThrownValue(ctx_, -1, kScriptSyntaxError);
        failure.hr = kScriptSyntaxError;
        return failure.hr;
    }
    if (duk_pcall_method(ctx_, 0) != DUK_EXEC_SUCCESS) {
        failure = ReadThrownValue(ctx_, -1, kScriptRuntimeError);
        return failure.hr;
    }
    return S_OK;
}

bool ScriptRuntime::CompileEvalCode(std::u16string_view code) {
    const std::string text = ToScriptBytes(code);
    duk_push_global_stash(ctx_);
    if (!duk_get_prop_string(ctx_, -1, kEvalCodeKey) || evalCodeKept_ >= kMaxEvalCode) {
        duk_pop(ctx_);
        duk_push_bare_object(ctx_);
        duk_dup_top(ctx_);
        duk_put_prop_string(ctx_, -3, kEvalCodeKey);
        evalCodeKept_ = 0;
    }
    // [... stash kept]
    if (duk_get_prop_lstring(ctx_, -1, text.data(), text.size())) {
        duk_remove(ctx_, -2);
        duk_remove(ctx_, -2);
        return true;
    }
    duk_pop_3(ctx_);
    std::string bytes = RewriteCallAssignments(text);
    if (duk_pcompile_lstring(ctx_, DUK_COMPILE_EVAL, bytes.data(), bytes.size()) != DUK_EXEC_SUCCESS) return false;
    // [... compiled] -> the compiled code kept under its text, left on the stack.
    duk_push_global_stash(ctx_);
    duk_get_prop_string(ctx_, -1, kEvalCodeKey);
    duk_push_lstring(ctx_, text.data(), text.size());
    duk_dup(ctx_, -4);
    duk_put_prop(ctx_, -3);
    duk_pop_2(ctx_);
    ++evalCodeKept_;
    return true;
}

HRESULT ScriptRuntime::RunGlobalCode(std::u16string_view code, ScriptFailure& failure) {
    NestingGuard nesting(nesting_);
    if (nesting_ > kMaximumNesting || !EnoughStack()) {
        failure = OutOfStack();
        return failure.hr;
    }
    duk_idx_t base = duk_get_top(ctx_);
    bool compiled = CompileGlobalCode(ctx_, code);
    if (compiled) duk_push_global_object(ctx_);
    HRESULT hr = RunCompiled(compiled, failure);
    duk_set_top(ctx_, base);
    return hr;
}

HRESULT ScriptRuntime::Evaluate(std::u16string_view code, const VARIANT& thisObject, Variant& result,
                                ScriptFailure& failure) {
    NestingGuard nesting(nesting_);
    if (nesting_ > kMaximumNesting || !EnoughStack()) {
        failure = OutOfStack();
        return failure.hr;
    }
    duk_idx_t base = duk_get_top(ctx_);
    bool compiled = CompileEvalCode(code);
    if (compiled) {
        bool isObject = (thisObject.vt == VT_DISPATCH || thisObject.vt == VT_UNKNOWN) && thisObject.punkVal;
        if (!isObject) {
            duk_push_global_object(ctx_);
        } else if (!PushVariant(*this, thisObject)) {
            failure = ReadThrownValue(ctx_, -1, DISP_E_TYPEMISMATCH);
            duk_set_top(ctx_, base);
            return failure.hr;
        }
    }
    HRESULT hr = RunCompiled(compiled, failure);
    if (SUCCEEDED(hr)) {
        std::u16string description;
        hr = ReadVariant(*this, -1, result, description);
        if (FAILED(hr)) failure = {hr, description, 0};
    }
    duk_set_top(ctx_, base);
    return hr;
}

HRESULT ScriptRuntime::BindGlobal(std::u16string_view name, IDispatch* object, ScriptFailure& failure) {
    std::string key = ToScriptBytes(name);
    duk_idx_t base = duk_get_top(ctx_);
    duk_push_global_object(ctx_);
    duk_push_lstring(ctx_, key.data(), key.size());
    bridge_->PushObject(object, object);
    HRESULT hr = S_OK;
    if (duk_safe_call(ctx_, DefineGlobal, nullptr, 3, 1) != DUK_EXEC_SUCCESS) {
        failure = ReadThrownValue(ctx_, -1, E_INVALIDARG);
        hr = failure.hr;
    }
    duk_set_top(ctx_, base);
    return hr;
}

HRESULT ScriptRuntime::CreateObject(std::u16string_view progId, ComPtr<IDispatch>& object) const {
    if (*creator_) {
        HRESULT hr = (*creator_)(progId, object.Out());
        return SUCCEEDED(hr) && !object ? E_POINTER : hr;
    }
    std::u16string name(progId);
    CLSID clsid;
    HRESULT hr = CLSIDFromProgID(name.c_str(), &clsid);
    if (FAILED(hr)) return hr;
    return CoCreateInstance(clsid, nullptr, CLSCTX_ALL, IID_IDispatch, object.OutVoid());
}

bool ScriptRuntime::PushDate(const CalendarTime& time) {
    PushDateHelper(ctx_, "makeDate");
    for (int value : {time.year, time.month - 1, time.day, time.hour, time.minute, time.second, 0})
        duk_push_int(ctx_, value);
    return duk_pcall(ctx_, 7) == DUK_EXEC_SUCCESS;
}

std::optional<CalendarTime> ScriptRuntime::ReadDate(duk_idx_t index, bool& invalid) {
    index = duk_normalize_index(ctx_, index);
    invalid = false;
    PushDateHelper(ctx_, "dateParts");
    duk_dup(ctx_, index);
    std::optional<CalendarTime> parts;
    if (duk_pcall(ctx_, 1) == DUK_EXEC_SUCCESS) {
        if (duk_is_array(ctx_, -1)) {
            int values[6] = {};
            for (duk_uarridx_t i = 0; i < 6; ++i) {
                duk_get_prop_index(ctx_, -1, i);
                values[i] = duk_get_int(ctx_, -1);
                duk_pop(ctx_);
            }
            parts = CalendarTime{};
            parts->year = values[0];
            parts->month = values[1];
            parts->day = values[2];
            parts->hour = values[3];
            parts->minute = values[4];
            parts->second = values[5];
        } else {
            invalid = duk_is_boolean(ctx_, -1);
        }
    }
    duk_pop(ctx_);
    return parts;
}

}  // namespace tlx::host
