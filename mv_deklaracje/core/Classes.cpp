#include "mv_deklaracje/core/Classes.h"

#include <array>

#include "mv_deklaracje/core/FirmaCfgRO.h"
#include "mv_deklaracje/core/ProgramCfgRO.h"
#include "mv_deklaracje_tlb.h"

namespace core {
namespace {
constexpr std::array<ObjectMapEntry, kClassCount> kClasses{{
    ObjectMapEntry{CLSID_FirmaCfgRO, u"FirmaCfgRO", u"FirmaCfgRO Class", u"TLX.FirmaCfgRO",
                   ClassObjectOf<CFirmaCfgRO>},
    ObjectMapEntry{CLSID_ProgramCfgRO, u"ProgramCfgRO", u"ProgramCfgRO Class", u"TLX.ProgramCfgRO",
                   ClassObjectOf<CProgramCfgRO>},
}};
}  // namespace

std::span<const ObjectMapEntry> Classes() { return kClasses; }
}  // namespace core
