#pragma once
// The main of a benchmark of windows: the offscreen platform unless another is asked for, the
// program's locale (Portuguese of Brazil), the heading printed and one measurement for each
// scale of the command line (the defaults when none is given).

#include "Figures.h"

#include <QApplication>
#include <QLocale>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace custos::bench {

// 0, or 2 when a scale is not a whole number from 1 to 99.
inline int measureAtScales(int argc, char** argv, std::vector<int> defaults, const char* program,
                           const std::string& heading, const std::function<void(int scale)>& measure)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    const std::vector<int> scales = scalesFromArguments(argc, argv, std::move(defaults), program);
    if (scales.empty())
        return 2;
    std::printf("%s\n", heading.c_str());
    for (int scale : scales)
        measure(scale);
    return 0;
}

} // namespace custos::bench
