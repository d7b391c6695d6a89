#include "TestAppFolder.h"
#include "pages/KivoReportRate.h"
#include "widgets/KivoPushButton.h"

#include <QRadioButton>
#include <QtTest>

// The report-rate panel: rate codes and their texts, the lift-off rule and its signal.
class TestRatePanel : public QObject
{
    Q_OBJECT
    TestAppFolder m_Folder;

private slots:
    void rateCodes_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("checked"); // rate button checked after the load
        QTest::newRow("8") << 8 << "125 HZ" << 0;
        // 500 Hz is chosen, sent and shown again after a restart end to end (e2e-settings.sh).
        // Other codes show nothing, leave the buttons and are kept for Apply.
        QTest::newRow("0") << 0 << "" << 1;
        QTest::newRow("3") << 3 << "" << 1;
    }

    void rateCodes()
    {
        QFETCH(int, code);
        QFETCH(QString, text);
        QFETCH(int, checked);
        KivoReportRate panel(nullptr, 1.0, Qt::red);
        panel.retranslate();
        ProfileData profile;
        profile.pollrate = 4;
        panel.load(profile, 1);
        profile.pollrate = quint8(code);
        panel.load(profile, 1);
        QCOMPARE(panel.rateButton()->text(), text);
        QCOMPARE(panel.rateCode(), quint8(code));
        for (int i = 0; i < KivoReportRate::kRateCount; ++i)
            QCOMPARE(panel.rateChoice(i)->isChecked(), i == checked);

        // A choice sets the code it stands for (500 Hz is also chosen end to end).
        QTest::mouseClick(panel.rateChoice(3), Qt::LeftButton);
        QCOMPARE(panel.rateCode(), quint8(1));
    }

    void lift_data()
    {
        QTest::addColumn<int>("loaded");
        QTest::addColumn<int>("shown");
        QTest::newRow("0") << 0 << 2;
        QTest::newRow("1") << 1 << 1;
        QTest::newRow("255") << 255 << 2;
    }

    void lift()
    {
        QFETCH(int, loaded);
        QFETCH(int, shown);
        KivoReportRate panel(nullptr, 1.0, Qt::red);
        panel.show();
        QSignalSpy spy(&panel, &KivoReportRate::RefreshLift);
        panel.load(ProfileData(), loaded);
        QCOMPARE(int(panel.lift()), shown);
        QVERIFY(panel.liftButton(shown - 1)->isChecked());
        QVERIFY(!panel.liftButton(2 - shown)->isChecked());
        // A load is not a choice (a choice reaches the window: tst_dpitabwindow).
        QCOMPARE(spy.count(), 0);
    }
};

QTEST_MAIN(TestRatePanel)
#include "tst_ratepanel.moc"
