// The order of the two-number keys of the ZUS calculators' and the PFRON builders' maps: by the second
// number (signed), then by the first (unsigned), so that the entries of one second number (a person,
// a month) stand together.
#pragma once

#include <cstdint>

template <class Key>
bool PairKeyLess(const Key& a, const Key& b) {
    const auto secondA = static_cast<std::int32_t>(a.second);
    const auto secondB = static_cast<std::int32_t>(b.second);
    if (secondA != secondB) return secondA < secondB;
    return static_cast<std::uint32_t>(a.first) < static_cast<std::uint32_t>(b.first);
}

// PairKeyLess as the comparison of a std::map or std::set.
struct PairKeyOrder {
    template <class Key>
    bool operator()(const Key& a, const Key& b) const {
        return PairKeyLess(a, b);
    }
};
