#pragma once
// The grid styles the result windows share, as plain data (the session module carries them).

#include <QColor>
#include <QString>

namespace custos::session {

// A shared grid style; an invalid colour leaves the grid's own colour.
struct SharedGridStyle
{
    QColor background;
    QColor text;
    QString fontFamily;
    int fontPixelSize = 0;
    bool bold = false;
};

namespace SharedGridStyles {
SharedGridStyle cxStyle2();  // group rows
SharedGridStyle cxStyle4();  // footers
SharedGridStyle cxStyle6();  // read-only columns, some band headers
SharedGridStyle cxStyle7();  // revenue columns and bands; also the locked price
SharedGridStyle cxStyle8();  // industrial-cost columns
SharedGridStyle cxStyle20(); // selected rows of a grid that does not have the focus
} // namespace SharedGridStyles

} // namespace custos::session
