#include "Startup.h"

#include "DataModule_Custo.h"
#include "ErrorDisplay.h"
#include "Global_Library.h"
#include "ResultOpeners.h"
#include "TF_LogCusto.h"
#include "TF_Menu.h"
#include "TF_login.h"
#include "VelkoIni.h"

#include <QApplication>
#include <QDir>
#include <memory>

namespace custos::app {

int runCustos(const QString& programFolder)
{
    dayproc::TF_Menu F_Menu;
    session::Global_Library Global_Library;
    data::TDataModule_Custo DataModule_Custo(Global_Library.connection());
    auto F_login = std::make_unique<TF_login>(Global_Library, F_Menu);
    dayproc::TF_LogCusto F_LogCusto(DataModule_Custo.dataSource(QStringLiteral("DTS_LogCusto")), &F_Menu);
    F_Menu.setResultWindowOpeners({results::openAbateBovinos, results::openAbateSuinos,
                                   results::openIndustrializadoResultado, results::openRevendaResultado});

    try {
        F_login->loadSettings(QDir(programFolder).filePath(QStringLiteral("velko.ini")));
    } catch (const ConfigurationError& error) {
        ui::showError(error);
        return 1;
    }
    if (F_login->exec() != QDialog::Accepted)
        return 0;
    F_login.reset();

    F_Menu.showMaximized();
    return QApplication::exec();
}

} // namespace custos::app
