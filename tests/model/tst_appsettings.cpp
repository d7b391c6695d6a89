#include "TestAppFolder.h"
#include "model/AppPaths.h"
#include "model/AppSettings.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSettings>
#include <QtTest>

#include <cstring>

namespace {
void writeRaw(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), qint64(bytes.size()));
}

QByteArray readRaw(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void setConfig(const QString& key, const QVariant& value)
{
    QSettings(AppPaths::configIni(), QSettings::IniFormat).setValue(key, value);
}

QByteArray randomBytes(int size, quint32 seed)
{
    QRandomGenerator rng(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; i += 4) {
        const quint32 word = rng.generate();
        std::memcpy(bytes.data() + i, &word, qMin(4, size - i));
    }
    return bytes;
}
} // namespace

class TestAppSettings : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { AppSettings::setCurrentLanguageIndex(0); }
    void sampleInstallationValues();
    void lightingVariantKeyFollowsTheProductName();
    void accentColours_data();
    void accentColours();
    void batteryAndFullValue();
    void writesKeepTheOtherKeys();
    void languageListBoundsTheCount();
    void languageListReadsHandWrittenUtf8();
    void languageIndexLivesInLangConfig();
    void currentLanguageIndex();
    void fontOfTheCurrentLanguage();
    void translationFiles();
    void damagedConfigReadsAsDefaults_data();
    void damagedConfigReadsAsDefaults();
    void truncatedConfigKeepsTheKeysBeforeTheCut();
    void hugeGarbageConfigReturns();
};

void TestAppSettings::sampleInstallationValues()
{
    {
        TestAppFolder folder("hornbeam");
        QCOMPARE(AppSettings::sensorNumber(), 3389);
        QCOMPARE(AppSettings::accentColorId(), 2);
        QCOMPARE(AppSettings::mouseListName(), QString("HORNBEAM"));
        QVERIFY(AppSettings::modelText().startsWith("HORNBEAM"));
        QCOMPARE(AppSettings::batteryFull(), 4200);
    }
    {
        TestAppFolder folder("linden");
        QCOMPARE(AppSettings::sensorNumber(), 3325);
        QCOMPARE(AppSettings::accentColorId(), 6);
        QCOMPARE(AppSettings::mouseListName(), QString("LINDEN"));
        QCOMPARE(AppSettings::batteryFull(), 4100);
    }
}

void TestAppSettings::lightingVariantKeyFollowsTheProductName()
{
    TestAppFolder folder("hornbeam");
    QCOMPARE(AppSettings::ledVariant("HORNBEAM"), 1);
    setConfig("MouseLEDMode/X-200", 5);
    QCOMPARE(AppSettings::ledVariant("X-200"), 5);
    QCOMPARE(AppSettings::ledVariant("LINDEN"), 0);
    QCOMPARE(AppSettings::ledVariant("hornbeam"), 0);
    QCOMPARE(AppSettings::ledVariant(QString()), 0);
    QVERIFY(readRaw(AppPaths::configIni()).contains("[MouseLEDMode]\nHORNBEAM=1"));
}

void TestAppSettings::accentColours_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("0") << 0 << QColor(255, 0, 0);
    QTest::newRow("1") << 1 << QColor(0, 255, 0);
    QTest::newRow("2") << 2 << QColor(0, 0, 255);
    QTest::newRow("3") << 3 << QColor(219, 200, 182);
    QTest::newRow("4") << 4 << QColor(255, 0, 255);
    QTest::newRow("5") << 5 << QColor(0, 255, 255);
    QTest::newRow("6") << 6 << QColor(255, 125, 0);
    QTest::newRow("7 falls back to red") << 7 << QColor(255, 0, 0);
    QTest::newRow("-1 falls back to red") << -1 << QColor(255, 0, 0);
    QTest::newRow("huge falls back to red") << INT_MAX << QColor(255, 0, 0);
}

