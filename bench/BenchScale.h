// The sizes of the benchmarks' work. With TLX_BENCH_BRIEF set (to anything but "" or "0") each program
// runs a brief version of its work, at the small sizes it names here: a run that shows the program runs
// to its end (bench/run-briefly, which CI runs), whose figures are not the ones its notes speak of.
#pragma once

#include <algorithm>
#include <cstdlib>
#include <string_view>

namespace benchscale {

// Generated companies of a brief run have at most this many employees.
inline constexpr int kBriefEmployees = 40;

inline bool Brief() {
    const char* brief = std::getenv("TLX_BENCH_BRIEF");
    return brief && *brief && std::string_view(brief) != "0";
}

// `size`, or `brief` when that is smaller and the run is brief.
inline int Size(int size, int brief) { return Brief() ? std::min(size, brief) : size; }

// A generated company of `employees`, or of kBriefEmployees when fewer and the run is brief.
inline int Employees(int employees) { return Size(employees, kBriefEmployees); }

}  // namespace benchscale
