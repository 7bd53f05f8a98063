#pragma once
// A save-file dialog of the data module as plain settings (the widget-free library shows no
// dialog): its title and its filter in the "description|pattern" notation. The window that
// exports builds the file dialog from them.

#include <QObject>
#include <QString>

namespace custos::data {

class TSaveDialog : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString Title READ title CONSTANT)
    Q_PROPERTY(QString Filter READ filter CONSTANT)
public:
    TSaveDialog(const QString& title, const QString& filter, QObject* parent)
        : QObject(parent), m_title(title), m_filter(filter)
    {
    }

    const QString& title() const { return m_title; }
    const QString& filter() const { return m_filter; }

private:
    QString m_title;
    QString m_filter;
};

} // namespace custos::data
