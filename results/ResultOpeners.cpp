#include "ResultOpeners.h"

#include "DataError.h"
#include "DataModule_Custo.h"
#include "TF_Abate.h"
#include "TF_IndustrializadoResultado.h"
#include "TF_RevendaResultado.h"

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

QString withDay(const QString& caption, const QDate& day)
{
    return caption + QStringLiteral(" - ") + QLocale().toString(day, QLocale::ShortFormat);
}

} // namespace

void openAbateBovinos(QWidget* owner, const QDate& day)
{
    auto window = std::make_unique<TF_Abate>(runningModule(), day, owner);
    window->setWindowTitle(withDay(window->windowTitle(), day));
    window->showBovinos();
}

void openAbateSuinos(QWidget* owner, const QDate& day)
{
    auto window = std::make_unique<TF_Abate>(runningModule(), day, owner);
    window->showSuinos();
}

void openIndustrializadoResultado(QWidget* owner, const QDate& day)
{
    auto window = std::make_unique<TF_IndustrializadoResultado>(runningModule(), day, owner);
    window->setWindowTitle(withDay(window->windowTitle(), day));
    window->exec();
}

void openRevendaResultado(QWidget* owner, const QDate&)
{
    TF_RevendaResultado window(runningModule(), owner);
    window.exec();
}

} // namespace custos::results
