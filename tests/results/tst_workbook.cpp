// The workbook export read back with openpyxl: a grid over a dataset of the test database
// (bands with a fixed left band, grouping, group footers and the footer, number, date and text
// columns, the shared styles) written as a sheet and compared with the grid and the server's
// sums; the sheet order and empty datasets; a user filter and a collapsed group; failures that
// must leave an existing file intact and nothing behind; the save dialog step.

#include "../data/PriceFixture.h"
#include "WorkbookReader.h"

#include <DataModule_Custo.h>
#include <DataSource.h>
#include <DataSourceRows.h>
#include <ExportError.h>
#include <ExportToWorkbook.h>
#include <ExportView.h>
#include <GridColumn.h>
#include <GridView.h>
#include <MessageBox.h>
#include <NumberFormats.h>
#include <ErrorDisplay.h>
#include <SaveDialog.h>
#include <SaveFileDialog.h>
#include <Workbook.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <unistd.h>

using namespace custos;
using namespace custos::grid;
using custos::results::ExportError;
using custos::test::PriceDataSets;
using custos::test::TestDatabase;

namespace {

const QColor kLightYellow(0xFF, 0xFF, 0xE1);

// A result grid over the price rows between two ids: "Produto" fixed at the left, grouped by
// GRUPO, weights and revenue summed per group, revenue in the footer.
struct PriceGrid
{
    PriceGrid(const TestDatabase& db, int from = 1, int to = 99) : sets(db)
    {
        sets.query.params().setNumber(QStringLiteral("de"), from).setNumber(QStringLiteral("ate"), to);
        sets.cds.declareField("PESO", data::FieldKind::Float).setDisplayFormat("#,0.000");
        sets.cds.declareField("PRECO", data::FieldKind::Float).setDisplayFormat("#,0.00");
        sets.cds.declareField("PRECO_TOTAL", data::FieldKind::Float).setDisplayFormat("#,0.00");
        sets.cds.declareField("VALOR_MOD", data::FieldKind::Float).setDisplayFormat("#,0.00 %");
        GridBand* produto = view.addBand("Produto");
        produto->setFixed(GridBand::Fixed::Left);
        GridBand* producao = view.addBand("Produção");
        GridBand* receita = view.addBand("Receita");
        receita->setHeaderStyle(SharedStyles::cxStyle7());
        view.addColumn("ID_PRECO", "Código", produto, 50);
        view.addColumn("OBS", "Obs", produto, 70);
        view.addColumn("GRUPO", "Grupo", producao, 90);
        view.addColumn("PESO", "Peso", producao, 80);
        view.addColumn("DATA", "Data", producao, 110);
        view.addColumn("PRECO", "Preço", receita, 75)->setContentStyle(GridStyle::withBackground(kLightYellow));
        view.addColumn("PRECO_TOTAL", "Receita", receita, 95)->setContentStyle(SharedStyles::cxStyle7());
        view.addColumn("VALOR_MOD", "Margem", receita, 85)->setContentStyle(SharedStyles::cxStyle8());
        view.setGroupRowStyle(SharedStyles::cxStyle2());
        view.setFooterStyle(SharedStyles::cxStyle4());
        view.setFooterVisible(true);
        view.model().addGroupSummary({view.column("PESO"), {}, "#,0.000", Qt::AlignRight, {}});
        view.model().addGroupSummary({view.column("PRECO_TOTAL"), {}, "#,0.00", Qt::AlignRight, {}});
        view.model().addFooterSummary({view.column("PRECO_TOTAL"), {}, "#,0.00", Qt::AlignRight, {}});
        view.model().setGrouping({{view.column("GRUPO"), Qt::AscendingOrder}});
        view.model().setSorting({{"ID_PRECO", Qt::AscendingOrder}});
        view.resize(500, 300);
        view.setSource(&rows);
        sets.cds.open();
    }

