// Reads of the host's payroll objects for the yearly ZUS calculators: a property's value or the object
// it links to, a failed call raised with the host's error, a missing object raised as E_POINTER.
#pragma once

#include <string>

#include "hostapi/Payroll.h"
#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/core/HostServices.h"  // OpenEmployeeInNewSession
#include "platform/com/ComPtr.h"

// The value of a simple property of `object`.
template <class I, class V>
V ReadHost(I* object, HRESULT (I::*get)(V*)) {
    if (!object) RaiseHResult(E_POINTER);
    V value{};
    CheckHost((object->*get)(&value));
    return value;
}

// The object a property links to; null when the host answers none.
template <class I, class J>
tlx::ComPtr<J> ReadHostLink(I* object, HRESULT (I::*get)(J**)) {
    if (!object) RaiseHResult(E_POINTER);
    tlx::ComPtr<J> linked;
    CheckHost((object->*get)(linked.Out()));
    return linked;
}

// The object a property links to; none raises E_POINTER.
template <class I, class J>
tlx::ComPtr<J> RequireHostLink(I* object, HRESULT (I::*get)(J**)) {
    tlx::ComPtr<J> linked = ReadHostLink(object, get);
    if (!linked) RaiseHResult(E_POINTER);
    return linked;
}

// The employee as a message names him: his code and the name of his latest record, or his code alone,
// or his id when even that cannot be read (a broken record may keep the host from answering).
std::u16string DescribeEmployee(IPracownikDane* employee);
