#pragma once
// The slaughter product detail F_AbateAproveitamentoDetalhe, "Detalhes do Produto": for the
// current row of CDS_AbateProduto, its quantities, revenue and every cost element in total and
// per kilogram with the parameter each used (the product sheet), the sales orders its average
// price was calculated from (the price panel, shown for revenue criterion "M") and the
// packaging consumed for it (the packaging panel). It changes no data.
//
// Days on or after the unit's start of the new revenue calculation (data_inicio_receita, today
// when the unit has none, or no parameter row at all) list the revenue records the generation
// wrote (Q_PrecoMedio); earlier days recompute the price from the sales orders
// (Q_PrecoMedioAntigo, without "Valor Bruto").

#include <QDate>
#include <QDialog>
#include <QList>
#include <QPair>

class QLabel;
class QScrollArea;

namespace custos::data {
class DataSource;
class Query;
class TDataModule_Custo;
}

namespace custos::results {

class DetailPanel;
class DetailSheet;

class TF_AbateAproveitamentoDetalhe : public QDialog
{
    Q_OBJECT
public:
    TF_AbateAproveitamentoDetalhe(data::TDataModule_Custo& module, const QDate& day, QWidget* parent = nullptr);
    ~TF_AbateAproveitamentoDetalhe() override;

    // The window's statements (name and text), for the checks of every statement.
    static QList<QPair<QString, QString>> statements();

    void FormShow();
    // The start of the new revenue calculation for the current product's unit.
    QDate dataInicioReceita() const;
    bool usesRevenueRecords() const { return m_usesRevenueRecords; }

    void scrollToPricePanel();
    void scrollToPackagingPanel();
    void scrollToTop();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildSheet(QWidget* content);
    void openPrecoMedio(bool revenueRecords);
    void openConsumo();

    data::TDataModule_Custo& m_module;
    QDate m_day;
    bool m_shown = false;
    bool m_usesRevenueRecords = false;

    data::Query* m_Q_PrecoMedio;
    data::Query* m_Q_PrecoMedioAntigo;
    data::Query* m_Q_Consumo;
    data::DataSource* m_DTS_PrecoMedio;
    data::DataSource* m_DTS_PrecoMedioAntigo;
    data::DataSource* m_DTS_Consumo;
    data::DataSource* m_DTS_Grid;  // what the price grid shows: one of the two above

    QScrollArea* m_scroll;
    DetailSheet* m_sheet;
    DetailPanel* m_pricePanel;
    DetailPanel* m_packagingPanel;
};

} // namespace custos::results