    PriceDataSets sets;
    data::DataSource source{&sets.cds};
    DataSourceRows rows{&source};
    GridView view;
};

QJsonObject onlySheet(const QString& fileName)
{
    const QJsonArray sheets = custos::test::readWorkbookSheets(fileName);
    return sheets.size() == 1 ? sheets[0].toObject() : QJsonObject();
}

QStringList sheetNames(const QString& fileName)
{
    QStringList names;
    for (const QJsonValue s : custos::test::readWorkbookSheets(fileName))
        names << s.toObject().value("name").toString();
    return names;
}

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

QByteArray contents(const QString& fileName)
{
    QFile f(fileName);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A new folder holding an earlier file of the name ("anterior"); the file's path.
QString folderWithEarlierFile(const QString& folder, const QString& name)
{
    QDir().mkpath(folder);
    QFile f(folder + "/" + name);
    if (f.open(QIODevice::WriteOnly))
        f.write("anterior");
    return f.fileName();
}

// The messages shown while it lives, each as "<type> <text>".
struct ShownMessages
{
    QStringList texts;
    ui::ScopedMessageHook hook{[this](ui::MessageType type, ui::MessageButtons, const QString& text) {
        texts << QString::number(int(type)) + " " + text;
        return ui::MessageResult::Ok;
    }};
};

// Runs the body without the power to write where the folder's permissions forbid it: as
// another user when the tests run as root (who writes anywhere), as ourselves otherwise.
template <typename Body> void withoutRootPower(Body&& body)
{
    const bool root = geteuid() == 0;
    if (root)
        QCOMPARE(seteuid(65534), 0);
    body();
    if (root)
        QCOMPARE(seteuid(0), 0);
}

} // namespace

class TestWorkbook : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<PriceGrid> m_grid;
    QTemporaryDir m_dir;

    QString path(const QString& name) const { return m_dir.filePath(name); }
    double serverSum(const QString& where) const
    {
        return m_db->scalar("select sum(preco_total)::float8 from velko_cst.tst_preco where " + where).toDouble();
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_db = std::make_unique<TestDatabase>(TestDatabase::Kind::Unit);
        custos::test::resetPriceTable(*m_db);
        QVERIFY(m_dir.isValid());
    }

    void init() { m_grid = std::make_unique<PriceGrid>(*m_db); }
    void cleanup() { m_grid.reset(); }

    void sheetHoldsTheGridAsDisplayed();
    void numberFormatTranslation_data();
    void numberFormatTranslation();
    void sheetsFollowTheOrderGivenAndEmptyDatasetsWriteNone();
    void filterAndCollapsedGroupStillExportEveryRow();
    void aFolderChosenAsTheNameIsRefused();
    void aReadOnlyFolderKeepsItsFileAndGetsNothing();
    void aFailureMidwayLeavesTheExistingFileIntact();
    void aFinishedExportReplacesTheFileWithoutAsking();
    void dialogCancelledWritesNothing();
    void dialogAddsTheExtensionAndReportsSuccess();
    void dialogShowsTheErrorAndWritesNothing();
};

