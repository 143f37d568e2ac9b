// The tables of the company database that belong to the host alone: the configuration store, the
// host's reference tables and the registers only the host reads (the flat-rate revenue register
// TLX.EwidRyczalt and the monthly CIT figures TLX.DaneCIT, both by year*100+month), as a script run
// after the company database's own DDL (db/company.sql) on the bare file (no schema prefix).
// CREATE TABLE IF NOT EXISTS keeps a table the DDL already made.
#pragma once

#include <string>

namespace tlx::host {

std::string HostTablesSql();
// The host's rows of the demo company (run after db/demo.sql): company and program settings, the tax
// office, the currency and the payment form the declarations read.
std::string HostDemoSql();

}  // namespace tlx::host
