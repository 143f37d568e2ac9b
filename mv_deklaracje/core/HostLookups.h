// Small lookups through the host's objects that many parts of the module share: which edition of the
// host runs, the operator's working date, the host's calendar over a range of days and the host's
// configuration object.
#pragma once

#include "hostapi/Configuration.h"
#include "hostapi/Calendar.h"
#include "hostapi/Login.h"
#include "hostapi/Subjects.h"
#include "hostapi/Session.h"
#include "mv_deklaracje/core/Bstr.h"
#include "mv_deklaracje/core/Date.h"
#include "platform/com/ComPtr.h"

// The process-wide HR component ("TLX.ERPHR"), created on first use and kept until the library is
// unloaded; null when the host cannot create it (the next call tries again).
tlx::ComPtr<IHrComponent> GetHrComponent();

// The host product's display name, written into the program element of KEDU document headers:
// "Velmora ERP Mirvak", or one of the HR editions' names. No HR component raises E_POINTER.
CBstr GetHostProductName();

// The operator object of the application's current login; no login or no operator raises E_POINTER.
tlx::ComPtr<IOperatorObject> GetHostOperator();

// The working date of the host's current operator (its time of day dropped; 0 is the empty date).
CDate GetHostToday();

// The host's calendar object over the days [from, to). The range is set only when `from` is earlier
// than `to` and than 3000-01-01; otherwise the calendar is answered without a range. Null when the
// calendar object does not offer ICalendarRange.
tlx::ComPtr<ICalendarRange> CreateDateRangeObject(const CDate& from, const CDate& to);

// The host configuration object of the login that `session` belongs to. No session, no login or no
// object raises E_POINTER.
tlx::ComPtr<IKonfiguracja> CreateHostConfiguration(ISession* session);
