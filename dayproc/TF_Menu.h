#pragma once
// The main window F_Menu, "Análise de Resultados", organised around one day of one unit: the
// four tabs of day summaries in PageControl_Menu and, in the grey right-hand column Panel129,
// the unit name Label8, the calendar PlannerCalendar1, the buttons "&Gerar" (cxButton1),
// "&Fechar"/"&Reabrir" (cxButton3) and the invisible "&Publicar" (cxButton2), the box
// "Indicadores" with the live-weight panel pnlPesoVivo and the box "Outras Opções" with two
// links.
//
// The window is created before the data module; it takes the running program's
// DataModule_Custo (and its connection, the main connection) when it is shown, runs the start-up then and
// loads a day whenever one is selected in the calendar. The login sets the access flags.
//
// The result windows opened from the summaries belong to other windows' code: each click
// target, after its own checks, calls the opener installed for it (none installed: nothing
// opens).

#include "MessageBox.h"

#include <QDate>
#include <QMainWindow>
#include <functional>
#include <memory>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTabWidget;

namespace custos::data {
class TDataModule_Custo;
}

namespace custos::session {
class DBXConnection;
}

namespace custos::dayproc {

class ClickLabel;
class PlannerCalendar;
class SourceBindings;
class TabAbateBovinos;
class TabAbateSuinos;
class TabProducao;
class TabRevenda;

class TF_Menu : public QMainWindow
{
    Q_OBJECT
public:
    explicit TF_Menu(QWidget* parent = nullptr);
    ~TF_Menu() override;

    bool user_admin = false;    // access level "ADM"
    bool user_custo = false;    // access level "CUS"
    bool user_operador = false; // access level "USR"
    // Set by each day load: an enclosing operation already shows the wait overlay.
    bool Waiting = false;

    // Opens a result window for the day: owner is this window, day the calendar's date.
    using ResultWindowOpener = std::function<void(QWidget* owner, const QDate& day)>;
    struct ResultWindowOpeners
    {
        ResultWindowOpener abateBovinos;             // F_Abate, cattle entry (Label38)
        ResultWindowOpener abateSuinos;              // F_Abate, pig entry (Label44)
        ResultWindowOpener industrializadoResultado; // F_IndustrializadoResultado (DBText30)
        ResultWindowOpener revendaResultado;         // F_RevendaResultado (DBText21)
    };
    void setResultWindowOpeners(ResultWindowOpeners openers) { m_openers = std::move(openers); }

    // The start-up, run when the window is shown.
    void FormShow();
    // The day load for day (the calendar's day select, and the generation and closing after
    // their work). False when the day comes before the first day the unit shows information
    // (the message is shown, nothing else is loaded and the calling operation stops).
    bool PlannerCalendar1DaySelect(const QDate& day);
    void AtualizaBotoes();
    void FiltraTipoProcesso();
    void AjustaLayout();

    // "&Gerar": the checks, the generation dialog under the overlay, the day reloaded.
    void cxButton1Click();
    // "&Fechar"/"&Reabrir": closes or reopens the day by its state.
    void cxButton3Click();
    void lblDesfazerCapturaPrecoClick();
    void lblHistoricoGeracaoFechamentoClick();

    void Label38Click();
    void Label44Click();
    void DBText30Click();
    void DBText21Click();

    QDate calendarDate() const;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildRightColumn(QWidget* parent);
    session::DBXConnection& connection() const;
    data::TDataModule_Custo& module() const;
    double unit() const;
    void openParametros(const QDate& day);
    void showTabs();
    void loadDayDatasets(const QDate& day, double unit);
    void finishDayLoad();
    void setSlaughterDisplaySuspended(bool suspended);
    void applyR1();
    void applyR2(double unit);
    void applyR3();
    void selectFirstProcessTab();
    void openDetail(const ResultWindowOpener& opener);
    bool isSlaughterLoaded(); // shows the message when it is not
    void refreshAfterClosing();

    data::TDataModule_Custo* m_module = nullptr;
    session::DBXConnection* m_connection = nullptr;
    std::unique_ptr<SourceBindings> m_bindings;
    ResultWindowOpeners m_openers;
    bool m_adjusting = false;

    QTabWidget* m_PageControl_Menu;
    TabAbateBovinos* m_abateBovinos;
    TabAbateSuinos* m_abateSuinos;
    TabProducao* m_producao;
    TabRevenda* m_revenda;
    QWidget* m_Panel129;
    QLabel* m_Label8;
    PlannerCalendar* m_PlannerCalendar1;
    QPushButton* m_cxButton1;
    QPushButton* m_cxButton3;
    QPushButton* m_cxButton2;
    QWidget* m_pnlPesoVivo;
    ClickLabel* m_lblDesfazerCapturaPreco;
    ClickLabel* m_lblHistoricoGeracaoFechamento;
};

} // namespace custos::dayproc
