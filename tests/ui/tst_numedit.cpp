// The numeric edit: reading the number, the key filter, focus and the range check, the display.

#include "TCF_Global_Form7.h"
#include "TNumEdit.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <cmath>

using custos::ui::TNumEdit;

namespace {

struct KeyCase
{
    int decimals;
    QString text;
    int caret; // -1: the whole text selected
    QString keys;
    QString resultText;
    int resultCaret;
    double value;
};

} // namespace

Q_DECLARE_METATYPE(KeyCase)

class TestNumEdit : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil)); }

    void typing_data()
    {
        QTest::addColumn<KeyCase>("row");
        // clang-format off
        QTest::newRow("comma locale reading")      << KeyCase{2, "-1.234,50", 0, "", "-1.234,50", 0, -1234.5};
        QTest::newRow("letters only read as 0")    << KeyCase{2, "abc", 0, "", "abc", 0, 0};
        QTest::newRow("minus zero reads as 0")     << KeyCase{2, "-0", 2, "", "-0", 2, 0};
        QTest::newRow("typing a number")           << KeyCase{2, "", 0, "1234,567", "1234,56", 7, 1234.56};
        QTest::newRow("point typed as separator")  << KeyCase{2, "12", 2, ".", "12,", 3, 12};
        QTest::newRow("no separator, 0 decimals")  << KeyCase{0, "12", 2, ",.", "12", 2, 12};
        QTest::newRow("separator cuts the tail")   << KeyCase{2, "1234", 1, ",", "1,23", 2, 1.23};
        QTest::newRow("separator jumps to it")     << KeyCase{2, "12,34", 1, ",", "12,34", 3, 12.34};
        QTest::newRow("last decimal overwritten")  << KeyCase{2, "12,34", 4, "5", "12,35", 5, 12.35};
        QTest::newRow("full decimals at the end")  << KeyCase{2, "12,34", 5, "5", "12,34", 5, 12.34};
        QTest::newRow("backspace at the end")      << KeyCase{2, "12,34", 5, "\b", "12,3", 4, 12.3};
        QTest::newRow("sign toggled keeps caret")  << KeyCase{2, "25", 1, "-", "-25", 2, -25};
        QTest::newRow("sign toggled back")         << KeyCase{2, "25", 1, "--", "25", 1, 25};
        QTest::newRow("zero stays unsigned")       << KeyCase{2, "0,00", 4, "-", "0,00", 4, 0};
        QTest::newRow("minus replaces selection")  << KeyCase{2, "25", -1, "-", "-", 1, 0};
        QTest::newRow("nothing before the minus")  << KeyCase{2, "-25", 0, "7\b", "-25", 0, -25};
        QTest::newRow("letters refused")           << KeyCase{2, "12", 2, "a ", "12", 2, 12};
        QTest::newRow("digit replaces selection")  << KeyCase{2, "12,34", -1, "7", "7", 1, 7};
        // clang-format on
    }

    void typing()
    {
        QFETCH(KeyCase, row);
        TNumEdit edit;
        edit.setDecimals(row.decimals);
        edit.setText(row.text);
        if (row.caret < 0)
            edit.selectAll();
        else
            edit.setCursorPosition(row.caret);
        QTest::keyClicks(&edit, row.keys);
        QCOMPARE(edit.text(), row.resultText);
        QCOMPARE(edit.cursorPosition(), row.resultCaret);
        QCOMPARE(edit.Value(), row.value);
        QVERIFY(!std::signbit(edit.Value()) || row.value < 0);
    }

    void clipboardKeysPass()
    {
        TNumEdit edit;
        edit.setText(QStringLiteral("12,34"));
        edit.selectAll();
        QTest::keyClick(&edit, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(edit.text(), QString());
        QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(edit.text(), QStringLiteral("12,34"));
        QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier); // any other control key is refused
        QVERIFY(!edit.hasSelectedText());
    }

    void writingAndDisplay()
    {
        TNumEdit edit;
        edit.setValue(-1234.5);
        QCOMPARE(edit.text(), QStringLiteral("-1234,50"));
        QCOMPARE(edit.shownText(), QStringLiteral("-1.234,50"));
        edit.setShowSeparator(false);
        QCOMPARE(edit.shownText(), QStringLiteral("-1234,50"));
        edit.setDecimals(3);
        QCOMPARE(edit.text(), QStringLiteral("-1234,500"));
        edit.setValue(-0.0001);
        QCOMPARE(edit.text(), QStringLiteral("0,000"));
        edit.setText(QString());
        QCOMPARE(edit.shownText(), QStringLiteral("0,000"));
    }

    void focusAndRange()
    {
        custos::ui::TCF_Global_Form7 window;
        auto* edit = new TNumEdit(window.body());
        edit->setDecimals(0);
        edit->setMinValue(1);
        edit->setMaxValue(99);
        auto* next = new QLineEdit(window.body());
        auto* layout = new QVBoxLayout(window.body());
        layout->addWidget(edit);
        layout->addWidget(next);
        edit->setText(QStringLiteral("0"));
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));

        edit->setFocus(Qt::TabFocusReason);
        QVERIFY(edit->hasFocus());
        QCOMPARE(edit->selectedText(), QStringLiteral("0"));
        QCOMPARE(edit->shownText(), QStringLiteral("0"));

        QTest::keyClick(edit, Qt::Key_Tab);
        QVERIFY(edit->hasFocus());
        QTest::keyClick(edit, Qt::Key_Return);
        QVERIFY(edit->hasFocus());
        QCOMPARE(edit->selectedText(), QStringLiteral("0"));

        QSignalSpy outOfRange(edit, &TNumEdit::OnOutOfRange);
        QTest::mouseClick(next, Qt::LeftButton);
        QVERIFY(edit->hasFocus());
        QCOMPARE(outOfRange.count(), 1);

        QTest::keyClicks(edit, QStringLiteral("42"));
        QTest::keyClick(edit, Qt::Key_Return);
        QVERIFY(next->hasFocus());
        QCOMPARE(edit->Value(), 42.0);
        QCOMPARE(outOfRange.count(), 1);

        // A first click into the unfocused control selects all of it.
        QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(2, edit->height() / 2));
        QVERIFY(edit->hasFocus());
        QCOMPARE(edit->selectedText(), QStringLiteral("42"));
    }
};

QTEST_MAIN(TestNumEdit)
#include "tst_numedit.moc"
