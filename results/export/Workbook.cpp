#include "Workbook.h"

#include "CellFormats.h"
#include "ExportError.h"
#include "SheetWriter.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>
#include <filesystem>
#include <system_error>
#include <xlsxwriter.h>

namespace custos::results {

namespace {

// The name an empty workbook's only sheet has in the spreadsheet programs' Portuguese versions.
const char* const kEmptySheetName = "Planilha1";

std::filesystem::path nativePath(const QString& fileName)
{
    return std::filesystem::path(QDir::toNativeSeparators(fileName).toStdU16String());
}

} // namespace

Workbook::Workbook(const QString& fileName) : m_fileName(fileName)
{
    const QFileInfo target(fileName);
    if (target.isDir())
        throw ExportError(QStringLiteral("'%1' é uma pasta: escolha um nome de arquivo para a planilha.").arg(fileName));
    const QFileInfo folder(target.absolutePath());
    if (!folder.isDir())
        throw ExportError(QStringLiteral("A pasta '%1' não existe ou não pode ser lida.").arg(QDir::toNativeSeparators(folder.filePath())));
    m_temporary = std::make_unique<QTemporaryFile>(folder.filePath() + QStringLiteral("/.") + target.fileName()
                                                   + QStringLiteral(".XXXXXX"));
    if (!m_temporary->open())
        throw ExportError(QStringLiteral("Não é possível gravar na pasta '%1'.").arg(QDir::toNativeSeparators(folder.filePath())));
    m_temporary->close();
    lxw_workbook_options options = {};
    options.constant_memory = LXW_TRUE;
    m_book = workbook_new_opt(m_temporary->fileName().toUtf8().constData(), &options);
    if (!m_book)
        throw ExportError(QStringLiteral("Não foi possível criar a planilha '%1'.").arg(fileName));
    m_formats = std::make_unique<CellFormats>(m_book);
}

Workbook::~Workbook()
{
    discard();
}

void Workbook::discard()
{
    if (m_book)
        lxw_workbook_free(m_book);
    m_book = nullptr;
    m_temporary.reset(); // removes the temporary file
}

void Workbook::addSheet(const QString& name, const grid::ExportView& view)
{
    if (!view.hasDataRows())
        return;
    const QByteArray sheetName = name.toUtf8();
    if (const lxw_error e = workbook_validate_sheet_name(m_book, sheetName.constData()); e != LXW_NO_ERROR)
        throw ExportError(QStringLiteral("'%1' não serve como nome de planilha.").arg(name));
    lxw_worksheet* sheet = workbook_add_worksheet(m_book, sheetName.constData());
    if (!sheet)
        throw ExportError(QStringLiteral("Não foi possível criar a planilha '%1'.").arg(name));
    writeSheet(sheet, *m_formats, view);
    ++m_sheets;
}

void Workbook::finish()
{
    if (m_sheets == 0 && !workbook_add_worksheet(m_book, kEmptySheetName))
        throw ExportError(QStringLiteral("Não foi possível criar a planilha '%1'.").arg(m_fileName));
    const lxw_error closed = workbook_close(m_book); // frees the workbook, also when it fails
    m_book = nullptr;
    if (closed != LXW_NO_ERROR) {
        discard();
        throw ExportError(QStringLiteral("Não foi possível gravar o arquivo '%1': verifique o espaço livre no disco.").arg(m_fileName));
    }
    // The temporary file is the user's alone; the workbook gets the permissions of the file it
    // replaces, or those of a file newly made.
    const QFileInfo replaced(m_fileName);
    m_temporary->setPermissions(replaced.exists() ? replaced.permissions()
                                                  : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    std::error_code error;
    std::filesystem::rename(nativePath(m_temporary->fileName()), nativePath(m_fileName), error);
    if (error) {
        discard();
        throw ExportError(QStringLiteral("Não foi possível substituir o arquivo '%1': ele pode estar aberto em outro programa.").arg(m_fileName));
    }
    m_temporary->setAutoRemove(false); // it is the destination now
    m_temporary.reset();
}

void writeWorkbook(const QString& fileName, const std::vector<SheetView>& sheets)
{
    Workbook book(fileName);
    for (const SheetView& s : sheets)
        book.addSheet(s.name, *s.view);
    book.finish();
}

} // namespace custos::results