void TestAppSettings::accentColours()
{
    QFETCH(int, id);
    QFETCH(QColor, colour);
    const QColor got = AppSettings::accentColor(id);
    QCOMPARE(got, colour);
    QCOMPARE(got.alpha(), 255);
}

void TestAppSettings::batteryAndFullValue()
{
    TestAppFolder folder;
    AppSettings::setBattery(73);
    QCOMPARE(AppSettings::battery(), 73);
    QCOMPARE(QSettings(AppPaths::configIni(), QSettings::IniFormat).value("Config/Battery").toInt(),
             73);

    setConfig("Config/BatteryFull", 3900);
    QCOMPARE(AppSettings::batteryFull(), 3900);
    QSettings(AppPaths::configIni(), QSettings::IniFormat).remove("Config/BatteryFull");
    QCOMPARE(AppSettings::batteryFull(), 4200);
    // The shell divides by the full value: nothing unusable gets through.
    setConfig("Config/BatteryFull", 0);
    QCOMPARE(AppSettings::batteryFull(), 4200);
    setConfig("Config/BatteryFull", -10);
    QCOMPARE(AppSettings::batteryFull(), 4200);
    setConfig("Config/BatteryFull", "full");
    QCOMPARE(AppSettings::batteryFull(), 4200);
}

void TestAppSettings::writesKeepTheOtherKeys()
{
    TestAppFolder folder;
    const LanguageList before = AppSettings::languageList();
    AppSettings::setCurrentProductName("LINDEN");
    AppSettings::setBattery(12);
    QCOMPARE(QSettings(AppPaths::configIni(), QSettings::IniFormat)
                 .value("Config/CurrentProductName")
                 .toString(),
             QString("LINDEN"));
    QCOMPARE(AppSettings::sensorNumber(), 3389);
    QCOMPARE(AppSettings::mouseListName(), QString("HORNBEAM"));
    const LanguageList after = AppSettings::languageList();
    QCOMPARE(after.count, before.count);
    for (int i = 0; i < LanguageList::kMaxLanguages; ++i)
        QCOMPARE(after.names[i], before.names[i]);
    // Written the way any reader, with or without a codec, reads it back.
    const QByteArray raw = readRaw(AppPaths::configIni());
    for (const char c : raw)
        QVERIFY(static_cast<unsigned char>(c) < 0x80);
}

void TestAppSettings::languageListBoundsTheCount()
{
    TestAppFolder folder;
    LanguageList list = AppSettings::languageList();
    QCOMPARE(list.count, 3);
    QCOMPARE(list.names[0], QString("English"));
    QCOMPARE(list.names[1], QString::fromUtf8("简体中文"));
    QCOMPARE(list.names[2], QString::fromUtf8("繁體中文"));
    QCOMPARE(list.files[0], QString("en"));
    QCOMPARE(list.files[1], QString("sc"));
    QCOMPARE(list.files[2], QString("tc"));
    QCOMPARE(list.names[3], QString());

    // Names beyond the count are read all the same.
    setConfig("FONT_LIST/LangName_9", "Deutsch");
    setConfig("FONT_LIST/LangFile_9", "de");
    list = AppSettings::languageList();
    QCOMPARE(list.count, 3);
    QCOMPARE(list.names[9], QString("Deutsch"));
    QCOMPARE(list.files[9], QString("de"));

    setConfig("FONT_LIST/LANGNUM", 25);
    QCOMPARE(AppSettings::languageList().count, 10);
    setConfig("FONT_LIST/LANGNUM", -4);
    QCOMPARE(AppSettings::languageList().count, 0);
    setConfig("FONT_LIST/LANGNUM", "three");
    QCOMPARE(AppSettings::languageList().count, 0);
}

void TestAppSettings::languageListReadsHandWrittenUtf8()
{
    TestAppFolder folder;
    writeRaw(AppPaths::configIni(), QString::fromUtf8("[FONT_LIST]\nLANGNUM=2\nLangName_0=English\n"
                                                      "LangName_1=Français\nLangFile_1=fr\n")
                                        .toUtf8());
    const LanguageList list = AppSettings::languageList();
    QCOMPARE(list.count, 2);
    QCOMPARE(list.names[1], QString::fromUtf8("Français"));
}

