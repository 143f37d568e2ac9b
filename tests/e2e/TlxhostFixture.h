// A fixture for end-to-end tests: a demo company created by tlxhost in a temporary folder, the module
// registered into that folder's registry, and scripts run against the company through `tlxhost run`.
#pragma once

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

class TlxhostDemoTest : public ::testing::Test {
protected:
    void SetUp() override {
        // The host's schema store for the scripts that validate: the official schemas beside the checkout.
        setenv("TLX_SCHEMA_DIR", TLX_SCHEMA_DIR, 0);
        std::random_device random;
        folder_ = std::filesystem::temp_directory_path() / ("tlx-e2e-" + std::to_string(random()));
        std::filesystem::create_directories(folder_);
        ASSERT_EQ(Run("init-db '" + Path("firma.db") + "' --demo"), 0) << err_;
        ASSERT_EQ(Run("register"), 0) << err_;
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    std::string Path(const std::string& name) const { return (folder_ / name).string(); }
    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    // A file of tests/e2e (a script, a golden output) in the checkout.
    static std::string Source(const std::string& name) {
        const char* root = std::getenv("TLX_SOURCE_DIR");
        std::string bytes = Read(std::string(root ? root : ".") + "/tests/e2e/" + name);
        EXPECT_FALSE(bytes.empty()) << name;
        return bytes;
    }
    // A golden output of tests/e2e/golden.
    static std::string Golden(const std::string& name) { return Source("golden/" + name); }
    // Runs tlxhost with `arguments`; its output lands in out_ and err_, its exit status is the answer.
    int Run(const std::string& arguments) {
        std::string command = "TLX_REGISTRY='" + Path("hkcr.reg") + "' '" + TLX_HOST_PROGRAM + "' " + arguments +
                              " >'" + Path("out.txt") + "' 2>'" + Path("err.txt") + "'";
        int raw = std::system(command.c_str());
        out_ = Read(Path("out.txt"));
        err_ = Read(Path("err.txt"));
        return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    }
    // Runs a script against the demo company.
    int RunScript(const std::string& script) {
        std::ofstream(Path("skrypt.js"), std::ios::binary) << script;
        return Run("run '" + Path("skrypt.js") + "' --db '" + Path("firma.db") + "'");
    }

    std::filesystem::path folder_;
    std::string out_, err_;
};
