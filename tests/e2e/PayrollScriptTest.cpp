// The demo company's payroll read by a host script the way the ZUS and PFRON declarations read it: per
// employee the record at the end of March 2024 with the working time its RCA block shows (position 7,
// which a contract and the owner do not have), the March payouts with the ZUS amounts of every element
// and the absences, then the March averages of the full-time equivalents the routines answer. The
// amounts are worked out in the demo company's script; P001's March (4 666.00) by hand:
//   bases 4 666.00, health base 4 666.00 - 455.40 - 69.99 - 114.32 = 4 026.29;
//   pension 455.40 each side, disability 69.99 / 303.29, sickness 114.32, accident 77.92,
//   health 362.37, tax advance 12 % of 3 776 (4 026.29 - 250.00) - 300.00 = 153, FP 114.32, FGŚP 4.67.
// Full-time equivalents: twelve whole-time employees, 1/2 twice and 3/4 (13.75); with a disability
// degree 1/2, 3/4 and two whole (3.25). Last, P008's year: 25 000.00 a month reaches the pension base
// limit of 234 720.00 in October (9 720.00 left after nine months, none after), while FP (2.45 %,
// 612.50) and FGŚP (0.10 %, 25.00) stay due on the whole pay every month.
#include "TlxhostFixture.h"

#include <cstdlib>
#include <string>

namespace {

class PayrollScript : public TlxhostDemoTest {
protected:
};

TEST_F(PayrollScript, TheDemoCompanysMarchAsTheDeclarationsReadIt) {
    ASSERT_EQ(RunScript(Source("scripts/payroll-march.js")), 0) << err_;
    EXPECT_EQ(out_, Source("golden/payroll-march.out"));
    EXPECT_NE(out_.find("[P001] Kowalski Jan: tytuł 0110, stopień 0, prawo do emerytury lub renty 0, etat 1/1"),
              std::string::npos);
    EXPECT_NE(out_.find("[P005] Wójcik Katarzyna: tytuł 0110, stopień 1, prawo do emerytury lub renty 0, etat 3/4, "
                        "poz. 7 RCA 3 4,"),
              std::string::npos);
    EXPECT_NE(out_.find("[P009] Szymańska Ewa: tytuł 0411, stopień 0, prawo do emerytury lub renty 0, etat 1/1, "
                        "poz. 7 RCA -,"),
              std::string::npos)
        << "a contract has no working time";
    EXPECT_NE(out_.find("      składki 455.40 455.40 69.99 303.29 114.32 0.00 0.00 77.92 0.00 0.00 362.37 153.00 0.00 "
                        "114.32 4.67\n"),
              std::string::npos);
    EXPECT_NE(out_.find("  10/2024: 9720.00 612.50 25.00\n  11/2024: 0.00 612.50 25.00\n"), std::string::npos);
    EXPECT_NE(out_.find("ZPCHR, średnio w marcu: 13.7500 (31 dni)"), std::string::npos);
    EXPECT_NE(out_.find("SOD3, średnio w marcu: wszyscy 13.7500 (31 dni), niepełnosprawni 3.2500 (31 dni)"),
              std::string::npos);
}

}  // namespace
