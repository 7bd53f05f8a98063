// The pieces of the day summaries: the record-repeating panel (pages, following the current
// record, scrolling, clicks, suspended display) and the data-bound label over a query on the
// real server; the calendar's names, today line and day clicks; the width rules; the day state.

#include "DBLabel.h"
#include "DBXConnection.h"
#include "DayState.h"
#include "PlannerCalendar.h"
#include "Query.h"
#include "RecordPanel.h"
#include "SummaryLayout.h"
#include "TestDatabase.h"

#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

using namespace custos;
using dayproc::DayState;
using dayproc::ProcessState;
using ui::RecordPanel;

Q_DECLARE_METATYPE(ProcessState)

class TestSummaryWidgets : public QObject
{
    Q_OBJECT

    std::unique_ptr<test::TestDatabase> m_db;
    std::unique_ptr<session::DBXConnection> m_connection;

    // Seven records N = 1..7 with a formatted value V = N * 1000.5.
    std::unique_ptr<data::Query> sevenRecords()
    {
        auto q = std::make_unique<data::Query>(m_connection.get());
        QStringList lines;
        for (int n = 1; n <= 7; ++n)
            lines.append(QStringLiteral("%1SELECT %2 N, %2 * 1000.5 V FROM DUAL").arg(n > 1 ? "UNION ALL " : "").arg(n));
        q->setSql(lines);
        q->declareField(QStringLiteral("V"), data::FieldKind::Float).setDisplayFormat(QStringLiteral("#,0.00"));
        q->open();
        return q;
    }

    static RecordPanel* panel(data::DataSource& source, QWidget& parent)
    {
        auto* p = new RecordPanel(RecordPanel::Orientation::Vertical, &parent);
        RecordPanel::Item n;
        n.name = n.dataField = QStringLiteral("N");
        n.rect = QRect(0, 0, 50, 20);
        n.clickable = true;
        p->addItem(n);
        RecordPanel::Item v = n;
        v.name = v.dataField = QStringLiteral("V");
        v.rect = QRect(60, 0, 100, 20);
        v.clickable = false;
        p->addItem(v);
        p->setCellExtent(20);
        p->setPageCount(3);
        p->setDataSource(&source);
        p->setGeometry(0, 0, 200, 60);
        return p;
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_db = std::make_unique<test::TestDatabase>();
        m_connection = m_db->connect();
    }

    void panelPagesFollowTheCurrentRecordAndScroll()
    {
        const auto q = sevenRecords();
        data::DataSource source(q.get());
        QWidget parent;
        RecordPanel* p = panel(source, parent);
        QCOMPARE(p->recordCount(), 7);
        QCOMPARE(p->shownRecordCount(), 3);
        QCOMPARE(p->cellText(0, QStringLiteral("N")), QStringLiteral("1"));
        QCOMPARE(p->cellText(2, QStringLiteral("V")), QStringLiteral("3.001,50"));
        auto* bar = p->findChild<QScrollBar*>();
        QVERIFY(!bar->isHidden());

        q->setRecNo(6);
        QCOMPARE(p->firstRecord(), 3);
        QCOMPARE(p->cellText(2, QStringLiteral("N")), QStringLiteral("6"));

        bar->setValue(bar->maximum());
        QCOMPARE(p->firstRecord(), 4);
        QCOMPARE(p->shownRecordCount(), 3);
        QCOMPARE(p->cellText(2, QStringLiteral("N")), QStringLiteral("7"));

        // A click makes the record current; only a clickable item is reported.
        QSignalSpy clicked(p, &RecordPanel::itemClicked);
        QTest::mouseClick(p, Qt::LeftButton, {}, QPoint(10, 30));
        QCOMPARE(q->recNo(), 6);
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(clicked.at(0).at(0).toString(), QStringLiteral("N"));
        QTest::mouseClick(p, Qt::LeftButton, {}, QPoint(100, 50));
        QCOMPARE(q->recNo(), 7);
        QCOMPARE(clicked.count(), 1);

        p->setItemVisible(QStringLiteral("V"), false);
        QVERIFY(p->cellText(0, QStringLiteral("V")).isEmpty());
        QVERIFY(!p->cellText(0, QStringLiteral("N")).isEmpty());
    }

    void suspendedDisplayKeepsItsTextsUntilResumed()
    {
        const auto q = sevenRecords();
        data::DataSource source(q.get());
        QWidget parent;
        RecordPanel* p = panel(source, parent);
        ui::DBLabel label(&source, QStringLiteral("V"));
        const QString first = label.text();
        QVERIFY(!first.isEmpty());

        p->setDisplaySuspended(true);
        label.setDisplaySuspended(true);
        q->close();
        QCOMPARE(label.text(), first);
        QCOMPARE(p->cellText(0, QStringLiteral("N")), QStringLiteral("1"));

        p->setDisplaySuspended(false);
        label.setDisplaySuspended(false);
        QVERIFY(label.text().isEmpty());
        QCOMPARE(p->shownRecordCount(), 0);
        QVERIFY(p->findChild<QScrollBar*>()->isHidden());

        q->open();
        QCOMPARE(label.text(), first);
        QCOMPARE(p->shownRecordCount(), 3);
        QVERIFY(label.isFieldFound());
        label.setDataField(QStringLiteral("NADA"));
        QVERIFY(!label.isFieldFound());
        QVERIFY(label.text().isEmpty());
    }

