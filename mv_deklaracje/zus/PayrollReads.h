// Reads of the host's payroll objects shared by the ZUS collectors and calculators: each host call is
// checked, and an object the host does not answer where one is needed raises E_POINTER with a text that
// says what is missing.
#pragma once

#include <string>
#include <string_view>

#include "hostapi/Collections.h"
#include "hostapi/Payroll.h"
#include "hostapi/Session.h"
#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/core/Date.h"
#include "mv_deklaracje/core/RecordsetValues.h"  // OpenRows
#include "platform/ado/Ado.h"
#include "platform/com/ComPtr.h"

// The object a getter answers; none raises E_POINTER naming `what`.
template <class T, class Owner>
tlx::ComPtr<T> ReadObject(Owner* owner, HRESULT (Owner::*get)(T**), std::u16string_view what) {
    if (!owner) RaiseComError(E_POINTER, u"Brak obiektu: " + std::u16string(what));
    tlx::ComPtr<T> object;
    CheckHost((owner->*get)(object.Out()));
    if (!object) RaiseComError(E_POINTER, u"Brak obiektu: " + std::u16string(what));
    return object;
}

template <class Value, class Owner>
Value ReadValue(Owner* owner, HRESULT (Owner::*get)(Value*)) {
    Value value{};
    CheckHost((owner->*get)(&value));
    return value;
}

// An object of `owner` asked for another of its interfaces; none raises E_POINTER naming `what`.
template <class T>
tlx::ComPtr<T> RequireInterface(IUnknown* owner, std::u16string_view what) {
    tlx::ComPtr<T> object;
    if (owner) owner->QueryInterface(IidOf<T>(), object.OutVoid());
    if (!object) RaiseComError(E_POINTER, u"Brak obiektu: " + std::u16string(what));
    return object;
}

// A host object created through the session by its class (a braced CLSID text) and an optional
// parameter (an identifier or criteria), asked for `T`.
template <class T>
tlx::ComPtr<T> CreateHostObject(ISession2* session, const CLSID& clsid, const tlx::Variant& parameter,
                                std::u16string_view what) {
    tlx::ComPtr<IDispatch> object;
    CheckHost(session->CreateObject(tlx::Bstr(tlx::GuidToText(clsid)).Get(), parameter, object.Out()));
    return RequireInterface<T>(object.Get(), what);
}

// A number as decimal text, for statements and keys.
std::u16string DecimalText(long value);
// The six-digit insurance title code of an element's ZUS data.
LONG KodTytuluElementu(IWypElement* element);
// The four-digit insurance title of a dated record.
LONG TytulZapisu(IPracEtat* zapis);
// The benefit code of a payout type; 0 when it has none.
LONG KodSwiadczeniaTypu(ITypWyplaty* typ);
// The dated record of the person valid at the day, from its dated-records collection by the date text
// "YYYY-MM-DD".
tlx::ComPtr<IPracEtat> ZapisPracownika(IPracownikDane* osoba, CDate dzien);
// The first field of the current row as a number; empty or NULL gives 0.
LONG FirstFieldAsLong(Recordset* rows);
// The same of the field at `index` (the first is 0).
LONG FieldAsLong(Recordset* rows, LONG index);
