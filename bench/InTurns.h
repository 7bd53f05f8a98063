#pragma once
// A window's operation measured in turns with the replay of the statements it sends: each
// round runs both sides (which goes first alternates), after the warm-up rounds, and gives the
// medians, and the line printing them with the window's own share of the time.

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

// prepare runs before each side, outside the time measured.
template <class Window>
Figure inTurns(int rounds, int warmUp, StatementReplay& replay, Window&& windowSide,
               const std::function<void()>& prepare = {})
{
    std::vector<double> window, server;
    for (int round = 0; round < rounds + warmUp; ++round) {
        double w = 0, s = 0;
        for (int side = 0; side < 2; ++side) {
            if (prepare)
                prepare();
            const auto t0 = Clock::now();
            if ((side + round) % 2 == 0) {
                windowSide();
                w = ms(Clock::now() - t0);
            } else {
                replay.run();
                s = ms(Clock::now() - t0);
            }
        }
        if (round >= warmUp) {
            window.push_back(w);
            server.push_back(s);
        }
    }
    return {median(window), median(server)};
}

inline void printFigure(const char* what, const Figure& f, const char* target)
{
    std::printf("  %-34s %9.1f ms   server %8.1f ms   window's share %5.1f %%   %s\n", what, f.window, f.server,
                (f.window - f.server) / f.window * 100, target);
}

} // namespace custos::bench
