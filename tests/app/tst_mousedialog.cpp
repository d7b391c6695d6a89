#include "FakeDeviceNotifier.h"
#include "TestAppFolder.h"
#include "app/CustomItemWidget.h"
#include "app/MouseDialog.h"
#include "model/AppPaths.h"
#include "widgets/KivoPushButton.h"

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

// The device chooser on its own: what it shows, how a row is chosen, the refresh rule and its
// own notifications.
class TestMouseDialog : public QObject
{
    Q_OBJECT

private:
    static QPoint rowCentre(MouseDialog& dialog, int row)
    {
        QListWidget* list = dialog.listWidget();
        return list->visualItemRect(list->item(row)).center();
    }

    static void clickRow(MouseDialog& dialog, int row)
    {
        QTest::mouseClick(dialog.listWidget()->viewport(), Qt::LeftButton, {},
                          rowCentre(dialog, row));
    }

    // The build renders the skin beside the executables (bin/ next to tests/).
    static QString buildAppDir()
    {
        return QDir(QCoreApplication::applicationDirPath() + "/../bin").absolutePath();
    }

    static int countPixels(const QImage& image, const std::function<bool(QColor)>& test)
    {
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (test(image.pixelColor(x, y)))
                    ++count;
        return count;
    }

    static void saveGrab(const QImage& image, const QString& name)
    {
        const QString dir = qEnvironmentVariable("MOUSECFG_GRAB_DIR");
        if (!dir.isEmpty())
            QVERIFY(image.save(dir + "/" + name));
    }

    static bool shown(MouseDialog& dialog)
    {
        dialog.show();
        return QTest::qWaitForWindowExposed(&dialog);
    }

    std::unique_ptr<TestAppFolder> m_pFolder;

private slots:
    void init() { m_pFolder = std::make_unique<TestAppFolder>(); }
    void cleanup() { m_pFolder.reset(); }

    void showsTheChooserAndMarksAClickedRow()
    {
        MouseDialog dialog({"HORNBEAM", "LINDEN", "TAMARACK"});
        QSignalSpy accepted(&dialog, &QDialog::accepted);
        QVERIFY(dialog.windowFlags() & Qt::FramelessWindowHint);
        QStringList texts;
        for (QLabel* label : dialog.findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly))
            texts << label->text();
        QVERIFY(texts.contains(QStringLiteral("选择鼠标设备")));
        QVERIFY(texts.contains(QStringLiteral("请点击选择一个鼠标：")));
        QCOMPARE(dialog.listWidget()->viewMode(), QListView::IconMode);
        QCOMPARE(dialog.rowWidget(1)->name(), QStringLiteral("LINDEN"));
        QCOMPARE(dialog.messageLabel()->text(), QStringLiteral("Dongle Disconnect!"));
        QVERIFY(shown(dialog));
        QVERIFY(!dialog.messageLabel()->isVisible());
        // Nothing is chosen until the user clicks.
        QCOMPARE(dialog.markedRow(), -1);
        QVERIFY(!dialog.okButton()->isEnabled());

