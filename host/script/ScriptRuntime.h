// One script heap with everything the scripts see in it: the JScript habits, the bridge to COM objects,
// the named items. The engine owns one at a time; its Reset builds a new one.
#pragma once

#include <duktape.h>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "host/script/DispatchBridge.h"
#include "host/script/ScriptEngineSetup.h"
#include "host/script/ScriptEnumerators.h"
#include "host/script/PristineHeap.h"
#include "host/script/ScriptError.h"
#include "platform/com/OleDate.h"
#include "platform/com/Variant.h"

namespace tlx::host {

class ScriptRuntime {
public:
    // `creator` belongs to the engine and outlives the runtime (or until SetCreator names another); an
    // empty one creates through the class registry.
    explicit ScriptRuntime(const ScriptObjectCreator& creator);
    ~ScriptRuntime();
    ScriptRuntime(const ScriptRuntime&) = delete;
    ScriptRuntime& operator=(const ScriptRuntime&) = delete;

    static ScriptRuntime& Of(duk_context* ctx);

    // Runs global code; its definitions stay for later runs.
    HRESULT RunGlobalCode(std::u16string_view code, ScriptFailure& failure);
    // Runs an expression or statement list as eval code with `thisObject` as `this`.
    HRESULT Evaluate(std::u16string_view code, const VARIANT& thisObject, Variant& result, ScriptFailure& failure);
    // Defines (or redefines) a read-only global holding the object's script object, or null.
    HRESULT BindGlobal(std::u16string_view name, IDispatch* object, ScriptFailure& failure);

    HRESULT CreateObject(std::u16string_view progId, ComPtr<IDispatch>& object) const;
    // The heap passes to another engine (or to the pool) with its creator.
    void SetCreator(const ScriptObjectCreator& creator) { creator_ = &creator; }

    // Date objects in the local calendar, through the prelude's helpers; both run protected. A Date reads
    // rounded to the second, as OLE dates are. Nothing when the value is no Date; an invalid Date reads as
    // nothing with `invalid` set.
    bool PushDate(const CalendarTime& time);
    std::optional<CalendarTime> ReadDate(duk_idx_t index, bool& invalid);

    duk_context* Context() const { return ctx_; }
    DispatchBridge& Bridge() { return *bridge_; }
    ScriptEnumerators& Enumerators() { return *enumerators_; }

    // The pristine reading of this heap (PristineHeap), taken by ReadPristine while the heap is at rest
    // right after its setup; null when none was taken or it was let go.
    bool ReadPristine();
    PristineHeap* Pristine() const { return pristine_.get(); }
    void ForgetPristine();
    // Whether the heap may have left its reading in a way that the reading's check does not see: a watched
    // property table was given up (a property was added to an object of the reading), or an object of the
    // reading was named to a watched built-in (NoteDefinition).
    bool Disturbed() const { return disturbed_; }

    // For the reading: the blocks the heap allocated while `action` ran.
    std::vector<void*> RecordAllocations(const std::function<void()>& action);
    void WatchBlock(void* block) {
        watched_.insert(block);
        std::size_t bit = FilterBit(block);
        filter_[bit / 64] |= std::uint64_t{1} << (bit % 64);
    }
    // For PropertyDefinitionWatch: the scripts define a property of `object` or change its extensibility.
    void NoteDefinition(void* object);

private:
    static void* Allocate(void* udata, duk_size_t size);
    static void* Reallocate(void* udata, void* block, duk_size_t size);
    static void Free(void* udata, void* block);
    void StopWatching();
    // A watched block is about to be freed or moved.
    void Release(void* block) {
        if (watched_.empty()) return;
        std::size_t bit = FilterBit(block);
        if ((filter_[bit / 64] >> (bit % 64) & 1) && watched_.erase(block) > 0) disturbed_ = true;
    }
    // A bit for each watched block, so that most frees need not look the block up.
    static std::size_t FilterBit(void* block) {
        auto address = reinterpret_cast<std::uintptr_t>(block) >> 4;
        return (address ^ (address >> 12)) % kFilterBits;
    }

    // Calls the function compiled below `this` on the stack; reads the failure of a compilation or a run.
    HRESULT RunCompiled(bool compiled, ScriptFailure& failure);
    // Leaves the compiled eval code of `code` on the stack, compiled once for this heap (form expressions
    // are evaluated again and again); false with the error there when it does not compile.
    bool CompileEvalCode(std::u16string_view code);

    const ScriptObjectCreator* creator_;
    static constexpr std::size_t kFilterBits = 8192;
    std::unordered_set<void*> watched_;
    std::array<std::uint64_t, kFilterBits / 64> filter_{};
    std::vector<void*>* recording_ = nullptr;
    bool disturbed_ = false;
    std::unique_ptr<PristineHeap> pristine_;
    duk_context* ctx_ = nullptr;
    std::unique_ptr<DispatchBridge> bridge_;
    std::unique_ptr<ScriptEnumerators> enumerators_;
    int nesting_ = 0;  // evaluations running on this heap
    std::size_t evalCodeKept_ = 0;  // compiled eval codes in the heap's stash
};

}  // namespace tlx::host
