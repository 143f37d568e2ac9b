#include "tests/support/CompanyDatabase.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "host/HostTables.h"

namespace tlx::test {

std::filesystem::path SourceDir() {
    const char* source = std::getenv("TLX_SOURCE_DIR");
    EXPECT_NE(source, nullptr) << "TLX_SOURCE_DIR names the source tree";
    return source ? std::filesystem::path(source) : std::filesystem::path(".");
}

std::string ReadSourceText(const std::filesystem::path& relative) {
    std::ifstream in(SourceDir() / relative, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> CompanyScripts(bool withDemoRows) {
    std::vector<std::string> scripts = host::CompanyDatabaseScripts(SourceDir() / "db" / "company");
    if (withDemoRows) scripts.push_back(ReadSourceText("db/demo.sql"));
    return scripts;
}

}  // namespace tlx::test
