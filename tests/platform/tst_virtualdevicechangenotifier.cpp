#include "platform/VirtualDeviceChangeNotifier.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QtTest>

#include "device/VirtualSocketProtocol.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

QStringList texts(const QSignalSpy& spy)
{
    QStringList list;
    for (const QList<QVariant>& args : spy)
        list << args.at(0).toString();
    list.sort();
    return list;
}

} // namespace

class TestVirtualDeviceChangeNotifier : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_Dir;
    QProcess m_Program;

    static QString programPath()
    {
        return QDir(QCoreApplication::applicationDirPath() + "/../bin").filePath("virtual-mouse");
    }

    bool start(const QStringList& arguments)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("MOUSECFG_VIRTUAL_DIR", m_Dir.path());
        m_Program.setProcessEnvironment(env);
        m_Program.start(programPath(), arguments);
        if (!m_Program.waitForStarted())
            return false;
        QByteArray output;
        while (!output.contains("virtual mouse")) {
            if (!m_Program.waitForReadyRead(10000))
                return false;
            output += m_Program.readAllStandardOutput();
        }
        return true;
    }

    void command(const QByteArray& line)
    {
        m_Program.write(line + "\n");
        m_Program.waitForBytesWritten();
    }

    static bool waitForCount(QSignalSpy& spy, int count)
    {
        for (int i = 0; i < 100 && spy.count() < count; ++i)
            spy.wait(100);
        return spy.count() == count;
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(QFileInfo(programPath()).isExecutable(),
                 qPrintable("build the virtual-mouse target first: " + programPath()));
        QVERIFY(m_Dir.isValid());
    }

    void cleanup()
    {
        m_Program.terminate();
        m_Program.waitForFinished(10000);
    }

    // A program that ran before the notifier, a link plugged while it runs, and the program's
    // end (an unplug of one link is driven end to end through the tool in e2e-shell.sh).
    void followsAProgramFromBeforeItToItsEnd()
    {
        QVERIFY(start({"--name", "HORNBEAM", "--receiver"}));
        VirtualDeviceChangeNotifier notifier(m_Dir.path());
        QVERIFY(notifier.isActive());
        QSignalSpy arrived(&notifier, &DeviceChangeNotifier::deviceArrived);
        QSignalSpy removed(&notifier, &DeviceChangeNotifier::deviceRemoved);
        QVERIFY(waitForCount(arrived, 2));
        const QStringList receiver = texts(arrived);
        QVERIFY(receiver[0].startsWith("\\\\?\\HID#VID_3F1C&PID_7C21&MI_00#"));
        QVERIFY(receiver[1].startsWith("\\\\?\\HID#VID_3F1C&PID_7C21&MI_02#"));

        command("plug cable");
        QVERIFY(waitForCount(arrived, 4));
        const QStringList paths = texts(arrived);
        QCOMPARE(paths.filter("PID_7C22&MI_0").size(), 2);
        // Each link has its own instance part.
        QCOMPARE(QSet<QString>(paths.begin(), paths.end()).size(), 4);
        m_Program.terminate();
        QVERIFY(m_Program.waitForFinished(10000));
        QVERIFY(waitForCount(removed, 4));
        QCOMPARE(texts(removed), paths);
    }

    void followsAProgramThatAcceptsAMomentAfterItsSocketAppears()
    {
        // The socket file exists (bound) before the program listens: the first connections are
        // refused, which must not make the notifier give the mouse up for good.
        const QString path = m_Dir.path() + "/late" + VirtualSocketProtocol::socketSuffix();
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        QVERIFY(fd >= 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        qstrncpy(address.sun_path, QFile::encodeName(path).constData(), sizeof address.sun_path);
        QVERIFY(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0);

        VirtualDeviceChangeNotifier notifier(m_Dir.path());
        QSignalSpy arrived(&notifier, &DeviceChangeNotifier::deviceArrived);
        QTest::qWait(500);
        QCOMPARE(arrived.count(), 0);

        QLocalServer server;
        QVERIFY(::listen(fd, 4) == 0);
        QVERIFY(server.listen(fd));
        connect(&server, &QLocalServer::newConnection, &server, [&server] {
            QLocalSocket* peer = server.nextPendingConnection();
            HidDeviceInfo control;
            control.path = "receiver:2";
            control.vendorId = 0x3F1C;
            control.productId = 0x7C21;
            control.interfaceNumber = 2;
            peer->write(
                VirtualSocketProtocol::frame(VirtualSocketProtocol::Interfaces,
                                             VirtualSocketProtocol::encodeInterfaces({control})));
        });
        QVERIFY(waitForCount(arrived, 1));
        QVERIFY(texts(arrived)[0].startsWith("\\\\?\\HID#VID_3F1C&PID_7C21&MI_02#"));
        server.close();
        ::close(fd);
    }
};

QTEST_GUILESS_MAIN(TestVirtualDeviceChangeNotifier)
#include "tst_virtualdevicechangenotifier.moc"
