#include "WindowRig.h"
#include "app/InstanceRequests.h"
#include "widgets/KivoPushButton.h"

#include <QAction>
#include <QEventLoop>
#include <QTimer>
#include <QtTest>

// Leaving and coming back on any desktop: the close button ends the program where no tray
// could bring a hidden window back, and a second start raises the running window.
class TestQuitAndRaise : public QObject
{
    Q_OBJECT
private:
    // True when `action` made the application quit: quit() ends every running event loop.
    static bool quits(const std::function<void()>& action)
    {
        QEventLoop loop;
        bool bTimedOut = false;
        // Tied to the loop: a Quit event still pending from an earlier window can end the loop
        // first, and the action must then not run later on a window that is gone.
        QTimer::singleShot(0, &loop, action);
        QTimer::singleShot(1500, &loop, [&] {
            bTimedOut = true;
            loop.quit();
        });
        loop.exec();
        return !bTimedOut;
    }

private slots:
    void closeButton_data()
    {
        QTest::addColumn<bool>("bTray");
        QTest::addColumn<bool>("bQuits");
        QTest::newRow("tray: hides") << true << false;
        QTest::newRow("no tray: quits") << false << true;
    }
    void closeButton()
    {
        QFETCH(bool, bTray);
        QFETCH(bool, bQuits);
        WindowRig rig("hornbeam", true, false, 10, {}, [bTray](MousecfgServices& s) {
            s.trayAvailable = [bTray] { return bTray; };
        });
        MousecfgWidget& w = rig.window();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        KivoPushButton* close = w.findChild<KivoPushButton*>("closeButton");
        QVERIFY(close);
        QCOMPARE(quits([close] { close->click(); }), bQuits);
        QCOMPARE(w.isHidden(), !bQuits);
    }

    void quitReachableFromTheWindow()
    {
        WindowRig rig;
        MousecfgWidget& w = rig.window();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.contextMenuPolicy(), Qt::ActionsContextMenu);
        QVERIFY(w.actions().size() >= 2);
        QAction* quit = w.actions().last();
        QCOMPARE(quit->text(), QStringLiteral("&Quit"));
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QVERIFY(quits([&w] { QTest::keyClick(&w, Qt::Key_Q, Qt::ControlModifier); }));
    }

    void raiseRequestBringsTheWindowBack()
    {
        WindowRig rig;
        MousecfgWidget& w = rig.window();
        InstanceRequests requests(&w);
        QString output;

        w.showMinimized();
        QVERIFY(QTest::qWaitForWindowExposed(&w) || w.isMinimized());
        QCOMPARE(requests.handle({InstanceRequests::raiseRequest()}, &output), 0);
        QVERIFY(w.isVisible() && !w.isMinimized());

        // Hidden (to the tray, or by OK): the selection opens the mouse and shows it again.
        w.hide();
        QCOMPARE(requests.handle({InstanceRequests::raiseRequest()}, &output), 0);
        QTRY_VERIFY_WITH_TIMEOUT(w.isVisible(), 5000);
        QTRY_VERIFY(!w.isBusy());

        QCOMPARE(requests.handle({"--no-such-request"}, &output), 1);
        QVERIFY(output.contains("--no-such-request"));
    }
};

QTEST_MAIN(TestQuitAndRaise)
#include "tst_quitandraise.moc"
