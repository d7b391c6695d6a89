#include "tests/app/WindowRig.h"

#include "model/GlobalRecords.h"
#include "pages/DpiTabPages.h"
#include "pages/KivoDPIWindow.h"
#include "pages/KivoPointSpeed.h"
#include "pages/KivoReportRate.h"
#include "pages/KivoSingleDPI.h"
#include "pages/KivoTwoBarSlider.h"
#include "widgets/KivoPushButton.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QtTest>

// The DPI tab in the main window: Apply and OK take the same values from its pages to the mouse,
// the two lift-off controls agree, and what the mouse reports and every reload reach the pages.
class TestDpiTabWindow : public QObject
{
    Q_OBJECT
private slots:

    // Apply is driven end to end on the real widgets; OK must send the same values and close.
    void okSendsThePages()
    {
        WindowRig rig;
        MousecfgWidget& w = rig.window();
        QVERIFY(rig.open());
        w.show();
        DpiTabPages* tab = w.pages()->dpiTab();
        KivoSingleDPI* level2 = tab->dpiWindow()->row(1);
        level2->linkBox()->click();
        level2->slider()->xSlider()->setValue(100);
        level2->slider()->ySlider()->setValue(60);
        tab->dpiWindow()->stageButton(2)->click();
        tab->reportRate()->rateChoice(2)->click();
        KivoPointSpeed* speed = tab->pointSpeed();
        speed->box(KivoPointSpeed::LiftPair, false)->click();
        speed->scrollSpin()->setValue(7);
        // Nothing reaches the live record before the button, except the lift-off distance.
        QCOMPARE(GlobalRecords::live().activeProfile().pollrate, quint8(1));
        QCOMPARE(GlobalRecords::live().LiftHigh, quint8(2));

        w.findChild<KivoPushButton*>("okButton")->click();
        QCOMPARE(w.lastWrite().iResult, quint8(0));
        const MouseConfig& live = GlobalRecords::live();
        const ProfileData& p = live.activeProfile();
        // Stage, level 2's link, X and Y, rate, scroll speed and lift-off (the other settings of
        // the page are collected as tst_pointspeed checks).
        QCOMPARE(QVector<quint32>({p.dpi, p.DpiInfo[1].link, p.DpiInfo[1].x, p.DpiInfo[1].y,
                                   p.pollrate, p.scrollspeed, live.LiftHigh}),
                 QVector<quint32>({2, 0, 100, 60, 2, 7, 2}));
        // What the record becomes on the mouse is the write sequence's part; here only that
        // the button wrote it.
        QCOMPARE(int(rig.mouse().heldConfiguration().dpiTable[1].y), 60);
        QVERIFY(!w.isVisible() || w.isMinimized());
    }

    void liftControlsAgree()
    {
        WindowRig rig;
        DpiTabPages* tab = rig.window().pages()->dpiTab();
        tab->reportRate()->liftButton(0)->click();
        QCOMPARE(GlobalRecords::live().LiftHigh, quint8(1));
        QVERIFY(tab->pointSpeed()->box(KivoPointSpeed::LiftPair, true)->isChecked());
        tab->pointSpeed()->box(KivoPointSpeed::LiftPair, false)->click();
        QCOMPARE(GlobalRecords::live().LiftHigh, quint8(2));
        QVERIFY(tab->reportRate()->liftButton(1)->isChecked());
        QVERIFY(!tab->reportRate()->liftButton(0)->isChecked());
    }

    void reportsAndReloadsReachThePages()
    {
        WindowRig rig;
        MousecfgWidget& w = rig.window();
        DpiTabPages* tab = w.pages()->dpiTab();
        KivoDPIWindow* dpi = tab->dpiWindow();
        w.statusFollower()->slotRefreshDPIStage(5);
        QCOMPARE(int(dpi->stage()), 5);
        QVERIFY(dpi->row(5)->isSelected());
        w.statusFollower()->slotRefreshRate(8);
        QCOMPARE(tab->reportRate()->rateButton()->text(), QStringLiteral("125 HZ"));

        // A profile switch, a device change and Cancel each show the record again.
        GlobalRecords::live().Profile[1].DpiInfo[0].x = 77;
        w.statusFollower()->slotRefreshProfile(1);
        QCOMPARE(dpi->level(0).x, 77u);
        dpi->stageButton(3)->click();
        w.refreshModelParts();
        QCOMPARE(dpi->stage(), GlobalRecords::live().activeProfile().dpi);
        tab->reportRate()->rateChoice(0)->click();
        rig.m_Prompts.answerQuestion(true);
        w.findChild<KivoPushButton*>("cancelButton")->click();
        QCOMPARE(tab->reportRate()->rateCode(), GlobalRecords::live().activeProfile().pollrate);
    }
};

QTEST_MAIN(TestDpiTabWindow)
#include "tst_dpitabwindow.moc"
