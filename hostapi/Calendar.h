// The host's calendar: a range of days and its working days.
#pragma once

#include "platform/com/Variant.h"

// The calendar (CCalendar): a range of days. ICalendar sets the range, ICalendarRange reads it.
struct ICalendar : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{A29D2C95-BE62-487F-B585-09CC09A7E12C}");
    using Base = IDispatch;
    // The half-open range of days [from, to).
    virtual HRESULT SetRange(DATE from, DATE to) = 0;

protected:
    ~ICalendar() = default;
};
struct ICalendarRange : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{67978DE0-E39A-4F99-A414-9E0A2D8B1E59}");
    using Base = IDispatch;
    virtual HRESULT get_Od(DATE* from) = 0;
    virtual HRESULT get_Do(DATE* to) = 0;
    // The number of days in the range (0 for a calendar without a range).
    virtual HRESULT get_LiczbaDni(LONG* days) = 0;
    // Whether a day lies in the range and is a working day (Monday to Friday).
    virtual HRESULT CzyDzienRoboczy(DATE day, VARIANT_BOOL* working) = 0;

protected:
    ~ICalendarRange() = default;
};
inline constexpr CLSID CLSID_CCalendar = tlx::MakeGuid(u"{69590B45-3078-446F-957B-6D4255FEB8BA}");
