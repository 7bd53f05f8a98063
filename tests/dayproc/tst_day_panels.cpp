// The four tabs of day summaries on the real server: on the fixture day every bound label and
// every cell of the repeating panels shows its dataset's field in the field's display format
// (the day's and the month's slaughter, the by-products credited or not, production, resale
// and the live weight); a day without movement in its month leaves every cell empty.

#include "DBLabel.h"
#include "DataSource.h"
#include "ErrorDisplayApplication.h"
#include "MenuDay.h"
#include "RecordPanel.h"

#include <QLocale>
#include <QTabWidget>
#include <QtTest>

using namespace custos;
using custos::test::kDia;
using custos::test::MenuDay;
using custos::test::Variation;

namespace {

// Every bound label shows its bound text and every repeating panel the fields of the records
// it pages over; returns how many texts are not empty.
int verifyShownEqualsDataSets(const QWidget& root)
{
    int filled = 0;
    for (const ui::DBLabel* label : root.findChildren<ui::DBLabel*>()) {
        if (!label->isFieldFound()) {
            QTest::qFail(qPrintable(QStringLiteral("no field ") + label->objectName()), __FILE__, __LINE__);
            return -1;
        }
        if (label->text() != label->boundText()) {
            QTest::qFail(qPrintable(label->objectName() + u' ' + label->text() + QStringLiteral(" != ") +
                                    label->boundText()),
                         __FILE__, __LINE__);
            return -1;
        }
        filled += label->text().isEmpty() ? 0 : 1;
    }
    for (const ui::RecordPanel* panel : root.findChildren<ui::RecordPanel*>()) {
        if (!panel->missingFields().isEmpty()) {
            QTest::qFail(qPrintable(panel->objectName() + u' ' + panel->missingFields().join(u',')), __FILE__,
                         __LINE__);
            return -1;
        }
        const data::DataSet& ds = *panel->dataSource()->dataSet();
        const int records = ds.isActive() ? ds.recordCount() : 0;
        if (panel->shownRecordCount() != std::min(records - panel->firstRecord(), panel->pageCount())) {
            QTest::qFail(qPrintable(panel->objectName() + QStringLiteral(" pages wrongly")), __FILE__, __LINE__);
            return -1;
        }
        for (int cell = 0; cell < panel->shownRecordCount(); ++cell) {
            for (const ui::RecordPanel::Item& item : panel->items()) {
                if (item.dataField.isEmpty())
                    continue;
                const QString expected =
                    item.visible ? ds.displayText(panel->firstRecord() + cell, ds.fieldByName(item.dataField).index())
                                 : QString();
                if (panel->cellText(cell, item.name) != expected) {
                    QTest::qFail(qPrintable(panel->objectName() + u' ' + item.name + u' ' +
                                            panel->cellText(cell, item.name) + QStringLiteral(" != ") + expected),
                                 __FILE__, __LINE__);
                    return -1;
                }
                filled += expected.isEmpty() ? 0 : 1;
            }
        }
    }
    return filled;
}

QWidget& tab(const dayproc::TF_Menu& menu, const char* name)
{
    return *menu.findChild<QWidget*>(QString::fromLatin1(name));
}

} // namespace

class TestDayPanels : public QObject
{
    Q_OBJECT

    std::unique_ptr<MenuDay> m_day;
    std::unique_ptr<dayproc::TF_Menu> m_menu;

private Q_SLOTS:
    void initTestCase()
    {
        m_day = std::make_unique<MenuDay>();
        m_menu = m_day->openMenu();
    }

    void cleanup()
    {
        QVERIFY2(m_day->messages.empty(), m_day->messages.empty() ? "" : qPrintable(m_day->messages.front().text));
    }

    void slaughterDayFillsEveryTab_data()
    {
        QTest::addColumn<QString>("criterioMiudos");
        QTest::addColumn<int>("nivelDetalhe");
        QTest::addColumn<QString>("byProductBlock"); // shown inside Panel306, or empty
        QTest::newRow("by-products credited") << "A" << 2 << "";
        QTest::newRow("not credited, one line") << "X" << 1 << "Panel230";
        QTest::newRow("not credited, detailed") << "X" << 2 << "Panel232";
    }