void TestWorkbook::sheetHoldsTheGridAsDisplayed()
{
    const ExportView view = m_grid->view.exportView();
    const QString file = path("grade.xlsx");
    results::writeWorkbook(file, {{"Resultado-Projetado", &view}});
    const QJsonObject sheet = onlySheet(file);
    QCOMPARE(sheet.value("name").toString(), QString("Resultado-Projetado"));
    auto cell = [&](int row, int column) { return custos::test::sheetCell(sheet, row, column); };

    // Header rows: the bands merged over their columns, the captions; frozen with the fixed band.
    QCOMPARE(sheet.value("merged").toArray(), (QJsonArray{"A1:B1", "C1:E1", "F1:H1"}));
    QCOMPARE(cell(0, 0).value("v").toString(), QString("Produto"));
    QCOMPARE(cell(0, 2).value("v").toString(), QString("Produção"));
    QCOMPARE(cell(0, 5).value("fill").toString(), QString("3A6EA5"));
    QStringList captions;
    for (int c = 0; c < 8; ++c)
        captions << cell(1, c).value("v").toString();
    QCOMPARE(captions, (QStringList{"Código", "Obs", "Grupo", "Peso", "Data", "Preço", "Receita", "Margem"}));
    QCOMPARE(sheet.value("freeze").toString(), QString("C3"));
    const QJsonObject widths = sheet.value("widths").toObject();
    for (int c = 0; c < 8; ++c)
        QCOMPARE(widths.value(QString(QChar('A' + c))).toInt(), view.columns[std::size_t(c)].width);

    // Every line of the view, in order: values as values, sums as the server's.
    const QLocale locale;
    QString group;
    QStringList groups;
    int dataRows = 0;
    for (std::size_t i = 0; i < view.lines.size(); ++i) {
        const ExportLine& line = view.lines[i];
        const int row = int(i) + 2;
        switch (line.kind) {
        case ExportLine::GroupRow:
            QCOMPARE(cell(row, 0).value("v").toString(), line.groupText);
            group = line.groupText.section(" : ", 1);
            groups << line.groupText;
            break;
        case ExportLine::Row: {
            ++dataRows;
            const RowSource& source = m_grid->rows;
            for (std::size_t c = 0; c < view.columns.size(); ++c) {
                const ExportColumn& column = view.columns[c];
                const QJsonObject got = cell(row, int(c));
                const QVariant value = source.value(line.sourceRow, source.fieldIndex(column.fieldName));
                if (value.isNull())
                    QVERIFY2(got.value("v").isNull(), qPrintable(column.fieldName));
                else if (column.numeric)
                    QCOMPARE(got.value("v").toDouble(), value.toDouble());
                else if (column.kind == FieldKind::DateTime) {
                    const QDateTime written = QDateTime::fromString(got.value("v").toString(), Qt::ISODate);
                    QCOMPARE(written.date(), value.toDateTime().date());
                    QCOMPARE(written.time(), value.toDateTime().time());
                }
                else
                    QCOMPARE(got.value("v").toString(), value.toString());
            }
            break;
        }
        case ExportLine::GroupFooter:
            QCOMPARE(cell(row, 6).value("v").toDouble(), serverSum("grupo = '" + group + "'"));
            QCOMPARE(cell(row, 6).value("f").toString(), QString("#,##0.00"));
            QCOMPARE(cell(row, 3).value("f").toString(), QString("#,##0.000"));
            break;
        case ExportLine::Footer:
            QCOMPARE(int(i), int(view.lines.size()) - 1);
            QCOMPARE(cell(row, 6).value("v").toDouble(), serverSum("true"));
            break;
        }
    }
    QCOMPARE(groups, (QStringList{"Grupo : BOVINO", "Grupo : MIUDOS", "Grupo : SUINO"}));
    QCOMPARE(dataRows, 5);

    // The first data row (product 1) in its formats and looks.
    const QJsonObject weight = cell(3, 3), date = cell(3, 4), price = cell(3, 5), revenue = cell(3, 6), margin = cell(3, 7);
    QCOMPARE(weight.value("f").toString(), QString("#,##0.000"));
    QCOMPARE(weight.value("t").toString(), QString("n"));
    QCOMPARE(date.value("t").toString(), QString("d"));
    QCOMPARE(date.value("v").toString(), QString("2026-03-02T00:00:00"));
    QCOMPARE(price.value("fill").toString(), QString("FFFFE1"));
    QCOMPARE(revenue.value("fill").toString(), QString("3A6EA5"));
    QCOMPARE(revenue.value("color").toString(), QString("FFFFFF"));
    QCOMPARE(revenue.value("font").toString(), QString("Verdana"));
    QCOMPARE(revenue.value("v").toDouble(), 1030.13);
    // A percentage stays the number shown, the sign a literal.
    QCOMPARE(margin.value("v").toDouble(), 15.10);
    QCOMPARE(margin.value("f").toString(), QString("#,##0.00\" %\""));
    QCOMPARE(margin.value("fill").toString(), QString("DEDEBC"));

    // Lines made as they are written give the same workbook as lines held.
    const QString streamed = path("grade-fluxo.xlsx");
    const ExportView streamedView = streamExportView(m_grid->view);
    QVERIFY(streamedView.lines.empty());
    results::writeWorkbook(streamed, {{"Resultado-Projetado", &streamedView}});
    QCOMPARE(custos::test::readWorkbookSheets(streamed), custos::test::readWorkbookSheets(file));
}

void TestWorkbook::numberFormatTranslation_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("format");
    QTest::newRow("grouped two decimals") << "#,0.00" << "#,##0.00";
    QTest::newRow("percent literal") << "#,0.00 %" << "#,##0.00\" %\"";
    QTest::newRow("optional decimals") << "#,0.000###" << "#,##0.000###";
    QTest::newRow("integer") << "0" << "0";
    QTest::newRow("no required digit") << "#" << "#";
    QTest::newRow("prefix and suffix") << "R$ #,0.00 Kg" << "\"R$ \"#,##0.00\" Kg\"";
    QTest::newRow("quote in a literal") << "0\"x" << "0\\\"\"x\"";
    QTest::newRow("general") << "" << "General";
}

