#pragma once
// The main window on the generated fixture day (MenuDay) with the day loaded, and F_Abate
// opened over its data module for that day (shown, not modal, so the test drives it), plus the
// server's figures for a statement of the module: its rows as the server returns them; and
// what the result window tests share to check and drive a grid.

#include "ClientDataSet.h"
#include "DataModule_Custo.h"
#include "GridColumn.h"
#include "GridView.h"
#include "MenuDay.h"
#include "MessageBox.h"
#include "Query.h"
#include "Result.h"
#include "RowSource.h"
#include "TF_Abate.h"

#include <QAction>
#include <QApplication>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <cmath>

namespace custos::test {

// A window shown, not modal, at the tests' size, so that the test drives it.
template <class Window>
std::unique_ptr<Window> shownForTest(std::unique_ptr<Window> window)
{
    window->setWindowState(Qt::WindowNoState);
    window->resize(1200, 800);
    window->show();
    return window;
}

class SlaughterDay
{
public:
    SlaughterDay() : menu(day.openMenu()) { MenuDay::selectDay(*menu, kDia); }

    std::unique_ptr<results::TF_Abate> openWindow()
    {
        return shownForTest(std::make_unique<results::TF_Abate>(*day.day.module, kDia, menu.get()));
    }

    // The error "Restaurar Preço Médio Original" of window ends with, its question answered
    // Yes; empty when its last message is no error.
    QString restorationError(const QWidget& window)
    {
        const ui::ScopedMessageHook yes([this](ui::MessageType type, ui::MessageButtons, const QString& text) {
            day.messages.push_back({type, text});
            return ui::MessageResult::Yes;
        });
        window.findChild<QAction*>(QStringLiteral("RestaurarPrecoMedioOriginal"))->trigger();
        return !day.messages.empty() && day.messages.back().type == ui::MessageType::Error ? day.messages.back().text
                                                                                           : QString();
    }

    // Selects the day again (after a variation of the fixture).
    void reload() { MenuDay::selectDay(*menu, kDia); }

    data::TDataModule_Custo& module() const { return *day.day.module; }
    const TestDatabase& db() const { return *day.day.db; }
    QString scalar(const QString& sql) const { return db().scalar(sql); }

    // The rows the server returns for the statement behind a client dataset, with its parameters.
    session::Result serverRows(const char* dataSet) const
    {
        return module().clientDataSet(QString::fromLatin1(dataSet)).provider()->query()->execute();
    }

    MenuDay day;
    std::unique_ptr<dayproc::TF_Menu> menu;
};

// While it lives, the fixture day closed in table (its data_fechamento set) when closed, and the
// main window's user an operator when operador, the day read again; when it goes, the day is
// open, the user an analyst and the day read again.
class LockedDay
{
public:
    LockedDay(SlaughterDay& day, const char* table, bool closed, bool operador) : m_day(day)
    {
        const QString update = QStringLiteral("UPDATE velko_cst.%1 SET data_fechamento = %2 WHERE data = '2024-03-15'");
        if (closed)
            m_closed = std::make_unique<Variation>(day.db(), update.arg(QLatin1String(table), QStringLiteral("'2024-03-16'")),
                                                   update.arg(QLatin1String(table), QStringLiteral("NULL")));
        day.menu->user_operador = operador;
        day.reload();
    }
    ~LockedDay()
    {
        m_day.menu->user_operador = false;
        m_closed.reset();
        m_day.reload();
    }
    LockedDay(const LockedDay&) = delete;
    LockedDay& operator=(const LockedDay&) = delete;

private:
    SlaughterDay& m_day;
    std::unique_ptr<Variation> m_closed;
};

template <class T = QWidget>
T* child(const QObject& parent, const char* name)
{
    T* found = parent.findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no %s", name);
    return found;
}

// The product of code positioned in products after window read them again, as the window has
// it when the analyst double-clicks it.
template <class Window>
void positionProduct(Window& window, data::ClientDataSet& products, const char* code)
{
    window.Atualizar();
    if (!products.locate(QStringLiteral("CODIGO_PRODUTO"), QString::fromLatin1(code)))
        qFatal("no product %s", code);
}

// The detail of the product of code, shown over window as it opens it for its current row.
template <class Detail, class Window>
std::unique_ptr<Detail> openProductDetail(Window& window, data::ClientDataSet& products, const char* code)
{
    positionProduct(window, products, code);
    auto detail = std::make_unique<Detail>(window.module(), window.day(), &window);
    detail->show();
    return detail;
}

// The grid of the orders in a detail's price panel.
inline grid::GridView* pricePanelGrid(const QObject& detail)
{
    return child<grid::GridView>(detail, "PanelPrecoMedio_Grid");
}

// The footer sum under a field's column of view; -1 when it has none.
inline double footerOf(const grid::GridView* view, const char* field)
{
    return view->model().footerValue(view->column(QString::fromLatin1(field))).value_or(-1);
}

// The object name of the modal window action shows, closed as soon as it shows; empty when
// action shows none.
inline QString modalWindowShownBy(const std::function<void()>& action)
{
    QString shown;
    QTimer closer;
    closer.setSingleShot(true);
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            shown = modal->objectName();
            modal->close();
        }
    });
    closer.start(0);
    action();
    return shown;
}

