// The object map: every class the library creates, with its identity and its class object.
#include <array>

#include "mv_deklaracje/DekElement.h"
#include "mv_deklaracje/Deklaracja.h"
#include "mv_deklaracje/DekStrona.h"
#include "mv_deklaracje/DekWydruk.h"
#include "mv_deklaracje/DekPdf.h"
#include "mv_deklaracje/DekPdfKolekcja.h"
#include "mv_deklaracje/DeklZaklad.h"
#include "mv_deklaracje/DeklZaklady.h"
#include "mv_deklaracje/Deklaracje.h"
#include "mv_deklaracje/FirmaCfgRO.h"
#include "mv_deklaracje/Module.h"
#include "mv_deklaracje/ProgramCfgRO.h"
#include "mv_deklaracje/SerwisDeklaracji.h"
#include "mv_deklaracje/Vat27.h"
#include "mv_deklaracje/VatZd.h"
#include "mv_deklaracje_tlb.h"
#include "platform/com/ComObject.h"

namespace {
// Stands for a class whose implementation the library does not carry yet: its factory is handed out
// like any other, and every creation through it answers CLASS_E_CLASSNOTAVAILABLE.
struct ClassNotAvailable {
    static HRESULT CreateObject(IUnknown* /*outer*/, REFIID /*iid*/, void** out) {
        if (!out) return E_POINTER;
        *out = nullptr;
        return CLASS_E_CLASSNOTAVAILABLE;
    }
};

HRESULT NotAvailable(REFIID iid, void** out) { return tlx::ClassFactory<ClassNotAvailable>::Get(iid, out); }

template <class T>
HRESULT Factory(REFIID iid, void** out) {
    return tlx::ClassFactory<T>::Get(iid, out);
}

constexpr std::array kObjectMap{
    ObjectMapEntry{CLSID_Deklaracja, u"Deklaracja", u"Deklaracja Class", u"TLXDeklaracje.Deklaracja",
                   tlx::ClassFactory<CDeklaracja>::Get},
    ObjectMapEntry{CLSID_Deklaracje, u"Deklaracje", u"Deklaracje Class", u"TLXDeklaracje.Deklaracje",
                   tlx::ClassFactory<CDeklaracje>::Get},
    ObjectMapEntry{CLSID_DekStrona, u"DekStrona", u"DekStrona Class", u"TLXDeklaracje.DekStrona",
                   tlx::ClassFactory<CDekStrona>::Get},
    ObjectMapEntry{CLSID_KeduKolekcja, u"KeduKolekcja", u"KeduKolekcja Class", u"TLXDeklaracje.KeduKolekcja",
                   NotAvailable},
    ObjectMapEntry{CLSID_Kedu, u"Kedu", u"Kedu Class", u"TLXDeklaracje.Kedu", NotAvailable},
    ObjectMapEntry{CLSID_RCA, u"RCA", u"RCA Class", u"TLXDeklaracje.RCA", NotAvailable},
    ObjectMapEntry{CLSID_DRA, u"DRA", u"DRA Class", u"TLXDeklaracje.DRA", NotAvailable},
    ObjectMapEntry{CLSID_IWA, u"IWA", u"IWA Class", u"TLXDeklaracje.IWA", NotAvailable},
    ObjectMapEntry{CLSID_RNA, u"RNA", u"RNA Class", u"TLXDeklaracje.RNA", NotAvailable},
    ObjectMapEntry{CLSID_RZA, u"RZA", u"RZA Class", u"TLXDeklaracje.RZA", NotAvailable},
    ObjectMapEntry{CLSID_RSA, u"RSA", u"RSA Class", u"TLXDeklaracje.RSA", NotAvailable},
    ObjectMapEntry{CLSID_DekElement, u"DekElement", u"DekElement Class", u"TLXDeklaracje.DekElement",
                   tlx::ClassFactory<CDekElement>::Get},
    ObjectMapEntry{CLSID_DekWydruk, u"DekWydruk", u"DekWydruk Class", u"TLXDeklaracje.DekWydruk",
                   tlx::ClassFactory<CDekWydruk>::Get},
    ObjectMapEntry{CLSID_INFD, u"INFD", u"INFD Class", u"TLXDeklaracje.INFD", NotAvailable},
    ObjectMapEntry{CLSID_WND, u"WND", u"WND Class", u"TLXDeklaracje.WND", NotAvailable},
    ObjectMapEntry{CLSID_WNU, u"WNU", u"WNU Class", u"TLXDeklaracje.WNU", NotAvailable},
    ObjectMapEntry{CLSID_EDeklaracja, u"EDeklaracja", u"EDeklaracja Class", u"TLX.EDeklaracja", NotAvailable},
    ObjectMapEntry{CLSID_DekPdf, u"DekPdf", u"DekPdf Class", u"TLX.DekPdf", Factory<CDekPdf>},
    // The collection's registration describes it with the name of its items.
    ObjectMapEntry{CLSID_DekPdfKolekcja, u"DekPdfKolekcja", u"DekPdf Class", u"TLX.DekPdfKolekcja",
                   Factory<CDekPdfKolekcja>},
    ObjectMapEntry{CLSID_WND3, u"WND3", u"WND3 Class", u"TLXDeklaracje.WND3", NotAvailable},
    ObjectMapEntry{CLSID_SerwisDeklaracji, u"SerwisDeklaracji", u"SerwisDeklaracji Class", u"TLX.SerwisDeklaracji",
                   Factory<CSerwisDeklaracji>},
    ObjectMapEntry{CLSID_FirmaCfgRO, u"FirmaCfgRO", u"FirmaCfgRO Class", u"TLX.FirmaCfgRO",
                   tlx::ClassFactory<CFirmaCfgRO>::Get},
    ObjectMapEntry{CLSID_ProgramCfgRO, u"ProgramCfgRO", u"ProgramCfgRO Class", u"TLX.ProgramCfgRO",
                   tlx::ClassFactory<CProgramCfgRO>::Get},
    ObjectMapEntry{CLSID_ZSWA, u"ZSWA", u"ZSWA Class", u"TLXDeklaracje.ZSWA", NotAvailable},
    ObjectMapEntry{CLSID_VatZd, u"VatZd", u"VatZd Class", u"TLXDeklaracje.VatZd", Factory<CVatZd>},
    ObjectMapEntry{CLSID_Vat27, u"Vat27", u"Vat27 Class", u"TLXDeklaracje.Vat27", Factory<CVat27>},
    ObjectMapEntry{CLSID_DeklZaklad, u"DeklZaklad", u"DeklZaklad Class", u"TLXDeklaracje.DeklZaklad",
                   Factory<CDeklZaklad>},
    ObjectMapEntry{CLSID_DeklZaklady, u"DeklZaklady", u"DeklZaklady Class", u"TLXDeklaracje.DeklZaklady",
                   tlx::ClassFactory<CDeklZaklady>::Get},
};
static_assert(kObjectMap.size() == 28);
}  // namespace

std::span<const ObjectMapEntry> ObjectMap() { return kObjectMap; }
