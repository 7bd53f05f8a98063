#pragma once
// A workbook file written sheet by sheet, in the library's constant-memory mode (each row goes
// to disk as the next one starts). It is written to a temporary file in the destination folder
// and put in place of the chosen name only by finish(), so a failed or abandoned export leaves
// nothing behind and an existing file of that name as it was; a finished one replaces it.
//
// Every failure is an ExportError with a Portuguese message naming the file or folder.

#include <ExportView.h>

#include <QString>
#include <memory>
#include <vector>

struct lxw_workbook;
class QTemporaryFile;

namespace custos::results {

class CellFormats;

class Workbook
{
public:
    // Checks the destination and opens the temporary file beside it.
    explicit Workbook(const QString& fileName);
    // Without finish(): the temporary file is removed, the destination untouched.
    ~Workbook();
    Workbook(const Workbook&) = delete;
    Workbook& operator=(const Workbook&) = delete;

    // Writes the view as the next sheet. A view without data rows (an empty dataset) writes none.
    void addSheet(const QString& name, const grid::ExportView& view);
    int sheetCount() const { return m_sheets; }
    // Closes the workbook, with one empty sheet when no view had rows, and puts it in place of
    // the destination.
    void finish();

private:
    void discard();

    QString m_fileName;
    std::unique_ptr<QTemporaryFile> m_temporary;
    lxw_workbook* m_book = nullptr;
    std::unique_ptr<CellFormats> m_formats;
    int m_sheets = 0;
};

struct SheetView
{
    QString name;
    const grid::ExportView* view = nullptr;
};

// The sheets in their order, written into fileName in one go.
void writeWorkbook(const QString& fileName, const std::vector<SheetView>& sheets);

} // namespace custos::results
