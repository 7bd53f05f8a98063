#pragma once
// The sample product rows the grid benchmarks load: the production line and the product group
// (their two grouping levels), the product's code and description, then each benchmark's own
// fields. Values come from a fixed seed, so every run loads the same rows.

#include <MemoryRowSource.h>

#include <QStringList>
#include <QVariant>
#include <cstdint>

namespace custos::bench {

class SampleProducts
{
public:
    static constexpr int leadingFields = 4;

    static void addLeadingFields(grid::MemoryRowSource& source)
    {
        source.addField("LINHA_PRODUCAO", grid::FieldKind::Text);
        source.addField("DESCRICAO_GRUPO", grid::FieldKind::Text);
        source.addField("CODIGO_PRODUTO", grid::FieldKind::Integer);
        source.addField("DESCRICAO_PRODUTO", grid::FieldKind::Text);
    }

    std::uint32_t random()
    {
        m_seed = m_seed * 1664525u + 1013904223u;
        return m_seed >> 8;
    }

    // The value of a row's leading field (0 to leadingFields - 1).
    QVariant leading(int row, int field)
    {
        switch (field) {
        case 0: return m_lines[int(random() % 8)];
        case 1: return m_groups[int(random() % 12)];
        case 2: return 1000 + int(random() % 5000);
        default: return QString("Produto %1").arg(row % 2000);
        }
    }

private:
    const QStringList m_lines = {"Desossa", "Abate", "Miúdos", "Embutidos", "Defumados", "Salgados", "Congelados", "Graxaria"};
    const QStringList m_groups = {"CORTES TRASEIRO", "CORTES DIANTEIRO", "MIÚDOS", "SUBPRODUTOS", "EMBUTIDOS", "TEMPERADOS",
                                  "CONGELADOS", "RESFRIADOS", "OSSOS", "SEBO", "COUROS", "FARINHAS"};
    std::uint32_t m_seed = 12345;
};

} // namespace custos::bench
