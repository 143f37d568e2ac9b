#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "ModuleLibrary.h"
#include "platform/registry/Registry.h"
#include "tests/support/TempRegistry.h"

using tlx::RegistryTree;

namespace {

struct ClassRow {
    std::u16string clsid;
    std::u16string progId;
    std::u16string description;
};

// Every class the library registers, with the texts its registration must write.
const std::vector<ClassRow> kClasses = {
    {u"{E7360D54-21C6-423D-B96C-24BD5CA2CA30}", u"TLXDeklaracje.Deklaracja", u"Deklaracja Class"},
    {u"{A876230C-6163-473C-9CE8-5317FFE2FEE5}", u"TLXDeklaracje.Deklaracje", u"Deklaracje Class"},
    {u"{52A3FC3F-903A-4DD8-A02D-5782B1FEA23B}", u"TLXDeklaracje.DekStrona", u"DekStrona Class"},
    {u"{5E7EA073-05BF-4575-A981-DEDDFEE6C2E3}", u"TLXDeklaracje.KeduKolekcja", u"KeduKolekcja Class"},
    {u"{AA3579DD-8832-4F7E-AC3A-95ECD08A4FB5}", u"TLXDeklaracje.Kedu", u"Kedu Class"},
    {u"{58FDC7C4-5E6C-412D-A34A-09ABA2B05995}", u"TLXDeklaracje.RCA", u"RCA Class"},
    {u"{38783A0A-66B5-4E03-B2D0-18CAADC06C06}", u"TLXDeklaracje.DRA", u"DRA Class"},
    {u"{40C0A135-A916-4101-8488-0E848D1C0931}", u"TLXDeklaracje.IWA", u"IWA Class"},
    {u"{19163B1F-80C6-40DE-BE77-C2D9ED67CC54}", u"TLXDeklaracje.RNA", u"RNA Class"},
    {u"{EFF63868-C6B1-4E45-936B-B0F05E16D309}", u"TLXDeklaracje.RZA", u"RZA Class"},
    {u"{0B79219C-6270-44C3-B4A8-17674F3DAB71}", u"TLXDeklaracje.RSA", u"RSA Class"},
    {u"{498FD830-128B-4350-94B9-BD564D3015B4}", u"TLXDeklaracje.DekElement", u"DekElement Class"},
    {u"{6CD8C7FB-B188-42DF-9317-C88A1FD83B82}", u"TLXDeklaracje.DekWydruk", u"DekWydruk Class"},
    {u"{516F4A5E-609E-4AEB-BB52-690F684A017F}", u"TLXDeklaracje.INFD", u"INFD Class"},
    {u"{023B112A-0F2D-415B-90C6-BAB17E7A2A23}", u"TLXDeklaracje.WND", u"WND Class"},
    {u"{54DB6245-EC4B-4A15-BB78-E36CDE835F34}", u"TLXDeklaracje.WNU", u"WNU Class"},
    {u"{DEF2450D-91A1-46DA-9F54-072AE3F19419}", u"TLX.EDeklaracja", u"EDeklaracja Class"},
    {u"{6A282636-EDDA-4C85-AD0C-9777A04B334B}", u"TLX.DekPdf", u"DekPdf Class"},
    {u"{2894BCA2-E6C4-11DC-BD28-D78055D89593}", u"TLX.DekPdfKolekcja", u"DekPdf Class"},
    {u"{85F5979A-B3FE-489A-8710-9370632AAFEC}", u"TLXDeklaracje.WND3", u"WND3 Class"},
    {u"{B2BA708F-89A1-4381-A28B-6DAA0723027D}", u"TLX.SerwisDeklaracji", u"SerwisDeklaracji Class"},
    {u"{51340D15-30C0-471B-AB28-8AE727095342}", u"TLX.FirmaCfgRO", u"FirmaCfgRO Class"},
    {u"{D21867D6-2A2C-49F7-BCEB-4B4F82D0781B}", u"TLX.ProgramCfgRO", u"ProgramCfgRO Class"},
    {u"{8FC99B45-0F57-44C6-A1E0-E87CA7078622}", u"TLXDeklaracje.ZSWA", u"ZSWA Class"},
    {u"{E60A40B4-08C3-4DC6-B4E3-293F1EB6FF38}", u"TLXDeklaracje.VatZd", u"VatZd Class"},
    {u"{E60A40B4-08C3-4DC6-B4E3-293F1EB6FF39}", u"TLXDeklaracje.Vat27", u"Vat27 Class"},
    {u"{70DBF3C8-5E90-41F7-A9CC-72DF17DD0801}", u"TLXDeklaracje.DeklZaklad", u"DeklZaklad Class"},
    {u"{1468D668-7970-451A-95ED-8DFDB60910CC}", u"TLXDeklaracje.DeklZaklady", u"DeklZaklady Class"},
};

constexpr char16_t kLibId[] = u"{96A3682C-4EC0-4B83-BB8D-4029C8AF1907}";

struct InterfaceRow {
    std::u16string iid;
    std::u16string name;
};

// The library's interfaces whose identifiers the host and other programs already know.
const std::vector<InterfaceRow> kKnownInterfaces = {
    {u"{514AB392-966B-47DE-BDC8-70798ADA1CD3}", u"IDekStrona"},
    {u"{DAC99762-6D39-4919-A981-9EE0C18FCF2D}", u"IDekElement"},
    {u"{5746F9AD-E596-48B5-9C36-5F0CC61486FF}", u"IDekWydruk"},
    {u"{3EBE3132-2EA9-4AEE-BA4C-B70E56779923}", u"IDekPdf"},
    {u"{83E69FC2-8FA9-47B7-83CD-09F60012898B}", u"IVatZd"},
    {u"{83E69FC2-8FA9-47B7-83CD-09F60012898C}", u"IVat27"},
    {u"{90C77679-AF48-47D5-9225-24AF8A9E3514}", u"IDeklZaklad"},
    {u"{C2BA708F-89A1-4381-A28B-6DAA0723027D}", u"ISerwisDeklaracji"},
    {u"{61340D15-30C0-471B-AB28-8AE727095342}", u"IFirmaCfgRO"},
    {u"{E21867D6-2A2C-49F7-BCEB-4B4F82D0781B}", u"IProgramCfgRO"},
    {u"{38A640A4-7CBD-4F4C-AFE5-4C07DA60D6F4}", u"IEDeklaracja"},
    {u"{9CB85E2D-758D-4729-B946-1E0C39C21BC8}", u"IDRA"},
    {u"{A0B84B8F-3074-40C3-83EC-6A935BF64BF2}", u"IDRAExt"},
    {u"{34C26AC0-72F1-4FFD-8F0D-796A4945B29A}", u"IIWA"},
    {u"{251E0E7A-EDCE-4DB0-8B11-5E83EBDA54AC}", u"IZSWA"},
    {u"{F780F03C-72BB-446A-9AFE-1C4CFD05908C}", u"IKedu"},
    {u"{EBE3A124-ABF5-4964-9D12-856F3B292B85}", u"IWNU"},
};
constexpr std::size_t kTypeLibInterfaceCount = 23;

std::string Narrow(const std::u16string& text) { return std::string(text.begin(), text.end()); }

std::vector<std::u16string> SortedSubkeys(const RegistryTree& tree, const std::u16string& key) {
    std::vector<std::u16string> names = tree.Subkeys(key);
    std::sort(names.begin(), names.end());
    return names;
}

class Registration : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(module_.Loaded()) << TLX_MODULE_PATH; }

    RegistryTree Read() {
        RegistryTree tree;
        EXPECT_EQ(tlx::ReadRegistry(tree), S_OK);
        return tree;
    }
    void Seed(const std::function<void(RegistryTree&)>& change) { ASSERT_EQ(tlx::UpdateRegistry(change), S_OK); }

    TempRegistry registry_;
    ModuleLibrary module_;
};

}  // namespace

