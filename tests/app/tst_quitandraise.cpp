#include "WindowRig.h"
#include "app/commands/InstanceRequests.h"
#include "model/GlobalRecords.h"
#include "widgets/KivoPushButton.h"

#include <QAction>
#include <QTimer>
#include <QtTest>

// Leaving and coming back on any desktop: the close button ends the program where no tray
// could bring a hidden window back, and a second start raises the running window.
class TestQuitAndRaise : public QObject
{
    Q_OBJECT
private:
    // True when `action` made the application quit. The application's own loop runs here, not
    // a local one: quit() leaves a flag behind that makes every later local loop return at once,
    // which let an action stay queued into the next test. Its own loop clears that flag on both
    // ends, and the action is tied to `context` so it can never outlive its window.
    static bool quits(QObject* context, const std::function<void()>& action)
    {
        bool bRan = false;
        QTimer::singleShot(0, context, [&] {
            bRan = true;
            action();
        });
        QTimer timeout;
        timeout.setSingleShot(true);
        QObject::connect(&timeout, &QTimer::timeout, [] { QCoreApplication::exit(1); });
        timeout.start(1500);
        const bool bQuit = QCoreApplication::exec() == 0;
        return bRan && bQuit;
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
        QCOMPARE(quits(&w, [close] { close->click(); }), bQuits);
        QCOMPARE(w.isHidden(), !bQuits);
    }

    void quitReachableFromTheWindow()
    {
        WindowRig rig;
        MousecfgWidget& w = rig.window();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        // The right-click menu ends with Quit, and Ctrl+Q reaches it.
        QCOMPARE(w.contextMenuPolicy(), Qt::ActionsContextMenu);
        QCOMPARE(w.actions().last()->text(), QStringLiteral("&Quit"));
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QVERIFY(quits(&w, [&w] { QTest::keyClick(&w, Qt::Key_Q, Qt::ControlModifier); }));
    }

    // Quitting with edits not applied asks: Apply sends them first, Discard quits without them,
    // Cancel stays.
    void quitAsksAboutUnappliedEdits_data()
    {
        QTest::addColumn<int>("iAnswer");
        QTest::newRow("apply") << 0;
        QTest::newRow("discard") << 1;
        QTest::newRow("cancel") << 2;
    }
    void quitAsksAboutUnappliedEdits()
    {
        QFETCH(int, iAnswer);
        WindowRig rig;
        MousecfgWidget& w = rig.window();
        QVERIFY(rig.open());
        quint8& mode = GlobalRecords::live().activeProfile().LedMode;
        const quint8 before = mode;
        mode = quint8((mode + 1) % 8);
        rig.m_Prompts.answerChoice(iAnswer);
        QCOMPARE(quits(&w, [&w] { w.actions().last()->trigger(); }), iAnswer != 2);
        QCOMPARE(rig.m_Prompts.shown().size(), 1);
        QCOMPARE(rig.mouse().heldConfiguration().appliedSessions, iAnswer == 0 ? 1 : 0);
        QCOMPARE(mode == before, iAnswer == 1);
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
