// "Exportar" > "Excel" of the slaughter and industrialized result windows on the demo's day
// (scale 1), each workbook read back with openpyxl: the sheets in their order; each sheet
// against the grid it comes from, line for line as the grid shows it, every group expanded,
// numbers as numbers in the workbook formats of the display patterns, dates as dates, the widths,
// the group footers and the footer equal to the server's sums; a user filter and a collapsed
// group leave the workbook as it was; a day without purchases and a day with every grid empty.

#include "DemoDay.h"
#include "MenuDay.h"
#include "MessageBox.h"
#include "SaveDialog.h"
#include "SaveFileDialog.h"
#include "SlaughterDay.h"
#include "TestDatabase.h"
#include "WorkbookReader.h"

#include <ClientDataSet.h>
#include <DBXConnection.h>
#include <DataModule_Custo.h>
#include <GridColumn.h>
#include <GridView.h>
#include <Provider.h>
#include <Query.h>
#include <Result.h>
#include <TF_Abate.h>
#include <TF_IndustrializadoResultado.h>

#include <QAction>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

using namespace custos;
using custos::grid::GridColumn;
using custos::grid::GridModel;
using custos::grid::GridView;
using custos::grid::LineRef;
using custos::test::kDemoDay;
using custos::test::near;
using custos::test::Variation;

namespace {

// The workbook format each display pattern of the windows' grids is written with.
const QHash<QString, QString> kWorkbookFormats{
    {"", "General"},
    {"#", "#"},
    {"#,0", "#,##0"},
    {"#,0.0", "#,##0.0"},
    {"#,0.00", "#,##0.00"},
    {"#,0.000", "#,##0.000"},
    {"#,0.000###", "#,##0.000###"},
    {"#0.000", "#0.000"},
    {"#,0.00 ", "#,##0.00\" \""},
    {"##0.0 %", "##0.0\" %\""},
    {"#,0.0 %", "#,##0.0\" %\""},
    {"#,0.00 %", "#,##0.00\" %\""},
    {"#,0.00   %   ", "#,##0.00\"   %   \""},
    {"#,0.000 %", "#,##0.000\" %\""},
    {"#,0.00 Kg", "#,##0.00\" Kg\""},
    {"#,0.000 /Kg", "#,##0.000\" /Kg\""},
};

// The same number, as far as the workbook keeps it (16 significant digits).
bool same(double a, double b)
{
    return std::abs(a - b) <= 1e-15 * std::abs(b);
}

QStringList sheetNames(const QJsonArray& sheets)
{
    QStringList names;
    for (const QJsonValue s : sheets)
        names << s.toObject().value("name").toString();
    return names;
}

// The columns a grid shows, in display order: left-fixed, scrolling, right-fixed.
std::vector<grid::ColumnGeometry> shownColumns(const GridView& view)
{
    std::vector<grid::ColumnGeometry> shown;
    for (grid::Region region : {grid::Region::Left, grid::Region::Scroll, grid::Region::Right})
        for (const grid::ColumnGeometry& g : view.layout().columns())
            if (g.region == region)
                shown.push_back(g);
    return shown;
}

// A zero-based column's letters: A to Z, then AA.
QString columnLetters(int column)
{
    QString letters;
    for (int n = column + 1; n > 0; n = (n - 1) / 26)
        letters.prepend(QChar(u'A' + (n - 1) % 26));
    return letters;
}

QString summedField(const grid::GridSummary& summary)
{
    return summary.field.isEmpty() ? summary.column->fieldName() : summary.field;
}

} // namespace

class TestResultExport : public QObject
{
    Q_OBJECT

    std::unique_ptr<test::TestDatabase> m_db;
    std::unique_ptr<session::DBXConnection> m_connection;
    std::unique_ptr<data::TDataModule_Custo> m_module;
    std::unique_ptr<dayproc::TF_Menu> m_menu;
    std::unique_ptr<ui::ScopedMessageHook> m_messageHook;
    QStringList m_messages;
    QTemporaryDir m_folder;
    int m_groupFootersChecked = 0;
    int m_datesChecked = 0;

    data::ClientDataSet& cds(const QString& name) const { return m_module->clientDataSet(name); }

