#pragma once

#include <algorithm>
#include <vector>

// The middle value of the runs, which one slow run cannot move.
template <typename T>
T Median(std::vector<T> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
