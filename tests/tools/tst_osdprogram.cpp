#include "platform/OsdClient.h"
#include "platform/OsdMessage.h"
#include "widgets/ColourContrast.h"
#include "widgets/OsdPalette.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <sys/stat.h>

// The on-screen-display program as the tool meets it: started on its own, addressed by name,
// alone per user.
class TestOsdProgram : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_RuntimeDir;
    QString m_Program;

    QString address() const { return m_RuntimeDir.path() + "/" + OsdClient::serverName(); }

    void start(QProcess& process, int iIdleMs = 0)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_RUNTIME_DIR", m_RuntimeDir.path());
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("QT_LOGGING_RULES", "default.debug=true");
        if (iIdleMs > 0)
            env.insert("MOUSECFG_OSD_IDLE_MS", QString::number(iIdleMs));
        process.setProcessEnvironment(env);
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(m_Program, QStringList());
    }

    bool answers()
    {
        QLocalSocket socket;
        socket.connectToServer(address());
        return socket.waitForConnected(1000);
    }

    static void stop(QProcess& process)
    {
        process.kill();
        process.waitForFinished(10000);
    }

private slots:
    void initTestCase()
    {
        ::chmod(QFile::encodeName(m_RuntimeDir.path()).constData(), 0700);
        m_Program = QCoreApplication::applicationDirPath() + "/../bin/mouse-osd";
        QVERIFY2(QFileInfo(m_Program).isExecutable(), "mouse-osd is built with the tools");
    }

    // The text reads on the panel whatever desktop shows through it; the frame keeps the accent,
    // and an accent that reads already is the text colour as it is.
    void textReadsOnThePanel_data()
    {
        QTest::addColumn<QColor>("accent");
        QTest::addColumn<bool>("readsAsItIs");
        QTest::newRow("skin blue") << QColor(0, 0, 255) << false;
        QTest::newRow("dark red") << QColor(120, 0, 0) << false;
        QTest::newRow("black") << QColor(Qt::black) << false;
        QTest::newRow("mid grey") << QColor(128, 128, 128) << false;
        QTest::newRow("yellow") << QColor(255, 255, 0) << true;
        QTest::newRow("white") << QColor(Qt::white) << true;
    }
    void textReadsOnThePanel()
    {
        QFETCH(QColor, accent);
        QFETCH(bool, readsAsItIs);
        const QColor text = OsdPalette::text(accent);
        for (const QColor& behind : {QColor(Qt::white), QColor(Qt::black), QColor(Qt::blue)})
            QVERIFY2(ColourContrast::ratio(text, OsdPalette::panelOver(behind)) >=
                         ColourContrast::kReadable,
                     qPrintable(text.name() + " over " + behind.name()));
        QCOMPARE(OsdPalette::frame(accent), accent);
        QCOMPARE(text == accent, readsAsItIs);
        if (accent.hsvHue() >= 0)
            QVERIFY(qAbs(text.hsvHue() - accent.hsvHue()) <= 2);
    }

    void showsWhatItIsSentAndStaysRunning()
    {
        QProcess osd;
        start(osd);
        QTRY_VERIFY_WITH_TIMEOUT(answers(), 20000);
        QByteArray output;

        // Two blocks in one write, and one split over two writes.
        QLocalSocket raw;
        raw.connectToServer(address());
        QVERIFY(raw.waitForConnected(5000));
        const QByteArray a = OsdMessage::announcement("Profile 2", Qt::green).toBlock();
        const QByteArray b = OsdMessage::announcement("500 HZ", Qt::blue).toBlock();
        const QByteArray c = OsdMessage::announcement("DPI 1:400", Qt::cyan).toBlock();
        raw.write(a + b + c.left(100));
        QVERIFY(raw.waitForBytesWritten(5000));
        QTRY_VERIFY_WITH_TIMEOUT((output += osd.readAll()).contains("OSD: 500 HZ"), 10000);
        QVERIFY(output.contains("OSD: Profile 2"));
        QVERIFY(!output.contains("OSD: DPI 1:400"));
        raw.write(c.mid(100));
        QVERIFY(raw.waitForBytesWritten(5000));
        QTRY_VERIFY_WITH_TIMEOUT((output += osd.readAll()).contains("OSD: DPI 1:400"), 10000);
        QCOMPARE(osd.state(), QProcess::Running);
        stop(osd);
    }

    void leavesWhenIdleAndNoToolIsConnected()
    {
        QProcess osd;
        start(osd, 800);
        QTRY_VERIFY_WITH_TIMEOUT(answers(), 20000);
        auto client = std::make_unique<OsdClient>();
        client->setServerAddress(address());
        client->announce("Profile 1", QColor(255, 0, 0));
        QTRY_VERIFY_WITH_TIMEOUT(client->isConnected(), 10000);
        // A connected tool keeps it running however long it stays silent.
        QVERIFY(!osd.waitForFinished(2500));
        client.reset();
        QVERIFY(osd.waitForFinished(10000));
        QCOMPARE(osd.exitStatus(), QProcess::NormalExit);
        QCOMPARE(osd.exitCode(), 0);
        QVERIFY(osd.readAll().contains("OSD: idle, leaving"));
    }

    void secondInstanceLeaves()
    {
        QProcess first;
        start(first);
        QTRY_VERIFY_WITH_TIMEOUT(answers(), 20000);
        QProcess second;
        start(second);
        QVERIFY(second.waitForFinished(20000));
        QCOMPARE(second.exitCode(), 1);
        QVERIFY(answers());
        stop(first);
    }

    void socketLeftByACrashIsTakenOver()
    {
        QProcess first;
        start(first);
        QTRY_VERIFY_WITH_TIMEOUT(answers(), 20000);
        stop(first); // killed: its socket file stays behind
        QVERIFY(QFileInfo::exists(address()));
        QVERIFY(!answers());

        QProcess second;
        start(second);
        QTRY_VERIFY_WITH_TIMEOUT(answers(), 20000);
        QCOMPARE(second.state(), QProcess::Running);
        stop(second);
    }
};

QTEST_GUILESS_MAIN(TestOsdProgram)
#include "tst_osdprogram.moc"
