#include "platform/InstanceChannel.h"
#include "platform/LockFileSingleInstance.h"
#include "platform/RuntimeDir.h"

#include <QtTest>

#include <cstdio>
#include <sys/stat.h>

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
    std::printf(held ? "held\n" : lock.failure().isEmpty() ? "busy\n" : "busy unsafe\n");
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
        while (!answer.startsWith("held") && !answer.startsWith("busy")) {
            if (!process.canReadLine() && !process.waitForReadyRead(10000))
                return "no answer";
            answer = QString::fromLatin1(process.readLine()).trimmed();
        }
        return answer;
    }

    // A request as a later start writes it.
    static QByteArray request(const QStringList& args)
    {
        QByteArray bytes;
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out << args;
        return bytes;
    }

    // Writes `bytes` as a later start would; whether the server closed within `iWaitMs`.
    static bool ask(QLocalSocket& socket, const QByteArray& bytes, int iWaitMs)
    {
        socket.connectToServer(InstanceChannel::address("CHANNEL"));
        socket.write(bytes);
        return QTest::qWaitFor(
            [&socket] { return socket.state() == QLocalSocket::UnconnectedState; }, iWaitMs);
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
        QTest::newRow("good") << request({"--raise", "", "3"});
        QTest::newRow("count 0x7fffffff") << QByteArray::fromHex("7fffffff");
        QTest::newRow("huge string") << QByteArray::fromHex("000000017ffffffe");
        QTest::newRow("33 arguments") << request(QVector<QString>(33, "a").toList());
        QTest::newRow("over 64 KiB") << request(QVector<QString>(9, QString(4096, 'x')).toList());
        // Waited for a while, then dropped.
        QTest::newRow("truncated") << request({"--raise"}).chopped(1);
    }

    // Only a good request reaches the handler; whatever came before, the next one is answered.
    void hostileRequestClosesOnlyItsConnection()
    {
        QFETCH(QByteArray, bytes);
        const QByteArray tag = QTest::currentDataTag();
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_Dir.path()));
        InstanceChannel channel;
        QVERIFY(channel.listen("CHANNEL"));
        QStringList handled;
        channel.setHandler([&handled](auto& args, auto) { return handled << args.join('|'), 0; });
        QLocalSocket first, next;
        QCOMPARE(ask(first, bytes, tag == "truncated" ? 500 : 2000), tag != "truncated");
        QVERIFY(ask(next, request({"--raise"}), 2000));
        QCOMPARE(handled.join(' '), QString(tag == "good" ? "--raise||3 --raise" : "--raise"));
        QTRY_COMPARE_WITH_TIMEOUT(first.state(), QLocalSocket::UnconnectedState, 7000);
    }

    void lockNeedsAPrivateFolder_data()
    {
        QTest::addColumn<QString>("taken"); // what <temp>/<uid> is before the first start
        QTest::newRow("mode 0755") << "mode 0755";
        QTest::newRow("link to a private folder") << "link";
        QTest::newRow("temp and home not folders") << "file";
    }

    // Without $XDG_RUNTIME_DIR, a <temp>/<uid> that is not ours alone is passed over, and with
    // no private folder at all every start is refused: never two windows.
    void lockNeedsAPrivateFolder()
    {
        QFETCH(QString, taken);
        const bool bLockable = taken != "file";
        QTemporaryDir temp;
        // <temp>/<uid>: the folder we made is ours, so its owner is our uid.
        const QString uidDir =
            temp.path() + '/' + QString::number(QFileInfo(temp.path()).ownerId());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("XDG_RUNTIME_DIR");
        env.insert("TMPDIR", taken == "file" ? uidDir : temp.path());
        env.insert("HOME", env.value("TMPDIR"));
        if (taken == "mode 0755")
            QVERIFY(QDir().mkdir(uidDir) && QFile::setPermissions(uidDir, QFlag(0x7755)));
        else
            QVERIFY(taken == "link" ? QFile::link(m_Dir.path(), uidDir)
                                    : QFile(uidDir).open(QIODevice::WriteOnly));
        QProcess first, next;
        for (QProcess* process : {&first, &next})
            process->setProcessEnvironment(env);
        QCOMPARE(startHolder(first, "ELM", false, ""), QString(bLockable ? "held" : "busy unsafe"));
        QCOMPARE(startHolder(next, "ELM", false, ""), QString(bLockable ? "busy" : "busy unsafe"));
        stop(first);
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
