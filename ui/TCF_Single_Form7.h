#pragma once
// Single-record window: the base window with the "&Sair" button and the window's context menu
// ("Localizar" F9, "Limpar Filtro" F10, "&Sair" Ctrl+F4). The two search items run the first
// SearchComponent among the window's children; without one they stay hidden (LocalizaFiltro,
// run once when the window is first shown, after the derived window has built its controls).

#include "TCF_Global_Form7.h"

class QAction;

namespace custos::ui {

class TCF_Single_Form7 : public TCF_Global_Form7
{
    Q_OBJECT
public:
    explicit TCF_Single_Form7(QWidget* parent = nullptr);

    void LocalizaFiltro();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QToolButton* m_sair;
    QAction* m_localizar;
    QAction* m_limparFiltro;
    bool m_searchWired = false;
};

} // namespace custos::ui
