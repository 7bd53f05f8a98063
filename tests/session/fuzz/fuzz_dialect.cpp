// libFuzzer target: any bytes through the translator give a translation or a TranslationError.
#include "Dialect.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    try {
        const custos::sql::Translation t =
            custos::sql::translateUncached(std::string_view(reinterpret_cast<const char*>(data), size));
        if (t.kind == custos::sql::StatementKind::Block) {
            std::vector<std::string> types(t.binds.size(), "numeric");
            for (std::size_t i = 0; i < t.segments.size(); ++i)
                (void)custos::sql::procedureSource(t, i, "pg_temp.fuzz", types);
        }
    } catch (const custos::sql::TranslationError&) {
    }
    return 0;
}
