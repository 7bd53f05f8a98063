#pragma once
// The main window on the generated fixture day (unit 1, 15/03/2024: slaughter of steers with
// by-products, deboning and sausage production, resale of dairy goods): the database, the cost
// data module and F_Menu shown, with every message box answered and noted. selectDay() picks a
// day in the calendar with the mouse, as the user does; Variation changes the fixture for one
// test and puts it back afterwards.

#include "CatalogueDay.h"
#include "ClientDataSet.h"
#include "MessageBox.h"
#include "PlannerCalendar.h"
#include "TF_Menu.h"

#include <QTest>

namespace custos::test {

inline const QDate kDiaSemMovimentoNoMes(2024, 4, 10);

struct Message
{
    ui::MessageType type;
    QString text;
};

class MenuDay
{
public:
    MenuDay()
        : m_hook([this](ui::MessageType type, ui::MessageButtons, const QString& text) {
              messages.push_back({type, text});
              return ui::MessageResult::Ok;
          })
    {
    }

    // A main window (shown, so started up) over the module.
    std::unique_ptr<dayproc::TF_Menu> openMenu(bool operador = false) const
    {
        auto menu = std::make_unique<dayproc::TF_Menu>();
        menu->user_operador = operador;
        menu->resize(1280, 900);
        menu->show();
        return menu;
    }

    static void selectDay(dayproc::TF_Menu& menu, const QDate& day)
    {
        auto* calendar = menu.findChild<dayproc::PlannerCalendar*>(QStringLiteral("PlannerCalendar1"));
        calendar->showMonth(day);
        QTest::mouseClick(calendar, Qt::LeftButton, {}, calendar->dayRect(day).center());
    }

    data::ClientDataSet& cds(const char* name) const { return day.cds(name); }

    CatalogueDay day;
    std::vector<Message> messages;

private:
    ui::ScopedMessageHook m_hook;
};

// SQL run now and its undo run when the object goes.
class Variation
{
public:
    Variation(const TestDatabase& db, const QString& apply, const QString& undo) : m_db(db), m_undo(undo)
    {
        m_db.exec(apply);
    }
    ~Variation() { m_db.exec(m_undo); }
    Variation(const Variation&) = delete;
    Variation& operator=(const Variation&) = delete;

private:
    const TestDatabase& m_db;
    QString m_undo;
};

} // namespace custos::test
