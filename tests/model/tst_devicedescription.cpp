#include "TestAppFolder.h"
#include "TestFiles.h"
#include "model/AppPaths.h"
#include "model/DeviceDescription.h"

#include <QDir>
#include <QFile>
#include <QtTest>

#include <cstring>
#include <functional>

namespace {
void writeDescription(const QByteArray& text)
{
    QVERIFY(TestFiles::write(AppPaths::deviceDescriptionFile(), text));
}

struct Switch
{
    const char* key;
    std::function<int()> read;
    int def;
};

QVector<Switch> switches()
{
    return {
        {"DisableMacro", DeviceDescription::disableMacro, 0},
        {"ShowSleep", DeviceDescription::showSleep, 1},
        {"SleepMin", DeviceDescription::sleepMin, 1},
        {"SleepMax", DeviceDescription::sleepMax, 9},
        {"ScrollRev", DeviceDescription::scrollRev, 0},
        {"MinDelay", DeviceDescription::minDelay, 1},
        {"33254", DeviceDescription::wideRange33254, 0},
        {"ColorMode", DeviceDescription::colorMode, 0},
        {"ledDisable", DeviceDescription::ledDisable, 0},
        {"SyncMode", DeviceDescription::syncMode, 0},
        {"french", DeviceDescription::french, -1},
        {"showMouseButton", DeviceDescription::showMouseButton, 1},
        {"CloseWindow", DeviceDescription::closeWindow, 0},
    };
}

} // namespace

class TestDeviceDescription : public QObject
{
    Q_OBJECT

private slots:
    void xorCounts_data()
    {
        QTest::addColumn<QByteArray>("keys");
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("levels");
        QTest::newRow("9 xor 0") << QByteArray("ButtonCount=9\nMouseDpi=0\nDPICount=1\n") << 9 << 8;
        QTest::newRow("13 xor 4, DPICount 15")
            << QByteArray("ButtonCount=13\nMouseDpi=4\nDPICount=15\n") << 9 << 6;
        QTest::newRow("MouseDpi absent") << QByteArray("ButtonCount=5\n") << 5 << 5;
        QTest::newRow("button count above 16 capped")
            << QByteArray("ButtonCount=40\nMouseDpi=0\nDPICount=40\n") << 16 << 0;
        QTest::newRow("negative counts bounded to 0")
            << QByteArray("ButtonCount=-7\nMouseDpi=0\nDPICount=0\n") << 0 << 0;
        QTest::newRow("level count above 8 capped")
            << QByteArray("ButtonCount=9\nMouseDpi=0\nDPICount=2\n") << 9 << 8;
        QTest::newRow("no keys") << QByteArray() << 0 << 0;
    }
    void xorCounts()
    {
        QFETCH(QByteArray, keys);
        QFETCH(int, buttons);
        QFETCH(int, levels);
        TestAppFolder folder;
        writeDescription("[PROFILE]\n" + keys);
        QCOMPARE(DeviceDescription::buttonCount(), buttons);
        QCOMPARE(DeviceDescription::dpiLevelCount(), levels);
        quint8 display[16];
        QCOMPARE(DeviceDescription::readButtonDisplayMatrix(display), buttons);
    }

    void missingFileGivesDefaultsAndLeavesOutputsUntouched()
    {
        TestAppFolder folder;
        // A folder in the file's place is no description either.
        QVERIFY(QFile::remove(AppPaths::deviceDescriptionFile()));
        QVERIFY(QDir().mkpath(AppPaths::deviceDescriptionFile()));
        QCOMPARE(DeviceDescription::productName(), QString());
        QCOMPARE(DeviceDescription::buttonCount(), 0);
        for (const Switch& s : switches())
            QVERIFY2(s.read() == s.def, s.key);

        quint8 matrix[16];
        std::memset(matrix, 0xAB, sizeof matrix);
        QCOMPARE(DeviceDescription::readButtonMatrix(matrix), -1);
        QCOMPARE(DeviceDescription::readButtonDisplayMatrix(matrix), -1);
        quint8 sensor[7];
        std::memset(sensor, 0xAB, sizeof sensor);
        QCOMPARE(DeviceDescription::readSensorDefaults(sensor), -1);
        QCOMPARE(QByteArray(reinterpret_cast<char*>(matrix), 16) +
                     QByteArray(reinterpret_cast<char*>(sensor), 7),
                 QByteArray(23, char(0xAB)));
        FactoryProfile factory;
        factory.Buttons[3].Fun = 4242;
        QCOMPARE(DeviceDescription::readFactoryProfile(factory), -1);
        QCOMPARE(factory.Buttons[3].Fun, 4242);
    }

