// What a script heap holds right after its setup (the texts run, the named items bound to nothing), read
// once when the heap is made, so that after scripts ran in it the heap can be told to be in that state
// again but for globals holding primitive values, and be put back into it.
//
// The reading pins every object and text it saw (an array in the heap's stash keeps them alive), so an
// address read here names the same object for the heap's whole life. The check after scripts ran is
// cheap because it never enumerates the built-ins: every object read is compacted when read (one without
// properties first given a hidden mark, so that it has a table), so adding a property to it must give it
// a new property table, which the heap's allocator reports (WatchBlock); values are compared by looking
// their keys up with the object's prototype set aside, so that a deleted property cannot read as an
// inherited one; accessors are compared through their descriptors; prototypes by address; and
// attributes or extensibility can only change through the built-ins that the runtime watches
// (PropertyDefinitionWatch). Only the global object is enumerated. State that no property shows (the
// variables a closure keeps) is the caller's to rule out (ScriptClosures).
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

namespace tlx::host {

class ScriptRuntime;

// A primitive value kept outside any heap: tag 'u' undefined, 'n' null, 't'/'f' a boolean, 'd' a number,
// 's' a text (the heap's UTF-8 bytes).
struct KeptValue {
    char tag = 'u';
    double number = 0;
    std::string text;
};

// A global that differs from the pristine heap: a global of the setup holding another primitive value, or
// a global added by the scripts (writable, enumerable, configurable).
struct KeptGlobal {
    std::string name;
    KeptValue value;
    bool added = false;
};

class PristineHeap {
public:
    // Reads the heap of `runtime`, at rest; null when it holds anything the check cannot see into (a proxy,
    // a bound function, a buffer, an accessor global, a thread).
    static std::unique_ptr<PristineHeap> Read(ScriptRuntime& runtime);
    ~PristineHeap();
    PristineHeap(const PristineHeap&) = delete;
    PristineHeap& operator=(const PristineHeap&) = delete;

    // Lets go what a reading pinned in the heap (when the heap is no longer checked against it).
    static void Unpin(ScriptRuntime& runtime);

    // An object of the reading.
    bool Contains(void* object) const { return members_.contains(object); }

    // Checks the heap against the reading, leaving the globals in `skipped` (the named items) unread. When
    // it differs only in globals holding primitive values, answers them in the global object's order;
    // nothing otherwise. The heap is not changed.
    std::optional<std::vector<KeptGlobal>> Compare(ScriptRuntime& runtime, const std::vector<std::string>& skipped);
    // Gives the globals of `kept` back their pristine values (deletes the added ones).
    bool Restore(ScriptRuntime& runtime, const std::vector<KeptGlobal>& kept);
    // Puts the globals of `kept` into the heap, as Compare read them.
    static bool PutBack(ScriptRuntime& runtime, const std::vector<KeptGlobal>& kept);

    struct Value {
        int type = 0;  // a DUK_TYPE_*
        double number = 0;
        void* pointer = nullptr;  // a string, object, buffer or pointer; the boolean as 0/1 in `number`
    };
    struct Property {
        void* key = nullptr;       // the pinned key, or null when read by `index`
        std::uint32_t index = 0;
        bool byDescriptor = false;  // read through its descriptor (an accessor)
        bool accessor = false;
        unsigned attributes = 0;
        Value value;                // the value, or the getter (pointer) of an accessor
        void* setter = nullptr;
    };
    struct Object {
        void* self = nullptr;
        void* prototype = nullptr;
        bool enumerated = false;  // without a property table to watch: its keys are enumerated again
        std::size_t first = 0;
        std::size_t count = 0;
    };
    struct Global {
        void* key = nullptr;
        std::string name;
        Value value;
    };

private:
    PristineHeap() = default;
    friend class PristineReading;
    friend class PristineCheck;

    std::vector<Object> objects_;
    std::vector<Property> properties_;
    std::vector<Global> globals_;
    std::unordered_set<void*> members_;
    void* global_ = nullptr;
    void* stashKey_ = nullptr;  // the global object's hidden key of the stash, not read
};

}  // namespace tlx::host
