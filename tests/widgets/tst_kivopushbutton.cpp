#include "widgets/KeyboardFocusMark.h"
#include "widgets/KivoPushButton.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

// Faces are told apart by colour: each test image is one flat colour.
class TestKivoPushButton : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_Dir;
    QString image(const QString& name, const QColor& colour)
    {
        QImage img(40, 20, QImage::Format_ARGB32);
        img.fill(colour);
        const QString path = m_Dir.filePath(name);
        img.save(path);
        return path;
    }
    static QColor shownColour(KivoPushButton& btn)
    {
        // A corner pixel: the text, if any, sits in the middle.
        return btn.grab().toImage().pixelColor(2, 2);
    }
    static void send(QWidget& w, QEvent::Type type)
    {
        QEvent e(type);
        QApplication::sendEvent(&w, &e);
    }

private slots:
    void facesFollowEnterLeavePressAndCheck()
    {
        KivoPushButton btn(
            {image("n.png", Qt::red), image("h.png", Qt::green), image("p.png", Qt::blue)});
        btn.resize(80, 40);
        QCOMPARE(shownColour(btn), QColor(Qt::red));

        // The button window follows the pointer through these signals.
        QSignalSpy entered(&btn, &KivoPushButton::EnterSignal);
        QSignalSpy over(&btn, &KivoPushButton::OverSignal);
        send(btn, QEvent::Enter);
        QCOMPARE(shownColour(btn), QColor(Qt::green));

        QTest::mousePress(&btn, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        QCOMPARE(shownColour(btn), QColor(Qt::blue));
        QTest::mouseRelease(&btn, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        QCOMPARE(btn.face(), KivoPushButton::Hover);

        send(btn, QEvent::Leave);
        QCOMPARE(shownColour(btn), QColor(Qt::red));
        QCOMPARE(entered.count(), 1);
        QCOMPARE(over.count(), 2);
        QCOMPARE(over.at(0).at(0).value<KivoPushButton*>(), &btn);
        QCOMPARE(over.at(0).at(1).toBool(), true);
        QCOMPARE(over.at(1).at(1).toBool(), false);

        // A checked tab shows the pressed face, hovered or not.
        btn.setCheckable(true);
        btn.setChecked(true);
        QCOMPARE(shownColour(btn), QColor(Qt::blue));
        send(btn, QEvent::Enter);
        QCOMPARE(shownColour(btn), QColor(Qt::blue));
        btn.setChecked(false);
        QCOMPARE(shownColour(btn), QColor(Qt::green));

        // Buttons share their scaled faces, each size its own: a larger twin is covered whole.
        KivoPushButton twin(
            {image("n.png", Qt::red), image("h.png", Qt::green), image("p.png", Qt::blue)});
        twin.resize(120, 60);
        QCOMPARE(twin.grab().toImage().pixelColor(117, 57), QColor(Qt::red));
    }

    void twoImagesUseHoverForPressedAndDisabledDoesNotLightUp()
    {
        KivoPushButton btn({image("a.png", Qt::yellow), image("b.png", Qt::cyan)});
        btn.resize(40, 20);
        QTest::mousePress(&btn, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        QCOMPARE(shownColour(btn), QColor(Qt::cyan));
        QTest::mouseRelease(&btn, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        send(btn, QEvent::Leave);
        btn.setEnabled(false);
        send(btn, QEvent::Enter);
        QCOMPARE(btn.face(), KivoPushButton::Normal);
    }

    void missingImagesStillPaint()
    {
        KivoPushButton btn({m_Dir.filePath("none-1.png"), m_Dir.filePath("none-2.png")},
                           QStringLiteral("OK"));
        btn.resize(60, 24);
        const QImage normal = btn.grab().toImage();
        send(btn, QEvent::Enter);
        const QImage hover = btn.grab().toImage();
        QVERIFY(!normal.isNull());
        QVERIFY(normal != hover); // the pointer still shows
    }

    // Check boxes and radio buttons take the skin's focus ring as these buttons do: only when
    // the keyboard moved the focus to them, and not after a click.
    void checkBoxesMarkOnlyKeyboardFocus_data()
    {
        QTest::addColumn<bool>("radio");
        QTest::addColumn<int>("reason");
        QTest::addColumn<bool>("marked");
        QTest::newRow("check box, Tab") << false << int(Qt::TabFocusReason) << true;
        QTest::newRow("check box, click") << false << int(Qt::MouseFocusReason) << false;
        QTest::newRow("radio button, shortcut") << true << int(Qt::ShortcutFocusReason) << true;
    }
    void checkBoxesMarkOnlyKeyboardFocus()
    {
        QFETCH(bool, radio);
        QFETCH(int, reason);
        QFETCH(bool, marked);
        KeyboardFocusMark::install();
        const std::unique_ptr<QWidget> box(radio ? static_cast<QWidget*>(new QRadioButton)
                                                 : new QCheckBox);
        QFocusEvent in(QEvent::FocusIn, Qt::FocusReason(reason));
        QApplication::sendEvent(box.get(), &in);
        QCOMPARE(box->property(KeyboardFocusMark::kProperty).toBool(), marked);
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(box.get(), &out);
        QCOMPARE(box->property(KeyboardFocusMark::kProperty).toBool(), false);
    }
};

QTEST_MAIN(TestKivoPushButton)
#include "tst_kivopushbutton.moc"
