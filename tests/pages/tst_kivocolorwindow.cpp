#include "../app/WindowRig.h"
#include "model/GlobalRecords.h"
#include "pages/DefaultColorArea.h"
#include "pages/KivoColorArea.h"
#include "pages/KivoColorWindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QMenu>
#include <QSlider>
#include <QtTest>

// The lighting page on a record of its own and inside the main window: which controls each
// effect shows, what the controls store in the record, and that Apply sends it.
class TestKivoColorWindow : public QObject
{
    Q_OBJECT
private:
    template <typename T> static T* child(QWidget& w, const char* name)
    {
        return w.findChild<T*>(name);
    }
    static bool shown(QWidget& w, const char* name) { return !child<QWidget>(w, name)->isHidden(); }
    static void chooseFromMenu(KivoColorWindow& page, int iPos)
    {
        page.effectMenu()->actions().at(iPos)->trigger();
    }
    // Answers the colour dialog the next click opens.
    static void answerPicker(const QColor& color, bool bAccept, QColor* pStart = nullptr)
    {
        QTimer::singleShot(0, [=] {
            auto* dlg = qobject_cast<KivoColorArea*>(QApplication::activeModalWidget());
            QVERIFY(dlg);
            if (pStart)
                *pStart = dlg->color();
            dlg->setColor(color);
            bAccept ? dlg->accept() : dlg->reject();
        });
    }
    static void setDescription(const QString& folder, const QString& key, const QVariant& value)
    {
        QSettings ini(folder + "/DefaultProfile.bin", QSettings::IniFormat);
        if (value.isValid())
            ini.setValue("PROFILE/" + key, value);
        else
            ini.remove("PROFILE/" + key);
    }
    TestAppFolder m_Folder;
    ProfileData m_Profile;

private slots:
    void init()
    {
        m_Profile = ProfileData();
        for (LedSetting& led : m_Profile.LedInfo)
            led.bright = led.breath = 3;
    }

    // Each menu position, the effect it chooses and the controls that effect shows:
    // b(rightness), s(peed), c(olour).
    void effectShowsItsControls()
    {
        const QStringList controls = QString(",bc,bs,c,s,bs,bs,bs,bs,bs,bsc,bs").split(',');
        const char* names[] = {"brightnessLabel", "brightnessSlider", "speedLabel", "speedSlider",
                               "colorLabel",      "colorButton",      "swatch7"};
        const char kinds[] = "bbsscccc";
        KivoColorWindow page;
        page.loadProfile(&m_Profile, 0);
        for (int pos = 0; pos < controls.size(); ++pos) {
            const int effect = (pos + 1) % controls.size();
            chooseFromMenu(page, pos);
            QCOMPARE(int(m_Profile.LedMode), effect);
            for (int i = 0; i < 7; ++i)
                QVERIFY2(shown(page, names[i]) == controls[effect].contains(QChar(kinds[i])),
                         qPrintable(QString("effect %1: %2").arg(effect).arg(names[i])));
        }
    }

    void brightnessAndSpeedKeptPerEffect()
    {
        KivoColorWindow page;
        page.loadProfile(&m_Profile, 0);
        auto* bright = child<QSlider>(page, "brightnessSlider");
        auto* speed = child<QSlider>(page, "speedSlider");
        // A brightness outside 1..3 shows as 1 and is stored once the handle is let go there.
        m_Profile.LedInfo[5].bright = 0;
        page.selectEffect(KivoColorWindow::Rainbow);
        QCOMPARE(bright->value(), 1);
        QCOMPARE(m_Profile.LedInfo[5].bright, 0u);
        emit bright->sliderReleased();
        speed->setValue(4);
        page.selectEffect(KivoColorWindow::Wave);
        bright->setValue(3);
        speed->setValue(2);
        page.selectEffect(KivoColorWindow::Rainbow);
        QCOMPARE(bright->value(), 1);
        QCOMPARE(speed->value(), 4);
        const LedSetting* led = m_Profile.LedInfo;
        QCOMPARE(QVector<quint32>({led[5].bright, led[5].breath, led[6].bright, led[6].breath}),
                 QVector<quint32>({1, 4, 3, 2}));
    }

