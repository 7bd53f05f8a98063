#include "SharedGridStyles.h"

namespace custos::session::SharedGridStyles {

namespace {

SharedGridStyle verdana(const QColor& background, const QColor& text)
{
    return {background, text, QStringLiteral("Verdana"), 11, false};
}

} // namespace

SharedGridStyle cxStyle2() { return verdana(Qt::white, Qt::black); }
SharedGridStyle cxStyle4() { return verdana(Qt::white, Qt::black); }
SharedGridStyle cxStyle6() { return verdana(QColor(0x80, 0x80, 0x80), QColor(0xD4, 0xD0, 0xC8)); }
SharedGridStyle cxStyle7() { return verdana(QColor(0x3A, 0x6E, 0xA5), Qt::white); }
SharedGridStyle cxStyle8() { return verdana(QColor(0xDE, 0xDE, 0xBC), QColor()); }
SharedGridStyle cxStyle20() { return {QColor(0xD4, 0xD0, 0xC8), Qt::black, QStringLiteral("Tahoma"), 13, true}; }

} // namespace custos::session::SharedGridStyles
