#include "platform/InstanceChannel.h"
#include "platform/LockFileSingleInstance.h"
#include "platform/RuntimeDir.h"

#include <QtTest>

#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// The test program doubles as the other process: "--hold <dir> <name> [child]" takes the lock,
// says "held" or "busy" on stdout and, when it holds it, keeps it until it is killed or its
// standard input closes. With "child" it first starts a long-lived detached program, which
// must not keep the lock alive after the holder is gone.
int holdLock(const QString& dir, const QString& name, bool startChild)
{
    LockFileSingleInstance lock(dir);
    const bool held = lock.tryAcquire(name);
    if (held && startChild) {
        qint64 pid = 0;
        QProcess::startDetached("sleep", {"30"}, QString(), &pid);
        std::printf("child %lld\n", static_cast<long long>(pid));
    }
    std::printf(held ? "held\n" : lock.failure().isEmpty() ? "busy\n" : "refused\n");
    std::fflush(stdout);
    if (!held)
        return 1;
    char buffer[16];
    while (std::fread(buffer, 1, sizeof buffer, stdin) > 0) {
    }
    return 0;
}
} // namespace

class TestSingleInstance : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_Dir;

    // Starts a holder process and returns its first answer line ("held" or "busy").
    // `dir` null: the test's own folder; empty: the runtime folder the lock finds itself.
    QString startHolder(QProcess& process, const QString& name, bool startChild = false,
                        const QString& dir = QString())
    {
        QStringList args{"--hold", dir.isNull() ? m_Dir.path() : dir, name};
        if (startChild)
            args << "child";
        process.start(QCoreApplication::applicationFilePath(), args);
        if (!process.waitForStarted(10000))
            return "not started";
        QString answer;
        while (answer != "held" && answer != "busy" && answer != "refused") {
            if (!process.canReadLine() && !process.waitForReadyRead(10000))
                return "no answer";
            answer = QString::fromLatin1(process.readLine()).trimmed();
        }
        return answer;
    }

    static QByteArray request(const QStringList& args)
    {
        QByteArray bytes;
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out << args;
        return bytes;
    }

    // Writes `bytes` as a later start would and waits up to `iWaitMs` for the server to close;
    // the answer as "code:output", null when there was none.
    static QString ask(QLocalSocket& socket, const QByteArray& bytes, int iWaitMs)
    {
        socket.connectToServer(InstanceChannel::address("CHANNEL"));
        socket.write(bytes);
        (void)QTest::qWaitFor(
            [&socket] { return socket.state() == QLocalSocket::UnconnectedState; }, iWaitMs);
        QDataStream in(socket.readAll());
        qint32 code = 0;
        QString output;
        in >> code >> output;
        return in.status() == QDataStream::Ok ? QString("%1:%2").arg(code).arg(output) : QString();
    }

    static void stop(QProcess& process)
    {
        process.closeWriteChannel();
        if (!process.waitForFinished(10000))
            process.kill();
        process.waitForFinished(10000);
    }

