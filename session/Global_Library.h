#pragma once
// The session module: created at start-up, it lives until the program ends. It owns the
// program's one connection, DBXConnection, and the grid styles that the result windows share.

#include "DBXConnection.h"
#include "SharedGridStyles.h"

#include <QObject>

namespace custos::session {

class Global_Library : public QObject
{
    Q_OBJECT
public:
    explicit Global_Library(QObject* parent = nullptr);
    ~Global_Library() override;

    // The session module of the running program (null before start-up has created it).
    static Global_Library* instance();

    DBXConnection& connection() { return *m_connection; }

    SharedGridStyle cxStyle2() const { return SharedGridStyles::cxStyle2(); }
    SharedGridStyle cxStyle4() const { return SharedGridStyles::cxStyle4(); }
    SharedGridStyle cxStyle6() const { return SharedGridStyles::cxStyle6(); }
    SharedGridStyle cxStyle7() const { return SharedGridStyles::cxStyle7(); }
    SharedGridStyle cxStyle8() const { return SharedGridStyles::cxStyle8(); }
    SharedGridStyle cxStyle20() const { return SharedGridStyles::cxStyle20(); }

private:
    DBXConnection* m_connection;
};

} // namespace custos::session
