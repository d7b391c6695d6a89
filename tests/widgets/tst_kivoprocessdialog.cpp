#include "TestAppFolder.h"
#include "widgets/KivoProcessDialog.h"

#include <QTimer>
#include <QtTest>

// The busy dialog: only the writer's signal closes it, and it sits over its window.
class TestKivoProcessDialog : public QObject
{
    Q_OBJECT
    TestAppFolder m_Folder;

private slots:
    void onlyTheWriterClosesIt()
    {
        KivoProcessDialog dialog;
        QTimer::singleShot(0, &dialog, &KivoProcessDialog::slotProcessDlg);
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));

        KivoProcessDialog second;
        second.show();
        QTest::keyClick(&second, Qt::Key_Escape);
        QVERIFY(!second.close());
        second.slotProcessDlg();
        // Scheduled, not done inside the call.
        QVERIFY(second.isVisible());
        QTRY_VERIFY(!second.isVisible());
        QCOMPARE(second.result(), int(QDialog::Accepted));
    }

    void centredOnItsParent()
    {
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
};

QTEST_MAIN(TestKivoProcessDialog)
#include "tst_kivoprocessdialog.moc"
