#include "TestAppFolder.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// The command line of the built program against a virtual mouse: with no window it finds the
// mouse itself; with a window of the same product running, the window carries the command out.
class TestCommandLine : public QObject
{
    Q_OBJECT
private:
    struct Result
    {
        int iExit = -1;
        QString output;
    };

    QProcessEnvironment environment(const QString& virtualDir) const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_RUNTIME_DIR", m_Runtime.path());
        env.insert("MOUSECFG_VIRTUAL_DIR", virtualDir);
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("QT_LOGGING_RULES", "default.debug=true");
        return env;
    }

    Result run(const QStringList& args, const QString& virtualDir)
    {
        QProcess tool;
        // No display at all: a command must not need one. Its output is only its result.
        QProcessEnvironment env = environment(virtualDir);
        for (const char* name : {"DISPLAY", "QT_QPA_PLATFORM", "QT_LOGGING_RULES"})
            env.remove(name);
        tool.setProcessEnvironment(env);
        tool.start(m_Folder->path() + "/mousecfg", args);
        Result result;
        if (tool.waitForFinished(60000))
            result = {tool.exitCode(), QString::fromLocal8Bit(tool.readAllStandardOutput() +
                                                              tool.readAllStandardError())};
        return result;
    }

    void mouseCommand(const QByteArray& command)
    {
        m_Mouse.write(command + "\n");
        m_Mouse.waitForBytesWritten(5000);
        QTest::qWait(200);
    }

    QTemporaryDir m_Runtime;
    QTemporaryDir m_VirtualDir;
    QTemporaryDir m_EmptyDir;
    QTemporaryDir m_Files; // profile files handed to --apply
    std::unique_ptr<TestAppFolder> m_Folder;

    // A sample profile exported for `model`, with `changes` ("key=value", "-key" removes it).
    // Edited as text: this test has no QtGui, without which QSettings mangles the colours.
    QString exported(const QString& name, const QString& model, const QStringList& changes = {})
    {
        QByteArray text = TestFiles::read(TestAppFolder::sampleDir("hornbeam") +
                                          "/Configs/Profile/Profile 1.prof");
        for (const QString& c : changes) {
            const QByteArray key =
                "\n" + c.mid(c.startsWith('-') ? 1 : 0).section('=', 0, 0).toUtf8();
            const int at = text.indexOf(key + "=");
            const int end = text.indexOf('\n', at + 1);
            text.replace(at, end - at, c.startsWith('-') ? QByteArray() : "\n" + c.toUtf8());
        }
        const QString path = m_Files.filePath(name + ".prof");
        TestFiles::write(path, "[MouseName]\nName=" + model.toUtf8() + "\n\n" + text);
        return path;
    }
    QProcess m_Mouse;

