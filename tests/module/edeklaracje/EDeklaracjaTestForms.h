// A fixture for e-declaration builds over declarations whose forms come from the tests' resources
// (tests/module/resources), on the demo company, with the e-declaration object logged in and its
// progress heard by a recording sink.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "DeclarationFixture.h"
#include "EDeklaracjaSupport.h"
#include "FormTestSupport.h"
#include "host/session/HostEnvironment.h"
#include "mv_deklaracje/deklaracje/Deklaracja.h"

namespace edtest {

class CTestFormsFactory final : public tlx::ComObject<CTestFormsFactory, IClassFactory> {
public:
    HRESULT CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
        if (outer) return CLASS_E_NOAGGREGATION;
        return CDeklaracja::Make(ModuleTestResources())->QueryInterface(iid, out);
    }
    HRESULT LockServer(BOOL) override { return S_OK; }
};

class TestFormsTest : public ModuleClassTest {
protected:
    bool WithDemoCompany() const override { return true; }

    void SetUp() override {
        ModuleClassTest::SetUp();
        factory = CTestFormsFactory::Make();
        testForms.emplace(CLSID_Deklaracja, u"TLXDeklaracje.Deklaracja", static_cast<IClassFactory*>(factory.Get()));
        edeklaracja = CEDeklaracja::Make(ModuleTestResources());
        LONG state = 0;
        ASSERT_EQ(edeklaracja->Initialize(session_.Get(), &state), S_OK);
        ASSERT_EQ(edeklaracja->put_Login(tlx::ComPtr<IDispatch>(tlx::host::CurrentLogin().Get()).Get()), S_OK);
        sink = CRecordingSink::Make();
        ASSERT_EQ(edeklaracja->AdviseProgress(static_cast<_IProgressEvents*>(sink.Get())), S_OK);
        declarations = Create(u"TLXDeklaracje.Deklaracje").As<ICollection>();
    }
    void TearDown() override {
        declarations.Reset();
        edeklaracja.Reset();
        testForms.reset();
        ModuleClassTest::TearDown();
    }

    // A new declaration of a test form, not loaded until a field is touched; a number of 0 leaves the
    // numbering to the form, `parent` links it as a child of that declaration.
    tlx::ComPtr<IDeklaracja2> New(LONG type, LONG version, LONG year = 2017, LONG month = 1, LONG number = 0,
                                  LONG parent = 0) {
        tlx::ComPtr<IDispatch> item;
        EXPECT_EQ(declarations->AddNew(tlx::Variant::Missing(), item.Out()), S_OK) << tlx::Utf16ToUtf8(LastError());
        auto declaration = item.As<IDeklaracja2>();
        declaration->put_TypDeklar(type);
        declaration->put_Wersja(version);
        declaration->put_Rok(year);
        declaration->put_Miesiac(month);
        if (number) declaration->put_Numer(number);
        if (parent) declaration->put_ParentId(parent);
        return declaration;
    }
    void Save() { ASSERT_EQ(tlx::test::SaveCollection(declarations.Get()), S_OK) << tlx::Utf16ToUtf8(LastError()); }
    static LONG IdOf(IDeklaracja2* declaration) {
        LONG id = 0;
        declaration->get_ID(&id);
        return id;
    }
    // The texts of the SendMessage events heard.
    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const auto& [id, args] : sink->events)
            if (id == kSendMessage) texts.push_back(tlx::Utf16ToUtf8(args.at(1)));
        return texts;
    }

    tlx::ComPtr<CTestFormsFactory> factory;
    std::optional<tlx::ScopedClassOverride> testForms;
    tlx::ComPtr<CEDeklaracja> edeklaracja;
    tlx::ComPtr<CRecordingSink> sink;
    tlx::ComPtr<ICollection> declarations;
};

}  // namespace edtest
