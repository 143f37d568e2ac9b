// The VAT-ZD forms (tests/e2e/scripts/vatzd-formularze.js). By hand: the demo's March notice lists three items
// with VAT corrections 345.00 + 115.12 + 460.00 = 920.12 (the fourth, a negative one, is not listed), due on
// 25 April 2024 (a Thursday); the May purchase list corrects 10 000.00 + 2 000.00 of net purchases and
// 2 300.00 + 460.00 = 2 760.00 of input tax, due on 25 June 2024 (a Tuesday).
#include "TlxhostFixture.h"

#include <string>

namespace {

class VatZdScript : public TlxhostDemoTest {};

TEST_F(VatZdScript, TheNoticeAndThePurchaseListAreVerifiedItemByItem) {
    ASSERT_EQ(RunScript(Source("scripts/vatzd-formularze.js")), 0) << err_ << out_;
    EXPECT_EQ(out_,
              "VAT-ZD za 03/2024 920.12 25.4.2024\n"
              "Pozycja 2: termin płatności dokumentu FZ/7/2024 jest wcześniejszy niż data wystawienia.\n"
              "Pozycja 2: korekta podstawy (2500) przekracza kwotę netto dokumentu FZ/7/2024 (2000).\n"
              "VAT-ZD (zakupy) za 05/2024 nr 1 12000 2760 2760 25.6.2024\n");
}

}  // namespace