TEST_F(Registration, WritesEveryClassWithExactlyItsKeysAndValues) {
    ASSERT_EQ(module_.DllRegisterServer(), S_OK);
    RegistryTree tree = Read();
    const std::vector<std::u16string> classSubkeys = {u"InprocServer32", u"Programmable", u"ProgID", u"TypeLib",
                                                      u"VersionIndependentProgID"};
    for (const ClassRow& row : kClasses) {
        SCOPED_TRACE(Narrow(row.progId));
        const std::u16string versioned = row.progId + u".1";
        EXPECT_EQ(tree.Value(versioned), row.description);
        EXPECT_EQ(tree.Value(versioned + u"\\CLSID"), row.clsid);
        EXPECT_EQ(tree.Subkeys(versioned), std::vector<std::u16string>{u"CLSID"});

        EXPECT_EQ(tree.Value(row.progId), row.description);
        EXPECT_EQ(tree.Value(row.progId + u"\\CLSID"), row.clsid);
        EXPECT_EQ(tree.Value(row.progId + u"\\CurVer"), versioned);
        EXPECT_EQ(SortedSubkeys(tree, row.progId), (std::vector<std::u16string>{u"CLSID", u"CurVer"}));

        const std::u16string key = u"CLSID\\" + row.clsid;
        EXPECT_EQ(tree.Value(key), row.description);
        std::vector<std::u16string> expected = classSubkeys;
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(SortedSubkeys(tree, key), expected);
        EXPECT_EQ(tree.Value(key + u"\\ProgID"), versioned);
        EXPECT_EQ(tree.Value(key + u"\\VersionIndependentProgID"), row.progId);
        ASSERT_NE(tree.Find(key + u"\\Programmable"), nullptr);
        EXPECT_FALSE(tree.Find(key + u"\\Programmable")->defaultValue.has_value());
        EXPECT_EQ(tree.Value(key + u"\\InprocServer32"), ModuleLibrary::Path());
        EXPECT_EQ(tree.Value(key + u"\\InprocServer32", u"ThreadingModel"), u"Free");
        EXPECT_EQ(tree.Find(key + u"\\InprocServer32")->values.size(), 1u);
        EXPECT_EQ(tree.Value(key + u"\\TypeLib"), kLibId);
    }
    EXPECT_EQ(tree.Subkeys(u"CLSID").size(), kClasses.size()) << "one class key per class and no other";
}

