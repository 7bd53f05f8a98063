#pragma once
// The month calendar of the main window: one month with Portuguese day and month names, the
// weeks starting on Monday, a line "Hoje" with today's weekday and date (dd/mmm/YYYY), the
// background #FFFF80, weekend days in #FF8000 and the other day numbers in navy. The arrows of
// the title move to the previous and next month; clicking a day of the month selects it and
// reports it (also when it is the selected day already).

#include <QDate>
#include <QStringList>
#include <QWidget>

namespace custos::dayproc {

class PlannerCalendar : public QWidget
{
    Q_OBJECT
public:
    explicit PlannerCalendar(QWidget* parent = nullptr);

    // Day names from Monday to Sunday and month names from January to December.
    static const QStringList& dayNames();
    static const QStringList& monthNames();
    // "Hoje" followed by the abbreviated weekday and the date in the form dd/mmm/YYYY.
    static QString todayText(const QDate& today);
    // The month and year of the title ("mar 2024").
    static QString monthTitle(const QDate& month);

    // Selects a day and shows its month, without reporting it.
    void setDate(const QDate& date);
    QDate date() const { return m_date; }
    QDate shownMonth() const { return m_month; } // first day of the month shown
    void showMonth(const QDate& anyDayOfMonth);

    // Where a day of the shown month is drawn (empty for a day of another month).
    QRect dayRect(const QDate& day) const;
    QRect previousMonthRect() const;
    QRect nextMonthRect() const;

    QSize sizeHint() const override;

Q_SIGNALS:
    void daySelected(const QDate& date);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    struct Lines
    {
        int title, dayNames, row, today;
    };
    Lines lines() const;
    QRect titleRect() const;
    QRect todayRect() const;
    int cellWidth() const;

    QDate m_date;
    QDate m_month;
};

} // namespace custos::dayproc
