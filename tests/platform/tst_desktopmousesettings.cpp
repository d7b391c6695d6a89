#include "platform/LinuxMouseSettings.h"
#include "platform/ProgramLauncher.h"

#include <QtTest>

namespace {
class RecordingLauncher : public ProgramLauncher
{
public:
    bool startDetached(const QString& program, const QStringList& args) override
    {
        m_Started << (QStringList(program) + args).join(' ');
        return true;
    }
    QStringList m_Started;
};
} // namespace

// Which program opens the desktop's mouse settings, by desktop and by what is on PATH.
class TestDesktopMouseSettings : public QObject
{
    Q_OBJECT
private slots:
    void choose_data()
    {
        QTest::addColumn<QString>("desktop");
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QString>("started");   // program name and arguments; empty: none
        QTest::addColumn<QStringList>("named"); // what the reason names when none starts
        const QStringList all{"gnome-control-center", "kcmshell5", "systemsettings",
                              "xfce4-mouse-settings"};
        const QString gnome = "gnome-control-center mouse";
        for (const char* desktop : {"GNOME", "ubuntu:GNOME", "zorin-GNOME"})
            QTest::newRow(desktop) << desktop << all << gnome << QStringList();
        QTest::newRow("KDE") << "KDE" << all << "kcmshell5 kcm_mouse" << QStringList();
        QTest::newRow("KDE without kcmshell") << "KDE" << QStringList{"systemsettings"}
                                              << "systemsettings kcm_mouse" << QStringList();
        QTest::newRow("XFCE") << "XFCE" << all << "xfce4-mouse-settings" << QStringList();
        QTest::newRow("GNOME missing") << "GNOME" << QStringList{"kcmshell5"} << QString()
                                       << QStringList{"gnome-control-center"};
        QTest::newRow("sway") << "sway" << all << QString()
                              << QStringList{"'sway'", "GNOME (gnome-control-center)"};
        QTest::newRow("unset") << "" << all << QString()
                               << QStringList{"XDG_CURRENT_DESKTOP", "XFCE (xfce4-mouse-settings)"};
    }

    void choose()
    {
        QFETCH(QString, desktop);
        QFETCH(QStringList, installed);
        QFETCH(QString, started);
        QFETCH(QStringList, named);
        QTemporaryDir bin;
        for (const QString& name : installed) {
            QFile program(bin.path() + "/" + name);
            QVERIFY(program.open(QIODevice::WriteOnly));
            program.write("#!/bin/sh\n");
            program.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        }
        // A plain file of the same name earlier on PATH is not a program.
        QTemporaryDir decoy;
        QFile(decoy.path() + "/gnome-control-center").open(QIODevice::WriteOnly);
        QProcessEnvironment env;
        env.insert("XDG_CURRENT_DESKTOP", desktop);
        env.insert("PATH", decoy.path() + ":" + bin.path());

        RecordingLauncher launcher;
        LinuxMouseSettings settings(launcher, env);
        QCOMPARE(settings.open(), !started.isEmpty());
        for (const QString& name : named)
            QVERIFY2(settings.reason().contains(name), qPrintable(settings.reason()));
        if (started.isEmpty())
            QVERIFY(launcher.m_Started.isEmpty());
        else
            QCOMPARE(launcher.m_Started, QStringList(bin.path() + "/" + started));
    }
};

QTEST_MAIN(TestDesktopMouseSettings)
#include "tst_desktopmousesettings.moc"
