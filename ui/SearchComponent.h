#pragma once
// A component that a single-record window can search with: a search action and a clear-filter
// action. A window that wants "Localizar" and "Limpar Filtro" places one among its children.

#include <QObject>

namespace custos::ui {

class SearchComponent : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    virtual void search() = 0;
    virtual void clearFilter() = 0;
};

} // namespace custos::ui
