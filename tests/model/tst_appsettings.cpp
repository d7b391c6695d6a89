#include "TestAppFolder.h"
#include "TestFiles.h"
#include "model/AppPaths.h"
#include "model/AppSettings.h"
#include "model/IniFileCheck.h"

#include <QFile>
#include <QSettings>
#include <QtTest>

namespace {
void setConfig(const QString& key, const QVariant& value)
{
    QSettings(AppPaths::configIni(), QSettings::IniFormat).setValue(key, value);
}

} // namespace

class TestAppSettings : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { AppSettings::setCurrentLanguageIndex(0); }

    void lightingVariantKeyFollowsTheProductName()
    {
        TestAppFolder folder("hornbeam");
        QCOMPARE(AppSettings::ledVariant("HORNBEAM"), 1);
        setConfig("MouseLEDMode/X-200", 5);
        QCOMPARE(AppSettings::ledVariant("X-200"), 5);
        QCOMPARE(AppSettings::ledVariant("hornbeam"), 0);
        QCOMPARE(AppSettings::ledVariant(QString()), 0);
    }

    void accentColours()
    {
        const QColor table[] = {{255, 0, 0},   {0, 255, 0},   {0, 0, 255},  {219, 200, 182},
                                {255, 0, 255}, {0, 255, 255}, {255, 125, 0}};
        for (int id = 0; id < 7; ++id)
            QCOMPARE(AppSettings::accentColor(id), table[id]);
        // Unknown ids fall back to red.
        for (int id : {7, -1, INT_MAX})
            QCOMPARE(AppSettings::accentColor(id), QColor(255, 0, 0));
    }

    void batteryAndFullValue()
    {
        TestAppFolder folder;
        AppSettings::setBattery(73);
        QCOMPARE(AppSettings::battery(), 73);
        setConfig("Config/BatteryFull", 3900);
        QCOMPARE(AppSettings::batteryFull(), 3900);
        // The shell divides by the full value: nothing unusable gets through.
        for (const QVariant& bad : {QVariant(0), QVariant(-10), QVariant("full")}) {
            setConfig("Config/BatteryFull", bad);
            QCOMPARE(AppSettings::batteryFull(), 4200);
        }
    }

    void languageList()
    {
        TestAppFolder folder;
        // Names beyond the count are read all the same.
        setConfig("FONT_LIST/LangName_9", "Deutsch");
        QCOMPARE(AppSettings::languageList().names[9], QString("Deutsch"));
        setConfig("FONT_LIST/LANGNUM", 25);
        QCOMPARE(AppSettings::languageList().count, 10);
        setConfig("FONT_LIST/LANGNUM", -4);
        QCOMPARE(AppSettings::languageList().count, 0);

        // Hand-written UTF-8.
        QVERIFY(TestFiles::write(
            AppPaths::configIni(),
            QString::fromUtf8("[FONT_LIST]\nLANGNUM=2\nLangName_1=Français\n").toUtf8()));
        QCOMPARE(AppSettings::languageList().names[1], QString::fromUtf8("Français"));
    }

    void languageIndexes()
    {
        TestAppFolder folder;
        QCOMPARE(AppSettings::langId(), 0);
        const QByteArray configBefore = TestFiles::read(AppPaths::configIni());
        AppSettings::setLangId(2);
        QCOMPARE(AppSettings::langId(), 2);
        QCOMPARE(QSettings(AppPaths::langConfigIni(), QSettings::IniFormat)
                     .value("Config/LangID")
                     .toInt(),
                 2);
        QCOMPARE(TestFiles::read(AppPaths::configIni()), configBefore);
        // Indexes no language list can hold select the first language.
        AppSettings::setLangId(12);
        QCOMPARE(AppSettings::langId(), 0);
        QVERIFY(TestFiles::write(AppPaths::langConfigIni(), QByteArray(100, '\0')));
        QCOMPARE(AppSettings::langId(), 0);

        // The index of the running process: 0..9.
        AppSettings::setCurrentLanguageIndex(9);
        QCOMPARE(AppSettings::currentLanguageIndex(), 9);
        AppSettings::setCurrentLanguageIndex(10);
        QCOMPARE(AppSettings::currentLanguageIndex(), 0);
        AppSettings::setCurrentLanguageIndex(-3);
        QCOMPARE(AppSettings::currentLanguageIndex(), 0);
    }

    void fontOfTheCurrentLanguage()
    {
        TestAppFolder folder;
        AppSettings::setCurrentLanguageIndex(1);
        QFont font = AppSettings::currentFont(1.25); // 14 * 1.25 = 17.5 rounds to 18
        QCOMPARE(font.family(), QString("Noto Sans CJK SC"));
        QCOMPARE(font.pixelSize(), 18);
        // Read at each call, not cached.
        AppSettings::setCurrentLanguageIndex(2);
        setConfig("FONT_LIST/FONT_SIZE_2", 16);
        QCOMPARE(AppSettings::currentFont(2.0).pixelSize(), 32);

        // A language without font keys keeps the system font.
        AppSettings::setCurrentLanguageIndex(5);
        setConfig("FONT_LIST/FONT_SIZE_5", -12);
        font = AppSettings::currentFont(1.5);
        QCOMPARE(font.family(), QFont().family());
        QCOMPARE(font.pixelSize(), QFont().pixelSize());
    }

    void translationFiles()
    {
        TestAppFolder folder;
        QCOMPARE(AppSettings::translationFile(2), AppPaths::appDir() + "/lang/tc.qm");
        for (int beyond : {3, 10, -1})
            QCOMPARE(AppSettings::translationFile(beyond), QString());
        setConfig("FONT_LIST/LangFile_4", "../../home/user/evil");
        QCOMPARE(AppSettings::translationFile(4), QString());
    }

    void damagedConfigReadsAsDefaults_data()
    {
        TestFiles::addDamagedRows();
        QTest::newRow("unclosed section") << QByteArray("[MouseSenSor\n1=3389\n");
    }
    void damagedConfigReadsAsDefaults()
    {
        QFETCH(QByteArray, content);
        TestAppFolder folder;
        QVERIFY(TestFiles::write(AppPaths::configIni(), content));
        QVERIFY(TestFiles::write(AppPaths::langConfigIni(), content));
        QCOMPARE(AppSettings::sensorNumber(), 0);
        QCOMPARE(AppSettings::ledVariant("HORNBEAM"), 0);
        QCOMPARE(AppSettings::battery(), 0);
        QCOMPARE(AppSettings::batteryFull(), 4200);
        QCOMPARE(AppSettings::languageList().count, 0);
        QCOMPARE(AppSettings::langId(), 0);
        QCOMPARE(AppSettings::translationFile(0), QString());

        // A write afterwards keeps at most the sound lines of the debris, within bounds.
        AppSettings::setBattery(55);
        QCOMPARE(AppSettings::battery(), 55);
        AppSettings::setLangId(1);
        QCOMPARE(AppSettings::langId(), 1);
        QVERIFY(IniFileCheck::isReadable(AppPaths::configIni()));
    }
};

QTEST_MAIN(TestAppSettings)
#include "tst_appsettings.moc"
