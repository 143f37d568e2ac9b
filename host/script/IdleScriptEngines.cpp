#include "host/script/IdleScriptEngines.h"

#include <vector>

#include "host/script/ScriptEngine.h"

namespace tlx::host {

IdleScriptEngines& IdleScriptEngines::Get() {
    // Never destroyed: engines are freed by objects that outlive every other static, up to the exit.
    static auto* engines = new IdleScriptEngines();
    return *engines;
}

void IdleScriptEngines::Add(const std::shared_ptr<Slot>& slot) {
    std::lock_guard lock(mutex_);
    if (slot->listed) idle_.erase(slot->place);
    slot->thread = std::this_thread::get_id();
    slot->place = idle_.insert(idle_.end(), slot);
    slot->listed = true;
}

void IdleScriptEngines::Remove(Slot& slot) {
    std::lock_guard lock(mutex_);
    if (!slot.listed) return;
    idle_.erase(slot.place);
    slot.listed = false;
}

void IdleScriptEngines::Trim(std::size_t keep) {
    std::vector<std::shared_ptr<Slot>> oldest;
    {
        std::lock_guard lock(mutex_);
        std::size_t mine = 0;
        for (const auto& slot : idle_) mine += slot->thread == std::this_thread::get_id() ? 1 : 0;
        for (auto it = idle_.begin(); it != idle_.end() && mine > keep;) {
            if ((*it)->thread != std::this_thread::get_id()) {
                ++it;
                continue;
            }
            (*it)->listed = false;
            oldest.push_back(*it);
            it = idle_.erase(it);
            --mine;
        }
    }
    for (const std::shared_ptr<Slot>& slot : oldest) {
        std::unique_lock use(slot->use, std::try_to_lock);
        if (use && slot->engine) slot->engine->LendHeap();
    }
}

}  // namespace tlx::host
