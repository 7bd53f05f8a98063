#include "Global_Library.h"

namespace custos::session {

namespace {

Global_Library* g_instance = nullptr;

SharedGridStyle verdana(const QColor& background, const QColor& text)
{
    return {background, text, QStringLiteral("Verdana"), 11, false};
}

} // namespace

Global_Library::Global_Library(QObject* parent)
    : QObject(parent), m_connection(new DBXConnection(this)), m_cxStyle2(verdana(Qt::white, Qt::black)),
      m_cxStyle4(verdana(Qt::white, Qt::black)),
      m_cxStyle6(verdana(QColor(0x80, 0x80, 0x80), QColor(0xD4, 0xD0, 0xC8))),
      m_cxStyle7(verdana(QColor(0x3A, 0x6E, 0xA5), Qt::white)),
      m_cxStyle8(verdana(QColor(0xDE, 0xDE, 0xBC), QColor())),
      m_cxStyle20({QColor(0xD4, 0xD0, 0xC8), Qt::black, QStringLiteral("Tahoma"), 13, true})
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