    void calendarNamesAndToday()
    {
        QCOMPARE(dayproc::PlannerCalendar::dayNames().join(u' '), QStringLiteral("seg ter qua qui sex sáb dom"));
        QCOMPARE(dayproc::PlannerCalendar::monthNames().join(u' '),
                 QStringLiteral("jan fev mar abr mai jun jul ago set out nov dez"));
        QCOMPARE(dayproc::PlannerCalendar::todayText(QDate(2024, 3, 16)), QStringLiteral("Hoje sáb 16/mar/2024"));
        QCOMPARE(dayproc::PlannerCalendar::todayText(QDate(2024, 12, 2)), QStringLiteral("Hoje seg 02/dez/2024"));
    }

    // A larger font makes every line taller: the size asked for holds the title, the day names,
    // six weeks and the "Hoje" line in that font, and the days are laid out inside it.
    void calendarGrowsWithItsFont()
    {
        dayproc::PlannerCalendar calendar;
        QFont large = calendar.font();
        large.setPixelSize(30);
        calendar.setFont(large);
        calendar.resize(calendar.sizeHint());
        calendar.showMonth(QDate(2024, 3, 1));
        const int line = QFontMetrics(large).height();
        QVERIFY(calendar.sizeHint().height() >= 9 * line);
        const QRect lastDay = calendar.dayRect(QDate(2024, 3, 31));
        QVERIFY(lastDay.height() >= line);
        QVERIFY(calendar.height() - lastDay.bottom() > line); // room for the "Hoje" line below
    }

    void calendarReportsEveryDayClicked()
    {
        dayproc::PlannerCalendar calendar;
        calendar.resize(calendar.sizeHint());
        calendar.setDate(QDate(2024, 3, 15));
        QSignalSpy selected(&calendar, &dayproc::PlannerCalendar::daySelected);
        QTest::mouseClick(&calendar, Qt::LeftButton, {}, calendar.dayRect(QDate(2024, 3, 1)).center());
        QTest::mouseClick(&calendar, Qt::LeftButton, {}, calendar.dayRect(QDate(2024, 3, 1)).center());
        QCOMPARE(selected.count(), 2);
        QCOMPARE(selected.at(0).at(0).toDate(), QDate(2024, 3, 1));
        // 1 March 2024 is a Friday: the fifth column of the first week.
        QCOMPARE(calendar.dayRect(QDate(2024, 3, 1)).x() - calendar.dayRect(QDate(2024, 3, 4)).x(),
                 4 * calendar.dayRect(QDate(2024, 3, 4)).width());
        QTest::mouseClick(&calendar, Qt::LeftButton, {}, calendar.nextMonthRect().center());
        QCOMPARE(calendar.shownMonth(), QDate(2024, 4, 1));
        QCOMPARE(calendar.date(), QDate(2024, 3, 1));
        QCOMPARE(selected.count(), 2);
        QVERIFY(calendar.dayRect(QDate(2024, 3, 1)).isEmpty());
    }

    void repeatedCellsShareTheSpareWidth_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("cell");
        QTest::newRow("exact") << 300 << 3 << 100;
        QTest::newRow("spare shared") << 350 << 3 << 116;
        QTest::newRow("one wide cell") << 199 << 1 << 199;
        QTest::newRow("narrower than a cell") << 99 << 0 << 0;
        QTest::newRow("nothing") << 0 << 0 << 0;
    }

    void repeatedCellsShareTheSpareWidth()
    {
        QFETCH(int, width);
        QFETCH(int, count);
        QFETCH(int, cell);
        const auto cells = dayproc::repeatedCells(width);
        QCOMPARE(cells.has_value(), count > 0);
        if (cells) {
            QCOMPARE(cells->count, count);
            QCOMPARE(cells->width, cell);
        }
        const dayproc::CattleBlockWidths blocks = dayproc::cattleBlockWidths(1000, 111);
        QCOMPARE(blocks.accumulated, 444);
        QCOMPARE(blocks.day, 445);
    }

    void dayStateRules_data()
    {
        QTest::addColumn<ProcessState>("slaughter");
        QTest::addColumn<ProcessState>("production");
        QTest::addColumn<ProcessState>("resale");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<bool>("present");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<bool>("generation");
        using S = ProcessState;
        QTest::newRow("nothing") << S::Absent << S::Absent << S::Absent << false << false << false << true;
        QTest::newRow("all open") << S::Open << S::Open << S::Open << false << true << true << true;
        QTest::newRow("production closed, resale open") << S::Absent << S::Closed << S::Open << true << true << true << false;
        QTest::newRow("all present closed") << S::Closed << S::Absent << S::Closed << true << true << false << false;
        QTest::newRow("only resale closed") << S::Open << S::Open << S::Closed << true << true << true << true;
    }

    void dayStateRules()
    {
        QFETCH(ProcessState, slaughter);
        QFETCH(ProcessState, production);
        QFETCH(ProcessState, resale);
        const DayState day{slaughter, production, resale};
        QTEST(day.isClosed(), "closed");
        QTEST(day.hasProcess(), "present");
        QTEST(day.closesOnAction(), "closes");
        QTEST(day.allowsGeneration(), "generation");
        QCOMPARE(day.allowsPriceCaptureUndo(), !day.isClosed());
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    TestSummaryWidgets test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_summary_widgets.moc"