private slots:
    void initTestCase()
    {
        const QString bin = QCoreApplication::applicationDirPath() + "/../bin/";
        QVERIFY(QFile::setPermissions(m_Runtime.path(),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        m_Folder = std::make_unique<TestAppFolder>();
        QVERIFY(m_Folder->isValid());
        QVERIFY(QFile::copy(bin + "mousecfg", m_Folder->path() + "/mousecfg"));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("MOUSECFG_VIRTUAL_DIR", m_VirtualDir.path());
        m_Mouse.setProcessEnvironment(env);
        m_Mouse.setProcessChannelMode(QProcess::MergedChannels);
        m_Mouse.start(bin + "virtual-mouse",
                      {"--name", "HORNBEAM", "--receiver", "--battery", "80", "--quiet"});
        QVERIFY(m_Mouse.waitForStarted());
        QByteArray said;
        QTRY_VERIFY_WITH_TIMEOUT((said += m_Mouse.readAll()).contains("virtual mouse HORNBEAM"),
                                 20000);
    }

    void cleanupTestCase()
    {
        m_Mouse.write("quit\n");
        if (!m_Mouse.waitForFinished(10000))
            m_Mouse.kill();
    }

    void withoutWindow_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<bool>("bMouse");
        QTest::addColumn<QByteArray>("fault"); // told the virtual mouse before the command
        QTest::addColumn<int>("iExit");
        QTest::addColumn<QString>("pattern");
        const QString prof = TestAppFolder::sampleDir("hornbeam") + "/Configs/Profile/";
        const auto row = [](const char* tag, const QStringList& args, int exit, const char* pattern,
                            const char* fault = "", bool bMouse = true) {
            QTest::newRow(tag) << args << bMouse << QByteArray(fault) << exit << pattern;
        };
        row("version", {"--version"}, 0, "^mousecfg \\d+\\.\\d+\\.\\d+\\n$");
        row("unknown option", {"--frobnicate"}, 1, "frobnicate");
        row("two commands", {"--list", "--battery"}, 1, "one command");
        row("slot 6", {"--select-profile", "6"}, 1, "1 to 5");
        row("slot without apply", {"--battery", "--slot", "2"}, 1, "--apply");
        row("list, no mouse", {"--list"}, 2, "No mouse found", "", false);
        row("list", {"--list"}, 0, "^HORNBEAM receiver 80%\\n$");
        row("battery", {"--battery"}, 0, "^80% not-charging\\n$");
        row("battery, mouse silent", {"--battery"}, 2, "not answer", "drop 100");
        row("battery, no permission", {"--battery"}, 3, "60-mousecfg.rules", "deny");
        row("select", {"--select-profile", "4"}, 0, "Profile 4 selected");
        row("select, writes failing", {"--select-profile", "2"}, 4, "^Send data failed[^\\n]*\\n$",
            "failwrite 200");
        row("apply, no file", {"--apply", "/nonexistent/x.prof"}, 1, "Cannot read");
        // Refused before anything is touched (the slot's file is compared below).
        const QString junk = m_Files.filePath("junk.prof");
        QFile::copy("/etc/passwd", junk);
        row("apply, junk", {"--apply", junk}, 1, "Cannot read");
        row("apply, empty", {"--apply", m_Files.filePath("empty.prof")}, 1, "not for this mouse");
        row("apply, other mouse", {"--apply", exported("linden", "LINDEN")}, 1, "not for this");
        row("apply, a key missing", {"--apply", exported("nokey", "HORNBEAM", {"-DPI_INFO_3_y"})},
            1, "lacks the key PROFILE/DPI_INFO_3_y");
        row("apply, no left click",
            {"--apply", exported("noclick", "HORNBEAM", {"BUTTON_INFO_0_Fun=2"})}, 1, "left click");
        row("apply, DPI 0", {"--apply", exported("dpi0", "HORNBEAM", {"DPI_INFO_0_x=0"})}, 1,
            "DPI level 1");
        const QString good = exported("good", "HORNBEAM");
        row("apply, writes failing", {"--apply", good}, 4, "Send data failed", "failwrite 200");
        row("apply", {"--apply", good, "--slot", "2"}, 0, "written to slot 2");
    }

    void withoutWindow()
    {
        QFETCH(QStringList, args);
        QFETCH(bool, bMouse);
        QFETCH(QByteArray, fault);
        QFETCH(int, iExit);
        QFETCH(QString, pattern);
        if (!fault.isEmpty())
            mouseCommand(fault);
        QFile(m_Files.filePath("empty.prof")).open(QIODevice::WriteOnly);
        const QString slotFile = m_Folder->path() + "/Configs/Profile/Profile 1.prof";
        const QByteArray slotBefore = TestFiles::read(slotFile);
        const Result result = run(args, bMouse ? m_VirtualDir.path() : m_EmptyDir.path());
        mouseCommand("clear");
        QVERIFY2(result.output.contains(QRegularExpression(pattern)), qPrintable(result.output));
        QCOMPARE(result.iExit, iExit);
        if (iExit == 1)
            QVERIFY(TestFiles::read(slotFile) == slotBefore);
        if (QTest::currentDataTag() == QLatin1String("select"))
            QCOMPARE(QSettings(m_Folder->path() + "/Configs/Config.ini", QSettings::IniFormat)
                         .value("Config/ProfileID")
                         .toInt(),
                     3);
    }

    // The window switches the slot for the second start and hands back what the mouse said.
    void handedToRunningWindow_data()
    {
        QTest::addColumn<QByteArray>("fault");
        QTest::addColumn<QString>("selected");
        QTest::newRow("healthy") << QByteArray() << "Profile 2 selected.\n";
        QTest::newRow("writes failing")
            << QByteArray("failwrite 200") << "Send data failed, please try again.\n";
    }
    void handedToRunningWindow()
    {
        QFETCH(QByteArray, fault);
        QFETCH(QString, selected);
        mouseCommand("battery 80");
        QProcess window;
        window.setProcessEnvironment(environment(m_VirtualDir.path()));
        window.setProcessChannelMode(QProcess::MergedChannels);
        window.start(m_Folder->path() + "/mousecfg", QStringList());
        QVERIFY(window.waitForStarted());
        QByteArray log;
        QTRY_VERIFY_WITH_TIMEOUT((log += window.readAll()).contains("battery 80%"), 20000);

        mouseCommand("battery 55 charging");
        QTRY_VERIFY_WITH_TIMEOUT((log += window.readAll()).contains("battery 55%"), 20000);
        Result result = run({"--battery"}, m_VirtualDir.path());
        QCOMPARE(result.output, QString("55% charging\n"));
        QCOMPARE(result.iExit, 0);
        result = run({"--list"}, m_VirtualDir.path());
        QCOMPARE(result.output, QString("HORNBEAM receiver 55% charging\n"));
        mouseCommand(fault);
        result = run({"--select-profile", "2"}, m_VirtualDir.path());
        mouseCommand("clear");
        QCOMPARE(result.output, selected);
        QCOMPARE(result.iExit, fault.isEmpty() ? 0 : 4);
        QTRY_VERIFY_WITH_TIMEOUT((log += window.readAll()).contains("command from a second start"),
                                 5000);
        QCOMPARE(window.state(), QProcess::Running);
        window.terminate();
        if (!window.waitForFinished(5000))
            window.kill();
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
