#include "platform/VirtualDeviceChangeNotifier.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
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

    void followsPlugAndUnplugOfARunningProgram()
    {
        VirtualDeviceChangeNotifier notifier(m_Dir.path());
        QVERIFY(notifier.isActive());
        QSignalSpy arrived(&notifier, &DeviceChangeNotifier::deviceArrived);
        QSignalSpy removed(&notifier, &DeviceChangeNotifier::deviceRemoved);

        QVERIFY(start({"--name", "HORNBEAM", "--receiver"}));
        QVERIFY(waitForCount(arrived, 2));
        const QStringList receiver = texts(arrived);
        QVERIFY(receiver[0].startsWith("\\\\?\\HID#VID_3F1C&PID_7C21&MI_00#"));
        QVERIFY(receiver[1].startsWith("\\\\?\\HID#VID_3F1C&PID_7C21&MI_02#"));
        QVERIFY(receiver[1].endsWith("#{4d1e55b2-f16f-11cf-88cb-001111000030}"));

        command("unplug receiver");
        QVERIFY(waitForCount(removed, 2));
        QCOMPARE(texts(removed), receiver);

        arrived.clear();
        command("plug cable");
        QVERIFY(waitForCount(arrived, 2));
        const QStringList cable = texts(arrived);
        QVERIFY(cable[0].startsWith("\\\\?\\HID#VID_3F1C&PID_7C22&MI_00#"));
        QVERIFY(cable[1].startsWith("\\\\?\\HID#VID_3F1C&PID_7C22&MI_02#"));

        // The program ends: its cable goes away with it.
        removed.clear();
        m_Program.terminate();
        QVERIFY(m_Program.waitForFinished(10000));
        QVERIFY(waitForCount(removed, 2));
        QCOMPARE(texts(removed), cable);
        QCOMPARE(arrived.count(), 2);
    }

    void announcesAProgramThatRanBeforeIt()
    {
        QVERIFY(start({"--name", "LINDEN", "--receiver", "--cable"}));
        VirtualDeviceChangeNotifier notifier(m_Dir.path());
        QSignalSpy arrived(&notifier, &DeviceChangeNotifier::deviceArrived);
        QVERIFY(waitForCount(arrived, 4));
        // Each link of each program has its own instance part.
        const QStringList paths = texts(arrived);
        QCOMPARE(QSet<QString>(paths.begin(), paths.end()).size(), 4);
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
            HidDeviceInfo mouse;
            mouse.path = "receiver:0";
            mouse.vendorId = 0x3F1C;
            mouse.productId = 0x7C21;
            mouse.interfaceNumber = 0;
            HidDeviceInfo control = mouse;
            control.path = "receiver:2";
            control.interfaceNumber = 2;
            peer->write(VirtualSocketProtocol::frame(
                VirtualSocketProtocol::Interfaces,
                VirtualSocketProtocol::encodeInterfaces({mouse, control})));
        });
        QVERIFY(waitForCount(arrived, 2));
        QVERIFY(texts(arrived)[1].startsWith("\\\\?\\HID#VID_3F1C&PID_7C21&MI_02#"));
        server.close();
        ::close(fd);
    }
};

QTEST_GUILESS_MAIN(TestVirtualDeviceChangeNotifier)
#include "tst_virtualdevicechangenotifier.moc"
