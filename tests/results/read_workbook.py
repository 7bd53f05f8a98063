#!/usr/bin/python3
"""Prints a workbook as JSON, read with openpyxl (an independent reader of the file).

For each sheet, in the workbook's order: its name, the frozen cell, the merged ranges, the width
of each column in pixels and every row of cells from A1, each cell with its value (numbers as
numbers, dates as ISO text), number format, fill, font and alignment. Run with Debian's python3.
"""
import datetime
import json
import sys

import openpyxl
from openpyxl.utils import get_column_letter


def colour(c):
    if c is None or c.type != "rgb" or not isinstance(c.rgb, str):
        return None
    return c.rgb[-6:].upper()


def cell_of(cell):
    value = cell.value
    if isinstance(value, (datetime.datetime, datetime.date)):
        kind, value = "d", value.isoformat()
    elif isinstance(value, bool):
        kind = "b"
    elif isinstance(value, (int, float)):
        kind = "n"
    elif value is None:
        kind = "blank"
    else:
        kind = "s"
    fill = cell.fill
    return {
        "v": value,
        "t": kind,
        "f": cell.number_format,
        "fill": colour(fill.fgColor) if fill is not None and fill.fill_type == "solid" else None,
        "bold": bool(cell.font.b),
        "font": cell.font.name,
        "size": cell.font.sz,
        "color": colour(cell.font.color),
        "align": cell.alignment.horizontal,
        "indent": cell.alignment.indent,
    }


def pixels(width):
    # A column width in the file counts characters of the default font's digit (7 pixels),
    # padding included, in 256ths.
    return int((256 * width + int(128 / 7)) / 256 * 7)


def sheet_of(ws):
    widths = {}
    for letter, dim in ws.column_dimensions.items():
        if dim.customWidth and dim.width is not None:
            for i in range(dim.min, dim.max + 1):
                widths[get_column_letter(i)] = pixels(dim.width)
    rows = []
    for row in ws.iter_rows():
        rows.append([cell_of(c) for c in row])
    return {
        "name": ws.title,
        "freeze": ws.freeze_panes,
        "merged": sorted(str(r) for r in ws.merged_cells.ranges),
        "widths": widths,
        "rows": rows,
    }


def main():
    book = openpyxl.load_workbook(sys.argv[1])
    json.dump({"sheets": [sheet_of(ws) for ws in book.worksheets]}, sys.stdout)


main()
