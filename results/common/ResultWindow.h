#pragma once
// What every result window sets up alike: its object name and caption, maximised with the
// system menu and the minimise, maximise and close buttons, a vertical layout without margins
// under the result menu bar; and the market list Q_Mercado of its "Merc" lookups.

#include <QString>

class QDialog;
class QObject;
class QVBoxLayout;

namespace custos::session {
class DBXConnection;
}

namespace custos::data {
class DataSource;
class Query;
}

namespace custos::results {

class ResultMenuBar;

struct ResultWindowFrame
{
    QVBoxLayout* layout;
    ResultMenuBar* menu;
};
ResultWindowFrame setUpResultWindow(QDialog& window, const QString& objectName, const QString& caption);

struct MarketList
{
    data::Query* Q_Mercado;
    data::DataSource* DTS_Mercado;
};
MarketList newMarketList(session::DBXConnection& connection, QObject* parent);

} // namespace custos::results
