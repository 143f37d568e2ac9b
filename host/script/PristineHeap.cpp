#include "host/script/PristineHeap.h"

#include <duktape.h>

#include <cstring>
#include <deque>
#include <functional>
#include <unordered_map>

#include "host/script/ScriptRuntime.h"

namespace tlx::host {

namespace {

// Where the stash keeps what the reading pins.
constexpr const char* kPinsKey = DUK_HIDDEN_SYMBOL("tlxPristinePins");
// The hidden mark that gives an object without properties a property table to watch.
constexpr const char* kMarkKey = DUK_HIDDEN_SYMBOL("tlxPristineMark");

// Every own property: hidden and symbol keys too, and a proxy's own without asking its handler.
constexpr duk_uint_t kOwnProperties = DUK_ENUM_OWN_PROPERTIES_ONLY | DUK_ENUM_INCLUDE_NONENUMERABLE |
                                      DUK_ENUM_INCLUDE_HIDDEN | DUK_ENUM_INCLUDE_SYMBOLS | DUK_ENUM_NO_PROXY_BEHAVIOR;

// The attributes of a property as the reading writes them.
enum Attribute : unsigned { kWritable = 1, kEnumerable = 2, kConfigurable = 4 };

// The first byte of the heap's internal keys (a function's line table, a Date's time ...), which no
// script reads or writes by name.
constexpr unsigned char kInternalPrefix = 0x82;

bool IsInternal(const char* name, duk_size_t length) {
    return length > 0 && static_cast<unsigned char>(name[0]) == kInternalPrefix;
}

// A key that is an array index names no string the object keeps: it is read by its number.
bool ArrayIndex(const char* name, duk_size_t length, std::uint32_t& index) {
    if (length == 0 || length > 10 || (length > 1 && name[0] == '0')) return false;
    std::uint64_t value = 0;
    for (duk_size_t i = 0; i < length; ++i) {
        if (name[i] < '0' || name[i] > '9') return false;
        value = value * 10 + static_cast<unsigned>(name[i] - '0');
    }
    if (value >= 0xFFFFFFFFull) return false;
    index = static_cast<std::uint32_t>(value);
    return true;
}

PristineHeap::Value ReadValue(duk_context* ctx, duk_idx_t index) {
    PristineHeap::Value value;
    value.type = duk_get_type(ctx, index);
    switch (value.type) {
    case DUK_TYPE_BOOLEAN: value.number = duk_get_boolean(ctx, index) ? 1 : 0; break;
    case DUK_TYPE_NUMBER: value.number = duk_get_number(ctx, index); break;
    case DUK_TYPE_STRING:
    case DUK_TYPE_OBJECT:
    case DUK_TYPE_BUFFER: value.pointer = duk_get_heapptr(ctx, index); break;
    case DUK_TYPE_POINTER: value.pointer = duk_get_pointer(ctx, index); break;
    default: break;
    }
    return value;
}

bool Same(const PristineHeap::Value& a, const PristineHeap::Value& b) {
    // Numbers by their bits: -0 and 0 differ, as a script can tell them apart.
    return a.type == b.type && a.pointer == b.pointer && std::memcmp(&a.number, &b.number, sizeof a.number) == 0;
}

void PushValue(duk_context* ctx, const PristineHeap::Value& value) {
    switch (value.type) {
    case DUK_TYPE_NULL: duk_push_null(ctx); return;
    case DUK_TYPE_BOOLEAN: duk_push_boolean(ctx, value.number != 0); return;
    case DUK_TYPE_NUMBER: duk_push_number(ctx, value.number); return;
    case DUK_TYPE_STRING:
    case DUK_TYPE_OBJECT:
    case DUK_TYPE_BUFFER: duk_push_heapptr(ctx, value.pointer); return;
    case DUK_TYPE_POINTER: duk_push_pointer(ctx, value.pointer); return;
    default: duk_push_undefined(ctx); return;
    }
}

// A primitive the heap can be given again from outside; a symbol is not one.
bool KeepPrimitive(duk_context* ctx, duk_idx_t index, KeptValue& kept) {
    switch (duk_get_type(ctx, index)) {
    case DUK_TYPE_UNDEFINED: kept.tag = 'u'; return true;
    case DUK_TYPE_NULL: kept.tag = 'n'; return true;
    case DUK_TYPE_BOOLEAN: kept.tag = duk_get_boolean(ctx, index) ? 't' : 'f'; return true;
    case DUK_TYPE_NUMBER:
        kept.tag = 'd';
        kept.number = duk_get_number(ctx, index);
        return true;
    case DUK_TYPE_STRING: {
        if (duk_is_symbol(ctx, index)) return false;
        duk_size_t length = 0;
        const char* text = duk_get_lstring(ctx, index, &length);
        kept.tag = 's';
        kept.text.assign(text, length);
        return true;
    }
    default: return false;
    }
}

void PushKept(duk_context* ctx, const KeptValue& kept) {
    switch (kept.tag) {
    case 'n': duk_push_null(ctx); return;
    case 't': duk_push_true(ctx); return;
    case 'f': duk_push_false(ctx); return;
    case 'd': duk_push_number(ctx, kept.number); return;
    case 's': duk_push_lstring(ctx, kept.text.data(), kept.text.size()); return;
    default: duk_push_undefined(ctx); return;
    }
}

// Runs `body` inside a safe call: an error of the heap ends it with false instead of unwinding through it.
bool RunSafely(duk_context* ctx, const std::function<bool()>& body) {
    struct Call {
        const std::function<bool()>* body;
        bool result = false;
    } call{&body};
    duk_idx_t base = duk_get_top(ctx);
    duk_int_t rc = duk_safe_call(
        ctx,
        [](duk_context*, void* data) -> duk_ret_t {
            auto* c = static_cast<Call*>(data);
            c->result = (*c->body)();
            return 0;
        },
        &call, 0, 1);
    duk_set_top(ctx, base);
    return rc == DUK_EXEC_SUCCESS && call.result;
}

unsigned AttributesOf(duk_context* ctx, duk_idx_t descriptor) {
    unsigned attributes = 0;
    const std::pair<const char*, unsigned> flags[] = {
        {"writable", kWritable}, {"enumerable", kEnumerable}, {"configurable", kConfigurable}};
    for (const auto& [name, bit] : flags) {
        duk_get_prop_string(ctx, descriptor, name);
        if (duk_to_boolean(ctx, -1)) attributes |= bit;
        duk_pop(ctx);
    }
    return attributes;
}

// Pushes the property's key (its pinned string or its index).
void PushKey(duk_context* ctx, const PristineHeap::Property& property) {
    if (property.key)
        duk_push_heapptr(ctx, property.key);
    else
        duk_push_uint(ctx, property.index);
}

// [... ] -> [... descriptor-or-undefined] of the object at `object`.
void PushDescriptor(duk_context* ctx, duk_idx_t object, const PristineHeap::Property& property) {
    PushKey(ctx, property);
    duk_get_prop_desc(ctx, object, 0);
}

// Reads a descriptor into the property: attributes, value or accessor functions.
void ReadDescriptor(duk_context* ctx, duk_idx_t descriptor, PristineHeap::Property& property) {
    property.attributes = AttributesOf(ctx, descriptor);
    property.accessor = !duk_has_prop_string(ctx, descriptor, "value");
    if (property.accessor) {
        duk_get_prop_string(ctx, descriptor, "get");
        property.value = ReadValue(ctx, -1);
        duk_get_prop_string(ctx, descriptor, "set");
        property.setter = duk_get_heapptr(ctx, -1);
        duk_pop_2(ctx);
    } else {
        duk_get_prop_string(ctx, descriptor, "value");
        property.value = ReadValue(ctx, -1);
        duk_pop(ctx);
    }
}

}  // namespace

// The walk that reads a heap: every object reachable from the global object (but for the stash), each
// compacted and its property table watched, every property with its descriptor.
class PristineReading {
public:
    PristineReading(ScriptRuntime& runtime, PristineHeap& heap)
        : runtime_(runtime), ctx_(runtime.Context()), heap_(heap) {}