void TestWorkbook::numberFormatTranslation()
{
    QFETCH(QString, pattern);
    QFETCH(QString, format);
    QCOMPARE(results::workbookNumberFormat(pattern), format);
}

void TestWorkbook::sheetsFollowTheOrderGivenAndEmptyDatasetsWriteNone()
{
    PriceGrid empty(*m_db, 100, 200);
    QCOMPARE(empty.rows.rowCount(), 0);
    const ExportView none = empty.view.exportView(), full = m_grid->view.exportView();
    const QString file = path("ordem.xlsx");
    results::writeWorkbook(file, {{"Matéria-Prima", &none}, {"Custo-Produtos", &full}, {"Resultado-Projetado", &full}});
    QCOMPARE(sheetNames(file), (QStringList{"Custo-Produtos", "Resultado-Projetado"}));

    results::writeWorkbook(file, {{"Matéria-Prima", &none}, {"Custo-Produtos", &none}});
    const QJsonObject sheet = onlySheet(file);
    QCOMPARE(sheet.value("name").toString(), QString("Planilha1"));
    QVERIFY(custos::test::sheetCell(sheet, 0, 0).isEmpty());
}

void TestWorkbook::filterAndCollapsedGroupStillExportEveryRow()
{
    GridModel& model = m_grid->view.model();
    model.setColumnFilter(m_grid->view.column("GRUPO"), {"SUINO"});
    model.setExpanded(0, false);
    int shown = 0;
    model.forEachShownRow([&](int) { ++shown; });
    QCOMPARE(shown, 0); // the only group left is collapsed

    const ExportView view = m_grid->view.exportView();
    const QString file = path("filtro.xlsx");
    results::writeWorkbook(file, {{"Custo-Produtos", &view}});
    const QJsonObject sheet = onlySheet(file);
    QStringList codes, groups;
    double footer = 0;
    const QJsonArray rows = sheet.value("rows").toArray();
    for (qsizetype r = 2; r < rows.size(); ++r) {
        const QJsonObject first = custos::test::sheetCell(sheet, int(r), 0);
        if (first.value("t") == "n")
            codes << QString::number(first.value("v").toInt());
        else if (first.value("t") == "s")
            groups << first.value("v").toString();
        footer = custos::test::sheetCell(sheet, int(r), 6).value("v").toDouble();
    }
    QCOMPARE(groups, (QStringList{"Grupo : BOVINO", "Grupo : MIUDOS", "Grupo : SUINO"}));
    QCOMPARE(codes, (QStringList{"1", "2", "5", "3", "4"}));
    QCOMPARE(footer, serverSum("true"));
}

void TestWorkbook::aFolderChosenAsTheNameIsRefused()
{
    const QString folder = path("pasta.xlsx");
    QVERIFY(QDir().mkpath(folder));
    const QStringList before = entries(m_dir.path());
    QVERIFY_THROWS_EXCEPTION(ExportError, results::Workbook book(folder));
    QCOMPARE(entries(m_dir.path()), before);
    QVERIFY(entries(folder).isEmpty());
}

void TestWorkbook::aReadOnlyFolderKeepsItsFileAndGetsNothing()
{
    const QString folder = path("somente-leitura");
    const QString file = folderWithEarlierFile(folder, "Resultado do Abate.xlsx");
    const QFile::Permissions readable = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup
        | QFile::ReadOther | QFile::ExeOther;
    QVERIFY(QFile::setPermissions(m_dir.path(), readable | QFile::WriteOwner));
    QVERIFY(QFile::setPermissions(folder, readable));
    const ExportView view = m_grid->view.exportView();
    QString message;
    withoutRootPower([&] {
        try {
            results::writeWorkbook(file, {{"Custo-Produtos", &view}});
        } catch (const ExportError& e) {
            message = QString::fromUtf8(e.what());
        }
    });
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY2(message.startsWith("Não é possível gravar na pasta"), qPrintable(message));
    QCOMPARE(contents(file), QByteArray("anterior"));
    QCOMPARE(entries(folder), QStringList{"Resultado do Abate.xlsx"});
}

