#include "TestAppFolder.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// The program itself: a second start of the same product leaves at once with 1 and shows
// nothing; another product starts beside it. Each run gets its own application folder and its
// own runtime folder, so nothing of other programs on this machine is seen.
class TestSingleStart : public QObject
{
    Q_OBJECT

private:
    QString m_Program;
    QTemporaryDir m_Runtime;

    // An application folder with a copy of the program and the sample installation, its
    // product name replaced by `product`.
    QString makeAppFolder(QTemporaryDir& dir, const QString& product)
    {
        const QString sample = TestAppFolder::sampleDir("hornbeam");
        QDir().mkpath(dir.path() + "/Configs");
        for (const char* file : {"/DefaultProfile.bin", "/Configs/Config.ini"}) {
            if (!QFile::copy(sample + file, dir.path() + file))
                return QString();
            QFile::setPermissions(dir.path() + file, QFile::ReadOwner | QFile::WriteOwner);
        }
        QSettings(dir.path() + "/DefaultProfile.bin", QSettings::IniFormat)
            .setValue("PROFILE/ProductName", product);
        return QFile::copy(m_Program, dir.path() + "/mousecfg") ? dir.path() : QString();
    }

    // `rules`: QT_LOGGING_RULES for the program, none when null.
    std::unique_ptr<QProcess> start(const QString& folder, const QStringList& args = {},
                                    const QString& rules = "default.debug=true")
    {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_RUNTIME_DIR", m_Runtime.path());
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.remove("QT_LOGGING_RULES");
        if (!rules.isNull())
            env.insert("QT_LOGGING_RULES", rules);
        process->setProcessEnvironment(env);
        process->setProcessChannelMode(QProcess::MergedChannels);
        process->start(folder + "/mousecfg", args);
        return process;
    }

private slots:
    void initTestCase()
    {
        m_Program = QCoreApplication::applicationDirPath() + "/../bin/mousecfg";
        QVERIFY2(QFile::exists(m_Program), qPrintable(m_Program));
        QVERIFY(m_Runtime.isValid());
        QVERIFY(QFile::setPermissions(m_Runtime.path(),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    }

    void secondStartOfSameProductExitsWithOne()
    {
        QTemporaryDir first;
        const QString folder = makeAppFolder(first, "TESTPRODUCT");
        QVERIFY(!folder.isEmpty());

        std::unique_ptr<QProcess> running = start(folder);
        QVERIFY(running->waitForStarted());
        // The lock file of the running program appears in the runtime folder.
        QTRY_VERIFY_WITH_TIMEOUT(!QDir(m_Runtime.path()).entryList(QDir::Files).isEmpty(), 10000);

        std::unique_ptr<QProcess> second = start(folder);
        QVERIFY(second->waitForFinished(20000));
        QCOMPARE(second->exitStatus(), QProcess::NormalExit);
        QCOMPARE(second->exitCode(), 1);
        // It left before building a window, having asked the running one to come forward.
        QVERIFY(!second->readAll().contains("main window shown"));
        QByteArray runningOutput;
        QTRY_VERIFY_WITH_TIMEOUT(
            (runningOutput += running->readAll()).contains("raise request from a second start"),
            10000);

        running->terminate();
        if (!running->waitForFinished(5000))
            running->kill();
    }

    // The logging rule on its own is the case above, which reads the running program's lines.
    void diagnosticLinesOnlyWhenAsked_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("rules");
        QTest::addColumn<bool>("bShown");
        QTest::newRow("quiet by default") << QStringList() << QString() << false;
        QTest::newRow("--verbose") << QStringList{"--verbose"} << QString() << true;
        QTest::newRow("rule wins over --verbose")
            << QStringList{"--verbose"} << "default.debug=false" << false;
    }

    void diagnosticLinesOnlyWhenAsked()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, rules);
        QFETCH(bool, bShown);
        QTemporaryDir dir;
        const QString folder = makeAppFolder(dir, "LOGPRODUCT");
        QVERIFY(!folder.isEmpty());
        std::unique_ptr<QProcess> tool = start(folder, args, rules);
        QVERIFY(tool->waitForStarted());
        // With no mouse, the selection 200 ms after start shows the device chooser and says so.
        QByteArray output;
        QTest::qWait(bShown ? 0 : 3000);
        QTRY_VERIFY_WITH_TIMEOUT(
            (output += tool->readAll()).contains("device chooser shown") || !bShown, 10000);
        QCOMPARE(output.contains("device chooser shown"), bShown);
        QCOMPARE(tool->state(), QProcess::Running);
        tool->terminate();
        if (!tool->waitForFinished(5000))
            tool->kill();
    }
};

QTEST_GUILESS_MAIN(TestSingleStart)
#include "tst_singlestart.moc"
