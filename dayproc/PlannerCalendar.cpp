#include "PlannerCalendar.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace custos::dayproc {

namespace {

// The heights the calendar is drawn at; a larger font makes its lines taller, so that the
// last line ("Hoje ...") always lies inside the size the calendar asks for.
constexpr int designedTitleHeight = 22;
constexpr int designedDayNamesHeight = 18;
constexpr int designedRowHeight = 20;
constexpr int designedTodayHeight = 20;
constexpr int weekRows = 6;
constexpr int arrowWidth = 22;

const QColor background(0xFF, 0xFF, 0x80);
const QColor weekend(0xFF, 0x80, 0x00);
const QColor navy(0x00, 0x00, 0x80);

// Column of a day in a week that starts on Monday.
int columnOf(const QDate& day)
{
    return day.dayOfWeek() - 1;
}

} // namespace

PlannerCalendar::PlannerCalendar(QWidget* parent) : QWidget(parent)
{
    setDate(QDate::currentDate());
}

const QStringList& PlannerCalendar::dayNames()
{
    static const QStringList names = {
        QStringLiteral("seg"), QStringLiteral("ter"), QStringLiteral("qua"), QStringLiteral("qui"),
        QStringLiteral("sex"), QStringLiteral("sáb"), QStringLiteral("dom")};
    return names;
}

const QStringList& PlannerCalendar::monthNames()
{
    static const QStringList names = {
        QStringLiteral("jan"), QStringLiteral("fev"), QStringLiteral("mar"), QStringLiteral("abr"),
        QStringLiteral("mai"), QStringLiteral("jun"), QStringLiteral("jul"), QStringLiteral("ago"),
        QStringLiteral("set"), QStringLiteral("out"), QStringLiteral("nov"), QStringLiteral("dez")};
    return names;
}

QString PlannerCalendar::todayText(const QDate& today)
{
    return QStringLiteral("Hoje %1 %2/%3/%4")
        .arg(dayNames()[columnOf(today)])
        .arg(today.day(), 2, 10, QLatin1Char('0'))
        .arg(monthNames()[today.month() - 1])
        .arg(today.year(), 4, 10, QLatin1Char('0'));
}

QString PlannerCalendar::monthTitle(const QDate& month)
{
    return monthNames()[month.month() - 1] + u' ' + QString::number(month.year());
}

void PlannerCalendar::setDate(const QDate& date)
{
    m_date = date;
    showMonth(date);
}

void PlannerCalendar::showMonth(const QDate& anyDayOfMonth)
{
    m_month = QDate(anyDayOfMonth.year(), anyDayOfMonth.month(), 1);
    update();
}

PlannerCalendar::Lines PlannerCalendar::lines() const
{
    const int text = QFontMetrics(font()).height() + 2;
    QFont bold = font();
    bold.setBold(true);
    const int boldText = QFontMetrics(bold).height() + 2;
    return {std::max(designedTitleHeight, boldText), std::max(designedDayNamesHeight, boldText),
            std::max(designedRowHeight, text), std::max(designedTodayHeight, text)};
}

QSize PlannerCalendar::sizeHint() const
{
    const Lines l = lines();
    return QSize(7 * 30, l.title + l.dayNames + weekRows * l.row + l.today);
}

int PlannerCalendar::cellWidth() const
{
    return width() / 7;
}

QRect PlannerCalendar::titleRect() const
{
    return QRect(0, 0, width(), lines().title);
}

QRect PlannerCalendar::previousMonthRect() const
{
    return QRect(0, 0, arrowWidth, lines().title);
}

QRect PlannerCalendar::nextMonthRect() const
{
    return QRect(width() - arrowWidth, 0, arrowWidth, lines().title);
}

QRect PlannerCalendar::todayRect() const
{
    const Lines l = lines();
    return QRect(0, l.title + l.dayNames + weekRows * l.row, width(), l.today);
}

QRect PlannerCalendar::dayRect(const QDate& day) const
{
    const Lines l = lines();
    if (day.year() != m_month.year() || day.month() != m_month.month())
        return {};
    const int row = (columnOf(m_month) + day.day() - 1) / 7;
    const int left = (width() - 7 * cellWidth()) / 2;
    return QRect(left + columnOf(day) * cellWidth(), l.title + l.dayNames + row * l.row, cellWidth(),
                 l.row);
}

void PlannerCalendar::paintEvent(QPaintEvent*)
{
    const Lines l = lines();
    QPainter painter(this);
    painter.fillRect(rect(), background);
    QFont bold = font();
    bold.setBold(true);

    painter.setPen(navy);
    painter.setFont(bold);
    painter.drawText(titleRect(), Qt::AlignCenter, monthTitle(m_month));
    painter.drawText(previousMonthRect(), Qt::AlignCenter, QStringLiteral("◀"));
    painter.drawText(nextMonthRect(), Qt::AlignCenter, QStringLiteral("▶"));

    const int left = (width() - 7 * cellWidth()) / 2;
    for (int c = 0; c < 7; ++c) {
        painter.setPen(c >= 5 ? weekend : navy);
        painter.drawText(QRect(left + c * cellWidth(), l.title, cellWidth(), l.dayNames), Qt::AlignCenter,
                         dayNames()[c]);
    }
    painter.setPen(navy);
    painter.drawLine(left, l.title + l.dayNames - 1, left + 7 * cellWidth(), l.title + l.dayNames - 1);

    const QDate today = QDate::currentDate();
    painter.setFont(font());
    for (QDate day = m_month; day.month() == m_month.month(); day = day.addDays(1)) {
        const QRect r = dayRect(day);
        const bool weekendDay = columnOf(day) >= 5;
        if (day == m_date) {
            painter.fillRect(r.adjusted(1, 1, -1, -1), navy);
            painter.setPen(Qt::white);
        } else {
            painter.setPen(weekendDay ? weekend : navy);
        }
        painter.drawText(r, Qt::AlignCenter, QString::number(day.day()));
        if (day == today) {
            painter.setPen(Qt::red);
            painter.drawRect(r.adjusted(1, 1, -2, -2));
        }
    }

    painter.setPen(navy);
    painter.drawLine(left, todayRect().top(), left + 7 * cellWidth(), todayRect().top());
    painter.drawText(todayRect(), Qt::AlignCenter, todayText(today));
}

void PlannerCalendar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint p = event->position().toPoint();
    if (previousMonthRect().contains(p)) {
        showMonth(m_month.addMonths(-1));
        return;
    }
    if (nextMonthRect().contains(p)) {
        showMonth(m_month.addMonths(1));
        return;
    }
    for (QDate day = m_month; day.month() == m_month.month(); day = day.addDays(1)) {
        if (dayRect(day).contains(p)) {
            m_date = day;
            update();
            Q_EMIT daySelected(day);
            return;
        }
    }
}

} // namespace custos::dayproc