private slots:
    void secondProcessIsRefusedUntilTheFirstEnds()
    {
        const QString name = SingleInstance::mutexName("HORNBEAM");
        QProcess first;
        QCOMPARE(startHolder(first, name), QString("held"));

        LockFileSingleInstance mine(m_Dir.path());
        QVERIFY(!mine.tryAcquire(name));
        QVERIFY(!mine.isHeld());

        stop(first);
        QVERIFY(mine.tryAcquire(name));
        QVERIFY(mine.isHeld());
    }

    void killedHolderFreesTheLockThoughItsChildLives()
    {
        const QString name = SingleInstance::mutexName("ALDER");
        QProcess holder;
        QCOMPARE(startHolder(holder, name, true), QString("held"));
        holder.kill(); // SIGKILL: no destructor, no clean-up of any kind
        QVERIFY(holder.waitForFinished(10000));
        const QByteArray out = holder.readAllStandardOutput();

        LockFileSingleInstance lock(m_Dir.path());
        const bool acquired = lock.tryAcquire(name);
        // Leave no stray sleeper behind.
        for (const QByteArray& line : out.split('\n')) {
            if (line.startsWith("child "))
                QProcess::execute("kill", {QString::fromLatin1(line.mid(6))});
        }
        QVERIFY(acquired);
    }

    void lockFilesStayInsideTheFolder()
    {
        LockFileSingleInstance lock(m_Dir.path());
        const QString a = lock.lockFilePath("../../etc/passwd");
        const QString b = lock.lockFilePath("../../etc/passwd ");
        QVERIFY(a.startsWith(m_Dir.path() + "/"));
        QVERIFY(!a.mid(m_Dir.path().size() + 1).contains('/'));
        QVERIFY(a != b);
        // Names that differ only in a character the file name cannot show.
        QVERIFY(lock.lockFilePath(SingleInstance::mutexName("LINDEN")) !=
                lock.lockFilePath(SingleInstance::mutexName("LINDEN/")));
        QVERIFY(lock.tryAcquire("../../etc/passwd"));
        QVERIFY(QFile::exists(a));
    }

    void hostileRequestClosesOnlyItsConnection_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("answer"); // null: the connection is closed unanswered
        QTest::addColumn<bool>("bWaits");    // an unfinished request is waited for, then dropped
        QTest::newRow("good") << request({"--raise", QString(), ""}) << "7:--raise|null|" << false;
        QTest::newRow("count 0x7fffffff") << QByteArray::fromHex("7fffffff") << QString() << false;
        QTest::newRow("huge string")
            << QByteArray::fromHex("000000017ffffffe") << QString() << false;
        QTest::newRow("odd string length")
            << QByteArray::fromHex("0000000100000003616263") << QString() << false;
        QTest::newRow("33 arguments")
            << request(QVector<QString>(33, "a").toList()) << QString() << false;
        QTest::newRow("over 64 KiB")
            << request(QVector<QString>(9, QString(4096, 'x')).toList()) << QString() << false;
        QTest::newRow("truncated") << request({"--raise"}).chopped(1) << QString() << true;
    }

    void hostileRequestClosesOnlyItsConnection()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, answer);
        QFETCH(bool, bWaits);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_Dir.path()));
        InstanceChannel channel;
        QVERIFY(channel.listen("CHANNEL"));
        channel.setHandler([](const QStringList& args, QString* output) {
            for (const QString& arg : args)
                *output += (output->isEmpty() ? "" : "|") + (arg.isNull() ? "null" : arg);
            return 7;
        });
        QLocalSocket first;
        QCOMPARE(ask(first, bytes, bWaits ? 500 : 2000), answer);
        QCOMPARE(first.state() == QLocalSocket::ConnectedState, bWaits);
        QLocalSocket next;
        QCOMPARE(ask(next, request({"--raise"}), 2000), QString("7:--raise"));
        QTRY_COMPARE_WITH_TIMEOUT(first.state(), QLocalSocket::UnconnectedState, 7000);
    }

    void lockNeedsAPrivateFolder_data()
    {
        QTest::addColumn<QString>("taken"); // what the fallback folders are before the first start
        QTest::addColumn<bool>("bLockable");
        QTest::newRow("<temp>/<uid> mode 0755") << "mode 0755" << true;
        QTest::newRow("<temp>/<uid> a link to a private folder") << "link" << true;
        QTest::newRow("every fallback a file") << "files" << false;
    }

    // Without $XDG_RUNTIME_DIR, a <temp>/<uid> that is not ours alone is passed over, and with
    // no private folder at all every start is refused: never two windows.
    void lockNeedsAPrivateFolder()
    {
        QFETCH(QString, taken);
        QFETCH(bool, bLockable);
        QTemporaryDir temp, target;
        const QByteArray uidDir = QFile::encodeName(temp.path() + "/" + QString::number(getuid()));
        const char* vars[] = {"XDG_RUNTIME_DIR", "TMPDIR", "HOME"};
        QByteArray saved[3];
        for (int i = 0; i < 3; ++i) {
            saved[i] = qgetenv(vars[i]);
            qputenv(vars[i], QFile::encodeName(temp.path()));
        }
        qunsetenv("XDG_RUNTIME_DIR");
        if (taken == "mode 0755")
            QVERIFY(::mkdir(uidDir.constData(), 0755) == 0 &&
                    ::chmod(uidDir.constData(), 0755) == 0);
        else if (taken == "link")
            QVERIFY(::symlink(QFile::encodeName(target.path()).constData(), uidDir.constData()) ==
                    0);
        for (const QString& dir : RuntimeDir::fallbacks()) { // files where folders should go
            if (taken == "files")
                QVERIFY(QDir().mkpath(QFileInfo(dir).path()) &&
                        QFile(dir).open(QIODevice::WriteOnly));
        }

        QProcess first;
        const QString name = SingleInstance::mutexName("ROWAN");
        const QString firstAnswer = startHolder(first, name, false, QString(""));
        LockFileSingleInstance second;
        const bool bSecond = second.tryAcquire(name);
        stop(first);
        for (int i = 0; i < 3; ++i)
            saved[i].isNull() ? qunsetenv(vars[i]) : qputenv(vars[i], saved[i]);
        QCOMPARE(firstAnswer, QString(bLockable ? "held" : "refused"));
        QVERIFY(!bSecond);
        QCOMPARE(second.failure().isEmpty(), bLockable);
    }

    void runtimeFolderIsPrivate()
    {
        QTemporaryDir base;
        const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");

        ::chmod(QFile::encodeName(base.path()).constData(), 0700);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(base.path()));
        QCOMPARE(RuntimeDir::path(), base.path());

        // A folder others can write into is not taken; the fallback must be private itself.
        ::chmod(QFile::encodeName(base.path()).constData(), 0777);
        const QString fallback = RuntimeDir::path();
        QVERIFY(fallback != base.path());
        QVERIFY(fallback.isEmpty() || RuntimeDir::isPrivate(fallback));

        if (saved.isNull())
            qunsetenv("XDG_RUNTIME_DIR");
        else
            qputenv("XDG_RUNTIME_DIR", saved);
    }
};

int main(int argc, char* argv[])
{
    if (argc >= 4 && qstrcmp(argv[1], "--hold") == 0) {
        QCoreApplication app(argc, argv);
        return holdLock(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]),
                        argc >= 5 && qstrcmp(argv[4], "child") == 0);
    }
    QCoreApplication app(argc, argv);
    TestSingleInstance test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_singleinstance.moc"
