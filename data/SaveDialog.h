#pragma once
// A save-file dialog of the data module as plain settings (the widget-free library shows no
// dialog): its title, its filter in the "description|pattern" notation, the file name it
// proposes and the extension it adds to a name typed without one. A window sets them before it
// has the dialog shown (ui/SaveFileDialog.h).

#include <QFileInfo>
#include <QObject>
#include <QString>

namespace custos::data {

class TSaveDialog : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString Title READ title CONSTANT)
    Q_PROPERTY(QString Filter READ filter WRITE setFilter)
    Q_PROPERTY(QString DefaultExt READ defaultExtension WRITE setDefaultExtension)
    Q_PROPERTY(QString FileName READ fileName WRITE setFileName)
public:
    TSaveDialog(const QString& title, const QString& filter, QObject* parent)
        : QObject(parent), m_title(title), m_filter(filter)
    {
    }

    const QString& title() const { return m_title; }
    const QString& filter() const { return m_filter; }
    void setFilter(const QString& filter) { m_filter = filter; }
    const QString& defaultExtension() const { return m_defaultExtension; }
    void setDefaultExtension(const QString& extension) { m_defaultExtension = extension; }
    const QString& fileName() const { return m_fileName; }
    void setFileName(const QString& fileName) { m_fileName = fileName; }

    // The name chosen, with the default extension added when it has none.
    QString completed(const QString& chosen) const
    {
        if (m_defaultExtension.isEmpty() || !QFileInfo(chosen).suffix().isEmpty())
            return chosen;
        return chosen + u'.' + m_defaultExtension;
    }

private:
    QString m_title;
    QString m_filter;
    QString m_defaultExtension;
    QString m_fileName;
};

} // namespace custos::data
