#pragma once
// The figures the benchmarks print: milliseconds of a duration, and the median of the rounds
// (the machine is shared, and a mean would carry every hiccup of it).

#include <algorithm>
#include <chrono>
#include <vector>

namespace custos::bench {

inline double ms(std::chrono::steady_clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

inline double median(std::vector<double> v)
{
    std::nth_element(v.begin(), v.begin() + long(v.size() / 2), v.end());
    return v[v.size() / 2];
}

} // namespace custos::bench
