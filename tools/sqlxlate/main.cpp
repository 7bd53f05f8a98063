// sqlxlate: reads one Oracle statement on standard input and prints what the session layer
// sends to PostgreSQL for it (for a block, the body of each segment), then a last line with
// the bind names in $n order. Exits with 1 and the reason when the text cannot be translated.

#include "Dialect.h"

#include <iostream>
#include <iterator>
#include <string>

int main()
{
    const std::string text((std::istreambuf_iterator<char>(std::cin)), std::istreambuf_iterator<char>());
    try {
        const custos::sql::Translation t = custos::sql::translateUncached(text);
        if (t.kind == custos::sql::StatementKind::Block) {
            for (std::size_t i = 0; i < t.segments.size(); ++i) {
                const custos::sql::BlockSegment& s = t.segments[i];
                std::cout << "-- segment " << i + 1 << (s.commitAfter ? " (COMMIT after)" : "") << "\n";
                for (const std::string& r : s.records)
                    std::cout << "-- record " << r << "\n";
                std::cout << s.body;
            }
            if (!t.links.empty()) {
                std::cout << "-- links:";
                for (std::size_t i = 0; i < t.links.size(); ++i)
                    std::cout << (i ? ", " : " ") << t.links[i];
                std::cout << "\n";
            }
        } else {
            std::cout << t.text << "\n";
        }
        std::cout << "-- binds:";
        for (std::size_t i = 0; i < t.binds.size(); ++i)
            std::cout << (i ? ", " : " ") << t.binds[i];
        std::cout << "\n";
        return 0;
    } catch (const custos::sql::TranslationError& e) {
        std::cerr << "sqlxlate: " << e.what() << "\n";
        return 1;
    }
}
