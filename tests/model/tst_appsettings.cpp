#include "TestAppFolder.h"
#include "model/AppPaths.h"
#include "model/AppSettings.h"
#include "model/IniFileCheck.h"

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

    void lightingVariantKeyFollowsTheProductName()
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

    void accentColours()
    {
        const QColor table[] = {{255, 0, 0},   {0, 255, 0},   {0, 0, 255},  {219, 200, 182},
                                {255, 0, 255}, {0, 255, 255}, {255, 125, 0}};
        for (int id = 0; id < 7; ++id)
            QCOMPARE(AppSettings::accentColor(id), table[id]);
        // Unknown ids fall back to red.
        for (int id : {7, -1, INT_MAX})
            QCOMPARE(AppSettings::accentColor(id), QColor(255, 0, 0));
        QCOMPARE(AppSettings::accentColor(3).alpha(), 255);
    }

    void batteryAndFullValue()
    {
        TestAppFolder folder;
        AppSettings::setBattery(73);
        QCOMPARE(AppSettings::battery(), 73);
        QCOMPARE(
            QSettings(AppPaths::configIni(), QSettings::IniFormat).value("Config/Battery").toInt(),
            73);
        setConfig("Config/BatteryFull", 3900);
        QCOMPARE(AppSettings::batteryFull(), 3900);
        QSettings(AppPaths::configIni(), QSettings::IniFormat).remove("Config/BatteryFull");
        QCOMPARE(AppSettings::batteryFull(), 4200);
        // The shell divides by the full value: nothing unusable gets through.
        for (const QVariant& bad : {QVariant(0), QVariant(-10), QVariant("full")}) {
            setConfig("Config/BatteryFull", bad);
            QCOMPARE(AppSettings::batteryFull(), 4200);
        }
    }

    void writesKeepTheOtherKeys()
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
        for (const char c : readRaw(AppPaths::configIni()))
            QVERIFY(static_cast<unsigned char>(c) < 0x80);
    }

    void languageList()
    {
        TestAppFolder folder;
        // Names beyond the count are read all the same.
        setConfig("FONT_LIST/LangName_9", "Deutsch");
        setConfig("FONT_LIST/LangFile_9", "de");
        LanguageList list = AppSettings::languageList();
        QCOMPARE(list.count, 3);
        QCOMPARE(list.names[9], QString("Deutsch"));
        QCOMPARE(list.files[9], QString("de"));

        setConfig("FONT_LIST/LANGNUM", 25);
        QCOMPARE(AppSettings::languageList().count, 10);
        setConfig("FONT_LIST/LANGNUM", -4);
        QCOMPARE(AppSettings::languageList().count, 0);
        setConfig("FONT_LIST/LANGNUM", "three");
        QCOMPARE(AppSettings::languageList().count, 0);

        // Hand-written UTF-8.
        writeRaw(AppPaths::configIni(),
                 QString::fromUtf8("[FONT_LIST]\nLANGNUM=2\nLangName_1=Français\n").toUtf8());
        list = AppSettings::languageList();
        QCOMPARE(list.count, 2);
        QCOMPARE(list.names[1], QString::fromUtf8("Français"));
    }

    void languageIndexLivesInLangConfig()
    {
        TestAppFolder folder;
        QCOMPARE(AppSettings::langId(), 0);
        QVERIFY(!QFile::exists(AppPaths::langConfigIni()));

        const QByteArray configBefore = readRaw(AppPaths::configIni());
        AppSettings::setLangId(2);
        QCOMPARE(AppSettings::langId(), 2);
        QCOMPARE(QSettings(AppPaths::langConfigIni(), QSettings::IniFormat)
                     .value("Config/LangID")
                     .toInt(),
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

        // The index of the running process: 0..9.
        QCOMPARE(AppSettings::currentLanguageIndex(), 0);
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
        QCOMPARE(AppSettings::fontFamily(), QString("Noto Sans"));
        QCOMPARE(AppSettings::fontSize(), 13);
        AppSettings::setCurrentLanguageIndex(1);
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
        font = AppSettings::currentFont(1.5);
        QCOMPARE(font.family(), QFont().family());
        QCOMPARE(font.pixelSize(), QFont().pixelSize());
        setConfig("FONT_LIST/FONT_SIZE_5", -12);
        QCOMPARE(AppSettings::fontSize(), 0);
        QCOMPARE(AppSettings::currentFont(1.0).pixelSize(), QFont().pixelSize());
    }

    void translationFiles()
    {
        TestAppFolder folder;
        const QString lang = AppPaths::appDir() + "/lang/";
        QCOMPARE(AppSettings::translationFile(0), lang + "en.qm");
        QCOMPARE(AppSettings::translationFile(2), lang + "tc.qm");
        for (int beyond : {3, 10, -1})
            QCOMPARE(AppSettings::translationFile(beyond), QString());
        setConfig("FONT_LIST/LangFile_4", "../../home/user/evil");
        QCOMPARE(AppSettings::translationFile(4), QString());
    }

    void damagedConfigReadsAsDefaults_data()
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
        QTest::newRow("50 MB garbage") << randomBytes(50 * 1024 * 1024, 11);
    }
    void damagedConfigReadsAsDefaults()
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

        // A write afterwards keeps at most the sound lines of the debris, within bounds.
        AppSettings::setBattery(55);
        QCOMPARE(AppSettings::battery(), 55);
        AppSettings::setLangId(1);
        QCOMPARE(AppSettings::langId(), 1);
        QVERIFY(IniFileCheck::isReadable(AppPaths::configIni()));
    }

    void truncatedConfigKeepsTheKeysBeforeTheCut()
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
    }
};

QTEST_MAIN(TestAppSettings)
#include "tst_appsettings.moc"
