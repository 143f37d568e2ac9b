#include "mv_deklaracje/deklaracje/Classes.h"

#include <array>

#include "mv_deklaracje/deklaracje/DekElement.h"
#include "mv_deklaracje/deklaracje/DekPdf.h"
#include "mv_deklaracje/deklaracje/DekPdfKolekcja.h"
#include "mv_deklaracje/deklaracje/DekStrona.h"
#include "mv_deklaracje/deklaracje/DekWydruk.h"
#include "mv_deklaracje/deklaracje/DeklZaklad.h"
#include "mv_deklaracje/deklaracje/DeklZaklady.h"
#include "mv_deklaracje/deklaracje/Deklaracja.h"
#include "mv_deklaracje/deklaracje/Deklaracje.h"
#include "mv_deklaracje/deklaracje/SerwisDeklaracji.h"
#include "mv_deklaracje/deklaracje/Vat27.h"
#include "mv_deklaracje/deklaracje/VatZd.h"
#include "mv_deklaracje_tlb.h"

namespace deklaracje {
namespace {
constexpr std::array<ObjectMapEntry, kClassCount> kClasses{{
    ObjectMapEntry{CLSID_Deklaracja, u"Deklaracja", u"Deklaracja Class", u"TLXDeklaracje.Deklaracja",
                   ClassObjectOf<CDeklaracja>},
    ObjectMapEntry{CLSID_Deklaracje, u"Deklaracje", u"Deklaracje Class", u"TLXDeklaracje.Deklaracje",
                   ClassObjectOf<CDeklaracje>},
    ObjectMapEntry{CLSID_DekStrona, u"DekStrona", u"DekStrona Class", u"TLXDeklaracje.DekStrona",
                   ClassObjectOf<CDekStrona>},
    ObjectMapEntry{CLSID_DekElement, u"DekElement", u"DekElement Class", u"TLXDeklaracje.DekElement",
                   ClassObjectOf<CDekElement>},
    ObjectMapEntry{CLSID_DekWydruk, u"DekWydruk", u"DekWydruk Class", u"TLXDeklaracje.DekWydruk",
                   ClassObjectOf<CDekWydruk>},
    ObjectMapEntry{CLSID_DekPdf, u"DekPdf", u"DekPdf Class", u"TLX.DekPdf", ClassObjectOf<CDekPdf>},
    // The collection's registration describes it with the name of its items.
    ObjectMapEntry{CLSID_DekPdfKolekcja, u"DekPdfKolekcja", u"DekPdf Class", u"TLX.DekPdfKolekcja",
                   ClassObjectOf<CDekPdfKolekcja>},
    ObjectMapEntry{CLSID_SerwisDeklaracji, u"SerwisDeklaracji", u"SerwisDeklaracji Class", u"TLX.SerwisDeklaracji",
                   ClassObjectOf<CSerwisDeklaracji>},
    ObjectMapEntry{CLSID_VatZd, u"VatZd", u"VatZd Class", u"TLXDeklaracje.VatZd", ClassObjectOf<CVatZd>},
    ObjectMapEntry{CLSID_Vat27, u"Vat27", u"Vat27 Class", u"TLXDeklaracje.Vat27", ClassObjectOf<CVat27>},
    ObjectMapEntry{CLSID_DeklZaklad, u"DeklZaklad", u"DeklZaklad Class", u"TLXDeklaracje.DeklZaklad",
                   ClassObjectOf<CDeklZaklad>},
    ObjectMapEntry{CLSID_DeklZaklady, u"DeklZaklady", u"DeklZaklady Class", u"TLXDeklaracje.DeklZaklady",
                   ClassObjectOf<CDeklZaklady>},
}};
}  // namespace

std::span<const ObjectMapEntry> Classes() { return kClasses; }
}  // namespace deklaracje
