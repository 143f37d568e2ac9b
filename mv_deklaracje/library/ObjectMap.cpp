// The object map: every class the library creates, joined from the lists of its subsystems in a fixed
// order (the runtime's views, then subsystems 2 to 6). Each subsystem keeps its own list and its count,
// so adding a class touches only that subsystem's folder.
#include <array>

#include "mv_deklaracje/core/Classes.h"
#include "mv_deklaracje/deklaracje/Classes.h"
#include "mv_deklaracje/edeklaracje/Classes.h"
#include "mv_deklaracje/kedu/Classes.h"
#include "mv_deklaracje/library/Module.h"
#include "mv_deklaracje/pfron/Classes.h"
#include "mv_deklaracje/zus/Classes.h"

namespace {
constexpr std::size_t kClassCount = core::kClassCount + deklaracje::kClassCount + edeklaracje::kClassCount +
                                    zus::kClassCount + kedu::kClassCount + pfron::kClassCount;
static_assert(kClassCount == 28);

std::array<ObjectMapEntry, kClassCount> JoinSubsystemLists() {
    std::array<ObjectMapEntry, kClassCount> map{};
    std::size_t next = 0;
    for (std::span<const ObjectMapEntry> list : {core::Classes(), deklaracje::Classes(), edeklaracje::Classes(),
                                                 zus::Classes(), kedu::Classes(), pfron::Classes()})
        for (const ObjectMapEntry& entry : list) map.at(next++) = entry;
    return map;
}
}  // namespace

std::span<const ObjectMapEntry> ObjectMap() {
    static const std::array<ObjectMapEntry, kClassCount> map = JoinSubsystemLists();
    return map;
}
