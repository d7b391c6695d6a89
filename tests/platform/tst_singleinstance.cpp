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
    std::printf(held ? "held\n" : "busy\n");
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
    QString startHolder(QProcess& process, const QString& name, bool startChild = false)
    {
        QStringList args{"--hold", m_Dir.path(), name};
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
