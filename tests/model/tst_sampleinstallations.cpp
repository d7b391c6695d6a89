#include "TestAppFolder.h"
#include "buttons/ButtonCatalogue.h"
#include "model/DeviceDescription.h"
#include "model/ProfileFiles.h"
#include "model/ProfileRules.h"

#include <QSettings>
#include <QtTest>

#include <set>

class TestSampleInstallations : public QObject
{
    Q_OBJECT

private slots:
    void models_data();
    void descriptionFileIsComplete_data() { models_data(); }
    void descriptionFileIsComplete();
    void matricesDescribeTheButtons_data() { models_data(); }
    void matricesDescribeTheButtons();
    void factoryProfileIsUsable_data() { models_data(); }
    void factoryProfileIsUsable();
};

void TestSampleInstallations::models_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("product");
    QTest::addColumn<int>("sensor");
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("levels");
    QTest::newRow("hornbeam") << "hornbeam"
                              << "HORNBEAM" << 3389 << 9 << 8;
    QTest::newRow("linden") << "linden"
                            << "LINDEN" << 3325 << 7 << 6;
}

void TestSampleInstallations::descriptionFileIsComplete()
{
    QFETCH(QString, model);
    QFETCH(QString, product);
    QFETCH(int, buttons);
    QFETCH(int, levels);
    QSettings s(TestAppFolder::sampleDir(model) + "/DefaultProfile.bin", QSettings::IniFormat);
    QCOMPARE(s.status(), QSettings::NoError);
    QCOMPARE(s.childGroups(), QStringList{"PROFILE"});
    s.beginGroup("PROFILE");
    for (int i = 0; i < 14; ++i)
        QVERIFY(s.value(QString("LedMode/LED_MODE_%1_RGB").arg(i)).value<QColor>().isValid());
    // The counts are stored as operands, never as the plain number.
    QVERIFY(s.value("ButtonCount").toInt() != buttons);
    TestAppFolder folder(model);
    QCOMPARE(DeviceDescription::productName(), product);
    QCOMPARE(DeviceDescription::buttonCount(), buttons);
    QCOMPARE(DeviceDescription::dpiLevelCount(), levels);
}

void TestSampleInstallations::matricesDescribeTheButtons()
{
    QFETCH(QString, model);
    QFETCH(int, buttons);
    TestAppFolder folder(model);
    quint8 matrix[16];
    QCOMPARE(DeviceDescription::readButtonMatrix(matrix), 0);
    std::set<int> deviceSlots;
    for (int i = 0; i < buttons; ++i) {
        QVERIFY(matrix[i] < 14); // 14 and 15 are the wheel's slots
        deviceSlots.insert(matrix[i]);
    }
    QCOMPARE(int(deviceSlots.size()), buttons);

    quint8 display[16];
    QCOMPARE(DeviceDescription::readButtonDisplayMatrix(display), buttons);
    std::set<int> entries(display, display + buttons);
    QCOMPARE(int(entries.size()), buttons);
    QVERIFY(*entries.rbegin() < buttons);
}

void TestSampleInstallations::factoryProfileIsUsable()
{
    QFETCH(QString, model);
    QFETCH(int, sensor);
    QFETCH(int, buttons);
    QFETCH(int, levels);
    TestAppFolder folder(model);
    ProfileData p;
    ProfileRules::buildDefaultProfile(p);
    QCOMPARE(p.ButtonInfo[0].Fun, int(FunctionCode::LeftClick));
    for (int b = 0; b < 16; ++b) {
        // A code the button window can write and label, or none beyond the model's buttons.
        const int fun = p.ButtonInfo[b].Fun;
        QVERIFY2(ButtonCatalogue::find(fun) || fun == FunctionCode::None,
                 qPrintable(QString::number(b)));
        QCOMPARE(fun != FunctionCode::None, b < buttons);
    }
    QVERIFY(p.pollrate == 1 || p.pollrate == 2 || p.pollrate == 4 || p.pollrate == 8);
    QVERIFY(p.dpi < levels);
    QVERIFY(p.LedSleepTime >= DeviceDescription::sleepMin());
    QVERIFY(p.LedSleepTime <= DeviceDescription::sleepMax());
    // Levels rise, each within what the sensor offers.
    int previous = 0;
    for (int i = 0; i < ProfileData::kDpiLevelCount; ++i) {
        const int dpi = ProfileRules::dpiOfStep(p.DpiInfo[i].x, sensor);
        QVERIFY2(dpi > previous, qPrintable(QString("level %1: %2").arg(i).arg(dpi)));
        previous = dpi;
    }
    QVERIFY(previous <= (sensor == 3389 ? 32000 : 16000));

    // Every shipped profile file, slots and per-model list alike, holds that profile.
    MouseConfig c;
    ProfileFiles::loadConfiguration(c);
    for (int i = 0; i < MouseConfig::kProfileCount; ++i) {
        QCOMPARE(c.ProfileNames[i], QStringLiteral("Profile %1").arg(i + 1));
        QVERIFY(c.Profile[i] == p);
    }
    QStringList list = ProfileFiles::loadProfileList();
    QCOMPARE(list.size(), MouseConfig::kProfileCount);
    for (const QString& name : list << "DefaultProfile") {
        ProfileData fromFile;
        QVERIFY(ProfileFiles::loadProfile(fromFile, ProfileFiles::modelProfilePath(name)));
        QVERIFY2(fromFile == p, qPrintable(name));
    }
}

QTEST_GUILESS_MAIN(TestSampleInstallations)
#include "tst_sampleinstallations.moc"