        clickRow(dialog, 1);
        QCOMPARE(dialog.selectedName(), QStringLiteral("LINDEN"));
        QVERIFY(dialog.rowWidget(1)->nameLabel()->styleSheet().contains("color: black"));
        QVERIFY(dialog.rowWidget(0)->nameLabel()->styleSheet().contains("color: white"));
        // A click alone does not close the chooser.
        QVERIFY(dialog.isVisible());
        clickRow(dialog, 2);
        QCOMPARE(dialog.markedRow(), 2);
        QVERIFY(!dialog.rowWidget(1)->isSelected());
        QVERIFY(dialog.rowWidget(1)->nameLabel()->styleSheet().contains("color: white"));
        QCOMPARE(accepted.count(), 0);
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        QCOMPARE(accepted.count(), 1);
        QCOMPARE(dialog.selectedName(), QStringLiteral("TAMARACK"));
    }

    void picturesComeFromTheSkinOrAStandardIcon()
    {
        const QString dir = AppPaths::appDir() + "/skin/mouse/LINDEN";
        QVERIFY(QDir().mkpath(dir));
        QImage picture(300, 400, QImage::Format_ARGB32);
        picture.fill(QColor(10, 200, 30));
        QVERIFY(picture.save(dir + "/Mouse.png"));

        MouseDialog dialog({"HORNBEAM", "LINDEN"});
        QVERIFY(!dialog.rowWidget(0)->hasSkinPicture());
        QVERIFY(dialog.rowWidget(1)->hasSkinPicture());
        const QImage row = dialog.rowWidget(1)->grab().toImage();
        QVERIFY(countPixels(row, [](QColor c) { return c == QColor(10, 200, 30); }) > 1000);
    }

    void doubleClickAcceptsCancelRejects()
    {
        for (bool bCancel : {false, true}) {
            MouseDialog dialog({"HORNBEAM", "LINDEN"});
            QSignalSpy finished(&dialog, &QDialog::finished);
            QVERIFY(shown(dialog));
            clickRow(dialog, bCancel ? 1 : 0);
            if (bCancel)
                QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
            else
                QTest::mouseDClick(dialog.listWidget()->viewport(), Qt::LeftButton, {},
                                   rowCentre(dialog, 0));
            QCOMPARE(finished.count(), 1);
            QCOMPARE(finished.at(0).at(0).toInt(),
                     int(bCancel ? QDialog::Rejected : QDialog::Accepted));
            if (!bCancel)
                QCOMPARE(dialog.selectedName(), QStringLiteral("HORNBEAM"));
        }
    }

    void refreshRule_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<bool>("taken");
        QTest::newRow("none to one") << QStringList{} << QStringList{"LINDEN"} << true;
        QTest::newRow("two to one")
            << QStringList{"HORNBEAM", "LINDEN"} << QStringList{"LINDEN"} << true;
        QTest::newRow("one to another one")
            << QStringList{"HORNBEAM"} << QStringList{"LINDEN"} << false;
        QTest::newRow("three to one")
            << QStringList{"HORNBEAM", "LINDEN", "TAMARACK"} << QStringList{"LINDEN"} << false;
        QTest::newRow("none to two") << QStringList{} << QStringList{"HORNBEAM", "LINDEN"} << false;
        QTest::newRow("two to none") << QStringList{"HORNBEAM", "LINDEN"} << QStringList{} << false;
        QTest::newRow("none to none") << QStringList{} << QStringList{} << false;
    }

    void refreshRule()
    {
        QFETCH(QStringList, before);
        QFETCH(QStringList, after);
        QFETCH(bool, taken);
        MouseDialog dialog(before);
        QSignalSpy accepted(&dialog, &QDialog::accepted);
        QVERIFY(shown(dialog));
        dialog.slotRefreshList(after);
        QCOMPARE(dialog.devices(), after);
        QCOMPARE(dialog.listWidget()->count(), after.size());
        QCOMPARE(accepted.count(), taken ? 1 : 0);
        QCOMPARE(dialog.isVisible(), !taken);
        QCOMPARE(dialog.selectedName(), taken ? after.first() : QString());
        // An empty list shows the message in place of the list.
        QCOMPARE(dialog.isShowingDisconnect(), after.isEmpty());
        QCOMPARE(dialog.messageLabel()->isVisibleTo(&dialog), after.isEmpty());
        QCOMPARE(dialog.listWidget()->isVisibleTo(&dialog), !after.isEmpty());
    }

    void markSurvivesARefreshThatKeepsTheMouse()
    {
        MouseDialog dialog({"HORNBEAM", "LINDEN"});
        QVERIFY(shown(dialog));
        clickRow(dialog, 1);
        dialog.slotRefreshList({"TAMARACK", "HORNBEAM", "LINDEN"});
        QCOMPARE(dialog.selectedName(), QStringLiteral("LINDEN"));
        QVERIFY(dialog.rowWidget(2)->isSelected());
        // The marked mouse goes: nothing is chosen any more.
        dialog.slotRefreshList({"TAMARACK", "HORNBEAM", "HORNBEAM2"});
        QCOMPARE(dialog.selectedName(), QString());
        QVERIFY(!dialog.okButton()->isEnabled());
    }

    void ownNotificationsWhileOpen()
    {
        auto* dialog = new MouseDialog({});
        QPointer<FakeDeviceNotifier> notifier = new FakeDeviceNotifier;
        dialog->setNotifier(notifier);
        QCOMPARE(notifier->parent(), dialog);
        QSignalSpy plugged(dialog, &MouseDialog::devicePluggedIn);
        QSignalSpy unplugged(dialog, &MouseDialog::deviceUnplugged);
        dialog->show();
        notifier->announce(true, 0x7C21, "one");
        notifier->announce(false, 0x7C21, "one");
        QCOMPARE(unplugged.count(), 2);
        QCOMPARE(plugged.at(1).at(0).toString(), FakeDeviceNotifier::path(0x7C21, 2, "one"));

        // Closing the chooser gives its registration up.
        dialog->reject();
        QVERIFY(!dialog->notifier());
        QTRY_VERIFY(notifier.isNull());
        QCOMPARE(plugged.count(), 2);
        delete dialog;
    }

    void dragsWithTheLeftButton()
    {
        MouseDialog dialog({"HORNBEAM"});
        dialog.move(100, 100);
        QVERIFY(shown(dialog));
        const QPoint start = dialog.frameGeometry().topLeft();
        const auto drag = [&dialog](Qt::MouseButton button, QPoint to) {
            // The title is not a control: the press reaches the dialog.
            QTest::mousePress(&dialog, button, {}, QPoint(20, 20));
            QMouseEvent move(QEvent::MouseMove, QPointF(to), dialog.mapToGlobal(to), Qt::NoButton,
                             button, Qt::NoModifier);
            QApplication::sendEvent(&dialog, &move);
            QTest::mouseRelease(&dialog, button, {}, to);
        };
        drag(Qt::LeftButton, QPoint(50, 40));
        QCOMPARE(dialog.frameGeometry().topLeft(), start + QPoint(30, 20));
        drag(Qt::RightButton, QPoint(60, 60)); // leaves it where it is
        QCOMPARE(dialog.frameGeometry().topLeft(), start + QPoint(30, 20));
    }

    // What a person sees: the black dialog with its grey border, the pictures from the skin, the
    // marked row, and the red message. MOUSECFG_GRAB_DIR keeps the pictures.
    void grabsLookRight()
    {
        if (!QFileInfo(buildAppDir() + "/skin/mouse/HORNBEAM/Mouse.png").exists())
            QSKIP("no rendered skin beside the test");
        AppPaths::setAppDir(buildAppDir());
        {
            MouseDialog dialog({"HORNBEAM", "LINDEN"});
            QVERIFY(shown(dialog));
            clickRow(dialog, 0);
            const QImage image = dialog.grab().toImage();
            saveGrab(image, "chooser-two-mice.png");
            QCOMPARE(image.pixelColor(0, image.height() / 2), QColor("#CCCCCC"));
            QCOMPARE(image.pixelColor(5, 5), QColor("#000000"));
            // The marked row's light background.
            const QRect marked = dialog.listWidget()->visualItemRect(dialog.listWidget()->item(0));
            const QPoint corner =
                dialog.listWidget()->viewport()->mapTo(&dialog, marked.topLeft() + QPoint(3, 3));
            QCOMPARE(image.pixelColor(corner), QColor("#CCCCCC"));
        }
        {
            MouseDialog dialog({});
            QVERIFY(shown(dialog));
            const QImage image = dialog.grab().toImage();
            saveGrab(image, "chooser-disconnect.png");
            const int red = countPixels(
                image, [](QColor c) { return c.red() > 200 && c.green() < 60 && c.blue() < 60; });
            QVERIFY2(red > 100, qPrintable(QString::number(red)));
        }
        AppPaths::setAppDir(QString());
    }
};

QTEST_MAIN(TestMouseDialog)
#include "tst_mousedialog.moc"
