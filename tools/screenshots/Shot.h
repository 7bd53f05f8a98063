#pragma once
// One picture of the screenshot tour: a widget built on demand, shown at a size and saved as a
// PNG under its file name. Each part of the program contributes its shots through a function
// listed in main.cpp.

#include <QSize>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

namespace custos::screenshots {

struct Shot
{
    QString fileName;
    QSize size;
    std::function<std::unique_ptr<QWidget>()> make;
};

std::vector<Shot> gridShots();
std::vector<Shot> mainWindowShots();
std::vector<Shot> resultWindowShots();
std::vector<Shot> priceTableShots();
std::vector<Shot> detailShots();

} // namespace custos::screenshots
