#include "platform/com/SharedTexts.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <limits>
#include <mutex>
#include <new>
#include <string_view>
#include <unordered_set>

namespace tlx {
namespace {

// The text's hash and its holders' count, then the BSTR: its byte count right before the characters.
struct Block {
    std::size_t hash;
    std::atomic<std::uint32_t> holders;
    std::uint32_t length;  // in bytes, where a BSTR keeps it
    OLECHAR chars[1];

    std::u16string_view Text() const { return {chars, length / sizeof(OLECHAR)}; }
};
static_assert(offsetof(Block, chars) - offsetof(Block, length) == sizeof(std::uint32_t));

Block* BlockOf(BSTR text) {
    return reinterpret_cast<Block*>(reinterpret_cast<unsigned char*>(text) - offsetof(Block, chars));
}

struct TextHash {
    using is_transparent = void;
    std::size_t operator()(std::u16string_view text) const { return std::hash<std::u16string_view>()(text); }
    std::size_t operator()(const Block* block) const { return block->hash; }
};
struct SameText {
    using is_transparent = void;
    static std::u16string_view Of(std::u16string_view text) { return text; }
    static std::u16string_view Of(const Block* block) { return block->Text(); }
    template <class A, class B>
    bool operator()(const A& a, const B& b) const { return Of(a) == Of(b); }
};

struct Registry {
    std::mutex lock;
    std::unordered_set<Block*, TextHash, SameText> texts;
};

// Never destroyed: values of rows held by objects that outlive static destruction still release theirs.
Registry& TheRegistry() {
    static Registry* registry = new Registry();
    return *registry;
}

}  // namespace

BSTR SharedTexts::Keep(const OLECHAR* text, UINT length) {
    constexpr std::size_t kMaxLength = (std::numeric_limits<std::uint32_t>::max() - sizeof(Block)) / sizeof(OLECHAR);
    if (length > kMaxLength) throw std::bad_alloc();
    std::u16string_view wanted(text ? text : u"", text ? length : 0);
    Registry& registry = TheRegistry();
    std::size_t hash = TextHash()(wanted);
    std::lock_guard<std::mutex> guard(registry.lock);
    if (auto found = registry.texts.find(wanted); found != registry.texts.end()) {
        (*found)->holders.fetch_add(1, std::memory_order_relaxed);
        return (*found)->chars;
    }
    void* memory = std::malloc(offsetof(Block, chars) + (wanted.size() + 1) * sizeof(OLECHAR));
    if (!memory) throw std::bad_alloc();
    auto* block = static_cast<Block*>(memory);
    new (&block->holders) std::atomic<std::uint32_t>(1);
    block->hash = hash;
    block->length = static_cast<std::uint32_t>(wanted.size() * sizeof(OLECHAR));
    if (!wanted.empty()) std::memcpy(block->chars, wanted.data(), wanted.size() * sizeof(OLECHAR));
    block->chars[wanted.size()] = 0;
    try {
        registry.texts.insert(block);
    } catch (...) {
        std::free(memory);
        throw;
    }
    return block->chars;
}

void SharedTexts::Hold(BSTR text) noexcept {
    if (text) BlockOf(text)->holders.fetch_add(1, std::memory_order_relaxed);
}

void SharedTexts::Release(BSTR text) noexcept {
    if (!text) return;
    Block* block = BlockOf(text);
    Registry& registry = TheRegistry();
    std::lock_guard<std::mutex> guard(registry.lock);
    if (block->holders.fetch_sub(1, std::memory_order_acq_rel) != 1) return;
    registry.texts.erase(block);
    std::free(block);
}

}  // namespace tlx