    bool Run() {
        duk_push_global_stash(ctx_);
        stash_ = duk_get_heapptr(ctx_, -1);
        duk_push_array(ctx_);
        duk_dup_top(ctx_);
        duk_put_prop_string(ctx_, -3, kPinsKey);
        pins_ = duk_get_top_index(ctx_);
        duk_push_global_object(ctx_);
        heap_.global_ = duk_get_heapptr(ctx_, -1);
        heap_.members_.insert(heap_.global_);
        if (!ReadGlobals(duk_get_top_index(ctx_))) return false;
        duk_pop(ctx_);
        while (!queue_.empty()) {
            void* object = queue_.front();
            queue_.pop_front();
            duk_push_heapptr(ctx_, object);
            bool read = ReadObject(duk_get_top_index(ctx_));
            duk_pop(ctx_);
            if (!read) return false;
        }
        return true;
    }

private:
    void Pin(duk_idx_t index) {
        duk_dup(ctx_, index);
        duk_put_prop_index(ctx_, pins_, pinned_++);
    }

    // A value met: pinned, and an object is read later. False for what cannot be seen into.
    bool Meet(duk_idx_t index, bool internal) {
        index = duk_normalize_index(ctx_, index);
        switch (duk_get_type(ctx_, index)) {
        case DUK_TYPE_LIGHTFUNC: return false;
        case DUK_TYPE_BUFFER: if (!internal) return false; Pin(index); return true;
        case DUK_TYPE_STRING: Pin(index); return true;
        case DUK_TYPE_OBJECT: break;
        default: return true;
        }
        void* object = duk_get_heapptr(ctx_, index);
        if (object == stash_) return false;
        if (heap_.members_.insert(object).second) {
            Pin(index);
            queue_.push_back(object);
        }
        return true;
    }

