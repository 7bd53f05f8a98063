#pragma once
// The figures the benchmarks print: milliseconds of a duration, and the median of the rounds
// (the machine is shared, and a mean would carry every hiccup of it).

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
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

// The scales given on the command line (the defaults when none is); an empty list, after the
// message, when one is not a whole number from 1 to 99.
inline std::vector<int> scalesFromArguments(int argc, char** argv, std::vector<int> defaults, const char* program)
{
    std::vector<int> scales;
    for (int i = 1; i < argc; ++i)
        scales.push_back(std::atoi(argv[i]));
    if (scales.empty())
        return defaults;
    for (int scale : scales) {
        if (scale < 1 || scale > 99) {
            std::fprintf(stderr, "%s: a scale is a whole number from 1 to 99\n", program);
            return {};
        }
    }
    return scales;
}

} // namespace custos::bench
