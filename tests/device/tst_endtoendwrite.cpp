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
        // What each report holds is decoded in tst_writesequence; here a few values show that
        // the reports crossed over to the program and were applied.
        ProfileData& p = live.Profile[0];
        p.dpi = 3;
        p.pollrate = 4;
        p.DpiInfo[7].x = 330;
        p.DpiInfo[7].y = 85;
        p.ButtonInfo[3].Fun = FunctionCode::Macro; // device slot 4 by the sample's matrix
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
        QVERIFY(lines.indexOf(QRegularExpression("^  level 7[* ] flag 1 x 170 y 85$")) >= 0);
        QVERIFY(lines.contains("  slot  4: 91 00 05 00"));
        QCOMPARE(lineStarting(lines, "macro block 0"),
                 QString("macro block 0 (8 bytes used): 84 04 00 04 04 00 06 01"));
        QVERIFY(lineStarting(lines, "macro block 1").isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestEndToEndWrite)
#include "tst_endtoendwrite.moc"
