#include <QtTest>
class TestSlaughterDetail : public QObject { Q_OBJECT };
QTEST_MAIN(TestSlaughterDetail)
#include "tst_slaughter_detail.moc"
