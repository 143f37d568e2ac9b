#include "host/objects/calendar/DniKalendarza.h"

#include <algorithm>
#include <cmath>

#include "host/HostError.h"
#include "host/objects/calendar/Calendar.h"
#include "platform/text/CodePage.h"

namespace tlx::host {

DayRanges Normalized(DayRanges ranges) {
    std::erase_if(ranges, [](const auto& r) { return r.first >= r.second; });
    std::sort(ranges.begin(), ranges.end());
    DayRanges out;
    for (const auto& r : ranges) {
        if (!out.empty() && r.first <= out.back().second)
            out.back().second = std::max(out.back().second, r.second);
        else
            out.push_back(r);
    }
    return out;
}

DayRanges Subtract(const DayRanges& from, const DayRanges& minus) {
    DayRanges out;
    for (auto [start, end] : from) {
        for (const auto& [cutStart, cutEnd] : minus) {
            if (cutEnd <= start || cutStart >= end) continue;
            if (cutStart > start) out.emplace_back(start, cutStart);
            start = std::max(start, cutEnd);
            if (start >= end) break;
        }
        if (start < end) out.emplace_back(start, end);
    }
    return out;
}

DayRanges Intersect(const DayRanges& a, const DayRanges& b) {
    DayRanges out;
    for (const auto& [aStart, aEnd] : a)
        for (const auto& [bStart, bEnd] : b) {
            DATE start = std::max(aStart, bStart), end = std::min(aEnd, bEnd);
            if (start < end) out.emplace_back(start, end);
        }
    return Normalized(std::move(out));
}

LONG DayCount(const DayRanges& ranges) {
    double days = 0;
    for (const auto& [start, end] : ranges) days += end - start;
    return static_cast<LONG>(days);
}

DayRanges DayRangesOf(IDispatch* object) {
    if (!object) Fail(E_INVALIDARG, u"Oczekiwano zakresu dat lub zbioru dni");
    ComPtr<IDniKalendarza> set;
    if (SUCCEEDED(object->QueryInterface(IidOf<IDniKalendarza>(), set.OutVoid()))) {
        LONG count = 0;
        Check(set->get_Count(&count));
        DayRanges ranges;
        for (LONG i = 0; i < count; ++i) {
            ComPtr<ICalendarRange> range;
            Check(set->Item(i, range.Out()));
            DayRanges one = DayRangesOf(range.Get());
            ranges.insert(ranges.end(), one.begin(), one.end());
        }
        return Normalized(std::move(ranges));
    }
    ComPtr<ICalendarRange> range;
    if (FAILED(object->QueryInterface(IidOf<ICalendarRange>(), range.OutVoid())))
        Fail(E_INVALIDARG, u"Oczekiwano zakresu dat lub zbioru dni");
    DATE from = 0, to = 0;
    Check(range->get_Od(&from));
    Check(range->get_Do(&to));
    return Normalized({{std::floor(from), std::floor(to)}});
}

CDniKalendarza::CDniKalendarza(DayRanges ranges) : ranges_(Normalized(std::move(ranges))) {}

HRESULT CDniKalendarza::get_Pusty(VARIANT_BOOL* empty) {
    return Boundary([&] { *Require(empty) = ranges_.empty() ? VARIANT_TRUE : VARIANT_FALSE; });
}

HRESULT CDniKalendarza::get_LiczbaDni(LONG* days) {
    return Boundary([&] { *Require(days) = DayCount(ranges_); });
}

HRESULT CDniKalendarza::Minus(IDispatch* days, IDniKalendarza** rest) {
    return Boundary([&] {
        Require(rest);
        *rest = Make(Subtract(ranges_, DayRangesOf(days))).Detach();
    });
}

HRESULT CDniKalendarza::Iloczyn(IDispatch* days, IDniKalendarza** common) {
    return Boundary([&] {
        Require(common);
        *common = Make(Intersect(ranges_, DayRangesOf(days))).Detach();
    });
}

HRESULT CDniKalendarza::get_Count(LONG* count) {
    return Boundary([&] { *Require(count) = static_cast<LONG>(ranges_.size()); });
}

HRESULT CDniKalendarza::Item(LONG index, ICalendarRange** range) {
    return Boundary([&] {
        Require(range);
        if (index < 0 || static_cast<std::size_t>(index) >= ranges_.size())
            Fail(E_INVALIDARG, u"Nie ma przedziału o numerze " + Utf8ToUtf16(std::to_string(index)));
        *range = CCalendar::MakeRange(ranges_[index].first, ranges_[index].second).Detach();
    });
}

HRESULT CDniKalendarza::Add(IDispatch* range) {
    return Boundary([&] {
        DayRanges added = DayRangesOf(range);
        added.insert(added.end(), ranges_.begin(), ranges_.end());
        ranges_ = Normalized(std::move(added));
    });
}

}  // namespace tlx::host
