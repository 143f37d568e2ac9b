// The SQL functions and procedures of the host's company database that the modules call by name.
// Every day argument may be any date text the database reads ("20240301", "2024-03-01 00:00:00"); a
// routine given arguments of another number or kind fails with E_INVALIDARG and a text that names it.
//
// Functions:
//   TLX.DeklNumer(id)    "DEK/<number>/<month>/<year>" of a declaration; NULL for an unknown one.
//   TLX.DeklTermin(id)   the 25th of the month after the declaration's period.
//   TLX.VATZD_JestZapisKorekcyjny(id)
//                        1 for a locked VAT-ZD notice (a declaration of type 403, DkN_Zablokowana not 0)
//                        with at least one item (a row of VATZD), else 0.
// Procedures (exec):
//   tlx.DRA year, month, card, title
//                        one row, one column: 1 when the elements of that month's lists (payouts of modes
//                        other than 1 and 2) of the card and of its secondary cards, under that six-digit
//                        title, come from one source, else 0. An element's source is the contract its
//                        first contract link (kind 8) names, otherwise the card it was paid to; a month
//                        without such elements answers 1. A health-only title (2200xx to 2299xx)
//                        answers 0.
//   tlx.ZeroweRcaRza first day, last day, flag
//                        "id" (UMW_UmwId), "UMW_PraId", "rodzaj": the contracts running in the month with
//                        no element of a payout of that month linked to them; flag 0 leaves out those
//                        begun in the month. "rodzaj" is "RZA" for the health-only titles 2200..2299, else
//                        "RCA".
//   TLX.ZPCHR first day, last day, 1
//                        one row per day ("Dzien", "Tmp_ET_P"): the sum of PRE_ETAEtatL / PRE_ETAEtatM of
//                        the records whose validity and employment hold the day, records of kind 1
//                        (PRE_RodzajZapisu) left out.
//   TLX.SOD3 first day, last day, 1   and   TLX.SOD4 first day, last day
//                        one row per day ("Dzien", "TMP_ET_P", "TMP_ET_N"): TMP_ET_P as Tmp_ET_P above,
//                        TMP_ET_N the same over records with a disability degree; SOD4 leaves out of
//                        TMP_ET_N the records with a pension right (PRE_PrawoER).
#pragma once

namespace tlx::host {

// Registers the routines with the process's routine registry (idempotent).
void RegisterDatabaseRoutines();

}  // namespace tlx::host