    bool ReadGlobals(duk_idx_t global) {
        if (!ReadPrototype(global, heap_.objects_.emplace_back())) return false;
        heap_.objects_.back().self = heap_.global_;
        heap_.objects_.back().enumerated = true;
        duk_enum(ctx_, global, kOwnProperties);
        while (duk_next(ctx_, -1, 0)) {
            duk_idx_t key = duk_get_top_index(ctx_);
            duk_size_t length = 0;
            const char* name = duk_get_lstring(ctx_, key, &length);
            PristineHeap::Property read;
            Pin(key);
            read.key = duk_get_heapptr(ctx_, key);
            duk_dup(ctx_, key);
            duk_get_prop_desc(ctx_, global, 0);
            ReadDescriptor(ctx_, duk_get_top_index(ctx_), read);
            if (read.value.pointer == stash_) {
                heap_.stashKey_ = read.key;
                duk_pop_2(ctx_);
                continue;
            }
            if (read.accessor) return false;
            duk_get_prop_string(ctx_, -1, "value");
            if (!Meet(-1, IsInternal(name, length))) return false;
            duk_pop_3(ctx_);
            heap_.globals_.push_back({read.key, std::string(name, length), read.value});
        }
        duk_pop(ctx_);
        return true;
    }

    bool ReadPrototype(duk_idx_t object, PristineHeap::Object& entry) {
        duk_get_prototype(ctx_, object);
        entry.prototype = duk_is_object(ctx_, -1) ? duk_get_heapptr(ctx_, -1) : nullptr;
        bool met = Meet(-1, false);
        duk_pop(ctx_);
        return met;
    }

    bool ReadObject(duk_idx_t object) {
        if (runtime_.Bridge().ObjectAt(object) || duk_is_bound_function(ctx_, object) ||
            duk_is_thread(ctx_, object) || duk_is_buffer_data(ctx_, object))
            return false;
        PristineHeap::Object entry;
        entry.self = duk_get_heapptr(ctx_, object);
        if (!ReadPrototype(object, entry)) return false;
        // Compacted, so that any property added later needs a new table: the one made now is watched. An
        // object without properties has no table: it is given a hidden mark, which no script sees, to have one.
        std::vector<void*> made = runtime_.RecordAllocations([&] { duk_compact(ctx_, object); });
        if (made.empty() && IsExtensible(object) && Mark(object))
            made = runtime_.RecordAllocations([&] { duk_compact(ctx_, object); });
        if (made.size() == 1)
            runtime_.WatchBlock(made.front());
        else
            entry.enumerated = true;
        entry.first = heap_.properties_.size();
        duk_enum(ctx_, object, kOwnProperties);
        while (duk_next(ctx_, -1, 0)) {
            duk_idx_t key = duk_get_top_index(ctx_);
            duk_size_t length = 0;
            const char* name = duk_get_lstring(ctx_, key, &length);
            PristineHeap::Property read;
            if (!ArrayIndex(name, length, read.index)) {
                Pin(key);
                read.key = duk_get_heapptr(ctx_, key);
            }
            duk_dup(ctx_, key);
            duk_get_prop_desc(ctx_, object, 0);
            duk_idx_t descriptor = duk_get_top_index(ctx_);
            ReadDescriptor(ctx_, descriptor, read);
            for (const char* member : {"value", "get", "set"}) {
                duk_get_prop_string(ctx_, descriptor, member);
                bool met = Meet(-1, IsInternal(name, length));
                duk_pop(ctx_);
                if (!met) return false;
            }
            duk_pop_2(ctx_);
            read.byDescriptor = read.accessor;
            heap_.properties_.push_back(read);
        }
        duk_pop(ctx_);
        entry.count = heap_.properties_.size() - entry.first;
        heap_.objects_.push_back(entry);
        return true;
    }

