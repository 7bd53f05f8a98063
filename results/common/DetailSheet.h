#pragma once
// The product sheet of a detail window: lines of a right-aligned caption, the total, the value
// per kilogram and the parameter used (grey, right-aligned, under the heading "Parâmetros" over
// "Utilizados"), bound to fields of the product's data source and read-only. A line may sit on
// a highlighted band, carry a link ("Detalhes...") after its caption, show a fixed grey text in
// the parameter column instead of (or besides) a bound parameter, and indent its value per
// kilogram as a component of a sum shown further down.
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
    bool component = false; // the value per kilogram indented, as a component of a line below
};

// A line from its name, its caption (UTF-8) and the fields of its total, value per kilogram and
// parameter.
DetailLine detailLine(const char* name, const char* caption, const char* total, const char* perKg = "",
                      const char* parameter = "");

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
