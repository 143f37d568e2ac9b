// A fixture for e-declaration builds of the module's own forms on the demo company (with the host's
// demo data), the e-declaration object logged in and its progress heard by a recording sink; with the
// build, the saved text of a document and the failure a step raised.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>

#include "EDeklaracjaSupport.h"
#include "host/session/HostEnvironment.h"

namespace edtest {

inline std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

inline std::filesystem::path Golden(const char* name) {
    return std::filesystem::path(std::getenv("TLX_SOURCE_DIR")) / "tests" / "module" / "edeklaracje" / "golden" / name;
}

class DemoFormsTest : public ModuleClassTest {
protected:
    bool WithDemoCompany() const override { return true; }
    bool WithHostDemoData() const override { return true; }

    void SetUp() override {
        ModuleClassTest::SetUp();
        edeklaracja = CEDeklaracja::Make();
        LONG state = 0;
        ASSERT_EQ(edeklaracja->Initialize(session_.Get(), &state), S_OK);
        ASSERT_EQ(edeklaracja->put_Login(tlx::ComPtr<IDispatch>(tlx::host::CurrentLogin().Get()).Get()), S_OK);
        sink = CRecordingSink::Make();
        ASSERT_EQ(edeklaracja->AdviseProgress(static_cast<_IProgressEvents*>(sink.Get())), S_OK);
    }

    tlx::ComPtr<IXMLDOMDocument2> Build(IDeklaracja2* declaration, std::u16string_view transform) {
        auto form = edeklaracja->ReadFormParameters(declaration);
        return edeklaracja->BuildDocument(form, declaration, transform);
    }

    std::string Saved(IXMLDOMDocument2* document) {
        auto path = folder_ / "zapis.xml";
        EXPECT_EQ(document->save(tlx::Variant::FromString(tlx::Utf8ToUtf16(path.string()))), S_OK);
        return ReadFile(path);
    }

    // The failure a step raised: its HRESULT and description.
    template <class Step>
    std::pair<HRESULT, std::u16string> Failure(Step&& step) {
        try {
            step();
        } catch (const ComError& e) {
            tlx::Bstr text;
            if (e.Info()) e.Info()->GetDescription(text.Out());
            return {e.Code(), std::u16string(text.View())};
        }
        return {S_OK, u""};
    }

    tlx::ComPtr<CEDeklaracja> edeklaracja;
    tlx::ComPtr<CRecordingSink> sink;
};

}  // namespace edtest
