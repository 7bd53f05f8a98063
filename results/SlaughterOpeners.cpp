#include "SlaughterOpeners.h"

#include "DataError.h"
#include "DataModule_Custo.h"
#include "TF_Abate.h"

#include <QLocale>
#include <memory>

namespace custos::results {

namespace {

data::TDataModule_Custo& runningModule()
{
    data::TDataModule_Custo* module = data::TDataModule_Custo::instance();
    if (!module)
        throw data::DataError(QStringLiteral("O módulo de dados de custos não foi criado."));
    return *module;
}

} // namespace

void openAbateBovinos(QWidget* owner, const QDate& day)
{
    auto window = std::make_unique<TF_Abate>(runningModule(), day, owner);
    window->setWindowTitle(window->windowTitle() + QStringLiteral(" - ")
                           + QLocale().toString(day, QLocale::ShortFormat));
    window->showBovinos();
}

void openAbateSuinos(QWidget* owner, const QDate& day)
{
    auto window = std::make_unique<TF_Abate>(runningModule(), day, owner);
    window->showSuinos();
}

} // namespace custos::results
