// What every test program builds its company databases from: the source tree the tests run against
// (TLX_SOURCE_DIR, set by CTest) and the company database's scripts in their order, with the demo
// company's rows when a test asks for them.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tlx::test {

// The source tree; fails the calling test (and answers ".") when TLX_SOURCE_DIR is not set.
std::filesystem::path SourceDir();

// The scripts of db/company in their order, then db/demo.sql when `withDemoRows`.
std::vector<std::string> CompanyScripts(bool withDemoRows = false);

// A file of the source tree, whole; empty when it cannot be read.
std::string ReadSourceText(const std::filesystem::path& relative);

}  // namespace tlx::test