    // Of the day's families with or without other inputs, the one with the most products.
    double family(bool withInputs) const
    {
        return m_db
            ->scalar(QStringLiteral("select p.id_familia from velko_cst.industrial_produto p, velko_cst.industrial i"
                                    " where i.id_industrial = p.id_industrial and i.id_unidade = 1 and i.data = '2024-03-15'"
                                    " and %1 exists (select 1 from velko_cst.industrial_insumo s"
                                    " where s.id_industrial = i.id_industrial and s.id_familia = p.id_familia)"
                                    " group by p.id_familia order by count(*) desc, p.id_familia limit 1")
                         .arg(withInputs ? QString() : QStringLiteral("not")))
            .toDouble();
    }

    // The slaughter result (family 0) or a family's industrialized result on the day.
    std::unique_ptr<QDialog> openWindow(double familia)
    {
        std::unique_ptr<QDialog> w;
        if (familia == 0) {
            w = std::make_unique<results::TF_Abate>(*m_module, kDemoDay, m_menu.get());
        } else {
            if (!cds("CDS_Resultado").locate(QStringLiteral("ID_FAMILIA"), familia))
                qFatal("no family %g", familia);
            w = std::make_unique<results::TF_IndustrializadoResultado>(*m_module, kDemoDay, m_menu.get());
        }
        return test::shownForTest(std::move(w));
    }

    // "Exportar" > "Excel", the dialog answered with the file; the name the dialog proposed.
    QString exportWindow(QDialog& window, const QString& file)
    {
        QString proposed;
        const ui::ScopedSaveDialogHook dialog([&](const data::TSaveDialog& d) {
            proposed = d.fileName();
            return file;
        });
        window.findChild<QAction*>(QStringLiteral("Excel"))->trigger();
        return proposed;
    }

    // The sum over the server's rows of a statement whose grouping fields equal those of a
    // source row, down to a level (-1: every row).
    static double serverSum(const session::Result& rows, const QString& field, const GridModel& model, int sourceRow,
                            int level)
    {
        const int summed = rows.indexOf(field);
        if (summed < 0)
            qFatal("the statement has no %s", qPrintable(field));
        std::vector<std::pair<int, QString>> keys;
        for (int l = 0; l <= level; ++l) {
            const GridColumn* column = model.levelColumn(l);
            const int at = rows.indexOf(column->fieldName());
            if (at < 0)
                qFatal("the statement has no %s", qPrintable(column->fieldName()));
            keys.emplace_back(at, model.source()->value(sourceRow, column->fieldIndex()).toString());
        }
        double total = 0;
        for (int r = 0; r < rows.rowCount(); ++r) {
            bool inGroup = true;
            for (const auto& [at, key] : keys)
                inGroup = inGroup && rows.value(r, at).toString() == key;
            if (inGroup)
                total += rows.value(r, summed).toDouble();
        }
        return total;
    }

    static void checkFormat(const QJsonObject& cell, const QString& pattern, const QString& where)
    {
        QVERIFY2(kWorkbookFormats.contains(pattern), qPrintable(where + ": no workbook format for \"" + pattern + '"'));
        QVERIFY2(cell.value("f").toString() == kWorkbookFormats.value(pattern),
                 qPrintable(where + ": " + cell.value("f").toString()));
    }

