#include "host/script/ScriptHeapPool.h"

#include <algorithm>

#include "host/script/ScriptRuntime.h"

namespace tlx::host {

namespace {
// What a pooled heap creates objects with: nothing runs in it while it is kept.
const ScriptObjectCreator& NoCreator() {
    static const ScriptObjectCreator none;
    return none;
}
}  // namespace

namespace {
// Set when the thread's pool is gone (the thread ends or the process exits): engines freed after that,
// by objects destroyed later, let their heaps go instead.
thread_local bool poolGone = false;
}  // namespace

ScriptHeapPool* ScriptHeapPool::OfThisThread() {
    if (poolGone) return nullptr;
    thread_local struct Holder {
        ScriptHeapPool pool;
        ~Holder() { poolGone = true; }
    } holder;
    return &holder.pool;
}

ScriptHeapPool::~ScriptHeapPool() = default;

std::unique_ptr<ScriptRuntime> ScriptHeapPool::Take(const ScriptSetup& steps, bool exact, ScriptSetup& made) {
    for (auto entry = entries_.begin(); entry != entries_.end(); ++entry) {
        const ScriptSetup& setup = entry->setup;
        if (entry->heaps.empty() || setup.size() < steps.size() || (exact && setup.size() != steps.size())) continue;
        if (!std::equal(steps.begin(), steps.end(), setup.begin())) continue;
        std::unique_ptr<ScriptRuntime> heap = std::move(entry->heaps.back());
        entry->heaps.pop_back();
        made = setup;
        entries_.splice(entries_.begin(), entries_, entry);
        return heap;
    }
    return nullptr;
}

void ScriptHeapPool::Put(const ScriptSetup& setup, std::unique_ptr<ScriptRuntime> heap) {
    heap->SetCreator(NoCreator());
    auto entry = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.setup == setup; });
    if (entry == entries_.end()) {
        entries_.push_front(Entry{setup, {}});
        entry = entries_.begin();
        if (entries_.size() > kSetups) entries_.pop_back();
    } else {
        entries_.splice(entries_.begin(), entries_, entry);
    }
    if (entry->heaps.size() < kHeapsPerSetup) entry->heaps.push_back(std::move(heap));
}

}  // namespace tlx::host
