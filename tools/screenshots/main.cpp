// screenshots DIR: renders every shot of the tour into DIR (run under the offscreen platform).

#include "Shot.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QPixmap>
#include <cstdio>

using namespace custos::screenshots;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    if (argc != 2) {
        std::fprintf(stderr, "usage: screenshots DIR\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.exists() && !QDir().mkpath(dir.path())) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    std::vector<Shot> shots;
    for (auto contribute : {gridShots, mainWindowShots, resultWindowShots, detailShots, priceTableShots})
        for (Shot& s : contribute())
            shots.push_back(std::move(s));
    int failures = 0;
    for (const Shot& shot : shots) {
        std::unique_ptr<QWidget> widget = shot.make();
        widget->resize(shot.size);
        widget->show();
        QApplication::processEvents();
        const QString path = dir.filePath(shot.fileName);
        if (widget->grab().save(path)) {
            std::printf("%s\n", qPrintable(path));
        } else {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