inline double sumOf(const session::Result& rows, const QString& field, const std::function<bool(int)>& keep = {})
{
    const int c = rows.indexOf(field);
    double total = 0;
    for (int r = 0; r < rows.rowCount(); ++r)
        if (!keep || keep(r))
            total += rows.value(r, c).toDouble();
    return total;
}

// The value of a field in a row of a grid's rows.
inline double valueOf(const grid::RowSource* rows, int row, const char* field)
{
    return rows->value(row, rows->fieldIndex(QString::fromLatin1(field))).toDouble();
}

// The rows of a table of the fixture's unit with no start of the revenue records on or before
// the day: a later start date, none (today) and no parameter row at all (today), each the SQL
// that makes it ("apply") and the SQL that puts the fixture back ("undo").
inline void startDateVariationRows()
{
    QTest::addColumn<QString>("apply");
    QTest::addColumn<QString>("undo");
    const QString restore = QStringLiteral("UPDATE velko_cst.parametros SET data_inicio_receita = '2024-01-01'");
    QTest::newRow("later start date") << "UPDATE velko_cst.parametros SET data_inicio_receita = '2024-04-01'" << restore;
    QTest::newRow("no start date: today") << "UPDATE velko_cst.parametros SET data_inicio_receita = NULL" << restore;
    QTest::newRow("no parameter row: today")
        << "CREATE TABLE public.kept_parametros AS SELECT * FROM velko_cst.parametros; DELETE FROM velko_cst.parametros"
        << "INSERT INTO velko_cst.parametros SELECT * FROM public.kept_parametros; DROP TABLE public.kept_parametros";
}

// The rows of a price typed with automatic recalculation on and off ("autoRefresh").
inline void autoRefreshRows()
{
    QTest::addColumn<bool>("autoRefresh");
    QTest::newRow("recalculating") << true;
    QTest::newRow("not recalculating") << false;
}

// The values of the condemnation analysis parameter ("analise") and whether the
// "Condenações" tab is shown ("shown") with each: only 1 analyses them.
inline void condemnationParameterRows()
{
    QTest::addColumn<int>("analise");
    QTest::addColumn<bool>("shown");
    QTest::newRow("1") << 1 << true;
    QTest::newRow("0") << 0 << false;
    QTest::newRow("2") << 2 << false;
}

// The rows of prices locked by the day's closing or by an operator ("operador").
inline void closedDayOrOperatorRows()
{
    QTest::addColumn<bool>("operador");
    QTest::newRow("closed day") << false;
    QTest::newRow("operator") << true;
}

// The variation of the current row of startDateVariationRows, each side in a transaction of its
// own, while it lives.
inline Variation startDateVariation(const TestDatabase& db)
{
    QFETCH(QString, apply);
    QFETCH(QString, undo);
    return Variation(db, QStringLiteral("BEGIN; ") + apply + QStringLiteral("; COMMIT"),
                     QStringLiteral("BEGIN; ") + undo + QStringLiteral("; COMMIT"));
}

inline bool near(double a, double b)
{
    return std::abs(a - b) <= 1e-6 * std::max(1.0, std::abs(b));
}

enum class SumsChecked
{
    Footer,
    FooterAndFirstLevelGroups
};

// Each footer sum of the view (and, when asked, each first-level group's footer sum) equals the
// sum over the rows the server returned for the view's statement; the view shows as many rows.
inline void checkSums(const grid::GridView& view, const session::Result& rows, SumsChecked what)
{
    const grid::GridModel& model = view.model();
    QCOMPARE(model.source()->rowCount(), rows.rowCount());
    int checked = 0;
    for (grid::GridColumn* column : model.columns()) {
        const grid::GridSummary* summary = model.footerSummary(column);
        if (!summary)
            continue;
        const QString field = summary->field.isEmpty() ? column->fieldName() : summary->field;
        QVERIFY2(near(model.footerValue(column).value_or(0), sumOf(rows, field)), qPrintable(field));
        ++checked;
        if (what == SumsChecked::Footer || model.tree().levelCount() == 0)
            continue;
        const QString groupField = model.levelColumn(0)->fieldName();
        const int g = rows.indexOf(groupField);
        for (int node = model.tree().levelBegin(0); node < model.tree().levelBegin(1); ++node) {
            if (!model.groupSummary(node, column))
                continue;
            const int first = model.tree().sourceRow(model.tree().node(node).begin);
            const QString group = model.source()->value(first, model.source()->fieldIndex(groupField)).toString();
            QVERIFY2(near(model.groupFooterValue(node, column).value_or(0),
                          sumOf(rows, field, [&](int r) { return rows.value(r, g).toString() == group; })),
                     qPrintable(field + QLatin1Char(' ') + group));
        }
    }
    QVERIFY(checked > 0);
}

// Every row's values of a dataset, sorted, for comparing two ways to the same state.
inline QStringList snapshot(const data::DataSet& rows)
{
    QStringList all;
    for (int r = 0; r < rows.recordCount(); ++r) {
        QStringList values;
        for (int c = 0; c < rows.fieldCount(); ++c)
            values << rows.value(r, c).toString();
        all << values.join(u'|');
    }
    all.sort();
    return all;
}

// Types into the focused cell as the user does: the first key opens the editor, the rest go to it.
inline void typeIntoCell(grid::GridView* view, const QString& text)
{
    view->setFocus();
    QTest::keyClicks(view, text.left(1));
    QVERIFY(view->isEditing());
    QTest::keyClicks(view->cellEditor(), text.mid(1));
}

} // namespace custos::test
