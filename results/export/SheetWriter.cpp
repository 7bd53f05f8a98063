#include "SheetWriter.h"

#include "CellFormats.h"
#include "ExportError.h"
#include "NumberFormats.h"

#include <QHash>
#include <QDateTime>
#include <QLocale>
#include <xlsxwriter.h>

namespace custos::results {

namespace {

using grid::ExportCell;
using grid::ExportColumn;
using grid::ExportLine;
using grid::ExportView;
using grid::FieldKind;

void check(lxw_error error)
{
    switch (error) {
    case LXW_NO_ERROR:
        return;
    case LXW_ERROR_WORKSHEET_INDEX_OUT_OF_RANGE:
        throw ExportError(QStringLiteral("A grade tem mais linhas ou colunas do que cabem numa planilha."));
    case LXW_ERROR_MAX_STRING_LENGTH_EXCEEDED:
        throw ExportError(QStringLiteral("Um texto da grade é longo demais para uma célula da planilha."));
    default:
        throw ExportError(QStringLiteral("Não foi possível gravar a planilha: verifique o espaço livre no disco."));
    }
}

lxw_datetime toWorkbookDate(const QDateTime& value)
{
    const QDate d = value.date();
    const QTime t = value.time();
    return {d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second() + t.msec() / 1000.0};
}

bool hasTime(const QDateTime& value)
{
    return value.time() != QTime(0, 0);
}

// The formats of one column, looked up once per sheet.
struct ColumnFormats
{
    lxw_format* header = nullptr;
    lxw_format* data = nullptr;
    lxw_format* dateTime = nullptr; // date columns: a value with a time of day
    lxw_format* footerBlank = nullptr; // footer cells without a sum
    bool footerFilled = false;
    QHash<QString, lxw_format*> sums; // by summary pattern
};

class Writer
{
public:
    Writer(lxw_worksheet* sheet, CellFormats& formats, const ExportView& view)
        : m_sheet(sheet), m_formats(formats), m_view(view)
    {
    }

    void write()
    {
        prepareColumns();
        if (!m_view.bands.empty())
            writeBandHeaders();
        writeColumnHeaders();
        worksheet_freeze_panes(m_sheet, lxw_row_t(m_row), lxw_col_t(m_view.fixedLeftColumns));
        m_view.forEachLine([this](const ExportLine& line) {
            switch (line.kind) {
            case ExportLine::GroupRow: writeGroupRow(line); break;
            case ExportLine::Row: writeDataRow(line); break;
            case ExportLine::GroupFooter:
            case ExportLine::Footer: writeSums(line); break;
            }
            ++m_row;
        });
    }

private:
    void prepareColumns()
    {
        const QLocale locale;
        m_columns.resize(m_view.columns.size());
        for (std::size_t c = 0; c < m_view.columns.size(); ++c) {
            const ExportColumn& column = m_view.columns[c];
            ColumnFormats& f = m_columns[c];
            f.header = m_formats.format({column.headerStyle, {}, Qt::AlignLeft, 0, true});
            QString number;
            if (column.numeric)
                number = workbookNumberFormat(column.format);
            else if (column.kind == FieldKind::DateTime)
                number = workbookDateFormat(locale, false);
            f.data = m_formats.format({column.contentStyle, number, column.alignment, 0, false});
            if (column.kind == FieldKind::DateTime)
                f.dateTime = m_formats.format({column.contentStyle, workbookDateFormat(locale, true), column.alignment, 0, false});
            f.footerBlank = m_formats.format({column.footerStyle, {}, Qt::AlignRight, 0, false});
            f.footerFilled = column.footerStyle.background.has_value();
            check(worksheet_set_column_pixels(m_sheet, lxw_col_t(c), lxw_col_t(c), uint32_t(std::max(column.width, 0)), nullptr));
        }
    }

