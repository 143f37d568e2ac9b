// A large company for measuring: the demo company's twenty payroll cards copied until there are as many
// cards as asked, each copy with the records, contracts, absences, dated entries, payouts, elements and
// links of the card it copies, and the whole year of payroll moved to another year when asked.
#pragma once

#include <string>

namespace tlx::host {

inline constexpr int kGeneratedEmployeesMax = 100000;
inline constexpr int kDemoPayrollYear = 2024;

// The SQL to run after db/demo.sql that makes a company of `employees` cards (1 to
// kGeneratedEmployeesMax; fewer than the demo's twenty drops the rest) with its payroll in `year`
// (2000 to 2100). Card k copies the demo's card (k - 1) % 20 + 1; its code is "P" and six digits, a
// secondary card's its main card's code and "/1". The same arguments give the same rows. Throws
// std::invalid_argument for arguments out of range.
std::string GeneratedCompanySql(int employees, int year);

}  // namespace tlx::host
