#include "SaveFileDialog.h"

#include <SaveDialog.h>

#include <QFileDialog>
#include <QStringList>

namespace custos::ui {

namespace {

SaveDialogHook& currentHook()
{
    static SaveDialogHook hook;
    return hook;
}

// "description|pattern|description|pattern" as the file dialog's "description (pattern)" lines.
QStringList nameFilters(const QString& filter)
{
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters << parts[i] + QStringLiteral(" (") + parts[i + 1] + u')';
    return filters;
}

} // namespace

QString executeSaveDialog(const data::TSaveDialog& dialog, QWidget* parent)
{
    QString chosen;
    if (currentHook()) {
        chosen = currentHook()(dialog);
    } else {
        QFileDialog files(parent, dialog.title());
        files.setAcceptMode(QFileDialog::AcceptSave);
        files.setFileMode(QFileDialog::AnyFile);
        files.setOption(QFileDialog::DontConfirmOverwrite);
        files.setNameFilters(nameFilters(dialog.filter()));
        files.setDefaultSuffix(dialog.defaultExtension());
        files.selectFile(dialog.fileName());
        if (files.exec() == QDialog::Accepted && !files.selectedFiles().isEmpty())
            chosen = files.selectedFiles().constFirst();
    }
    return chosen.isEmpty() ? QString() : dialog.completed(chosen);
}

ScopedSaveDialogHook::ScopedSaveDialogHook(SaveDialogHook hook) : m_previous(std::move(currentHook()))
{
    currentHook() = std::move(hook);
}

ScopedSaveDialogHook::~ScopedSaveDialogHook()
{
    currentHook() = std::move(m_previous);
}

} // namespace custos::ui
