#pragma once
// Writes one grid's export view as one worksheet, row after row as the library's constant-memory
// mode needs them: the band header row (each band's caption merged over its columns), the column
// header row, then every line in display order (held by the view or streamed): group rows with their caption, data rows, group
// footers and the footer. Numbers are written as numbers in the workbook's translation of the
// column's display pattern (sums in their summary's), dates as dates, everything else as the
// text shown. Column widths are the grid's; the header rows and the fixed left band are frozen.

#include <ExportView.h>

struct lxw_worksheet;

namespace custos::results {

class CellFormats;

void writeSheet(lxw_worksheet* sheet, CellFormats& formats, const grid::ExportView& view);

} // namespace custos::results
