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

    Result run(const QStringList& args, const QString& virtualDir,
               const QString& program = QString())
    {
        QProcess tool;
        // No display at all: a command must not need one. Its output is only its result.
        QProcessEnvironment env = environment(virtualDir);
        for (const char* name :
             {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "QT_LOGGING_RULES"})
            env.remove(name);
        tool.setProcessEnvironment(env);
        tool.start(program.isEmpty() ? m_Folder->path() + "/mousecfg" : program, args);
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
    QProcess m_Window;
    bool m_bWindowMouse = false;

    // A window of the product, started on the offscreen platform, with or without the mouse.
    void startWindow(bool bMouse)
    {
        if (m_Window.state() == QProcess::Running && m_bWindowMouse == bMouse)
            return;
        stopWindow();
        m_bWindowMouse = bMouse;
        m_Window.setProcessEnvironment(
            environment(bMouse ? m_VirtualDir.path() : m_EmptyDir.path()));
        m_Window.setProcessChannelMode(QProcess::MergedChannels);
        m_Window.start(m_Folder->path() + "/mousecfg", QStringList());
        QByteArray log;
        QTRY_VERIFY_WITH_TIMEOUT(
            (log += m_Window.readAll()).contains(bMouse ? "battery 80%" : "device chooser shown"),
            20000);
    }
    void stopWindow()
    {
        m_Window.terminate();
        if (!m_Window.waitForFinished(5000))
            m_Window.kill();
    }

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
        stopWindow();
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
        row("help", {"--help"}, 0, "--dpi <LEVEL=X\\[xY\\]>[^$]*Exit codes:\\n  0  done\\n");
        row("-V", {"-V"}, 0, "^mousecfg \\d+\\.\\d+\\.\\d+\\n$");
        // One line naming what is wrong, not the whole help.
        const char* tryHelp = " Try 'mousecfg --help'\\.\\n$";
        row("unknown option", {"--frobnicate"}, 1,
            qPrintable(QString("^mousecfg: Unknown option 'frobnicate'\\.") + tryHelp));
        row("rate 300", {"--rate", "300"}, 1,
            qPrintable(QString("^mousecfg: --rate [^\\n]*") + tryHelp));
        row("json with select", {"--select-profile", "1", "--json"}, 1, "--json goes with");
        row("dpi level 9", {"--dpi", "9=800"}, 1, "--dpi takes");
        row("get", {"--get"}, 0, "dpi 2: 800x800\\n[^$]*rate: 1000\\n[^$]*button 4: Forward\\n");
        row("get, no mouse", {"--get"}, 0, "^slot: 1 \\(Profile 1\\)\\n", "", false);
        row("get, no such mouse", {"--get", "--device", "OAK"}, 2, "No mouse OAK");
        row("list, json", {"--list", "--json"}, 0,
            "^\\[\\{\"battery\":80,\"charging\":false,\"index\":1,\"links\":\\[\"receiver\"\\],"
            "\"name\":\"HORNBEAM\"\\}\\]\\n$");
        row("battery, json", {"--battery", "--json"}, 0,
            "^\\{\"charging\":false,\"level\":80\\}\\n$");
        row("battery, device 1", {"--battery", "--device", "1"}, 0, "^80% not-charging\\n$");
        row("battery, device 2", {"--battery", "--device", "2"}, 2, "No mouse 2 found");
        row("set, no mouse", {"--rate", "500"}, 2, "No mouse found", "", false);
        row("set, DPI between steps", {"--dpi", "2=1234"}, 1, "nearest settings are 1200 and 1250");
        row("set, no such function", {"--button", "4=Jump"}, 1, "No button function");
        row("set, last left click", {"--button", "1=Right"}, 1, "AT LEAST ONE CLICK");
        row("set, button 10", {"--button", "10=Left"}, 1, "buttons 1 to 9");
        row("set, fire key", {"--button", "4=FIRE KEY"}, 1, "settings of its own");
        row("set, unknown key", {"--button", "4=SINGLE KEY:Hyper"}, 1, "keys by name");
        row("set, colour without one", {"--lighting", "7 color", "--colour", "00ff00"}, 1,
            "7 COLOR takes no colour");
        row("set, writes failing", {"--rate", "500"}, 4, "Send data failed", "failwrite 200");
        row("set", {"--dpi", "2=1600x800", "--rate", "250", "--button", "4=COMBO KEY:LCtr+Num +"},
            0, "^Settings written to slot 1\\.\\n$");
        row("get after set", {"--get"}, 0,
            "dpi 2: 1600x800\\n[^$]*rate: 250\\n[^$]*button 4: COMBO KEY:LCtr\\+Num \\+\\n");
        row("export", {"--export-profile", m_Files.filePath("out.prof")}, 0, "exported to");
        row("export, no folder", {"--export-profile", "/dev/null/x.prof"}, 1, "Failed to copy");
        row("two commands", {"--list", "--battery"}, 1, "one command");
        row("hidden with a command", {"--hidden", "--list"}, 1, "--hidden goes with no command");
        row("help on hidden", {"--help"}, 0, "\\s--hidden\\s+Open the window in the tray");
        row("slot 6", {"--select-profile", "6"}, 1, "1 to 5");
        row("slot without apply", {"--battery", "--slot", "2"}, 1, "--apply");
        row("list, no mouse", {"--list"}, 2, "No mouse found", "", false);
        row("list", {"--list"}, 0, "^1 HORNBEAM receiver 80%\\n$");
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
        if (QTest::currentDataTag() == QLatin1String("export"))
            QVERIFY(TestFiles::read(m_Files.filePath("out.prof"))
                        .startsWith("[MouseName]\nName=HORNBEAM"));
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
        QCOMPARE(result.output, QString("1 HORNBEAM receiver 55% charging\n"));
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

    // Commands a running window carries out, with and without its mouse: without one, a
    // command for the mouse is told "no mouse" (2) as without a window, not "busy" (4).
    void withWindow_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<bool>("bMouse");
        QTest::addColumn<QByteArray>("fault");
        QTest::addColumn<int>("iExit");
        QTest::addColumn<QString>("pattern");
        const auto row = [](const char* tag, bool bMouse, const QStringList& args, int exit,
                            const char* pattern, const char* fault = "") {
            QTest::newRow(tag) << args << bMouse << QByteArray(fault) << exit << pattern;
        };
        row("no mouse: battery", false, {"--battery"}, 2, "^No mouse found\\.\\n$");
        row("no mouse: select", false, {"--select-profile", "2"}, 2, "No mouse found");
        row("no mouse: set", false, {"--rate", "500"}, 2, "No mouse found");
        row("no mouse: list", false, {"--list"}, 2, "No mouse found");
        row("no mouse: get", false, {"--get"}, 0, "button 1: Left");
        row("get, json", true, {"--get", "--json"}, 0, "^\\{\"buttons\":\\[\\{\"button\":1,");
        row("set", true, {"--button", "4=Mute", "--lighting", "breathing", "--color", "#00ff00"}, 0,
            "written to slot");
        row("get after set", true, {"--get"}, 0,
            "lighting: BREATHING\\ncolour: 00ff00\\n[^$]*4: Mute");
        row("set, refused", true, {"--dpi", "1=33000"}, 1, "nearest settings are 32000 and -");
        row("set, writes failing", true, {"--rate", "125"}, 4, "Send data failed", "failwrite 200");
        row("other mouse", true, {"--battery", "--device", "LINDEN"}, 2, "No mouse LINDEN");
        row("unplugged: battery", true, {"--battery"}, 2, "^No mouse found", "unplug receiver");
    }

    void withWindow()
    {
        QFETCH(QStringList, args);
        QFETCH(bool, bMouse);
        QFETCH(QByteArray, fault);
        QFETCH(int, iExit);
        QFETCH(QString, pattern);
        mouseCommand("battery 80");
        startWindow(bMouse);
        mouseCommand(fault);
        QByteArray log;
        if (fault.startsWith("unplug"))
            QTRY_VERIFY_WITH_TIMEOUT((log += m_Window.readAll()).contains("chooser shown"), 20000);
        const Result result = run(args, bMouse ? m_VirtualDir.path() : m_EmptyDir.path());
        mouseCommand(fault.startsWith("unplug") ? "plug receiver" : "clear");
        QVERIFY2(result.output.contains(QRegularExpression(pattern)), qPrintable(result.output));
        QCOMPARE(result.iExit, iExit);
        QCOMPARE(m_Window.state(), QProcess::Running);
    }

    // Without any display the window and the OSD leave with one line, where the toolkit would
    // abort; their help needs no display.
    void withoutDisplay_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("iExit");
        QTest::addColumn<QString>("pattern");
        QTest::newRow("window") << "mousecfg" << QStringList() << 1
                                << "^mousecfg: cannot open display\\n$";
        QTest::newRow("osd") << "mouse-osd" << QStringList() << 1
                             << "^mouse-osd: cannot open display\\n$";
        QTest::newRow("osd help") << "mouse-osd" << QStringList{"--help"} << 0
                                  << "^Usage: mouse-osd\\n";
    }
    void withoutDisplay()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, args);
        QFETCH(int, iExit);
        QFETCH(QString, pattern);
        stopWindow();
        const QString bin = QCoreApplication::applicationDirPath() + "/../bin/";
        const Result result =
            run(args, m_EmptyDir.path(), program == "mousecfg" ? QString() : bin + program);
        QVERIFY2(result.output.contains(QRegularExpression(pattern)), qPrintable(result.output));
        QCOMPARE(result.iExit, iExit);
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
