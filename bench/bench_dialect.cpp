// Translation of the largest statement of the program (CDS_Abate), uncached and cached, side by
// side in one run: microseconds per translation and the ratio.
#include "DBXConnection.h"
#include "DataModule_Custo.h"
#include "Dialect.h"
#include "Query.h"

#include <chrono>
#include <cstdio>
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
    // The statement as the cost data module holds it; the connection is never opened (creating
    // the module sends nothing).
    custos::session::DBXConnection connection;
    const custos::data::TDataModule_Custo module(connection);
    const std::string text = module.query(QStringLiteral("Q_Abate")).text().toStdString();
    std::size_t sink = custos::sql::translate(text).text.size(); // fills the cache
    const double uncached = microsecondsPerCall(200, [&] { sink += custos::sql::translateUncached(text).text.size(); });
    const double cached = microsecondsPerCall(20000, [&] { sink += custos::sql::translate(text).text.size(); });
    std::printf("CDS_Abate (%zu bytes): uncached %.1f us, cached %.2f us, ratio %.0f (checksum %zu)\n",
                text.size(), uncached, cached, uncached / cached, sink);
    return 0;
}