    // The sheet against the grid as the window shows it (every group expanded, no filter) and
    // against the server's rows for the grid's statement.
    void compareSheetWithGrid(const QJsonObject& sheet, const GridView& view, const session::Result& server)
    {
        const GridModel& model = view.model();
        const grid::RowSource& source = *model.source();
        QVERIFY(!model.hasUserFilter());
        auto cell = [&](int row, int column) { return test::sheetCell(sheet, row, column); };
        const std::vector<grid::ColumnGeometry> columns = shownColumns(view);
        const int headerRows = view.layout().bands().empty() ? 1 : 2;

        // The band captions over their first columns, the column captions, the widths.
        int lastBand = -1;
        for (std::size_t c = 0; c < columns.size(); ++c)
            if (columns[c].band >= 0 && columns[c].band != lastBand) {
                lastBand = columns[c].band;
                QCOMPARE(cell(0, int(c)).value("v").toString(),
                         view.layout().bands()[std::size_t(lastBand)].band->caption());
            }
        const QJsonObject widths = sheet.value("widths").toObject();
        for (std::size_t c = 0; c < columns.size(); ++c) {
            const GridColumn* column = columns[c].column;
            QCOMPARE(cell(headerRows - 1, int(c)).value("v").toString(), column->headerText());
            QCOMPARE(widths.value(columnLetters(int(c))).toInt(), columns[c].width);
        }
        QCOMPARE(cell(headerRows - 1, int(columns.size())).value("v").toString(), QString());
        // Frozen below the captions and right of the fixed band.
        const auto fixed = std::count_if(columns.begin(), columns.end(),
                                         [](const grid::ColumnGeometry& g) { return g.region == grid::Region::Left; });
        QCOMPARE(sheet.value("freeze").toString(), columnLetters(int(fixed)) + QString::number(headerRows + 1));

        int row = headerRows;
        int dataRows = 0, groupFooters = 0;
        for (int line = 0; line < model.lineCount(); ++line, ++row) {
            const QString where = QStringLiteral("%1 row %2").arg(sheet.value("name").toString()).arg(row + 1);
            switch (model.lineKind(line)) {
            case LineRef::GroupRow:
                QVERIFY(model.isExpanded(model.lineNode(line)));
                QCOMPARE(cell(row, 0).value("v").toString(), model.groupText(model.lineNode(line)));
                break;
            case LineRef::Row: {
                ++dataRows;
                const int sourceRow = model.lineSourceRow(line);
                for (std::size_t c = 0; c < columns.size(); ++c) {
                    const GridColumn* column = columns[c].column;
                    const QJsonObject got = cell(row, int(c));
                    const QString at = where + ' ' + column->fieldName();
                    const QVariant value = model.cellValue(sourceRow, column);
                    const QString text = model.cellText(sourceRow, column);
                    if (model.isNumeric(column) && !value.isNull()) {
                        QVERIFY2(got.value("t") == "n", qPrintable(at));
                        QVERIFY2(same(got.value("v").toDouble(), value.toDouble()), qPrintable(at));
                        checkFormat(got, source.displayPattern(column->fieldIndex()), at);
                    } else if (value.typeId() == QMetaType::QDateTime || value.typeId() == QMetaType::QDate) {
                        ++m_datesChecked;
                        QVERIFY2(got.value("t") == "d", qPrintable(at));
                        QCOMPARE(QDateTime::fromString(got.value("v").toString(), Qt::ISODate), value.toDateTime());
                    } else if (text.isEmpty()) {
                        QVERIFY2(got.value("v").isNull(), qPrintable(at));
                    } else {
                        QVERIFY2(got.value("t") == "s", qPrintable(at));
                        QCOMPARE(got.value("v").toString(), text);
                    }
                }
                break;
            }
            case LineRef::GroupFooter: {
                ++groupFooters;
                const int node = model.lineNode(line);
                const int first = model.tree().sourceRow(model.tree().node(node).begin);
                for (std::size_t c = 0; c < columns.size(); ++c) {
                    const grid::GridSummary* summary = model.groupSummary(node, columns[c].column);
                    const QJsonObject got = cell(row, int(c));
                    if (!summary) {
                        QVERIFY2(got.value("v").isNull(), qPrintable(where));
                        continue;
                    }
                    const QString at = where + ' ' + summedField(*summary);
                    QVERIFY2(near(got.value("v").toDouble(),
                                  serverSum(server, summedField(*summary), model, first, model.lineLevel(line))),
                             qPrintable(at));
                    checkFormat(got, summary->format, at);
                }
                break;
            }
            }
        }
        QCOMPARE(dataRows, server.rowCount());
        m_groupFootersChecked += groupFooters;

        const bool footer = view.isFooterVisible() && model.hasFooterSummaries();
        if (footer) {
            const QString where = sheet.value("name").toString() + " footer";
            for (std::size_t c = 0; c < columns.size(); ++c) {
                const grid::GridSummary* summary = model.footerSummary(columns[c].column);
                const QJsonObject got = cell(row, int(c));
                if (!summary) {
                    QVERIFY2(got.value("v").isNull(), qPrintable(where));
                    continue;
                }
                QVERIFY2(near(got.value("v").toDouble(), serverSum(server, summedField(*summary), model, 0, -1)),
                         qPrintable(where + ' ' + summedField(*summary)));
                checkFormat(got, summary->format, where);
            }
            ++row;
        }
        QCOMPARE(sheet.value("rows").toArray().size(), qsizetype(row));
    }

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
        QVERIFY(m_folder.isValid());
        m_db = std::make_unique<test::TestDatabase>();
        test::loadDemoDay(*m_db, 1);
        m_connection = m_db->connect();
        m_module = std::make_unique<data::TDataModule_Custo>(*m_connection);
        m_messageHook = std::make_unique<ui::ScopedMessageHook>([this](ui::MessageType type, ui::MessageButtons, const QString& text) {
            m_messages << QString::number(int(type)) + ' ' + text;
            return ui::MessageResult::Ok;
        });
        m_menu = std::make_unique<dayproc::TF_Menu>();
        m_menu->resize(1280, 900);
        m_menu->show();
        test::MenuDay::selectDay(*m_menu, kDemoDay);
        QVERIFY2(m_messages.isEmpty(), qPrintable(m_messages.join('\n')));
    }

    void init() { m_messages.clear(); }

    void exportHoldsEveryGridAsShown_data()
    {
        QTest::addColumn<double>("familia");
        QTest::addColumn<QStringList>("sheets");
        QTest::addColumn<QStringList>("grids");
        QTest::addColumn<QStringList>("dataSets");
        // Restored prices show the restoration band, with its date and time.
        QTest::newRow("slaughter, prices restored") << 0.0 << QStringList{"Matéria-Prima", "Custo-Produtos", "Resultado-Projetado"}
                                   << QStringList{"GridCompra", "GridCustoProdutos", "GridResultadoProjetado"}
                                   << QStringList{"CDS_Compra", "CDS_AbateProduto", "CDS_AbateProduto"};
        QTest::newRow("industrialized, every grid filled")
            << family(true) << QStringList{"Matéria-Prima", "Insumos", "Resultado-Projetado", "Custo-Produtos"}
            << QStringList{"GridMateriaPrima", "GridInsumos", "GridResultadoProjetado", "GridCustoProdutos"}
            << QStringList{"CDS_MateriaPrima_DT", "CDS_Insumos", "CDS_Resultado_DT", "CDS_Resultado_DT"};
        // No other inputs: no sheet for them.
        QTest::newRow("industrialized, the most products")
            << family(false) << QStringList{"Matéria-Prima", "Resultado-Projetado", "Custo-Produtos"}
            << QStringList{"GridMateriaPrima", "GridResultadoProjetado", "GridCustoProdutos"}
            << QStringList{"CDS_MateriaPrima_DT", "CDS_Resultado_DT", "CDS_Resultado_DT"};
    }

    void exportHoldsEveryGridAsShown()
    {
        QFETCH(double, familia);
        QFETCH(QStringList, sheets);
        QFETCH(QStringList, grids);
        QFETCH(QStringList, dataSets);
        const QString restored = QStringLiteral(
            "UPDATE velko_cst.abate_preco SET usuario_restauracao_preco = %1, data_restauracao_preco = %2,"
            " preco_anterior = %3 WHERE id_abate IN (SELECT id_abate FROM velko_cst.abate WHERE data = '2024-03-15')");
        std::unique_ptr<Variation> restoration;
        if (familia == 0)
            restoration = std::make_unique<Variation>(
                *m_db, restored.arg("'GERENTE'", "timestamp '2024-03-15 17:42:31'", "preco + 1"),
                restored.arg("NULL", "NULL", "NULL"));
        auto w = openWindow(familia);
        if (familia == 0)
            QVERIFY(w->findChild<GridView*>("GridCustoProdutos")->band("Restauração Preço Médio")->isVisible());
        else
            QCOMPARE(cds("CDS_Insumos").isEmpty(), !sheets.contains("Insumos"));
        const QString file = m_folder.filePath(QStringLiteral("resultado %1.xlsx").arg(familia));
        QCOMPARE(exportWindow(*w, file),
                 familia == 0
                     ? QStringLiteral("Resultado do Abate")
                     : QStringLiteral("Resultado ") + cds("CDS_Resultado_DT").fieldByName("FAMILIA").asString());
        QCOMPARE(m_messages, QStringList{QString::number(int(ui::MessageType::Information)) + " Arquivo '" + file
                                         + "' gerado com sucesso!"});
        const QJsonArray workbook = test::readWorkbookSheets(file);
        QCOMPARE(sheetNames(workbook), sheets);
        m_groupFootersChecked = 0;
        m_datesChecked = 0;
        for (qsizetype s = 0; s < sheets.size(); ++s) {
            const auto* view = w->findChild<GridView*>(grids[s]);
            QVERIFY(view->model().source()->rowCount() > 0);
            compareSheetWithGrid(workbook[s].toObject(), *view, cds(dataSets[s]).provider()->query()->execute());
            if (QTest::currentTestFailed())
                return;
        }
        QVERIFY(m_groupFootersChecked > 0);
        QCOMPARE(m_datesChecked > 0, familia == 0);
    }

    void filterAndCollapsedGroupLeaveTheWorkbookAsItWas_data()
    {
        QTest::addColumn<double>("familia");
        QTest::addColumn<QStringList>("grids");
        QTest::newRow("slaughter") << 0.0 << QStringList{"GridCompra", "GridCustoProdutos", "GridResultadoProjetado"};
        QTest::newRow("industrialized") << family(false)
                                        << QStringList{"GridMateriaPrima", "GridResultadoProjetado", "GridCustoProdutos"};
    }

    // Each grid filtered by the user to the first text of its first grouping column, with its
    // first group collapsed: the workbook holds every row of every group as before, and the
    // window keeps the filter and the collapsed group.
    void filterAndCollapsedGroupLeaveTheWorkbookAsItWas()
    {
        QFETCH(double, familia);
        QFETCH(QStringList, grids);
        auto w = openWindow(familia);
        const QString before = m_folder.filePath(QStringLiteral("antes.xlsx"));
        exportWindow(*w, before);
        int hidden = 0;
        for (const QString& name : grids) {
            GridModel& model = w->findChild<GridView*>(name)->model();
            GridColumn* grouped = model.levelColumn(0);
            model.setColumnFilter(grouped, {model.distinctTexts(grouped).first()});
            model.setExpanded(0, false);
            int shown = 0;
            model.forEachShownRow([&](int) { ++shown; });
            hidden += model.source()->rowCount() - shown;
        }
        QVERIFY(hidden > 0);

        const QString after = m_folder.filePath(QStringLiteral("depois.xlsx"));
        exportWindow(*w, after);
        QCOMPARE(test::readWorkbookSheets(after), test::readWorkbookSheets(before));
        for (const QString& name : grids) {
            const GridModel& model = w->findChild<GridView*>(name)->model();
            QVERIFY(model.hasUserFilter());
            QVERIFY(!model.isExpanded(0));
        }
        QCOMPARE(m_messages.size(), 2);
    }

    void emptyGridsWriteNoSheet_data()
    {
        QTest::addColumn<QStringList>("removed");
        QTest::addColumn<QStringList>("sheets");
        QTest::newRow("no purchases") << QStringList{"abate_materia_prima"}
                                      << QStringList{"Custo-Produtos", "Resultado-Projetado"};
        QTest::newRow("nothing") << QStringList{"abate_materia_prima", "abate_produto"} << QStringList{"Planilha1"};
    }

    // The rows of some tables of the day's slaughter gone after the main window loaded the day
    // (a day without purchases has no slaughter row for the main window to open): no sheet for
    // an empty grid, one empty sheet when every grid is empty, the success message all the same.
    void emptyGridsWriteNoSheet()
    {
        QFETCH(QStringList, removed);
        QFETCH(QStringList, sheets);
        // The day loaded again once the rows are back, for the tests that follow.
        const std::unique_ptr<dayproc::TF_Menu, void (*)(dayproc::TF_Menu*)> reload(
            m_menu.get(), [](dayproc::TF_Menu* menu) { test::MenuDay::selectDay(*menu, kDemoDay); });
        std::vector<std::unique_ptr<Variation>> variations;
        for (const QString& table : removed)
            variations.push_back(std::make_unique<Variation>(
                *m_db,
                QStringLiteral("CREATE TABLE velko_cst.tst_%1 AS SELECT * FROM velko_cst.%1 WHERE id_abate IN"
                               " (SELECT id_abate FROM velko_cst.abate WHERE id_unidade = 1 AND data = '2024-03-15');"
                               " DELETE FROM velko_cst.%1 WHERE id_abate IN (SELECT id_abate FROM velko_cst.tst_%1)")
                    .arg(table),
                QStringLiteral("INSERT INTO velko_cst.%1 SELECT * FROM velko_cst.tst_%1; DROP TABLE velko_cst.tst_%1").arg(table)));
        auto w = openWindow(0);
        const QString file = m_folder.filePath(QStringLiteral("vazio.xlsx"));
        exportWindow(*w, file);
        QCOMPARE(m_messages, QStringList{QString::number(int(ui::MessageType::Information)) + " Arquivo '" + file
                                         + "' gerado com sucesso!"});
        const QJsonArray workbook = test::readWorkbookSheets(file);
        QCOMPARE(sheetNames(workbook), sheets);
        if (sheets.size() == 1)
            QVERIFY(workbook[0].toObject().value("rows").toArray().isEmpty());
    }
};

QTEST_MAIN(TestResultExport)
#include "tst_result_export.moc"
