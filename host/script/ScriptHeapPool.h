// Pristine script heaps kept for engines to take, per thread: a heap whose setup (its texts run and its
// named items bound to nothing, in order) is done, read as pristine (PristineHeap), and holding nothing
// of any engine. A few are kept per setup, for a few setups, the least recently used let go first; a
// setup is named by its texts as shared by the process (a form definition read again with another text
// is another setup), so a heap is only ever handed to an engine of the very setup it was made by.
#pragma once

#include <cstddef>
#include <list>
#include <memory>
#include <string>
#include <vector>

namespace tlx::host {

class ScriptRuntime;

// An added script text, one copy for the process while any engine or pooled heap holds it.
struct ScriptText {
    std::u16string code;
    bool hidesState;  // running it may leave state that no property shows (ScriptClosures)
};

// One step of an engine's setup: a text run, or a name first bound.
struct SetupStep {
    std::shared_ptr<const ScriptText> text;  // null for a name
    std::u16string name;
    bool operator==(const SetupStep& other) const { return text == other.text && name == other.name; }
};
using ScriptSetup = std::vector<SetupStep>;

class ScriptHeapPool {
public:
    static constexpr std::size_t kHeapsPerSetup = 4;
    static constexpr std::size_t kSetups = 8;

    // The pool of this thread; null once the thread's pool is gone.
    static ScriptHeapPool* OfThisThread();
    ~ScriptHeapPool();

    // A heap whose setup begins with `steps` (all of it when `exact`), with the setup it was made by; null
    // when there is none.
    std::unique_ptr<ScriptRuntime> Take(const ScriptSetup& steps, bool exact, ScriptSetup& made);
    // Keeps a pristine heap of `setup`, or lets it go when enough are kept.
    void Put(const ScriptSetup& setup, std::unique_ptr<ScriptRuntime> heap);

private:
    struct Entry {
        ScriptSetup setup;
        std::vector<std::unique_ptr<ScriptRuntime>> heaps;
    };
    std::list<Entry> entries_;  // the most recently used first
};

}  // namespace tlx::host