TEST_F(Registration, RegistersTheTypeLibrary) {
    ASSERT_EQ(module_.DllRegisterServer(), S_OK);
    RegistryTree tree = Read();
    const std::u16string key = std::u16string(u"TypeLib\\") + kLibId;
    EXPECT_EQ(tree.Subkeys(key), std::vector<std::u16string>{u"1.0"});
    EXPECT_EQ(tree.Value(key + u"\\1.0\\0\\win32"), ModuleLibrary::Path());
    EXPECT_EQ(tree.Value(key + u"\\1.0\\FLAGS"), u"0");
    ASSERT_TRUE(tree.Value(key + u"\\1.0\\HELPDIR").has_value());
    EXPECT_EQ(ModuleLibrary::Path().rfind(*tree.Value(key + u"\\1.0\\HELPDIR"), 0), 0u)
        << "the help folder is the library's own";

    EXPECT_EQ(tree.Subkeys(u"Interface").size(), kTypeLibInterfaceCount);
    for (const InterfaceRow& row : kKnownInterfaces) {
        SCOPED_TRACE(Narrow(row.name));
        const std::u16string interfaceKey = u"Interface\\" + row.iid;
        EXPECT_EQ(tree.Value(interfaceKey), row.name);
        EXPECT_EQ(tree.Value(interfaceKey + u"\\ProxyStubClsid32"), u"{00020424-0000-0000-C000-000000000046}");
        EXPECT_EQ(tree.Value(interfaceKey + u"\\TypeLib"), kLibId);
        EXPECT_EQ(tree.Value(interfaceKey + u"\\TypeLib", u"Version"), u"1.0");
    }
}

