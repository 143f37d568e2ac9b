#include "mv_deklaracje/zus/Classes.h"

#include <array>

#include "mv_deklaracje/zus/Dra.h"
#include "mv_deklaracje/zus/Iwa.h"
#include "mv_deklaracje/zus/RCA.h"
#include "mv_deklaracje/zus/RNA.h"
#include "mv_deklaracje/zus/RSA.h"
#include "mv_deklaracje/zus/RZA.h"
#include "mv_deklaracje/zus/Zswa.h"
#include "mv_deklaracje_tlb.h"

namespace zus {
namespace {
constexpr std::array<ObjectMapEntry, kClassCount> kClasses{{
    ObjectMapEntry{CLSID_RCA, u"RCA", u"RCA Class", u"TLXDeklaracje.RCA", ClassObjectOf<CRCA>},
    ObjectMapEntry{CLSID_DRA, u"DRA", u"DRA Class", u"TLXDeklaracje.DRA", ClassObjectOf<CDRA>},
    ObjectMapEntry{CLSID_IWA, u"IWA", u"IWA Class", u"TLXDeklaracje.IWA", ClassObjectOf<CIWA>},
    ObjectMapEntry{CLSID_RNA, u"RNA", u"RNA Class", u"TLXDeklaracje.RNA", ClassObjectOf<CRNA>},
    ObjectMapEntry{CLSID_RZA, u"RZA", u"RZA Class", u"TLXDeklaracje.RZA", ClassObjectOf<CRZA>},
    ObjectMapEntry{CLSID_RSA, u"RSA", u"RSA Class", u"TLXDeklaracje.RSA", ClassObjectOf<CRSA>},
    ObjectMapEntry{CLSID_ZSWA, u"ZSWA", u"ZSWA Class", u"TLXDeklaracje.ZSWA", ClassObjectOf<CZSWA>},
}};
}  // namespace

std::span<const ObjectMapEntry> Classes() { return kClasses; }
}  // namespace zus
