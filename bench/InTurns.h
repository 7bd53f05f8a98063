#pragma once
// A window's side and the replay of its statements run in turns, round after round (the first
// rounds warming up), and their medians: what the window takes against what the server takes
// for the same statements, and the window's own share of it.

#include "Figures.h"
#include "StatementReplay.h"

#include <cstdio>
#include <functional>

namespace custos::bench {

struct Figure
{
    double window;
    double server;
};

inline constexpr int kWarmUp = 2;

// prepare runs before each side, outside the time.
template <class Window>
Figure inTurns(int rounds, StatementReplay& replay, Window&& windowSide, const std::function<void()>& prepare = {})
{
    std::vector<double> window, server;
    for (int round = 0; round < rounds + kWarmUp; ++round) {
        double w = 0, s = 0;
        for (int side = 0; side < 2; ++side) {
            if (prepare)
                prepare();
            if ((side + round) % 2 == 0) {
                const auto t0 = Clock::now();
                windowSide();
                w = ms(Clock::now() - t0);
            } else {
                const auto t0 = Clock::now();
                replay.run();
                s = ms(Clock::now() - t0);
            }
        }
        if (round >= kWarmUp) {
            window.push_back(w);
            server.push_back(s);
        }
    }
    return {median(window), median(server)};
}

inline void print(const char* what, const Figure& f, const char* target)
{
    std::printf("  %-34s %9.1f ms   server %8.1f ms   window's share %5.1f %%   %s\n", what, f.window, f.server,
                (f.window - f.server) / f.window * 100, target);
}

} // namespace custos::bench