void TestAppSettings::languageIndexLivesInLangConfig()
{
    TestAppFolder folder;
    QVERIFY(!QFile::exists(AppPaths::langConfigIni()));
    QCOMPARE(AppSettings::languageList().count, 3);
    QCOMPARE(AppSettings::langId(), 0);
    QVERIFY(!QFile::exists(AppPaths::langConfigIni()));

    const QByteArray configBefore = readRaw(AppPaths::configIni());
    AppSettings::setLangId(2);
    QCOMPARE(AppSettings::langId(), 2);
    QCOMPARE(
        QSettings(AppPaths::langConfigIni(), QSettings::IniFormat).value("Config/LangID").toInt(),
        2);
    QCOMPARE(readRaw(AppPaths::configIni()), configBefore);

    // Indexes no language list can hold select the first language.
    AppSettings::setLangId(12);
    QCOMPARE(AppSettings::langId(), 0);
    AppSettings::setLangId(-1);
    QCOMPARE(AppSettings::langId(), 0);
    writeRaw(AppPaths::langConfigIni(), QByteArray(100, '\0'));
    QCOMPARE(AppSettings::langId(), 0);
    AppSettings::setLangId(1);
    QCOMPARE(AppSettings::langId(), 1);
}

void TestAppSettings::currentLanguageIndex()
{
    QCOMPARE(AppSettings::currentLanguageIndex(), 0);
    AppSettings::setCurrentLanguageIndex(2);
    QCOMPARE(AppSettings::currentLanguageIndex(), 2);
    AppSettings::setCurrentLanguageIndex(9);
    QCOMPARE(AppSettings::currentLanguageIndex(), 9);
    AppSettings::setCurrentLanguageIndex(10);
    QCOMPARE(AppSettings::currentLanguageIndex(), 0);
    AppSettings::setCurrentLanguageIndex(-3);
    QCOMPARE(AppSettings::currentLanguageIndex(), 0);
}

void TestAppSettings::fontOfTheCurrentLanguage()
{
    TestAppFolder folder;
    QCOMPARE(AppSettings::fontFamily(), QString("Noto Sans"));
    QCOMPARE(AppSettings::fontSize(), 13);
    AppSettings::setCurrentLanguageIndex(1);
    QCOMPARE(AppSettings::fontFamily(), QString("Noto Sans CJK SC"));
    QCOMPARE(AppSettings::fontSize(), 14);
    QFont font = AppSettings::currentFont(1.25); // 17.5 rounds to 18
    QCOMPARE(font.family(), QString("Noto Sans CJK SC"));
    QCOMPARE(font.pixelSize(), 18);
    QCOMPARE(AppSettings::currentFont().pixelSize(), 14);
    AppSettings::setCurrentLanguageIndex(2);
    QCOMPARE(AppSettings::currentFont(2.0).pixelSize(), 28);
    QCOMPARE(AppSettings::currentFont(2.0).family(), QString("Noto Sans CJK TC"));

    // Read at each call, not cached.
    setConfig("FONT_LIST/FONT_SIZE_2", 16);
    QCOMPARE(AppSettings::currentFont(1.0).pixelSize(), 16);

    // A language without font keys keeps the system font.
    AppSettings::setCurrentLanguageIndex(5);
    QCOMPARE(AppSettings::fontFamily(), QString());
    QCOMPARE(AppSettings::fontSize(), 0);
    font = AppSettings::currentFont(1.5);
    QCOMPARE(font.family(), QFont().family());
    QCOMPARE(font.pixelSize(), QFont().pixelSize());
    setConfig("FONT_LIST/FONT_SIZE_5", -12);
    QCOMPARE(AppSettings::fontSize(), 0);
    QCOMPARE(AppSettings::currentFont(1.0).pixelSize(), QFont().pixelSize());
}