    void writeBandHeaders()
    {
        for (const grid::ExportBand& band : m_view.bands) {
            lxw_format* f = m_formats.format({band.headerStyle, {}, Qt::AlignHCenter, 0, true});
            const QByteArray caption = band.caption.toUtf8();
            const auto first = lxw_col_t(band.firstColumn);
            if (band.columnCount > 1)
                check(worksheet_merge_range(m_sheet, lxw_row_t(m_row), first, lxw_row_t(m_row),
                                            lxw_col_t(band.firstColumn + band.columnCount - 1), caption.constData(), f));
            else
                check(worksheet_write_string(m_sheet, lxw_row_t(m_row), first, caption.constData(), f));
        }
        ++m_row;
    }

    void writeColumnHeaders()
    {
        for (std::size_t c = 0; c < m_view.columns.size(); ++c)
            check(worksheet_write_string(m_sheet, lxw_row_t(m_row), lxw_col_t(c),
                                         m_view.columns[c].caption.toUtf8().constData(), m_columns[c].header));
        ++m_row;
    }

    void writeGroupRow(const ExportLine& line)
    {
        const auto row = lxw_row_t(m_row);
        lxw_format* f = m_formats.format({m_view.groupRowStyle, {}, Qt::AlignLeft, line.level, false});
        check(worksheet_write_string(m_sheet, row, 0, line.groupText.toUtf8().constData(), f));
        // A filled group row reads as a band across the sheet, as in the grid.
        if (m_view.groupRowStyle.background)
            for (std::size_t c = 1; c < m_view.columns.size(); ++c)
                check(worksheet_write_blank(m_sheet, row, lxw_col_t(c), f));
    }

    void writeDataRow(const ExportLine& line)
    {
        const auto row = lxw_row_t(m_row);
        for (std::size_t c = 0; c < line.cells.size(); ++c) {
            const ExportCell& cell = line.cells[c];
            const ExportColumn& column = m_view.columns[c];
            const ColumnFormats& f = m_columns[c];
            const auto col = lxw_col_t(c);
            if (column.numeric && !cell.value.isNull()) {
                check(worksheet_write_number(m_sheet, row, col, cell.value.toDouble(), f.data));
            } else if (column.kind == FieldKind::DateTime && !cell.value.isNull()) {
                const QDateTime value = cell.value.toDateTime();
                lxw_datetime date = toWorkbookDate(value);
                check(worksheet_write_datetime(m_sheet, row, col, &date, hasTime(value) ? f.dateTime : f.data));
            } else if (!cell.text.isEmpty()) {
                check(worksheet_write_string(m_sheet, row, col, cell.text.toUtf8().constData(), f.data));
            } else if (column.contentStyle.background) {
                check(worksheet_write_blank(m_sheet, row, col, f.data));
            }
        }
    }

    void writeSums(const ExportLine& line)
    {
        const auto row = lxw_row_t(m_row);
        for (std::size_t c = 0; c < line.cells.size(); ++c) {
            const ExportCell& cell = line.cells[c];
            ColumnFormats& f = m_columns[c];
            const auto col = lxw_col_t(c);
            if (cell.value.isNull()) {
                if (f.footerFilled)
                    check(worksheet_write_blank(m_sheet, row, col, f.footerBlank));
                continue;
            }
            lxw_format*& sum = f.sums[cell.format];
            if (!sum)
                sum = m_formats.format({m_view.columns[c].footerStyle, workbookNumberFormat(cell.format), Qt::AlignRight, 0, false});
            check(worksheet_write_number(m_sheet, row, col, cell.value.toDouble(), sum));
        }
    }

    lxw_worksheet* m_sheet;
    CellFormats& m_formats;
    const ExportView& m_view;
    std::vector<ColumnFormats> m_columns;
    int m_row = 0;
};

} // namespace

void writeSheet(lxw_worksheet* sheet, CellFormats& formats, const ExportView& view)
{
    Writer(sheet, formats, view).write();
}

} // namespace custos::results