TEST_F(Registration, RegisteringAgainRecreatesTheClassKeyWhole) {
    const std::u16string key = u"CLSID\\" + kClasses[0].clsid;
    ASSERT_EQ(module_.DllRegisterServer(), S_OK);
    Seed([&](RegistryTree& tree) {
        tree.Create(key + u"\\Implemented Categories");
        tree.Create(key + u"\\Programmable\\Leftover");
        tree.Create(key + u"\\InprocServer32").values[u"ThreadingModel"] = u"Apartment";
        tree.Create(u"clsid\\" + kClasses[0].clsid + u"\\ProgID").defaultValue = u"Old.Name.1";
    });
    ASSERT_EQ(module_.DllRegisterServer(), S_OK);

    RegistryTree tree = Read();
    EXPECT_EQ(tree.Subkeys(u"CLSID").size(), kClasses.size());
    EXPECT_EQ(tree.Find(key + u"\\Implemented Categories"), nullptr);
    EXPECT_TRUE(tree.Subkeys(key + u"\\Programmable").empty());
    EXPECT_EQ(tree.Value(key + u"\\InprocServer32", u"ThreadingModel"), u"Free");
    EXPECT_EQ(tree.Value(key + u"\\ProgID"), u"TLXDeklaracje.Deklaracja.1");
}

TEST_F(Registration, UnregisteringRemovesProgIdsAndClassKeysButKeepsTheClsidKey) {
    constexpr char16_t kForeign[] = u"CLSID\\{00000000-1234-1234-1234-000000000042}";
    Seed([&](RegistryTree& tree) { tree.Create(kForeign).defaultValue = u"Foreign Class"; });
    ASSERT_EQ(module_.DllRegisterServer(), S_OK);
    ASSERT_EQ(module_.DllUnregisterServer(), S_OK);

    RegistryTree tree = Read();
    for (const ClassRow& row : kClasses) {
        SCOPED_TRACE(Narrow(row.progId));
        EXPECT_EQ(tree.Find(row.progId), nullptr);
        EXPECT_EQ(tree.Find(row.progId + u".1"), nullptr);
        EXPECT_EQ(tree.Find(u"CLSID\\" + row.clsid), nullptr);
    }
    EXPECT_EQ(tree.Value(kForeign), u"Foreign Class");
    EXPECT_EQ(tree.Find(std::u16string(u"TypeLib\\") + kLibId), nullptr);
    EXPECT_TRUE(tree.Subkeys(u"Interface").empty()) << "the library's interfaces go with it";
}

TEST_F(Registration, UnregisteringTheOnlyClassesStillLeavesTheClsidKey) {
    ASSERT_EQ(module_.DllRegisterServer(), S_OK);
    ASSERT_EQ(module_.DllUnregisterServer(), S_OK);
    RegistryTree tree = Read();
    ASSERT_NE(tree.Find(u"CLSID"), nullptr);
    EXPECT_TRUE(tree.Subkeys(u"CLSID").empty());
}

TEST_F(Registration, NeverWritesTheUnmappedClasses) {
    ASSERT_EQ(module_.DllRegisterServer(), S_OK);
    RegistryTree tree = Read();
    for (std::u16string progId :
         {u"TLXDeklaracje.DekElementInfo", u"TLXDeklaracje.VatZdKolekcja", u"TLXDeklaracje.Vat27Kolekcja"}) {
        SCOPED_TRACE(Narrow(progId));
        EXPECT_EQ(tree.Find(progId), nullptr);
        EXPECT_EQ(tree.Find(progId + u".1"), nullptr);
    }
    EXPECT_EQ(tree.Find(u"CLSID\\{B973C29A-6079-4659-ACAD-31265A1ED3BE}"), nullptr);
}

TEST_F(Registration, CorruptRegistryIsReportedAndLeftAsItWas) {
    std::ofstream(registry_.Path(), std::ios::binary | std::ios::trunc) << "garbage\n";
    EXPECT_EQ(module_.DllRegisterServer(), REGDB_E_READREGDB);
    EXPECT_EQ(module_.DllUnregisterServer(), REGDB_E_READREGDB);
    std::ifstream file(registry_.Path(), std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    EXPECT_EQ(text, "garbage\n");
}
