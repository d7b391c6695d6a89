#include "TestAppFolder.h"
#include "widgets/KivoProcessDialog.h"

#include <QTimer>
#include <QtTest>

// The busy dialog: only the writer's signal closes it.
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
};

QTEST_MAIN(TestKivoProcessDialog)
#include "tst_kivoprocessdialog.moc"
