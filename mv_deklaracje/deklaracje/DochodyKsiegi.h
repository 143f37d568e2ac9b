// The month-by-month income table that the income-tax scripts read: income, costs, advertising and
// inventory changes from the revenue-and-expense ledger (TLX.ZapisyKPR), with the deductible
// advertising limited and the changes of the stock-taking inventory added.
#pragma once

#include "mv_deklaracje/core/Bstr.h"
#include "platform/ado/Ado.h"
#include "platform/com/ComPtr.h"

// A disconnected client-side recordset with the fields Rok, Miesiac (integers), Przychod, Koszt,
// Reklama, ReklamaKoszt and Remanent (amounts), and no rows.
tlx::ComPtr<Recordset> CreateIncomeRecordset();

// The ledger's sums per month from January to `month` of `year`, crossed-out entries left out and the
// entries still in the buffer only with `withBuffer`.
CBstr KprMonthSumsSql(long year, long month, bool withBuffer);
// The inventory entries of the same period, month 0 of the year included, in booking-date order.
CBstr KprInventorySql(long year, long month, bool withBuffer);

// Appends a row to `income` for every row of `sums`, the seven fields copied by name.
void CopyKprMonthSums(Recordset* income, Recordset* sums);

// Sets each month's ReklamaKoszt: the advertising deductible up to that month less what earlier months
// recognised. Without `unlimited` the deductible advertising is at most 0.25 % of the income so far (a
// negative income counting as 0).
void LimitAdvertisingCost(Recordset* income, bool unlimited);

// The first inventory entry of an establishment sets its base; each later one appends to `income` a row
// of its own year and month whose Remanent is the change against the entry before.
void AddInventoryDifferences(Recordset* income, Recordset* inventory);

// Whether the advertising of a form is deducted without the limit (PIT-5 from version 16, PIT-5L from
// version 4).
bool AdvertisingUnlimited(long formType, long formVersion);
