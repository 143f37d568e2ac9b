// The SQL that makes a company database: the scripts of db/company/ in the order its scripts.txt
// lists them (one file per subsystem and host family), and the host's own rows of the demo company.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tlx::host {

// The texts of the company database's scripts found in companyFolder (db/company), in their order.
// Throws std::runtime_error naming a missing list or script.
std::vector<std::string> CompanyDatabaseScripts(const std::filesystem::path& companyFolder);
// The host's rows of the demo company (run after db/demo.sql): company and program settings, the tax
// office, the currency and the payment form the declarations read.
std::string HostDemoSql();

}  // namespace tlx::host
