#include "platform/xml/XsltStylesheetCache.h"

#include <libxslt/xsltInternals.h>

#include <list>
#include <mutex>
#include <utility>

namespace tlx {

namespace {

constexpr std::size_t kKeptStylesheets = 16;

struct Kept {
    std::string key;
    XsltStylesheetCache::Compiled style;
};

struct State {
    std::mutex mutex;
    std::list<Kept> kept;  // most recently used first
};

State& Cache() {
    static State state;
    return state;
}

bool StandsAlone(const _xsltStylesheet& style) { return !style.imports && !style.docList && !style.includes; }

}  // namespace

XsltStylesheetCache::Compiled XsltStylesheetCache::Get(const std::string& key, const std::function<Compiled()>& compile) {
    State& state = Cache();
    {
        std::lock_guard lock(state.mutex);
        for (auto it = state.kept.begin(); it != state.kept.end(); ++it) {
            if (it->key != key) continue;
            state.kept.splice(state.kept.begin(), state.kept, it);
            return it->style;
        }
    }
    Compiled style = compile();  // outside the lock: compiling takes long, and a race only compiles twice
    if (!style || !StandsAlone(*style)) return style;
    std::lock_guard lock(state.mutex);
    state.kept.push_front(Kept{key, style});
    if (state.kept.size() > kKeptStylesheets) state.kept.pop_back();
    return style;
}

}  // namespace tlx