    void switchesReadTheirKeys()
    {
        TestAppFolder folder;
        QByteArray text = "[PROFILE]\n";
        int value = 2;
        for (const Switch& s : switches())
            text += QByteArray(s.key) + "=" + QByteArray::number(value++) + "\n";
        writeDescription(text);
        value = 2;
        for (const Switch& s : switches())
            QVERIFY2(s.read() == value++, s.key);
    }

    void nonNumericValuesGiveTheDefault()
    {
        TestAppFolder folder;
        writeDescription("[PROFILE]\nSleepMax=nine\nfrench=fr\nShowSleep=\nButtonCount=abc\n"
                         "MouseDpi=3\nDPICount=1.5\nMinDelay=0\nsensormode=x\n"
                         "BUTTON_INFO_1_Matrix=two\nColorMode=1,2\n");
        // A delay unit of 0 (the last value) would divide macro delays by zero.
        QCOMPARE((QVector<int>{DeviceDescription::sleepMax(), DeviceDescription::french(),
                               DeviceDescription::showSleep(), DeviceDescription::colorMode(),
                               DeviceDescription::buttonCount(), DeviceDescription::dpiLevelCount(),
                               DeviceDescription::minDelay()}),
                 (QVector<int>{9, -1, 1, 0, 3, 3, 1}));
        quint8 sensor[7];
        QCOMPARE(DeviceDescription::readSensorDefaults(sensor), 0);
        QCOMPARE(sensor[DeviceDescription::SensorMode], quint8(1));
        quint8 matrix[16];
        QCOMPARE(DeviceDescription::readButtonMatrix(matrix), 0);
        QCOMPARE(matrix[1], quint8(0));
        writeDescription("[PROFILE]\nMinDelay=-5\n");
        QCOMPARE(DeviceDescription::minDelay(), 1);
    }

    void matricesKeepTheLowByte()
    {
        TestAppFolder folder;
        QByteArray text = "[PROFILE]\nButtonCount=12\nMouseDpi=5\nBUTTON_INFO_16_Matrix=3\n";
        for (int i = 0; i < 16; ++i) {
            const QByteArray key = "BUTTON_INFO_" + QByteArray::number(i);
            text += key + "_Matrix=" + QByteArray::number(i == 2 ? 258 : 15 - i) + "\n";
            if (i != 7)
                text += key + "_Matrix2=" + QByteArray::number(i < 9 ? i : 255) + "\n";
        }
        writeDescription(text);

        // Seventeen bytes: the entry beyond the table is never read.
        quint8 matrix[17];
        std::memset(matrix, 0xEE, sizeof matrix);
        QCOMPARE(DeviceDescription::readButtonMatrix(matrix), 0);
        for (int i = 0; i < 17; ++i)
            QCOMPARE(int(matrix[i]), i == 16 ? 0xEE : i == 2 ? 2 : 15 - i);
        quint8 display[17];
        std::memset(display, 0xEE, sizeof display);
        QCOMPARE(DeviceDescription::readButtonDisplayMatrix(display), 9);
        for (int i = 0; i < 17; ++i)
            QCOMPARE(int(display[i]), i == 16 ? 0xEE : i == 7 ? 0 : (i < 9 ? i : 255));
    }

    void sensorDefaultsInOrderWithPerKeyDefaults()
    {
        TestAppFolder folder;
        writeDescription("[PROFILE]\nsync=7\nsensormode=6\nwake=5\njitter=4\nbutondelay=3\n"
                         "angle=2\nlift=257\n");
        char values[8];
        std::memset(values, 0xEE, sizeof values);
        QCOMPARE(DeviceDescription::readSensorDefaults(reinterpret_cast<quint8*>(values)), 0);
        QCOMPARE(QByteArray(values, 8), QByteArray("\1\2\3\4\5\6\7\xEE", 8));
        writeDescription("[PROFILE]\nProductName=X\n");
        QCOMPARE(DeviceDescription::readSensorDefaults(reinterpret_cast<quint8*>(values)), 0);
        QCOMPARE(QByteArray(values, 7), QByteArray("\0\0\x14\0\0\1\0", 7));
    }

    void everyReadSeesTheCurrentFile()
    {
        TestAppFolder folder;
        writeDescription("[PROFILE]\nProductName=FIRST\nSleepMax=9\n");
        QCOMPARE(DeviceDescription::productName(), QString("FIRST"));
        // Qt's settings cache tells files apart by size and time stamp: a rewrite of the same
        // size within the same instant would still read the old text, so this one is longer.
        writeDescription("[PROFILE]\nProductName=SECOND-MODEL\nSleepMax=12\n");
        QCOMPARE(DeviceDescription::productName(), QString("SECOND-MODEL"));
        QCOMPARE(DeviceDescription::sleepMax(), 12);
        QFile::remove(AppPaths::deviceDescriptionFile());
        QCOMPARE(DeviceDescription::productName(), QString());
    }
};

QTEST_GUILESS_MAIN(TestDeviceDescription)
#include "tst_devicedescription.moc"
