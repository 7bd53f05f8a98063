// A generation from the main window, over the link into the unit's processing database and
// back, against the same generation run locally: after the reload the main window's four tabs
// read the same figures. The dialog's log is painted while the blocks run.

#include "DataModule_Custo.h"
#include "DayOperationsFixture.h"
#include "ErrorDisplayApplication.h"
#include "FixtureDay.h"
#include "MenuDay.h"

#include <QEvent>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace custos;
using namespace custos::test;

namespace {

// Counts the paints of a widget.
class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// The datasets the four tabs show, row by row as displayed, without the keys the packages draw.
QStringList shownDay(const data::TDataModule_Custo& module)
{
    QStringList lines;
    for (const char* name : {"CDS_Abate", "CDS_AbateAcumulado", "CDS_AbateProduto", "CDS_Abate_Produto_Nivel2", "CDS_Industrializado",
                             "CDS_Resultado", "CDS_ResultadoAcumulado", "CDS_Revenda", "CDS_ResumoRevenda", "CDS_ResumoRevendaAcumulado"}) {
        const data::DataSet& dataSet = module.dataSet(QString::fromLatin1(name));
        for (int row = 0; row < dataSet.recordCount(); ++row) {
            QStringList values;
            for (int column = 0; column < dataSet.fieldCount(); ++column) {
                if (!dataSet.field(column).name().startsWith(QLatin1String("ID_")))
                    values << dataSet.field(column).name() + u'=' + dataSet.displayText(row, column);
            }
            lines << QLatin1String(name) + u':' + values.join(u' ');
        }
    }
    return lines;
}

struct WindowRun
{
    QStringList shown;
    QStringList log;
    int logPaints = 0;
};

WindowRun generateFromTheWindow(bool overTheLink)
{
    TestDatabase db;
    for (const char* fixture : {"custo_dia.sql", "catalogue_dia.sql"}) {
        db.loadFixture(QString::fromLatin1(fixture));
        if (overTheLink)
            db.loadFixtureOnUnit(QString::fromLatin1(fixture));
    }
    if (overTheLink)
        db.exec(QStringLiteral("UPDATE velko_cst.unidade SET dblink = 'UNIDADE2', tnsnames = 'CUSTOS_UN2' WHERE id_unidade = 1"));
    auto connection = db.connect();
    data::TDataModule_Custo module(*connection);
    dayproc::TF_Menu menu;
    menu.resize(1280, 900);
    menu.show();
    MenuDay::selectDay(menu, kDia);

    WindowRun run;
    MessageAnswers answers;
    PaintCounter counter;
    QPlainTextEdit* log = nullptr;
    whenModal(QStringLiteral("F_GerarCusto"), [&](QWidget* dialog) {
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        log = dialog->findChild<QPlainTextEdit*>(QStringLiteral("cxLogOutput"));
        log->viewport()->installEventFilter(&counter);
        QObject::connect(log, &QPlainTextEdit::textChanged, [&] { run.log = log->toPlainText().split(u'\n'); });
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cxButton1")), Qt::LeftButton);
    });
    QTest::mouseClick(menu.findChild<QPushButton*>(QStringLiteral("cxButton1")), Qt::LeftButton);
    if (!answers.shown.empty())
        qWarning("%s", qPrintable(answers.shown.front().text));
    run.shown = shownDay(module);
    run.logPaints = counter.paints;
    return run;
}

} // namespace

class TestGenerationWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void overTheLinkReadsAsLocal()
    {
        const WindowRun local = generateFromTheWindow(false);
        const WindowRun linked = generateFromTheWindow(true);
        QVERIFY(local.shown.size() > 10);
        QCOMPARE(linked.shown.size(), local.shown.size());
        for (int i = 0; i < local.shown.size(); ++i)
            QCOMPARE(linked.shown[i], local.shown[i]);
        QCOMPARE(linked.log.size(), 6);
        // Each line is painted as its step starts, not only when the run ends.
        QVERIFY2(linked.logPaints >= linked.log.size(), qPrintable(QString::number(linked.logPaints)));
        QVERIFY2(local.logPaints >= local.log.size(), qPrintable(QString::number(local.logPaints)));
    }
};

int main(int argc, char** argv)
{
    ui::ErrorDisplayApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    TestGenerationWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_generation_window.moc"
