#include "device/SocketHidBackend.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <thread>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// The begin marker: AA 55 after the report ID and type, checksum ~(AA + 55) = 0.
const QByteArray kBegin = QByteArray::fromHex("0000aa55") + QByteArray(29, '\0');

} // namespace

// The real virtual-mouse program, reached the way the tool reaches it.
class TestVirtualMouseSocket : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_Dir;
    QProcess m_Program;
    QByteArray m_Output;

    static QString programPath()
    {
        return QDir(QCoreApplication::applicationDirPath() + "/../bin").filePath("virtual-mouse");
    }

    // Waits until the program printed a line containing text.
    bool waitForOutput(const QString& text, int milliseconds = 10000)
    {
        QElapsedTimer clock;
        clock.start();
        while (!m_Output.contains(text.toLocal8Bit())) {
            if (clock.elapsed() > milliseconds || m_Program.state() == QProcess::NotRunning)
                return false;
            m_Program.waitForReadyRead(100);
            m_Output += m_Program.readAllStandardOutput();
        }
        return true;
    }

    bool start(const QStringList& arguments)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("MOUSECFG_VIRTUAL_DIR", m_Dir.path());
        m_Program.setProcessEnvironment(env);
        m_Program.start(programPath(), arguments);
        return m_Program.waitForStarted() && waitForOutput("virtual mouse");
    }

    void command(const QByteArray& line)
    {
        m_Program.write(line + "\n");
        m_Program.waitForBytesWritten();
    }

    static int send(HidDevice& device, const QByteArray& r)
    {
        return device.write(reinterpret_cast<const quint8*>(r.constData()), r.size());
    }

    static QByteArray receive(HidDevice& device, int milliseconds, int* result = nullptr)
    {
        quint8 buffer[64] = {};
        const int n = device.readTimeout(buffer, 33, milliseconds);
        if (result)
            *result = n;
        return n > 0 ? QByteArray(reinterpret_cast<const char*>(buffer), n) : QByteArray();
    }

    std::shared_ptr<HidDevice> openControl(SocketHidBackend& backend, const char* link)
    {
        for (const HidDeviceInfo& info : backend.enumerate(0x3F1C, 0))
            if (info.interfaceNumber == 2 && info.path.contains(link))
                return backend.openPath(info.path, nullptr);
        return nullptr;
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(QFileInfo(programPath()).isExecutable(),
                 qPrintable("build the virtual-mouse target first: " + programPath()));
        QVERIFY(m_Dir.isValid());
        qputenv("MOUSECFG_VIRTUAL_DIR", QFile::encodeName(m_Dir.path()));
    }

    void cleanup()
    {
        if (m_Program.state() != QProcess::NotRunning) {
            m_Program.terminate();
            if (!m_Program.waitForFinished(10000))
                m_Program.kill();
            m_Program.waitForFinished();
        }
        m_Output.clear();
    }

    void enumeratesThePluggedInterfacesAndSkipsStaleSockets()
    {
        // A socket file whose program is gone: bound, never served.
        const QString stale = m_Dir.path() + "/HORNBEAM-1.sock";
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray encoded = QFile::encodeName(stale);
        memcpy(address.sun_path, encoded.constData(), encoded.size());
        QCOMPARE(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
        ::close(fd);

        QVERIFY(start({"--name", "LINDEN", "--receiver", "--cable", "--release", "0215"}));
        SocketHidBackend backend;
        QCOMPARE(backend.init(), 0);
        const auto found = backend.enumerate(0, 0);
        QCOMPARE(int(found.size()), 4);
        QStringList controls;
        for (const HidDeviceInfo& info : found) {
            QVERIFY(info.product.contains("LINDEN"));
            QCOMPARE(info.vendorId, quint16(0x3F1C));
            if (info.interfaceNumber == 2 && info.usagePage == 0xFF00 && info.usage == 0xFF00)
                controls
                    << QString("%1 %2").arg(info.productId, 0, 16).arg(info.releaseNumber, 0, 16);
        }
        controls.sort();
        QCOMPARE(controls, (QStringList{"7c21 100", "7c22 215"}));
        QCOMPARE(int(backend.enumerate(0, 0x7C21).size()), 2);
        HidOpenError error = HidOpenError::None;
        QVERIFY(!backend.openPath("virtual:HORNBEAM-1.sock:receiver:2", &error));
        QCOMPARE(error, HidOpenError::Absent);
        QFile::remove(stale);
    }

    void commandsFaultsAndPlugStateOverStandardInput()
    {
        QVERIFY(start({"--name", "HORNBEAM"}));
        SocketHidBackend backend;
        auto control = openControl(backend, "receiver");
        QVERIFY(control);
        QCOMPARE(send(*control, kBegin), 33);
        QCOMPARE(receive(*control, 5000), kBegin.mid(1));
        QVERIFY(waitForOutput("> receiver 00 00 aa 55"));

        command("unplug receiver");
        QVERIFY(waitForOutput("unplugged receiver"));
        QCOMPARE(send(*control, kBegin), -1);
        QCOMPARE(int(backend.enumerate(0, 0).size()), 0);

        command("plug receiver");
        QVERIFY(waitForOutput("\nplugged receiver"));
        QCOMPARE(int(backend.enumerate(0, 0).size()), 2);
        auto again = openControl(backend, "receiver");
        QVERIFY(again);
        QCOMPARE(send(*again, kBegin), 33);
        QCOMPARE(receive(*again, 5000), kBegin.mid(1));
    }

    void keepsRunningWithoutStandardInputAndCleansUp()
    {
        QVERIFY(start({"--cable"}));
        m_Program.closeWriteChannel();
        SocketHidBackend backend;
        auto control = openControl(backend, "cable");
        QVERIFY(control);
        QCOMPARE(send(*control, kBegin), 33);
        QCOMPARE(receive(*control, 5000), kBegin.mid(1));
        QCOMPARE(m_Program.state(), QProcess::Running);

        m_Program.terminate();
        QVERIFY(m_Program.waitForFinished(10000));
        QCOMPARE(m_Program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(m_Program.exitCode(), 0);
        QVERIFY(QDir(m_Dir.path()).entryList({"*.sock"}, QDir::System).isEmpty());
        int result = 0;
        receive(*control, 100, &result);
        QCOMPARE(result, -1);
    }

    void closeFromAnotherThreadEndsAWaitingRead()
    {
        QVERIFY(start({}));
        SocketHidBackend backend;
        auto control = openControl(backend, "receiver");
        QVERIFY(control);
        std::atomic<int> result{1};
        std::thread reader([&] {
            quint8 buffer[33];
            result = control->readTimeout(buffer, 33, 60000);
        });
        QThread::msleep(100);
        control->close();
        reader.join();
        QCOMPARE(result.load(), -1);
        QCOMPARE(send(*control, kBegin), -1);
        // The program lets the handle go and serves others as before.
        auto again = openControl(backend, "receiver");
        QVERIFY(again);
        QCOMPARE(send(*again, kBegin), 33);
        QCOMPARE(receive(*again, 5000), kBegin.mid(1));
    }

    void untrustedFolderIsIgnored()
    {
        QVERIFY(start({}));
        QVERIFY(QFile::setPermissions(m_Dir.path(),
                                      QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner | QFileDevice::WriteOther |
                                          QFileDevice::ReadOther | QFileDevice::ExeOther));
        SocketHidBackend backend(m_Dir.path());
        QCOMPARE(int(backend.enumerate(0, 0).size()), 0);
        QVERIFY(QFile::setPermissions(m_Dir.path(), QFileDevice::ReadOwner |
                                                        QFileDevice::WriteOwner |
                                                        QFileDevice::ExeOwner));
        QCOMPARE(int(backend.enumerate(0, 0).size()), 2);
    }
};

QTEST_GUILESS_MAIN(TestVirtualMouseSocket)
#include "tst_virtualmousesocket.moc"
