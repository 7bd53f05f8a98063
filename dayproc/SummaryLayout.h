#pragma once
// The sizing rules of the day summaries (pixels; divisions drop the fraction): the cattle tab's
// two blocks share the width beside the caption column, and each repeating panel shares its
// spare width among as many cells of at least 100 pixels as fit.

#include <optional>

namespace custos::dayproc {

struct CattleBlockWidths
{
    int accumulated; // Panel209
    int day;         // Panel337
};

// The accumulated block takes half of the width beside the caption column, the day block
// the rest.
CattleBlockWidths cattleBlockWidths(int upperWidth, int captionWidth);

struct RepeatedCells
{
    int count; // cells per page
    int width; // width of each
};

inline constexpr int baseCellWidth = 100;

// The cells of a repeating panel of the width: none when not even one cell of 100 pixels fits.
std::optional<RepeatedCells> repeatedCells(int panelWidth);

// Left margin that centres a block of blockWidth in areaWidth.
int centredMargin(int areaWidth, int blockWidth);

} // namespace custos::dayproc
