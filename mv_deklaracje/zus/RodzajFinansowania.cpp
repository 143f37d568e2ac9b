#include "mv_deklaracje/zus/RodzajFinansowania.h"

namespace {

// Titles outside groups 01, 02 and 30: the budget's and PFRON's titles by their digits.
int RodzajTytuluSpozaGrup(CKodTytuluUbezpieczenia kod) {
    if (kod.JestTytul0430()) return 7;
    if (kod.JestGrupa12Podgrupa40()) return 3;
    if (kod.JestGrupa12Podgrupa10do30()) return 4;
    return 0;
}

// The refund of a disabled employee's contributions, by the payer's refund status and the degree of
// disability.
int RodzajRefundacji(int statusRefundacji, std::uint32_t stopien) {
    switch (statusRefundacji) {
    case 1: return stopien >= 2 ? 1 : 0;
    case 2: return stopien != 0 ? 2 : 0;
    case 3: return stopien == 1 ? 5 : stopien >= 2 ? 6 : 0;
    default: return 0;
    }
}

}  // namespace

int RodzajFinansowania(CKodTytuluUbezpieczenia kod, int rok, int miesiac, int statusRefundacji,
                       const std::function<bool()>& maWyplateZListyRodzaju1) {
    if (!kod.JestGrupa01() && !kod.JestGrupa02() && !kod.JestGrupa30()) return RodzajTytuluSpozaGrup(kod);
    if (kod.JestGrupa30() && !maWyplateZListyRodzaju1()) return 0;
    // From 2008 the refunds no longer pass through the DRA.
    if (miesiac >= 1 && rok >= 2008) return 0;
    const auto tytul = kod.Kod() / 100;
    if (rok < 2008 && (tytul == 113 || tytul == 213)) return 5;
    return RodzajRefundacji(statusRefundacji, kod.StopienNiepelnosprawnosci());
}
