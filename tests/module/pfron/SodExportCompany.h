// The PFRON company of the export tests with a folder of the test's own for the files, and the stand-in
// user's machine ($TLX_CLIENT_ROOT) inside it.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "InfdCompany.h"
#include "SodFiles.h"

namespace pfron_test {

class SodExportCompany : public InfdCompany {
protected:
    void SetUp() override {
        InfdCompany::SetUp();
        out_ = std::filesystem::temp_directory_path() / ("sod-export-" + std::to_string(::getpid()));
        std::filesystem::remove_all(out_);
        std::filesystem::create_directories(out_);
        client_ = out_ / "klient";
        setenv("TLX_CLIENT_ROOT", client_.c_str(), 1);
    }
    void TearDown() override {
        unsetenv("TLX_CLIENT_ROOT");
        std::filesystem::remove_all(out_);
        InfdCompany::TearDown();
    }

    // A new child declaration of `parent` in `session`, of form `type` and `version`, not saved yet.
    tlx::ComPtr<IDeklaracja2> NewChild(ISession* session, long parent, long type, long version) {
        tlx::ComPtr<IDispatch> created;
        EXPECT_EQ(session->CreateObject(tlx::Bstr(tlx::GuidToText(CLSID_Deklaracje)).Get(), tlx::Variant::Missing(),
                                        created.Out()),
                  S_OK);
        tlx::ComPtr<IDispatch> item;
        EXPECT_EQ(created.As<ICollection>()->AddNew(tlx::Variant::Missing(), item.Out()), S_OK);
        auto child = item.As<IDeklaracja2>();
        EXPECT_EQ(child->put_ParentId(parent), S_OK);
        EXPECT_EQ(child->put_TypDeklar(type), S_OK);
        EXPECT_EQ(child->put_Wersja(version), S_OK);
        return child;
    }

    // The folder (or a folder inside it) as the export members take it.
    std::u16string Folder(const char* sub = "") const { return tlx::Utf8ToUtf16((out_ / sub).string()); }
    // The files of a folder, the stand-in user's machine left out.
    std::vector<std::string> Written(const std::filesystem::path& folder) const {
        std::vector<std::string> names = Listing(folder);
        std::erase(names, "klient");
        return names;
    }

    std::filesystem::path out_;
    std::filesystem::path client_;
};

}  // namespace pfron_test
