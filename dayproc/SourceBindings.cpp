#include "SourceBindings.h"

#include "DBLabel.h"
#include "DataModule_Custo.h"
#include "RecordPanel.h"

namespace custos::dayproc {

void SourceBindings::add(ui::DBLabel* label, const QString& sourceName)
{
    m_labels.emplace_back(label, sourceName);
}

void SourceBindings::add(ui::RecordPanel* panel, const QString& sourceName)
{
    m_panels.emplace_back(panel, sourceName);
}

void SourceBindings::bind(const data::TDataModule_Custo& module) const
{
    for (const auto& [label, name] : m_labels)
        label->setDataSource(&module.dataSource(name));
    for (const auto& [panel, name] : m_panels)
        panel->setDataSource(&module.dataSource(name));
}

} // namespace custos::dayproc
