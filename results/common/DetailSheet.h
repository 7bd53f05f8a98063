#pragma once
// The product sheet of a detail window: lines of a right-aligned caption, the total, the value
// per kilogram and the parameter used (grey, right-aligned, under the heading "Parâmetros" over
// "Utilizados"), bound to fields of the product's data source and read-only. A line may sit on
// a highlighted band, carry a link ("Detalhes...") after its caption, and show a fixed grey
// text in the parameter column instead of (or besides) a bound parameter.
//
// The widgets of a line named name are name_Total (and name_Total2), name_Kg, name_Parametro,
// name_Texto and name_Link.

#include <QWidget>

class QGridLayout;
class QLabel;

namespace custos::data {
class DataSource;
}

namespace custos::results {

struct DetailLine
{
    QString name;
    QString caption;
    QString total;          // field of the total ("" for none)
    QString total2;         // a second field beside the total (the product's description)
    QString perKg;          // field of the value per kilogram
    QString parameter;      // field of the parameter used
    QString parameterText;  // a fixed grey text in the parameter column (hidden unless asked)
    bool highlighted = false;
    bool link = false;      // "Detalhes..." after the caption
};

class DetailSheet : public QWidget
{
    Q_OBJECT
public:
    DetailSheet(data::DataSource* source, QWidget* parent = nullptr);

    void addLine(const DetailLine& line);
    // The link of a line (null when it has none).
    QLabel* link(const QString& name) const;
    QWidget* part(const QString& name, const char* suffix) const;

private:
    data::DataSource* m_source;
    QGridLayout* m_grid;
    int m_row = 2;
};

} // namespace custos::results
