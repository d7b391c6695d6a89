#include "TestAppFolder.h"

#include "device/BatteryPoller.h"
#include "device/DeviceAccess.h"
#include "device/DeviceLink.h"
#include "device/HidBackend.h"
#include "device/KivoProcessThread.h"
#include "model/GlobalRecords.h"
#include "model/MacroFile.h"
#include "model/ProfileFiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

// The whole road from the live configuration to a virtual-mouse program running as a process of
// its own, found and opened the way the tool finds a real mouse.
class TestEndToEndWrite : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_SocketDir;
    QProcess m_Program;
    QByteArray m_Output;

    static QString programPath()
    {
        return QDir(QCoreApplication::applicationDirPath() + "/../bin").filePath("virtual-mouse");
    }

    bool waitForOutput(const QByteArray& text, int from = 0, int milliseconds = 10000)
    {
        QElapsedTimer clock;
        clock.start();
        while (m_Output.indexOf(text, from) < 0) {
            if (clock.elapsed() > milliseconds || m_Program.state() == QProcess::NotRunning)
                return false;
            m_Program.waitForReadyRead(100);
            m_Output += m_Program.readAllStandardOutput();
        }
        return true;
    }

    // The program's description of what it holds, one line per entry.
    QStringList show()
    {
        m_Output += m_Program.readAllStandardOutput();
        const int from = m_Output.size();
        m_Program.write("show\nhelp\n");
        m_Program.waitForBytesWritten();
        if (!waitForOutput("commands:", from))
            return {};
        const QByteArray reply = m_Output.mid(from, m_Output.indexOf("commands:", from) - from);
        return QString::fromLocal8Bit(reply).split('\n', Qt::SkipEmptyParts);
    }

    static QString lineStarting(const QStringList& lines, const QString& prefix)
    {
        for (const QString& line : lines)
            if (line.startsWith(prefix))
                return line;
        return QString();
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(QFileInfo(programPath()).isExecutable(),
                 qPrintable("build the virtual-mouse target first: " + programPath()));
        QVERIFY(m_SocketDir.isValid());
        qputenv("MOUSECFG_VIRTUAL_DIR", QFile::encodeName(m_SocketDir.path()));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("MOUSECFG_VIRTUAL_DIR", m_SocketDir.path());
        m_Program.setProcessEnvironment(env);
        m_Program.start(programPath(), {"--name", "HORNBEAM", "--receiver", "--cable", "--quiet"});
        QVERIFY(m_Program.waitForStarted());
        QVERIFY(waitForOutput("virtual mouse HORNBEAM"));
    }

    void cleanupTestCase()
    {
        BatteryPoller::waitForThreads();
        DeviceAccess::closeAll();
        HidBackend::setCurrent(nullptr);
        if (m_Program.state() != QProcess::NotRunning) {
            m_Program.write("quit\n");
            if (!m_Program.waitForFinished(10000))
                m_Program.kill();
        }
    }

    void writtenConfigurationIsHeld()
    {
        TestAppFolder folder;
        QVERIFY(folder.isValid());
        // The production backend: the HID devices of this machine and the virtual mice.
        HidBackend::setCurrent(nullptr);
        DeviceAccess::initSlotTable();
        QCOMPARE(DeviceAccess::enumerate(), 0);
        QVERIFY(DeviceAccess::deviceNames().contains("HORNBEAM"));
        QCOMPARE(DeviceAccess::openByCodeName("HORNBEAM"), 1);
        QVERIFY(DeviceLink::instance().isCableOpen());

        MouseConfig& live = GlobalRecords::live();
        ProfileFiles::loadConfiguration(GlobalRecords::snapshot());
        live = GlobalRecords::snapshot();
        live.LiftHigh = 2;
        live.Debounce = 6;
        live.Sync = 1;
        ProfileData& p = live.Profile[0];
        p.dpi = 3;
        p.pollrate = 4;
        p.LedMode = 5;
        p.LedSleepTime = 3;
        p.LedInfo[5].breath = 2;
        p.LedInfo[5].bright = 1;
        for (int m = 0; m < ProfileData::kLedModeCount; ++m)
            p.LedInfo[m].colour = QColor(m, 2 * m, 3 * m);
        for (int i = 0; i < ProfileData::kDpiLevelCount; ++i) {
            p.DpiInfo[i].x = quint32(10 * (i + 1));
            p.DpiInfo[i].y = quint32(10 * (i + 1) + 5);
        }
        p.DpiInfo[7].x = 330;
        p.ButtonInfo[0].Fun = 1;
        p.ButtonInfo[1].Fun = 2;
        p.ButtonInfo[2].Fun = 47;
        p.ButtonInfo[3].Fun = 200; // device slot 4 by the sample's matrix
        p.ButtonInfo[3].macroname = "e2e";
        p.ButtonInfo[3].LoopNumber = 5;
        MacroEvent press;
        press.Map = 0x84;
        press.DataL = 0x04;
        MacroEvent release = press;
        release.Map = 0x04;
        MacroFile::saveEventList("e2e", {press, release});

        BatteryPoller poller;
        KivoProcessThread thread(&poller);
        thread.start(QThread::InheritPriority);
        QVERIFY(thread.wait(60000));
        QCOMPARE(int(thread.result()), 0);
        QVERIFY(poller.isPolling());
        poller.stopPolling();

        const QStringList lines = show();
        QVERIFY(!lines.isEmpty());
        QVERIFY2(lineStarting(lines, "sessions applied").startsWith("sessions applied 1,"),
                 qPrintable(lines.join('\n')));
        QCOMPARE(lineStarting(lines, "profile "),
                 QString("profile 0, DPI level 3, report rate code 4"));
        for (int i = 0; i < 7; ++i) {
            const QRegularExpression level(QString("^  level %1[* ] flag 0 x %2 y %3$")
                                               .arg(i)
                                               .arg(10 * (i + 1))
                                               .arg(10 * (i + 1) + 5));
            QVERIFY2(lines.indexOf(level) >= 0, qPrintable(QString::number(i)));
        }
        QVERIFY(lines.indexOf(QRegularExpression("^  level 7[* ] flag 1 x 170 y 85$")) >= 0);
        for (const char* slot :
             {"  slot  0: 81 00 00 00", "  slot  1: 82 00 00 00", "  slot  2: 88 00 00 00",
              "  slot  4: 91 00 05 00", "  slot 14: 8b 00 00 00", "  slot 15: 8c 00 00 00"})
            QVERIFY2(lines.contains(slot), slot);
        QCOMPARE(lineStarting(lines, "lighting:"),
                 QString("lighting: mode 5 speed 2 brightness 1, active colour 5 10 15, sleep 3, "
                         "off on move 0"));
        QCOMPARE(lineStarting(lines, "  mode colours:"),
                 QString("  mode colours: 0 0 0 | 1 2 3 | 2 4 6 | 3 6 9 | 4 8 12 | 5 10 15 | "
                         "6 12 18 | 7 14 21"));
        // The sample model keeps the debounce time where others keep angle snapping.
        QCOMPARE(lineStarting(lines, "sensor:"),
                 QString("sensor: lift-off 2, angle/debounce 6, sync 1"));
        QCOMPARE(lineStarting(lines, "macro block 0"),
                 QString("macro block 0 (8 bytes used): 84 04 00 04 04 00 06 01"));
        QVERIFY(lineStarting(lines, "macro block 1").isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestEndToEndWrite)
#include "tst_endtoendwrite.moc"
