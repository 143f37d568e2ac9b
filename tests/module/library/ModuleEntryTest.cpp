#include <gtest/gtest.h>

#include "ModuleLibrary.h"
#include "mv_deklaracje_tlb.h"
#include "platform/com/ClassRegistry.h"
#include "platform/com/ComPtr.h"
#include "tests/support/TempRegistry.h"

using tlx::ComPtr;

namespace {

class ModuleEntry : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(module_.Loaded()) << TLX_MODULE_PATH; }
    ModuleLibrary module_;
};

constexpr CLSID kMappedClasses[] = {
    CLSID_Deklaracja, CLSID_Deklaracje,       CLSID_DekStrona,  CLSID_KeduKolekcja,    CLSID_Kedu,
    CLSID_RCA,        CLSID_DRA,              CLSID_IWA,        CLSID_RNA,             CLSID_RZA,
    CLSID_RSA,        CLSID_DekElement,       CLSID_DekWydruk,  CLSID_INFD,            CLSID_WND,
    CLSID_WNU,        CLSID_EDeklaracja,      CLSID_DekPdf,     CLSID_DekPdfKolekcja,  CLSID_WND3,
    CLSID_SerwisDeklaracji, CLSID_FirmaCfgRO, CLSID_ProgramCfgRO, CLSID_ZSWA,          CLSID_VatZd,
    CLSID_Vat27,      CLSID_DeklZaklad,       CLSID_DeklZaklady,
};

}  // namespace

TEST_F(ModuleEntry, HandsOutAClassFactoryForEveryMappedClass) {
    for (const CLSID& clsid : kMappedClasses) {
        const std::u16string text = tlx::GuidToText(clsid);
        SCOPED_TRACE(std::string(text.begin(), text.end()));
        ComPtr<IClassFactory> factory;
        EXPECT_EQ(module_.DllGetClassObject(clsid, IID_IClassFactory, factory.OutVoid()), S_OK);
        EXPECT_TRUE(factory);
    }
}

TEST_F(ModuleEntry, ClassesOutsideTheMapAreNotAvailable) {
    void* out = reinterpret_cast<void*>(1);
    for (const CLSID& clsid : {CLSID_DekElementInfo, CLSID_TransformHelper, CLSID_VatZdKolekcja,
                               CLSID_Vat27Kolekcja, tlx::MakeGuid(u"{00000000-1234-1234-1234-000000000042}")}) {
        EXPECT_EQ(module_.DllGetClassObject(clsid, IID_IClassFactory, &out), CLASS_E_CLASSNOTAVAILABLE);
        EXPECT_EQ(out, nullptr);
    }
    EXPECT_EQ(module_.DllGetClassObject(CLSID_Deklaracja, IID_IClassFactory, nullptr), E_POINTER);
}

TEST_F(ModuleEntry, UnloadIsRefusedWhileAFactoryOrAServerLockLives) {
    ASSERT_EQ(module_.DllCanUnloadNow(), S_OK);
    ComPtr<IClassFactory> factory;
    ASSERT_EQ(module_.DllGetClassObject(CLSID_VatZd, IID_IClassFactory, factory.OutVoid()), S_OK);
    EXPECT_EQ(module_.DllCanUnloadNow(), S_FALSE);

    ASSERT_EQ(factory->LockServer(TRUE), S_OK);
    factory.Reset();
    EXPECT_EQ(module_.DllCanUnloadNow(), S_FALSE) << "the server lock outlives the factory";

    ComPtr<IClassFactory> again;
    ASSERT_EQ(module_.DllGetClassObject(CLSID_VatZd, IID_IClassFactory, again.OutVoid()), S_OK);
    ASSERT_EQ(again->LockServer(FALSE), S_OK);
    again.Reset();
    EXPECT_EQ(module_.DllCanUnloadNow(), S_OK);
}

TEST_F(ModuleEntry, RegisteredClassesAreFoundThroughTheClassRegistry) {
    TempRegistry registry;
    ASSERT_EQ(module_.DllRegisterServer(), S_OK);
    for (const char16_t* progId : {u"TLXDeklaracje.Deklaracja", u"TLXDeklaracje.Deklaracja.1", u"TLX.FirmaCfgRO.1"}) {
        CLSID clsid{};
        EXPECT_EQ(CLSIDFromProgID(progId, &clsid), S_OK);
    }
    CLSID clsid{};
    ASSERT_EQ(CLSIDFromProgID(u"TLX.DekPdfKolekcja", &clsid), S_OK);
    EXPECT_EQ(clsid, CLSID_DekPdfKolekcja);

    ComPtr<IClassFactory> factory;
    ASSERT_EQ(CoGetClassObject(CLSID_Deklaracje, CLSCTX_INPROC_SERVER, nullptr, IID_IClassFactory, factory.OutVoid()),
              S_OK);
    EXPECT_TRUE(factory);
    LPOLESTR progId = nullptr;
    ASSERT_EQ(ProgIDFromCLSID(CLSID_Deklaracje, &progId), S_OK);
    EXPECT_EQ(std::u16string_view(progId), u"TLXDeklaracje.Deklaracje.1");
    CoTaskMemFree(progId);
    factory.Reset();
    CoFreeUnusedLibraries();
}
