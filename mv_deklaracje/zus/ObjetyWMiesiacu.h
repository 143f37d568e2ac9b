// Whether a person's dated records cover at least one day of the calendar month of a date. The person's
// data is a chain of dated records, each with a validity period (whose end leads to the next record) and
// a covering period of its own; the test removes the covering periods from the month's days while the
// chain stays in the month.
#pragma once

#include <functional>
#include <optional>

#include "hostapi/Payroll.h"
#include "mv_deklaracje/core/Date.h"

// A dated period: its first day (empty: none) and, unless it is open-ended, its last day.
struct OkresDat {
    bool otwarty = false;
    CDate od;
    CDate doDnia;
};

// One dated record of a person; `tozsamosc` tells one record object from another.
struct ZapisDatowany {
    const void* tozsamosc = nullptr;
    OkresDat waznosc;
    OkresDat objecie;
};

// The record valid at a day; nothing when none is.
using ZapisWDniu = std::function<std::optional<ZapisDatowany>(CDate)>;

// Raises E_POINTER when no record is valid at the date or at the day after a walked record's validity.
bool ObjetyWMiesiacu(const ZapisWDniu& zapisWDniu, CDate dzien);

// The same over the host's employee: its records valid at a day (IPracownikDane::GetEtat), each with its
// validity (OkresWaznosci) and its covering period (OkresZatrudnienia). A null person, or a record or
// period the host does not answer, raises E_POINTER.
bool ObjetyWMiesiacu(IPracownikDane* osoba, CDate dzien);
