#include "VelkoIni.h"

#include <QFile>
#include <QRegularExpression>

namespace custos::app {

VelkoIni VelkoIni::load(const QString& path)
{
    QFile file(path);
    const auto unreadable = [&] {
        return ConfigurationError(QStringLiteral("Não foi possível ler o arquivo de configuração \"%1\": %2")
                                      .arg(path, file.errorString())
                                      .toStdString());
    };
    if (!file.open(QIODevice::ReadOnly))
        throw unreadable();
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw unreadable();
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    VelkoIni ini;
    const auto lines = QString::fromUtf8(bytes).split(QRegularExpression(QStringLiteral("\r\n|\n|\r")));
    for (const QString& line : lines) {
        const auto equals = line.indexOf(QLatin1Char('='));
        if (equals >= 0)
            ini.m_lines.append({line.left(equals), line.mid(equals + 1)});
    }
    return ini;
}

QString VelkoIni::value(const QString& name) const
{
    for (const auto& [lineName, lineValue] : m_lines) {
        if (lineName.compare(name, Qt::CaseInsensitive) == 0)
            return lineValue;
    }
    return QString();
}

} // namespace custos::app