    // Gives the object the hidden mark; false when it refuses one (a typed array's prototype does).
    bool Mark(duk_idx_t object) {
        duk_dup(ctx_, object);
        return duk_safe_call(
                   ctx_,
                   [](duk_context* ctx, void*) -> duk_ret_t {
                       duk_push_true(ctx);
                       duk_put_prop_string(ctx, -2, kMarkKey);
                       return 0;
                   },
                   nullptr, 1, 1) == DUK_EXEC_SUCCESS
                   ? (duk_pop(ctx_), true)
                   : (duk_pop(ctx_), false);
    }

    bool IsExtensible(duk_idx_t object) {
        duk_get_global_string(ctx_, "Object");
        duk_get_prop_string(ctx_, -1, "isExtensible");
        duk_dup(ctx_, object);
        duk_call(ctx_, 1);
        bool extensible = duk_to_boolean(ctx_, -1);
        duk_pop_2(ctx_);
        return extensible;
    }

    ScriptRuntime& runtime_;
    duk_context* ctx_;
    PristineHeap& heap_;
    void* stash_ = nullptr;
    duk_idx_t pins_ = 0;
    duk_uarridx_t pinned_ = 0;
    std::deque<void*> queue_;
};

// The check of a heap against its reading.
class PristineCheck {
public:
    PristineCheck(ScriptRuntime& runtime, const PristineHeap& heap, const std::vector<std::string>& skipped)
        : ctx_(runtime.Context()), heap_(heap), skipped_(skipped) {}

    std::vector<KeptGlobal> kept;

    bool Run() {
        for (const PristineHeap::Object& object : heap_.objects_) {
            duk_push_heapptr(ctx_, object.self);
            duk_get_prototype(ctx_, -1);
            void* prototype = duk_is_object(ctx_, -1) ? duk_get_heapptr(ctx_, -1) : nullptr;
            duk_pop_2(ctx_);
            if (prototype != object.prototype) return false;
        }
        if (!CheckGlobals()) return false;
        for (std::size_t i = 1; i < heap_.objects_.size(); ++i)
            if (!CheckObject(heap_.objects_[i])) return false;
        return true;
    }

private:
    bool CheckGlobals() {
        duk_push_global_object(ctx_);
        duk_idx_t global = duk_get_top_index(ctx_);
        duk_enum(ctx_, global, kOwnProperties);
        std::size_t at = 0;
        while (duk_next(ctx_, -1, 0)) {
            duk_idx_t key = duk_get_top_index(ctx_);
            void* pointer = duk_get_heapptr(ctx_, key);
            if (pointer == heap_.stashKey_) {
                duk_pop(ctx_);
                continue;
            }
            duk_size_t length = 0;
            const char* name = duk_get_lstring(ctx_, key, &length);
            bool pristine = at < heap_.globals_.size();
            if (pristine && pointer != heap_.globals_[at].key) return false;
            if (!pristine && (duk_is_symbol(ctx_, key) || length == 0)) return false;
            std::string text(name, length);
            if (pristine && IsSkipped(text)) {
                ++at;
                duk_pop(ctx_);
                continue;
            }
            duk_dup(ctx_, key);
            duk_get_prop(ctx_, global);
            if (!pristine || !Same(ReadValue(ctx_, -1), heap_.globals_[at].value)) {
                KeptGlobal changed;
                changed.name = std::move(text);
                changed.added = !pristine;
                if (!KeepPrimitive(ctx_, -1, changed.value)) return false;
                kept.push_back(std::move(changed));
            }
            if (pristine) ++at;
            duk_pop_2(ctx_);
        }
        duk_pop_2(ctx_);
        return at == heap_.globals_.size();
    }

    bool IsSkipped(const std::string& name) const {
        for (const std::string& skipped : skipped_)
            if (skipped == name) return true;
        return false;
    }

    // The object's own properties, read with its prototype set aside for the while, so that a property
    // deleted cannot read as the one its prototype has. Nothing here runs a script: the prototype is put
    // back before anything can fail.
    bool CheckObject(const PristineHeap::Object& object) {
        duk_push_heapptr(ctx_, object.self);
        duk_idx_t self = duk_get_top_index(ctx_);
        if (object.enumerated && !SameKeys(self, object)) return false;
        duk_push_undefined(ctx_);  // no prototype
        duk_set_prototype(ctx_, self);
        bool same = SameProperties(self, object);
        if (object.prototype)
            duk_push_heapptr(ctx_, object.prototype);
        else
            duk_push_undefined(ctx_);
        duk_set_prototype(ctx_, self);
        duk_pop(ctx_);
        return same;
    }

