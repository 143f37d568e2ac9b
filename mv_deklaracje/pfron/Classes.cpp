#include "mv_deklaracje/pfron/Classes.h"

#include <array>

#include "mv_deklaracje/pfron/Infd.h"
#include "mv_deklaracje/pfron/Wnd.h"
#include "mv_deklaracje/pfron/Wnd3.h"
#include "mv_deklaracje/pfron/Wnu.h"
#include "mv_deklaracje_tlb.h"

namespace pfron {
namespace {
constexpr std::array<ObjectMapEntry, kClassCount> kClasses{{
    ObjectMapEntry{CLSID_INFD, u"INFD", u"INFD Class", u"TLXDeklaracje.INFD", ClassObjectOf<CINFD>},
    ObjectMapEntry{CLSID_WND, u"WND", u"WND Class", u"TLXDeklaracje.WND", ClassObjectOf<CWND>},
    ObjectMapEntry{CLSID_WNU, u"WNU", u"WNU Class", u"TLXDeklaracje.WNU", ClassObjectOf<CWNU>},
    ObjectMapEntry{CLSID_WND3, u"WND3", u"WND3 Class", u"TLXDeklaracje.WND3", ClassObjectOf<CWND3>},
}};
}  // namespace

std::span<const ObjectMapEntry> Classes() { return kClasses; }
}  // namespace pfron