    void sleepAndMoveOff_data()
    {
        QTest::addColumn<QVariant>("min");
        QTest::addColumn<QVariant>("max");
        QTest::addColumn<int>("low");
        QTest::addColumn<int>("high");
        QTest::newRow("absent") << QVariant() << QVariant() << 1 << 9;
        QTest::newRow("described") << QVariant(3) << QVariant(30) << 3 << 30;
    }
    void sleepAndMoveOff()
    {
        QFETCH(QVariant, min);
        QFETCH(QVariant, max);
        QFETCH(int, low);
        QFETCH(int, high);
        setDescription(m_Folder.path(), "SleepMin", min);
        setDescription(m_Folder.path(), "SleepMax", max);
        m_Profile.LedSleepTime = 5;
        m_Profile.LedMoveOFF = 0;
        KivoColorWindow page;
        page.loadProfile(&m_Profile, 0);
        auto* sleep = child<QSlider>(page, "sleepSlider");
        QCOMPARE(sleep->minimum(), low);
        QCOMPARE(sleep->maximum(), high);
        sleep->setValue(high);
        QCOMPARE(int(m_Profile.LedSleepTime), high);
        auto* check = child<QCheckBox>(page, "moveOffCheck");
        QVERIFY(check->isChecked());
        check->click();
        QCOMPARE(m_Profile.LedMoveOFF, quint8(0xFF));
        check->click();
        QCOMPARE(m_Profile.LedMoveOFF, quint8(0));
    }

    // The colour button opens the dialog on the effect's colour, a swatch on the colour of the
    // mode at its place; only an accepted colour reaches the current effect.
    void pickedColourReachesRecord_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<bool>("accept");
        // An accepted colour from the button is picked end to end (e2e-lighting.sh).
        QTest::newRow("button rejected") << "colorButton" << false;
        QTest::newRow("swatch accepted") << "swatch3" << true;
    }
    void pickedColourReachesRecord()
    {
        QFETCH(QString, source);
        QFETCH(bool, accept);
        for (int i = 0; i < ProfileData::kLedModeCount; ++i)
            m_Profile.LedInfo[i].colour = QColor(i, 2 * i, 3 * i);
        m_Profile.LedMode = KivoColorWindow::Reactive;
        KivoColorWindow page;
        page.loadProfile(&m_Profile, 0);
        const LedSetting before = m_Profile.LedInfo[10];
        const QColor picked(200, 100, 51);
        QColor start;
        answerPicker(picked, accept, &start);
        QTest::mouseClick(child<DefaultColorArea>(page, qPrintable(source)), Qt::LeftButton);
        QCOMPARE(start, source == "swatch3" ? QColor(3, 6, 9) : QColor(10, 20, 30));
        const LedSetting& led = m_Profile.LedInfo[10];
        if (!accept) {
            QVERIFY(led == before);
            return;
        }
        QCOMPARE(led.colour, picked);
        QCOMPARE(QVector<quint32>({led.h, led.s, led.v}),
                 QVector<quint32>({quint32(picked.hsvHue()), quint32(picked.hsvSaturation()),
                                   quint32(picked.value())}));
        QCOMPARE(m_Profile.LedInfo[3].colour, QColor(3, 6, 9));
    }

    // Which record the window gives the page: the current slot's, slot 0's for the model whose
    // lighting all profiles share, none without lighting.
    void windowLoadsLightingSlot_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("product");
        QTest::addColumn<int>("slot");
        QTest::newRow("own slot") << "hornbeam" << QString() << 3;
        QTest::newRow("4460 shares slot 0") << "hornbeam" << QString("4460") << 0;
        QTest::newRow("ledDisable") << "linden" << QString() << -1;
    }
    void windowLoadsLightingSlot()
    {
        QFETCH(QString, model);
        QFETCH(QString, product);
        QFETCH(int, slot);
        WindowRig rig(model, true, false, 10, [&](const QString& folder) {
            if (!product.isEmpty())
                setDescription(folder, "ProductName", product);
        });
        auto* page = rig.window().findChild<KivoColorWindow*>();
        QCOMPARE(page != nullptr, slot >= 0);
        if (!page)
            return;
        MouseConfig& live = GlobalRecords::live();
        rig.window().statusFollower()->slotRefreshProfile(3);
        const MouseConfig before = live;
        page->selectEffect(KivoColorWindow::Reactive);
        QCOMPARE(page->profile(), &live.Profile[slot]);
        for (int i = 0; i < MouseConfig::kProfileCount; ++i)
            QCOMPARE(int(live.Profile[i].LedMode),
                     i == slot ? int(KivoColorWindow::Reactive) : int(before.Profile[i].LedMode));
        rig.window().statusFollower()->slotRefreshProfile(2);
        QCOMPARE(page->profile() == &live.Profile[0], slot == 0);
    }
};

QTEST_MAIN(TestKivoColorWindow)
#include "tst_kivocolorwindow.moc"
