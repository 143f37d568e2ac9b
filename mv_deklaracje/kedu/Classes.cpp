#include "mv_deklaracje/kedu/Classes.h"

#include <array>

#include "mv_deklaracje/kedu/Kedu.h"
#include "mv_deklaracje/kedu/KeduKolekcja.h"
#include "mv_deklaracje_tlb.h"

namespace kedu {
namespace {
constexpr std::array<ObjectMapEntry, kClassCount> kClasses{{
    ObjectMapEntry{CLSID_KeduKolekcja, u"KeduKolekcja", u"KeduKolekcja Class", u"TLXDeklaracje.KeduKolekcja",
                   ClassObjectOf<CKeduKolekcja>},
    ObjectMapEntry{CLSID_Kedu, u"Kedu", u"Kedu Class", u"TLXDeklaracje.Kedu", ClassObjectOf<CKedu>},
}};
}  // namespace

std::span<const ObjectMapEntry> Classes() { return kClasses; }
}  // namespace kedu
