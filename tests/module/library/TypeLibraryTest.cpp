#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "mv_deklaracje_tlb.h"
#include "tlb/DispatchTables.h"

namespace {

struct NamedTable {
    const char* name;
    const tlx::DispatchTable& table;
};

// The dispatch table of every dual interface of the type library, as objects serve them.
std::vector<NamedTable> AllTables() {
    return {{"IDeklaracja", DispatchTableOf(static_cast<IDeklaracja*>(nullptr))},
            {"IDeklaracja2", DispatchTableOf(static_cast<IDeklaracja2*>(nullptr))},
            {"IDekElementInfo", DispatchTableOf(static_cast<IDekElementInfo*>(nullptr))},
            {"IDekStrona", DispatchTableOf(static_cast<IDekStrona*>(nullptr))},
            {"IDekElement", DispatchTableOf(static_cast<IDekElement*>(nullptr))},
            {"IDekWydruk", DispatchTableOf(static_cast<IDekWydruk*>(nullptr))},
            {"IDekPdf", DispatchTableOf(static_cast<IDekPdf*>(nullptr))},
            {"IVatZd", DispatchTableOf(static_cast<IVatZd*>(nullptr))},
            {"IVat27", DispatchTableOf(static_cast<IVat27*>(nullptr))},
            {"IDeklZaklad", DispatchTableOf(static_cast<IDeklZaklad*>(nullptr))},
            {"ISerwisDeklaracji", DispatchTableOf(static_cast<ISerwisDeklaracji*>(nullptr))},
            {"IFirmaCfgRO", DispatchTableOf(static_cast<IFirmaCfgRO*>(nullptr))},
            {"IProgramCfgRO", DispatchTableOf(static_cast<IProgramCfgRO*>(nullptr))},
            {"ITransformHelper", DispatchTableOf(static_cast<ITransformHelper*>(nullptr))},
            {"IEDeklaracja", DispatchTableOf(static_cast<IEDeklaracja*>(nullptr))},
            {"IDRA", DispatchTableOf(static_cast<IDRA*>(nullptr))},
            {"IDRAExt", DispatchTableOf(static_cast<IDRAExt*>(nullptr))},
            {"IIWA", DispatchTableOf(static_cast<IIWA*>(nullptr))},
            {"IZSWA", DispatchTableOf(static_cast<IZSWA*>(nullptr))},
            {"IKedu", DispatchTableOf(static_cast<IKedu*>(nullptr))},
            {"IINFD", DispatchTableOf(static_cast<IINFD*>(nullptr))},
            {"IWND", DispatchTableOf(static_cast<IWND*>(nullptr))},
            {"IWNU", DispatchTableOf(static_cast<IWNU*>(nullptr))}};
}

std::string Narrow(const char16_t* text) { return std::string(text, text + std::char_traits<char16_t>::length(text)); }

}  // namespace

// A dispatch identifier names one member (a property's get and put share it): two members answering the
// same identifier would make one of them unreachable by name.
TEST(TypeLibrary, DispatchIdentifiersAreDistinctWithinEachInterface) {
    for (const NamedTable& interface : AllTables()) {
        std::map<DISPID, std::u16string> seen;
        for (const tlx::DispatchEntry& member : interface.table.Entries()) {
            auto [it, inserted] = seen.emplace(member.id, tlx::FoldNameCase(member.name));
            EXPECT_TRUE(inserted || it->second == tlx::FoldNameCase(member.name))
                << interface.name << ": " << Narrow(member.name) << " shares the dispatch identifier " << member.id;
        }
    }
}

TEST(TypeLibrary, DeclarationMembersLeaveTheFieldRangeToTheForm) {
    for (const NamedTable& interface : AllTables()) {
        if (std::string(interface.name).rfind("IDeklaracja", 0) != 0) continue;
        for (const tlx::DispatchEntry& member : interface.table.Entries()) {
            EXPECT_GT(member.id, 0) << Narrow(member.name);
            EXPECT_LT(member.id, IDeklaracja2::kFirstFieldDispid) << Narrow(member.name);
        }
    }
}

TEST(TypeLibrary, InterfaceAndClassIdentifiersAreDistinct) {
    std::set<std::u16string> seen;
    auto expectNew = [&](REFGUID guid, const std::string& what) {
        const std::u16string text = tlx::GuidToText(guid);
        EXPECT_TRUE(seen.insert(text).second) << what << " repeats " << std::string(text.begin(), text.end());
    };
    for (const TypeLibInterface& entry : kTypeLibInterfaces) expectNew(entry.iid, Narrow(entry.name));
    expectNew(IGetDekElementInfo::kIid, "IGetDekElementInfo");
    expectNew(IPodatnik::kIid, "IPodatnik");
    expectNew(_IProgressEvents::kIid, "_IProgressEvents");
    for (const CLSID& clsid :
         {CLSID_Deklaracja, CLSID_Deklaracje, CLSID_DekStrona, CLSID_KeduKolekcja, CLSID_Kedu, CLSID_RCA, CLSID_DRA,
          CLSID_IWA, CLSID_RNA, CLSID_RZA, CLSID_RSA, CLSID_DekElement, CLSID_DekWydruk, CLSID_INFD, CLSID_WND,
          CLSID_WNU, CLSID_EDeklaracja, CLSID_DekPdf, CLSID_DekPdfKolekcja, CLSID_WND3, CLSID_SerwisDeklaracji,
          CLSID_FirmaCfgRO, CLSID_ProgramCfgRO, CLSID_ZSWA, CLSID_VatZd, CLSID_Vat27, CLSID_DeklZaklad,
          CLSID_DeklZaklady, CLSID_DekElementInfo, CLSID_TransformHelper, CLSID_VatZdKolekcja, CLSID_Vat27Kolekcja})
        expectNew(clsid, "a class");
    expectNew(LIBID_MV_DEKLARACJELib, "the library");
}
