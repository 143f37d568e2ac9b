// JScript's Enumerator over a COM collection: `new Enumerator(coll)` asks the collection for its
// _NewEnum (DISPID_NEWENUM) and walks the IEnumVARIANT it answers with atEnd(), item(), moveNext() and
// moveFirst(). `new Enumerator()` without a collection is at its end at once.
#pragma once

#include <duktape.h>

#include <memory>
#include <unordered_map>

#include "platform/com/Enumerators.h"
#include "platform/com/ComPtr.h"

namespace tlx::host {

class ScriptEnumerators {
public:
    // Defines the global Enumerator.
    explicit ScriptEnumerators(duk_context* ctx);
    ~ScriptEnumerators();
    ScriptEnumerators(const ScriptEnumerators&) = delete;
    ScriptEnumerators& operator=(const ScriptEnumerators&) = delete;

    // Drops every enumerator's references; the heap is about to go.
    void ReleaseAll();
    // Enumerators alive in the heap (each holds its collection).
    std::size_t Live() const { return walks_.size(); }

private:
    struct Walk;  // one enumerator's state

    static duk_ret_t Construct(duk_context* ctx);
    static duk_ret_t AtEnd(duk_context* ctx);
    static duk_ret_t Item(duk_context* ctx);
    static duk_ret_t MoveNext(duk_context* ctx);
    static duk_ret_t MoveFirst(duk_context* ctx);
    static duk_ret_t Finalize(duk_context* ctx);
    static Walk* WalkOfThis(duk_context* ctx);

    Walk* NewWalk();
    bool Start(Walk& walk, duk_idx_t collection);
    bool Step(Walk& walk);

    duk_context* ctx_;
    std::unordered_map<Walk*, std::unique_ptr<Walk>> walks_;
};

}  // namespace tlx::host
