#pragma once
// Shows a data module's save dialog (data/SaveDialog.h) as a file dialog: its title, its filter,
// its proposed name; a name typed without an extension gets the dialog's default one. The
// dialog asks no question about an existing file. Tests answer the dialog through a hook.

#include <QString>
#include <functional>

class QWidget;

namespace custos::data {
class TSaveDialog;
}

namespace custos::ui {

// The file chosen, empty when the user cancels.
QString executeSaveDialog(const data::TSaveDialog& dialog, QWidget* parent = nullptr);

// While a hook is installed, executeSaveDialog shows nothing and takes what the hook answers
// as the name the user typed (empty: cancelled).
using SaveDialogHook = std::function<QString(const data::TSaveDialog&)>;

class ScopedSaveDialogHook
{
public:
    explicit ScopedSaveDialogHook(SaveDialogHook hook);
    ~ScopedSaveDialogHook();
    ScopedSaveDialogHook(const ScopedSaveDialogHook&) = delete;
    ScopedSaveDialogHook& operator=(const ScopedSaveDialogHook&) = delete;

private:
    SaveDialogHook m_previous;
};

} // namespace custos::ui
