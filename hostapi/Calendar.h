// The host's calendar: a range of days, its working days, and sets of days.
#pragma once

#include "platform/com/Variant.h"

// The calendar (CCalendar): a half-open range of days [Od, Do). ICalendar sets the range, ICalendarRange
// (IZakresDat, IDateRange) reads it and combines it with other ranges. A range set with Od >= Do, and a
// calendar never set, hold no day. Operations answer new objects.
struct IDniKalendarza;
struct ICalendar : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{A29D2C95-BE62-487F-B585-09CC09A7E12C}");
    using Base = IDispatch;
    virtual HRESULT SetRange(DATE from, DATE to) = 0;

protected:
    ~ICalendar() = default;
};
struct ICalendarRange : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{69D7E766-DA8A-40EA-9AE0-6D89312C4922}");
    using Base = IDispatch;
    virtual HRESULT get_Od(DATE* from) = 0;  // also Start
    // The first day after the range; also DataDo, End.
    virtual HRESULT get_Do(DATE* to) = 0;
    // The number of days in the range; also DayCount.
    virtual HRESULT get_LiczbaDni(LONG* days) = 0;
    // Whether a day lies in the range and is a working day (Monday to Friday).
    virtual HRESULT CzyDzienRoboczy(DATE day, VARIANT_BOOL* working) = 0;
    virtual HRESULT get_Pusty(VARIANT_BOOL* empty) = 0;  // also IsEmpty
    virtual HRESULT get_IsNotEmpty(VARIANT_BOOL* notEmpty) = 0;
    // The days both ranges hold (E_INVALIDARG for an object that is not a host range); also Czesc,
    // Intersect.
    virtual HRESULT Iloczyn(IDispatch* range, ICalendarRange** common) = 0;
    virtual HRESULT Zawiera(DATE day, VARIANT_BOOL* holds) = 0;  // also Contains
    // The range as a day set; the argument is not used. Also Days.
    virtual HRESULT Dni(VARIANT reserved, IDniKalendarza** days) = 0;

protected:
    ~ICalendarRange() = default;
};
using IZakresDat = ICalendarRange;
using IDateRange = ICalendarRange;

// A set of days kept as sorted, disjoint ranges (IDaySet, IDateRangeList). Minus and Iloczyn take a
// range or a day set (anything else: E_INVALIDARG) and answer a new set; Add joins a range into this set.
struct IDniKalendarza : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{DB0AA46F-F8B9-44D5-A79B-060199E4A2BA}");
    using Base = IDispatch;
    virtual HRESULT get_Pusty(VARIANT_BOOL* empty) = 0;  // also IsEmpty
    virtual HRESULT get_LiczbaDni(LONG* days) = 0;  // also Liczba, DayCount
    virtual HRESULT Minus(IDispatch* days, IDniKalendarza** rest) = 0;  // also Bez, Without, Subtract
    virtual HRESULT Iloczyn(IDispatch* days, IDniKalendarza** common) = 0;  // also Czesc
    // The number of ranges and the range at a zero-based position.
    virtual HRESULT get_Count(LONG* count) = 0;
    virtual HRESULT Item(LONG index, ICalendarRange** range) = 0;
    virtual HRESULT Add(IDispatch* range) = 0;

protected:
    ~IDniKalendarza() = default;
};
using IDaySet = IDniKalendarza;
using IDateRangeList = IDniKalendarza;
inline constexpr CLSID CLSID_CCalendar = tlx::MakeGuid(u"{69590B45-3078-446F-957B-6D4255FEB8BA}");
