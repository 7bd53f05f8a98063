#include "Global_Library.h"

namespace custos::session {

namespace {

Global_Library* g_instance = nullptr;

} // namespace

Global_Library::Global_Library(QObject* parent)
    : QObject(parent), m_connection(new DBXConnection(this))
{
    setObjectName(QStringLiteral("Global_Library"));
    m_connection->setObjectName(QStringLiteral("DBXConnection"));
    g_instance = this;
}

Global_Library::~Global_Library()
{
    if (g_instance == this)
        g_instance = nullptr;
}

Global_Library* Global_Library::instance()
{
    return g_instance;
}

} // namespace custos::session
