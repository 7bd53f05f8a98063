#pragma once
// What the product detail windows of the result windows have in common: a white, vertically
// scrolling window (no horizontal bar, only a close button) with the product sheet on top, the
// average price panel (the sales orders behind the average price, over the price period) and
// the packaging panel at the bottom; the links "Detalhes..." of the lines "Receita" and
// "Embalagem" scroll to the panels, each "Topo" back to the top. Each window adds its sheet's
// lines, its order queries and its rules (FormShow, run once when first shown, errors shown).
//
// The order grid lists the query a window chose (showOrders); the packaging grid lists
// Q_Consumo, whose statement each window gives. Nothing is changed in the database.

#include "Binds.h"
#include "DetailSheet.h"

#include <QColor>
#include <QDate>
#include <QDialog>
#include <functional>
#include <vector>

class QScrollArea;

namespace custos::data {
class DataSet;
class DataSource;
class Query;
class TDataModule_Custo;
}

namespace custos::session {
class Statement;
}

namespace custos::results {

class DetailPanel;

struct ProductDetailLayout
{
    const char* objectName;
    const char* caption;
    const char* productSource;      // the data module's data source of the product's row
    QColor titleColour;             // of the panels' titles
    int pricePanelHeight;
    const char* averageCostFormat;  // of the packaging's "Custo Médio"
    bool totalBeforeAverageCost;    // packaging column order: "Total" before "Custo Médio"
};

class ProductDetail : public QDialog
{
    Q_OBJECT
public:
    ~ProductDetail() override;

    virtual void FormShow() = 0;

    void scrollToPricePanel();
    void scrollToPackagingPanel();
    void scrollToTop();

    DetailSheet* sheet() const { return m_sheet; }

protected:
    ProductDetail(data::TDataModule_Custo& module, const ProductDetailLayout& layout,
                  const session::Statement& consumo, QWidget* parent);

    void showEvent(QShowEvent* event) override;

    // Lines of the sheet, after those added before.
    void addLines(const std::vector<DetailLine>& lines);
    // The lines every detail has: the product's code and description, the revenue (highlighted,
    // with "Detalhes..." to the orders, its parameter the field given, "" for none) and the
    // packaging ("Detalhes..." to the consumption, its parameter column the text given).
    static DetailLine productLine();
    static DetailLine revenueLine(const char* parameter);
    static DetailLine packagingLine(const QString& parameterText);
    // The lines every detail ends with: the taxes and expenses of the sale with their
    // parameters, "ICMS" to "Administrativo", the total cost captioned costCaption and the
    // result captioned resultCaption, highlighted.
    static std::vector<DetailLine> closingLines(const char* costCaption, const char* resultCaption);
    // An order query of the price panel (the fields of an order line declared).
    data::Query* addOrderQuery(const char* name, const session::Statement& statement);

    using Binder = std::function<void(session::Params&)>;
    // Binds the order grid to the query's rows, shows "Valor Bruto" when the query returns it,
    // and reopens the query with the parameters bind sets.
    void showOrders(data::Query* query, bool grossValue, const Binder& bind);
    void openConsumo(const Binder& bind);
    // The price panel and the revenue line's link, shown (at the panel's height) or hidden (the
    // panel then 1 high, the packaging following the sheet).
    void setPricePanelShown(bool shown);

    // The product's row (the current row of the product data source's dataset).
    const data::DataSet& product() const;
    double productField(const char* field) const;
    // The sales orders of the product's unit, product and price period, as the order queries
    // over the orders themselves take them (ID_UNIDADE, DATA_INICIAL, DATA_FINAL, ID_PRODUTO).
    void bindSalesOrders(session::Params& params) const;

    // The start of the new revenue calculation of the unit: its data_inicio_receita, today
    // when it has none, or no parameter row at all.
    QDate startOfRevenueRecords(double unit) const;
    // The production order, a number given as text, bound as the number column it is compared
    // with (empty when the text is no number).
    static void bindProductionOrder(session::Params& params, const QString& name, const QString& order);
    static void bindOptionalNumber(session::Params& params, const QString& name, const QVariant& value);

    data::TDataModule_Custo& m_module;
    data::DataSource* m_product;

private:
    data::Query* newQuery(const char* name, const session::Statement& statement);
    void buildPricePanel(QWidget* content);
    void buildPackagingPanel(QWidget* content);

    ProductDetailLayout m_layout;
    bool m_shown = false;
    data::Query* m_Q_Consumo;
    data::DataSource* m_DTS_Consumo;
    data::DataSource* m_DTS_Grid;  // what the order grid shows

    QScrollArea* m_scroll;
    DetailSheet* m_sheet;
    DetailPanel* m_pricePanel;
    DetailPanel* m_packagingPanel;
};

} // namespace custos::results
