// Who finances an insured person's social-insurance contributions in a month's DRA totals: the financing
// case of the person's insurance title, 0 the ordinary split between the insured and the payer, the
// other cases the budget's or the disabled-persons fund's shares.
#pragma once

#include <functional>

#include "mv_deklaracje/zus/KodTytuluUbezpieczenia.h"

// The report's year and month and the payer's refund status (0..3) decide it. A title of group 30
// counts only when the person has a payment on a payroll list of kind 1 in the report's month, which
// `maWyplateZListyRodzaju1` answers; it is asked for no other title.
int RodzajFinansowania(CKodTytuluUbezpieczenia kod, int rok, int miesiac, int statusRefundacji,
                       const std::function<bool()>& maWyplateZListyRodzaju1);