    bool SameProperties(duk_idx_t self, const PristineHeap::Object& object) {
        for (std::size_t i = object.first; i < object.first + object.count; ++i) {
            const PristineHeap::Property& property = heap_.properties_[i];
            if (property.byDescriptor) {
                PushDescriptor(ctx_, self, property);
                if (!duk_is_object(ctx_, -1)) return false;
                PristineHeap::Property now;
                ReadDescriptor(ctx_, duk_get_top_index(ctx_), now);
                if (now.accessor != property.accessor || now.attributes != property.attributes ||
                    !Same(now.value, property.value) || now.setter != property.setter)
                    return false;
            } else {
                if (property.value.type == DUK_TYPE_UNDEFINED) {  // read the same when missing
                    PushKey(ctx_, property);
                    if (!duk_has_prop(ctx_, self)) return false;
                }
                PushKey(ctx_, property);
                duk_get_prop(ctx_, self);
                bool same = Same(ReadValue(ctx_, -1), property.value);
                duk_pop(ctx_);
                if (!same) return false;
                continue;
            }
            duk_pop(ctx_);
        }
        return true;
    }

    // The keys of an object without a watched table, in order, as read.
    bool SameKeys(duk_idx_t self, const PristineHeap::Object& object) {
        duk_enum(ctx_, self, kOwnProperties);
        std::size_t at = object.first;
        bool same = true;
        while (same && duk_next(ctx_, -1, 0)) {
            const std::size_t end = object.first + object.count;
            if (at == end) {
                same = false;
            } else {
                const PristineHeap::Property& property = heap_.properties_[at++];
                if (property.key) {
                    same = duk_get_heapptr(ctx_, -1) == property.key;
                } else {
                    duk_size_t length = 0;
                    const char* name = duk_get_lstring(ctx_, -1, &length);
                    std::uint32_t index = 0;
                    same = ArrayIndex(name, length, index) && index == property.index;
                }
            }
            duk_pop(ctx_);
        }
        duk_pop(ctx_);
        return same && at == object.first + object.count;
    }

    duk_context* ctx_;
    const PristineHeap& heap_;
    const std::vector<std::string>& skipped_;
};

std::unique_ptr<PristineHeap> PristineHeap::Read(ScriptRuntime& runtime) {
    std::unique_ptr<PristineHeap> heap(new PristineHeap());
    PristineReading reading(runtime, *heap);
    if (!RunSafely(runtime.Context(), [&] { return reading.Run(); })) {
        Unpin(runtime);
        return nullptr;
    }
    return heap;
}

void PristineHeap::Unpin(ScriptRuntime& runtime) {
    duk_context* ctx = runtime.Context();
    duk_push_global_stash(ctx);
    duk_del_prop_string(ctx, -1, kPinsKey);
    duk_pop(ctx);
}

PristineHeap::~PristineHeap() = default;

std::optional<std::vector<KeptGlobal>> PristineHeap::Compare(ScriptRuntime& runtime,
                                                             const std::vector<std::string>& skipped) {
    PristineCheck check(runtime, *this, skipped);
    if (!RunSafely(runtime.Context(), [&] { return check.Run(); })) return std::nullopt;
    return std::move(check.kept);
}

bool PristineHeap::Restore(ScriptRuntime& runtime, const std::vector<KeptGlobal>& kept) {
    duk_context* ctx = runtime.Context();
    return RunSafely(ctx, [&] {
        duk_push_global_object(ctx);
        for (const KeptGlobal& global : kept) {
            if (global.added) {
                duk_del_prop_lstring(ctx, -1, global.name.data(), global.name.size());
                continue;
            }
            const Global* pristine = nullptr;
            for (const Global& each : globals_)
                if (each.name == global.name) pristine = &each;
            if (!pristine) return false;
            duk_push_heapptr(ctx, pristine->key);
            PushValue(ctx, pristine->value);
            duk_put_prop(ctx, -3);
        }
        return true;
    });
}

bool PristineHeap::PutBack(ScriptRuntime& runtime, const std::vector<KeptGlobal>& kept) {
    duk_context* ctx = runtime.Context();
    return RunSafely(ctx, [&] {
        duk_push_global_object(ctx);
        for (const KeptGlobal& global : kept) {
            duk_push_lstring(ctx, global.name.data(), global.name.size());
            PushKept(ctx, global.value);
            if (global.added)
                duk_def_prop(ctx, -3, DUK_DEFPROP_HAVE_VALUE | DUK_DEFPROP_SET_WRITABLE | DUK_DEFPROP_SET_ENUMERABLE |
                                          DUK_DEFPROP_SET_CONFIGURABLE);
            else
                duk_put_prop(ctx, -3);
        }
        return true;
    });
}

}  // namespace tlx::host
