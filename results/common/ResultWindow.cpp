#include "ResultWindow.h"

#include "DataSource.h"
#include "Query.h"
#include "ResultMenuBar.h"
#include "ResultsStatements.h"

#include <QDialog>
#include <QVBoxLayout>

namespace custos::results {

ResultWindowFrame setUpResultWindow(QDialog& window, const QString& objectName, const QString& caption)
{
    window.setObjectName(objectName);
    window.setWindowTitle(caption);
    window.setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
                          | Qt::WindowCloseButtonHint);
    window.setWindowState(Qt::WindowMaximized);
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* menu = new ResultMenuBar(&window);
    layout->setMenuBar(menu);
    return {layout, menu};
}

MarketList newMarketList(session::DBXConnection& connection, QObject* parent)
{
    auto* query = new data::Query(&connection, parent);
    query->setObjectName(QStringLiteral("Q_Mercado"));
    query->setSql(statements::Q_Mercado.text().split(QLatin1Char('\n')));
    auto* source = new data::DataSource(query, parent);
    source->setObjectName(QStringLiteral("DTS_Mercado"));
    return {query, source};
}

} // namespace custos::results
