#pragma once
// The session module: created at start-up, it lives until the program ends. It owns the
// program's one connection, DBXConnection, and the grid styles that the result windows share.

#include "DBXConnection.h"

#include <QColor>
#include <QObject>
#include <QString>

namespace custos::session {

// A shared grid style as plain data; an invalid colour leaves the grid's own colour.
struct SharedGridStyle
{
    QColor background;
    QColor text;
    QString fontFamily;
    int fontPixelSize = 0;
    bool bold = false;
};

class Global_Library : public QObject
{
    Q_OBJECT
public:
    explicit Global_Library(QObject* parent = nullptr);
    ~Global_Library() override;

    // The session module of the running program (null before start-up has created it).
    static Global_Library* instance();

    DBXConnection& connection() { return *m_connection; }

    const SharedGridStyle& cxStyle2() const { return m_cxStyle2; }   // group rows
    const SharedGridStyle& cxStyle4() const { return m_cxStyle4; }   // footers
    const SharedGridStyle& cxStyle6() const { return m_cxStyle6; }   // read-only columns, some band headers
    const SharedGridStyle& cxStyle7() const { return m_cxStyle7; }   // revenue columns and bands
    const SharedGridStyle& cxStyle8() const { return m_cxStyle8; }   // industrial-cost columns
    const SharedGridStyle& cxStyle20() const { return m_cxStyle20; } // selected rows, grid without focus

private:
    DBXConnection* m_connection;
    const SharedGridStyle m_cxStyle2;
    const SharedGridStyle m_cxStyle4;
    const SharedGridStyle m_cxStyle6;
    const SharedGridStyle m_cxStyle7;
    const SharedGridStyle m_cxStyle8;
    const SharedGridStyle m_cxStyle20;
};

} // namespace custos::session
