#include "mv_deklaracje/edeklaracje/Classes.h"

#include <array>

#include "mv_deklaracje/edeklaracje/EDeklaracja.h"
#include "mv_deklaracje_tlb.h"

namespace edeklaracje {
namespace {
constexpr std::array<ObjectMapEntry, kClassCount> kClasses{{
    ObjectMapEntry{CLSID_EDeklaracja, u"EDeklaracja", u"EDeklaracja Class", u"TLX.EDeklaracja",
                   ClassObjectOf<CEDeklaracja>},
}};
}  // namespace

std::span<const ObjectMapEntry> Classes() { return kClasses; }
}  // namespace edeklaracje
