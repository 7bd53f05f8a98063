#include "SummaryLayout.h"

namespace custos::dayproc {

CattleBlockWidths cattleBlockWidths(int upperWidth, int captionWidth)
{
    const int accumulated = (upperWidth - captionWidth) / 2;
    return {accumulated, upperWidth - captionWidth - accumulated};
}

std::optional<RepeatedCells> repeatedCells(int panelWidth)
{
    const int n = panelWidth / baseCellWidth;
    if (n <= 0)
        return std::nullopt;
    const int width = baseCellWidth + (panelWidth - baseCellWidth * n) / n;
    return RepeatedCells{panelWidth / width, width};
}

int centredMargin(int areaWidth, int blockWidth)
{
    return (areaWidth - blockWidth) / 2;
}

} // namespace custos::dayproc
