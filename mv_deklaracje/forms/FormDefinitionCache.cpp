#include "mv_deklaracje/forms/FormDefinitionCache.h"

#include <map>
#include <mutex>
#include <tuple>

namespace {

// More definitions than the module has forms are only made by tests that make resources on the fly;
// the store then starts afresh rather than grow.
constexpr std::size_t kMaxDefinitions = 1024;

struct Store {
    std::mutex mutex;
    std::map<std::tuple<HMODULE, LONG, LONG>, std::shared_ptr<const CFormDefinition>> definitions;
};

Store& TheStore() {
    static Store store;
    return store;
}

}  // namespace

std::shared_ptr<const CFormDefinition> FormDefinitionCache::Get(HMODULE resources, LONG typDeklar, LONG wersja) {
    auto key = std::make_tuple(resources, typDeklar, wersja < 1 ? 1 : wersja);
    Store& store = TheStore();
    {
        std::lock_guard lock(store.mutex);
        auto found = store.definitions.find(key);
        if (found != store.definitions.end() && found->second->StillCurrent()) return found->second;
    }
    // Read outside the lock: reading parses XML and may raise; two threads may read the same form at
    // once, and the later one's copy is kept.
    std::shared_ptr<const CFormDefinition> definition = CFormDefinition::Read(resources, typDeklar, wersja);
    std::lock_guard lock(store.mutex);
    if (store.definitions.size() >= kMaxDefinitions) store.definitions.clear();
    store.definitions[key] = definition;
    return definition;
}
