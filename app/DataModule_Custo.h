#pragma once
// The cost data module: the datasets every window shares and the rules that save them. It is
// created at start-up after the session module and lives until the program ends.

#include <QObject>

namespace custos::app {

class DataModule_Custo : public QObject
{
    Q_OBJECT
public:
    explicit DataModule_Custo(QObject* parent = nullptr) : QObject(parent)
    {
        setObjectName(QStringLiteral("DataModule_Custo"));
    }
};

} // namespace custos::app