    void slaughterDayFillsEveryTab()
    {
        QFETCH(QString, criterioMiudos);
        QFETCH(int, nivelDetalhe);
        QFETCH(QString, byProductBlock);
        const Variation v(*m_day->day.db,
                          QStringLiteral("UPDATE velko_cst.base_custo SET criterio_miudos = '%1';"
                                         "UPDATE velko_cst.parametros SET nivel_detalhe_abate = %2")
                              .arg(criterioMiudos)
                              .arg(nivelDetalhe),
                          QStringLiteral("UPDATE velko_cst.base_custo SET criterio_miudos = 'A';"
                                         "UPDATE velko_cst.parametros SET nivel_detalhe_abate = 2"));
        MenuDay::selectDay(*m_menu, kDia);

        for (const char* name : {"TabSheet_AbateBovinos", "TabSheet_AbateSuinos", "TabSheet_Producao", "TabSheet_Revenda",
                                 "pnlPesoVivo"}) {
            const int filled = verifyShownEqualsDataSets(tab(*m_menu, name));
            if (QTest::currentTestFailed())
                return;
            QVERIFY2(filled > 10 || QByteArray(name) == "pnlPesoVivo", name);
        }
        QWidget* panel306 = m_menu->findChild<QWidget*>(QStringLiteral("Panel306"));
        QCOMPARE(!panel306->isHidden(), !byProductBlock.isEmpty());
        if (!byProductBlock.isEmpty()) {
            QWidget* block = m_menu->findChild<QWidget*>(byProductBlock);
            QVERIFY(!block->isHidden());
            QVERIFY(verifyShownEqualsDataSets(*block) > 5);
        }
        // The production families and the resale groups are listed whole, the production rows
        // fitted to the tab when it is shown.
        m_menu->findChild<QTabWidget*>(QStringLiteral("PageControl_Menu"))->setCurrentWidget(&tab(*m_menu, "TabSheet_Producao"));
        QCOMPARE(m_menu->findChild<ui::RecordPanel*>(QStringLiteral("DBCtrlGrid1"))->shownRecordCount(),
                 m_day->cds("CDS_Resultado").recordCount());
        QCOMPARE(m_menu->findChild<ui::RecordPanel*>(QStringLiteral("DBCtrlGrid2"))->shownRecordCount(),
                 m_day->cds("CDS_ResumoRevenda").recordCount());
        QCOMPARE(m_menu->findChild<QLabel*>(QStringLiteral("Panel241"))->text(),
                 QStringLiteral("Análise de Resultado do Abate de Bovinos do dia 15/03/2024"));
        QCOMPARE(m_menu->findChild<QLabel*>(QStringLiteral("Panel5"))->text(),
                 QStringLiteral("Análise de Resultado da Produção do dia 15/03/2024"));
    }

    // The display formats of the fields the panels show, on the fixture day's figures: 10 head,
    // 2,500 kg of carcass (16.67 arrobas a head), 39,050.00 net of credits, 45,200.00 of cost in
    // the month, 495 kg produced, 70 kg resold for a result of 449.98 and 5,120 kg live.
    void cellsShowTheFieldFormats_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        const struct { const char* source; const char* field; const char* text; } rows[] = {
            {"DTS_Abate", "T_CABECAS", "10"},
            {"DTS_Abate", "T_PESO", "2.500,0"},
            {"DTS_Abate", "T_PESO_CABECA", "250,0"},
            {"DTS_Abate", "T_ARROBA_CABECA", "16,67"},
            {"DTS_Abate", "T_VALOR_COMPRA_KG", "15,62"},
            {"DTS_Abate", "T_CABECAS_VIVO", "10"}, // the general format
            {"DTS_AbateAcumulado", "T_CUSTO_TOTAL", "45.200,00"},
            {"DTS_Resultado", "GERAL_PESO", "495,00"},
            {"DTS_ResultadoAcumulado", "GERAL_PESO", "495,000"},
            {"DTS_ResumoRevenda", "GERAL_PESO", "70,00"},
            {"DTS_ResumoRevendaAcumulado", "GERAL_RESULTADO_KG", "6,43"},
            {"DS_Peso_Vivo", "PESO_VIVO", "5.120,0"},
            {"DS_Peso_Vivo", "PERCENTUAL_RENDIMENTO", "48,8 %"},
        };
        for (const auto& r : rows)
            QTest::addRow("%s.%s", r.source, r.field) << r.source << r.field << QString::fromUtf8(r.text);
    }

    void cellsShowTheFieldFormats()
    {
        QFETCH(QString, source);
        QFETCH(QString, field);
        QFETCH(QString, text);
        MenuDay::selectDay(*m_menu, kDia);
        const auto labels = m_menu->findChildren<ui::DBLabel*>(source + u'_' + field);
        QVERIFY(!labels.isEmpty());
        for (const ui::DBLabel* label : labels)
            QCOMPARE(label->text(), text);
    }

    void knownFiguresOfTheDay()
    {
        MenuDay::selectDay(*m_menu, kDia);
        const auto text = [this](const char* name) {
            return m_menu->findChild<ui::DBLabel*>(QString::fromLatin1(name))->text();
        };
        QCOMPARE(text("DTS_Abate_T_CABECAS"), QStringLiteral("10"));
        auto* species = m_menu->findChild<ui::RecordPanel*>(QStringLiteral("DBCtrlGrid5"));
        QCOMPARE(species->shownRecordCount(), 1);
        QCOMPARE(species->cellText(0, QStringLiteral("CABECAS")), QStringLiteral("10"));
        QCOMPARE(text("DS_Peso_Vivo_PESO_VIVO"), QStringLiteral("5.120,0"));
    }

    void dayWithoutMovementLeavesCellsEmpty()
    {
        MenuDay::selectDay(*m_menu, kDia);
        MenuDay::selectDay(*m_menu, custos::test::kDiaSemMovimentoNoMes);
        for (const ui::DBLabel* label : m_menu->findChildren<ui::DBLabel*>())
            QVERIFY2(label->text().isEmpty(), qPrintable(label->objectName() + u' ' + label->text()));
        for (const ui::RecordPanel* panel : m_menu->findChildren<ui::RecordPanel*>())
            QVERIFY2(panel->shownRecordCount() == 0, qPrintable(panel->objectName()));
        // The cattle title keeps the last slaughter day.
        QCOMPARE(m_menu->findChild<QLabel*>(QStringLiteral("Panel241"))->text(),
                 QStringLiteral("Análise de Resultado do Abate de Bovinos do dia 15/03/2024"));
    }
};

int main(int argc, char** argv)
{
    ui::ErrorDisplayApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    TestDayPanels test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_day_panels.moc"