void TestAppSettings::translationFiles()
{
    TestAppFolder folder;
    const QString lang = AppPaths::appDir() + "/lang/";
    QCOMPARE(AppSettings::translationFile(0), lang + "en.qm");
    QCOMPARE(AppSettings::translationFile(1), lang + "sc.qm");
    QCOMPARE(AppSettings::translationFile(2), lang + "tc.qm");
    QCOMPARE(AppSettings::translationFile(3), QString());
    QCOMPARE(AppSettings::translationFile(10), QString());
    QCOMPARE(AppSettings::translationFile(-1), QString());
    setConfig("FONT_LIST/LangFile_4", "../../home/user/evil");
    QCOMPARE(AppSettings::translationFile(4), QString());
}

void TestAppSettings::damagedConfigReadsAsDefaults_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("binary garbage") << randomBytes(64 * 1024, 3);
    QTest::newRow("nul bytes") << QByteArray(1000, '\0');
    QTest::newRow("unclosed section") << QByteArray("[MouseSenSor\n1=3389\n");
    QByteArray unclosed;
    for (int i = 0; i < 20000; ++i)
        unclosed += "[FONT_LIST\nLANGNUM=3\n";
    QTest::newRow("many unclosed sections") << unclosed;
}

void TestAppSettings::damagedConfigReadsAsDefaults()
{
    QFETCH(QByteArray, content);
    TestAppFolder folder;
    writeRaw(AppPaths::configIni(), content);
    writeRaw(AppPaths::langConfigIni(), content);
    QCOMPARE(AppSettings::sensorNumber(), 0);
    QCOMPARE(AppSettings::ledVariant("HORNBEAM"), 0);
    QCOMPARE(AppSettings::modelText(), QString());
    QCOMPARE(AppSettings::accentColorId(), 0);
    QCOMPARE(AppSettings::battery(), 0);
    QCOMPARE(AppSettings::batteryFull(), 4200);
    QCOMPARE(AppSettings::mouseListName(), QString());
    QCOMPARE(AppSettings::languageList().count, 0);
    QCOMPARE(AppSettings::langId(), 0);
    QCOMPARE(AppSettings::fontFamily(), QString());
    QCOMPARE(AppSettings::translationFile(0), QString());

    // A write afterwards starts a clean file instead of carrying the debris along.
    AppSettings::setBattery(55);
    QCOMPARE(AppSettings::battery(), 55);
    AppSettings::setLangId(1);
    QCOMPARE(AppSettings::langId(), 1);
    QVERIFY(QFileInfo(AppPaths::configIni()).size() < 1000);
}

void TestAppSettings::truncatedConfigKeepsTheKeysBeforeTheCut()
{
    TestAppFolder folder;
    const QByteArray text = readRaw(AppPaths::configIni());
    const int cut = text.indexOf("LangName_1=") + 5;
    QVERIFY(cut > 5);
    writeRaw(AppPaths::configIni(), text.left(cut));
    const LanguageList list = AppSettings::languageList();
    QCOMPARE(list.count, 3);
    QCOMPARE(list.names[0], QString("English"));
    QCOMPARE(list.names[1], QString());
    QCOMPARE(AppSettings::accentColorId(), 2); // [Config] stands before the cut
    QCOMPARE(AppSettings::sensorNumber(), 0);  // [MouseSenSor] stood after it
    QCOMPARE(AppSettings::batteryFull(), 4200);
}

void TestAppSettings::hugeGarbageConfigReturns()
{
    TestAppFolder folder;
    writeRaw(AppPaths::configIni(), randomBytes(50 * 1024 * 1024, 11));
    QCOMPARE(AppSettings::languageList().count, 0);
    QCOMPARE(AppSettings::sensorNumber(), 0);
    AppSettings::setCurrentProductName("HORNBEAM");
    QCOMPARE(QSettings(AppPaths::configIni(), QSettings::IniFormat)
                 .value("Config/CurrentProductName")
                 .toString(),
             QString("HORNBEAM"));
}

QTEST_MAIN(TestAppSettings)
#include "tst_appsettings.moc"
