// Translation of the largest statement of the program (CDS_Abate), uncached and cached, side by
// side in one run: microseconds per translation and the ratio.
#include "Dialect.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

namespace {

template <typename F>
double microsecondsPerCall(int calls, F&& f)
{
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < calls; ++i)
        f();
    const std::chrono::duration<double, std::micro> spent = std::chrono::steady_clock::now() - start;
    return spent.count() / calls;
}

} // namespace

int main()
{
    std::ifstream in(CUSTOS_BENCH_STATEMENT);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (text.empty()) {
        std::fprintf(stderr, "bench_dialect: cannot read %s\n", CUSTOS_BENCH_STATEMENT);
        return 1;
    }
    std::size_t sink = custos::sql::translate(text).text.size(); // fills the cache
    const double uncached = microsecondsPerCall(200, [&] { sink += custos::sql::translateUncached(text).text.size(); });
    const double cached = microsecondsPerCall(20000, [&] { sink += custos::sql::translate(text).text.size(); });
    std::printf("CDS_Abate (%zu bytes): uncached %.1f us, cached %.2f us, ratio %.0f (checksum %zu)\n",
                text.size(), uncached, cached, uncached / cached, sink);
    return 0;
}
