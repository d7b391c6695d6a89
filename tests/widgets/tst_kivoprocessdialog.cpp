#include "TestAppFolder.h"
#include "widgets/KivoProcessDialog.h"

#include <QKeyEvent>
#include <QMovie>
#include <QTimer>
#include <QtTest>

// The busy dialog: its look, and that only the writer's signal closes it.
class TestKivoProcessDialog : public QObject
{
    Q_OBJECT
private slots:
    void frameless128SquareWithAnimation();
    void writerSignalAcceptsOnTheNextTurn();
    void userCannotCloseIt();
    void centredOnItsParent();
};

void TestKivoProcessDialog::frameless128SquareWithAnimation()
{
    TestAppFolder folder;
    KivoProcessDialog dialog;
    QCOMPARE(dialog.size(), QSize(128, 128));
    QVERIFY(dialog.windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(dialog.testAttribute(Qt::WA_TranslucentBackground));
    QVERIFY(dialog.isModal());
    QVERIFY(dialog.movie()->isValid());
    QCOMPARE(dialog.movie()->fileName(), QStringLiteral(":/skin/loading.gif"));
    QCOMPARE(dialog.movie()->state(), QMovie::Running);
}

void TestKivoProcessDialog::writerSignalAcceptsOnTheNextTurn()
{
    TestAppFolder folder;
    KivoProcessDialog dialog;
    QTimer::singleShot(0, &dialog, &KivoProcessDialog::slotProcessDlg);
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));

    KivoProcessDialog second;
    second.show();
    second.slotProcessDlg();
    // Scheduled, not done inside the call.
    QVERIFY(second.isVisible());
    QTRY_VERIFY(!second.isVisible());
    QCOMPARE(second.result(), int(QDialog::Accepted));
}

void TestKivoProcessDialog::userCannotCloseIt()
{
    TestAppFolder folder;
    KivoProcessDialog dialog;
    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(!dialog.close());
    QVERIFY(dialog.isVisible());
    dialog.updateProgress();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void TestKivoProcessDialog::centredOnItsParent()
{
    TestAppFolder folder;
    QWidget window;
    window.setGeometry(100, 100, 999, 640);
    window.show();
    KivoProcessDialog dialog(&window);
    dialog.show();
    // Within a pixel: an even size has no middle pixel.
    const QPoint off = dialog.frameGeometry().center() - window.frameGeometry().center();
    QVERIFY2(qAbs(off.x()) <= 1 && qAbs(off.y()) <= 1,
             qPrintable(QString("%1,%2").arg(off.x()).arg(off.y())));
}

QTEST_MAIN(TestKivoProcessDialog)
#include "tst_kivoprocessdialog.moc"