void TestWorkbook::aFailureMidwayLeavesTheExistingFileIntact()
{
    const QString folder = path("falha");
    const QString file = folderWithEarlierFile(folder, "Resultado.xlsx");
    const ExportView view = m_grid->view.exportView();
    {
        results::Workbook book(file);
        book.addSheet("Custo-Produtos", view);
        QCOMPARE(entries(folder).size(), 2); // the file and the workbook being written
        QVERIFY_THROWS_EXCEPTION(ExportError, book.addSheet("Custo/Produtos", view));
    }
    QCOMPARE(contents(file), QByteArray("anterior"));
    QCOMPARE(entries(folder), QStringList{"Resultado.xlsx"});
}

void TestWorkbook::aFinishedExportReplacesTheFileWithoutAsking()
{
    const QString folder = path("substitui");
    const QString file = folderWithEarlierFile(folder, "Resultado.xlsx");
    const QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    QVERIFY(QFile::setPermissions(file, permissions));
    const ExportView view = m_grid->view.exportView();
    results::writeWorkbook(file, {{"Custo-Produtos", &view}});
    QCOMPARE(sheetNames(file), QStringList{"Custo-Produtos"});
    QCOMPARE(QFile::permissions(file) & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser), permissions);
    QCOMPARE(entries(folder), QStringList{"Resultado.xlsx"});
}

void TestWorkbook::dialogCancelledWritesNothing()
{
    data::TDataModule_Custo module(*m_grid->sets.connection);
    const QStringList before = entries(m_dir.path());
    ui::ScopedSaveDialogHook dialog([](const data::TSaveDialog&) { return QString(); });
    ShownMessages shown;
    QCOMPARE(results::exportToWorkbook(nullptr, "Resultado do Abate", {{"Custo-Produtos", &m_grid->view}}), QString());
    QVERIFY(shown.texts.isEmpty());
    QCOMPARE(entries(m_dir.path()), before);
}

void TestWorkbook::dialogAddsTheExtensionAndReportsSuccess()
{
    data::TDataModule_Custo module(*m_grid->sets.connection);
    const QString folder = path("dialogo");
    QVERIFY(QDir().mkpath(folder));
    QStringList settings;
    ui::ScopedSaveDialogHook dialog([&](const data::TSaveDialog& d) {
        settings << d.title() << d.filter() << d.defaultExtension() << d.fileName();
        return folder + "/Resultado BOVINO";
    });
    ShownMessages shown;
    PriceGrid empty(*m_db, 100, 200);
    const QString file = folder + "/Resultado BOVINO.xlsx";
    QCOMPARE(results::exportToWorkbook(nullptr, "Resultado BOVINO",
                                       {{"Matéria-Prima", &empty.view}, {"Insumos", &m_grid->view}, {"Custo-Produtos", &m_grid->view}}),
             file);
    QCOMPARE(settings, (QStringList{"Salvar em...", "Arquivo do MS Excel|*.xlsx", "xlsx", "Resultado BOVINO"}));
    QCOMPARE(shown.texts, QStringList{QString::number(int(ui::MessageType::Information)) + " Arquivo '" + file + "' gerado com sucesso!"});
    QCOMPARE(sheetNames(file), (QStringList{"Insumos", "Custo-Produtos"}));
    QCOMPARE(entries(folder), QStringList{"Resultado BOVINO.xlsx"});
    QVERIFY(QFile::permissions(file) & QFile::ReadOther);
}

void TestWorkbook::dialogShowsTheErrorAndWritesNothing()
{
    data::TDataModule_Custo module(*m_grid->sets.connection);
    const QString folder = path("erro");
    QVERIFY(QDir().mkpath(folder + "/Resultado do Abate.xlsx"));
    ui::ScopedSaveDialogHook dialog([&](const data::TSaveDialog&) { return folder + "/Resultado do Abate.xlsx"; });
    ShownMessages shown;
    QVERIFY(!ui::guarded(nullptr, [&] { results::exportToWorkbook(nullptr, "Resultado do Abate", {{"Custo-Produtos", &m_grid->view}}); }));
    QCOMPARE(shown.texts.size(), 1);
    QVERIFY2(shown.texts[0].startsWith(QString::number(int(ui::MessageType::Error)) + " '" + folder + "/Resultado do Abate.xlsx' é uma pasta"),
             qPrintable(shown.texts[0]));
    QCOMPARE(entries(folder), QStringList{"Resultado do Abate.xlsx"});
}

QTEST_MAIN(TestWorkbook)
#include "tst_workbook.moc"
