#pragma once
// The data sources of the summary panels, named as the cost data module names them. The main
// window is built before the data module exists, so each bound label and repeating panel is
// noted here with its source's name and bound when the window is shown.

#include <QString>
#include <vector>

namespace custos::data {
class TDataModule_Custo;
}

namespace custos::ui {
class DBLabel;
class RecordPanel;
}

namespace custos::dayproc {

class SourceBindings
{
public:
    void add(ui::DBLabel* label, const QString& sourceName);
    void add(ui::RecordPanel* panel, const QString& sourceName);
    // Binds every noted widget to its data source; a name the module does not hold raises.
    void bind(const data::TDataModule_Custo& module) const;

private:
    std::vector<std::pair<ui::DBLabel*, QString>> m_labels;
    std::vector<std::pair<ui::RecordPanel*, QString>> m_panels;
};

} // namespace custos::dayproc
