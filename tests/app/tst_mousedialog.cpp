#include "TestAppFolder.h"
#include "app/selection/CustomItemWidget.h"
#include "app/selection/MouseDialog.h"
#include "model/AppPaths.h"
#include "widgets/KivoPushButton.h"

#include <QLabel>
#include <QListWidget>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

// The device chooser on its own: what it shows, how a row is chosen, the refresh rule and its
// own notifications.
class TestMouseDialog : public QObject
{
    Q_OBJECT

private:
    static void clickRow(MouseDialog& dialog, int row)
    {
        QListWidget* list = dialog.listWidget();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
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
        QVERIFY(shown(dialog));
        // Nothing is chosen until the user clicks.
        QCOMPARE(dialog.markedRow(), -1);
        QVERIFY(!dialog.okButton()->isEnabled());

        clickRow(dialog, 1);
        QCOMPARE(dialog.selectedName(), QStringLiteral("LINDEN"));
        // A click alone does not close the chooser.
        QVERIFY(dialog.isVisible());
        clickRow(dialog, 2);
        QCOMPARE(dialog.markedRow(), 2);
        QVERIFY(!dialog.rowWidget(1)->isSelected());
        QCOMPARE(accepted.count(), 0);
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        QCOMPARE(accepted.count(), 1);
        QCOMPARE(dialog.selectedName(), QStringLiteral("TAMARACK"));
    }

    void refreshRule_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<bool>("taken");
        using L = QStringList;
        QTest::newRow("none to one") << L{} << L{"LINDEN"} << true;
        QTest::newRow("two to one") << L{"HORNBEAM", "LINDEN"} << L{"LINDEN"} << true;
        QTest::newRow("one to another one") << L{"HORNBEAM"} << L{"LINDEN"} << false;
        QTest::newRow("three to one")
            << L{"HORNBEAM", "LINDEN", "TAMARACK"} << L{"LINDEN"} << false;
        QTest::newRow("none to two") << L{} << L{"HORNBEAM", "LINDEN"} << false;
        QTest::newRow("two to none") << L{"HORNBEAM", "LINDEN"} << L{} << false;
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
        QCOMPARE(accepted.count(), taken ? 1 : 0);
        QCOMPARE(dialog.isVisible(), !taken);
        QCOMPARE(dialog.selectedName(), taken ? after.first() : QString());
        // An empty list shows the message in place of the list.
        QCOMPARE(dialog.isShowingDisconnect(), after.isEmpty());
        QCOMPARE(dialog.messageLabel()->isVisibleTo(&dialog), after.isEmpty());
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
};

QTEST_MAIN(TestMouseDialog)
#include "tst_mousedialog.moc"
