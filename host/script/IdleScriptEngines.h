// The engines holding a heap between their calls, the longest unused first. When more than a few are
// idle, the thread that ends a call asks the longest unused ones that it ran itself to give their heap
// to the pool (CScriptEngine::LendHeap): an engine keeps no more than its own state when it is idle, and
// a heap is given up only by the thread that last ran it, while no other thread uses its engine.
#pragma once

#include <cstddef>
#include <list>
#include <memory>
#include <mutex>
#include <thread>

namespace tlx::host {

class CScriptEngine;

class IdleScriptEngines {
public:
    // Idle engines kept with their heap: enough for a declaration with its attachments, whose scripts
    // call one another.
    static constexpr std::size_t kKept = 8;

    // One engine's place. The engine holds `use` through each of its calls and clears `engine` when it
    // goes; whoever asks it to lend its heap holds `use` meanwhile.
    struct Slot {
        std::recursive_mutex use;
        CScriptEngine* engine = nullptr;
        std::thread::id thread;  // that ended its last call
        bool listed = false;
        std::list<std::shared_ptr<Slot>>::iterator place;
    };

    static IdleScriptEngines& Get();

    // The engine's call ended on this thread: it is the newest idle one.
    void Add(const std::shared_ptr<Slot>& slot);
    // Its call begins or it goes: out of the list.
    void Remove(Slot& slot);
    // Asks the longest unused idle engines of this thread to lend their heap while more than `keep` are idle.
    void Trim(std::size_t keep = kKept);

private:
    std::mutex mutex_;
    std::list<std::shared_ptr<Slot>> idle_;
};

}  // namespace tlx::host
