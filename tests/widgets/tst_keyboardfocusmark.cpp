#include "widgets/KeyboardFocusMark.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QtTest>

class TestKeyboardFocusMark : public QObject
{
    Q_OBJECT
private slots:
    void marksOnlyFocusFromTheKeyboard_data()
    {
        QTest::addColumn<bool>("radio");
        QTest::addColumn<int>("reason");
        QTest::addColumn<bool>("marked");
        QTest::newRow("check box, Tab") << false << int(Qt::TabFocusReason) << true;
        QTest::newRow("check box, Backtab") << false << int(Qt::BacktabFocusReason) << true;
        QTest::newRow("check box, click") << false << int(Qt::MouseFocusReason) << false;
        QTest::newRow("radio button, shortcut") << true << int(Qt::ShortcutFocusReason) << true;
        QTest::newRow("radio button, click") << true << int(Qt::MouseFocusReason) << false;
    }
    void marksOnlyFocusFromTheKeyboard()
    {
        QFETCH(bool, radio);
        QFETCH(int, reason);
        QFETCH(bool, marked);
        KeyboardFocusMark::install();
        QCheckBox check;
        QRadioButton option;
        QWidget* box = radio ? static_cast<QWidget*>(&option) : &check;
        QFocusEvent in(QEvent::FocusIn, Qt::FocusReason(reason));
        QApplication::sendEvent(box, &in);
        QCOMPARE(box->property(KeyboardFocusMark::kProperty).toBool(), marked);
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(box, &out);
        QCOMPARE(box->property(KeyboardFocusMark::kProperty).toBool(), false);
    }
};

QTEST_MAIN(TestKeyboardFocusMark)
#include "tst_keyboardfocusmark.moc"
