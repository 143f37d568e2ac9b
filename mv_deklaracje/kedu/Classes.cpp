#include "mv_deklaracje/kedu/Classes.h"

#include <array>

#include "mv_deklaracje_tlb.h"

namespace kedu {
namespace {
constexpr std::array<ObjectMapEntry, kClassCount> kClasses{{
    ObjectMapEntry{CLSID_KeduKolekcja, u"KeduKolekcja", u"KeduKolekcja Class", u"TLXDeklaracje.KeduKolekcja",
                   ClassNotAvailableObject},
    ObjectMapEntry{CLSID_Kedu, u"Kedu", u"Kedu Class", u"TLXDeklaracje.Kedu", ClassNotAvailableObject},
}};
}  // namespace

std::span<const ObjectMapEntry> Classes() { return kClasses; }
}  // namespace kedu
